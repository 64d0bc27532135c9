#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;

// Opens a work window owned by the given window, modally; the window is freed when it
// returns, also when it ends with an error.
using WorkWindowOpener = std::function<void(QWidget* owner)>;

// The program wires each work window class (by its class name, "Tfrm_grzl") to an opener
// at start; a window that is not wired opens nothing. Openers leave WindowMode alone: the
// caller sets it before opening.
void RegisterWorkWindow(const QString& className, WorkWindowOpener opener);
void UnregisterWorkWindows();

// Opens the window registered under the class name. Returns whether one was.
bool OpenWorkWindow(const QString& className, QWidget* owner);

// The usual opener: creates a W with the owner as parent, runs it modally and frees it.
template <class W> void OpenModal(QWidget* owner) {
    const std::unique_ptr<W> window = std::make_unique<W>(owner);
    window->exec();
}
