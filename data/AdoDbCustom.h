#pragma once

#include "DatabaseError.h"
#include "MemoryDataSet.h"
#include "SystemInfo.h"

#include <QSqlDatabase>
#include <QString>
#include <chrono>

// The connection text for a database kind and a database path or name, exactly in the
// forms the program has always written; the empty text for a kind no form exists for.
QString BuildConnectionString(TDbKind kind, const QString& name);

// One short-lived connection to a database. Every database operation creates one, opens
// it, works and lets it go; each instance has a connection name of its own that is
// removed when it is destroyed.
//
// The connection text is parsed as "name=value" pairs; provider "Microsoft.Jet.OLEDB.4.0"
// opens the "Data Source" file with the SQLite engine. Opening a file that does not exist
// fails (nothing ever creates an empty database by accident), and so does opening a file
// that is not a database or is damaged. A statement waiting on a database another program
// holds locked gives up after the command time-out.
class TDbConnect {
public:
    TDbConnect();
    ~TDbConnect();
    TDbConnect(const TDbConnect&) = delete;
    TDbConnect& operator=(const TDbConnect&) = delete;

    void SetConnectionString(const QString& text) { connectionString_ = text; }
    QString ConnectionString() const { return connectionString_; }
    // A connection opened read-only refuses every change (for files that are only read).
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool ReadOnly() const { return readOnly_; }

    // Raises DatabaseError when the database cannot be opened.
    void Open();
    bool Connected() const;
    // Rolls back a transaction left open, then closes.
    void CloseConnection();

    // Executes one statement (after TranslateStatement); raises DatabaseError on failure.
    void Execute(const QString& statement);
    // Runs a select (after TranslateStatement) and returns its complete result; raises
    // DatabaseError on failure.
    TDataPacket Query(const QString& statement);

    // There is no surrounding transaction context in this program: the three always act.
    // BeginUnlessInContext returns the nesting level, 1.
    int BeginUnlessInContext();
    void CommitUnlessInContext();
    void RollbackUnlessInContext();
    bool InTransaction() const { return inTransaction_; }

    // The open database, for the layer's own statements.
    QSqlDatabase Database() const;

    // How long a statement waits on a locked database before it fails; 30 s unless changed.
    // Applies to connections opened afterwards.
    static std::chrono::milliseconds CommandTimeout();
    static void SetCommandTimeout(std::chrono::milliseconds timeout);

private:
    QString name_;
    QString connectionString_;
    bool readOnly_ = false;
    bool inTransaction_ = false;
};

// A data set bound to one table for writing rows back: OpenCommand runs a select on that
// table, rows are changed in memory (Edit / Append, field assignment, Post, Delete) and
// ApplyBatch writes every changed, appended and deleted row with bound parameters (binary
// values as BLOBs) in one transaction. Rows are identified by the engine's row identity,
// so the select may name any columns of the one table it reads.
class TAdoRecordData : public TMemoryDataSet {
public:
    TAdoRecordData() = default;

    // Closes the data set if open, binds it to the connection and opens the select.
    // Raises DatabaseError.
    void OpenCommand(TDbConnect& connection, const QString& commandText);
    // Writes all pending changes of all rows; inside the connection's transaction when one
    // is open, otherwise in one of its own. Raises DatabaseError (nothing is written then).
    void ApplyBatch();
    void Close();

    // The table the data set writes to.
    QString TableName() const { return table_; }

private:
    void rowDeleted(const Row& row) override;

    TDbConnect* connection_ = nullptr;
    QString table_;
    QList<qint64> deletedKeys_;
};
