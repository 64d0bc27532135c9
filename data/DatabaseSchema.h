#pragma once

#include <QString>

// The tables of the local database and of the submission template, kept as SQL scripts
// compiled into the program.

enum class DatabaseContent {
    TablesOnly,     // the submission template: tables, no rows
    WithCodeTables, // a fresh local database: tables and the code tables' rows
};

// The script that creates every table.
QString SchemaScript();
// The script that fills the code tables of a fresh installation.
QString CodeTablesScript();

// Creates a database file that does not exist yet. The file is built under a temporary
// name in the same folder and put in place only when complete, so a failure leaves
// nothing under the final name; an existing file is never touched. Raises DatabaseError.
void CreateDatabaseFile(const QString& path, DatabaseContent content);
