// The admission rules of the dossier, driven through the real window: what is typed, which
// boxes come up in which order, and what the database holds afterwards.

#include "DossierGrids.h"
#include "FlatGrid.h"
#include "ModalDriver.h"
#include "PopupEdit.h"
#include "Prompter.h"
#include "SystemInfo.h"
#include "TestDatabase.h"
#include "TestEnvironment.h"
#include "frmgrzl.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <functional>

using namespace DossierGrids;

using Arrange = std::function<void(Tfrm_grzl&)>;
Q_DECLARE_METATYPE(Arrange)

namespace {

const QString Year = QStringLiteral("2006");
const QString Caption = QStringLiteral("提示信息");

// Two stored applicants of the year; the window opens on the first by card number.
const QString StoredId = QStringLiteral("00000000000000000000000000000001");
const QString StoredCard = QStringLiteral("35010219700101123X");
const QString OtherCard = QStringLiteral("350102197502021234");
const QString NewCard = QStringLiteral("350102198001011234");

// Marks a save of the stored applicant: the post date is no rule's business.
const QDate MarkerDate(2001, 2, 3);

template <class T> T* find(Tfrm_grzl& window, const char* name) {
    return Child<T>(&window, QLatin1String(name));
}

QLineEdit* edit(Tfrm_grzl& window, const char* name) {
    return find<QLineEdit>(window, name);
}

void choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

QString ok(const QString& text) {
    return QStringLiteral("0|") + Caption + QLatin1Char('|') + text;
}

QString info(const QString& text) {
    return QStringLiteral("64|") + Caption + QLatin1Char('|') + text;
}

QString question(int years) {
    return QStringLiteral(
               "4||你的有效参评时间只有%1年，你不能参加高级会计师资格评审，数据是否保存！")
        .arg(years);
}

QStringList recorded(const ScriptedPrompter& prompter) {
    QStringList result;
    for (const auto& m : prompter.messages)
        result << QString::number(m.flags) + QLatin1Char('|') + m.caption + QLatin1Char('|') +
                      m.text;
    return result;
}

void storeApplicant(DirectDatabase& db, const QString& id, const QString& name,
                    const QString& card) {
    QVERIFY(db.exec(
        QStringLiteral("insert into t_grzl(f_id,f_year,f_name,f_cardid,f_bm,f_workdw,f_postalcode,"
                       "f_area,f_address,f_dwlb,f_telephone,f_handset,f_zclettercode,"
                       "f_nowbusiness,f_result,f_hgzHao,F_kjzhao,f_zcvalitime,f_pg,f_nowzc) "
                       "values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
        {id,
         Year,
         name,
         card,
         QStringLiteral("省财政厅职改办"),
         QStringLiteral("财政厅"),
         QStringLiteral("350001"),
         QStringLiteral("省直"),
         QStringLiteral("福州市中山路1号"),
         QStringLiteral("事业单位"),
         QStringLiteral("0591-1234567"),
         QStringLiteral("13900000000"),
         QStringLiteral("ZC-1"),
         QStringLiteral("科长"),
         QStringLiteral("61.00"),
         QStringLiteral("FJ0512345"),
         QStringLiteral("KJ-1"),
         QStringLiteral("20000101"),
         QStringLiteral("0"),
         QStringLiteral("会计师")}));
    QVERIFY(db.exec(QStringLiteral("insert into t_edu(f_id,f_year,f_index,f_edulevel,f_specialty,"
                                   "f_eduschool,f_edutime,f_issecondedu) "
                                   "values(?,?,3,?,?,?,?,'0')"),
                    {id, Year, QStringLiteral("本科学历"), QStringLiteral("会计专业"),
                     QStringLiteral("厦门大学"), QStringLiteral("19920701")}));
    QVERIFY(db.exec(QStringLiteral("insert into t_art(f_id,f_year,f_index,f_subcn,f_subject,"
                                   "f_publication,f_pubtime,f_place,f_bj) "
                                   "values(?,?,1,?,?,?,?,?,'1')"),
                    {id, Year, QStringLiteral("CN35-1001"), QStringLiteral("论成本控制"),
                     QStringLiteral("<<福建财会研究>>"), QStringLiteral("20050301"),
                     QStringLiteral("独著")}));
}

// Every field a new dossier needs, filled so that each rule passes.
void fillNewDossier(Tfrm_grzl& window) {
    edit(window, "edtname")->setText(QStringLiteral("张三"));
    edit(window, "edtcard")->setText(NewCard);
    choose(find<QComboBox>(window, "cmbarea"), QStringLiteral("省直"));
    choose(find<QComboBox>(window, "cmbdwlb"), QStringLiteral("事业单位"));
    find<QComboBox>(window, "cmbDept")->setCurrentText(QStringLiteral("省财政厅职改办"));
    edit(window, "edtworkdw")->setText(QStringLiteral("财政厅"));
    edit(window, "edtpostalcode")->setText(QStringLiteral("350001"));
    edit(window, "edtaddress")->setText(QStringLiteral("福州市中山路1号"));
    edit(window, "edttelephone")->setText(QStringLiteral("0591-1234567"));
    edit(window, "edthandset")->setText(QStringLiteral("13900000000"));
    auto* levels = find<FlatGrid>(window, "dtlXL1");
    levels->setCellText(2, Level::School, QStringLiteral("厦门大学"));
    levels->setCellText(2, Level::Specialty, QStringLiteral("会计专业"));
    find<QDateEdit>(window, "dtpzctime")->setDate(QDate(2000, 1, 1));
    edit(window, "edtzccode")->setText(QStringLiteral("ZC-2"));
    edit(window, "edtNowBus")->setText(QStringLiteral("科长"));
    edit(window, "edtresult")->setText(QStringLiteral("61.00"));
    edit(window, "edtKSHGZH")->setText(QStringLiteral("FJ0512345"));
    edit(window, "edtkjhao")->setText(QStringLiteral("KJ-2"));
}

void setText(Tfrm_grzl& window, const char* name, const QString& text) {
    edit(window, name)->setText(text);
}

Arrange text(const char* name, const QString& value) {
    return [name, value](Tfrm_grzl& window) { setText(window, name, value); };
}

Arrange cell(const char* grid, int row, int column, const QString& value) {
    return
        [=](Tfrm_grzl& window) { find<FlatGrid>(window, grid)->setCellText(row, column, value); };
}

Arrange all(const QList<Arrange>& steps) {
    return [steps](Tfrm_grzl& window) {
        for (const Arrange& step : steps)
            step(window);
    };
}

Arrange exception(const QString& answer, const QString& conditions) {
    return [=](Tfrm_grzl& window) {
        choose(find<QComboBox>(window, "cmbpg"), answer);
        find<PopupEdit>(window, "dpePGTJ")->setText(conditions);
    };
}

Arrange date(const char* name, int year) {
    return [=](Tfrm_grzl& window) { find<QDateEdit>(window, name)->setDate(QDate(year, 6, 1)); };
}

Arrange doctorate() {
    return all({cell("dtlXL1", 4, Level::School, QStringLiteral("北京大学")),
                cell("dtlXL1", 4, Level::Specialty, QStringLiteral("会计专业")),
                cell("dtlXL1", 4, Level::Graduated, QStringLiteral("2004-07-01"))});
}

Arrange formerTitle(const QString& code) {
    return [=](Tfrm_grzl& window) {
        find<QComboBox>(window, "cmbOldZC")->setCurrentText(QStringLiteral("经济师"));
        setText(window, "edtoldzccode", code);
    };
}

Arrange emptyCombo(const char* name) {
    return [=](Tfrm_grzl& window) {
        auto* combo = find<QComboBox>(window, name);
        if (combo->isEditable())
            combo->setEditText(QString());
        else
            combo->setCurrentIndex(-1);
    };
}

Arrange none() {
    return [](Tfrm_grzl&) {};
}

// One case of the rules table.
void addCase(const char* name, bool stored, const Arrange& arrange, const QStringList& messages,
             bool saved, const QList<int>& answers = {},
             const QStringList& months = {QStringLiteral("200501"), QStringLiteral("200712")}) {
    QTest::newRow(name) << stored << arrange << answers << messages << saved << months;
}

} // namespace

class ValidationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void rules_data();
    void rules();
    void requiredFieldsInOrder_data();
    void requiredFieldsInOrder();
    void birthDateOnLeavingTheCard_data();
    void birthDateOnLeavingTheCard();
    void certificateOnLeavingItsBox_data();
    void certificateOnLeavingItsBox();
    void anotherWindowTakingTheFocusIsNoExit();

private:
    std::unique_ptr<TestEnvironment> env_;
};

