#include "frmmain.h"

#include "Helpers.h"
#include "LabelButton.h"
#include "SystemInfo.h"
#include "Termination.h"
#include "UiFont.h"
#include "WorkWindows.h"
#include "frmuserlogin.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <memory>

namespace {

// Loads a bitmap beside the program; a missing file gives no picture.
QPixmap loadPicture(const QString& fileName) {
    const QString path = ProgramFile(QStringLiteral("BkPicture/") + fileName);
    return QFileInfo::exists(path) ? QPixmap(path) : QPixmap();
}

// A glyph's lower-left pixel gives its transparent colour, as for the classic tool-button
// bitmaps the dashboard uses.
QPixmap transparentGlyph(const QPixmap& glyph) {
    if (glyph.isNull())
        return glyph;
    const QColor transparent = glyph.toImage().pixelColor(0, glyph.height() - 1);
    QPixmap result = glyph;
    result.setMask(glyph.createMaskFromColor(transparent, Qt::MaskInColor));
    return result;
}

} // namespace

Tfrm_main::Tfrm_main(const QString& programFolder, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frm_main"));
    setWindowTitle(QStringLiteral("Veltrano-申报端"));
    setFont(SongFont(9));
    // Maximised; the size of the screen's work area also holds where no window manager
    // maximises windows.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize());
    setWindowState(Qt::WindowMaximized);
    FormCreate(programFolder);
}

void Tfrm_main::FormCreate(const QString& programFolder) {
    InitSystemInfo(programFolder);

    pnlMain = new QWidget(this);
    pnlMain->setObjectName(QStringLiteral("pnlMain"));
    QPalette grey = pnlMain->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    pnlMain->setPalette(grey);
    pnlMain->setAutoFillBackground(true);
    setCentralWidget(pnlMain);
    pnlMain->installEventFilter(this);

    Img_Main = new QLabel(pnlMain);
    Img_Main->setObjectName(QStringLiteral("Img_Main"));
    Img_Main->setAlignment(Qt::AlignCenter);

    buildMenus();
    buildStatusBar();
    buildDashboard();
    pnlMainResize();
}

