#include "WorkWindows.h"

#include <QHash>

namespace {
QHash<QString, WorkWindowOpener>& openers() {
    static QHash<QString, WorkWindowOpener> registry;
    return registry;
}
} // namespace

void RegisterWorkWindow(const QString& className, WorkWindowOpener opener) {
    openers().insert(className, std::move(opener));
}

void UnregisterWorkWindows() {
    openers().clear();
}

bool OpenWorkWindow(const QString& className, QWidget* owner) {
    const auto found = openers().constFind(className);
    if (found == openers().constEnd())
        return false;
    // A copy: the opener may run a modal loop during which the registry changes.
    const WorkWindowOpener opener = found.value();
    opener(owner);
    return true;
}
