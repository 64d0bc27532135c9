#pragma once

#include "RecordingDocument.h"
#include "ScriptedPrompter.h"

#include <QTemporaryDir>

// Everything a test needs around the code under test: a temporary program folder that
// SystemInfo points at, settings kept in a temporary folder, and the scripted prompter
// and the recording document viewer installed for the lifetime of the environment.
class TestEnvironment {
public:
    TestEnvironment();
    ~TestEnvironment();
    TestEnvironment(const TestEnvironment&) = delete;
    TestEnvironment& operator=(const TestEnvironment&) = delete;

    // The program folder, ending in '/'.
    QString programFolder() const;
    // Source tree and assembled program folder of the build under test.
    static QString sourceDir();
    static QString appDir();

    ScriptedPrompter prompter;
    // Records the documents that would be opened for the user, instead of opening them.
    RecordingViewer viewer;
    // How often the code under test asked the application to end.
    int terminationRequests = 0;

private:
    QTemporaryDir folder_;
};
