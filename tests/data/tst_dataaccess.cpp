// The data layer against real database files: connections, queries, statements, record
// sets, the bound record data, row numbers and the removal of applicants.

#include "AdoDbCustom.h"
#include "ApplicantRemoval.h"
#include "DatabaseError.h"
#include "RecordSetCustom.h"
#include "Statements.h"
#include "SystemInfo.h"
#include "TestDatabase.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString IdA = u"0123456789ABCDEF0123456789ABCDEF"_s;
const QString IdB = u"FEDCBA9876543210FEDCBA9876543210"_s;

// Collects every warning Qt or the code prints while it is installed.
class WarningCatcher {
public:
    WarningCatcher() {
        caught().clear();
        previous_ = qInstallMessageHandler(&WarningCatcher::handle);
    }
    ~WarningCatcher() { qInstallMessageHandler(previous_); }
    static QStringList& caught() {
        static QStringList list;
        return list;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            caught().append(text);
    }
    QtMessageHandler previous_ = nullptr;
};

// Shortens the wait on a locked database for the test's lifetime.
class CommandTimeoutGuard {
public:
    explicit CommandTimeoutGuard(std::chrono::milliseconds timeout)
        : saved_(TDbConnect::CommandTimeout()) {
        TDbConnect::SetCommandTimeout(timeout);
    }
    ~CommandTimeoutGuard() { TDbConnect::SetCommandTimeout(saved_); }

private:
    std::chrono::milliseconds saved_;
};

TDataPacket query(const QString& statement) {
    TDataPacket packet;
    if (!OpenQuery(statement, packet))
        qWarning().noquote() << "query failed:" << statement;
    return packet;
}

} // namespace

class TestDataAccess : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openQueryWithoutRows();
    void openQueryFailure_data();
    void openQueryFailure();
    void blankStatements();
    void unusualFileNames_data();
    void unusualFileNames();
    void serverKindsCannotOpen_data();
    void serverKindsCannotOpen();
    void execSqlFailureChangesNothing_data();
    void execSqlFailureChangesNothing();
    void execSqlListIsAllOrNothing();
    void valuesStoredExactly_data();
    void valuesStoredExactly();
    void bareValueThatIsNoNumberRefused();
    void deleteStarAccepted();
    void namesIgnoreLetterCase();
    void navigation();
    void localEditingStaysLocal();
    void emptyDateIsNoDate();
    void nextIndex();
    void execSqlWithIndex_data();
    void execSqlWithIndex();
    void removeApplicant();
    void removeUnknownApplicant();
    void failingDeleteKeepsEverything();
    void recordDataBlobRoundTrip();
    void recordDataEditAndDelete();
    void recordDataInsideOuterTransaction();
    void recordDataNeedsEditState();
    void missingFileNeverCreated();
    void fileThatIsNoDatabase();
    void damagedFileOpenedReadOnly();
    void readOnlyConnectionRefusesWrites();
    void lockedDatabaseFailsAfterTimeout_data();
    void lockedDatabaseFailsAfterTimeout();
    void thousandOperationsLeaveNoConnection();

private:
    std::unique_ptr<TestEnvironment> env_;
};

void TestDataAccess::init() {
    env_ = std::make_unique<TestEnvironment>();
    QVERIFY(CreateTestDatabase(DatabaseContent::WithCodeTables));
}

void TestDataAccess::cleanup() {
    env_.reset();
    QVERIFY2(QSqlDatabase::connectionNames().isEmpty(),
             qPrintable(QSqlDatabase::connectionNames().join(u", "_s)));
}

void TestDataAccess::openQueryWithoutRows() {
    TDataPacket packet;
    QVERIFY(OpenQuery(SelectSql(u"f_id,f_name"_s, u"t_grzl"_s, u" and f_id='nobody'"_s), packet));
    QCOMPARE(packet.fieldNames, QStringList({u"f_id"_s, u"f_name"_s}));
    TCustomRecordSet set;
    set.SetData(packet);
    QVERIFY(set.Bof());
    QVERIFY(set.Eof());
    QCOMPARE(set.RecordCount(), 0);
    QVERIFY(env_->prompter.messages.isEmpty());
}

void TestDataAccess::openQueryFailure_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("textPart");
    QTest::newRow("missing table")
        << SelectSql(u"*"_s, u"t_missing"_s, QString()) << u"t_missing"_s;
    QTest::newRow("missing column")
        << SelectSql(u"f_nothing"_s, u"t_grzl"_s, QString()) << u"f_nothing"_s;
    QTest::newRow("bare value no number")
        << SelectSql(u"*"_s, u"t_edu"_s, u" and f_index="_s + BareNumber(u"2 or 1=1"_s))
        << u"2 or 1=1"_s;
}

