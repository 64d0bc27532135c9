// The statement shapes and the helpers that put values into statements, without a database.

#include "AdoDbCustom.h"
#include "DatabaseError.h"
#include "Statements.h"
#include "SystemInfo.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestStatements : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void connectionString_data();
    void connectionString();
    void shapes();
    void quotedValue_data();
    void quotedValue();
    void bareNumber_data();
    void bareNumber();
    void bareNumberFromNumbers();
    void translate_data();
    void translate();
    void placeholder_data();
    void placeholder();
    void splitStatements();
};

void TestStatements::connectionString_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("authMode");
    QTest::addColumn<QString>("expected");

    QTest::newRow("access") << 0 << 1
                            << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/app/database/"
                               u"ledgerev.mdb;Jet OLEDB:Database Password=qzmvt"_s;
    QTest::newRow("access ignores auth mode")
        << 0 << 0
        << u"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/app/database/ledgerev.mdb;"
           u"Jet OLEDB:Database Password=qzmvt"_s;
    QTest::newRow("server, password")
        << 1 << 1
        << u"Provider=SQLOLEDB.1;Server=db01;UID=sa;pwd=se;cret;Database=/app/database/"
           u"ledgerev.mdb"_s;
    QTest::newRow("server, integrated security")
        << 1 << 0
        << u"Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;"
           u"User ID=sa;Initial Catalog=/app/database/ledgerev.mdb;Data Source=db01"_s;
    QTest::newRow("server, other auth mode")
        << 1 << 7
        << u"Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;"
           u"User ID=sa;Initial Catalog=/app/database/ledgerev.mdb;Data Source=db01"_s;
    QTest::newRow("oracle") << 2 << 1
                            << u"Provider=MSDAORA;Server=;UID=;pwd=;Database=/app/database/"
                               u"ledgerev.mdb"_s;
    QTest::newRow("kind 3") << 3 << 1 << QString();
    QTest::newRow("kind 255") << 255 << 1 << QString();
}

void TestStatements::connectionString() {
    QFETCH(int, kind);
    QFETCH(int, authMode);
    QFETCH(QString, expected);
    SystemInfo.Server = u"db01"_s;
    SystemInfo.DbUser = u"sa"_s;
    SystemInfo.DbPassword = u"se;cret"_s; // inserted verbatim, as every argument is
    SystemInfo.AuthMode = authMode;
    QCOMPARE(BuildConnectionString(static_cast<TDbKind>(kind), u"/app/database/ledgerev.mdb"_s),
             expected);
}

void TestStatements::shapes() {
    QCOMPARE(
        SelectSql(u"f_id,f_yhh as f_index"_s, u"t_grzl"_s, u" and f_id='A' order by f_index"_s),
        u"select f_id,f_yhh as f_index from t_grzl where 1=1  and f_id='A' order by f_index"_s);
    QCOMPARE(SelectSql(u"*"_s, u"t_area"_s, QString()), u"select * from t_area where 1=1 "_s);
    QCOMPARE(InsertSql(u"t_edu"_s, u"f_id,f_index"_s, u"'A',1"_s),
             u"insert into t_edu(f_id,f_index) values('A',1)"_s);
    QCOMPARE(UpdateSql(u"t_edu"_s, u"f_edulevel='x',f_index=2"_s, u" and f_id='A'"_s),
             u"update t_edu set f_edulevel='x',f_index=2 where 1=1  and f_id='A'"_s);
    QCOMPARE(DeleteSql(u"t_edu"_s, u" and f_id='A'"_s),
             u"delete from t_edu where 1=1  and f_id='A'"_s);
    // Arguments holding Qt's own place markers stay as they are.
    QCOMPARE(DeleteSql(u"t_edu"_s, u" and f_id='%1%2'"_s),
             u"delete from t_edu where 1=1  and f_id='%1%2'"_s);
}

void TestStatements::quotedValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"abc"_s << u"'abc'"_s;
    QTest::newRow("empty") << QString() << u"''"_s;
    QTest::newRow("apostrophe") << u"O'Neil"_s << u"'O''Neil'"_s;
    QTest::newRow("only apostrophes") << u"''"_s << u"''''''"_s;
    QTest::newRow("double quote, backslash") << u"a\"b\\"_s << u"'a\"b\\'"_s;
    QTest::newRow("full-width quote kept") << u"会计’师"_s << u"'会计’师'"_s;
    QTest::newRow("marker characters dropped") << u"1\uFDD02\uFDD1"_s << u"'12'"_s;
}

void TestStatements::quotedValue() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(QuotedValue(text), expected);
}

