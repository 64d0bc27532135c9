#include "DossierGrids.h"
#include "FlatGrid.h"
#include "ModalDriver.h"
#include "PopupEdit.h"
#include "SystemInfo.h"
#include "TestDatabase.h"
#include "TestEnvironment.h"
#include "WorkWindows.h"
#include "frmgrzl.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace DossierGrids;

namespace {

const QString Year = QStringLiteral("2026");

// A temporary program folder with a fresh database holding the code tables, logged in
// for 2026.
struct Fixture {
    TestEnvironment env;
    Fixture(DatabaseContent content = DatabaseContent::WithCodeTables) {
        if (!CreateTestDatabase(content))
            qFatal("no test database");
        LoginYear = Year;
    }
};

QString hexId(int n) {
    return QStringLiteral("%1").arg(n, 32, 16, QLatin1Char('0')).toUpper();
}

// Stores an applicant of the login year with the given name and card, a title, a pass
// certificate that agrees with the score and a complete representative work, so that a
// save of the loaded dossier passes the admission rules. Extra columns override these.
void storeApplicant(int n, const QString& name, const QString& card,
                    const QString& extraColumns = {}, const QVariantList& extraValues = {}) {
    QMap<QString, QVariant> row = {{QStringLiteral("f_id"), hexId(n)},
                                   {QStringLiteral("f_year"), Year},
                                   {QStringLiteral("f_name"), name},
                                   {QStringLiteral("f_cardid"), card},
                                   {QStringLiteral("f_zcvalitime"), QStringLiteral("20000101")},
                                   {QStringLiteral("f_result"), QStringLiteral("61.50")},
                                   {QStringLiteral("f_hgzHao"), QStringLiteral("AB0512345")}};
    const QStringList extras =
        extraColumns.isEmpty() ? QStringList() : extraColumns.split(QLatin1Char(','));
    for (qsizetype i = 0; i < extras.size(); ++i)
        row.insert(extras[i], extraValues.value(i));
    DirectDatabase db;
    QVERIFY(db.exec(QStringLiteral("insert into t_grzl(%1) values(%2)")
                        .arg(row.keys().join(QLatin1Char(',')),
                             QStringList(row.size(), QStringLiteral("?")).join(QLatin1Char(','))),
                    row.values()));
    QVERIFY(db.exec(
        QStringLiteral(
            "insert into t_art(f_id,f_year,f_index,f_subject,f_publication,f_pubtime,f_place,f_bj) "
            "values(?,?,1,'代表作','<<会计研究>>','20200501','独著','1')"),
        {hexId(n), Year}));
}

QStringList entries(const QComboBox* combo) {
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

template <class T> T* find(Tfrm_grzl& window, const char* name) {
    return Child<T>(&window, QLatin1String(name));
}

void choose(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    Q_EMIT combo->activated(index);
}

// Fills a dossier that passes the admission rules: the required fields, a graduation
// date (which satisfies the education rule but is not stored), a pass certificate that
// agrees with the score, and a complete representative work.
void fillValidDossier(Tfrm_grzl& window, const QString& name, const QString& card) {
    const QList<std::pair<const char*, QString>> texts = {
        {"edtname", name},
        {"edtcard", card},
        {"edtworkdw", QStringLiteral("福建省某公司")},
        {"edtpostalcode", QStringLiteral("350001")},
        {"edtaddress", QStringLiteral("福州市鼓楼区")},
        {"edttelephone", QStringLiteral("0591-8888888")},
        {"edthandset", QStringLiteral("13900000000")},
        {"edtzccode", QStringLiteral("ZC-001")},
        {"edtNowBus", QStringLiteral("财务经理")},
        {"edtresult", QStringLiteral("61.50")},
        {"edtKSHGZH", QStringLiteral("AB0512345")},
        {"edtkjhao", QStringLiteral("KJ-001")}};
    for (const auto& [field, text] : texts)
        find<QLineEdit>(window, field)->setText(text);
    find<QDateEdit>(window, "dtpzctime")->setDate(QDate(2000, 1, 1));
    find<FlatGrid>(window, "dtlXL1")
        ->setCellText(0, Level::Graduated, QStringLiteral("1998-07-01"));
    auto* work = find<FlatGrid>(window, "dtlDBZ");
    work->setCellText(0, Works::Title, QStringLiteral("代表作"));
    work->setCellText(0, Works::Publication, QStringLiteral("<<会计研究>>"));
    work->setCellText(0, Works::Number, QStringLiteral("CN11-1078"));
    work->setCellText(0, Works::Date, QStringLiteral("2020-05-01"));
    work->setCellText(0, Works::Authorship, QStringLiteral("独著"));
}

} // namespace

class DossierTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void yearWithoutApplicants();
    void firstSaveInsertsThenUpdates();
    void storedValuesAndDisplayRules();
    void failingBasicDataIsReported();
    void cascades_data();
    void cascades();
    void exceptionalAdmissionConditions();
    void educationMappingAndEditing();
    void educationRewrittenInOneTransaction();
    void navigationStates();
    void findByNameAndCard_data();
    void findByNameAndCard();
    void deletingTheOnlyApplicant();
    void worksCellRules_data();
    void worksCellRules();
    void addWorksRowNumbering_data();
    void addWorksRowNumbering();
    void contentButtonStoresRowAndOpensEditor();
    void contentButtonChecks_data();
    void contentButtonChecks();
    void worksDateRuleStopsOneGrid();
    void deleteWorksRowAtOnce();
};

