#pragma once

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

// The folder picker: a list of drives (the mounted volumes) and the folder tree of the
// chosen one. It remembers the accepted folder itself, as "Outpath" in the export modes
// and as "Inpath" in the import mode of the data window, in the section "Accessdataout";
// its opener reads the setting back.
class Tfrm_path : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_path(QWidget* parent = nullptr);

    bool accepted() const { return accepted_; }
    // The folder the directory tree stands on.
    QString currentFolder() const { return folder_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public Q_SLOTS:
    void butokClick();
    void butquitClick();
    void drive1Change(int index);
    void dir1Change(const QModelIndex& current);

private Q_SLOTS:
    void keepFolderInSight();

private:
    void FormCreate();
    void FormClose();
    // Puts the directory tree on the folder and shows it in edtpath.
    void setFolder(const QString& folder);

    QComboBox* drive1;
    QTreeView* dir1;
    QLineEdit* edtpath;
    QPushButton* butok;
    QPushButton* butquit;
    QFileSystemModel* folders_;
    QString valueName_;
    QString folder_;
    bool accepted_ = false;
    bool userBrowsing_ = false;
};
