#include "frmgrzl.h"

#include "BusyCursor.h"
#include "DateBox.h"
#include "DossierGrids.h"
#include "EnterNavigator.h"
#include "FlatGrid.h"
#include "Helpers.h"
#include "NumericEdit.h"
#include "PopupEdit.h"
#include "Prompter.h"
#include "Statements.h"
#include "SystemInfo.h"
#include "UiFont.h"
#include "WorkWindows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace DossierGrids;

const QStringList Tfrm_grzl::ApplicantColumns =
    QStringLiteral("f_id,f_year,f_name,f_sex,f_borndate,f_cardid,f_area,f_postalcode,f_telephone,"
                   "f_dwlb,f_pg,f_address,f_bm,f_workdw,f_worktime,f_trade,f_nowzc,f_zcvalitime,"
                   "f_zcengagetime,f_nowbusiness,f_bustime,f_result,f_ksyxstarttime,"
                   "f_ksyxendtime,f_handset,f_zclettercode,F_oldzc,F_oldzcvalitime,"
                   "F_oldzclettercode,F_kjztime,F_kjzhao,f_hgzHao,f_pgtj,f_dwjb,f_dwxz,f_kjzwxz")
        .split(QLatin1Char(','));

namespace {

const QColor Maroon(128, 0, 0);

QLabel* label(const QString& text, QWidget* parent) {
    auto* result = new QLabel(text, parent);
    result->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return result;
}

template <class W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* lineEdit(const char* name, int maxLength, QWidget* parent) {
    auto* edit = named(new QLineEdit(parent), name);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

QComboBox* comboBox(const char* name, QWidget* parent, bool editable = false) {
    auto* combo = named(new QComboBox(parent), name);
    combo->setEditable(editable);
    combo->setMinimumContentsLength(4);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

QGridLayout* tightGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setContentsMargins(2, 1, 2, 1);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    return grid;
}

// Fixes a grid's height to its header and rows.
void fitRows(FlatGrid* grid, int rows) {
    const int header =
        grid->horizontalHeader()->isHidden() ? 0 : grid->horizontalHeader()->sizeHint().height();
    grid->setFixedHeight(header + rows * grid->verticalHeader()->defaultSectionSize() +
                         2 * grid->frameWidth());
}

} // namespace

Tfrm_grzl::Tfrm_grzl(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frm_grzl"));
    setWindowTitle(QStringLiteral("个人资料"));
    setFont(SongFont(9));
    setFixedSize(1003, 692);
    FieldValues = QStringList(38, QString());
    buildUi();
    EnterNavigator::install(this);

    // Opening.
    BusyCursor busy;
    InitPickLists();
    if (panfindform->x() >= 0)
        panfindform->move(-(panfindform->x() + panfindform->width() + 100), panfindform->y());
    SaveMode = 0;
    CurrentId.clear();
    TDataPacket packet;
    if (OpenQuery(SelectSql(ApplicantColumns.join(QLatin1Char(',')), QStringLiteral("t_grzl"),
                            QStringLiteral(" and f_year=") + QuotedValue(LoginYear) +
                                QStringLiteral(" order by f_cardid")),
                  packet)) {
        ApplicantList.SetData(packet);
        if (ApplicantList.IsEmpty()) {
            SetNavState(1);
            ResetEducationGrids();
            for (QPushButton* sheet : {sbut1, sbut2, sbut3, sbut4})
                sheet->setEnabled(false);
        } else {
            SetNavState(2);
            ShowApplicant();
        }
    }
}

Tfrm_grzl::~Tfrm_grzl() {
    ApplicantList.Close();
    CurrentId.clear();
    delete findWindow_;
}

// ---------------------------------------------------------------------------------------
// Layout

void Tfrm_grzl::buildUi() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(buildToolBar());
    layout->addWidget(buildSheetButtons());

    auto* panel = named(new QFrame(this), "pnlMain");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->setSpacing(1);
    panelLayout->addWidget(buildBasicData());
    panelLayout->addWidget(buildEducation());
    panelLayout->addWidget(buildTitles());
    panelLayout->addWidget(buildWorks(), 1);
    panelLayout->addWidget(buildCasePanel());
    layout->addWidget(panel, 1);

    buildPickListGrid();
    buildFindPanel();
    setTabOrderOfPanel();
    // Enter moves on through the fields; no button of the window presses itself on Enter.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    // Leaving the card box or the pass-certificate box for another control of this window;
    // a message box or another program taking the focus is no exit.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (!now || now->window() != this || !isVisible())
            return;
        if (old == edtcard)
            edtcardExit();
        else if (old == edtKSHGZH)
            edtKSHGZHExit();
    });
}

