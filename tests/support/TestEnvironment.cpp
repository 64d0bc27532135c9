#include "TestEnvironment.h"

#include "SystemInfo.h"
#include "Termination.h"

#include <QDir>
#include <QSettings>

TestEnvironment::TestEnvironment() {
    const QString settingsFolder = folder_.filePath(QStringLiteral("settings"));
    QDir().mkpath(settingsFolder);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder);
    QDir().mkpath(folder_.filePath(QStringLiteral("program")));
    InitSystemInfo(folder_.filePath(QStringLiteral("program")));
    LoginYear.clear();
    CurrentId.clear();
    CurrentWorkIndex.clear();
    CurrentWorkKind.clear();
    WindowMode = WindowModes::Dossier;
    SetPrompter(&prompter);
    SetTerminationHandler([this] { ++terminationRequests; });
}

TestEnvironment::~TestEnvironment() {
    SetTerminationHandler(nullptr);
    SetPrompter(nullptr);
}

QString TestEnvironment::programFolder() const {
    return SystemInfo.AppPath;
}

QString TestEnvironment::sourceDir() {
    return qEnvironmentVariable("LEDGEREV_SOURCE_DIR");
}

QString TestEnvironment::appDir() {
    return qEnvironmentVariable("LEDGEREV_APP_DIR");
}
