#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// The data window. In the export modes (opened from the main window, or from the dossier
// with its applicant) it lists the login year's applicants with check boxes, every line
// ticked, and writes the ticked applicants' complete dossiers into a submission file in
// the folder "数据上报" under the chosen folder.
class Tfrm_dataoutOrin : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_dataoutOrin(QWidget* parent = nullptr);

public Q_SLOTS:
    void butpathClick();
    void butallselectClick();
    void butnoallClick();
    void c_dataoutClick();
    void c_tolexitClick();

private:
    void FormCreate();
    void fillApplicants();
    void setAllTicked(bool ticked);

    quint8 mode_;
    QToolButton* c_dataout;
    QToolButton* c_tolexit;
    QGroupBox* grpdata;
    QLabel* labdatapath;
    QLineEdit* edtpath;
    QToolButton* butpath;
    QListWidget* lstname;
    QListWidget* lstid;
    QPushButton* butallselect;
    QPushButton* butnoall;
};
