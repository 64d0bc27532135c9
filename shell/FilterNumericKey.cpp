#include "FilterNumericKey.h"

#include "Helpers.h"

#include <QLineEdit>

void FilterNumericKey(const QLineEdit* edit, bool allowMinus, int decimals, QChar& key) {
    if (!NumericKeyAccepted(edit->text(), edit->cursorPosition(), allowMinus, decimals, key))
        key = QChar(0);
}
