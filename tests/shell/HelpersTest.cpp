#include "HelpersTest.h"

#include "FilterNumericKey.h"
#include "Helpers.h"
#include "PasswordEncoder.h"
#include "SystemInfo.h"
#include "TestEnvironment.h"

#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

void HelpersTest::startUpPaths_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("appPath");
    QTest::addColumn<QString>("dbPath");
    QTest::newRow("folder") << "/opt/prog"
                            << "/opt/prog/"
                            << "/opt/prog/database/ledgerev.mdb";
    QTest::newRow("trailing separator") << "/opt/prog/"
                                        << "/opt/prog/"
                                        << "/opt/prog/database/ledgerev.mdb";
    QTest::newRow("file-system root") << "/"
                                      << "/"
                                      << "/database/ledgerev.mdb";
#ifdef Q_OS_WIN
    QTest::newRow("drive root") << "C:\\"
                                << "C:/"
                                << "C:/database/ledgerev.mdb";
#endif
}

void HelpersTest::startUpPaths() {
    QFETCH(QString, folder);
    QFETCH(QString, appPath);
    QFETCH(QString, dbPath);
    InitSystemInfo(folder);
    QCOMPARE(SystemInfo.AppPath, appPath);
    QCOMPARE(SystemInfo.DbPath, dbPath);
    QCOMPARE(SystemInfo.DbExt, QStringLiteral(".mdb"));
    QCOMPARE(SystemInfo.DbKind, TDbKind::Access);
    QCOMPARE(SystemInfo.AuthMode, 1);
    QVERIFY(SystemInfo.Server.isEmpty() && SystemInfo.DbUser.isEmpty() &&
            SystemInfo.DbPassword.isEmpty());
}

void HelpersTest::dbKindFromNumber() {
    QCOMPARE(DbKindFromNumber(1), TDbKind::Access);
    QCOMPARE(DbKindFromNumber(2), TDbKind::SqlServer);
    QCOMPARE(DbKindFromNumber(3), TDbKind::Oracle);
    QVERIFY(DbKindFromNumber(4) != TDbKind::Access && DbKindFromNumber(4) != TDbKind::SqlServer &&
            DbKindFromNumber(4) != TDbKind::Oracle);
}

void HelpersTest::settings() {
    TestEnvironment env;
    const QString key = QStringLiteral("Quorvane");
    QCOMPARE(ReadSetting(key, QStringLiteral("systemlogin"), QStringLiteral("loginyear"),
                         QStringLiteral("none")),
             QStringLiteral("none"));
    WriteSetting(key, QStringLiteral("Accessdataout"), QStringLiteral("Outpath"),
                 QStringLiteral("/tmp/out"));
    // The section exists now, but this value does not.
    QCOMPARE(ReadSetting(key, QStringLiteral("Accessdataout"), QStringLiteral("Inpath"),
                         QStringLiteral("dflt")),
             QStringLiteral("dflt"));
    QCOMPARE(
        ReadSetting(key, QStringLiteral("Accessdataout"), QStringLiteral("Outpath"), QString()),
        QStringLiteral("/tmp/out"));
    WriteSetting(key, QStringLiteral("Accessdataout"), QStringLiteral("Outpath"), QString());
    QCOMPARE(ReadSetting(key, QStringLiteral("Accessdataout"), QStringLiteral("Outpath"),
                         QStringLiteral("dflt")),
             QString());
}

void HelpersTest::dashedAndCompactDates_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("dashed");
    QTest::addColumn<QString>("compact");
    QTest::newRow("stored") << "20050102"
                            << "2005-01-02"
                            << "20050102";
    QTest::newRow("shown") << "2005-01-02"
                           << "2005-01-02"
                           << "20050102";
    QTest::newRow("short parts") << "2005-1-2"
                                 << "2005-01-02"
                                 << "20050102";
    QTest::newRow("blanks around") << " 20051231 "
                                   << "2005-12-31"
                                   << "20051231";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("blank") << "   "
                           << ""
                           << "";
}

void HelpersTest::dashedAndCompactDates() {
    QFETCH(QString, text);
    QFETCH(QString, dashed);
    QFETCH(QString, compact);
    QCOMPARE(DashedDate(text), dashed);
    QCOMPARE(CompactDate(text), compact);
}

