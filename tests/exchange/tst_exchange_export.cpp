// The submission export without its window: the copy lists against the template, where the
// file goes and what it is called, the questions and refusals, the rows and values it
// holds, the version row, and that a refused or failed export never leaves a file under
// the final name.

#include "ExportFixture.h"
#include "SubmissionExport.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using SubmissionExport::CopyLists;
using SubmissionExport::CopyMode;
using SubmissionExport::ExportSubmission;

namespace {

const QString Caption = u"提示信息"_s;
const QString Invalid = u"上报的资料中，会计从业资格证号码无效"_s;
const QString Exists = u"导出文件已存在，是否覆盖！"_s;

QString id(int n) {
    return QStringLiteral("%1").arg(n, 32, 16, QLatin1Char('0')).toUpper();
}

const SubmissionExport::CopyTable& copyTable(const QString& name) {
    for (const auto& table : CopyLists()) {
        if (table.name == name)
            return table;
    }
    qFatal("no copy list for %s", qPrintable(name));
}

QStringList columnNames(const SubmissionExport::CopyTable& table) {
    QStringList names;
    for (const auto& column : table.columns)
        names.append(column.name);
    return names;
}

bool startsWithFailure(const ScriptedPrompter& prompter) {
    return prompter.messages.size() == 1 &&
           prompter.messages.first().text.startsWith(u"数据导出失败!"_s) &&
           prompter.messages.first().caption == Caption;
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void copyListsMatchTemplate_data();
    void copyListsMatchTemplate();
    void copyModes();
    void fileNameAndFolder_data();
    void fileNameAndFolder();
    void nothingTicked();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void validityRefused_data();
    void validityRefused();
    void everyColumnOfEveryYear();
    void versionRow_data();
    void versionRow();
    void failureLeavesNothing_data();
    void failureLeavesNothing();
    void readOnlyTemplate();
    void moreApplicantsThanTermsInOneExpression();
};

void ExportTest::copyListsMatchTemplate_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("count");
    const QList<std::pair<const char*, int>> tables = {
        {"t_grzl", 47},      {"t_cointrod", 17}, {"t_edu", 15}, {"t_bursar", 8},
        {"t_award", 6},      {"t_art", 11},      {"t_kjal", 4}, {"t_checkyear", 5},
        {"t_grzlother", 36}, {"t_ksdb", 8},      {"t_lwjl", 7}, {"t_rzqyj", 8},
        {"t_rzhyja", 8},     {"t_rzhyjb", 8},    {"t_study", 8}};
    for (const auto& [table, count] : tables)
        QTest::newRow(table) << QString::fromLatin1(table) << count;
}

// Each list names every column of its table in the template except the photograph, once.
void ExportTest::copyListsMatchTemplate() {
    QFETCH(QString, table);
    QFETCH(int, count);
    ExportFixture fixture;
    DirectDatabase db(fixture.templatePath());
    QSet<QString> inTemplate;
    for (const QVariantList& column : db.rows(u"pragma table_info(%1)"_s.arg(table)))
        inTemplate.insert(column.at(1).toString().toLower());
    inTemplate.remove(u"f_img"_s);

    const QStringList listed = columnNames(copyTable(table));
    QSet<QString> listedLower;
    for (const QString& name : listed)
        listedLower.insert(name.toLower());
    QCOMPARE(listed.size(), count);
    QCOMPARE(listedLower.size(), count);
    QCOMPARE(listedLower, inTemplate);
}

void ExportTest::copyModes() {
    QStringList tables;
    for (const auto& table : CopyLists())
        tables.append(table.name);
    QCOMPARE(tables,
             QStringList({u"t_grzl"_s, u"t_cointrod"_s, u"t_edu"_s, u"t_bursar"_s, u"t_award"_s,
                          u"t_art"_s, u"t_kjal"_s, u"t_checkyear"_s, u"t_grzlother"_s, u"t_ksdb"_s,
                          u"t_lwjl"_s, u"t_rzqyj"_s, u"t_rzhyja"_s, u"t_rzhyjb"_s, u"t_study"_s}));
    // Everything not named here is copied as text.
    const QMap<QString, QStringList> numbers = {
        {u"t_cointrod"_s,
         {u"F_assettotal"_s, u"F_onlyasset"_s, u"F_gaintotal"_s, u"F_taxtotal"_s, u"F_busigath"_s,
          u"F_casegath"_s}}};
    const QMap<QString, QStringList> values = {
        {u"t_grzl"_s, {u"f_yhh"_s}},
        {u"t_cointrod"_s,
         {u"F_personnum"_s, u"F_bursarnum"_s, u"F_bursarnum1"_s, u"F_bursarnum2"_s,
          u"F_bursarnum0"_s, u"F_bursarnum3"_s}},
        {u"t_ksdb"_s, {u"f_index"_s, u"f_kscj"_s}}};
    for (const auto& table : CopyLists()) {
        for (const auto& column : table.columns) {
            CopyMode expected = CopyMode::Text;
            if (numbers.value(table.name).contains(column.name))
                expected = CopyMode::Number;
            else if (values.value(table.name).contains(column.name) ||
                     column.name.compare(u"f_index"_s, Qt::CaseInsensitive) == 0)
                expected = CopyMode::Value;
            QVERIFY2(column.mode == expected, qPrintable(table.name + u'.' + column.name));
        }
    }
}

