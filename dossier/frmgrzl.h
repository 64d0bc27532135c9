#pragma once

#include "RecordSetCustom.h"

#include <QDialog>
#include <QStringList>

class DateBox;
class FlatGrid;
class NumericEdit;
class PopupEdit;
class QAction;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QToolButton;

// The dossier window: the basic data of one applicant of the login year with education,
// works and the accounting-case title; it validates them, writes them into the applicant
// tables and opens the other sheets of the same applicant.
class Tfrm_grzl : public QDialog {
    Q_OBJECT
public:
    // The 36 t_grzl columns in the order of the select, the insert, the update and
    // FieldValues.
    static const QStringList ApplicantColumns;

    explicit Tfrm_grzl(QWidget* parent = nullptr);
    ~Tfrm_grzl() override;

    // Record lifecycle.
    void ShowApplicant();
    void ClearDossier();
    bool SaveDossier(int mode);
    void CollectFields(int mode);
    void SyncListRow(int mode);
    void SetNavState(int state);
    void EnsureOtherRow();
    void SaveCaseTitle();
    void LoadCaseTitle();

    // Admission rules.
    // True when the dossier may be written (mode 0 new, 1 stored); otherwise one rule has
    // said why (a duplicate card may be followed by a missing field).
    bool ValidateDossier(int mode);
    // True when every required field is filled; otherwise shows the first missing one.
    bool CheckRequiredFields();
    // Whether the score agrees with the pass certificate; puts the validity months of the
    // examination into FieldValues 36 and 37. Raises ConversionError, with those positions
    // left empty, when the certificate's year characters are not digits.
    bool CheckExamCertificate(const QString& certificate, double score);
    // The birth date held in a 15- or 18-character card number, today for other lengths.
    // Raises ConversionError when the digits form no date.
    static QDate BirthDateFromCard(const QString& card);

public Q_SLOTS:
    // Leaving the card box fills the birth date; leaving the pass-certificate box checks the
    // certificate against the score.
    void edtcardExit();
    void edtKSHGZHExit();

public:
    // Education grids.
    void ResetEducationGrids();
    void LoadEducation();
    void SaveEducation();

    // Works grids.
    void LoadWorks();
    void ResetWorksGrids();
    // Writes every complete row of a kind (1 representative work, 2 articles, 3 books);
    // false when a row's date stopped it.
    bool SaveWorksKind(int kind);
    bool SaveWorksRow(int kind, int row);
    void OpenWorkContent(int kind);
    void AddWorksRow(int kind);
    void DeleteWorksRow(int kind);
    FlatGrid* worksGrid(int kind) const;

    // Pick lists and cascades.
    void InitPickLists();
    void FillUnitCategories(const QString& area);
    void FillDeptList(const QString& area, const QString& category);
    void FillUnitGrades(const QString& category);

    // Navigation, search and deletion: 1 first, 2 prior, 3 next, 4 last.
    void MoveRecord(int how);
    void FindApplicant();

    int saveMode() const { return SaveMode; }
    int navState() const { return navState_; }
    const QStringList& fieldValues() const { return FieldValues; }
    TCustomRecordSet& applicantList() { return ApplicantList; }

public Q_SLOTS:
    void c_saveClick();
    void c_tolnewClick();
    void c_toldelClick();
    void c_tolfindClick();
    void c_tolMLClick();
    void c_tolLClick();
    void c_tolRClick();
    void c_tolMRClick();
    void c_toldataoutClick();
    void c_tolexitClick();
    void sbut1Click();
    void sbut2Click();
    void sbut3Click();
    void sbut4Click();
    void sbut5Click();

    void cmbareaChange();
    void cmbdwlbChange();
    void cmbpgChange();
    void dpePGTJPopup();
    void dpePGTJCloseUp();

    void dtlXL1ChangeNode(int row);
    void dtlXL1Edited(int row, int column);
    void dtlXL2Edited(int row, int column);

    void ClickAddRow();
    void wzDelClick();
    void zzDelClick();
    void dbzContentButtonClick(int row, int column);
    void dtlDBZEdited(int row, int column);
    void dtlZZEdited(int row, int column);

    void butokClick();
    void butexitClick();
    void rdbutnameClick();
    void rdbutcardClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildUi();
    QWidget* buildToolBar();
    QWidget* buildSheetButtons();
    QWidget* buildBasicData();
    QWidget* buildEducation();
    QWidget* buildTitles();
    QWidget* buildWorks();
    QWidget* buildCasePanel();
    void buildFindPanel();
    void buildPickListGrid();
    void setTabOrderOfPanel();

    // Opens a sheet window of the stored applicant with the given mode, then resets the
    // mode to 0; does nothing for a dossier not stored yet.
    void openSheet(quint8 mode, const QString& window);
    void showDate(DateBox* box, const QString& stored);

    // The two-digit code of a condition-grid row ("3、" gives "03").
    QString conditionCode(int row) const;

    TCustomRecordSet ApplicantList;
    int SaveMode = 0;
    QStringList FieldValues;
    int navState_ = 1;

    // Basic data.
    QLineEdit* edtname;
    QComboBox* cmbsex;
    QLineEdit* edtcard;
    DateBox* dateborn;
    QComboBox* cmbarea;
    QComboBox* cmbdwlb;
    QComboBox* cmbDept;
    QComboBox* acmbDwxz;
    QLineEdit* edtworkdw;
    QLineEdit* edtaddress;
    QLineEdit* edtpostalcode;
    QLineEdit* edthandset;
    QLineEdit* edttelephone;
    // Titles, posts, examination, exceptional admission.
    QComboBox* cmbnowzc;
    DateBox* dtpzctime;
    QLineEdit* edtzccode;
    QComboBox* cmbOldZC;
    DateBox* dtpoldzctime;
    QLineEdit* edtoldzccode;
    DateBox* dtpworktime;
    QComboBox* cmbXdwjb;
    QLineEdit* edtNowBus;
    DateBox* dtpbustime;
    NumericEdit* edtresult;
    QLineEdit* edtKSHGZH;
    QComboBox* cmbpg;
    PopupEdit* dpePGTJ;
    QTableWidget* dtlPGTJ;
    QLineEdit* edtkjhao;
    DateBox* dtpkjtime;
    QComboBox* cmbKjzwxz;
    // Grids.
    FlatGrid* dtlXL1;
    FlatGrid* dtlXL2;
    FlatGrid* dtlDBZ;
    FlatGrid* dtlWZ;
    FlatGrid* dtlZZ;
    QPushButton* wzAdd;
    QPushButton* wzDel;
    QPushButton* zzAdd;
    QPushButton* zzDel;
    // Accounting case.
    QLineEdit* edt_Kjal;
    QPushButton* sbut5;
    // Sheet buttons.
    QPushButton* sbut0;
    QPushButton* sbut1;
    QPushButton* sbut2;
    QPushButton* sbut3;
    QPushButton* sbut4;
    // Tool bar.
    QToolButton* c_tolML;
    QToolButton* c_tolL;
    QToolButton* c_tolR;
    QToolButton* c_tolMR;
    QAction* actaddnew;
    QAction* actprint;
    // Find panel and window.
    QFrame* panfindform;
    QRadioButton* rdbutname;
    QRadioButton* rdbutcard;
    QLineEdit* edtfindname;
    QLineEdit* edtfindcard;
    QPushButton* butok;
    QPushButton* butexit;
    QDialog* findWindow_ = nullptr;
};
