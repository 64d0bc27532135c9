// The schema, the code tables of a fresh installation, the creation of database files and
// the databases of the assembled program folder.

#include "DatabaseError.h"
#include "DatabaseSchema.h"
#include "SystemInfo.h"
#include "TestDatabase.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every table with the columns the program reads, writes or copies into a submission file,
// spelled as the statements spell them.
const QList<std::pair<QString, QString>> ExpectedColumns = {
    {u"t_grzl"_s,
     u"f_id,f_year,f_yhh,f_name,f_sex,f_borndate,f_cardid,f_area,f_postalcode,f_telephone,"
     u"f_dwlb,f_pg,f_address,f_bm,f_workdw,f_worktime,f_trade,f_nowzc,f_zcvalitime,"
     u"f_zcengagetime,f_nowbusiness,f_bustime,f_result,F_officething,F_rewAndpun,"
     u"f_gsstarttime,f_gsendtime,f_gsposition,f_gsdw,f_gstime,F_commend,F_other,"
     u"f_ksyxstarttime,f_ksyxendtime,f_handset,F_zclettercode,F_oldzc,F_oldzcvalitime,"
     u"F_oldzclettercode,F_kjztime,F_kjzhao,f_hgzhao,f_pgtj,f_dwjb,f_ispunished,f_dwxz,"
     u"f_kjzwxz"_s},
    {u"t_cointrod"_s,
     u"f_id,F_dwxz,f_year,F_assettotal,F_onlyasset,F_gaintotal,F_taxtotal,F_busigath,"
     u"F_casegath,F_personnum,F_bursarnum,F_bursarnum1,F_bursarnum2,F_cointrod,f_other,"
     u"F_bursarnum0,F_bursarnum3"_s},
    {u"t_edu"_s,
     u"f_id,f_year,F_index,F_edulength,F_edulevel,F_specialty,F_specialtysub,F_eduschool,"
     u"F_eduschoolsub,F_edutime,F_edutimesub,f_edulettercode,F_edulettercodesub,"
     u"F_IsSecondEdu,F_IsEcon"_s},
    {u"t_bursar"_s, u"f_id,f_year,F_index,F_bursar,F_startdate,F_enddate,F_workdw,F_workzw"_s},
    {u"t_award"_s, u"f_id,f_year,F_index,F_xmm,F_hjtime,F_place"_s},
    {u"t_art"_s,
     u"f_id,f_year,F_index,F_subcn,F_subcnsub,F_subject,F_publication,F_pubtime,F_place,"
     u"f_art,f_bj"_s},
    {u"t_kjal"_s, u"f_id,f_year,f_content,f_title"_s},
    {u"t_checkyear"_s, u"f_id,f_year,F_index,F_checkyear,F_checkdj"_s},
    {u"t_grzlother"_s,
     u"f_id,f_year,f_mz,f_cym,f_stzk,f_bzgz,f_csd,f_rzzg,f_xzzw,f_rd,f_rmzd,f_jz,f_wy,f_dbyj,"
     u"f_dbfzr,f_dbDate,f_khyj,f_khfzr,f_khDate,f_tjjcyj,f_tjjcfzr,f_tjjcdate,f_tjcbyj,"
     u"f_tjcbfzr,f_tjcbdate,f_pszjyj,f_psqz,f_psrq,f_pszyj,f_pszr,f_pszdate,f_zgqrdate,f_pw,"
     u"f_zi,f_hao,f_bmdate,f_img"_s},
    {u"t_ksdb"_s, u"f_id,f_index,f_year,f_date,f_kszl,f_kskm,f_kscj,f_zzdw"_s},
    {u"t_lwjl"_s, u"f_id,f_index,f_year,f_date,f_nrty,f_jlqk,f_place"_s},
    {u"t_rzqyj"_s, u"f_id,f_index,f_year,f_sdate,f_edate,f_gz,f_gznr,f_wcqk"_s},
    {u"t_rzhyja"_s, u"f_id,f_index,f_year,f_sdate,f_edate,f_gz,f_gznr,f_wcqk"_s},
    {u"t_rzhyjb"_s, u"f_id,f_index,f_year,f_sdate,f_edate,f_gz,f_gznr,f_wcqk"_s},
    {u"t_study"_s, u"f_id,f_index,f_year,f_sdate,f_edate,f_nr,f_dd,f_zmr"_s},
    {u"T_yhgl"_s, u"f_yhh,f_lx,f_name,f_gw,f_mm"_s},
    {u"t_area"_s, u"f_index,f_areaname,f_js,f_end"_s},
    {u"t_eduset"_s, u"f_index,f_eduname,f_js,f_end"_s},
    {u"t_dwlb"_s, u"f_index,f_dwname,f_js,f_end"_s},
    {u"t_dwxz"_s, u"f_index,f_name"_s},
    {u"t_pgtj"_s, u"f_index,f_tj"_s},
    {u"t_set"_s, u"f_bj,f_value"_s},
};

