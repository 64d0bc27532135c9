// Cost of the round trips every window makes: OpenQuery and ExecSql, each opening and
// closing its own connection, on a local database in a temporary program folder.
//
//   bench_dataaccess [COUNT] [DATABASE]
//
// COUNT round trips of each kind (1000 by default); DATABASE is copied into the temporary
// folder first (a fresh database with the code tables otherwise).

#include "DatabaseError.h"
#include "DatabaseSchema.h"
#include "RecordSetCustom.h"
#include "Statements.h"
#include "SystemInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>

namespace {

QTextStream out(stdout);

// Runs step count times and prints the cost per call; false when a step failed.
bool measure(const QString& what, int count, const std::function<bool(int)>& step) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        if (!step(i)) {
            out << what << ": failed at call " << i + 1 << Qt::endl;
            return false;
        }
    }
    const double microseconds = double(timer.nsecsElapsed()) / 1000.0;
    out << qSetFieldWidth(44) << Qt::left << what << qSetFieldWidth(0) << count << " calls, "
        << QString::number(microseconds / count, 'f', 1) << " us per call" << Qt::endl;
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int count = arguments.size() > 1 ? arguments.at(1).toInt() : 1000;
    QTemporaryDir folder;
    if (count <= 0 || !folder.isValid())
        return 2;
    InitSystemInfo(folder.path());
    try {
        if (arguments.size() > 2) {
            QDir().mkpath(QFileInfo(SystemInfo.DbPath).absolutePath());
            if (!QFile::copy(arguments.at(2), SystemInfo.DbPath))
                throw DatabaseError(QStringLiteral("cannot copy ") + arguments.at(2));
        } else {
            CreateDatabaseFile(SystemInfo.DbPath, DatabaseContent::WithCodeTables);
        }
    } catch (const DatabaseError& error) {
        out << error.message() << Qt::endl;
        return 1;
    }
    out << "database: " << SystemInfo.DbPath << Qt::endl;

    const QString id = QStringLiteral("0123456789ABCDEF0123456789ABCDEF");
    bool ok = true;
    ok &= measure(QStringLiteral("OpenQuery, code table (12 rows)"), count, [](int) {
        TDataPacket packet;
        return OpenQuery(SelectSql(QStringLiteral("f_index,f_areaname as f_name"),
                                   QStringLiteral("t_area"), QStringLiteral(" order by f_index")),
                         packet) &&
               !packet.rows.isEmpty();
    });
    ok &= measure(QStringLiteral("ExecSql, insert"), count, [&](int i) {
        return ExecSql(
            InsertSql(QStringLiteral("t_study"), QStringLiteral("f_id,f_year,f_index,f_nr"),
                      QuotedValue(id) + QStringLiteral(",'2005',") + BareNumber(qint64(i)) +
                          QLatin1Char(',') + QuotedValue(QStringLiteral("培训'%1'").arg(i))));
    });
    ok &= measure(QStringLiteral("ExecSql, update by f_id and f_index"), count, [&](int i) {
        return ExecSql(UpdateSql(QStringLiteral("t_study"),
                                 QStringLiteral("f_dd=") + QuotedValue(QStringLiteral("福州")),
                                 QStringLiteral(" and f_id=") + QuotedValue(id) +
                                     QStringLiteral(" and f_index=") + BareNumber(qint64(i))));
    });
    ok &= measure(QStringLiteral("OpenQuery, one applicant's rows"), count, [&](int) {
        TDataPacket packet;
        return OpenQuery(SelectSql(QStringLiteral("*"), QStringLiteral("t_study"),
                                   QStringLiteral(" and f_id=") + QuotedValue(id) +
                                       QStringLiteral(" order by f_index")),
                         packet);
    });
    return ok ? 0 : 1;
}
