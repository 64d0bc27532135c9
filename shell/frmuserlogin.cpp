#include "frmuserlogin.h"

#include "BusyCursor.h"
#include "Helpers.h"
#include "SystemInfo.h"
#include "Termination.h"
#include "UiFont.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString LoginSection = QStringLiteral("systemlogin");
const QString LoginYearValue = QStringLiteral("loginyear");

bool isEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}
} // namespace

Tfrm_userlogin::Tfrm_userlogin(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frm_userlogin"));
    setWindowTitle(QStringLiteral("用户登入"));
    setFont(SongFont(9));
    setFixedSize(305, 177);

    groupBox_ = new QGroupBox(this);
    groupBox_->setGeometry(8, 4, 289, 165);

    auto addLabel = [this](const QString& text, int top) {
        auto* label = new QLabel(text, groupBox_);
        label->setGeometry(32, top, 72, 21);
        return label;
    };

    QLabel* labyh = addLabel(QStringLiteral("登入用户："), 20);
    edtyh = new QLineEdit(groupBox_);
    edtyh->setObjectName(QStringLiteral("edtyh"));
    edtyh->setGeometry(108, 20, 145, 21);
    edtyh->setMaxLength(26);

    QLabel* labpassward = addLabel(QStringLiteral("用户口令："), 50);
    edtpassward = new QLineEdit(groupBox_);
    edtpassward->setObjectName(QStringLiteral("edtpassward"));
    edtpassward->setGeometry(108, 50, 145, 21);
    edtpassward->setMaxLength(6);
    edtpassward->setEchoMode(QLineEdit::Password);

    addLabel(QStringLiteral("参评年度："), 62);
    cmbyear = new QComboBox(groupBox_);
    cmbyear->setObjectName(QStringLiteral("cmbyear"));
    cmbyear->setGeometry(108, 62, 145, 22);
    cmbyear->setEditable(false);

    butok = new QPushButton(QStringLiteral("确定"), groupBox_);
    butok->setObjectName(QStringLiteral("butok"));
    butok->setGeometry(56, 118, 75, 25);
    butquit = new QPushButton(QStringLiteral("取消"), groupBox_);
    butquit->setObjectName(QStringLiteral("butquit"));
    butquit->setGeometry(160, 118, 75, 25);

    // The user name and password are not used by this client.
    for (QWidget* hidden : {static_cast<QWidget*>(labyh), static_cast<QWidget*>(edtyh),
                            static_cast<QWidget*>(labpassward), static_cast<QWidget*>(edtpassward)})
        hidden->setVisible(false);

    // Tab positions: user name 0, password 1, OK 2, cancel 3, year 4.
    setTabOrder(edtyh, edtpassward);
    setTabOrder(edtpassward, butok);
    setTabOrder(butok, butquit);
    setTabOrder(butquit, cmbyear);

    butok->setDefault(true);
    butok->setFocus();

    connect(butok, &QPushButton::clicked, this, &Tfrm_userlogin::butokClick);
    connect(butquit, &QPushButton::clicked, this, &Tfrm_userlogin::butquitClick);
    for (QWidget* field : {static_cast<QWidget*>(cmbyear), static_cast<QWidget*>(edtyh),
                           static_cast<QWidget*>(edtpassward)})
        field->installEventFilter(this);

    FormCreate();
}

Tfrm_userlogin::~Tfrm_userlogin() {
    FormDestroy();
}

void Tfrm_userlogin::FormCreate() {
    accepted_ = false;
    const int year = QDate::currentDate().year();
    cmbyear->addItems(
        {QString::number(year - 1), QString::number(year), QString::number(year + 1)});
    const QString stored = ReadSetting(SettingsKey, LoginSection, LoginYearValue, QString());
    if (!stored.isEmpty())
        cmbyear->setCurrentIndex(
            cmbyear->findText(stored, Qt::MatchExactly | Qt::MatchCaseSensitive));
    else
        cmbyear->setCurrentIndex(1);
}

void Tfrm_userlogin::FormDestroy() {
    WriteSetting(SettingsKey, LoginSection, LoginYearValue, cmbyear->currentText());
    if (!accepted_)
        TerminateApplication();
}

void Tfrm_userlogin::butokClick() {
    {
        BusyCursor busy;
        LoginYear = cmbyear->currentText().trimmed();
        accepted_ = true;
    }
    accept();
}

void Tfrm_userlogin::butquitClick() {
    reject();
}

bool Tfrm_userlogin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            if (watched == cmbyear)
                cmbyearKeyDown(key);
            else if (watched == edtyh)
                edtyhKeyDown(key);
            else if (watched == edtpassward)
                edtpasswardKeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrm_userlogin::cmbyearKeyDown(QKeyEvent*) {
    focusNextInChain(cmbyear);
}

void Tfrm_userlogin::edtyhKeyDown(QKeyEvent*) {
    focusNextInChain(edtyh);
}

void Tfrm_userlogin::edtpasswardKeyDown(QKeyEvent*) {
    focusNextInChain(edtpassward);
}

void Tfrm_userlogin::focusNextInChain(QWidget* from) {
    const QList<QWidget*> chain = {cmbyear, edtyh, edtpassward, butok};
    for (qsizetype i = chain.indexOf(from) + 1; i < chain.size(); ++i) {
        if (!chain[i]->isHidden()) {
            chain[i]->setFocus();
            return;
        }
    }
}
