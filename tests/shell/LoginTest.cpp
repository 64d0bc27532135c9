#include "LoginTest.h"

#include "Helpers.h"
#include "ModalDriver.h"
#include "SystemInfo.h"
#include "TestEnvironment.h"
#include "frmuserlogin.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
const int ThisYear = QDate::currentDate().year();

QString storedYear() {
    return ReadSetting(QStringLiteral("Quorvane"), QStringLiteral("systemlogin"),
                       QStringLiteral("loginyear"), QStringLiteral("<none>"));
}
} // namespace

void LoginTest::yearSelection_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("first start") << QString() << QString::number(ThisYear);
    QTest::newRow("stored next year")
        << QString::number(ThisYear + 1) << QString::number(ThisYear + 1);
    QTest::newRow("stored year outside the list") << QStringLiteral("2020") << QString();
}

void LoginTest::yearSelection() {
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    TestEnvironment env;
    if (!stored.isEmpty())
        WriteSetting(QStringLiteral("Quorvane"), QStringLiteral("systemlogin"),
                     QStringLiteral("loginyear"), stored);
    {
        Tfrm_userlogin login;
        auto* years = Child<QComboBox>(&login, QStringLiteral("cmbyear"));
        QCOMPARE(years->count(), 3);
        QCOMPARE(years->itemText(0), QString::number(ThisYear - 1));
        QCOMPARE(years->itemText(1), QString::number(ThisYear));
        QCOMPARE(years->itemText(2), QString::number(ThisYear + 1));
        QCOMPARE(years->currentText(), chosen);
        QVERIFY(!years->isEditable());
        QVERIFY(Child<QLineEdit>(&login, QStringLiteral("edtyh"))->isHidden());
        QVERIFY(Child<QLineEdit>(&login, QStringLiteral("edtpassward"))->isHidden());
        QCOMPARE(login.windowTitle(), QStringLiteral("用户登入"));

        const int result = RunModal(login, [&login] {
            QCOMPARE(login.focusWidget(), Child<QPushButton>(&login, QStringLiteral("butok")));
            Child<QPushButton>(&login, QStringLiteral("butok"))->click();
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(login.accepted());
        QCOMPARE(LoginYear, chosen);
    }
    QCOMPARE(storedYear(), chosen);
    QCOMPARE(env.terminationRequests, 0);
}

void LoginTest::cancelStoresYearAndEnds() {
    TestEnvironment env;
    {
        Tfrm_userlogin login;
        RunModal(login, [&login] {
            Child<QComboBox>(&login, QStringLiteral("cmbyear"))->setCurrentIndex(2);
            Child<QPushButton>(&login, QStringLiteral("butquit"))->click();
        });
        QVERIFY(!login.accepted());
        QCOMPARE(env.terminationRequests, 0);
    }
    QCOMPARE(storedYear(), QString::number(ThisYear + 1));
    QCOMPARE(env.terminationRequests, 1);
    QVERIFY(LoginYear.isEmpty());
}

void LoginTest::enterReachesOk() {
    TestEnvironment env;
    Tfrm_userlogin login;
    auto* years = Child<QComboBox>(&login, QStringLiteral("cmbyear"));
    auto* ok = Child<QPushButton>(&login, QStringLiteral("butok"));
    const int result = RunModal(login, [&] {
        years->setFocus();
        QTest::keyClick(years, Qt::Key_Return);
        // The user name and password fields are hidden, so the focus goes on to OK.
        QCOMPARE(login.focusWidget(), ok);
        QVERIFY(login.isVisible());
        QTest::keyClick(ok, Qt::Key_Return);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(LoginYear, QString::number(ThisYear));
}