// Column name (lower case) -> declared type, of one table.
QMap<QString, QString> declaredColumns(DirectDatabase& db, const QString& table) {
    QMap<QString, QString> columns;
    for (const QVariantList& row :
         db.rows(u"select name, type from pragma_table_info(?)"_s, {table}))
        columns.insert(row.at(0).toString().toLower(), row.at(1).toString().toUpper());
    return columns;
}

// Checks a two-level code tree: codes of two-digit groups, level = number of groups, leaf
// mark 0 exactly for the codes that have children, every parent present.
void checkCodeTree(DirectDatabase& db, const QString& table) {
    const auto rows =
        db.rows(u"select f_index, f_js, f_end from "_s + table + u" order by f_index"_s);
    QVERIFY(rows.size() >= 4);
    QStringList codes;
    for (const QVariantList& row : rows)
        codes.append(row.at(0).toString());
    bool twoLevels = false;
    for (const QVariantList& row : rows) {
        const QString code = row.at(0).toString();
        QVERIFY2(code.size() % 2 == 0 && code.size() <= 8, qPrintable(code));
        for (const QChar c : code)
            QVERIFY2(c.isDigit(), qPrintable(code));
        QCOMPARE(row.at(1).toInt(), code.size() / 2);
        const bool hasChildren = std::any_of(codes.begin(), codes.end(), [&](const QString& other) {
            return other.size() == code.size() + 2 && other.startsWith(code);
        });
        QCOMPARE(row.at(2).toInt(), hasChildren ? 0 : 1);
        if (code.size() > 2) {
            QVERIFY2(codes.contains(code.left(code.size() - 2)), qPrintable(code));
            twoLevels = true;
        }
    }
    QVERIFY(twoLevels);
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void everyColumnExists_data();
    void everyColumnExists();
    void textColumnsIgnoreLetterCase();
    void templateHasNoRows();
    void codeTables();
    void codeTrees_data();
    void codeTrees();
    void existingFileNeverReplaced();
    void failedCreationLeavesNothing();
    void programFolderDatabases();
    void makedbKeepsExistingDatabase();

private:
    std::unique_ptr<TestEnvironment> env_;
};

void TestSchema::init() {
    env_ = std::make_unique<TestEnvironment>();
}

void TestSchema::cleanup() {
    env_.reset();
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
}

void TestSchema::everyColumnExists_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("columns");
    for (const auto& [table, columns] : ExpectedColumns)
        QTest::newRow(qPrintable(table)) << table << columns;
}

void TestSchema::everyColumnExists() {
    QFETCH(QString, table);
    QFETCH(QString, columns);
    QVERIFY(CreateTestDatabase(DatabaseContent::TablesOnly));
    DirectDatabase db;
    const auto declared = declaredColumns(db, table.toLower());
    QVERIFY2(!declared.isEmpty(), qPrintable(table));
    for (const QString& column : columns.split(u','))
        QVERIFY2(declared.contains(column.toLower()), qPrintable(table + u'.' + column));
    // Rich texts and the photograph keep their bytes; row numbers are integers.
    for (const QString& blob : {u"f_commend"_s, u"f_art"_s, u"f_content"_s, u"f_img"_s}) {
        if (declared.contains(blob))
            QCOMPARE(declared.value(blob), u"BLOB"_s);
    }
    if (declared.contains(u"f_id"_s) && declared.contains(u"f_index"_s))
        QCOMPARE(declared.value(u"f_index"_s), u"INTEGER"_s);
}

void TestSchema::textColumnsIgnoreLetterCase() {
    QVERIFY(CreateTestDatabase(DatabaseContent::TablesOnly));
    DirectDatabase db;
    int textColumns = 0;
    for (const auto& [table, columns] : ExpectedColumns) {
        const auto declared = declaredColumns(db, table);
        for (auto it = declared.cbegin(); it != declared.cend(); ++it) {
            if (it.value() != u"TEXT"_s)
                continue;
            ++textColumns;
            QVERIFY(db.exec(u"delete from "_s + table));
            QVERIFY(db.exec(u"insert into "_s + table + u"("_s + it.key() + u") values('Abc')"_s));
            QCOMPARE(
                db.value(u"select count(*) from "_s + table + u" where "_s + it.key() + u"='aBC'"_s)
                    .toInt(),
                1);
        }
    }
    QVERIFY(textColumns > 150);
}

void TestSchema::templateHasNoRows() {
    QVERIFY(CreateTestDatabase(DatabaseContent::TablesOnly));
    DirectDatabase db;
    for (const auto& [table, columns] : ExpectedColumns)
        QCOMPARE(db.count(table), 0);
}

