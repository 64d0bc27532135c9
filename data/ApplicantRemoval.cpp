#include "ApplicantRemoval.h"

#include "RecordSetCustom.h"
#include "Statements.h"

const QStringList ApplicantRemovalTables = {
    QStringLiteral("t_grzl"),      QStringLiteral("t_cointrod"),  QStringLiteral("t_edu"),
    QStringLiteral("t_bursar"),    QStringLiteral("t_award"),     QStringLiteral("t_art"),
    QStringLiteral("t_checkyear"), QStringLiteral("t_grzlother"), QStringLiteral("t_ksdb"),
    QStringLiteral("t_lwjl"),      QStringLiteral("t_rzqyj"),     QStringLiteral("t_rzhyja"),
    QStringLiteral("t_rzhyjb"),    QStringLiteral("t_study")};

int NextIndex(const QString& table) {
    TDbConnect connection;
    OpenLocalDatabase(connection);
    TCustomRecordSetQuery query;
    query.OpenSql(connection, QStringLiteral("select max(f_index) as f_maxindex from ") + table);
    const TField highest = query.FieldByName(QStringLiteral("f_maxindex"));
    return highest.IsNull() ? 1 : int(highest.AsInteger()) + 1;
}

bool ExecSqlWithIndex(const QString& statement, int substitute, const QString& table,
                      int& rowNumber) {
    QString text = statement.trimmed();
    if (text.isEmpty())
        return false;
    TDbConnect connection;
    try {
        const int number = std::max(NextIndex(table), 6);
        if (substitute == 1 && !SubstitutePlaceholder(text, QString::number(number)))
            return false;
        OpenLocalDatabase(connection);
        connection.BeginUnlessInContext();
        connection.Execute(text);
        connection.CommitUnlessInContext();
        rowNumber = number;
        return true;
    } catch (const DatabaseError&) {
        connection.RollbackUnlessInContext();
        return false;
    }
}

void DeleteApplicant(TDbConnect& connection, const QString& applicantId) {
    for (const QString& table : ApplicantRemovalTables)
        connection.Execute(QStringLiteral("delete * from ") + table +
                           QStringLiteral(" where f_id=") + QuotedValue(applicantId));
}

bool RemoveApplicant(const QString& applicantId) {
    TDbConnect connection;
    try {
        OpenLocalDatabase(connection);
        connection.BeginUnlessInContext();
        DeleteApplicant(connection, applicantId);
        connection.CommitUnlessInContext();
        return true;
    } catch (const DatabaseError&) {
        connection.RollbackUnlessInContext();
        return false;
    }
}
