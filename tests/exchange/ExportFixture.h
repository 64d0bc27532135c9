#pragma once

#include "TestEnvironment.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

// A program folder with a fresh local database and the empty submission template beside
// the program, a separate folder to export into, and complete dossiers on request: every
// column of every applicant table filled with a value of its own (texts with quotes and
// Chinese characters, rich texts with zero bytes, amounts, counts).
class ExportFixture {
public:
    ExportFixture();

    // The template as the build lays it out: "ModeData/modedb.mdb".
    QString templatePath() const;
    // The folder the user chooses; the file goes into its "数据上报".
    QString chosenFolder() const { return chosen_.path(); }
    QString submissionFolder() const { return chosenFolder() + QStringLiteral("/数据上报"); }

    // Adds a row for the year to every applicant table (two to the tables holding
    // numbered rows). validityEnd goes into f_ksyxendtime; a null QVariant leaves it null.
    void addDossier(const QString& id, const QString& year, const QString& name,
                    const QVariant& validityEnd = QStringLiteral("200912"));

    // Files left in the submission folder, sorted.
    QStringList submissionFiles() const;

    TestEnvironment env;

private:
    QTemporaryDir chosen_;
};

// The value the fixture puts into a column of the given declared type.
QVariant SampleValue(const QString& table, const QString& column, const QString& type,
                     const QString& id, const QString& year, int row);