void DossierTest::yearWithoutApplicants() {
    Fixture fixture;
    int opened = 0;
    RegisterWorkWindow(QStringLiteral("Tfrm_cointrod"), [&opened](QWidget*) { ++opened; });
    Tfrm_grzl window;
    QCOMPARE(window.windowTitle(), QStringLiteral("个人资料"));
    QCOMPARE(window.size(), QSize(1003, 692));
    QCOMPARE(window.saveMode(), 0);
    QCOMPARE(window.navState(), 1);
    for (const char* sheet : {"sbut1", "sbut2", "sbut3", "sbut4"})
        QVERIFY(!find<QPushButton>(window, sheet)->isEnabled());
    window.sbut2Click();
    QCOMPARE(opened, 0);
    QVERIFY(CurrentId.isEmpty());
    // Five level rows and the second degree's "双".
    auto* levels = find<FlatGrid>(window, "dtlXL1");
    QCOMPARE(levels->rowCount(), 5);
    QCOMPARE(levels->cellText(4, Level::Name), QStringLiteral("博士"));
    QCOMPARE(find<FlatGrid>(window, "dtlXL2")->cellText(0, Second::Two), QStringLiteral("双"));
    QCOMPARE(find<FlatGrid>(window, "dtlDBZ")->rowCount(), 1);
    // Shown and hidden tool buttons.
    for (const char* shown : {"c_save", "c_toldataout", "c_tolexit"})
        QVERIFY(!find<QToolButton>(window, shown)->isHidden());
    for (const char* hidden : {"c_tolprint", "c_tolpreview", "c_tolnew", "c_toldel", "c_tolfind",
                               "c_tolML", "c_tolL", "c_tolR", "c_tolMR"})
        QVERIFY(find<QToolButton>(window, hidden)->isHidden());
    QVERIFY(!find<QAction>(window, "actaddnew")->isEnabled());
    QVERIFY(fixture.env.prompter.messages.isEmpty());
    UnregisterWorkWindows();
}

void DossierTest::firstSaveInsertsThenUpdates() {
    Fixture fixture;
    QStringList opened;
    RegisterWorkWindow(QStringLiteral("Tfrm_cointrod"), [&opened](QWidget*) {
        opened << QStringLiteral("cointrod %1 %2").arg(WindowMode).arg(CurrentId.size());
    });
    Tfrm_grzl window;
    fillValidDossier(window, QStringLiteral("O'Neil \"张\"; --"),
                     QStringLiteral("350102198001011234"));
    find<QLineEdit>(window, "edt_Kjal")->setText(QStringLiteral(" 成本核算案例 "));
    QVERIFY(window.SaveDossier(window.saveMode()));
    QCOMPARE(window.saveMode(), 1);
    const QString id = CurrentId;
    QCOMPARE(id.size(), 32);

    DirectDatabase db;
    QCOMPARE(db.count(QStringLiteral("t_grzl")), 1);
    const QVariantList row =
        db.rows(QStringLiteral("select f_id,f_year,f_name,f_trade,f_zcengagetime,f_kjzwxz,"
                               "f_pg,f_area,f_dwxz from t_grzl"))
            .value(0);
    QCOMPARE(row.value(0).toString(), id);
    QCOMPARE(row.value(1).toString(), Year);
    QCOMPARE(row.value(2).toString(), QStringLiteral("O'Neil \"张\"; --"));
    QCOMPARE(row.value(3).toString(), QString());
    QCOMPARE(row.value(4).toString(), QString());
    QCOMPARE(row.value(5).toString(), QStringLiteral("-1"));
    QCOMPARE(row.value(6).toString(), QStringLiteral("0"));
    QCOMPARE(row.value(7).toString(), QStringLiteral("省直"));
    QCOMPARE(row.value(8).toString(), QStringLiteral("01"));
    QCOMPARE(
        db.value(QStringLiteral("select f_year from t_grzlother where f_id=?"), {id}).toString(),
        Year);
    QCOMPARE(
        db.value(QStringLiteral("select f_title from t_kjal where f_id=? and f_year=?"), {id, Year})
            .toString(),
        QStringLiteral("成本核算案例"));

    for (const char* sheet : {"sbut1", "sbut2", "sbut3", "sbut4"})
        QVERIFY(find<QPushButton>(window, sheet)->isEnabled());
    find<QPushButton>(window, "sbut2")->click();
    QCOMPARE(opened, QStringList({QStringLiteral("cointrod 3 32")}));
    QCOMPARE(WindowMode, quint8(0));

    // The second save updates the same applicant, also through Ctrl+S.
    find<QLineEdit>(window, "edtname")->setText(QStringLiteral("李四"));
    find<QAction>(window, "actsave")->trigger();
    QCOMPARE(db.count(QStringLiteral("t_grzl")), 1);
    QCOMPARE(db.count(QStringLiteral("t_grzlother")), 1);
    QCOMPARE(db.count(QStringLiteral("t_kjal")), 1);
    QCOMPARE(db.value(QStringLiteral("select f_name from t_grzl where f_id=?"), {id}).toString(),
             QStringLiteral("李四"));
    QCOMPARE(window.applicantList().RecordCount(), 1);
    QCOMPARE(window.applicantList().FieldByName(QStringLiteral("f_name")).AsString(),
             QStringLiteral("李四"));
    QVERIFY(fixture.env.prompter.messages.isEmpty());
    UnregisterWorkWindows();
}