void ValidationTest::init() {
    env_ = std::make_unique<TestEnvironment>();
    QVERIFY(CreateTestDatabase(DatabaseContent::WithCodeTables));
    LoginYear = Year;
    DirectDatabase db;
    storeApplicant(db, StoredId, QStringLiteral("王五"), StoredCard);
    storeApplicant(db, QStringLiteral("00000000000000000000000000000002"), QStringLiteral("李四"),
                   OtherCard);
}

void ValidationTest::cleanup() {
    env_.reset();
}

void ValidationTest::rules_data() {
    QTest::addColumn<bool>("stored");
    QTest::addColumn<Arrange>("arrange");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QStringList>("months");

    const QString badForm = ok(QStringLiteral("该身份证号码不符合规划，不能新增!"));
    const QString mismatch = ok(QStringLiteral("考试成绩与考试合格证号不相符"));
    const QString noName = ok(QStringLiteral("姓名不能为空"));

    addCase("complete new dossier", false, none(), {}, true);
    addCase("complete stored dossier", true, none(), {}, true);

    // 1. Form of the card number, in both modes.
    addCase("card of 14", false, text("edtcard", NewCard.left(14)), {badForm}, false);
    addCase("card of 15", false, text("edtcard", QStringLiteral("350102800101123")), {}, true);
    addCase("card of 16", false, text("edtcard", NewCard.left(16)), {badForm}, false);
    addCase("card of 17", false, text("edtcard", NewCard.left(17)), {badForm}, false);
    addCase("card of 21", false, text("edtcard", NewCard + QStringLiteral("123")), {}, true);
    addCase("card of 18 in spaces", false,
            text("edtcard", QStringLiteral("  ") + NewCard + QStringLiteral(" ")), {}, true);
    addCase("empty card, empty name", false,
            all({text("edtcard", QString()), text("edtname", QString())}), {badForm}, false);
    addCase("stored card cut to 16", true, text("edtcard", StoredCard.left(16)), {badForm}, false);

    // 2. Uniqueness within the year, then the required fields.
    addCase("new card differing in the case of x", false, text("edtcard", StoredCard.toLower()),
            {ok(QStringLiteral("该身份证号码35010219700101123x已存在，不能新增!"))}, false);
    addCase("new duplicate card and no name", false,
            all({text("edtcard", OtherCard), text("edtname", QString())}),
            {ok(QStringLiteral("该身份证号码") + OtherCard + QStringLiteral("已存在，不能新增!")),
             noName},
            false);
    addCase("new duplicate card stops before the years", false,
            all({text("edtcard", OtherCard), date("dtpzctime", 2005)}),
            {ok(QStringLiteral("该身份证号码") + OtherCard + QStringLiteral("已存在，不能新增!"))},
            false);
    addCase("stored: unchanged card, emptied name", true, text("edtname", QString()), {}, true);
    addCase("stored: card of another applicant, emptied name", true,
            all({text("edtcard", OtherCard), text("edtname", QString())}),
            {ok(QStringLiteral("该身份证号码") + OtherCard + QStringLiteral("已存在，不能修改!")),
             noName},
            false);
    addCase("stored: new unique card, emptied name", true,
            all({text("edtcard", NewCard), text("edtname", QString())}), {noName}, false);
    addCase("stored: own card in another letter case", true, text("edtcard", StoredCard.toLower()),
            {}, true);
    addCase("stored: new card without any complete work", true,
            all({text("edtcard", NewCard), cell("dtlDBZ", 0, Works::Number, QString())}),
            {ok(QStringLiteral("代表作、文章、专著中最少要有一行不能为空"))}, false);
    addCase("new dossier needs no works", false, cell("dtlDBZ", 0, Works::Title, QString()), {},
            true);

    // 3, 4. Conditions of an exceptional admission.
    addCase("education exception without condition", false,
            exception(QStringLiteral("是(学历破格)"), QStringLiteral("  ")),
            {info(QStringLiteral("学历破格，破格条件至少要一项！！！"))}, false);
    addCase("education exception with one condition", false,
            exception(QStringLiteral("是(学历破格)"), QStringLiteral("02")), {}, true);
    addCase("years exception with one condition", false,
            exception(QStringLiteral("是(年限破格)"), QStringLiteral("01")),
            {info(QStringLiteral("年限破格，破格条件至少要两项！！！"))}, false);
    addCase("years exception with two conditions", false,
            exception(QStringLiteral("是(年限破格)"), QStringLiteral("01,03")), {}, true);

    // 5. Years since the title (evaluation year 2006).
    addCase("title 2003, answered no", false, date("dtpzctime", 2003), {question(3)}, false,
            {BoxAnswer::No});
    addCase("title 2003, answered yes", false, date("dtpzctime", 2003), {question(3)}, true,
            {BoxAnswer::Yes});
    addCase("title 2003 with a doctorate", false, all({date("dtpzctime", 2003), doctorate()}), {},
            true);
    addCase("title 2005 with a doctorate", false, all({date("dtpzctime", 2005), doctorate()}),
            {question(1)}, false);
    addCase(
        "title 2003, doctorate without date", false,
        all({date("dtpzctime", 2003), doctorate(), cell("dtlXL1", 4, Level::Graduated, QString())}),
        {question(3)}, false);
    addCase("title 2004", false, date("dtpzctime", 2004), {}, true);
    addCase("title 2001 and 5 years", false, date("dtpzctime", 2001), {}, true);
    addCase("former title 2003 counts", false,
            all({formerTitle(QStringLiteral("JJ-1")), date("dtpoldzctime", 2003)}), {question(3)},
            false);
    addCase("former title without number", false,
            all({formerTitle(QStringLiteral(" ")), date("dtpoldzctime", 2003)}), {}, true);
    addCase("former title 2000 replaces current 2005", false,
            all({formerTitle(QStringLiteral("JJ-1")), date("dtpoldzctime", 2000),
                 date("dtpzctime", 2005)}),
            {}, true);
    addCase("former title 2003, current title 2004", false,
            all({formerTitle(QStringLiteral("JJ-1")), date("dtpoldzctime", 2003),
                 date("dtpzctime", 2004)}),
            {}, true);
    addCase("years question on a stored dossier", true, date("dtpzctime", 2003), {question(3)},
            false);

    // 6. Score and pass certificate.
    addCase("9 characters, score 60.00", false, text("edtresult", QStringLiteral("60.00")),
            {mismatch}, false);
    addCase("9 characters, score 60.01", false, text("edtresult", QStringLiteral("60.01")), {},
            true);
    addCase("9 characters of 2006", false, text("edtKSHGZH", QStringLiteral("FJ0612345")), {}, true,
            {}, {QStringLiteral("200701"), QStringLiteral("200912")});
    addCase("10 characters, score 50.00", false,
            all({text("edtKSHGZH", QStringLiteral("FJ01051234")),
                 text("edtresult", QStringLiteral("50.00"))}),
            {}, true, {}, {QStringLiteral("200501"), QStringLiteral("200512")});
    addCase("10 characters, score 49.99", false,
            all({text("edtKSHGZH", QStringLiteral("FJ01051234")),
                 text("edtresult", QStringLiteral("49.99"))}),
            {mismatch}, false);
    addCase("8 characters", false, text("edtKSHGZH", QStringLiteral("FJ051234")), {mismatch},
            false);
    addCase("11 characters", false, text("edtKSHGZH", QStringLiteral("FJ010512345")), {mismatch},
            false);
    addCase("9 characters, year not digits", false, text("edtKSHGZH", QStringLiteral("FJ0A12345")),
            {ok(QStringLiteral("高师考试合格证号“FJ0A12345”的第3、4位应是考试年份的数字，"
                               "请核对合格证号！"))},
            false);
    addCase("10 characters, year not digits", false,
            text("edtKSHGZH", QStringLiteral("FJ01０51234")),
            {ok(QStringLiteral("高师考试合格证号“FJ01０51234”的第5、6位应是考试年份的数字，"
                               "请核对合格证号！"))},
            false);
    addCase("score that is no number", true, text("edtresult", QStringLiteral("6x")),
            {ok(QStringLiteral("高师考试成绩“6x”不是有效的数字，请重新输入！"))}, false);
    addCase("exception rule comes before the certificate", false,
            all({exception(QStringLiteral("是(年限破格)"), QStringLiteral("01")),
                 text("edtresult", QStringLiteral("10"))}),
            {info(QStringLiteral("年限破格，破格条件至少要两项！！！"))}, false);

    // 7. The representative work of a stored dossier.
    addCase(
        "no representative work", true,
        [](Tfrm_grzl& window) { find<FlatGrid>(window, "dtlDBZ")->removeAllRows(); },
        {info(QStringLiteral("代表作没有填，不能保存！"))}, false);
    addCase("work without title and authorship", true,
            all({cell("dtlDBZ", 0, Works::Title, QString()),
                 cell("dtlDBZ", 0, Works::Authorship, QString())}),
            {info(QStringLiteral("代表作著作方式不能为空！"))}, false);
    addCase("work without title", true, cell("dtlDBZ", 0, Works::Title, QStringLiteral(" ")),
            {info(QStringLiteral("代表作标题不能为空！"))}, false);
    addCase("work without journal and date", true,
            all({cell("dtlDBZ", 0, Works::Publication, QString()),
                 cell("dtlDBZ", 0, Works::Date, QString())}),
            {info(QStringLiteral("代表作发表时间不能为空！"))}, false);
    addCase("work without journal", true, cell("dtlDBZ", 0, Works::Publication, QString()),
            {info(QStringLiteral("代表作发表刊物名称不能为空！"))}, false);
    addCase(
        "certificate rule comes before the work", true,
        all({text("edtresult", QStringLiteral("59")), cell("dtlDBZ", 0, Works::Title, QString())}),
        {mismatch}, false);
}

