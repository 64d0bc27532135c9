// Cost of the submission export: COUNT complete synthetic dossiers (every applicant table
// filled, rich texts of a few KB) exported into a fresh submission file, compared with the
// sqlite3 command-line tool copying the same rows into a fresh copy of the template with
// ATTACH and INSERT ... SELECT in one transaction.
//
//   bench_export [COUNT...]      (100 and 1000 by default)

#include "DatabaseError.h"
#include "DatabaseSchema.h"
#include "SubmissionExport.h"
#include "SystemInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

using SubmissionExport::CopyLists;

namespace {

QTextStream out(stdout);

QString applicantId(int n) {
    return QStringLiteral("%1").arg(n, 32, 16, QLatin1Char('0')).toUpper();
}

QByteArray richText(int seed) {
    QByteArray text = QStringLiteral("<html><body><p>第%1段：").arg(seed).toUtf8();
    while (text.size() < 3000)
        text += QStringLiteral("会计核算与财务管理的实践经验，").toUtf8();
    text += "</p></body></html>";
    text.append('\0');
    return text;
}

// Fills the local database with count applicants of 2005, one row in every applicant
// table (three in the tables of numbered rows).
void fillDossiers(const QString& path, int count) {
    QString failure;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-fill"));
        db.setDatabaseName(path);
        if (!db.open() || !db.transaction())
            failure = db.lastError().text();
        for (const auto& table : CopyLists()) {
            if (!failure.isEmpty())
                break;
            QSqlQuery info(db);
            info.exec(QStringLiteral("pragma table_info(%1)").arg(table.name));
            QStringList names, types;
            while (info.next()) {
                names.append(info.value(1).toString().toLower());
                types.append(info.value(2).toString().toUpper());
            }
            const QStringList marks(names.size(), QStringLiteral("?"));
            QSqlQuery insert(db);
            insert.prepare(
                QStringLiteral("insert into %1(%2) values(%3)")
                    .arg(table.name, names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
            const int rows = names.contains(QStringLiteral("f_index")) ? 3 : 1;
            for (int n = 0; n < count && failure.isEmpty(); ++n) {
                for (int row = 1; row <= rows; ++row) {
                    for (qsizetype c = 0; c < names.size(); ++c) {
                        const QString& name = names.at(c);
                        QVariant value;
                        if (name == QStringLiteral("f_id"))
                            value = applicantId(n);
                        else if (name == QStringLiteral("f_year"))
                            value = QStringLiteral("2005");
                        else if (name == QStringLiteral("f_index"))
                            value = row;
                        else if (name == QStringLiteral("f_ksyxendtime"))
                            value = QStringLiteral("200912");
                        else if (types.at(c) == QStringLiteral("BLOB"))
                            value = richText(n + row);
                        else if (types.at(c) == QStringLiteral("REAL"))
                            value = n * 1.5 + row;
                        else if (types.at(c) == QStringLiteral("INTEGER"))
                            value = n + row;
                        else
                            value = QStringLiteral("%1 第%2号 '值'").arg(name).arg(n);
                        insert.bindValue(int(c), value);
                    }
                    if (!insert.exec())
                        failure = insert.lastError().text();
                }
            }
        }
        if (failure.isEmpty() && !db.commit())
            failure = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-fill"));
    if (!failure.isEmpty())
        throw DatabaseError(failure);
}

// The script that makes the command-line tool copy the same rows the export copies.
QString copyScript(const QString& local, const QString& condition) {
    QString script = QStringLiteral("attach '%1' as src;\nbegin;\n").arg(local);
    for (const auto& table : CopyLists()) {
        QStringList names;
        for (const auto& column : table.columns)
            names.append(column.name);
        const QString columns = names.join(QLatin1Char(','));
        script += QStringLiteral("insert into main.%1(%2) select %2 from src.%1 where 1=1 %3;\n")
                      .arg(table.name, columns, condition);
    }
    script += QStringLiteral("insert into t_set(f_bj,f_value) values('version','0');\ncommit;\n");
    return script;
}

qint64 rowsIn(const QString& path) {
    qint64 total = 0;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-count"));
        db.setDatabaseName(path);
        if (db.open()) {
            for (const auto& table : CopyLists()) {
                QSqlQuery query(db);
                if (query.exec(QStringLiteral("select count(*) from ") + table.name) &&
                    query.next())
                    total += query.value(0).toLongLong();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench-count"));
    return total;
}

bool runOnce(int count) {
    QTemporaryDir folder;
    if (!folder.isValid())
        return false;
    InitSystemInfo(folder.filePath(QStringLiteral("program")));
    const QString templateFile = SystemInfo.AppPath + QStringLiteral("ModeData/modedb.mdb");
    try {
        CreateDatabaseFile(SystemInfo.DbPath, DatabaseContent::WithCodeTables);
        CreateDatabaseFile(templateFile, DatabaseContent::TablesOnly);
        fillDossiers(SystemInfo.DbPath, count);
    } catch (const DatabaseError& error) {
        out << error.message() << Qt::endl;
        return false;
    }
    QDir().mkpath(folder.filePath(QStringLiteral("out")));
    QStringList ids;
    for (int n = 0; n < count; ++n)
        ids.append(applicantId(n));

    QElapsedTimer timer;
    timer.start();
    const bool exported = SubmissionExport::ExportSubmission(
        ids, QStringLiteral("申请人(1)"), folder.filePath(QStringLiteral("out")));
    const qint64 exportNs = timer.nsecsElapsed();
    const QString exportedFile =
        folder.filePath(QStringLiteral("out/数据上报/申请人等%1人.mdb")).arg(count);
    if (!exported) {
        out << "export failed" << Qt::endl;
        return false;
    }

    const QString toolFile = folder.filePath(QStringLiteral("tool.mdb"));
    QProcess tool;
    timer.restart();
    if (!QFile::copy(templateFile, toolFile))
        return false;
    tool.start(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), toolFile});
    tool.write(copyScript(SystemInfo.DbPath, SubmissionExport::SelectionCondition(ids)).toUtf8());
    tool.closeWriteChannel();
    const bool toolDone = tool.waitForFinished(600000) &&
                          tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    const qint64 toolNs = timer.nsecsElapsed();
    if (!toolDone) {
        out << "sqlite3 failed: " << tool.readAllStandardError() << Qt::endl;
        return false;
    }

    const qint64 exportedRows = rowsIn(exportedFile);
    const qint64 toolRows = rowsIn(toolFile);
    const double exportMs = double(exportNs) / 1e6;
    const double toolMs = double(toolNs) / 1e6;
    out << qSetFieldWidth(6) << Qt::right << count << qSetFieldWidth(0) << " dossiers, "
        << exportedRows << " rows, " << QFileInfo(exportedFile).size() / 1024 << " KiB: export "
        << QString::number(exportMs, 'f', 1) << " ms, sqlite3 " << QString::number(toolMs, 'f', 1)
        << " ms (" << toolRows << " rows), ratio " << QString::number(exportMs / toolMs, 'f', 2)
        << Qt::endl;
    return exportedRows == toolRows;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QList<int> counts;
    for (const QString& argument : app.arguments().mid(1))
        counts.append(argument.toInt());
    if (counts.isEmpty())
        counts = {100, 1000};
    bool ok = true;
    for (const int count : std::as_const(counts))
        ok = count > 0 && runOnce(count) && ok;
    return ok ? 0 : 1;
}