void DossierTest::storedValuesAndDisplayRules() {
    Fixture fixture;
    storeApplicant(
        1, QStringLiteral("王五"), QStringLiteral("350102198001011234"),
        QStringLiteral("f_sex,f_nowzc,f_kjzwxz,f_trade,f_zcengagetime,f_borndate,f_area,f_dwlb,"
                       "f_dwjb,f_dwxz,f_bm,f_pg,f_pgtj,F_oldzc,f_result,f_ksyxstarttime,"
                       "f_ksyxendtime"),
        {QString(), QString(), QStringLiteral("-1"), QStringLiteral("旧行业"),
         QStringLiteral("旧聘任"), QStringLiteral("19800101"), QStringLiteral("福州市"),
         QStringLiteral("企业单位"), QStringLiteral("小型企业"), QStringLiteral("05"),
         QStringLiteral("手填部门"), QStringLiteral("2"), QStringLiteral("01,03"),
         QStringLiteral("统计师"), QStringLiteral("61.50"), QStringLiteral("200605"),
         QStringLiteral("201105")});
    Tfrm_grzl window;
    QCOMPARE(window.saveMode(), 1);
    QCOMPARE(CurrentId, hexId(1));
    QCOMPARE(find<QComboBox>(window, "cmbsex")->currentText(), QStringLiteral("女"));
    QCOMPARE(find<QComboBox>(window, "cmbnowzc")->currentText(), QStringLiteral("审计师"));
    QCOMPARE(find<QComboBox>(window, "cmbKjzwxz")->currentIndex(), -1);
    QCOMPARE(find<QDateEdit>(window, "dateborn")->date(), QDate(1980, 1, 1));
    QCOMPARE(find<QComboBox>(window, "cmbarea")->currentText(), QStringLiteral("福州市"));
    QCOMPARE(find<QComboBox>(window, "cmbdwlb")->currentText(), QStringLiteral("企业单位"));
    QCOMPARE(find<QComboBox>(window, "cmbXdwjb")->currentText(), QStringLiteral("小型企业"));
    QCOMPARE(find<QComboBox>(window, "acmbDwxz")->currentText(), QStringLiteral("民营企业"));
    QCOMPARE(find<QComboBox>(window, "cmbDept")->currentText(), QStringLiteral("手填部门"));
    QCOMPARE(find<QComboBox>(window, "cmbpg")->currentText(), QStringLiteral("是(年限破格)"));
    QCOMPARE(find<PopupEdit>(window, "dpePGTJ")->text(), QStringLiteral("01,03"));
    QVERIFY(find<PopupEdit>(window, "dpePGTJ")->isEnabled());
    QCOMPARE(find<QComboBox>(window, "cmbOldZC")->currentText(), QStringLiteral("统计师"));
    QCOMPARE(find<QLineEdit>(window, "edtresult")->text(), QStringLiteral("61.50"));
    // An empty stored date shows today.
    QCOMPARE(find<QDateEdit>(window, "dtpworktime")->date(), QDate::currentDate());

    QVERIFY(window.SaveDossier(window.saveMode()));
    DirectDatabase db;
    const QVariantList row =
        db.rows(QStringLiteral("select f_trade,f_zcengagetime,f_kjzwxz,f_sex,f_ksyxstarttime,"
                               "f_ksyxendtime,f_dwxz,f_pgtj from t_grzl"))
            .value(0);
    // The validity months are worked out again from the pass certificate at every save.
    QCOMPARE(row, QVariantList({QString(), QString(), QStringLiteral("-1"), QStringLiteral("女"),
                                QStringLiteral("200501"), QStringLiteral("200712"),
                                QStringLiteral("05"), QStringLiteral("01,03")}));
    // A companion row appears for an applicant that had none.
    QCOMPARE(db.count(QStringLiteral("t_grzlother")), 1);
}

void DossierTest::failingBasicDataIsReported() {
    Fixture fixture;
    {
        DirectDatabase db;
        QVERIFY(db.exec(QStringLiteral("create trigger refuse before insert on t_grzl begin "
                                       "select raise(abort, 'refused'); end")));
    }
    Tfrm_grzl window;
    fillValidDossier(window, QStringLiteral("张三"), QStringLiteral("350102198001011234"));
    find<FlatGrid>(window, "dtlXL1")->setCellText(2, Level::School, QStringLiteral("厦门大学"));
    QVERIFY(!window.SaveDossier(window.saveMode()));
    QCOMPARE(window.saveMode(), 0);
    QVERIFY(CurrentId.isEmpty());
    QCOMPARE(fixture.env.prompter.messages.size(), 1);
    QCOMPARE(fixture.env.prompter.messages[0].caption, QStringLiteral("提示信息"));
    QVERIFY(!find<QPushButton>(window, "sbut1")->isEnabled());
    DirectDatabase db;
    for (const char* table : {"t_grzl", "t_grzlother", "t_kjal", "t_edu"})
        QCOMPARE(db.count(QLatin1String(table)), 0);
}

