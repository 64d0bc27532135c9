#pragma once

#include <QChar>

class QLineEdit;

// Key filter for numeric edit fields, called before a typed character reaches the edit:
// replaces the key by character 0 (no key) when it is not acceptable at the caret.
void FilterNumericKey(const QLineEdit* edit, bool allowMinus, int decimals, QChar& key);
