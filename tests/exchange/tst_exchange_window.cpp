// The data window in its export modes and the folder picker it opens, driven as a user
// drives them: the list and its ticks, the path, the export button and its messages.

#include "ExportFixture.h"
#include "Helpers.h"
#include "ModalDriver.h"
#include "SystemInfo.h"
#include "TestDatabase.h"
#include "frmdataoutorin.h"
#include "frmpath.h"

#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

const QString Section = u"Accessdataout"_s;

QString id(int n) {
    return QStringLiteral("%1").arg(n, 32, 16, QLatin1Char('0')).toUpper();
}

// Three applicants of 2005 (listed by name: 张三, 李四, 王五) and one of 2004.
void addApplicants(ExportFixture& fixture) {
    fixture.addDossier(id(1), u"2005"_s, u"王五"_s);
    fixture.addDossier(id(2), u"2005"_s, u"张三"_s);
    fixture.addDossier(id(3), u"2005"_s, u"李四"_s);
    fixture.addDossier(id(4), u"2004"_s, u"赵六"_s);
    DirectDatabase db;
    for (int n = 1; n <= 4; ++n)
        db.exec(u"update t_grzl set f_cardid=? where f_id=?"_s, {u"C%1"_s.arg(n), id(n)});
}

QStringList lines(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QList<bool> ticks(const QListWidget* list) {
    QList<bool> checked;
    for (int row = 0; row < list->count(); ++row)
        checked.append(list->item(row)->checkState() == Qt::Checked);
    return checked;
}

// Puts the picker's directory tree on a folder, as a click in the tree does.
void browseTo(Tfrm_path* picker, const QString& folder) {
    auto* tree = Child<QTreeView>(picker, u"dir1"_s);
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    QVERIFY(model);
    const QModelIndex index = model->index(folder);
    QVERIFY(index.isValid());
    tree->setCurrentIndex(index);
}

} // namespace

class DataWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setUp_data();
    void setUp();
    void storedPath_data();
    void storedPath();
    void tickButtons();
    void exportTickedLines_data();
    void exportTickedLines();
    void pathButton_data();
    void pathButton();
    void exitButton();
    void pickerStoresByMode_data();
    void pickerStoresByMode();
    void pickerIgnoresMissingFolder();
};

void DataWindowTest::setUp_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("currentRow");
    QTest::newRow("main window") << int(WindowModes::Export) << -1;
    QTest::newRow("dossier") << int(WindowModes::Dossier) << 2; // 王五, id 1
}

void DataWindowTest::setUp() {
    QFETCH(int, mode);
    QFETCH(int, currentRow);
    ExportFixture fixture;
    addApplicants(fixture);
    LoginYear = u"2005"_s;
    CurrentId = id(1);
    WindowMode = quint8(mode);
    Tfrm_dataoutOrin window;

    QCOMPARE(window.windowTitle(), u"数据的上报"_s);
    QCOMPARE(Child<QGroupBox>(&window, u"grpdata"_s)->title(), u"数据的上报"_s);
    QCOMPARE(Child<QLabel>(&window, u"labdatapath"_s)->text(), u"数据上报路径"_s);
    auto* dataout = Child<QToolButton>(&window, u"c_dataout"_s);
    QCOMPARE(dataout->text(), u"上报"_s);
    QCOMPARE(dataout->toolTip(), u"导出"_s);
    auto* exit = Child<QToolButton>(&window, u"c_tolexit"_s);
    QCOMPARE(exit->text(), u"退出"_s);
    QCOMPARE(exit->toolTip(), u"返回"_s);
    QCOMPARE(Child<QPushButton>(&window, u"butallselect"_s)->text(), u"全选"_s);
    QCOMPARE(Child<QPushButton>(&window, u"butnoall"_s)->text(), u"全清"_s);

    // The login year's applicants by name, every one ticked, identifiers alongside.
    auto* names = Child<QListWidget>(&window, u"lstname"_s);
    auto* ids = Child<QListWidget>(&window, u"lstid"_s);
    QCOMPARE(lines(names), QStringList({u"张三(C2)"_s, u"李四(C3)"_s, u"王五(C1)"_s}));
    QCOMPARE(lines(ids), QStringList({id(2), id(3), id(1)}));
    QCOMPARE(ticks(names), QList<bool>({true, true, true}));
    QVERIFY(ids->isHidden());
    QCOMPARE(names->currentRow(), currentRow);
}