QAction* Tfrm_main::addCommandItem(const char* name, const QString& caption, const char* category,
                                   void (Tfrm_main::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setProperty("category", QLatin1String(category));
    connect(action, &QAction::triggered, this, handler);
    return action;
}

void Tfrm_main::buildMenus() {
    QAction* grzl = addCommandItem("dxBtngrzl", QStringLiteral("个人资料"), "personsb",
                                   &Tfrm_main::dxBtngrzlClick);
    QAction* dataout = addCommandItem("dxBtndataout", QStringLiteral("数据上报"), "personsb",
                                      &Tfrm_main::dxBtndataoutClick);
    QAction* exit =
        addCommandItem("dxBtnexit", QStringLiteral("退出"), "sysset", &Tfrm_main::dxBtnexitClick);
    QAction* firstsh = addCommandItem("dxBtnfirstsh", QStringLiteral("初级审核"), "firstsh",
                                      &Tfrm_main::dxBtnfirstshClick);
    QAction* special = addCommandItem("dxBtnspec", QStringLiteral("特殊审核"), "firstsh",
                                      &Tfrm_main::dxBtnspecClick);
    QAction* mavin = addCommandItem("dxBtnmavin", QStringLiteral("专家审核"), "mavinsh",
                                    &Tfrm_main::dxBtnmavinClick);
    QAction* mavinhz = addCommandItem("dxBtnmavinhz", QStringLiteral("专家评审汇总"), "gather",
                                      &Tfrm_main::dxBtnmavinhzClick);
    QAction* personhz = addCommandItem("dxBtnpersonhz", QStringLiteral("参评人员汇总"), "gather",
                                       &Tfrm_main::dxBtnpersonhzClick);
    QAction* bthz =
        addCommandItem("dxbthz", QStringLiteral("统计汇总"), "gather", &Tfrm_main::dxbthzClick);
    // Commands on no bar and in no sub-menu.
    addCommandItem("dxBtnyhgl", QStringLiteral("用户管理"), "sysset", &Tfrm_main::dxBtnyhglClick);
    addCommandItem("dxBtnarea", QStringLiteral("地区设置"), "sysset", &Tfrm_main::dxBtnareaClick);
    addCommandItem("dxBtneduset", QStringLiteral("学历设置"), "sysset",
                   &Tfrm_main::dxBtnedusetClick);
    addCommandItem("dxBtndwlb", QStringLiteral("单位类别"), "sysset", &Tfrm_main::dxBtndwlbClick);
    addCommandItem("dxBtndatain", QStringLiteral("数据导入"), "sysupdate",
                   &Tfrm_main::dxBtndatainClick);

    auto* support = new QAction(QStringLiteral("技术支持：请与本单位人事部门联系"), this);
    support->setObjectName(QStringLiteral("dxStaticSupport"));
    support->setProperty("category", QStringLiteral("statusbar"));
    support->setEnabled(false);
    support->setVisible(false);

    // The main bar "主菜单", hidden when the window opens.
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("主菜单"));
    bar->addAction(grzl);
    bar->addSeparator();
    bar->addAction(dataout);
    bar->addSeparator();
    bar->addAction(exit);
    bar->addAction(support);
    bar->setVisible(false);

    // Sub-menus that are defined but placed on no bar.
    auto addSubMenu = [this](const char* name, const QString& title,
                             std::initializer_list<QAction*> items) {
        auto* menu = new QMenu(title, this);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setProperty("category", QStringLiteral("memu"));
        for (QAction* item : items) {
            if (item)
                menu->addAction(item);
            else
                menu->addSeparator();
        }
    };
    addSubMenu("dxSubsysset", QStringLiteral("系统设置(&S)"), {});
    addSubMenu("dxSubpersonsb", QStringLiteral("个人申报(&B)"), {grzl});
    addSubMenu("dxSubfirstsh", QStringLiteral("初级审核(&F)"), {firstsh, special});
    addSubMenu("dxSubmavinsh", QStringLiteral("专家评定(&M)"), {mavin});
    addSubMenu("dxSubgather", QStringLiteral("统计汇总(&H)"), {mavinhz, personhz, nullptr, bthz});
    addSubMenu("dxSubdata", QStringLiteral("数据管理(&W)"), {});
}

void Tfrm_main::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("状态"));
    bar->setSizeGripEnabled(false);
    bar->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
    auto addItem = [bar](const char* name, const QString& text) {
        auto* label = new QLabel(text, bar);
        label->setObjectName(QLatin1String(name));
        bar->addWidget(label);
        return label;
    };
    addItem("stServerCaption", QStringLiteral("登录服务器："));
    serverValue_ = addItem("stServer", QString());
    addItem("stYearCaption", QStringLiteral("系统年："));
    yearValue_ = addItem("stYear", QString());
    addItem("stUserCaption", QStringLiteral("登录用户："));
    userValue_ = addItem("stUser", QString());
}

void Tfrm_main::buildDashboard() {
    const QColor maroon(128, 0, 0);
    const QColor hot(217, 85, 217);

    if (!exitButton_) {
        exitButton_ = new TLabelButton(pnlMain);
        exitButton_->setObjectName(QStringLiteral("butExit"));
        exitButton_->setTransparent(true);
        exitButton_->setFlat(true);
        exitButton_->setGlyphLayout(TLabelButton::GlyphLayout::Top);
        exitButton_->setVisible(true);
        exitButton_->setHotFontColor(maroon);
        exitButton_->setCaption(QStringLiteral("退出"));
        exitButton_->setToolTip(QStringLiteral("退出"));
        exitButton_->resize(33, 55);
        exitButton_->setGlyph(transparentGlyph(loadPicture(QStringLiteral("Exit.Bmp"))));
        connect(exitButton_, &TLabelButton::clicked, this, &Tfrm_main::dxBtnexitClick);
    }
    auto makeDashboardButton = [&](TLabelButton*& button, const char* name, const QString& caption,
                                   const QString& glyph, void (Tfrm_main::*handler)()) {
        if (button)
            return;
        button = new TLabelButton(pnlMain);
        button->setObjectName(QLatin1String(name));
        button->setCursor(Qt::PointingHandCursor);
        button->setGlyphLayout(TLabelButton::GlyphLayout::Top);
        button->resize(76, 55);
        button->setFlat(true);
        button->setHotFontColor(hot);
        button->setCaption(caption);
        button->setGlyph(transparentGlyph(loadPicture(glyph)));
        connect(button, &TLabelButton::clicked, this, handler);
    };
    makeDashboardButton(dossierButton_, "butDossier", QStringLiteral("个人资料"),
                        QStringLiteral("01.Bmp"), &Tfrm_main::dxBtngrzlClick);
    makeDashboardButton(exportButton_, "butExport", QStringLiteral("数据上传"),
                        QStringLiteral("02.Bmp"), &Tfrm_main::dxBtndataoutClick);

    const QPixmap background = loadPicture(QStringLiteral("BkPic.Bmp"));
    Img_Main->setPixmap(background);
    Img_Main->resize(background.size());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->size().width() < Img_Main->width()) {
        imageAutoSize_ = false;
        Img_Main->resize(screen->size());
    }
}

