#include "TestDatabase.h"

#include "DatabaseError.h"
#include "SystemInfo.h"

#include <QDebug>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

bool CreateTestDatabase(DatabaseContent content) {
    try {
        CreateDatabaseFile(SystemInfo.DbPath, content);
        return true;
    } catch (const DatabaseError& error) {
        qWarning().noquote() << "cannot create the test database:" << error.message();
        return false;
    }
}

DirectDatabase::DirectDatabase(const QString& path) {
    static int counter = 0;
    name_ = QStringLiteral("direct-test-connection-%1").arg(++counter);
    const QString file = path.isEmpty() ? SystemInfo.DbPath : path;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    if (!QFileInfo(file).isFile()) {
        qWarning().noquote() << "no database file" << file;
        return;
    }
    db.setDatabaseName(file);
    if (!db.open())
        qWarning().noquote() << "cannot open" << file << db.lastError().text();
}

DirectDatabase::~DirectDatabase() {
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

bool DirectDatabase::isOpen() const {
    return QSqlDatabase::database(name_, false).isOpen();
}

bool DirectDatabase::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery query(QSqlDatabase::database(name_, false));
    if (!query.prepare(statement)) {
        qWarning().noquote() << statement << query.lastError().text();
        return false;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning().noquote() << statement << query.lastError().text();
        return false;
    }
    return true;
}

QList<QVariantList> DirectDatabase::rows(const QString& statement, const QVariantList& values) {
    QList<QVariantList> result;
    QSqlQuery query(QSqlDatabase::database(name_, false));
    query.setForwardOnly(true);
    if (!query.prepare(statement)) {
        qWarning().noquote() << statement << query.lastError().text();
        return result;
    }
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec()) {
        qWarning().noquote() << statement << query.lastError().text();
        return result;
    }
    const int columns = query.record().count();
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < columns; ++i)
            row.append(query.value(i));
        result.append(row);
    }
    return result;
}

QVariant DirectDatabase::value(const QString& statement, const QVariantList& values) {
    const QList<QVariantList> result = rows(statement, values);
    return result.isEmpty() || result.first().isEmpty() ? QVariant() : result.first().first();
}

int DirectDatabase::count(const QString& table) {
    return value(QStringLiteral("select count(*) from ") + table).toInt();
}