void DossierTest::cascades_data() {
    QTest::addColumn<bool>("emptyAreas");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<int>("departments");
    QTest::addColumn<QString>("firstDepartment");
    QTest::addColumn<QStringList>("grades");

    const QStringList plain = {QStringLiteral("行政单位"), QStringLiteral("事业单位"),
                               QStringLiteral("企业单位")};
    const QStringList officeGrades = {QStringLiteral("厅级"), QStringLiteral("处级"),
                                      QStringLiteral("科级"), QStringLiteral("股")};
    const QStringList enterpriseGrades = {
        QStringLiteral("大型企业（本部）"),   QStringLiteral("大型企业（子公司）"),
        QStringLiteral("大型企业（其他）"),   QStringLiteral("中型企业（本部）"),
        QStringLiteral("中型企业（子公司）"), QStringLiteral("小型企业"),
        QStringLiteral("会计师事务所")};
    QTest::newRow("provincial institution")
        << false << "省直"
        << "事业单位" << plain << 10 << "省财政厅职改办" << officeGrades;
    QTest::newRow("provincial enterprise")
        << false << "省直"
        << "企业单位" << plain << 12 << "兴业银行职改办" << enterpriseGrades;
    QTest::newRow("central units")
        << false << "中直在闽单位"
        << "中直企业"
        << QStringList(
               {QStringLiteral("中直事业"), QStringLiteral("中直企业"), QStringLiteral("中直行政")})
        << 1 << "省人事厅" << enterpriseGrades;
    QTest::newRow("city") << false << "福州市"
                          << "行政单位" << plain << 1 << "福州市职改办" << officeGrades;
    QTest::newRow("no areas") << true << QString() << "企业单位" << plain << 1 << "职改办"
                              << enterpriseGrades;
}

void DossierTest::cascades() {
    QFETCH(bool, emptyAreas);
    QFETCH(QString, area);
    QFETCH(QString, category);
    QFETCH(QStringList, categories);
    QFETCH(int, departments);
    QFETCH(QString, firstDepartment);
    QFETCH(QStringList, grades);
    Fixture fixture;
    if (emptyAreas) {
        DirectDatabase db;
        QVERIFY(db.exec(QStringLiteral("delete from t_area")));
    }
    Tfrm_grzl window;
    auto* areas = find<QComboBox>(window, "cmbarea");
    if (emptyAreas)
        QCOMPARE(areas->count(), 0);
    else
        choose(areas, area);
    auto* kinds = find<QComboBox>(window, "cmbdwlb");
    QCOMPARE(entries(kinds), categories);
    choose(kinds, category);
    auto* depts = find<QComboBox>(window, "cmbDept");
    QCOMPARE(depts->count(), departments);
    QCOMPARE(depts->currentText(), firstDepartment);
    QVERIFY(depts->isEditable());
    QCOMPARE(entries(find<QComboBox>(window, "cmbXdwjb")), grades);
}

void DossierTest::exceptionalAdmissionConditions() {
    Fixture fixture;
    Tfrm_grzl window;
    window.show();
    auto* pg = find<QComboBox>(window, "cmbpg");
    auto* picker = find<PopupEdit>(window, "dpePGTJ");
    auto* grid = find<QTableWidget>(window, "dtlPGTJ");
    QVERIFY(!picker->isEnabled());
    QCOMPARE(grid->rowCount(), 6);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("01、"));

    choose(pg, QStringLiteral("是(学历破格)"));
    QVERIFY(picker->isEnabled());
    QVERIFY(picker->text().isEmpty());
    picker->showPopup();
    QVERIFY(picker->isPoppedUp());
    grid->item(2, 2)->setCheckState(Qt::Checked);
    grid->item(0, 2)->setCheckState(Qt::Checked);
    picker->hidePopup();
    QCOMPARE(picker->text(), QStringLiteral("01,03"));

    // Reopening ticks exactly the conditions of the text.
    grid->item(4, 2)->setCheckState(Qt::Checked);
    picker->showPopup();
    QCOMPARE(grid->item(0, 2)->checkState(), Qt::Checked);
    QCOMPARE(grid->item(2, 2)->checkState(), Qt::Checked);
    QCOMPARE(grid->item(4, 2)->checkState(), Qt::Unchecked);
    picker->hidePopup();

    fillValidDossier(window, QStringLiteral("张三"), QStringLiteral("350102198001011234"));
    QVERIFY(window.SaveDossier(window.saveMode()));
    DirectDatabase db;
    QCOMPARE(db.value(QStringLiteral("select f_pgtj from t_grzl")).toString(),
             QStringLiteral("01,03"));
    QCOMPARE(db.value(QStringLiteral("select f_pg from t_grzl")).toString(), QStringLiteral("1"));

    choose(pg, QStringLiteral("否"));
    QVERIFY(!picker->isEnabled());
    QVERIFY(picker->text().isEmpty());
    choose(pg, QStringLiteral("是(年限破格)"));
    QVERIFY(picker->isEnabled());
    QVERIFY(picker->text().isEmpty());
}