QWidget* Tfrm_grzl::buildToolBar() {
    auto* bar = named(new QWidget(this), "ToolBar1");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 2, 0, 2);
    row->setSpacing(0);
    auto addButton = [&](const char* name, const QString& caption, const QString& hint,
                         QStyle::StandardPixmap icon, bool shown, void (Tfrm_grzl::*handler)()) {
        auto* button = named(new QToolButton(bar), name);
        button->setText(caption);
        button->setToolTip(hint);
        button->setIcon(style()->standardIcon(icon));
        button->setIconSize(QSize(20, 20));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(48);
        button->setVisible(shown);
        if (handler)
            connect(button, &QToolButton::clicked, this, handler);
        row->addWidget(button);
        return button;
    };
    addButton("c_tolprint", QStringLiteral("打印"), QStringLiteral("打印(ctrl+P)"),
              QStyle::SP_FileDialogDetailedView, false, nullptr);
    addButton("c_tolpreview", QStringLiteral("预览"), QStringLiteral("预览"),
              QStyle::SP_FileDialogContentsView, false, nullptr);
    addButton("c_tolnew", QStringLiteral("新增"), QStringLiteral("新增(ctrl+N)"),
              QStyle::SP_FileIcon, false, &Tfrm_grzl::c_tolnewClick);
    addButton("c_save", QStringLiteral("保存"), QStringLiteral("保存(ctrl+s)"),
              QStyle::SP_DialogSaveButton, true, &Tfrm_grzl::c_saveClick);
    addButton("c_toldel", QStringLiteral("删除"), QStringLiteral("删除"), QStyle::SP_TrashIcon,
              false, &Tfrm_grzl::c_toldelClick);
    addButton("c_tolfind", QStringLiteral("查找"), QStringLiteral("查找(ctrl+F)"),
              QStyle::SP_FileDialogContentsView, false, &Tfrm_grzl::c_tolfindClick);
    c_tolML = addButton("c_tolML", QStringLiteral("首条"), QStringLiteral("最前"),
                        QStyle::SP_MediaSkipBackward, false, &Tfrm_grzl::c_tolMLClick);
    c_tolL = addButton("c_tolL", QStringLiteral("上条"), QStringLiteral("前一(ALT+SPACE)"),
                       QStyle::SP_MediaSeekBackward, false, &Tfrm_grzl::c_tolLClick);
    c_tolR = addButton("c_tolR", QStringLiteral("下条"), QStringLiteral("后一(SPACE)"),
                       QStyle::SP_MediaSeekForward, false, &Tfrm_grzl::c_tolRClick);
    c_tolMR = addButton("c_tolMR", QStringLiteral("末条"), QStringLiteral("最后"),
                        QStyle::SP_MediaSkipForward, false, &Tfrm_grzl::c_tolMRClick);
    addButton("c_toldataout", QStringLiteral("上报"), QStringLiteral("数据导出(ctrl+O)"),
              QStyle::SP_ArrowUp, true, &Tfrm_grzl::c_toldataoutClick);
    addButton("c_tolexit", QStringLiteral("退出"), QStringLiteral("返回"),
              QStyle::SP_DialogCloseButton, true, &Tfrm_grzl::c_tolexitClick);
    row->addStretch(1);

    auto addAction = [this](const char* name, const QKeySequence& keys) {
        auto* action = named(new QAction(this), name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        QWidget::addAction(action);
        return action;
    };
    connect(addAction("actsave", QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered, this,
            &Tfrm_grzl::c_saveClick);
    connect(addAction("actfind", QKeySequence(Qt::CTRL | Qt::Key_F)), &QAction::triggered, this,
            &Tfrm_grzl::c_tolfindClick);
    connect(addAction("actdataout", QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered, this,
            &Tfrm_grzl::c_toldataoutClick);
    actaddnew = addAction("actaddnew", QKeySequence(Qt::CTRL | Qt::Key_N));
    actaddnew->setEnabled(false);
    actprint = addAction("actprint", QKeySequence(Qt::CTRL | Qt::Key_P));
    actprint->setEnabled(false);
    return bar;
}

QWidget* Tfrm_grzl::buildSheetButtons() {
    auto* strip = new QWidget(this);
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto addSheet = [&](const char* name, const QString& caption, void (Tfrm_grzl::*handler)()) {
        auto* button = named(new QPushButton(caption, strip), name);
        button->setFlat(true);
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, Maroon);
        button->setPalette(palette);
        button->setFocusPolicy(Qt::NoFocus);
        button->setMinimumWidth(84);
        if (handler)
            connect(button, &QPushButton::clicked, this, handler);
        row->addWidget(button);
        return button;
    };
    sbut0 = addSheet("sbut0", QStringLiteral("基本资料"), nullptr);
    QFont bold = sbut0->font();
    bold.setBold(true);
    sbut0->setFont(bold);
    sbut1 = addSheet("sbut1", QStringLiteral("个人情况表"), &Tfrm_grzl::sbut1Click);
    sbut2 = addSheet("sbut2", QStringLiteral("单位简介"), &Tfrm_grzl::sbut2Click);
    sbut3 = addSheet("sbut3", QStringLiteral("推荐意见表"), &Tfrm_grzl::sbut3Click);
    sbut4 = addSheet("sbut4", QStringLiteral("个人评审表"), &Tfrm_grzl::sbut4Click);
    auto* hint =
        named(new QLabel(QStringLiteral("先保存基本资料，才能填写个人简明表、单位简介、推荐意见表、"
                                        "个人评审表，这些都跟审核有密切关系"),
                         strip),
              "labHint");
    hint->setStyleSheet(QStringLiteral("color: red;"));
    row->addWidget(hint, 1);
    return strip;
}

QWidget* Tfrm_grzl::buildBasicData() {
    auto* box = new QWidget(this);
    QGridLayout* grid = tightGrid(box);

    edtname = lineEdit("edtname", 0, box);
    cmbsex = comboBox("cmbsex", box);
    edtcard = lineEdit("edtcard", 21, box);
    dateborn = named(new DateBox(box), "dateborn");
    cmbarea = comboBox("cmbarea", box);
    cmbdwlb = comboBox("cmbdwlb", box);
    int column = 0;
    for (auto [caption, widget] : {std::pair<QString, QWidget*>{QStringLiteral("姓名："), edtname},
                                   {QStringLiteral("性别："), cmbsex},
                                   {QStringLiteral("身份证号："), edtcard},
                                   {QStringLiteral("出生日期："), dateborn},
                                   {QStringLiteral("所属地区："), cmbarea},
                                   {QStringLiteral("单位类别："), cmbdwlb}}) {
        grid->addWidget(label(caption, box), 0, column++);
        grid->addWidget(widget, 0, column++);
    }

    cmbDept = comboBox("cmbDept", box, true);
    acmbDwxz = comboBox("acmbDwxz", box);
    edtworkdw = lineEdit("edtworkdw", 80, box);
    grid->addWidget(label(QStringLiteral("委托部门："), box), 1, 0);
    grid->addWidget(cmbDept, 1, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("单位性质："), box), 1, 4);
    grid->addWidget(acmbDwxz, 1, 5, 1, 1);
    grid->addWidget(label(QStringLiteral("工作单位："), box), 1, 6);
    grid->addWidget(edtworkdw, 1, 7, 1, 5);

    edtaddress = lineEdit("edtaddress", 80, box);
    edtpostalcode = lineEdit("edtpostalcode", 6, box);
    edthandset = lineEdit("edthandset", 15, box);
    edttelephone = lineEdit("edttelephone", 15, box);
    grid->addWidget(label(QStringLiteral("通讯地址："), box), 2, 0);
    grid->addWidget(edtaddress, 2, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("邮政编码："), box), 2, 4);
    grid->addWidget(edtpostalcode, 2, 5);
    grid->addWidget(label(QStringLiteral("手    机："), box), 2, 6);
    grid->addWidget(edthandset, 2, 7, 1, 2);
    grid->addWidget(label(QStringLiteral("办公室电话："), box), 2, 9);
    grid->addWidget(edttelephone, 2, 10, 1, 2);
    for (int c = 1; c < 12; c += 2)
        grid->setColumnStretch(c, 1);
    return box;
}

