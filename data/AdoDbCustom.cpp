#include "AdoDbCustom.h"

#include "Statements.h"

#include <QAtomicInteger>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <algorithm>

namespace {

const QString JetProvider = QStringLiteral("Microsoft.Jet.OLEDB.4.0");
const QString DatabasePassword = QStringLiteral("qzmvt");
// Column the record data selects first, holding the engine's row identity.
const QString RowKeyColumn = QStringLiteral("ledgerev_row_key");

QAtomicInteger<quint64> connectionCounter;
std::chrono::milliseconds commandTimeout{30000};

QString errorText(const QSqlError& error) {
    const QString text = error.databaseText().trimmed();
    return text.isEmpty() ? error.text().trimmed() : text;
}

// The "name=value" pairs of a connection text; names compared without regard to case. A
// part without a known name continues the previous value, so a path holding ';' survives.
QList<std::pair<QString, QString>> parseConnectionString(const QString& text) {
    static const QStringList knownNames = {QStringLiteral("Provider"),
                                           QStringLiteral("Data Source"),
                                           QStringLiteral("Jet OLEDB:Database Password"),
                                           QStringLiteral("Mode"),
                                           QStringLiteral("Server"),
                                           QStringLiteral("UID"),
                                           QStringLiteral("pwd"),
                                           QStringLiteral("Password"),
                                           QStringLiteral("Database"),
                                           QStringLiteral("Integrated Security"),
                                           QStringLiteral("Persist Security Info"),
                                           QStringLiteral("User ID"),
                                           QStringLiteral("Initial Catalog")};
    QList<std::pair<QString, QString>> pairs;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? QString() : part.left(equals).trimmed();
        const bool known = std::any_of(knownNames.begin(), knownNames.end(), [&](const QString& k) {
            return k.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (known)
            pairs.append({name, part.mid(equals + 1)});
        else if (!pairs.isEmpty())
            pairs.last().second += QLatin1Char(';') + part;
    }
    return pairs;
}

QString valueOf(const QList<std::pair<QString, QString>>& pairs, const QString& name) {
    for (const auto& [key, value] : pairs) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return QString();
}

TDataPacket readResult(QSqlQuery& query) {
    TDataPacket packet;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        packet.fieldNames.append(record.fieldName(i));
    while (query.next()) {
        QList<QVariant> row;
        row.reserve(record.count());
        for (int i = 0; i < record.count(); ++i)
            row.append(query.value(i));
        packet.rows.append(std::move(row));
    }
    if (query.lastError().isValid())
        throw DatabaseError(errorText(query.lastError()));
    return packet;
}

} // namespace

QString BuildConnectionString(TDbKind kind, const QString& name) {
    switch (kind) {
    case TDbKind::Access:
        return QStringLiteral("Provider=%1;Data Source=%2;Jet OLEDB:Database Password=%3")
            .arg(JetProvider, name, DatabasePassword);
    case TDbKind::SqlServer:
        if (SystemInfo.AuthMode == 1)
            return QStringLiteral("Provider=%1;Server=%2;UID=%3;pwd=%4;Database=%5")
                .arg(QStringLiteral("SQLOLEDB.1"), SystemInfo.Server, SystemInfo.DbUser,
                     SystemInfo.DbPassword, name);
        return QStringLiteral("Provider=%1;Integrated Security=SSPI;Persist Security Info=False;"
                              "User ID=%2;Initial Catalog=%3;Data Source=%4")
            .arg(QStringLiteral("SQLOLEDB.1"), SystemInfo.DbUser, name, SystemInfo.Server);
    case TDbKind::Oracle:
        return QStringLiteral("Provider=%1;Server=%2;UID=%3;pwd=%4;Database=%5")
            .arg(QStringLiteral("MSDAORA"), QString(), QString(), QString(), name);
    }
    return QString();
}

TDbConnect::TDbConnect()
    : name_(QStringLiteral("ledgerev-connection-%1").arg(connectionCounter.fetchAndAddRelaxed(1))) {
}

TDbConnect::~TDbConnect() {
    CloseConnection();
    if (QSqlDatabase::contains(name_))
        QSqlDatabase::removeDatabase(name_);
}

std::chrono::milliseconds TDbConnect::CommandTimeout() {
    return commandTimeout;
}

void TDbConnect::SetCommandTimeout(std::chrono::milliseconds timeout) {
    commandTimeout = timeout;
}

QSqlDatabase TDbConnect::Database() const {
    return QSqlDatabase::database(name_, false);
}

bool TDbConnect::Connected() const {
    return QSqlDatabase::contains(name_) && Database().isOpen();
}

void TDbConnect::Open() {
    if (Connected())
        return;
    const auto pairs = parseConnectionString(connectionString_);
    const QString provider = valueOf(pairs, QStringLiteral("Provider")).trimmed();
    if (provider.compare(JetProvider, Qt::CaseInsensitive) != 0)
        throw DatabaseError(QStringLiteral("不支持的数据库连接“%1”。").arg(connectionString_));
    const QString path = valueOf(pairs, QStringLiteral("Data Source")).trimmed();
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        throw DatabaseError(QStringLiteral("找不到数据库文件“%1”。").arg(path));

    {
        QSqlDatabase db = QSqlDatabase::contains(name_)
                              ? Database()
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        if (!db.isValid())
            throw DatabaseError(QStringLiteral("数据库驱动不可用。"));
        // The URI's mode never includes "create": a file that vanished meanwhile stays
        // missing instead of being replaced by an empty database.
        QUrl uri = QUrl::fromLocalFile(file.absoluteFilePath());
        uri.setQuery(readOnly_ ? QStringLiteral("mode=ro") : QStringLiteral("mode=rw"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        QString options =
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(commandTimeout.count());
        if (readOnly_)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        db.setConnectOptions(options);
        if (!db.open())
            throw DatabaseError(
                QStringLiteral("无法打开数据库文件“%1”：%2").arg(path, errorText(db.lastError())));
    }

    // The engine reads the file lazily: make it read the header and the schema now, so a
    // file that is no database is recognised before anything is read or written.
    QString failure;
    {
        QSqlQuery check(Database());
        if (!check.exec(QStringLiteral("select count(*) from sqlite_master")))
            failure = errorText(check.lastError());
        else if (readOnly_) {
            if (!check.exec(QStringLiteral("pragma quick_check")) || !check.next() ||
                check.value(0).toString() != QStringLiteral("ok"))
                failure = check.lastError().isValid() ? errorText(check.lastError())
                                                      : check.value(0).toString();
        }
    }
    if (!failure.isEmpty()) {
        Database().close();
        throw DatabaseError(
            QStringLiteral("文件“%1”不是有效的数据库或已损坏：%2").arg(path, failure));
    }
}

void TDbConnect::CloseConnection() {
    if (!QSqlDatabase::contains(name_))
        return;
    RollbackUnlessInContext();
    Database().close();
}

void TDbConnect::Execute(const QString& statement) {
    if (!Connected())
        throw DatabaseError(QStringLiteral("数据库连接未打开。"));
    const QString translated = TranslateStatement(statement);
    QSqlQuery query(Database());
    if (!query.exec(translated))
        throw DatabaseError(errorText(query.lastError()));
}

TDataPacket TDbConnect::Query(const QString& statement) {
    if (!Connected())
        throw DatabaseError(QStringLiteral("数据库连接未打开。"));
    const QString translated = TranslateStatement(statement);
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    if (!query.exec(translated))
        throw DatabaseError(errorText(query.lastError()));
    return readResult(query);
}

int TDbConnect::BeginUnlessInContext() {
    if (!Connected())
        throw DatabaseError(QStringLiteral("数据库连接未打开。"));
    QSqlDatabase db = Database();
    if (!db.transaction())
        throw DatabaseError(errorText(db.lastError()));
    inTransaction_ = true;
    return 1;
}

void TDbConnect::CommitUnlessInContext() {
    QSqlDatabase db = Database();
    if (!inTransaction_ || !db.commit())
        throw DatabaseError(inTransaction_ ? errorText(db.lastError())
                                           : QStringLiteral("没有可提交的事务。"));
    inTransaction_ = false;
}

void TDbConnect::RollbackUnlessInContext() {
    if (!inTransaction_)
        return;
    inTransaction_ = false;
    // The engine may have ended the transaction itself after a failure; there is nothing
    // left to undo then.
    Database().rollback();
}

void TAdoRecordData::OpenCommand(TDbConnect& connection, const QString& commandText) {
    Close();
    static const QRegularExpression selectStart(QStringLiteral("^\\s*select\\s"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression fromTable(QStringLiteral("\\sfrom\\s+([A-Za-z_][A-Za-z0-9_]*)"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch start = selectStart.match(commandText);
    const QRegularExpressionMatch table = fromTable.match(commandText);
    if (!start.hasMatch() || !table.hasMatch())
        throw DatabaseError(QStringLiteral("只能在一个表的查询上编辑记录：%1").arg(commandText));

    QString keyed = commandText;
    keyed.replace(start.capturedStart(), start.capturedLength(),
                  QStringLiteral("select rowid as %1, ").arg(RowKeyColumn));
    TDataPacket packet = connection.Query(keyed);

    QList<Row> rows;
    rows.reserve(packet.rows.size());
    for (QList<QVariant>& values : packet.rows) {
        Row row;
        row.key = values.takeFirst().toLongLong();
        row.values = std::move(values);
        rows.append(std::move(row));
    }
    packet.fieldNames.removeFirst();
    load(packet.fieldNames, std::move(rows));
    connection_ = &connection;
    table_ = table.captured(1);
}

void TAdoRecordData::rowDeleted(const Row& row) {
    deletedKeys_.append(row.key);
}

void TAdoRecordData::Close() {
    clear();
    connection_ = nullptr;
    table_.clear();
    deletedKeys_.clear();
}

void TAdoRecordData::ApplyBatch() {
    if (!Active() || !connection_ || !connection_->Connected())
        throw DatabaseError(QStringLiteral("数据集未打开。"));
    Post();
    QSqlDatabase db = connection_->Database();
    const QString table = db.driver()->escapeIdentifier(table_, QSqlDriver::TableName);
    auto column = [&](qsizetype i) {
        return db.driver()->escapeIdentifier(fieldNames_.at(i), QSqlDriver::FieldName);
    };
    auto run = [](QSqlQuery& query) {
        if (!query.exec())
            throw DatabaseError(errorText(query.lastError()));
    };

    const bool ownTransaction = !connection_->InTransaction();
    if (ownTransaction)
        connection_->BeginUnlessInContext();
    QList<std::pair<qsizetype, qint64>> newKeys;
    try {
        for (const qint64 key : std::as_const(deletedKeys_)) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("delete from %1 where rowid=?").arg(table));
            query.addBindValue(key);
            run(query);
        }
        for (qsizetype r = 0; r < rows_.size(); ++r) {
            const Row& row = rows_.at(r);
            if (row.state == RowState::Stored)
                continue;
            QStringList names;
            QList<QVariant> values;
            for (qsizetype c = 0; c < fieldNames_.size(); ++c) {
                if (row.assigned.at(c)) {
                    names.append(column(c));
                    values.append(row.values.at(c));
                }
            }
            QSqlQuery query(db);
            if (row.state == RowState::Appended) {
                if (names.isEmpty()) {
                    query.prepare(QStringLiteral("insert into %1 default values").arg(table));
                } else {
                    const QStringList marks(names.size(), QStringLiteral("?"));
                    query.prepare(QStringLiteral("insert into %1(%2) values(%3)")
                                      .arg(table, names.join(QLatin1Char(',')),
                                           marks.join(QLatin1Char(','))));
                }
            } else {
                if (names.isEmpty())
                    continue;
                for (QString& name : names)
                    name += QStringLiteral("=?");
                query.prepare(QStringLiteral("update %1 set %2 where rowid=?")
                                  .arg(table, names.join(QLatin1Char(','))));
                values.append(row.key);
            }
            for (const QVariant& value : std::as_const(values))
                query.addBindValue(value);
            run(query);
            if (row.state == RowState::Appended)
                newKeys.append({r, query.lastInsertId().toLongLong()});
        }
        if (ownTransaction)
            connection_->CommitUnlessInContext();
    } catch (const DatabaseError&) {
        if (ownTransaction)
            connection_->RollbackUnlessInContext();
        throw;
    }

    for (const auto& [r, key] : newKeys)
        rows_[r].key = key;
    for (Row& row : rows_) {
        row.state = RowState::Stored;
        row.assigned.fill(false);
    }
    deletedKeys_.clear();
}