void ValidationTest::rules() {
    QFETCH(bool, stored);
    QFETCH(Arrange, arrange);
    QFETCH(QList<int>, answers);
    QFETCH(QStringList, messages);
    QFETCH(bool, saved);
    QFETCH(QStringList, months);

    Tfrm_grzl window;
    QCOMPARE(window.saveMode(), 1);
    QCOMPARE(CurrentId, StoredId);
    if (!stored) {
        window.c_tolnewClick();
        fillNewDossier(window);
    }
    find<QDateEdit>(window, "dtpbustime")->setDate(MarkerDate);
    arrange(window);
    QVERIFY(recorded(env_->prompter).isEmpty());
    for (int answer : answers)
        env_->prompter.answers.enqueue(answer);

    window.c_saveClick();
    QCOMPARE(recorded(env_->prompter), messages);

    DirectDatabase db;
    const QString marker = MarkerDate.toString(QStringLiteral("yyyyMMdd"));
    const QList<QVariantList> rows =
        stored ? db.rows(QStringLiteral("select f_bustime,f_ksyxstarttime,f_ksyxendtime from "
                                        "t_grzl where f_id=?"),
                         {StoredId})
               : db.rows(QStringLiteral("select f_bustime,f_ksyxstarttime,f_ksyxendtime from "
                                        "t_grzl where f_id not in (?,?)"),
                         {StoredId, QStringLiteral("00000000000000000000000000000002")});
    if (!stored)
        QCOMPARE(rows.size(), saved ? 1 : 0);
    if (saved) {
        QCOMPARE(rows.value(0), QVariantList({marker, months[0], months[1]}));
        QCOMPARE(window.saveMode(), 1);
    } else {
        QCOMPARE(db.count(QStringLiteral("t_grzl")), 2);
        if (stored)
            QVERIFY(rows.value(0).value(0).toString() != marker);
        else
            QCOMPARE(window.saveMode(), 0);
    }
}