void TestDataAccess::openQueryFailure() {
    QFETCH(QString, statement);
    QFETCH(QString, textPart);
    TDataPacket packet;
    QVERIFY(!OpenQuery(statement, packet));
    QCOMPARE(env_->prompter.messages.size(), 1);
    const auto message = env_->prompter.messages.first();
    QVERIFY2(message.text.contains(textPart), qPrintable(message.text));
    QCOMPARE(message.caption, ApplicationTitle);
    QCOMPARE(message.flags, BoxFlags::Ok);
}

void TestDataAccess::blankStatements() {
    // Without a database file, any attempt to open one would be reported.
    QVERIFY(QFile::remove(SystemInfo.DbPath));
    TDataPacket packet;
    QVERIFY(!OpenQuery(u"  \t "_s, packet));
    QVERIFY(!ExecSql(QString()));
    QVERIFY(!ExecSqlList({}));
    int number = -1;
    QVERIFY(!ExecSqlWithIndex(u"   "_s, 1, u"t_study"_s, number));
    QCOMPARE(number, -1);
    QVERIFY(env_->prompter.messages.isEmpty());
    QVERIFY(!QFile::exists(SystemInfo.DbPath));
}

void TestDataAccess::unusualFileNames_data() {
    QTest::addColumn<QString>("relative");
    QTest::newRow("chinese, blanks") << u"数据上报/张三等2人.mdb"_s;
    QTest::newRow("url characters") << u"a#b?c%20d/e&f.mdb"_s;
    QTest::newRow("quote and semicolon") << u"O'Neil;x=1/da;ta.mdb"_s;
}

void TestDataAccess::unusualFileNames() {
    QFETCH(QString, relative);
    SystemInfo.DbPath = env_->programFolder() + relative;
    QVERIFY(CreateTestDatabase(DatabaseContent::WithCodeTables));
    QVERIFY(ExecSql(InsertSql(u"t_set"_s, u"f_bj,f_value"_s, u"'version','0'"_s)));
    TDataPacket packet;
    QVERIFY(OpenQuery(SelectSql(u"f_value"_s, u"t_set"_s, QString()), packet));
    QCOMPARE(packet.rows.size(), 1);
    QVERIFY(env_->prompter.messages.isEmpty());
    // Nothing was opened or created under a name cut short at a special character: the
    // program folder holds the database made by init() and the new file's folder only.
    QStringList expected = {u"database"_s, relative.section(u'/', 0, 0)};
    expected.sort();
    QCOMPARE(
        QDir(env_->programFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries, QDir::Name),
        expected);
    QCOMPARE(QDir(QFileInfo(SystemInfo.DbPath).absolutePath()).entryList(QDir::Files),
             QStringList({relative.section(u'/', 1)}));
}

void TestDataAccess::serverKindsCannotOpen_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("server") << int(TDbKind::SqlServer);
    QTest::newRow("oracle") << int(TDbKind::Oracle);
    QTest::newRow("unknown") << 7;
}

void TestDataAccess::serverKindsCannotOpen() {
    // Only the local file kind has an engine here; the others fail like any failing open,
    // even though a file of that name exists.
    QFETCH(int, kind);
    SystemInfo.DbKind = static_cast<TDbKind>(kind);
    TDataPacket packet;
    QVERIFY(!OpenQuery(SelectSql(u"*"_s, u"t_area"_s, QString()), packet));
    QCOMPARE(env_->prompter.messages.size(), 1);
    QVERIFY(!ExecSql(u"delete from t_area"_s));
    QCOMPARE(env_->prompter.messages.size(), 1);
    DirectDatabase direct;
    QVERIFY(direct.count(u"t_area"_s) > 0);
}

void TestDataAccess::execSqlFailureChangesNothing_data() {
    QTest::addColumn<QString>("statement");
    QTest::newRow("missing column") << InsertSql(u"t_edu"_s, u"f_id,f_nothing"_s, u"'A','x'"_s);
    QTest::newRow("syntax") << u"update t_edu set where"_s;
    // A statement that changes rows before it fails must leave none of them changed.
    QTest::newRow("fails half way")
        << u"update t_edu set f_edulevel='changed', f_index = case when f_index=2 then "
           u"abs(-9223372036854775807-1) else f_index end"_s;
    QTest::newRow("two statements in one") << u"update t_edu set f_edulevel='changed'; "
                                              u"delete from t_grzl"_s;
    QTest::newRow("bare value no number") << UpdateSql(
        u"t_edu"_s, u"f_edulevel='changed'"_s, u" and f_index="_s + BareNumber(u"1 or 1=1"_s));
}

