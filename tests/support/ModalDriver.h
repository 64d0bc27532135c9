#pragma once

#include <QDialog>
#include <QObject>
#include <QTest>
#include <functional>

// Runs steps against a modal dialog while its exec() blocks: the steps start from a
// zero-time timer inside the dialog's own event loop. Returns the dialog's result.
int RunModal(QDialog& dialog, const std::function<void()>& steps);

// Schedules steps to run as soon as the next modal dialog is up (for dialogs that the
// code under test creates and executes itself). The steps receive that dialog.
void WhenModalShown(const std::function<void(QDialog*)>& steps);

// Finds a named child and fails the running test when it is missing.
template <class T> T* Child(const QObject* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (!child)
        qFatal("no child %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return child;
}