void ValidationTest::requiredFieldsInOrder_data() {
    QTest::addColumn<Arrange>("arrange");
    QTest::addColumn<QString>("message");

    // Each field emptied together with every later one: the box names the first.
    const QList<std::pair<Arrange, QString>> fields = {
        {text("edtname", QStringLiteral(" ")), QStringLiteral("姓名不能为空")},
        {emptyCombo("cmbDept"), QStringLiteral("委托部门不能为空")},
        {text("edtworkdw", QString()), QStringLiteral("工作单位不能为空")},
        {text("edtpostalcode", QString()), QStringLiteral("邮政编码不能为空")},
        {emptyCombo("cmbarea"), QStringLiteral("所属地区不能为空")},
        {text("edtaddress", QString()), QStringLiteral("通讯地址不能为空")},
        {emptyCombo("cmbdwlb"), QStringLiteral("单位类别不能为空")},
        {text("edttelephone", QString()), QStringLiteral("办公室联系电话不能为空")},
        {text("edthandset", QString()), QStringLiteral("手机号码不能为空")},
        {all({cell("dtlXL1", 2, Level::School, QString()),
              // A school without speciality, and the second degree, count for nothing.
              cell("dtlXL1", 3, Level::School, QStringLiteral("北京大学")),
              cell("dtlXL2", 0, Second::School, QStringLiteral("福州大学")),
              cell("dtlXL2", 0, Second::Specialty, QStringLiteral("法学专业")),
              cell("dtlXL2", 0, Second::Graduated, QStringLiteral("2003-07-01"))}),
         QStringLiteral("学历最少要有一行不能为空")},
        {text("edtzccode", QString()), QStringLiteral("现职称证书号不能为空")},
        {text("edtNowBus", QString()), QStringLiteral("现任党政职务不能为空")},
        {text("edtresult", QString()), QStringLiteral("高师资格考试成绩不能为空")},
        {text("edtKSHGZH", QString()), QStringLiteral("高师考试合格证号不能为空")},
        {text("edtkjhao", QString()), QStringLiteral("会计从业资格证号码不能为空")},
    };
    for (qsizetype first = 0; first < fields.size(); ++first) {
        QList<Arrange> steps;
        for (qsizetype later = first; later < fields.size(); ++later)
            steps << fields[later].first;
        QTest::newRow(qPrintable(fields[first].second)) << all(steps) << fields[first].second;
    }
}