void DataWindowTest::storedPath_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("folder exists") << true;
    QTest::newRow("folder gone") << false;
}

void DataWindowTest::storedPath() {
    QFETCH(bool, exists);
    ExportFixture fixture;
    const QString folder = fixture.chosenFolder() + (exists ? u""_s : u"/gone"_s);
    WriteSetting(SettingsKey, Section, u"Outpath"_s, folder);
    WindowMode = WindowModes::Export;
    Tfrm_dataoutOrin window;
    QCOMPARE(Child<QLineEdit>(&window, u"edtpath"_s)->text(), exists ? folder : QString());
}

void DataWindowTest::tickButtons() {
    ExportFixture fixture;
    addApplicants(fixture);
    LoginYear = u"2005"_s;
    WindowMode = WindowModes::Export;
    Tfrm_dataoutOrin window;
    auto* names = Child<QListWidget>(&window, u"lstname"_s);
    QTest::mouseClick(Child<QPushButton>(&window, u"butnoall"_s), Qt::LeftButton);
    QCOMPARE(ticks(names), QList<bool>({false, false, false}));
    names->item(1)->setCheckState(Qt::Checked);
    QTest::mouseClick(Child<QPushButton>(&window, u"butallselect"_s), Qt::LeftButton);
    QCOMPARE(ticks(names), QList<bool>({true, true, true}));
}

void DataWindowTest::exportTickedLines_data() {
    QTest::addColumn<QList<bool>>("ticked"); // 张三, 李四, 王五
    QTest::addColumn<QString>("file");       // empty: no file
    QTest::addColumn<QStringList>("exported");
    QTest::addColumn<QStringList>("messages");
    const QString success = u"数据导出成功!"_s;
    QTest::newRow("all") << QList<bool>({true, true, true}) << u"张三等3人.mdb"_s
                         << QStringList({id(1), id(2), id(3)}) << QStringList{success};
    QTest::newRow("first unticked") << QList<bool>({false, true, true}) << u"李四等2人.mdb"_s
                                    << QStringList({id(1), id(3)}) << QStringList{success};
    QTest::newRow("only the last") << QList<bool>({false, false, true}) << u"王五.mdb"_s
                                   << QStringList({id(1)}) << QStringList{success};
    QTest::newRow("none") << QList<bool>({false, false, false}) << QString() << QStringList()
                          << QStringList();
}

void DataWindowTest::exportTickedLines() {
    QFETCH(QList<bool>, ticked);
    QFETCH(QString, file);
    QFETCH(QStringList, exported);
    QFETCH(QStringList, messages);
    ExportFixture fixture;
    addApplicants(fixture);
    LoginYear = u"2005"_s;
    WindowMode = WindowModes::Export;
    WriteSetting(SettingsKey, Section, u"Outpath"_s, fixture.chosenFolder());
    Tfrm_dataoutOrin window;
    auto* names = Child<QListWidget>(&window, u"lstname"_s);
    for (int row = 0; row < names->count(); ++row)
        names->item(row)->setCheckState(ticked.at(row) ? Qt::Checked : Qt::Unchecked);

    QTest::mouseClick(Child<QToolButton>(&window, u"c_dataout"_s), Qt::LeftButton);

    QCOMPARE(fixture.env.prompter.texts(), messages);
    for (const auto& message : std::as_const(fixture.env.prompter.messages)) {
        QCOMPARE(message.caption, u"提示信息"_s);
        QCOMPARE(message.flags, BoxFlags::Ok);
    }
    if (file.isEmpty()) {
        QCOMPARE(fixture.submissionFiles(), QStringList());
        return;
    }
    QCOMPARE(fixture.submissionFiles(), QStringList{file});
    DirectDatabase out(fixture.submissionFolder() + u'/' + file);
    QStringList inFile;
    for (const QVariantList& row : out.rows(u"select distinct f_id from t_edu order by f_id"_s))
        inFile.append(row.first().toString());
    QCOMPARE(inFile, exported);
}

void DataWindowTest::pathButton_data() {
    QTest::addColumn<bool>("accept");
    QTest::newRow("accepted") << true;
    QTest::newRow("cancelled") << false;
}

