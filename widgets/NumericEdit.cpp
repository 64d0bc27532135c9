#include "NumericEdit.h"

#include "FilterNumericKey.h"

#include <QKeyEvent>

NumericEdit::NumericEdit(int decimals, bool allowMinus, QWidget* parent)
    : QLineEdit(parent), decimals_(decimals), allowMinus_(allowMinus) {}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    // Characters go through the filter; editing and navigation keys pass as they are.
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        QChar key = text.at(0);
        FilterNumericKey(this, allowMinus_, decimals_, key);
        if (key.isNull()) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