void ValidationTest::requiredFieldsInOrder() {
    QFETCH(Arrange, arrange);
    QFETCH(QString, message);
    Tfrm_grzl window;
    window.c_tolnewClick();
    fillNewDossier(window);
    arrange(window);
    QVERIFY(!window.SaveDossier(window.saveMode()));
    QCOMPARE(recorded(env_->prompter), QStringList({ok(message)}));
    DirectDatabase db;
    QCOMPARE(db.count(QStringLiteral("t_grzl")), 2);
    QCOMPARE(db.count(QStringLiteral("t_grzlother")), 0);
}

void ValidationTest::birthDateOnLeavingTheCard_data() {
    QTest::addColumn<QString>("card");
    QTest::addColumn<QDate>("born");
    QTest::addColumn<QStringList>("messages");

    const QDate before(1960, 3, 4);
    QTest::newRow("15 characters")
        << QStringLiteral("350102850612123") << QDate(1985, 6, 12) << QStringList();
    QTest::newRow("18 characters")
        << QStringLiteral(" 350102198506121234 ") << QDate(1985, 6, 12) << QStringList();
    QTest::newRow("10 characters")
        << QStringLiteral("3501021985") << QDate::currentDate() << QStringList();
    QTest::newRow("empty") << QString() << QDate::currentDate() << QStringList();
    QTest::newRow("19 characters")
        << QStringLiteral("3501021985061212345") << QDate::currentDate() << QStringList();
    QTest::newRow("month 13") << QStringLiteral("350102198513121234") << before
                              << QStringList({ok(QStringLiteral("身份证号码中的出生日期“1985-13-12”"
                                                                "不是有效的日期！"))});
    QTest::newRow("29 February of a common year")
        << QStringLiteral("350102850229123") << before
        << QStringList({ok(QStringLiteral("身份证号码中的出生日期“1985-02-29”不是有效的日期！"))});
    QTest::newRow("letters for digits")
        << QStringLiteral("35010219850X121234") << before
        << QStringList({ok(QStringLiteral("身份证号码中的出生日期“1985-0X-12”不是有效的日期！"))});
}