QWidget* Tfrm_grzl::buildEducation() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(4);
    auto* caption = new QLabel(QStringLiteral("学     历"), box);
    caption->setFixedWidth(60);
    caption->setAlignment(Qt::AlignCenter);
    row->addWidget(caption);
    auto* grids = new QVBoxLayout;
    grids->setSpacing(0);
    dtlXL1 = named(new FlatGrid(LevelColumns(), box), "dtlXL1");
    dtlXL2 = named(new FlatGrid(SecondDegreeColumns(), box), "dtlXL2");
    QFont headerFont = font();
    headerFont.setPixelSize(13);
    dtlXL1->horizontalHeader()->setFont(headerFont);
    dtlXL2->horizontalHeader()->setVisible(false);
    for (FlatGrid* grid : {dtlXL1, dtlXL2}) {
        grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        grid->horizontalHeader()->setStretchLastSection(true);
    }
    fitRows(dtlXL1, 5);
    dtlXL2->appendRow();
    dtlXL2->setCellText(0, Second::Two, QStringLiteral("双"));
    fitRows(dtlXL2, 1);
    grids->addWidget(dtlXL1);
    grids->addWidget(dtlXL2);
    row->addLayout(grids, 1);

    connect(dtlXL1, &FlatGrid::focusedRowChanged, this, &Tfrm_grzl::dtlXL1ChangeNode);
    connect(dtlXL1, &FlatGrid::cellEdited, this, &Tfrm_grzl::dtlXL1Edited);
    connect(dtlXL2, &FlatGrid::cellEdited, this, &Tfrm_grzl::dtlXL2Edited);
    return box;
}