void ExportTest::fileNameAndFolder_data() {
    QTest::addColumn<int>("ticked");
    QTest::addColumn<QString>("typedFolder"); // %1 stands for the chosen folder
    QTest::addColumn<QString>("file");
    QTest::newRow("one") << 1 << u"%1"_s << u"张三.mdb"_s;
    QTest::newRow("three") << 3 << u"%1"_s << u"张三等3人.mdb"_s;
    QTest::newRow("trailing separator and blanks") << 2 << u"  %1/ "_s << u"张三等2人.mdb"_s;
    QTest::newRow("several trailing separators") << 1 << u"%1//"_s << u"张三.mdb"_s;
}

void ExportTest::fileNameAndFolder() {
    QFETCH(int, ticked);
    QFETCH(QString, typedFolder);
    QFETCH(QString, file);
    ExportFixture fixture;
    QStringList ids;
    for (int n = 1; n <= ticked; ++n) {
        ids.append(id(n));
        fixture.addDossier(id(n), u"2005"_s, n == 1 ? u"张三"_s : u"李四%1"_s.arg(n));
    }
    QVERIFY(ExportSubmission(ids, u"张三(110101197001010011)"_s,
                             typedFolder.arg(fixture.chosenFolder())));
    QVERIFY(fixture.env.prompter.messages.isEmpty());
    QCOMPARE(fixture.submissionFiles(), QStringList{file});
    DirectDatabase out(fixture.submissionFolder() + u'/' + file);
    QCOMPARE(out.count(u"t_grzl"_s), ticked);
}

void ExportTest::nothingTicked() {
    ExportFixture fixture;
    fixture.addDossier(id(1), u"2005"_s, u"张三"_s);
    QVERIFY(!ExportSubmission({}, QString(), fixture.chosenFolder()));
    QVERIFY(fixture.env.prompter.messages.isEmpty());
    QVERIFY(!QDir(fixture.submissionFolder()).exists());
}

void ExportTest::overwriteQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("no") << BoxAnswer::No;
    QTest::newRow("yes") << BoxAnswer::Yes;
}

void ExportTest::overwriteQuestion() {
    QFETCH(int, answer);
    ExportFixture fixture;
    fixture.addDossier(id(1), u"2005"_s, u"张三"_s);
    QVERIFY(QDir().mkpath(fixture.submissionFolder()));
    const QString target = fixture.submissionFolder() + u"/张三.mdb"_s;
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the earlier submission");
    }
    fixture.env.prompter.answers.enqueue(answer);

    const bool exported = ExportSubmission({id(1)}, u"张三(1)"_s, fixture.chosenFolder());

    QCOMPARE(exported, answer == BoxAnswer::Yes);
    QCOMPARE(fixture.env.prompter.messages.size(), 1);
    QCOMPARE(fixture.env.prompter.messages.first().text, Exists);
    QCOMPARE(fixture.env.prompter.messages.first().caption, Caption);
    QCOMPARE(fixture.env.prompter.messages.first().flags, BoxFlags::YesNo);
    QCOMPARE(fixture.submissionFiles(), QStringList{u"张三.mdb"_s});
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (answer == BoxAnswer::No) {
        QCOMPARE(file.readAll(), QByteArray("the earlier submission"));
    } else {
        file.close();
        DirectDatabase out(target);
        QCOMPARE(out.count(u"t_grzl"_s), 1);
    }
}

void ExportTest::validityRefused_data() {
    QTest::addColumn<QVariant>("validityEnd");
    QTest::addColumn<bool>("earlierFile");
    QTest::newRow("null") << QVariant() << false;
    QTest::newRow("empty") << QVariant(QString(u""_s)) << false;
    QTest::newRow("empty, earlier file replaced on Yes") << QVariant(QString(u""_s)) << true;
}