void TestDataAccess::execSqlFailureChangesNothing() {
    QFETCH(QString, statement);
    DirectDatabase direct;
    QVERIFY(direct.exec(u"insert into t_grzl(f_id,f_name) values(?,?)"_s, {IdA, u"张三"_s}));
    for (int i = 1; i <= 3; ++i)
        QVERIFY(direct.exec(u"insert into t_edu(f_id,f_index,f_edulevel) values(?,?,?)"_s,
                            {IdA, i, u"本科"_s}));
    const auto before = direct.rows(u"select * from t_edu order by rowid"_s);

    QVERIFY(!ExecSql(statement));
    QVERIFY(env_->prompter.messages.isEmpty());
    QCOMPARE(direct.rows(u"select * from t_edu order by rowid"_s), before);
    QCOMPARE(direct.count(u"t_grzl"_s), 1);
}

void TestDataAccess::execSqlListIsAllOrNothing() {
    const QString good = InsertSql(u"t_edu"_s, u"f_id,f_index"_s, QuotedValue(IdA) + u",1"_s);
    const QString bad = InsertSql(u"t_edu"_s, u"f_id,f_nothing"_s, QuotedValue(IdA) + u",1"_s);
    QVERIFY(!ExecSqlList({good, bad}));
    QVERIFY(!ExecSqlList({good, u" "_s}));
    DirectDatabase direct;
    QCOMPARE(direct.count(u"t_edu"_s), 0);
    QVERIFY(ExecSqlList({good, good}));
    QCOMPARE(direct.count(u"t_edu"_s), 2);
}

void TestDataAccess::valuesStoredExactly_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("apostrophe") << u"O'Neil's"_s;
    QTest::newRow("ends the literal") << u"x'); delete from t_grzl; --"_s;
    QTest::newRow("double quote") << u"say \"yes\""_s;
    QTest::newRow("semicolon") << u"a;b"_s;
    QTest::newRow("comment") << u"-- not a comment"_s;
    QTest::newRow("backslash") << u"C:\\数据上报\\"_s;
    QTest::newRow("chinese") << u"福建省财政厅会计处（一）"_s;
    QTest::newRow("placeholder text") << u"100%s %1"_s;
    QTest::newRow("condition") << u"' or '1'='1"_s;
    QTest::newRow("full-width quote") << u"会计’师"_s;
}

void TestDataAccess::valuesStoredExactly() {
    QFETCH(QString, value);
    // A second applicant whose rows must not be touched by anything below.
    QVERIFY(ExecSql(InsertSql(u"t_grzl"_s, u"f_id,f_name"_s,
                              QuotedValue(IdB) + u","_s + QuotedValue(u"李四"_s))));

    QVERIFY(ExecSql(InsertSql(u"t_grzl"_s, u"f_id,f_name,f_address"_s,
                              QuotedValue(IdA) + u","_s + QuotedValue(value) + u","_s +
                                  QuotedValue(u"before"_s))));
    QVERIFY(ExecSql(UpdateSql(u"t_grzl"_s, u"f_address="_s + QuotedValue(value),
                              u" and f_id="_s + QuotedValue(IdA))));

    TCustomRecordSet set;
    set.SetData(query(SelectSql(u"f_id,f_name,f_address"_s, u"t_grzl"_s,
                                u" and f_name="_s + QuotedValue(value))));
    QCOMPARE(set.RecordCount(), 1);
    QCOMPARE(set.FieldByName(u"f_id"_s).AsString(), IdA);
    QCOMPARE(set.FieldByName(u"f_name"_s).AsString(), value);
    QCOMPARE(set.FieldByName(u"f_address"_s).AsString(), value);

    DirectDatabase direct;
    QCOMPARE(direct.value(u"select f_name from t_grzl where f_id=?"_s, {IdB}).toString(),
             u"李四"_s);
    QVERIFY(direct.value(u"select f_address from t_grzl where f_id=?"_s, {IdB}).isNull());
    QCOMPARE(direct.count(u"t_grzl"_s), 2);

    QVERIFY(ExecSql(DeleteSql(u"t_grzl"_s, u" and f_name="_s + QuotedValue(value))));
    QCOMPARE(direct.count(u"t_grzl"_s), 1);
    QVERIFY(env_->prompter.messages.isEmpty());
}