QWidget* Tfrm_grzl::buildTitles() {
    auto* box = new QWidget(this);
    QGridLayout* grid = tightGrid(box);

    cmbnowzc = comboBox("cmbnowzc", box);
    dtpzctime = named(new DateBox(box), "dtpzctime");
    edtzccode = lineEdit("edtzccode", 50, box);
    cmbOldZC = comboBox("cmbOldZC", box);
    cmbOldZC->addItems(
        {QStringLiteral("经济师"), QStringLiteral("统计师"), QStringLiteral("其他")});
    cmbOldZC->setCurrentIndex(-1);
    dtpoldzctime = named(new DateBox(box), "dtpoldzctime");
    edtoldzccode = lineEdit("edtoldzccode", 50, box);
    dtpworktime = named(new DateBox(box), "dtpworktime");
    cmbXdwjb = comboBox("cmbXdwjb", box);
    edtNowBus = lineEdit("edtNowBus", 0, box);
    dtpbustime = named(new DateBox(box), "dtpbustime");
    edtresult = named(new NumericEdit(2, false, box), "edtresult");
    edtresult->setText(QStringLiteral("0.00"));
    edtKSHGZH = lineEdit("edtKSHGZH", 0, box);
    cmbpg = comboBox("cmbpg", box);
    dpePGTJ = named(new PopupEdit(box), "dpePGTJ");
    edtkjhao = lineEdit("edtkjhao", 50, box);
    dtpkjtime = named(new DateBox(box), "dtpkjtime");
    cmbKjzwxz = comboBox("cmbKjzwxz", box);

    const QList<QList<std::pair<QString, QWidget*>>> rows = {
        {{QStringLiteral("现   职  称 ："), cmbnowzc},
         {QStringLiteral("职称证书授予时间："), dtpzctime},
         {QStringLiteral("证书号："), edtzccode},
         {QStringLiteral("参加工作时间："), dtpworktime}},
        {{QStringLiteral("转系列原职称："), cmbOldZC},
         {QStringLiteral("原职称证书授予时间："), dtpoldzctime},
         {QStringLiteral("证书号："), edtoldzccode},
         {QStringLiteral("现就职单位："), cmbXdwjb}},
        {{QStringLiteral("现职务："), edtNowBus},
         {QStringLiteral("现职务任职时间："), dtpbustime},
         {QStringLiteral("高师考试成绩："), edtresult},
         {QStringLiteral("高师考试合格证号："), edtKSHGZH}},
        {{QStringLiteral("是否破格："), cmbpg},
         {QStringLiteral("破格条件："), dpePGTJ},
         {QStringLiteral("会计从业资格证号码："), edtkjhao},
         {QStringLiteral("开始从事会计工作时间："), dtpkjtime}},
        {{QStringLiteral("会计职务性质："), cmbKjzwxz}},
    };
    for (int r = 0; r < rows.size(); ++r) {
        int column = 0;
        for (const auto& [caption, widget] : rows[r]) {
            grid->addWidget(label(caption, box), r, column++);
            grid->addWidget(widget, r, column++);
        }
    }
    for (int c = 1; c < 8; c += 2)
        grid->setColumnStretch(c, 1);

    connect(cmbarea, &QComboBox::activated, this, &Tfrm_grzl::cmbareaChange);
    connect(cmbdwlb, &QComboBox::activated, this, &Tfrm_grzl::cmbdwlbChange);
    connect(cmbpg, &QComboBox::activated, this, &Tfrm_grzl::cmbpgChange);
    connect(dpePGTJ, &PopupEdit::aboutToPopup, this, &Tfrm_grzl::dpePGTJPopup);
    connect(dpePGTJ, &PopupEdit::closedUp, this, &Tfrm_grzl::dpePGTJCloseUp);
    return box;
}

