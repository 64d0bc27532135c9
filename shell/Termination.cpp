#include "Termination.h"

#include <QCoreApplication>

namespace {
std::function<void()>& handler() {
    static std::function<void()> current;
    return current;
}
} // namespace

void TerminateApplication() {
    if (handler()) {
        handler()();
        return;
    }
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

void SetTerminationHandler(std::function<void()> replacement) {
    handler() = std::move(replacement);
}