// One ticked applicant without the end of the validity refuses the whole export; nothing
// appears under the final name and an earlier file stays as it was.
void ExportTest::validityRefused() {
    QFETCH(QVariant, validityEnd);
    QFETCH(bool, earlierFile);
    ExportFixture fixture;
    fixture.addDossier(id(1), u"2005"_s, u"张三"_s);
    fixture.addDossier(id(2), u"2004"_s, u"李四"_s, validityEnd);
    const QString target = fixture.submissionFolder() + u"/张三等2人.mdb"_s;
    if (earlierFile) {
        QVERIFY(QDir().mkpath(fixture.submissionFolder()));
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("earlier");
        fixture.env.prompter.answers.enqueue(BoxAnswer::Yes);
    }

    QVERIFY(!ExportSubmission({id(1), id(2)}, u"张三(1)"_s, fixture.chosenFolder()));

    QCOMPARE(fixture.env.prompter.messages.size(), earlierFile ? 2 : 1);
    const auto& message = fixture.env.prompter.messages.last();
    QCOMPARE(message.text, Invalid);
    QCOMPARE(message.caption, Caption);
    QCOMPARE(message.flags, BoxFlags::Ok);
    if (earlierFile) {
        QCOMPARE(fixture.submissionFiles(), QStringList{u"张三等2人.mdb"_s});
        QFile old(target);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("earlier"));
    } else {
        QCOMPARE(fixture.submissionFiles(), QStringList());
    }
}

// Two ticked applicants with dossiers in two years and one that is not ticked: every
// column of every copy list arrives value for value and type for type, rich texts byte
// for byte; the photograph does not travel.
void ExportTest::everyColumnOfEveryYear() {
    ExportFixture fixture;
    const QStringList ticked = {id(1), id(2)};
    for (const QString& applicant : ticked) {
        fixture.addDossier(applicant, u"2005"_s, u"王'五"_s + applicant.right(1));
        fixture.addDossier(applicant, u"2004"_s, u"王'五"_s + applicant.right(1));
    }
    fixture.addDossier(id(3), u"2005"_s, u"赵六"_s);

    QVERIFY(ExportSubmission(ticked, u"王'五1(x)"_s, fixture.chosenFolder()));
    QVERIFY(fixture.env.prompter.messages.isEmpty());

    DirectDatabase local;
    DirectDatabase out(fixture.submissionFolder() + u"/王'五1等2人.mdb"_s);
    for (const auto& table : CopyLists()) {
        const QStringList names = columnNames(table);
        const bool numbered = names.contains(u"F_index"_s, Qt::CaseInsensitive);
        const QString order =
            numbered ? u" order by f_id, f_year, f_index"_s : u" order by f_id, f_year"_s;
        const QList<QVariantList> expected = local.rows(
            u"select %1 from %2 where f_id in (?, ?)"_s.arg(names.join(u','), table.name) + order,
            {ticked.at(0), ticked.at(1)});
        const QList<QVariantList> copied =
            out.rows(u"select %1 from %2"_s.arg(names.join(u','), table.name) + order);
        QCOMPARE(expected.size(), (numbered ? 2 : 1) * 2 * 2);
        QCOMPARE(copied.size(), expected.size());
        for (qsizetype r = 0; r < expected.size(); ++r) {
            for (qsizetype c = 0; c < names.size(); ++c) {
                const QString where = u"%1.%2 row %3"_s.arg(table.name, names.at(c)).arg(r);
                QVERIFY2(!expected[r][c].isNull(), qPrintable(where));
                QVERIFY2(copied[r][c].typeId() == expected[r][c].typeId(), qPrintable(where));
                QVERIFY2(copied[r][c] == expected[r][c], qPrintable(where));
            }
        }
    }
    QVERIFY(local.value(u"select count(*) from t_grzlother where f_img is not null"_s).toInt() > 0);
    QCOMPARE(out.value(u"select count(*) from t_grzlother where f_img is not null"_s).toInt(), 0);
    QCOMPARE(out.rows(u"select f_bj, f_value from t_set"_s),
             QList<QVariantList>({{u"version"_s, u"0"_s}}));
}

void ExportTest::versionRow_data() {
    QTest::addColumn<QList<QVariantList>>("before");
    QTest::addColumn<QList<QVariantList>>("after");
    QTest::newRow("empty t_set") << QList<QVariantList>()
                                 << QList<QVariantList>({{u"version"_s, u"0"_s}});
    QTest::newRow("version present")
        << QList<QVariantList>({{u"other"_s, u"x"_s}, {u"version"_s, u"7"_s}})
        << QList<QVariantList>({{u"other"_s, u"x"_s}, {u"version"_s, u"0"_s}});
}

