#pragma once

#include "DatabaseSchema.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

// A fresh database for a test, and direct access to it that bypasses the data layer, so a
// test can arrange rows and check what the code under test stored.

// Creates a new database at SystemInfo.DbPath (its folder included) from the schema; with
// WithCodeTables the code tables hold the rows of a fresh installation. Returns false, and
// logs the reason as a warning, when it cannot.
bool CreateTestDatabase(DatabaseContent content = DatabaseContent::TablesOnly);

// A connection of its own to a database file (by default SystemInfo.DbPath), opened
// without the data layer and removed when the object goes. Statements that fail report
// their error through qWarning and give false or an empty result.
class DirectDatabase {
public:
    explicit DirectDatabase(const QString& path = QString());
    ~DirectDatabase();
    DirectDatabase(const DirectDatabase&) = delete;
    DirectDatabase& operator=(const DirectDatabase&) = delete;

    bool isOpen() const;
    bool exec(const QString& statement, const QVariantList& values = {});
    QList<QVariantList> rows(const QString& statement, const QVariantList& values = {});
    // The first column of the first row; invalid when there is none.
    QVariant value(const QString& statement, const QVariantList& values = {});
    // Number of rows of a table.
    int count(const QString& table);

private:
    QString name_;
};