QWidget* Tfrm_grzl::buildWorks() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(2, 0, 2, 0);
    column->setSpacing(1);

    auto* hints = new QHBoxLayout;
    auto* greenHint = new QLabel(QStringLiteral("浅绿底色为代表作行"), box);
    auto* requiredHint =
        new QLabel(QStringLiteral("代表作必须填写，论文内容必须填写，可保存个人资料后填入"), box);
    requiredHint->setStyleSheet(QStringLiteral("color: red;"));
    greenHint->setStyleSheet(QStringLiteral("color: red;"));
    hints->addWidget(greenHint);
    hints->addSpacing(24);
    hints->addWidget(requiredHint);
    hints->addStretch(1);
    column->addLayout(hints);

    auto addGrid = [&](FlatGrid* grid, const QString& caption, QPushButton* add, QPushButton* del) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        auto* title = new QLabel(caption, box);
        title->setFixedWidth(60);
        title->setAlignment(Qt::AlignCenter);
        row->addWidget(title);
        row->addWidget(grid, 1);
        auto* buttons = new QVBoxLayout;
        buttons->setContentsMargins(0, 0, 0, 0);
        buttons->setSpacing(2);
        for (QPushButton* button : {add, del}) {
            if (button) {
                button->setFixedWidth(56);
                buttons->addWidget(button);
            }
        }
        buttons->addStretch(1);
        auto* buttonBox = new QWidget(box);
        buttonBox->setFixedWidth(60);
        buttonBox->setLayout(buttons);
        row->addWidget(buttonBox);
        column->addLayout(row);
    };

    dtlDBZ = named(new FlatGrid(RepresentativeWorkColumns(), box), "dtlDBZ");
    dtlDBZ->verticalHeader()->setDefaultSectionSize(23);
    dtlDBZ->setCellText(dtlDBZ->appendRow(), Works::Index, QStringLiteral("1"));
    dtlDBZ->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    fitRows(dtlDBZ, 1);
    // Room for the horizontal scroll bar under the single row.
    dtlDBZ->setFixedHeight(dtlDBZ->height() + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    dtlWZ = named(new FlatGrid(ArticleColumns(), box), "dtlWZ");
    dtlWZ->horizontalHeader()->setVisible(false);
    dtlWZ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    dtlZZ = named(new FlatGrid(BookColumns(), box), "dtlZZ");
    dtlZZ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    wzAdd = named(new QPushButton(QStringLiteral("增一行"), box), "wzAdd");
    wzDel = named(new QPushButton(QStringLiteral("删一行"), box), "wzDel");
    zzAdd = named(new QPushButton(QStringLiteral("增一行"), box), "zzAdd");
    zzDel = named(new QPushButton(QStringLiteral("删一行"), box), "zzDel");
    for (auto [button, kind] : {std::pair{wzAdd, 2}, {wzDel, 2}, {zzAdd, 3}, {zzDel, 3}})
        button->setProperty("tag", kind);
    connect(wzAdd, &QPushButton::clicked, this, &Tfrm_grzl::ClickAddRow);
    connect(zzAdd, &QPushButton::clicked, this, &Tfrm_grzl::ClickAddRow);
    connect(wzDel, &QPushButton::clicked, this, &Tfrm_grzl::wzDelClick);
    connect(zzDel, &QPushButton::clicked, this, &Tfrm_grzl::zzDelClick);
    for (FlatGrid* grid : {dtlDBZ, dtlWZ, dtlZZ})
        connect(grid, &FlatGrid::buttonClicked, this, &Tfrm_grzl::dbzContentButtonClick);
    connect(dtlDBZ, &FlatGrid::cellEdited, this, &Tfrm_grzl::dtlDBZEdited);
    connect(dtlWZ, &FlatGrid::cellEdited, this, &Tfrm_grzl::dtlDBZEdited);
    connect(dtlZZ, &FlatGrid::cellEdited, this, &Tfrm_grzl::dtlZZEdited);

    addGrid(dtlDBZ, QStringLiteral("代 表 作"), nullptr, nullptr);
    addGrid(dtlWZ, QStringLiteral("文    章"), wzAdd, wzDel);
    addGrid(dtlZZ, QStringLiteral("专    著"), zzAdd, zzDel);
    return box;
}

QWidget* Tfrm_grzl::buildCasePanel() {
    auto* panel = named(new QFrame(this), "panKjal");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(new QLabel(QStringLiteral(" 会计案例标题："), panel));
    edt_Kjal = lineEdit("edt_Kjal", 0, panel);
    row->addWidget(edt_Kjal, 1);
    sbut5 = named(new QPushButton(QStringLiteral("贴入会计案例内容"), panel), "sbut5");
    QPalette palette = sbut5->palette();
    palette.setColor(QPalette::ButtonText, Maroon);
    sbut5->setPalette(palette);
    connect(sbut5, &QPushButton::clicked, this, &Tfrm_grzl::sbut5Click);
    row->addWidget(sbut5);
    return panel;
}

void Tfrm_grzl::buildPickListGrid() {
    dtlPGTJ = named(new QTableWidget(0, 3), "dtlPGTJ");
    dtlPGTJ->setHorizontalHeaderLabels(
        {QStringLiteral("■"), QStringLiteral("条件"), QStringLiteral("选择")});
    dtlPGTJ->horizontalHeaderItem(0)->setData(Qt::UserRole, QStringLiteral("dgcCode"));
    dtlPGTJ->horizontalHeaderItem(1)->setData(Qt::UserRole, QStringLiteral("dgcReason"));
    dtlPGTJ->horizontalHeaderItem(2)->setData(Qt::UserRole, QStringLiteral("dgcSelect"));
    dtlPGTJ->verticalHeader()->setVisible(false);
    dtlPGTJ->verticalHeader()->setDefaultSectionSize(22);
    dtlPGTJ->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    dtlPGTJ->horizontalHeader()->setSectionsMovable(true);
    dtlPGTJ->horizontalHeader()->setMinimumSectionSize(18);
    dtlPGTJ->setSortingEnabled(false);
    dtlPGTJ->setWordWrap(true);
    dtlPGTJ->setSelectionMode(QAbstractItemView::ExtendedSelection);
    dtlPGTJ->setColumnWidth(0, 36);
    dtlPGTJ->setColumnWidth(1, 280);
    dtlPGTJ->setColumnWidth(2, 40);
    dtlPGTJ->horizontalHeader()->setStretchLastSection(true);
    dpePGTJ->setPopupWidget(dtlPGTJ, QSize(382, 240));
}

