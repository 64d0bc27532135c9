#pragma once

#include "AdoDbCustom.h"
#include "MemoryDataSet.h"

#include <QStringList>

// How windows read and write the database.
//
// Reading: compose a select with SelectSql, call OpenQuery, load the packet into a
// TCustomRecordSet with SetData and walk it with First/Next/Eof and FieldByName.
// Writing: compose statements with InsertSql, UpdateSql and DeleteSql and run each with
// ExecSql. Values go into statements only through QuotedValue and BareNumber.

// Rows of a data packet held in memory: navigation, field access and local editing.
// Nothing done to it is written to the database.
class TCustomRecordSet : public TMemoryDataSet {
public:
    TCustomRecordSet() = default;

    void Close();
    // The complete contents, local changes included.
    TDataPacket GetData() const;
    // Replaces the contents by the packet; the rows can then be edited locally.
    void SetData(const TDataPacket& packet);
};

// A record set filled by a select on a connection.
class TCustomRecordSetQuery : public TCustomRecordSet {
public:
    // Loads the complete result of the select. On failure the record set is closed,
    // LastSql cleared and the DatabaseError passed on.
    void OpenSql(TDbConnect& connection, const QString& statement);
    // The statement of the last successful OpenSql.
    QString LastSql() const { return lastSql_; }

private:
    QString lastSql_;
};

// Runs a select on a connection of its own and hands out its complete result. A blank
// statement gives false without touching the database; any failure shows the error's own
// text in one message box (caption ApplicationTitle, OK button) and gives false.
bool OpenQuery(const QString& statement, TDataPacket& packet);

// Runs one statement in a transaction on a connection of its own; true when it ran and
// was committed. A blank statement gives false; a failure is rolled back, shown to nobody,
// and gives false.
bool ExecSql(const QString& statement);

// Runs the statements in order in one transaction on one connection: either all take
// effect or none does. An empty list or a blank statement gives false.
bool ExecSqlList(const QStringList& statements);

// A connection to the local database of SystemInfo, open. Raises DatabaseError.
void OpenLocalDatabase(TDbConnect& connection);
