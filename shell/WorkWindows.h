#pragma once

#include <QDialog>
#include <QtGlobal>
#include <functional>
#include <memory>

class QWidget;

// Opens the work window for a WindowMode code, owned by the given window, modally; the
// window is freed when it returns, also when it ends with an error.
using WorkWindowOpener = std::function<void(QWidget* owner)>;

// The program wires each work window to its mode code at start; a code without a window
// opens nothing.
void RegisterWorkWindow(quint8 windowMode, WorkWindowOpener opener);
void UnregisterWorkWindows();

// Sets WindowMode, then opens the window registered for it. Returns whether one was.
bool OpenWorkWindow(quint8 windowMode, QWidget* owner);

// The usual opener: creates a W with the owner as parent, runs it modally and frees it.
template <class W> void OpenModal(QWidget* owner) {
    const std::unique_ptr<W> window = std::make_unique<W>(owner);
    window->exec();
}