void TestDataAccess::bareValueThatIsNoNumberRefused() {
    QVERIFY(ExecSql(InsertSql(u"t_edu"_s, u"f_id,f_index,f_edulevel"_s,
                              QuotedValue(IdA) + u","_s + BareNumber(u" 3 "_s) + u",'本科'"_s)));
    QVERIFY(!ExecSql(InsertSql(u"t_edu"_s, u"f_id,f_index"_s,
                               QuotedValue(IdA) + u","_s + BareNumber(u"3,4"_s))));
    QVERIFY(!ExecSql(DeleteSql(u"t_edu"_s, u" and f_index="_s + BareNumber(u"3 or 1=1"_s))));
    DirectDatabase direct;
    QCOMPARE(direct.rows(u"select f_index, typeof(f_index) from t_edu"_s),
             QList<QVariantList>({{3, u"integer"_s}}));
}

void TestDataAccess::deleteStarAccepted() {
    DirectDatabase direct;
    QVERIFY(direct.exec(u"insert into t_bursar(f_id,f_index) values(?,1),(?,2),(?,1)"_s,
                        {IdA, IdA, IdB}));
    QVERIFY(ExecSql(u"delete * from t_bursar where f_id="_s + QuotedValue(IdA) +
                    u" and f_index="_s + BareNumber(u"2"_s)));
    QCOMPARE(direct.rows(u"select f_id,f_index from t_bursar order by f_id"_s),
             QList<QVariantList>({{IdA, 1}, {IdB, 1}}));
}

void TestDataAccess::namesIgnoreLetterCase() {
    QVERIFY(ExecSql(
        InsertSql(u"T_GRZL"_s, u"F_ID,F_YEAR,f_NAME"_s, u"'"_s + IdA + u"','2005','ABC'"_s)));
    QVERIFY(ExecSql(
        InsertSql(u"t_grzl"_s, u"f_id,f_year,f_name"_s, u"'"_s + IdB + u"','2006','xyz'"_s)));

    TCustomRecordSet set;
    set.SetData(query(
        SelectSql(u"f_id,f_year,F_Name"_s, u"t_grzl"_s, u" and F_year='2005' and f_name='abc'"_s)));
    QCOMPARE(set.RecordCount(), 1);
    QCOMPARE(set.FieldByName(u"F_YEAR"_s).AsString(), u"2005"_s);
    QCOMPARE(set.FieldByName(u" f_name "_s).AsString(), u"ABC"_s);

    set.SetData(query(SelectSql(u"*"_s, u"t_grzl"_s, u" order by f_year"_s)));
    QVERIFY(set.Locate(u"F_NAME"_s, u"xYz"_s));
    QCOMPARE(set.FieldByName(u"f_id"_s).AsString(), IdB);
    QVERIFY(set.Locate(u"f_name"_s, u"abc"_s));
    QCOMPARE(set.RecNo(), 1);
    QVERIFY(!set.Locate(u"f_name"_s, u"ab"_s));
    QCOMPARE(set.RecNo(), 1);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.FieldByName(u"f_nothing"_s));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.Locate(u"f_nothing"_s, u"abc"_s));
    QVERIFY(!set.FindField(u"f_nothing"_s).has_value());
}

void TestDataAccess::navigation() {
    TCustomRecordSet set;
    set.SetData(query(SelectSql(u"f_index,f_areaname"_s, u"t_area"_s,
                                u" and f_js=2 and f_index<'0304' order by f_index"_s)));
    QCOMPARE(set.RecordCount(), 3);
    QVERIFY(set.Bof());
    QVERIFY(!set.Eof());

    QStringList walked;
    while (!set.Eof()) {
        walked.append(set.FieldByName(u"f_index"_s).AsString());
        set.Next();
    }
    QCOMPARE(walked, QStringList({u"0301"_s, u"0302"_s, u"0303"_s}));
    QCOMPARE(set.RecNo(), 3);

    set.Prior();
    QCOMPARE(set.RecNo(), 2);
    QVERIFY(!set.Bof() && !set.Eof());
    const auto mark = set.GetBookmark();
    set.First();
    set.Prior();
    QVERIFY(set.Bof());
    QCOMPARE(set.RecNo(), 1);
    set.Last();
    QVERIFY(set.Eof());
    QCOMPARE(set.FieldByName(u"f_areaname"_s).AsString(), u"莆田市"_s);
    set.GotoBookmark(mark);
    QCOMPARE(set.FieldByName(u"f_index"_s).AsString(), u"0302"_s);

    // A bookmark follows its row, and fails once the row is gone.
    set.First();
    set.Delete();
    set.GotoBookmark(mark);
    QCOMPARE(set.FieldByName(u"f_index"_s).AsString(), u"0302"_s);
    set.Delete();
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.GotoBookmark(mark));

    set.Close();
    QVERIFY(!set.Active());
    QCOMPARE(set.RecordCount(), 0);
}

