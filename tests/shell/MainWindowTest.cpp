#include "MainWindowTest.h"

#include "LabelButton.h"
#include "ModalDriver.h"
#include "SystemInfo.h"
#include "TestEnvironment.h"
#include "WorkWindows.h"
#include "frmmain.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace {

void writeBackground(const QString& programFolder, QSize size) {
    QDir(programFolder).mkpath(QStringLiteral("BkPicture"));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    QVERIFY(image.save(programFolder + QStringLiteral("BkPicture/BkPic.Bmp"), "BMP"));
}

} // namespace

void MainWindowTest::startUpState() {
    TestEnvironment env;
    Tfrm_main window(env.programFolder());
    QCOMPARE(window.windowTitle(), QStringLiteral("Veltrano-申报端"));
    QVERIFY(window.windowState() & Qt::WindowMaximized);
    QCOMPARE(SystemInfo.DbPath, env.programFolder() + QStringLiteral("database/ledgerev.mdb"));
    QVERIFY(LoginYear.isEmpty());
    QVERIFY(window.menuBar()->isHidden());

    // Status bar: the six items in their order.
    QStringList items;
    for (QLabel* label : window.statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        items << label->text();
    QCOMPARE(items,
             QStringList({QStringLiteral("登录服务器："), QString(), QStringLiteral("系统年："),
                          QString(), QStringLiteral("登录用户："), QString()}));

    // The main bar, then the sub-menus that are placed on no bar.
    QStringList onBar;
    for (QAction* action : window.menuBar()->actions())
        onBar << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
    QCOMPARE(onBar, QStringList({QStringLiteral("dxBtngrzl"), QStringLiteral("|"),
                                 QStringLiteral("dxBtndataout"), QStringLiteral("|"),
                                 QStringLiteral("dxBtnexit"), QStringLiteral("dxStaticSupport")}));
    auto* support = Child<QAction>(&window, QStringLiteral("dxStaticSupport"));
    QVERIFY(!support->isVisible() && !support->isEnabled());
    auto* gather = Child<QMenu>(&window, QStringLiteral("dxSubgather"));
    QCOMPARE(gather->title(), QStringLiteral("统计汇总(&H)"));
    QCOMPARE(gather->actions().size(), 4);
    QVERIFY(gather->actions().at(2)->isSeparator());
    QCOMPARE(gather->actions().at(3)->objectName(), QStringLiteral("dxbthz"));
    QVERIFY(Child<QMenu>(&window, QStringLiteral("dxSubsysset"))->actions().isEmpty());
    QCOMPARE(Child<QMenu>(&window, QStringLiteral("dxSubfirstsh"))->actions().size(), 2);

    auto* dossier = Child<TLabelButton>(&window, QStringLiteral("butDossier"));
    QCOMPARE(dossier->caption(), QStringLiteral("个人资料"));
    QCOMPARE(dossier->size(), QSize(76, 55));
    QCOMPARE(Child<TLabelButton>(&window, QStringLiteral("butExport"))->caption(),
             QStringLiteral("数据上传"));
    auto* exit = Child<TLabelButton>(&window, QStringLiteral("butExit"));
    QCOMPARE(exit->caption(), QStringLiteral("退出"));
    QCOMPARE(exit->size(), QSize(33, 55));
    QCOMPARE(exit->hotFontColor(), QColor(128, 0, 0));
    QVERIFY(exit->glyph().isNull()); // no BkPicture folder
}

void MainWindowTest::dashboardLayout_data() {
    QTest::addColumn<QSize>("picture"); // empty: no picture file
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QPoint>("dossier");
    QTest::addColumn<QPoint>("exportButton");
    QTest::addColumn<QPoint>("exitButton");
    // No picture: laid out as for 680 x 500, centred in 1000 x 700 at (160, 100).
    QTest::newRow("no picture") << QSize() << QSize(1000, 700) << QSize(680, 500)
                                << QPoint(320, 188) << QPoint(440, 188) << QPoint(740, 520);
    // A wider picture takes the wider offsets 230, 160, 180.
    QTest::newRow("wide picture") << QSize(800, 560) << QSize(1000, 700) << QSize(800, 560)
                                  << QPoint(330, 230) << QPoint(510, 230) << QPoint(800, 550);
    QTest::newRow("picture of 680") << QSize(680, 480) << QSize(1001, 701) << QSize(680, 480)
                                    << QPoint(320, 198) << QPoint(440, 198) << QPoint(740, 510);
    // A panel narrower than the picture: the exit button follows the panel's corner.
    QTest::newRow("narrow panel") << QSize(800, 560) << QSize(700, 500) << QSize(800, 560)
                                  << QPoint(180, 130) << QPoint(360, 130) << QPoint(470, 320);
}

void MainWindowTest::dashboardLayout() {
    QFETCH(QSize, picture);
    QFETCH(QSize, panel);
    QFETCH(QSize, image);
    QFETCH(QPoint, dossier);
    QFETCH(QPoint, exportButton);
    QFETCH(QPoint, exitButton);
    TestEnvironment env;
    if (picture.isValid())
        writeBackground(env.programFolder(), picture);
    Tfrm_main window(env.programFolder());
    auto* pnlMain = Child<QWidget>(&window, QStringLiteral("pnlMain"));
    pnlMain->resize(panel);
    window.pnlMainResize();

    auto* img = Child<QLabel>(&window, QStringLiteral("Img_Main"));
    QCOMPARE(img->size(), image);
    QCOMPARE(img->pos(),
             QPoint((panel.width() - image.width()) / 2, (panel.height() - image.height()) / 2));
    QCOMPARE(Child<TLabelButton>(&window, QStringLiteral("butDossier"))->pos(), dossier);
    QCOMPARE(Child<TLabelButton>(&window, QStringLiteral("butExport"))->pos(), exportButton);
    QCOMPARE(Child<TLabelButton>(&window, QStringLiteral("butExit"))->pos(), exitButton);

    // Resizing keeps the buttons at the same place relative to the image.
    const QPoint before =
        Child<TLabelButton>(&window, QStringLiteral("butDossier"))->pos() - img->pos();
    pnlMain->resize(panel + QSize(301, 99));
    window.pnlMainResize();
    QCOMPARE(Child<TLabelButton>(&window, QStringLiteral("butDossier"))->pos() - img->pos(),
             before);
}

void MainWindowTest::commands_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("window"); // empty: no window opens
    QTest::addColumn<int>("mode");
    QTest::newRow("users") << "dxBtnyhgl"
                           << "Tfrm_yhgl" << 5;
    QTest::newRow("areas") << "dxBtnarea"
                           << "Tfrm_yhgl" << 6;
    QTest::newRow("education") << "dxBtneduset"
                               << "Tfrm_yhgl" << 8;
    QTest::newRow("unit categories") << "dxBtndwlb"
                                     << "Tfrm_yhgl" << 9;
    QTest::newRow("dossier") << "dxBtngrzl"
                             << "Tfrm_grzl" << 0;
    QTest::newRow("export") << "dxBtndataout"
                            << "Tfrm_dataoutOrin" << 19;
    QTest::newRow("import") << "dxBtndatain"
                            << "Tfrm_dataoutOrin" << 20;
    for (const char* idle :
         {"dxBtnfirstsh", "dxBtnspec", "dxBtnmavin", "dxBtnmavinhz", "dxBtnpersonhz", "dxbthz"})
        QTest::newRow(idle) << idle << QString() << -1;
}

