#include "HelpersTest.h"
#include "LabelButtonTest.h"
#include "LoginTest.h"
#include "MainWindowTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int failures = 0;
    HelpersTest helpers;
    failures += QTest::qExec(&helpers, argc, argv);
    LoginTest login;
    failures += QTest::qExec(&login, argc, argv);
    MainWindowTest mainWindow;
    failures += QTest::qExec(&mainWindow, argc, argv);
    LabelButtonTest labelButton;
    failures += QTest::qExec(&labelButton, argc, argv);
    return failures ? 1 : 0;
}