void Tfrm_grzl::buildFindPanel() {
    panfindform = named(new QFrame(this), "panfindform");
    panfindform->setFrameShape(QFrame::StyledPanel);
    QGridLayout* grid = tightGrid(panfindform);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setVerticalSpacing(8);
    rdbutname = named(new QRadioButton(QStringLiteral("姓名："), panfindform), "rdbutname");
    rdbutcard = named(new QRadioButton(QStringLiteral("身份证号："), panfindform), "rdbutcard");
    edtfindname = lineEdit("edtfindname", 0, panfindform);
    edtfindcard = lineEdit("edtfindcard", 21, panfindform);
    butok = named(new QPushButton(QStringLiteral("确定"), panfindform), "butok");
    butexit = named(new QPushButton(QStringLiteral("取消"), panfindform), "butexit");
    butok->setAutoDefault(false);
    butexit->setAutoDefault(false);
    grid->addWidget(rdbutname, 0, 0);
    grid->addWidget(edtfindname, 0, 1, 1, 2);
    grid->addWidget(rdbutcard, 1, 0);
    grid->addWidget(edtfindcard, 1, 1, 1, 2);
    grid->addWidget(butok, 2, 1);
    grid->addWidget(butexit, 2, 2);
    panfindform->setGeometry(0, 0, 300, 120);
    rdbutname->setChecked(true);
    edtfindcard->setEnabled(false);
    connect(rdbutname, &QRadioButton::clicked, this, &Tfrm_grzl::rdbutnameClick);
    connect(rdbutcard, &QRadioButton::clicked, this, &Tfrm_grzl::rdbutcardClick);
    connect(butok, &QPushButton::clicked, this, &Tfrm_grzl::butokClick);
    connect(butexit, &QPushButton::clicked, this, &Tfrm_grzl::butexitClick);
    edtfindname->installEventFilter(this);
    edtfindcard->installEventFilter(this);
}

