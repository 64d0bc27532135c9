#pragma once

#include <QObject>

class MainWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startUpState();
    void dashboardLayout_data();
    void dashboardLayout();
    void commands_data();
    void commands();
    void exitCommandEndsTheProgram();
    void loginOnFirstActivationShowsYear();
};