void DossierTest::educationMappingAndEditing() {
    Fixture fixture;
    storeApplicant(1, QStringLiteral("王五"), QStringLiteral("350102198001011234"));
    {
        DirectDatabase db;
        const QString insert = QStringLiteral(
            "insert into "
            "t_edu(f_id,f_year,f_index,f_edulevel,f_specialty,f_specialtysub,f_eduschool,f_edutime,"
            "f_edulettercode,f_issecondedu,f_isecon) values(?,?,?,?,?,?,?,?,?,?,?)");
        QVERIFY(db.exec(insert, {hexId(1), Year, 3, QStringLiteral("本科学历和学位"),
                                 QStringLiteral("会计专业"), QStringLiteral("4"),
                                 QStringLiteral("厦门大学"), QStringLiteral("20020701"),
                                 QStringLiteral("B-1"), QStringLiteral("0"), QStringLiteral("1")}));
        QVERIFY(db.exec(insert,
                        {hexId(1), Year, 0, QStringLiteral("硕士学位"), QStringLiteral("金融专业"),
                         QStringLiteral("3"), QStringLiteral("旧校"), QStringLiteral("20050701"),
                         QString(), QStringLiteral("1"), QStringLiteral("0")}));
        // A later row for the same place overwrites the earlier one.
        QVERIFY(db.exec(insert, {hexId(1), Year, 7, QStringLiteral("本科学历"),
                                 QStringLiteral("法学专业"), QStringLiteral("4"),
                                 QStringLiteral("福州大学"), QStringLiteral("20060701"),
                                 QStringLiteral("S-2"), QStringLiteral("1"), QStringLiteral("0")}));
    }
    Tfrm_grzl window;
    window.show();
    auto* levels = find<FlatGrid>(window, "dtlXL1");
    auto* second = find<FlatGrid>(window, "dtlXL2");
    QCOMPARE(levels->cellText(2, Level::School), QStringLiteral("厦门大学"));
    QCOMPARE(levels->cellText(2, Level::Graduated), QStringLiteral("2002-07-01"));
    QCOMPARE(levels->cellText(2, Level::Economics), QStringLiteral("True"));
    QCOMPARE(levels->cellText(0, Level::School), QString());
    QCOMPARE(second->cellText(0, Second::Level), QStringLiteral("本科"));
    QCOMPARE(second->cellText(0, Second::School), QStringLiteral("福州大学"));
    QCOMPARE(second->cellText(0, Second::Certificate), QStringLiteral("S-2"));

    // The degree entries follow the focused level row.
    levels->setCurrentCell(3, Level::School);
    QCOMPARE(levels->pickList(Level::Degree),
             QStringList({QStringLiteral("硕士学历和学位"), QStringLiteral("硕士学历"),
                          QStringLiteral("硕士学位")}));
    levels->setCurrentCell(4, Level::School);
    QCOMPARE(levels->pickList(Level::Degree), QStringList({QStringLiteral("博士学位")}));

    // Typing a speciality through the cell editor appends "专业" once.
    levels->setFocus();
    levels->setCurrentCell(0, Level::Specialty);
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : levels->viewport()->findChildren<QLineEdit*>()) {
        if (open->isVisible())
            editor = open;
    }
    QVERIFY(editor);
    editor->setText(QStringLiteral("会计"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(levels->cellText(0, Level::Specialty), QStringLiteral("会计专业"));
    levels->setCellText(1, Level::Specialty, QStringLiteral("审计专业"));
    Q_EMIT levels->cellEdited(1, Level::Specialty);
    QCOMPARE(levels->cellText(1, Level::Specialty), QStringLiteral("审计专业"));

    second->setCellText(0, Second::Level, QStringLiteral("本科"));
    Q_EMIT second->cellEdited(0, Second::Level);
    QCOMPARE(second->pickList(Second::Degree).size(), 3);
    second->setCellText(0, Second::Level, QStringLiteral("其他"));
    Q_EMIT second->cellEdited(0, Second::Level);
    QVERIFY(second->pickList(Second::Degree).isEmpty());

    // A row with only a date is not stored; the others are, with their mapping.
    levels->setCellText(4, Level::Graduated, QStringLiteral("2010-07-01"));
    QVERIFY(window.SaveDossier(window.saveMode()));
    DirectDatabase db;
    const auto rows = db.rows(
        QStringLiteral("select f_index,f_edulevel,f_eduschool,f_edutime,f_issecondedu,f_isecon,"
                       "f_specialty from t_edu where f_id=? order by f_index"),
        {hexId(1)});
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0].value(0).toInt(), 1);
    QCOMPARE(rows[0].value(6).toString(), QStringLiteral("会计专业"));
    QCOMPARE(rows[1].value(0).toInt(), 2);
    QCOMPARE(rows[2].mid(0, 6),
             QVariantList({3, QStringLiteral("本科学历和学位"), QStringLiteral("厦门大学"),
                           QStringLiteral("20020701"), QStringLiteral("0"), QStringLiteral("1")}));
    QCOMPARE(rows[3].mid(0, 6),
             QVariantList({6, QStringLiteral("本科学历"), QStringLiteral("福州大学"),
                           QStringLiteral("20060701"), QStringLiteral("1"), QStringLiteral("0")}));
}

void DossierTest::educationRewrittenInOneTransaction() {
    Fixture fixture;
    Tfrm_grzl window;
    fillValidDossier(window, QStringLiteral("张三"), QStringLiteral("350102198001011234"));
    auto* levels = find<FlatGrid>(window, "dtlXL1");
    levels->setCellText(2, Level::School, QStringLiteral("厦门大学"));
    QVERIFY(window.SaveDossier(window.saveMode()));
    DirectDatabase db;
    QCOMPARE(db.count(QStringLiteral("t_edu")), 1);
    QVERIFY(db.exec(
        QStringLiteral("create trigger refuse before insert on t_edu when new.f_index = 4 begin "
                       "select raise(abort, 'refused'); end")));
    levels->setCellText(2, Level::School, QStringLiteral("福州大学"));
    levels->setCellText(3, Level::School, QStringLiteral("北京大学"));
    window.SaveDossier(window.saveMode());
    // The failing insert undid the whole rewrite: the stored education is still there.
    QCOMPARE(db.rows(QStringLiteral("select f_eduschool from t_edu")),
             QList<QVariantList>({{QStringLiteral("厦门大学")}}));
}