void TestDataAccess::localEditingStaysLocal() {
    TCustomRecordSet set;
    set.SetData(query(SelectSql(u"f_index,f_name"_s, u"t_dwxz"_s, u" order by f_index"_s)));
    const int rows = set.RecordCount();
    set.Edit();
    set.FieldByName(u"f_name"_s).SetAsString(u"改过"_s);
    set.Post();
    set.Append();
    set.FieldByName(u"f_index"_s).SetAsString(u"99"_s);
    set.Post();
    set.First();
    set.Next();
    set.Delete();

    const TDataPacket local = set.GetData();
    QCOMPARE(local.rows.size(), rows);
    QCOMPARE(local.rows.first().at(1).toString(), u"改过"_s);
    QCOMPARE(local.rows.last().at(0).toString(), u"99"_s);

    DirectDatabase direct;
    QCOMPARE(direct.count(u"t_dwxz"_s), rows);
    QCOMPARE(direct.value(u"select count(*) from t_dwxz where f_name='改过' or f_index='99'"_s),
             QVariant(0));

    // A packet is a value: the copy taken before the edits is unchanged by them.
    TCustomRecordSet other;
    other.SetData(local);
    QCOMPARE(other.GetData(), local);
}

void TestDataAccess::emptyDateIsNoDate() {
    DirectDatabase direct;
    QVERIFY(
        direct.exec(u"insert into t_grzl(f_id,f_borndate,f_worktime,f_bustime) values(?,?,?,?)"_s,
                    {IdA, u""_s, u"19900701"_s, QVariant()}));
    TCustomRecordSet set;
    set.SetData(query(SelectSql(u"f_borndate,f_worktime,f_bustime"_s, u"t_grzl"_s, QString())));
    QVERIFY(set.FieldByName(u"f_borndate"_s).AsDate().isNull());
    QCOMPARE(set.FieldByName(u"f_borndate"_s).AsString(), QString());
    QVERIFY(set.FieldByName(u"f_bustime"_s).AsDate().isNull());
    QCOMPARE(set.FieldByName(u"f_worktime"_s).AsDate(), QDate(1990, 7, 1));
}

void TestDataAccess::nextIndex() {
    QCOMPARE(NextIndex(u"t_study"_s), 1);
    DirectDatabase direct;
    QVERIFY(direct.exec(u"insert into t_study(f_id,f_index) values(?,3),(?,41),(?,7)"_s,
                        {IdA, IdB, IdA}));
    QCOMPARE(NextIndex(u"t_study"_s), 42);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, NextIndex(u"t_missing"_s));
}

void TestDataAccess::execSqlWithIndex_data() {
    QTest::addColumn<int>("highest"); // 0: empty table
    QTest::addColumn<int>("expected");
    QTest::newRow("empty table") << 0 << 6;
    QTest::newRow("below six") << 2 << 6;
    QTest::newRow("another applicant's 41") << 41 << 42;
}

void TestDataAccess::execSqlWithIndex() {
    QFETCH(int, highest);
    QFETCH(int, expected);
    DirectDatabase direct;
    if (highest > 0)
        QVERIFY(direct.exec(u"insert into t_study(f_id,f_index) values(?,?)"_s, {IdB, highest}));

    int number = 0;
    const QString statement =
        InsertSql(u"t_study"_s, u"f_id,f_year,f_index,f_nr"_s,
                  QuotedValue(IdA) + u",'2005', %s ,"_s + QuotedValue(u"增长50%s以上"_s));
    QVERIFY(ExecSqlWithIndex(statement, 1, u"t_study"_s, number));
    QCOMPARE(number, expected);
    QCOMPARE(direct.rows(u"select f_index,f_nr from t_study where f_id=?"_s, {IdA}),
             QList<QVariantList>({{expected, u"增长50%s以上"_s}}));

    // Without substitution the statement runs as written and the number is still handed out.
    number = 0;
    QVERIFY(ExecSqlWithIndex(InsertSql(u"t_study"_s, u"f_id,f_index"_s, QuotedValue(IdA) + u",1"_s),
                             0, u"t_study"_s, number));
    QCOMPARE(number, expected + 1);

    // With substitution a statement without its place for the number fails.
    number = 0;
    QVERIFY(
        !ExecSqlWithIndex(InsertSql(u"t_study"_s, u"f_id,f_index"_s, QuotedValue(IdA) + u",1"_s), 1,
                          u"t_study"_s, number));
    QVERIFY(!ExecSqlWithIndex(statement, 1, u"t_missing"_s, number));
    QCOMPARE(number, 0);
    QCOMPARE(direct.count(u"t_study"_s), highest > 0 ? 3 : 2);
    QVERIFY(env_->prompter.messages.isEmpty());
}