void HelpersTest::dateFromText() {
    QCOMPARE(DateFromText(QStringLiteral("20050102")), QDate(2005, 1, 2));
    QCOMPARE(DateFromText(QString()), QDate::currentDate());
    QCOMPARE(DateFromText(QStringLiteral("00000000")), QDate::currentDate());
    QCOMPARE(DateFromText(QStringLiteral("0000-00-00")), QDate::currentDate());
    QVERIFY_THROWS_EXCEPTION(ConversionError, DateFromText(QStringLiteral("20051340")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, DashedDate(QStringLiteral("2005-13-01")));
}

void HelpersTest::numericKeyFilter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("allowMinus");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QChar>("key");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("third decimal refused") << "12.34" << 5 << false << 2 << QChar(u'5') << false;
    QTest::newRow("digit before the point") << "12.34" << 1 << false << 2 << QChar(u'5') << true;
    QTest::newRow("second decimal") << "12.3" << 4 << false << 2 << QChar(u'5') << true;
    QTest::newRow("minus at start") << "5" << 0 << true << 2 << QChar(u'-') << true;
    QTest::newRow("second minus") << "-5" << 0 << true << 2 << QChar(u'-') << false;
    QTest::newRow("minus inside") << "5" << 1 << true << 2 << QChar(u'-') << false;
    QTest::newRow("minus not allowed") << "5" << 0 << false << 2 << QChar(u'-') << false;
    QTest::newRow("second point") << "1.5" << 3 << false << 2 << QChar(u'.') << false;
    QTest::newRow("point without decimals") << "15" << 2 << false << 0 << QChar(u'.') << false;
    QTest::newRow("letter") << "15" << 2 << true << 2 << QChar(u'a') << false;
    QTest::newRow("enter") << "12.34" << 5 << false << 2 << QChar(13) << true;
    QTest::newRow("backspace") << "12.34" << 5 << false << 2 << QChar(8) << true;
}

void HelpersTest::numericKeyFilter() {
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(bool, allowMinus);
    QFETCH(int, decimals);
    QFETCH(QChar, key);
    QFETCH(bool, accepted);
    QLineEdit edit(text);
    edit.setCursorPosition(caret);
    QChar typed = key;
    FilterNumericKey(&edit, allowMinus, decimals, typed);
    QCOMPARE(typed, accepted ? key : QChar(0));
}

void HelpersTest::countOccurrences_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("count");
    QTest::newRow("commas") << "a,b,c"
                            << "," << 2;
    QTest::newRow("overlapping") << "aaa"
                                 << "aa" << 2;
    QTest::newRow("trimmed") << "  01,03 "
                             << "01,03" << 1;
    QTest::newRow("empty part") << "abc"
                                << "" << 0;
    QTest::newRow("part longer") << "ab"
                                 << "abc" << 0;
    QTest::newRow("chinese") << "中直中直"
                             << "中直" << 2;
}

void HelpersTest::countOccurrences() {
    QFETCH(QString, text);
    QFETCH(QString, part);
    QFETCH(int, count);
    QCOMPARE(CountOccurrences(text, part), count);
}

