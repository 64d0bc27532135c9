#include "frmdataoutorin.h"

#include "BusyCursor.h"
#include "EnterNavigator.h"
#include "Helpers.h"
#include "Prompter.h"
#include "RecordSetCustom.h"
#include "Statements.h"
#include "SubmissionExport.h"
#include "SystemInfo.h"
#include "UiFont.h"
#include "frmpath.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

namespace {

const QString PathSection = QStringLiteral("Accessdataout");
const QString OutPathValue = QStringLiteral("Outpath");

QToolButton* toolButton(QToolBar* bar, const QString& name, const QString& caption,
                        const QString& hint, QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setIcon(bar->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addWidget(button);
    return button;
}

} // namespace

Tfrm_dataoutOrin::Tfrm_dataoutOrin(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      mode_(WindowMode) {
    setObjectName(QStringLiteral("frm_dataoutOrin"));
    setFont(SongFont(9));

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    c_dataout = toolButton(bar, QStringLiteral("c_dataout"), QString(), QStringLiteral("导出"),
                           QStyle::SP_DialogSaveButton);
    c_tolexit = toolButton(bar, QStringLiteral("c_tolexit"), QStringLiteral("退出"),
                           QStringLiteral("返回"), QStyle::SP_DialogCloseButton);

    grpdata = new QGroupBox(this);
    grpdata->setObjectName(QStringLiteral("grpdata"));
    labdatapath = new QLabel(grpdata);
    labdatapath->setObjectName(QStringLiteral("labdatapath"));
    edtpath = new QLineEdit(grpdata);
    edtpath->setObjectName(QStringLiteral("edtpath"));
    butpath = new QToolButton(grpdata);
    butpath->setObjectName(QStringLiteral("butpath"));
    butpath->setText(QStringLiteral("…"));
    butpath->setAutoRaise(true);
    lstname = new QListWidget(grpdata);
    lstname->setObjectName(QStringLiteral("lstname"));
    lstname->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstid = new QListWidget(grpdata);
    lstid->setObjectName(QStringLiteral("lstid"));
    lstid->setVisible(false);
    butallselect = new QPushButton(QStringLiteral("全选"), grpdata);
    butallselect->setObjectName(QStringLiteral("butallselect"));
    butnoall = new QPushButton(QStringLiteral("全清"), grpdata);
    butnoall->setObjectName(QStringLiteral("butnoall"));

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(edtpath);
    pathRow->addWidget(butpath);
    auto* tickRow = new QHBoxLayout;
    tickRow->addStretch();
    tickRow->addWidget(butallselect);
    tickRow->addWidget(butnoall);
    auto* groupLayout = new QVBoxLayout(grpdata);
    groupLayout->addWidget(labdatapath);
    groupLayout->addLayout(pathRow);
    groupLayout->addWidget(lstname, 1);
    groupLayout->addLayout(tickRow);

    auto* windowLayout = new QVBoxLayout(this);
    windowLayout->setContentsMargins(0, 0, 0, 8);
    windowLayout->addWidget(bar);
    auto* groupRow = new QHBoxLayout;
    groupRow->setContentsMargins(8, 0, 8, 0);
    groupRow->addWidget(grpdata);
    windowLayout->addLayout(groupRow, 1);

    setFixedSize(400, 430);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    connect(c_dataout, &QToolButton::clicked, this, &Tfrm_dataoutOrin::c_dataoutClick);
    connect(c_tolexit, &QToolButton::clicked, this, &Tfrm_dataoutOrin::c_tolexitClick);
    connect(butpath, &QToolButton::clicked, this, &Tfrm_dataoutOrin::butpathClick);
    connect(butallselect, &QPushButton::clicked, this, &Tfrm_dataoutOrin::butallselectClick);
    connect(butnoall, &QPushButton::clicked, this, &Tfrm_dataoutOrin::butnoallClick);
    EnterNavigator::install(this);

    FormCreate();
}

void Tfrm_dataoutOrin::FormCreate() {
    BusyCursor busy;
    c_dataout->setText(QStringLiteral("上报"));
    setWindowTitle(QStringLiteral("数据的上报"));
    grpdata->setTitle(QStringLiteral("数据的上报"));
    labdatapath->setText(QStringLiteral("数据上报路径"));

    fillApplicants();
    // Every line starts ticked, also when the dossier opens the window for its applicant;
    // that applicant's line is the current one.
    if (mode_ == WindowModes::Dossier) {
        for (int row = 0; row < lstid->count(); ++row) {
            if (lstid->item(row)->text() == CurrentId)
                lstname->setCurrentRow(row);
        }
    }
    setAllTicked(true);

    const QString stored = ReadSetting(SettingsKey, PathSection, OutPathValue, QString());
    edtpath->setText(!stored.isEmpty() && QFileInfo(stored).isDir() ? stored : QString());
}

void Tfrm_dataoutOrin::fillApplicants() {
    TDataPacket packet;
    const QString condition = QStringLiteral(" and f_year=") + QuotedValue(LoginYear) +
                              QStringLiteral(" order by f_name");
    if (!OpenQuery(SelectSql(QStringLiteral("f_id,f_name,f_cardid,f_area"),
                             QStringLiteral("t_grzl"), condition),
                   packet))
        return;
    TCustomRecordSet applicants;
    applicants.SetData(packet);
    for (applicants.First(); !applicants.Eof(); applicants.Next()) {
        const QString line =
            applicants.FieldByName(QStringLiteral("f_name")).AsString() + QStringLiteral("(") +
            applicants.FieldByName(QStringLiteral("f_cardid")).AsString() + QStringLiteral(")");
        auto* item = new QListWidgetItem(line, lstname);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        lstid->addItem(applicants.FieldByName(QStringLiteral("f_id")).AsString());
    }
}

void Tfrm_dataoutOrin::setAllTicked(bool ticked) {
    for (int row = 0; row < lstname->count(); ++row)
        lstname->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

void Tfrm_dataoutOrin::butpathClick() {
    {
        const auto picker = std::make_unique<Tfrm_path>();
        picker->exec();
    }
    edtpath->setText(ReadSetting(SettingsKey, PathSection, OutPathValue, QString()));
}

void Tfrm_dataoutOrin::butallselectClick() {
    setAllTicked(true);
}

void Tfrm_dataoutOrin::butnoallClick() {
    setAllTicked(false);
}

void Tfrm_dataoutOrin::c_dataoutClick() {
    QStringList ids;
    QString firstLine;
    for (int row = 0; row < lstname->count(); ++row) {
        if (lstname->item(row)->checkState() != Qt::Checked)
            continue;
        if (ids.isEmpty())
            firstLine = lstname->item(row)->text();
        ids.append(lstid->item(row)->text());
    }
    bool exported = false;
    {
        BusyCursor busy;
        exported = SubmissionExport::ExportSubmission(ids, firstLine, edtpath->text());
    }
    if (exported)
        AskBox(QStringLiteral("数据导出成功!"), QStringLiteral("提示信息"), BoxFlags::Ok);
}

void Tfrm_dataoutOrin::c_tolexitClick() {
    close();
}
