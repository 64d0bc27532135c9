#include "ExportFixture.h"

#include "DatabaseSchema.h"
#include "SubmissionExport.h"
#include "SystemInfo.h"
#include "TestDatabase.h"

#include <QDir>
#include <QTest>

ExportFixture::ExportFixture() {
    if (!CreateTestDatabase(DatabaseContent::WithCodeTables))
        qFatal("no local database");
    CreateDatabaseFile(templatePath(), DatabaseContent::TablesOnly);
}

QString ExportFixture::templatePath() const {
    return env.programFolder() + QStringLiteral("ModeData/modedb.mdb");
}

QVariant SampleValue(const QString& table, const QString& column, const QString& type,
                     const QString& id, const QString& year, int row) {
    const int seed = int(qHash(table + column + id + year) % 9973) + row;
    if (type.compare(QStringLiteral("BLOB"), Qt::CaseInsensitive) == 0) {
        QByteArray bytes = QStringLiteral("<p>%1 富文本 %2</p>").arg(column, id).toUtf8();
        bytes.append('\0');
        for (int i = 0; i < 256; ++i)
            bytes.append(char(i));
        bytes.append(QByteArray::number(seed));
        return bytes;
    }
    if (type.compare(QStringLiteral("REAL"), Qt::CaseInsensitive) == 0)
        return seed + 0.25;
    if (type.compare(QStringLiteral("INTEGER"), Qt::CaseInsensitive) == 0)
        return qint64(seed);
    return QStringLiteral("%1·%2'%3’值%4").arg(column, id.left(6), year).arg(seed);
}

void ExportFixture::addDossier(const QString& id, const QString& year, const QString& name,
                               const QVariant& validityEnd) {
    DirectDatabase db;
    for (const SubmissionExport::CopyTable& table : SubmissionExport::CopyLists()) {
        const QList<QVariantList> columns =
            db.rows(QStringLiteral("pragma table_info(%1)").arg(table.name));
        QStringList names;
        for (const QVariantList& column : columns)
            names.append(column.at(1).toString().toLower());
        const int rowCount = names.contains(QStringLiteral("f_index")) ? 2 : 1;
        for (int row = 1; row <= rowCount; ++row) {
            QVariantList values;
            for (const QVariantList& column : columns) {
                const QString columnName = names.at(values.size());
                QVariant value =
                    SampleValue(table.name, columnName, column.at(2).toString(), id, year, row);
                if (columnName == QStringLiteral("f_id"))
                    value = id;
                else if (columnName == QStringLiteral("f_year"))
                    value = year;
                else if (columnName == QStringLiteral("f_index"))
                    value = row;
                else if (table.name == QStringLiteral("t_grzl") &&
                         columnName == QStringLiteral("f_name"))
                    value = name;
                else if (table.name == QStringLiteral("t_grzl") &&
                         columnName == QStringLiteral("f_ksyxendtime"))
                    value = validityEnd;
                values.append(value);
            }
            const QStringList marks(values.size(), QStringLiteral("?"));
            if (!db.exec(QStringLiteral("insert into %1(%2) values(%3)")
                             .arg(table.name, names.join(QLatin1Char(',')),
                                  marks.join(QLatin1Char(','))),
                         values))
                qFatal("cannot arrange the dossier");
        }
    }
}

QStringList ExportFixture::submissionFiles() const {
    return QDir(submissionFolder())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}