void HelpersTest::parseNumbers() {
    QCOMPARE(ParseAmount(QStringLiteral(" 1,234.5 ")), 1234.5);
    QCOMPARE(ParseAmount(QString()), 0.0);
    QCOMPARE(ParseCount(QStringLiteral("1,200")), 1200);
    QCOMPARE(ParseCount(QStringLiteral("  ")), 0);
    QVERIFY_THROWS_EXCEPTION(ConversionError, ParseAmount(QStringLiteral("12元")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, ParseCount(QStringLiteral("1.5")));
    QCOMPARE(ZeroIfTiny(1e-9), 0.0);
    QCOMPARE(ZeroIfTiny(-2e-8), -2e-8);
    QCOMPARE(RepeatStr(QStringLiteral("G"), 3), QStringLiteral("GGG"));
    QCOMPARE(RepeatStr(QStringLiteral("G"), -1), QString());
}

void HelpersTest::lineCountAndPadLines() {
    const QString text41 = QString(41, QLatin1Char('x'));
    QCOMPARE(LineCount(text41, 10), 3);
    QCOMPARE(LineCount(QString(40, QLatin1Char('x')), 10), 2);
    QCOMPARE(LineCount(QStringLiteral("   "), 10), 1);
    // Ten Chinese characters fill one 20-byte line exactly; eleven need two.
    QCOMPARE(LineCount(QString(10, QChar(0x4E2D)), 10), 1);
    QCOMPARE(LineCount(QString(11, QChar(0x4E2D)), 10), 2);
    QCOMPARE(PadLines(text41, 5, 10), text41 + QStringLiteral("\r\r"));
    QCOMPARE(PadLines(QStringLiteral(" ab "), 1, 10), QStringLiteral("ab"));
}

void HelpersTest::wrapTextKeepsDoubleByteCharacters() {
    // "a" then Chinese characters: every full line would end in the middle of one.
    const QString text = QStringLiteral("a") + QString(30, QChar(0x4E2D));
    int lines = 0;
    QString result;
    WrapText(text, 5, lines, result);
    const QStringList parts = result.split(QStringLiteral("\r\n\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(parts.size(), lines);
    QCOMPARE(parts.first(), QStringLiteral("    a") + QString(4, QChar(0x4E2D)));
    QString joined;
    for (const QString& part : parts) {
        const QString line = part.trimmed();
        QVERIFY(GbkLength(line) <= 12);
        joined += line;
    }
    QCOMPARE(joined, text);
}

void HelpersTest::wrapTextLayout() {
    int lines = 0;
    QString result;
    WrapText(QStringLiteral("  short  "), 10, lines, result);
    QCOMPARE(lines, 1);
    QCOMPARE(result, QStringLiteral("short"));

    WrapText(QStringLiteral("abcdefghijklmnopqrstuvwxyz"), 5, lines, result);
    QCOMPARE(lines, 3);
    QCOMPARE(result, QStringLiteral("    abcdefghij\r\n\r\n klmnopqrstuv\r\n\r\n wxyz\r\n\r\n"));
}

void HelpersTest::unencodableCharactersCountAsOneByte() {
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    QCOMPARE(GbkLength(emoji), 1);
    QCOMPARE(GbkLength(QStringLiteral("个人a")), 5);
    int lines = 0;
    QString result;
    WrapText(emoji.repeated(25), 5, lines, result);
    QCOMPARE(lines, 3);
    QCOMPARE(LineCount(emoji.repeated(25), 5), 3);
    QCOMPARE(SubstituteChars(emoji, QStringLiteral("ABC")), QStringLiteral("0"));
}

void HelpersTest::substituteChars() {
    // i=1, j=1: n - (3 mod 4) = 1 -> "A"; i=2 ("B"), j=2: n - (6 mod 4) = 2 -> "B";
    // i=3 ("z" is missing) -> "0"; i=4 ("d"), j=4: n - (12 mod 4) = 4 -> "D".
    QCOMPARE(SubstituteChars(QStringLiteral("ABzD"), QStringLiteral("ABCD")),
             QStringLiteral("AB0D"));
    QCOMPARE(SubstituteChars(QStringLiteral("C"), QStringLiteral("abcd")), QStringLiteral("0"));
    // i=1 "B", j=2: 4 - (4 mod 4) = 4 -> "D"; i=2 "A", j=1: 4 - (5 mod 4) = 3 -> "C".
    QCOMPARE(SubstituteChars(QStringLiteral("BA"), QStringLiteral("ABCD")), QStringLiteral("DC"));
    // The result is upper case: "c" maps to the alphabet's own "c".
    QCOMPARE(SubstituteChars(QStringLiteral("c"), QStringLiteral("abcd")), QStringLiteral("C"));
}

void HelpersTest::newRecordId() {
    const QRegularExpression hex32(QStringLiteral("^[0-9A-F]{32}$"));
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        const QString id = NewRecordId();
        QVERIFY2(hex32.match(id).hasMatch(), qPrintable(id));
        seen.insert(id);
    }
    QCOMPARE(seen.size(), 100);
}

void HelpersTest::encodePassword() {
    const QRegularExpression finalAlphabet(QStringLiteral("^[0-9A-NP-Z]*$"));
    const QString empty = EncodePassword(1, QString(), QString());
    QCOMPARE(empty.size(), 8);
    const QString encoded = EncodePassword(7, QStringLiteral("zhang"), QStringLiteral("abc123"));
    QCOMPARE(encoded.size(), 5 + 6 + 2);
    QVERIFY(finalAlphabet.match(encoded).hasMatch());
    QCOMPARE(EncodePassword(7, QStringLiteral("ZHANG"), QStringLiteral("ABC123")), encoded);
    QVERIFY(EncodePassword(7, QStringLiteral("zhang"), QStringLiteral("abc124")) != encoded);
    // "个人" is four GBK bytes, none in the final alphabet: four "0"s among 2 + 4 + 2.
    const QString chinese = EncodePassword(1, QStringLiteral("个人"), QStringLiteral("pw"));
    QCOMPARE(chinese.size(), 8);
    QCOMPARE(chinese.mid(2, 4), QStringLiteral("0000"));
    // The final alphabet lacks four symbols; none of them can appear.
    QString all;
    for (int i = 0; i < 200; ++i)
        all += EncodePassword(i, QString::number(i * 7919), QString::number(i));
    int absent = 0;
    for (QChar c : QStringLiteral("0123456789ABCDEFGHIJKLMNPQRSTUVWXYZ"))
        absent += all.contains(c) ? 0 : 1;
    QVERIFY(absent >= 4);
}

void HelpersTest::programFileIgnoresLetterCase() {
    TestEnvironment env;
    QDir(env.programFolder()).mkpath(QStringLiteral("ModeData"));
    QFile file(env.programFolder() + QStringLiteral("ModeData/modedb.mdb"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(ProgramFile(QStringLiteral("modedata/modedb.mdb")),
             env.programFolder() + QStringLiteral("ModeData/modedb.mdb"));
    QCOMPARE(ProgramFile(QStringLiteral("BkPicture/BkPic.Bmp")),
             env.programFolder() + QStringLiteral("BkPicture/BkPic.Bmp"));
}

void HelpersTest::folders() {
    QTemporaryDir temp;
    const QString folder = temp.filePath(QStringLiteral("数据上报"));
    QVERIFY(EnsureFolder(folder, false));
    QVERIFY(QDir(folder).exists());
    QFile inside(folder + QStringLiteral("/a.mdb"));
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.close();
    QVERIFY(EnsureFolder(folder, false));
    QVERIFY(inside.exists());
    // Remove-first deletes the folder with its contents and does not create it again.
    QVERIFY(EnsureFolder(folder, true));
    QVERIFY(!QDir(folder).exists());
    QVERIFY(!RemoveFolder(folder));
    QVERIFY(!EnsureFolder(temp.filePath(QStringLiteral("a/b")), false));
}