void ValidationTest::birthDateOnLeavingTheCard() {
    QFETCH(QString, card);
    QFETCH(QDate, born);
    QFETCH(QStringList, messages);
    Tfrm_grzl window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* birth = find<QDateEdit>(window, "dateborn");
    birth->setDate(QDate(1960, 3, 4));
    auto* box = edit(window, "edtcard");
    box->setFocus();
    QVERIFY(box->hasFocus());
    box->setText(card);
    birth->setFocus();
    QCOMPARE(birth->date(), born);
    QCOMPARE(recorded(env_->prompter), messages);

    // Every exit counts, also one without typing: a date picked by hand is replaced.
    birth->setDate(QDate(1961, 1, 1));
    box->setFocus();
    birth->setFocus();
    QCOMPARE(birth->date(), messages.isEmpty() ? born : QDate(1961, 1, 1));
}

void ValidationTest::certificateOnLeavingItsBox_data() {
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");

    const QString mismatch = ok(QStringLiteral("考试成绩与考试合格证号不相符"));
    QTest::newRow("9 characters of 2005") << "FJ0512345"
                                          << "60.01" << QString() << "200501"
                                          << "200712";
    QTest::newRow("9 characters of 2006") << "FJ0612345"
                                          << "75" << QString() << "200701"
                                          << "200912";
    QTest::newRow("9 characters of 2010") << "FJ1012345"
                                          << "75" << QString() << "201001"
                                          << "201212";
    // A certificate that does not agree still gives its months.
    QTest::newRow("9 characters, score 60") << "FJ0512345"
                                            << "60.00" << mismatch << "200501"
                                            << "200712";
    QTest::newRow("10 characters of 2005") << " FJ01051234 "
                                           << "50" << QString() << "200501"
                                           << "200512";
    QTest::newRow("10 characters, empty score") << "FJ01051234" << QString() << mismatch << "200501"
                                                << "200512";
    QTest::newRow("empty") << QString() << "80" << mismatch << QString() << QString();
    QTest::newRow("8 characters") << "FJ051234"
                                  << "80" << mismatch << QString() << QString();
    QTest::newRow("year not digits")
        << "FJ-512345"
        << "80"
        << ok(QStringLiteral("高师考试合格证号“FJ-512345”的第3、4位应是考试年份的数字，"
                             "请核对合格证号！"))
        << QString() << QString();
}