namespace {

// One row for each applicant in every applicant table.
void fillApplicantTables(DirectDatabase& direct) {
    QStringList tables = ApplicantRemovalTables;
    tables.append(u"t_kjal"_s);
    for (const QString& table : std::as_const(tables)) {
        for (const QString& id : {IdA, IdB})
            QVERIFY(direct.exec(u"insert into "_s + table + u"(f_id) values(?)"_s, {id}));
    }
}

} // namespace

void TestDataAccess::removeApplicant() {
    DirectDatabase direct;
    fillApplicantTables(direct);
    QVERIFY(RemoveApplicant(IdA));
    for (const QString& table : ApplicantRemovalTables) {
        QCOMPARE(direct.rows(u"select f_id from "_s + table).size(), 1);
        QCOMPARE(direct.value(u"select f_id from "_s + table).toString(), IdB);
    }
    QCOMPARE(direct.count(u"t_kjal"_s), 2);
    QVERIFY(env_->prompter.messages.isEmpty());
}

void TestDataAccess::removeUnknownApplicant() {
    DirectDatabase direct;
    fillApplicantTables(direct);
    QVERIFY(RemoveApplicant(u"00000000000000000000000000000000"_s));
    // An identifier that would close the literal removes nothing either.
    QVERIFY(RemoveApplicant(u"x' or '1'='1"_s));
    for (const QString& table : ApplicantRemovalTables)
        QCOMPARE(direct.count(table), 2);
}

void TestDataAccess::failingDeleteKeepsEverything() {
    DirectDatabase direct;
    fillApplicantTables(direct);
    // The ninth of the fourteen deletes fails; the eight before it must be undone.
    QVERIFY(direct.exec(u"create trigger refuse before delete on t_ksdb "
                        u"begin select raise(abort, 'refused'); end"_s));
    QVERIFY(!RemoveApplicant(IdA));
    for (const QString& table : ApplicantRemovalTables)
        QCOMPARE(direct.count(table), 2);
    QVERIFY(env_->prompter.messages.isEmpty());
}

void TestDataAccess::recordDataBlobRoundTrip() {
    QByteArray content(1024 * 1024, '\0');
    for (qsizetype i = 0; i < content.size(); ++i)
        content[i] = char((i * 7919) % 256 * (i % 3 != 0)); // every third byte zero
    QVERIFY(content.count('\0') > content.size() / 3);

    DirectDatabase direct;
    QVERIFY(direct.exec(u"insert into t_kjal(f_id,f_year) values(?,'2005')"_s, {IdA}));
    {
        TDbConnect connection;
        OpenLocalDatabase(connection);
        TAdoRecordData data;
        data.OpenCommand(connection,
                         SelectSql(u"*"_s, u"t_kjal"_s, u" and f_id="_s + QuotedValue(IdA)));
        QCOMPARE(data.RecordCount(), 1);
        QCOMPARE(data.TableName(), u"t_kjal"_s);
        data.Edit();
        data.FieldByName(u"f_content"_s).SetAsBytes(content);
        data.FieldByName(u"f_title"_s).SetAsString(u"案例'一'"_s);
        data.Post();
        data.ApplyBatch();
    }
    QCOMPARE(direct.count(u"t_kjal"_s), 1);
    QCOMPARE(direct.value(u"select typeof(f_content) from t_kjal"_s).toString(), u"blob"_s);
    QCOMPARE(direct.value(u"select f_content from t_kjal"_s).toByteArray(), content);

    TCustomRecordSet set;
    set.SetData(query(SelectSql(u"f_content,f_title"_s, u"t_kjal"_s, QString())));
    QCOMPARE(set.FieldByName(u"f_content"_s).AsBytes(), content);
    QCOMPARE(set.FieldByName(u"f_title"_s).AsString(), u"案例'一'"_s);
}

