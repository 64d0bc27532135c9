#include "ModalDriver.h"

#include <QApplication>
#include <QTimer>

int RunModal(QDialog& dialog, const std::function<void()>& steps) {
    QTimer::singleShot(0, &dialog, steps);
    return dialog.exec();
}

void WhenModalShown(const std::function<void(QDialog*)>& steps) {
    // Polls until the modal dialog is up; the code under test opens it from the same
    // thread, so the poll runs inside the dialog's event loop.
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, steps] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        steps(dialog);
    });
    timer->start();
}
