#pragma once

#include <QObject>

class LoginTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void yearSelection_data();
    void yearSelection();
    void cancelStoresYearAndEnds();
    void enterReachesOk();
};