void Tfrm_grzl::setTabOrderOfPanel() {
    const QList<QWidget*> order = {
        edtname,     cmbsex,    edtcard,    dateborn,      cmbarea,    cmbdwlb,      cmbDept,
        acmbDwxz,    edtworkdw, edtaddress, edtpostalcode, edthandset, edttelephone, dtlXL1,
        dtlXL2,      cmbnowzc,  dtpzctime,  edtzccode,     cmbOldZC,   dtpoldzctime, edtoldzccode,
        dtpworktime, cmbXdwjb,  edtNowBus,  dtpbustime,    edtresult,  edtKSHGZH,    cmbpg,
        dpePGTJ,     edtkjhao,  dtpkjtime,  cmbKjzwxz,     dtlDBZ,     dtlZZ,        dtlWZ,
        edt_Kjal,    wzDel,     zzAdd,      zzDel,         wzAdd};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// ---------------------------------------------------------------------------------------
// Record lifecycle

void Tfrm_grzl::showDate(DateBox* box, const QString& stored) {
    try {
        box->setDate(DateFromText(stored));
    } catch (const ConversionError&) {
        // A stored text that is no date shows today, as an empty one does.
        box->setDate(QDate::currentDate());
    }
}

void Tfrm_grzl::ShowApplicant() {
    ClearDossier();
    if (ApplicantList.IsEmpty())
        return;
    SaveMode = 1;
    CurrentId = ApplicantList.FieldByName(QStringLiteral("f_id")).AsString();
    const auto text = [this](const char* column) {
        return ApplicantList.FieldByName(QLatin1String(column)).AsString();
    };
    const auto position = [&text](const char* column) {
        try {
            return ParseCount(text(column));
        } catch (const ConversionError&) {
            return -1;
        }
    };

    edtname->setText(text("f_name"));
    cmbsex->setCurrentIndex(text("f_sex") == QStringLiteral("男") ? 0 : 1);
    showDate(dateborn, text("f_borndate"));
    edtcard->setText(text("f_cardid"));
    cmbarea->setCurrentIndex(cmbarea->findText(text("f_area"), Qt::MatchExactly));
    cmbareaChange();
    edtpostalcode->setText(text("f_postalcode"));
    edttelephone->setText(text("f_telephone"));
    edthandset->setText(text("f_handset"));
    cmbdwlb->setCurrentIndex(cmbdwlb->findText(text("f_dwlb"), Qt::MatchExactly));
    cmbdwlbChange();
    acmbDwxz->setCurrentIndex(acmbDwxz->findData(text("f_dwxz")));
    cmbDept->setCurrentText(text("f_bm"));
    cmbXdwjb->setCurrentIndex(cmbXdwjb->findText(text("f_dwjb"), Qt::MatchExactly));
    const int duty = position("f_kjzwxz");
    cmbKjzwxz->setCurrentIndex(duty >= 0 && duty < cmbKjzwxz->count() ? duty : -1);
    const int pg = position("f_pg");
    cmbpg->setCurrentIndex(pg >= 0 && pg < cmbpg->count() ? pg : 0);
    cmbpgChange();
    dpePGTJ->setText(text("f_pgtj"));
    edtaddress->setText(text("f_address"));
    edtworkdw->setText(text("f_workdw"));
    showDate(dtpworktime, text("f_worktime"));
    cmbnowzc->setCurrentIndex(text("f_nowzc") == QStringLiteral("会计师") ? 0 : 1);
    showDate(dtpzctime, text("f_zcvalitime"));
    edtzccode->setText(text("f_zclettercode"));
    cmbOldZC->setCurrentIndex(cmbOldZC->findText(text("F_oldzc"), Qt::MatchExactly));
    showDate(dtpoldzctime, text("F_oldzcvalitime"));
    edtoldzccode->setText(text("F_oldzclettercode"));
    edtNowBus->setText(text("f_nowbusiness"));
    showDate(dtpbustime, text("f_bustime"));
    edtresult->setText(text("f_result"));
    FieldValues[36] = text("f_ksyxstarttime");
    FieldValues[37] = text("f_ksyxendtime");
    edtKSHGZH->setText(text("f_hgzHao"));
    showDate(dtpkjtime, text("F_kjztime"));
    edtkjhao->setText(text("F_kjzhao"));

    LoadEducation();
    LoadWorks();
    LoadCaseTitle();
}

void Tfrm_grzl::ClearDossier() {
    SaveMode = 0;
    CurrentId.clear();
    showDate(dtpzctime, QStringLiteral("19900101"));
    showDate(dtpoldzctime, QStringLiteral("19900101"));
    for (QLineEdit* edit :
         {edtname, edtcard, edtpostalcode, edttelephone, edthandset, edtaddress, edtzccode,
          edtoldzccode, edtworkdw, edtNowBus, static_cast<QLineEdit*>(edtresult),
          static_cast<QLineEdit*>(dpePGTJ), edtKSHGZH, edtkjhao})
        edit->clear();
    for (QComboBox* combo : {cmbdwlb, cmbXdwjb, cmbDept, cmbpg})
        combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
    ResetEducationGrids();
    ResetWorksGrids();
}

bool Tfrm_grzl::SaveDossier(int mode) {
    if (!ValidateDossier(mode))
        return false;
    BusyCursor busy;
    CollectFields(mode);

    QString statement;
    if (mode == 0) {
        QStringList values;
        for (int i = 0; i < ApplicantColumns.size(); ++i)
            values << QuotedValue(FieldValues[i]);
        statement = InsertSql(QStringLiteral("t_grzl"), ApplicantColumns.join(QLatin1Char(',')),
                              values.join(QLatin1Char(',')));
    } else {
        QStringList assignments;
        for (int i = 1; i < ApplicantColumns.size(); ++i)
            assignments << ApplicantColumns[i] + QLatin1Char('=') + QuotedValue(FieldValues[i]);
        statement = UpdateSql(QStringLiteral("t_grzl"), assignments.join(QLatin1Char(',')),
                              QStringLiteral(" and f_id=") + QuotedValue(FieldValues[0]));
    }
    if (!ExecSql(statement)) {
        // Nothing else is written: the education and the other rows belong to an applicant
        // whose basic data the database has not taken.
        if (mode == 0)
            CurrentId.clear();
        AskBox(QStringLiteral("个人资料保存失败，请检查后重新保存！"), QStringLiteral("提示信息"),
               BoxFlags::Ok);
        return false;
    }
    SyncListRow(mode);
    SaveMode = 1;

    EnsureOtherRow();
    SaveCaseTitle();
    SaveEducation();
    for (int kind : {1, 2, 3})
        SaveWorksKind(kind);

    if (mode == 0) {
        for (QPushButton* sheet : {sbut1, sbut2, sbut3, sbut4})
            sheet->setEnabled(true);
    }
    return true;
}

void Tfrm_grzl::CollectFields(int mode) {
    if (mode == 0)
        CurrentId = NewRecordId();
    QStringList& v = FieldValues;
    v[0] = CurrentId;
    v[1] = LoginYear;
    v[2] = edtname->text().trimmed();
    v[3] = cmbsex->currentText().trimmed();
    v[4] = dateborn->storedText();
    v[5] = edtcard->text().trimmed();
    v[6] = cmbarea->currentText();
    v[7] = edtpostalcode->text().trimmed();
    v[8] = edttelephone->text().trimmed();
    v[9] = cmbdwlb->currentText();
    v[10] = QString::number(cmbpg->currentIndex());
    v[11] = edtaddress->text().trimmed();
    v[12] = cmbDept->currentText().trimmed();
    v[13] = edtworkdw->text().trimmed();
    v[14] = dtpworktime->storedText();
    v[15].clear();
    v[16] = cmbnowzc->currentText().trimmed();
    v[17] = dtpzctime->storedText();
    v[18].clear();
    v[19] = edtNowBus->text().trimmed();
    v[20] = dtpbustime->storedText();
    v[21] = edtresult->text().trimmed();
    v[22] = v[36];
    v[23] = v[37];
    v[24] = edthandset->text().trimmed();
    v[25] = edtzccode->text().trimmed();
    v[26] = cmbOldZC->currentText().trimmed();
    v[27] = dtpoldzctime->storedText();
    v[28] = edtoldzccode->text().trimmed();
    v[29] = dtpkjtime->storedText();
    v[30] = edtkjhao->text().trimmed();
    v[31] = edtKSHGZH->text().trimmed();
    v[32] = dpePGTJ->text().trimmed();
    v[33] = cmbXdwjb->currentText().trimmed();
    v[34] = acmbDwxz->currentIndex() >= 0 ? acmbDwxz->currentData().toString() : QString();
    v[35] = QString::number(cmbKjzwxz->currentIndex());
}

void Tfrm_grzl::SyncListRow(int mode) {
    if (mode == 2) {
        ApplicantList.Delete();
        ClearDossier();
        return;
    }
    if (mode == 0) {
        ApplicantList.Append();
        ApplicantList.FieldByName(ApplicantColumns[0]).SetAsString(FieldValues[0]);
    } else {
        ApplicantList.Edit();
    }
    for (int i = 1; i < ApplicantColumns.size(); ++i)
        ApplicantList.FieldByName(ApplicantColumns[i]).SetAsString(FieldValues[i]);
    ApplicantList.Post();
    if (mode == 0 && ApplicantList.RecordCount() == 1)
        SetNavState(2);
}

void Tfrm_grzl::SetNavState(int state) {
    navState_ = state;
    c_tolML->setEnabled(state == 3 || state == 4);
    c_tolL->setEnabled(state == 3 || state == 4);
    c_tolR->setEnabled(state == 2 || state == 3);
    c_tolMR->setEnabled(state == 2 || state == 3);
}

void Tfrm_grzl::EnsureOtherRow() {
    TDataPacket packet;
    const bool found =
        OpenQuery(SelectSql(QStringLiteral("f_id,f_year"), QStringLiteral("t_grzlother"),
                            QStringLiteral(" and f_id=") + QuotedValue(CurrentId)),
                  packet) &&
        !packet.rows.isEmpty();
    if (!found)
        ExecSql(InsertSql(QStringLiteral("t_grzlother"), QStringLiteral("f_id,f_year"),
                          QuotedValue(CurrentId) + QLatin1Char(',') + QuotedValue(LoginYear)));
}

void Tfrm_grzl::SaveCaseTitle() {
    const QString condition = QStringLiteral(" and f_id=") + QuotedValue(CurrentId) +
                              QStringLiteral(" and f_year=") + QuotedValue(LoginYear);
    const QString title = edt_Kjal->text().trimmed();
    TDataPacket packet;
    const bool queried = OpenQuery(
        SelectSql(QStringLiteral("f_id,f_year,f_title"), QStringLiteral("t_kjal"), condition),
        packet);
    if (!queried || !packet.rows.isEmpty())
        ExecSql(UpdateSql(QStringLiteral("t_kjal"), QStringLiteral("f_title=") + QuotedValue(title),
                          condition));
    else
        ExecSql(InsertSql(QStringLiteral("t_kjal"), QStringLiteral("f_id,f_year,f_title"),
                          QuotedValue(CurrentId) + QLatin1Char(',') + QuotedValue(LoginYear) +
                              QLatin1Char(',') + QuotedValue(title)));
}

void Tfrm_grzl::LoadCaseTitle() {
    edt_Kjal->clear();
    TDataPacket packet;
    if (!OpenQuery(SelectSql(QStringLiteral("*"), QStringLiteral("T_kjal"),
                             QStringLiteral(" and f_id=") + QuotedValue(CurrentId) +
                                 QStringLiteral(" and f_year=") + QuotedValue(LoginYear)),
                   packet))
        return;
    TCustomRecordSet rows;
    rows.SetData(packet);
    if (!rows.IsEmpty())
        edt_Kjal->setText(rows.FieldByName(QStringLiteral("f_title")).AsString());
}

// ---------------------------------------------------------------------------------------
// Tool bar and sheet buttons

void Tfrm_grzl::c_saveClick() {
    SaveDossier(SaveMode);
}

void Tfrm_grzl::c_tolnewClick() {
    ClearDossier();
}

void Tfrm_grzl::c_toldataoutClick() {
    OpenWorkWindow(QStringLiteral("Tfrm_dataoutOrin"), this);
}

void Tfrm_grzl::c_tolexitClick() {
    close();
}

void Tfrm_grzl::openSheet(quint8 mode, const QString& window) {
    if (SaveMode != 1 || CurrentId.isEmpty())
        return;
    WindowMode = mode;
    OpenWorkWindow(window, this);
    WindowMode = WindowModes::Dossier;
}

void Tfrm_grzl::sbut1Click() {
    openSheet(WindowModes::Summary, QStringLiteral("Tfrm_single"));
}

void Tfrm_grzl::sbut2Click() {
    openSheet(WindowModes::UnitIntro, QStringLiteral("Tfrm_cointrod"));
}

void Tfrm_grzl::sbut3Click() {
    openSheet(WindowModes::Recommendation, QStringLiteral("Tfrm_Edit"));
}

void Tfrm_grzl::sbut4Click() {
    openSheet(WindowModes::Evaluation, QStringLiteral("Tfrm_ps"));
}

void Tfrm_grzl::sbut5Click() {
    openSheet(WindowModes::AccountingCase, QStringLiteral("Tfrm_Edit"));
}