void DossierTest::navigationStates() {
    Fixture fixture;
    storeApplicant(1, QStringLiteral("甲"), QStringLiteral("3501"));
    storeApplicant(2, QStringLiteral("乙"), QStringLiteral("3502"));
    storeApplicant(3, QStringLiteral("丙"), QStringLiteral("3503"));
    Tfrm_grzl window;
    auto name = [&window] { return find<QLineEdit>(window, "edtname")->text(); };
    QCOMPARE(window.navState(), 2);
    QCOMPARE(name(), QStringLiteral("甲"));
    QVERIFY(!find<QToolButton>(window, "c_tolML")->isEnabled());
    QVERIFY(find<QToolButton>(window, "c_tolR")->isEnabled());

    const QList<std::tuple<int, int, QString>> steps = {
        {2, 2, QStringLiteral("甲")}, {3, 3, QStringLiteral("乙")}, {3, 4, QStringLiteral("丙")},
        {3, 4, QStringLiteral("丙")}, {2, 3, QStringLiteral("乙")}, {2, 2, QStringLiteral("甲")},
        {4, 4, QStringLiteral("丙")}, {1, 2, QStringLiteral("甲")}};
    for (const auto& [how, state, shown] : steps) {
        window.MoveRecord(how);
        QCOMPARE(window.navState(), state);
        QCOMPARE(name(), shown);
        QCOMPARE(window.saveMode(), 1);
    }
    window.MoveRecord(4);
    QVERIFY(!find<QToolButton>(window, "c_tolR")->isEnabled());
    QVERIFY(!find<QToolButton>(window, "c_tolMR")->isEnabled());
    QVERIFY(find<QToolButton>(window, "c_tolL")->isEnabled());
}

void DossierTest::findByNameAndCard_data() {
    QTest::addColumn<bool>("byName");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("shown");
    QTest::newRow("part of the name") << true << "三"
                                      << "张三";
    QTest::newRow("card prefix") << false << "3501"
                                 << "李四";
    QTest::newRow("card infix is no match") << false << "0211"
                                            << "王五";
    QTest::newRow("empty text") << true << ""
                                << "王五";
    QTest::newRow("no such name") << true << "赵"
                                  << "王五";
}

void DossierTest::findByNameAndCard() {
    QFETCH(bool, byName);
    QFETCH(QString, search);
    QFETCH(QString, shown);
    Fixture fixture;
    storeApplicant(1, QStringLiteral("王五"), QStringLiteral("110102110211"));
    storeApplicant(2, QStringLiteral("张三"), QStringLiteral("440102"));
    storeApplicant(3, QStringLiteral("李四"), QStringLiteral("350102"));
    Tfrm_grzl window;
    QCOMPARE(find<QLineEdit>(window, "edtname")->text(), QStringLiteral("王五"));
    WhenModalShown([&](QDialog* finder) {
        QCOMPARE(finder->windowTitle(), QStringLiteral("个人资料查找"));
        if (byName) {
            Child<QLineEdit>(finder, QStringLiteral("edtfindname"))->setText(search);
        } else {
            Child<QRadioButton>(finder, QStringLiteral("rdbutcard"))->click();
            QVERIFY(!Child<QLineEdit>(finder, QStringLiteral("edtfindname"))->isEnabled());
            Child<QLineEdit>(finder, QStringLiteral("edtfindcard"))->setText(search);
        }
        Child<QPushButton>(finder, QStringLiteral("butok"))->click();
        QVERIFY(finder->isVisible()); // the find window stays open
        Child<QPushButton>(finder, QStringLiteral("butexit"))->click();
    });
    find<QAction>(window, "actfind")->trigger();
    QCOMPARE(find<QLineEdit>(window, "edtname")->text(), shown);
    QCOMPARE(window.applicantList().FieldByName(QStringLiteral("f_name")).AsString(), shown);
    QVERIFY(fixture.env.prompter.messages.isEmpty());
}

void DossierTest::deletingTheOnlyApplicant() {
    Fixture fixture;
    storeApplicant(1, QStringLiteral("王五"), QStringLiteral("350102"));
    {
        DirectDatabase db;
        QVERIFY(db.exec(QStringLiteral("insert into t_edu(f_id,f_year,f_index) values(?,?,1)"),
                        {hexId(1), Year}));
    }
    Tfrm_grzl window;
    QCOMPARE(window.saveMode(), 1);
    window.c_toldelClick();
    QCOMPARE(window.saveMode(), 0);
    QCOMPARE(window.navState(), 1);
    QVERIFY(CurrentId.isEmpty());
    QVERIFY(find<QLineEdit>(window, "edtname")->text().isEmpty());
    QVERIFY(window.applicantList().IsEmpty());
    DirectDatabase db;
    QCOMPARE(db.count(QStringLiteral("t_grzl")), 0);
    QCOMPARE(db.count(QStringLiteral("t_edu")), 0);
}

void DossierTest::worksCellRules_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("journal") << "dtlDBZ" << int(Works::Publication) << " 中国会计 "
                             << "<<中国会计>>";
    QTest::newRow("journal half bracketed") << "dtlWZ" << int(Works::Publication) << "<<财务与会计"
                                            << "<<财务与会计>>";
    QTest::newRow("journal bracketed") << "dtlWZ" << int(Works::Publication) << "<<会计研究>>"
                                       << "<<会计研究>>";
    QTest::newRow("journal number") << "dtlWZ" << int(Works::Number) << "11-1234"
                                    << "CN11-1234";
    QTest::newRow("journal number with CN") << "dtlDBZ" << int(Works::Number) << "CN11-1234"
                                            << "CN11-1234";
    QTest::newRow("book title") << "dtlZZ" << int(Works::Title) << "成本会计"
                                << "<<成本会计>>";
    QTest::newRow("book number") << "dtlZZ" << int(Works::Number) << "7-5005-1234-5"
                                 << "ISBN7-5005-1234-5";
    QTest::newRow("book publisher untouched")
        << "dtlZZ" << int(Works::Publication) << "中国财政经济出版社"
        << "中国财政经济出版社";
    QTest::newRow("article title untouched") << "dtlWZ" << int(Works::Title) << "论成本"
                                             << "论成本";
}

