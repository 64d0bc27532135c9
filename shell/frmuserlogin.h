#pragma once

#include <QDialog>

class QComboBox;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

// The login dialog: chooses the evaluation year every window works on. The user-name and
// password fields exist but stay hidden; nothing is checked. Cancelling ends the program.
class Tfrm_userlogin : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_userlogin(QWidget* parent = nullptr);
    ~Tfrm_userlogin() override;

    bool accepted() const { return accepted_; }

public Q_SLOTS:
    void butokClick();
    void butquitClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void cmbyearKeyDown(QKeyEvent* event);
    void edtyhKeyDown(QKeyEvent* event);
    void edtpasswardKeyDown(QKeyEvent* event);
    // Moves the focus along the Enter chain to the next visible field after from.
    void focusNextInChain(QWidget* from);

    QGroupBox* groupBox_;
    QComboBox* cmbyear;
    QLineEdit* edtyh;
    QLineEdit* edtpassward;
    QPushButton* butok;
    QPushButton* butquit;
    bool accepted_ = false;
};