void Tfrm_main::pnlMainResize() {
    const QSize panel = pnlMain->size();
    if (Img_Main->pixmap().width() == 0) {
        imageAutoSize_ = false;
        Img_Main->resize(680, 500);
    } else if (imageAutoSize_) {
        Img_Main->resize(Img_Main->pixmap().size());
    }
    Img_Main->move((panel.width() - Img_Main->width()) / 2,
                   (panel.height() - Img_Main->height()) / 2);

    const bool wide = Img_Main->width() > 680;
    const int dx = wide ? 230 : 160;
    const int dy = wide ? 160 : 88;
    const int step = wide ? 180 : 120;
    dossierButton_->move(Img_Main->x() + dx, Img_Main->y() + dy);
    exportButton_->move(dossierButton_->x() + step, Img_Main->y() + dy);
    exitButton_->move(panel.width() - dx, panel.height() - dy - 20);
    if (panel.width() > Img_Main->width())
        exitButton_->move(Img_Main->x() + Img_Main->width() - 100,
                          Img_Main->y() + Img_Main->height() - 80);
}

bool Tfrm_main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pnlMain && event->type() == QEvent::Resize)
        pnlMainResize();
    return QMainWindow::eventFilter(watched, event);
}

bool Tfrm_main::event(QEvent* event) {
    // The first activation asks for the login year. A desktop without a window manager
    // never activates the window, so its first showing counts as well.
    if ((event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) && !activated_) {
        activated_ = true;
        // The login runs once the activation itself has been handled.
        QTimer::singleShot(0, this, &Tfrm_main::FormActivate);
    }
    return QMainWindow::event(event);
}

void Tfrm_main::FormActivate() {
    activated_ = true;
    {
        const auto login = std::make_unique<Tfrm_userlogin>();
        login->exec();
    }
    serverValue_->setText(serverName_);
    yearValue_->setText(LoginYear + QStringLiteral("年"));
    userValue_->setText(LoginUser);
}

void Tfrm_main::DispatchCommand(int command) {
    // Sets the mode, then opens the window: the window reads the mode while it is built.
    const auto open = [this](quint8 mode, const QString& window) {
        WindowMode = mode;
        OpenWorkWindow(window, this);
    };
    switch (command) {
    case 1:
        open(WindowModes::Users, QStringLiteral("Tfrm_yhgl"));
        break;
    case 2:
        open(WindowModes::AreaCodes, QStringLiteral("Tfrm_yhgl"));
        break;
    case 3:
        open(WindowModes::EducationCodes, QStringLiteral("Tfrm_yhgl"));
        break;
    case 4:
        open(WindowModes::UnitCategoryCodes, QStringLiteral("Tfrm_yhgl"));
        break;
    case 5:
        TerminateApplication();
        break;
    case 11:
        open(WindowModes::Dossier, QStringLiteral("Tfrm_grzl"));
        break;
    case 51:
        open(WindowModes::Export, QStringLiteral("Tfrm_dataoutOrin"));
        break;
    case 52:
        open(WindowModes::Import, QStringLiteral("Tfrm_dataoutOrin"));
        break;
    default:
        break; // 21, 22, 31, 41, 42, 43: no action in this client
    }
}