void MainWindowTest::commands() {
    QFETCH(QString, item);
    QFETCH(QString, window);
    QFETCH(int, mode);
    TestEnvironment env;
    Tfrm_main mainWindow(env.programFolder());
    QStringList opened;
    for (const char* name : {"Tfrm_yhgl", "Tfrm_grzl", "Tfrm_dataoutOrin"}) {
        const QString className = QLatin1String(name);
        RegisterWorkWindow(className, [&opened, &mainWindow, className](QWidget* owner) {
            QCOMPARE(owner, &mainWindow);
            opened << className + QLatin1Char(' ') + QString::number(WindowMode);
        });
    }
    WindowMode = 77;
    Child<QAction>(&mainWindow, item)->trigger();
    UnregisterWorkWindows();
    QCOMPARE(opened, mode < 0 ? QStringList()
                              : QStringList({window + QLatin1Char(' ') + QString::number(mode)}));
    if (mode < 0)
        QCOMPARE(WindowMode, quint8(77));
    QCOMPARE(env.terminationRequests, 0);
}

void MainWindowTest::exitCommandEndsTheProgram() {
    TestEnvironment env;
    Tfrm_main window(env.programFolder());
    QTest::mouseClick(Child<TLabelButton>(&window, QStringLiteral("butExit")), Qt::LeftButton, {},
                      QPoint(5, 5));
    QCOMPARE(env.terminationRequests, 1);
    Child<QAction>(&window, QStringLiteral("dxBtnexit"))->trigger();
    QCOMPARE(env.terminationRequests, 2);
    // The dashboard's dossier button dispatches command 11.
    QList<int> opened;
    RegisterWorkWindow(QStringLiteral("Tfrm_grzl"), [&opened](QWidget*) { opened << WindowMode; });
    WindowMode = 77;
    QTest::mouseClick(Child<TLabelButton>(&window, QStringLiteral("butDossier")), Qt::LeftButton,
                      {}, QPoint(5, 5));
    UnregisterWorkWindows();
    QCOMPARE(opened, QList<int>({0}));
}

void MainWindowTest::loginOnFirstActivationShowsYear() {
    TestEnvironment env;
    Tfrm_main window(env.programFolder());
    int logins = 0;
    const QString year = QString::number(QDate::currentDate().year() + 1);
    WhenModalShown([&logins, year](QDialog* login) {
        ++logins;
        Child<QComboBox>(login, QStringLiteral("cmbyear"))->setCurrentText(year);
        Child<QPushButton>(login, QStringLiteral("butok"))->click();
    });
    window.show();
    auto* yearItem = Child<QLabel>(&window, QStringLiteral("stYear"));
    QTRY_COMPARE(yearItem->text(), year + QStringLiteral("年"));
    QCOMPARE(logins, 1);
    QCOMPARE(LoginYear, year);
    QCOMPARE(Child<QLabel>(&window, QStringLiteral("stUser"))->text(), QString());
    // A second activation asks for nothing.
    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(logins, 1);
}