void TestStatements::bareNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("accepted"); // empty: refused
    QTest::newRow("integer") << u"6"_s << u"6"_s;
    QTest::newRow("trimmed") << u" 42 "_s << u"42"_s;
    QTest::newRow("negative decimal") << u"-1.50"_s << u"-1.50"_s;
    QTest::newRow("leading point") << u".5"_s << u".5"_s;
    QTest::newRow("exponent") << u"1e3"_s << u"1e3"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("letters") << u"abc"_s << QString();
    QTest::newRow("condition") << u"1 or 1=1"_s << QString();
    QTest::newRow("second statement") << u"1;delete from t_grzl"_s << QString();
    QTest::newRow("comment") << u"1--"_s << QString();
    QTest::newRow("double sign") << u"--1"_s << QString();
    QTest::newRow("hexadecimal") << u"0x10"_s << QString();
    QTest::newRow("thousands separator") << u"1,000"_s << QString();
    QTest::newRow("full-width digits") << u"１２"_s << QString();
    QTest::newRow("apostrophe") << u"1'"_s << QString();
}

void TestStatements::bareNumber() {
    QFETCH(QString, text);
    QFETCH(QString, accepted);
    const QString statement = DeleteSql(u"t_edu"_s, u" and f_index="_s + BareNumber(text));
    if (accepted.isEmpty()) {
        try {
            TranslateStatement(statement);
            QFAIL("a statement with a value that is no number was let through");
        } catch (const DatabaseError& error) {
            QVERIFY2(error.message().contains(text), qPrintable(error.message()));
        }
    } else {
        QCOMPARE(BareNumber(text), accepted);
        QCOMPARE(TranslateStatement(statement),
                 u"delete from t_edu where 1=1  and f_index="_s + accepted);
    }
}

void TestStatements::bareNumberFromNumbers() {
    QCOMPARE(BareNumber(qint64(-41)), u"-41"_s);
    QCOMPARE(BareNumber(0.1), u"0.1"_s);
    QCOMPARE(BareNumber(12345.678), u"12345.678"_s);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, TranslateStatement(BareNumber(qInf())));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, TranslateStatement(BareNumber(qQNaN())));
}

void TestStatements::translate_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("expected");
    QTest::newRow("delete star") << u"delete * from t_edu where f_id='A'"_s
                                 << u"delete from t_edu where f_id='A'"_s;
    QTest::newRow("upper case, spaces") << u"  DELETE  *  FROM t_Edu"_s << u"  DELETE FROM t_Edu"_s;
    QTest::newRow("no blank before star") << u"delete* from t"_s << u"delete from t"_s;
    QTest::newRow("plain delete unchanged") << u"delete from t_edu"_s << u"delete from t_edu"_s;
    QTest::newRow("text inside a value unchanged")
        << u"update t_edu set f_edulevel='delete * from x'"_s
        << u"update t_edu set f_edulevel='delete * from x'"_s;
    QTest::newRow("select star unchanged") << u"select * from t_edu"_s << u"select * from t_edu"_s;
}

void TestStatements::translate() {
    QFETCH(QString, statement);
    QFETCH(QString, expected);
    QCOMPARE(TranslateStatement(statement), expected);
}

void TestStatements::placeholder_data() {
    QTest::addColumn<QString>("statement");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one") << u"insert into t_study(f_id,f_index) values('A', %s )"_s << true
                         << u"insert into t_study(f_id,f_index) values('A', 7 )"_s;
    QTest::newRow("typed inside a value")
        << u"insert into t_study(f_id,f_nr,f_index) values('A','50%s and ''%s''', %s )"_s << true
        << u"insert into t_study(f_id,f_nr,f_index) values('A','50%s and ''%s''', 7 )"_s;
    QTest::newRow("none") << u"insert into t_study(f_id) values('A')"_s << false
                          << u"insert into t_study(f_id) values('A')"_s;
    QTest::newRow("two") << u"insert into t_study(f_index,f_nr) values(%s,%s)"_s << false
                         << u"insert into t_study(f_index,f_nr) values(%s,%s)"_s;
}

void TestStatements::placeholder() {
    QFETCH(QString, statement);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    QCOMPARE(SubstitutePlaceholder(statement, u"7"_s), ok);
    QCOMPARE(statement, expected);
}

void TestStatements::splitStatements() {
    const QString script = u"-- a comment; with 'quotes\n"
                           u"create table a (x TEXT);\n"
                           u"insert into a values ('one; two');\n\n"
                           u"insert into a values ('it''s')"_s;
    QCOMPARE(SplitStatements(script),
             QStringList({u"create table a (x TEXT)"_s, u"insert into a values ('one; two')"_s,
                          u"insert into a values ('it''s')"_s}));
}

QTEST_GUILESS_MAIN(TestStatements)
#include "tst_datastatements.moc"