// The folder button opens the picker; the path box then shows what the picker stored.
void DataWindowTest::pathButton() {
    QFETCH(bool, accept);
    ExportFixture fixture;
    const QString first = fixture.chosenFolder() + u"/first"_s;
    const QString second = fixture.chosenFolder() + u"/second"_s;
    QVERIFY(QDir().mkpath(first) && QDir().mkpath(second));
    WriteSetting(SettingsKey, Section, u"Outpath"_s, first);
    WindowMode = WindowModes::Export;
    Tfrm_dataoutOrin window;
    auto* path = Child<QLineEdit>(&window, u"edtpath"_s);
    QCOMPARE(path->text(), first);

    bool pickerSeen = false;
    WhenModalShown([&](QDialog* dialog) {
        auto* picker = qobject_cast<Tfrm_path*>(dialog);
        QVERIFY(picker);
        pickerSeen = true;
        QCOMPARE(Child<QLineEdit>(picker, u"edtpath"_s)->text(), QDir::toNativeSeparators(first));
        browseTo(picker, second);
        QTest::mouseClick(Child<QPushButton>(picker, accept ? u"butok"_s : u"butquit"_s),
                          Qt::LeftButton);
    });
    QTest::mouseClick(Child<QToolButton>(&window, u"butpath"_s), Qt::LeftButton);
    QVERIFY(pickerSeen);
    QCOMPARE(path->text(), accept ? second : first);
}

void DataWindowTest::exitButton() {
    ExportFixture fixture;
    WindowMode = WindowModes::Export;
    Tfrm_dataoutOrin window;
    const int result = RunModal(window, [&] {
        QTest::mouseClick(Child<QToolButton>(&window, u"c_tolexit"_s), Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY(fixture.env.prompter.messages.isEmpty());
}

void DataWindowTest::pickerStoresByMode_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<bool>("accept");
    for (const auto& [mode, name] :
         {std::pair{WindowModes::Dossier, "Outpath"}, std::pair{WindowModes::Export, "Outpath"},
          std::pair{WindowModes::Import, "Inpath"}}) {
        for (const bool accept : {true, false})
            QTest::addRow("mode %d, %s", int(mode), accept ? "OK" : "cancel")
                << int(mode) << QString::fromLatin1(name) << accept;
    }
}

// The picker opens on the stored folder; OK stores the folder browsed to under the value
// of the mode, cancel leaves the stored folder as it was, whatever was browsed.
void DataWindowTest::pickerStoresByMode() {
    QFETCH(int, mode);
    QFETCH(QString, valueName);
    QFETCH(bool, accept);
    ExportFixture fixture;
    const QString stored = fixture.chosenFolder() + u"/stored"_s;
    const QString browsed = fixture.chosenFolder() + u"/stored/年度 2005"_s;
    QVERIFY(QDir().mkpath(browsed));
    const QString other = valueName == u"Outpath"_s ? u"Inpath"_s : u"Outpath"_s;
    WriteSetting(SettingsKey, Section, valueName, stored);
    WriteSetting(SettingsKey, Section, other, u"untouched"_s);
    WindowMode = quint8(mode);

    Tfrm_path picker;
    auto* path = Child<QLineEdit>(&picker, u"edtpath"_s);
    QCOMPARE(path->text(), QDir::toNativeSeparators(stored));
    QVERIFY(path->isReadOnly());
    browseTo(&picker, browsed);
    QCOMPARE(path->text(), QDir::toNativeSeparators(browsed));
    QTest::mouseClick(Child<QPushButton>(&picker, accept ? u"butok"_s : u"butquit"_s),
                      Qt::LeftButton);

    QCOMPARE(picker.accepted(), accept);
    QCOMPARE(QDir::fromNativeSeparators(ReadSetting(SettingsKey, Section, valueName, QString())),
             accept ? browsed : stored);
    QCOMPARE(ReadSetting(SettingsKey, Section, other, QString()), u"untouched"_s);
}

void DataWindowTest::pickerIgnoresMissingFolder() {
    ExportFixture fixture;
    const QString gone = fixture.chosenFolder() + u"/gone"_s;
    WriteSetting(SettingsKey, Section, u"Outpath"_s, gone);
    WindowMode = WindowModes::Export;
    Tfrm_path picker;
    const QString home = QDir::cleanPath(QDir::homePath());
    QCOMPARE(picker.currentFolder(), home);
    QCOMPARE(Child<QLineEdit>(&picker, u"edtpath"_s)->text(), QDir::toNativeSeparators(home));
    QTest::mouseClick(Child<QPushButton>(&picker, u"butquit"_s), Qt::LeftButton);
    QCOMPARE(ReadSetting(SettingsKey, Section, u"Outpath"_s, QString()), gone);
}

QTEST_MAIN(DataWindowTest)
#include "tst_exchange_window.moc"
