#include "WorkWindows.h"

#include "SystemInfo.h"

#include <QHash>

namespace {
QHash<quint8, WorkWindowOpener>& openers() {
    static QHash<quint8, WorkWindowOpener> registry;
    return registry;
}
} // namespace

void RegisterWorkWindow(quint8 windowMode, WorkWindowOpener opener) {
    openers().insert(windowMode, std::move(opener));
}

void UnregisterWorkWindows() {
    openers().clear();
}

bool OpenWorkWindow(quint8 windowMode, QWidget* owner) {
    WindowMode = windowMode;
    const auto found = openers().constFind(windowMode);
    if (found == openers().constEnd())
        return false;
    const WorkWindowOpener opener = found.value();
    opener(owner);
    return true;
}
