#include "DatabaseSchema.h"

#include "DatabaseError.h"
#include "Statements.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

QString resourceText(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("缺少数据库脚本“%1”。").arg(name));
    return QString::fromUtf8(file.readAll());
}

void runScript(QSqlDatabase& db, const QString& script) {
    for (const QString& statement : SplitStatements(script)) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            throw DatabaseError(query.lastError().text() + QLatin1Char('\n') + statement);
    }
}

// Fills the new file at path through a connection of its own; the connection is gone
// when this returns.
void fillDatabase(const QString& path, DatabaseContent content) {
    static QAtomicInteger<quint64> counter;
    const QString name = QStringLiteral("ledgerev-create-%1").arg(counter.fetchAndAddRelaxed(1));
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            try {
                if (!db.transaction())
                    throw DatabaseError(db.lastError().text());
                runScript(db, SchemaScript());
                if (content == DatabaseContent::WithCodeTables)
                    runScript(db, CodeTablesScript());
                if (!db.commit())
                    throw DatabaseError(db.lastError().text());
            } catch (const DatabaseError& error) {
                db.rollback();
                failure = error.message();
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty())
        throw DatabaseError(failure);
}

} // namespace

QString SchemaScript() {
    return resourceText(QStringLiteral(":/ledgerev/data/schema.sql"));
}

QString CodeTablesScript() {
    return resourceText(QStringLiteral(":/ledgerev/data/codetables.sql"));
}

void CreateDatabaseFile(const QString& path, DatabaseContent content) {
    const QFileInfo target(path);
    if (target.exists())
        throw DatabaseError(QStringLiteral("数据库文件“%1”已存在。").arg(path));
    if (!QDir().mkpath(target.absolutePath()))
        throw DatabaseError(QStringLiteral("无法建立文件夹“%1”。").arg(target.absolutePath()));
    const QString temporary = target.absoluteFilePath() + QStringLiteral(".") +
                              QUuid::createUuid().toString(QUuid::Id128) + QStringLiteral(".part");
    try {
        fillDatabase(temporary, content);
    } catch (const DatabaseError&) {
        QFile::remove(temporary);
        throw;
    }
    // QFile::rename never replaces an existing file, so a file that appeared meanwhile
    // is kept.
    if (!QFile::rename(temporary, target.absoluteFilePath())) {
        QFile::remove(temporary);
        throw DatabaseError(QStringLiteral("无法建立数据库文件“%1”。").arg(path));
    }
}