void ValidationTest::certificateOnLeavingItsBox() {
    QFETCH(QString, certificate);
    QFETCH(QString, score);
    QFETCH(QString, message);
    QFETCH(QString, start);
    QFETCH(QString, end);
    Tfrm_grzl window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The stored applicant's months are replaced, never left behind.
    QCOMPARE(window.fieldValues().value(37), QString());
    QVERIFY(window.CheckExamCertificate(QStringLiteral("FJ1012345"), 80));
    QCOMPARE(window.fieldValues().mid(36),
             QStringList({QStringLiteral("201001"), QStringLiteral("201212")}));

    edit(window, "edtresult")->setText(score);
    auto* box = edit(window, "edtKSHGZH");
    box->setFocus();
    box->setText(certificate);
    edit(window, "edtkjhao")->setFocus();
    QCOMPARE(recorded(env_->prompter), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(window.fieldValues().value(36), start);
    QCOMPARE(window.fieldValues().value(37), end);
}

void ValidationTest::anotherWindowTakingTheFocusIsNoExit() {
    Tfrm_grzl window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* birth = find<QDateEdit>(window, "dateborn");
    birth->setDate(QDate(1960, 3, 4));
    auto* box = edit(window, "edtcard");
    box->setFocus();
    box->setText(QStringLiteral("350102850612123"));

    // Another window taking the focus (a message box, the find window) is no exit.
    QLineEdit other;
    other.show();
    other.setFocus();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(other.hasFocus());
    QCOMPARE(birth->date(), QDate(1960, 3, 4));
    // Coming back and moving on within the dossier is.
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(box->hasFocus());
    birth->setFocus();
    QCOMPARE(birth->date(), QDate(1985, 6, 12));
}

QTEST_MAIN(ValidationTest)
#include "ValidationTest.moc"
