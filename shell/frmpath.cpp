#include "frmpath.h"

#include "Helpers.h"
#include "SystemInfo.h"
#include "UiFont.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>
#include <algorithm>

namespace {

const QString PathSection = QStringLiteral("Accessdataout");

// The roots the drive list offers: the file system's drives and the mounted volumes, each
// once, in name order.
QStringList driveRoots() {
    QStringList roots;
    auto add = [&roots](const QString& path) {
        const QString root = QDir::fromNativeSeparators(path);
        if (!root.isEmpty() && QFileInfo(root).isDir() && !roots.contains(root))
            roots.append(root);
    };
    for (const QFileInfo& drive : QDir::drives())
        add(drive.absoluteFilePath());
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            add(volume.rootPath());
    }
    std::sort(roots.begin(), roots.end());
    return roots;
}

bool isInside(const QString& folder, const QString& root) {
    if (!folder.startsWith(root, Qt::CaseInsensitive))
        return false;
    return root.endsWith(QLatin1Char('/')) || folder.size() == root.size() ||
           folder.at(root.size()) == QLatin1Char('/');
}

} // namespace

Tfrm_path::Tfrm_path(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frm_path"));
    setWindowTitle(QStringLiteral("路径"));
    setFont(SongFont(9));
    setFixedSize(357, 330);

    auto* label = new QLabel(QStringLiteral("路径"), this);
    label->setGeometry(12, 12, 40, 21);
    edtpath = new QLineEdit(this);
    edtpath->setObjectName(QStringLiteral("edtpath"));
    edtpath->setGeometry(52, 12, 293, 21);
    edtpath->setReadOnly(true);

    drive1 = new QComboBox(this);
    drive1->setObjectName(QStringLiteral("drive1"));
    drive1->setGeometry(12, 40, 333, 22);
    drive1->addItems(driveRoots());

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setReadOnly(true);
    dir1 = new QTreeView(this);
    dir1->setObjectName(QStringLiteral("dir1"));
    dir1->setGeometry(12, 68, 333, 216);
    dir1->setModel(folders_);
    dir1->setHeaderHidden(true);
    for (int column = 1; column < folders_->columnCount(); ++column)
        dir1->hideColumn(column);

    butok = new QPushButton(QStringLiteral("确定"), this);
    butok->setObjectName(QStringLiteral("butok"));
    butok->setGeometry(176, 294, 75, 25);
    butok->setDefault(true);
    butquit = new QPushButton(QStringLiteral("取消"), this);
    butquit->setObjectName(QStringLiteral("butquit"));
    butquit->setGeometry(270, 294, 75, 25);

    dir1->installEventFilter(this);
    dir1->viewport()->installEventFilter(this);
    dir1->verticalScrollBar()->installEventFilter(this);

    connect(butok, &QPushButton::clicked, this, &Tfrm_path::butokClick);
    connect(butquit, &QPushButton::clicked, this, &Tfrm_path::butquitClick);
    connect(drive1, &QComboBox::currentIndexChanged, this, &Tfrm_path::drive1Change);
    connect(dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &Tfrm_path::dir1Change);
    // Folders are read in the background and arrive in batches that move the rows: keep
    // the current folder in sight until the user takes over the tree.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, &Tfrm_path::keepFolderInSight,
            Qt::QueuedConnection);
    connect(folders_, &QFileSystemModel::layoutChanged, this, &Tfrm_path::keepFolderInSight,
            Qt::QueuedConnection);

    FormCreate();
}

void Tfrm_path::FormCreate() {
    accepted_ = false;
    valueName_ =
        WindowMode == WindowModes::Import ? QStringLiteral("Inpath") : QStringLiteral("Outpath");
    const QString stored =
        QDir::fromNativeSeparators(ReadSetting(SettingsKey, PathSection, valueName_, QString()));
    const bool usable = !stored.isEmpty() && QFileInfo(stored).isDir();
    const QString folder =
        QDir::cleanPath(QFileInfo(usable ? stored : QDir::homePath()).absoluteFilePath());

    // The drive holding the folder: the longest root it lies in.
    int drive = -1;
    for (int i = 0; i < drive1->count(); ++i) {
        if (isInside(folder, drive1->itemText(i)) &&
            (drive < 0 || drive1->itemText(i).size() > drive1->itemText(drive).size()))
            drive = i;
    }
    if (drive >= 0 && drive != drive1->currentIndex())
        drive1->setCurrentIndex(drive);
    else if (drive >= 0)
        drive1Change(drive);
    setFolder(folder);
}

void Tfrm_path::drive1Change(int index) {
    if (index < 0)
        return;
    const QString root = drive1->itemText(index);
    folders_->setRootPath(root);
    dir1->setRootIndex(folders_->index(root));
    setFolder(root);
}

void Tfrm_path::dir1Change(const QModelIndex& current) {
    if (!current.isValid())
        return;
    folder_ = folders_->filePath(current);
    edtpath->setText(QDir::toNativeSeparators(folder_));
}

void Tfrm_path::setFolder(const QString& folder) {
    const QModelIndex index = folders_->index(folder);
    if (index.isValid()) {
        dir1->setCurrentIndex(index);
        dir1->scrollTo(index);
        dir1->expand(index);
    }
    folder_ = folder;
    edtpath->setText(QDir::toNativeSeparators(folder_));
}

void Tfrm_path::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    keepFolderInSight();
}

void Tfrm_path::keepFolderInSight() {
    const QModelIndex current = dir1->currentIndex();
    if (userBrowsing_ || !current.isValid() || !isVisible())
        return;
    dir1->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

bool Tfrm_path::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        userBrowsing_ = true;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void Tfrm_path::butokClick() {
    accepted_ = true;
    accept();
}

void Tfrm_path::butquitClick() {
    accepted_ = false;
    reject();
}

void Tfrm_path::done(int result) {
    FormClose();
    QDialog::done(result);
}

void Tfrm_path::FormClose() {
    if (accepted_)
        WriteSetting(SettingsKey, PathSection, valueName_, QDir::toNativeSeparators(folder_));
}
