#include "EnterNavigator.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

EnterNavigator* EnterNavigator::install(QWidget* window) {
    auto* navigator = new EnterNavigator(window);
    qApp->installEventFilter(navigator);
    return navigator;
}

EnterNavigator::EnterNavigator(QWidget* window) : QObject(window), window_(window) {}

namespace {

bool handlesEnterItself(const QWidget* focus) {
    for (const QWidget* w = focus; w; w = w->parentWidget()) {
        if (qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
            qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QAbstractButton*>(w))
            return true;
        if (w->isWindow())
            break;
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(focus))
        return combo->view() && combo->view()->isVisible();
    return false;
}

} // namespace

bool EnterNavigator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (!focus || watched != focus || focus->window() != window_ || handlesEnterItself(focus))
        return false;
    // Moves on exactly as Tab does.
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(focus, &tab);
    return true;
}
