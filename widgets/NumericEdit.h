#pragma once

#include <QLineEdit>

// An edit for amounts: accepts only digits, at most the given number of decimals after a
// single point and, when allowed, a leading minus (see FilterNumericKey).
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEdit(int decimals, bool allowMinus, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int decimals_;
    bool allowMinus_;
};