void TestDataAccess::recordDataEditAndDelete() {
    DirectDatabase direct;
    QVERIFY(direct.exec(u"insert into t_art(f_id,f_index,f_bj,f_subject) values(?,1,'2','a'),"
                        u"(?,2,'2','b'),(?,1,'2','other')"_s,
                        {IdA, IdA, IdB}));
    TDbConnect connection;
    OpenLocalDatabase(connection);
    TAdoRecordData data;
    data.OpenCommand(connection,
                     SelectSql(u"f_id,f_index,f_subject,f_bj"_s, u"t_art"_s,
                               u" and f_id="_s + QuotedValue(IdA) + u" order by f_index"_s));
    QCOMPARE(data.RecordCount(), 2);
    data.Edit();
    data.FieldByName(u"F_SUBJECT"_s).SetAsString(u"a2"_s);
    data.Next(); // moving on keeps the change
    data.Delete();
    data.Append();
    data.FieldByName(u"f_id"_s).SetAsString(IdA);
    data.FieldByName(u"f_index"_s).SetAsInteger(3);
    data.FieldByName(u"f_bj"_s).SetAsString(u"3"_s);
    data.ApplyBatch(); // posts the appended row first
    // A second batch after the first has nothing left to write twice.
    data.ApplyBatch();
    data.Edit();
    data.FieldByName(u"f_subject"_s).SetAsString(u"c"_s);
    data.ApplyBatch();

    QCOMPARE(
        direct.rows(u"select f_id,f_index,f_subject,f_bj from t_art order by f_id,f_index"_s),
        QList<QVariantList>(
            {{IdA, 1, u"a2"_s, u"2"_s}, {IdA, 3, u"c"_s, u"3"_s}, {IdB, 1, u"other"_s, u"2"_s}}));
}

void TestDataAccess::recordDataInsideOuterTransaction() {
    TDbConnect connection;
    OpenLocalDatabase(connection);
    connection.BeginUnlessInContext();
    TAdoRecordData data;
    data.OpenCommand(connection, u"select * from t_set where 1<>1"_s);
    QCOMPARE(data.RecordCount(), 0);
    QVERIFY(data.FieldNames().contains(u"f_value"_s));
    data.Append();
    data.FieldByName(u"f_bj"_s).SetAsString(u"version"_s);
    data.FieldByName(u"f_value"_s).SetAsString(u"0"_s);
    data.ApplyBatch();
    QVERIFY(connection.InTransaction());
    connection.RollbackUnlessInContext();

    DirectDatabase direct;
    QCOMPARE(direct.count(u"t_set"_s), 0);
}

void TestDataAccess::recordDataNeedsEditState() {
    DirectDatabase direct;
    QVERIFY(direct.exec(u"insert into t_grzlother(f_id,f_mz) values(?,'汉')"_s, {IdA}));
    TDbConnect connection;
    OpenLocalDatabase(connection);
    TAdoRecordData data;
    data.OpenCommand(connection,
                     SelectSql(u" * "_s, u"t_grzlother"_s, u" and f_id="_s + QuotedValue(IdA)));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, data.FieldByName(u"f_mz"_s).SetAsString(u"回"_s));
    QVERIFY_THROWS_EXCEPTION(DatabaseError,
                             data.OpenCommand(connection, u"update t_grzlother set f_mz='x'"_s));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, data.ApplyBatch());
    QCOMPARE(direct.value(u"select f_mz from t_grzlother"_s).toString(), u"汉"_s);
}

void TestDataAccess::missingFileNeverCreated() {
    QVERIFY(QFile::remove(SystemInfo.DbPath));
    TDataPacket packet;
    QVERIFY(!OpenQuery(SelectSql(u"*"_s, u"t_area"_s, QString()), packet));
    QCOMPARE(env_->prompter.messages.size(), 1);
    QVERIFY2(env_->prompter.messages.first().text.contains(SystemInfo.DbPath),
             qPrintable(env_->prompter.messages.first().text));
    QVERIFY(!ExecSql(u"create table t_x (a)"_s));
    QVERIFY(!RemoveApplicant(IdA));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, NextIndex(u"t_study"_s));
    QVERIFY(!QFile::exists(SystemInfo.DbPath));
}

void TestDataAccess::fileThatIsNoDatabase() {
    const QByteArray text = "这不是数据库\nnot a database at all, but long enough to look like one "
                            "to a careless reader of the first hundred bytes of a file.\n";
    {
        QFile file(SystemInfo.DbPath);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    TDataPacket packet;
    QVERIFY(!OpenQuery(SelectSql(u"*"_s, u"t_area"_s, QString()), packet));
    QCOMPARE(env_->prompter.messages.size(), 1);
    QVERIFY2(env_->prompter.messages.first().text.contains(u"不是有效的数据库"_s),
             qPrintable(env_->prompter.messages.first().text));
    QVERIFY(!ExecSql(u"create table t_x (a)"_s));
    QFile file(SystemInfo.DbPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), text);
}

