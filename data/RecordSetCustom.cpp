#include "RecordSetCustom.h"

#include "Prompter.h"
#include "SystemInfo.h"

void TCustomRecordSet::Close() {
    clear();
}

TDataPacket TCustomRecordSet::GetData() const {
    TDataPacket packet;
    packet.fieldNames = fieldNames_;
    packet.rows.reserve(rows_.size());
    for (const Row& row : rows_)
        packet.rows.append(row.values);
    return packet;
}

void TCustomRecordSet::SetData(const TDataPacket& packet) {
    QList<Row> rows;
    rows.reserve(packet.rows.size());
    for (const QList<QVariant>& values : packet.rows) {
        Row row;
        row.values = values;
        row.values.resize(packet.fieldNames.size());
        rows.append(std::move(row));
    }
    load(packet.fieldNames, std::move(rows));
}

void TCustomRecordSetQuery::OpenSql(TDbConnect& connection, const QString& statement) {
    try {
        Close();
        SetData(connection.Query(statement));
        lastSql_ = statement;
    } catch (const DatabaseError&) {
        Close();
        lastSql_.clear();
        throw;
    }
}

void OpenLocalDatabase(TDbConnect& connection) {
    connection.SetConnectionString(BuildConnectionString(SystemInfo.DbKind, SystemInfo.DbPath));
    connection.Open();
}

bool OpenQuery(const QString& statement, TDataPacket& packet) {
    const QString text = statement.trimmed();
    if (text.isEmpty())
        return false;
    try {
        TDbConnect connection;
        OpenLocalDatabase(connection);
        TCustomRecordSetQuery query;
        query.OpenSql(connection, text);
        packet = query.GetData();
        return true;
    } catch (const DatabaseError& error) {
        AskBox(error.message(), ApplicationTitle, BoxFlags::Ok);
        return false;
    }
}

bool ExecSqlList(const QStringList& statements) {
    if (statements.isEmpty())
        return false;
    for (const QString& statement : statements) {
        if (statement.trimmed().isEmpty())
            return false;
    }
    TDbConnect connection;
    try {
        OpenLocalDatabase(connection);
        connection.BeginUnlessInContext();
        for (const QString& statement : statements)
            connection.Execute(statement.trimmed());
        connection.CommitUnlessInContext();
        return true;
    } catch (const DatabaseError&) {
        connection.RollbackUnlessInContext();
        return false;
    }
}

bool ExecSql(const QString& statement) {
    return ExecSqlList({statement});
}