void ExportTest::versionRow() {
    QFETCH(QList<QVariantList>, before);
    QFETCH(QList<QVariantList>, after);
    ExportFixture fixture;
    {
        DirectDatabase templ(fixture.templatePath());
        for (const QVariantList& row : before)
            QVERIFY(templ.exec(u"insert into t_set(f_bj, f_value) values(?, ?)"_s, row));
    }
    fixture.addDossier(id(1), u"2005"_s, u"张三"_s);
    QVERIFY(ExportSubmission({id(1)}, u"张三(1)"_s, fixture.chosenFolder()));
    DirectDatabase out(fixture.submissionFolder() + u"/张三.mdb"_s);
    QCOMPARE(out.rows(u"select f_bj, f_value from t_set order by rowid"_s), after);
}

void ExportTest::failureLeavesNothing_data() {
    QTest::addColumn<QString>("templateChange"); // run on the template before the export
    QTest::addColumn<QString>("localChange");    // run on the local database
    QTest::addColumn<bool>("targetIsFolder");    // a folder already holds the final name
    QTest::newRow("last table missing in the template")
        << u"drop table t_study"_s << QString() << false;
    QTest::newRow("a column missing in the template")
        << u"alter table t_art drop column f_art"_s << QString() << false;
    QTest::newRow("an amount that is no number")
        << QString() << u"update t_cointrod set f_assettotal='many'"_s << false;
    QTest::newRow("a local table missing") << QString() << u"drop table t_award"_s << false;
    QTest::newRow("the final name taken by a folder") << QString() << QString() << true;
}

// A failure anywhere after the question leaves no file under the final name and no
// partial file beside it, reports the failure and never the success.
void ExportTest::failureLeavesNothing() {
    QFETCH(QString, templateChange);
    QFETCH(QString, localChange);
    QFETCH(bool, targetIsFolder);
    ExportFixture fixture;
    fixture.addDossier(id(1), u"2005"_s, u"张三"_s);
    fixture.addDossier(id(2), u"2005"_s, u"李四"_s);
    if (!templateChange.isEmpty()) {
        DirectDatabase templ(fixture.templatePath());
        QVERIFY(templ.exec(templateChange));
    }
    if (!localChange.isEmpty()) {
        DirectDatabase local;
        QVERIFY(local.exec(localChange));
    }
    const QString target = fixture.submissionFolder() + u"/张三等2人.mdb"_s;
    if (targetIsFolder) {
        QVERIFY(QDir().mkpath(target));
        fixture.env.prompter.answers.enqueue(BoxAnswer::Yes);
    }

    QVERIFY(!ExportSubmission({id(1), id(2)}, u"张三(1)"_s, fixture.chosenFolder()));

    if (targetIsFolder) {
        QCOMPARE(fixture.env.prompter.messages.takeFirst().text, Exists);
        QVERIFY(QFileInfo(target).isDir());
        QCOMPARE(fixture.submissionFiles(), QStringList{u"张三等2人.mdb"_s});
    } else {
        QCOMPARE(fixture.submissionFiles(), QStringList());
    }
    QVERIFY2(startsWithFailure(fixture.env.prompter),
             qPrintable(fixture.env.prompter.texts().join(u" | ")));
}

// A template installed without write permission still gives a writable submission file.
void ExportTest::readOnlyTemplate() {
    ExportFixture fixture;
    fixture.addDossier(id(1), u"2005"_s, u"张三"_s);
    QVERIFY(QFile::setPermissions(fixture.templatePath(), QFile::ReadOwner | QFile::ReadGroup));
    QVERIFY(ExportSubmission({id(1)}, u"张三(1)"_s, fixture.chosenFolder()));
    DirectDatabase out(fixture.submissionFolder() + u"/张三.mdb"_s);
    QCOMPARE(out.count(u"t_edu"_s), 2);
}

// Far more applicants than the engine accepts terms in one expression.
void ExportTest::moreApplicantsThanTermsInOneExpression() {
    ExportFixture fixture;
    QStringList ids;
    {
        DirectDatabase db;
        QVERIFY(db.exec(u"begin"_s));
        for (int n = 1; n <= 1200; ++n) {
            ids.append(id(n));
            QVERIFY(db.exec(u"insert into t_grzl(f_id, f_year, f_name, f_ksyxendtime) "
                            "values(?, '2005', ?, '200912')"_s,
                            {id(n), u"甲%1"_s.arg(n)}));
        }
        QVERIFY(db.exec(u"commit"_s));
    }
    QVERIFY(ExportSubmission(ids, u"甲1(1)"_s, fixture.chosenFolder()));
    QVERIFY(fixture.env.prompter.messages.isEmpty());
    DirectDatabase out(fixture.submissionFolder() + u"/甲1等1200人.mdb"_s);
    QCOMPARE(out.count(u"t_grzl"_s), 1200);
}

QTEST_MAIN(ExportTest)
#include "tst_exchange_export.moc"