void DossierTest::worksCellRules() {
    QFETCH(QString, grid);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    Fixture fixture;
    Tfrm_grzl window;
    auto* works = Child<FlatGrid>(&window, grid);
    const int row = works->rowCount() > 0 ? 0 : works->appendRow();
    works->setCellText(row, column, typed);
    Q_EMIT works->cellEdited(row, column);
    QCOMPARE(works->cellText(row, column), result);
}

void DossierTest::addWorksRowNumbering_data() {
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<bool>("lastTitled");
    QTest::addColumn<QString>("added"); // empty: no row added
    QTest::newRow("no rows") << QStringList() << true << "1";
    QTest::newRow("gap") << QStringLiteral("1,2,4").split(u',') << true << "3";
    QTest::newRow("no gap") << QStringLiteral("1,2,3").split(u',') << true << "4";
    QTest::newRow("last row untitled") << QStringList({QStringLiteral("1")}) << false << QString();
}

void DossierTest::addWorksRowNumbering() {
    QFETCH(QStringList, numbers);
    QFETCH(bool, lastTitled);
    QFETCH(QString, added);
    Fixture fixture;
    Tfrm_grzl window;
    auto* articles = find<FlatGrid>(window, "dtlWZ");
    for (const QString& number : numbers) {
        const int row = articles->appendRow();
        articles->setCellText(row, Works::Index, number);
        articles->setCellText(row, Works::Title, lastTitled ? QStringLiteral("题目") : QString());
    }
    find<QPushButton>(window, "wzAdd")->click();
    if (added.isEmpty()) {
        QCOMPARE(articles->rowCount(), numbers.size());
        return;
    }
    QCOMPARE(articles->rowCount(), numbers.size() + 1);
    const int last = articles->rowCount() - 1;
    QCOMPARE(articles->cellText(last, Works::Index), added);
    QCOMPARE(articles->cellText(last, Works::Publication), QStringLiteral("<<福建财会研究>>"));
}

void DossierTest::contentButtonStoresRowAndOpensEditor() {
    Fixture fixture;
    QStringList opened;
    RegisterWorkWindow(QStringLiteral("Tfrm_Edit"), [&opened](QWidget*) {
        opened << QStringList({QString::number(WindowMode), CurrentWorkIndex, CurrentWorkKind,
                               WorkContentHint})
                      .join(QLatin1Char('|'));
    });
    Tfrm_grzl window;
    fillValidDossier(window, QStringLiteral("张三"), QStringLiteral("350102198001011234"));
    QVERIFY(window.SaveDossier(window.saveMode()));
    find<QPushButton>(window, "wzAdd")->click();
    auto* articles = find<FlatGrid>(window, "dtlWZ");
    articles->setCellText(0, Works::Title, QStringLiteral("论'内部控制'"));
    articles->setCellText(0, Works::Date, QStringLiteral("2025-03-01"));
    articles->setCurrentCell(0, Works::Content);
    QTest::keyClick(articles, Qt::Key_Return);
    // A provincial-journal article opens without a journal number.
    QCOMPARE(opened, QStringList({QStringLiteral("0|1|2|提示：贴入内容")}));
    DirectDatabase db;
    QCOMPARE(
        db.rows(QStringLiteral("select f_index,f_subject,f_publication,f_pubtime,f_bj,f_year from "
                               "t_art where f_bj='2'")),
        QList<QVariantList>({{1, QStringLiteral("论'内部控制'"), QStringLiteral("<<福建财会研究>>"),
                              QStringLiteral("20250301"), QStringLiteral("2"), Year}}));

    // A book shows its own hint; the stored text of the row is kept by the next save.
    QVERIFY(db.exec(QStringLiteral("update t_art set f_art=? where f_bj='2'"),
                    {QByteArray("stored text")}));
    auto* books = find<FlatGrid>(window, "dtlZZ");
    find<QPushButton>(window, "zzAdd")->click();
    books->setCellText(0, Works::Title, QStringLiteral("<<成本会计>>"));
    books->setCellText(0, Works::Publication, QStringLiteral("中国财政经济出版社"));
    books->setCellText(0, Works::Number, QStringLiteral("ISBN7-5005-1234-5"));
    books->setCurrentCell(0, Works::Title);
    window.OpenWorkContent(3);
    QCOMPARE(opened.last(), QStringLiteral("0|1|3|提示：只贴入简介和目录"));
    QVERIFY(window.SaveDossier(window.saveMode()));
    QCOMPARE(db.count(QStringLiteral("t_art")), 3); // representative work, article, book
    QCOMPARE(db.value(QStringLiteral("select f_art from t_art where f_bj='2'")).toByteArray(),
             QByteArray("stored text"));
    QVERIFY(fixture.env.prompter.messages.isEmpty());
    UnregisterWorkWindows();
}