void TestDataAccess::damagedFileOpenedReadOnly() {
    {
        DirectDatabase direct;
        for (int i = 0; i < 200; ++i)
            QVERIFY(direct.exec(u"insert into t_study(f_id,f_index,f_nr) values(?,?,?)"_s,
                                {IdA, i, QString(200, QChar(u'学'))}));
    }
    // Overwrite the middle of the file: the header stays intact, the tables do not.
    QFile file(SystemInfo.DbPath);
    QVERIFY(file.open(QIODevice::ReadWrite));
    const qint64 size = file.size();
    QVERIFY(size > 64 * 1024);
    file.seek(size / 2);
    file.write(QByteArray(16 * 1024, '\x5A'));
    file.close();

    TDbConnect connection;
    connection.SetConnectionString(BuildConnectionString(TDbKind::Access, SystemInfo.DbPath));
    connection.SetReadOnly(true);
    try {
        connection.Open();
        QFAIL("a damaged file was opened");
    } catch (const DatabaseError& error) {
        QVERIFY2(error.message().contains(u"已损坏"_s), qPrintable(error.message()));
    }
    QVERIFY(!connection.Connected());
}

void TestDataAccess::readOnlyConnectionRefusesWrites() {
    TDbConnect connection;
    connection.SetConnectionString(BuildConnectionString(TDbKind::Access, SystemInfo.DbPath));
    connection.SetReadOnly(true);
    connection.Open();
    QVERIFY(connection.Query(SelectSql(u"*"_s, u"t_area"_s, QString())).rows.size() > 10);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, connection.Execute(u"delete from t_area"_s));
    connection.CloseConnection();
    DirectDatabase direct;
    QVERIFY(direct.count(u"t_area"_s) > 10);
}

void TestDataAccess::lockedDatabaseFailsAfterTimeout_data() {
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("readsBlocked");
    QTest::newRow("another writer") << u"begin immediate"_s << false;
    QTest::newRow("exclusive") << u"begin exclusive"_s << true;
}

void TestDataAccess::lockedDatabaseFailsAfterTimeout() {
    QFETCH(QString, lock);
    QFETCH(bool, readsBlocked);
    const CommandTimeoutGuard timeout(std::chrono::milliseconds(150));
    const QString insert = InsertSql(u"t_edu"_s, u"f_id,f_index"_s, QuotedValue(IdA) + u",1"_s);
    {
        DirectDatabase other;
        QVERIFY(other.exec(lock));
        QVERIFY(!ExecSql(insert));
        int number = 0;
        QVERIFY(
            !ExecSqlWithIndex(InsertSql(u"t_edu"_s, u"f_id,f_index"_s, QuotedValue(IdA) + u",%s"_s),
                              1, u"t_edu"_s, number));
        QVERIFY(!RemoveApplicant(IdA));
        QVERIFY(env_->prompter.messages.isEmpty());

        TDataPacket packet;
        QCOMPARE(OpenQuery(SelectSql(u"*"_s, u"t_area"_s, QString()), packet), !readsBlocked);
        QCOMPARE(env_->prompter.messages.size(), readsBlocked ? 1 : 0);
        QVERIFY(other.exec(u"rollback"_s));
    }
    QVERIFY(ExecSql(insert));
    DirectDatabase direct;
    QCOMPARE(direct.count(u"t_edu"_s), 1);
}

void TestDataAccess::thousandOperationsLeaveNoConnection() {
    const WarningCatcher catcher;
    for (int i = 0; i < 500; ++i) {
        QVERIFY(ExecSql(InsertSql(u"t_bursar"_s, u"f_id,f_index"_s,
                                  QuotedValue(IdA) + u","_s + BareNumber(qint64(i)))));
        TDataPacket packet;
        QVERIFY(OpenQuery(SelectSql(u"count(*) as n"_s, u"t_bursar"_s, QString()), packet));
        QCOMPARE(packet.rows.first().first().toInt(), i + 1);
    }
    {
        // Two connections at the same time have names of their own.
        TDbConnect first;
        TDbConnect second;
        OpenLocalDatabase(first);
        OpenLocalDatabase(second);
        QCOMPARE(QSqlDatabase::connectionNames().size(), 2);
        TAdoRecordData data;
        data.OpenCommand(first, SelectSql(u"*"_s, u"t_bursar"_s, QString()));
        TCustomRecordSetQuery reader;
        reader.OpenSql(second, SelectSql(u"*"_s, u"t_bursar"_s, QString()));
        QCOMPARE(data.RecordCount(), reader.RecordCount());
    }
    QVERIFY2(QSqlDatabase::connectionNames().isEmpty(),
             qPrintable(QSqlDatabase::connectionNames().join(u", "_s)));
    QVERIFY2(WarningCatcher::caught().isEmpty(), qPrintable(WarningCatcher::caught().join(u'\n')));
}

QTEST_GUILESS_MAIN(TestDataAccess)
#include "tst_dataaccess.moc"