void TestSchema::codeTables() {
    QVERIFY(CreateTestDatabase(DatabaseContent::WithCodeTables));
    DirectDatabase db;
    QCOMPARE(db.value(u"select count(*) from t_area where f_areaname='省直'"_s).toInt(), 1);
    QCOMPARE(db.value(u"select count(*) from t_area where f_areaname like '%中直%'"_s).toInt(), 1);
    QVERIFY(
        db.value(u"select count(*) from t_area where f_js=2 and f_areaname like '%市'"_s).toInt() >=
        9);
    QVERIFY(db.count(u"t_dwxz"_s) >= 5);
    const auto conditions = db.rows(u"select f_index from t_pgtj order by f_index"_s);
    QVERIFY(conditions.size() >= 6);
    for (int i = 0; i < conditions.size(); ++i)
        QCOMPARE(conditions.at(i).first().toString(),
                 QString::number(i + 1).rightJustified(2, u'0'));
    for (const QString& table : {u"t_grzl"_s, u"T_yhgl"_s, u"t_set"_s, u"t_kjal"_s})
        QCOMPARE(db.count(table), 0);
}

void TestSchema::codeTrees_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("areas") << u"t_area"_s;
    QTest::newRow("education") << u"t_eduset"_s;
    QTest::newRow("unit categories") << u"t_dwlb"_s;
}

void TestSchema::codeTrees() {
    QFETCH(QString, table);
    QVERIFY(CreateTestDatabase(DatabaseContent::WithCodeTables));
    DirectDatabase db;
    checkCodeTree(db, table);
}

void TestSchema::existingFileNeverReplaced() {
    QVERIFY(CreateTestDatabase(DatabaseContent::TablesOnly));
    {
        DirectDatabase db;
        QVERIFY(db.exec(u"insert into t_grzl(f_id,f_name) values('A','用户的档案')"_s));
    }
    QVERIFY_THROWS_EXCEPTION(
        DatabaseError, CreateDatabaseFile(SystemInfo.DbPath, DatabaseContent::WithCodeTables));
    DirectDatabase db;
    QCOMPARE(db.count(u"t_grzl"_s), 1);
    QCOMPARE(db.count(u"t_area"_s), 0);
}

void TestSchema::failedCreationLeavesNothing() {
    // The folder the file would go into is an ordinary file.
    const QString blocker = env_->programFolder() + u"database"_s;
    QDir().rmdir(blocker);
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY_THROWS_EXCEPTION(DatabaseError, CreateDatabaseFile(blocker + u"/ledgerev.mdb"_s,
                                                               DatabaseContent::TablesOnly));
    QCOMPARE(QDir(env_->programFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList({u"database"_s}));
}

void TestSchema::programFolderDatabases() {
    const QString app = TestEnvironment::appDir();
    QVERIFY(!app.isEmpty());
    {
        DirectDatabase local(app + u"/database/ledgerev.mdb"_s);
        QVERIFY(local.isOpen());
        QVERIFY(local.count(u"t_area"_s) > 0);
        QVERIFY(local.count(u"t_pgtj"_s) >= 6);
    }
    DirectDatabase submission(app + u"/ModeData/modedb.mdb"_s);
    QVERIFY(submission.isOpen());
    for (const auto& [table, columns] : ExpectedColumns) {
        QVERIFY2(!declaredColumns(submission, table).isEmpty(), qPrintable(table));
        QCOMPARE(submission.count(table), 0);
    }
}

void TestSchema::makedbKeepsExistingDatabase() {
    const QString path = env_->programFolder() + u"database/ledgerev.mdb"_s;
    QCOMPARE(QProcess::execute(QStringLiteral(MAKEDB_PATH), {u"--code-tables"_s, path}), 0);
    {
        DirectDatabase db(path);
        QVERIFY(db.count(u"t_area"_s) > 0);
        QVERIFY(db.exec(u"insert into t_grzl(f_id,f_name) values('A','用户的档案')"_s));
        QVERIFY(db.exec(u"delete from t_area"_s));
    }
    QCOMPARE(QProcess::execute(QStringLiteral(MAKEDB_PATH), {u"--code-tables"_s, path}), 0);
    {
        DirectDatabase db(path);
        QCOMPARE(db.count(u"t_grzl"_s), 1);
        QCOMPARE(db.count(u"t_area"_s), 0);
    }
    // The template is rebuilt on request, and comes back empty.
    QCOMPARE(QProcess::execute(QStringLiteral(MAKEDB_PATH), {u"--replace"_s, path}), 0);
    DirectDatabase db(path);
    QCOMPARE(db.count(u"t_grzl"_s), 0);
    QCOMPARE(db.count(u"t_area"_s), 0);
    QCOMPARE(QDir(env_->programFolder() + u"database"_s).entryList(QDir::Files),
             QStringList({u"ledgerev.mdb"_s}));
}

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_dataschema.moc"