void DossierTest::contentButtonChecks_data() {
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("journal");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("message");
    QTest::newRow("no title") << true << ""
                              << "<<会计研究>>"
                              << "CN11-1"
                              << "标题没有，不能对内容操作";
    QTest::newRow("no journal") << true << "论文"
                                << ""
                                << "CN11-1"
                                << "刊物名称没有，不能对内容操作";
    QTest::newRow("no number") << true << "论文"
                               << "<<会计研究>>"
                               << ""
                               << "刊号没有，不能对内容操作";
    QTest::newRow("never saved") << false << "论文"
                                 << "<<会计研究>>"
                                 << "CN11-1"
                                 << "请先保存个人资料信息";
}

void DossierTest::contentButtonChecks() {
    QFETCH(bool, saved);
    QFETCH(QString, title);
    QFETCH(QString, journal);
    QFETCH(QString, number);
    QFETCH(QString, message);
    Fixture fixture;
    int opened = 0;
    RegisterWorkWindow(QStringLiteral("Tfrm_Edit"), [&opened](QWidget*) { ++opened; });
    Tfrm_grzl window;
    if (saved) {
        fillValidDossier(window, QStringLiteral("张三"), QStringLiteral("350102198001011234"));
        QVERIFY(window.SaveDossier(window.saveMode()));
    }
    auto* work = find<FlatGrid>(window, "dtlDBZ");
    work->setCellText(0, Works::Title, title);
    work->setCellText(0, Works::Publication, journal);
    work->setCellText(0, Works::Number, number);
    work->setCurrentCell(0, Works::Content);
    DirectDatabase db;
    const int stored = db.count(QStringLiteral("t_art"));
    window.OpenWorkContent(1);
    QCOMPARE(opened, 0);
    QCOMPARE(fixture.env.prompter.texts(), QStringList({message}));
    QCOMPARE(db.count(QStringLiteral("t_art")), stored);
    UnregisterWorkWindows();
}

void DossierTest::worksDateRuleStopsOneGrid() {
    Fixture fixture;
    Tfrm_grzl window;
    fillValidDossier(window, QStringLiteral("张三"), QStringLiteral("350102198001011234"));
    auto* articles = find<FlatGrid>(window, "dtlWZ");
    const QList<QStringList> rows = {QStringLiteral("1|今年的文章|2026-12-01").split(u'|'),
                                     QStringLiteral("2|明年的文章|2027-01-01").split(u'|'),
                                     QStringLiteral("3|后面的文章|2020-01-01").split(u'|')};
    for (const QStringList& values : rows) {
        const int row = articles->appendRow();
        articles->setCellText(row, Works::Index, values[0]);
        articles->setCellText(row, Works::Title, values[1]);
        articles->setCellText(row, Works::Publication, QStringLiteral("<<会计研究>>"));
        articles->setCellText(row, Works::Date, values[2]);
    }
    // Without a journal the row is neither stored nor reported.
    const int untitled = articles->appendRow();
    articles->setCellText(untitled, Works::Index, QStringLiteral("4"));
    articles->setCellText(untitled, Works::Title, QStringLiteral("无刊物"));
    auto* books = find<FlatGrid>(window, "dtlZZ");
    books->appendRow();
    books->setCellText(0, Works::Index, QStringLiteral("1"));
    books->setCellText(0, Works::Title, QStringLiteral("<<成本会计>>"));
    books->setCellText(0, Works::Publication, QStringLiteral("出版社"));

    QVERIFY(window.SaveDossier(window.saveMode()));
    QCOMPARE(fixture.env.prompter.messages.size(), 1);
    QCOMPARE(fixture.env.prompter.messages[0].text,
             QStringLiteral("明年的文章\r这篇论文发表的时间不符要求，不能使用！！！"));
    QCOMPARE(fixture.env.prompter.messages[0].caption, QStringLiteral("提示信息"));
    QCOMPARE(fixture.env.prompter.messages[0].flags, 64);
    DirectDatabase db;
    QCOMPARE(db.rows(QStringLiteral(
                 "select f_bj,f_subject from t_art where f_subject<>'' order by f_bj,f_index")),
             QList<QVariantList>({{QStringLiteral("1"), QStringLiteral("代表作")},
                                  {QStringLiteral("2"), QStringLiteral("今年的文章")},
                                  {QStringLiteral("3"), QStringLiteral("<<成本会计>>")}}));
}

void DossierTest::deleteWorksRowAtOnce() {
    Fixture fixture;
    Tfrm_grzl window;
    fillValidDossier(window, QStringLiteral("张三"), QStringLiteral("350102198001011234"));
    auto* articles = find<FlatGrid>(window, "dtlWZ");
    for (const char* title : {"第一篇", "第二篇"}) {
        find<QPushButton>(window, "wzAdd")->click();
        articles->setCellText(articles->rowCount() - 1, Works::Title, QString::fromUtf8(title));
    }
    QVERIFY(window.SaveDossier(window.saveMode()));
    DirectDatabase db;
    QCOMPARE(db.value(QStringLiteral("select count(*) from t_art where f_bj='2'")).toInt(), 2);
    articles->setCurrentCell(0, Works::Title);
    find<QPushButton>(window, "wzDel")->click();
    QCOMPARE(articles->rowCount(), 1);
    QCOMPARE(db.rows(QStringLiteral("select f_subject from t_art where f_bj='2'")),
             QList<QVariantList>({{QStringLiteral("第二篇")}}));
}

QTEST_MAIN(DossierTest)
#include "DossierTest.moc"
