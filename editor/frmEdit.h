#pragma once

#include <QDialog>
#include <QString>
#include <QTextCharFormat>
#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QFontComboBox;
class QLabel;
class QTextEdit;
class QToolButton;
class TAdoRecordData;
class TDbConnect;

// The formatted-text editor of the long texts stored with a dossier: the content of a work
// (WindowMode 0, the row of CurrentId, CurrentWorkIndex and CurrentWorkKind in t_art), the
// recommendation opinion (4, t_grzl.f_commend) and the accounting case (30,
// t_kjal.f_content). The text is loaded when the window is shown and stored back as Qt rich
// text (HTML, UTF-8) in the column; it can be exported as a Word document, an RTF file or
// the program's own file (.html), which Open reads back.
class Tfrm_Edit : public QDialog {
    Q_OBJECT
public:
    explicit Tfrm_Edit(QWidget* owner = nullptr);
    ~Tfrm_Edit() override;

    // Puts the opener's hint into the hint line; in mode 0 the line starts with the hint the
    // works grid left in WorkContentHint.
    void setHint(const QString& text);

    // Replaces the editor's text by the stored column of the mode's row; true when the row
    // exists. Clears the modified flag.
    bool LoadContent();
    // Writes the editor's text into the mode's row; true when it was written. A missing row
    // or a database failure is reported and gives false.
    bool SaveContent();
    // Whether the text may be dropped: unmodified, or the user answers No, or Yes and the
    // save succeeds.
    bool CanDiscard();
    // An empty new document, after CanDiscard.
    void New();
    // Reads a file of the program's own format into the editor, after CanDiscard.
    void Open();
    // Asks for a file name and writes the text as Word, RTF or the program's own file.
    void ExportDocument();

    QTextEdit* editor() const { return edtText; }

public Q_SLOTS:
    void atNewExecute();
    void atOpenExecute();
    void atSaveExecute();
    void atSaveAsExecute();
    void atCutExecute();
    void atCopyExecute();
    void atPasteExecute();
    void atUndoExecute();
    void atSelectExecute();
    void atFontExecute();
    void atAlignExecute(QAction* action);
    void btnBoldClick(bool checked);
    void btnItalicClick(bool checked);
    void btnUnderlineClick(bool checked);
    void cmbFontClick(int index);
    void cmbFontSizeClick(int index);
    void btnExitClick();
    // Closing by 退出, the close box or Escape: only when CanDiscard allows.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        QString table;
        QString column;
        QString condition;
    };
    std::optional<Target> contentTarget(bool forSave) const;
    // Opens the row that holds the text on the local database and makes it current;
    // false when there is none. Raises DatabaseError.
    static bool openTargetRow(TDbConnect& connection, TAdoRecordData& data, const Target& target);
    void setContent(const QByteArray& bytes);
    QByteArray content() const;
    void applySize(const QString& text);
    void applyCharFormat(const std::function<void(QTextCharFormat&)>& change);
    void showCharFormat(const QTextCharFormat& format);
    void showAlignment();
    void refreshFeedback();
    bool writeExport(const QString& fileName, int kind) const;

    quint8 mode_ = 0;
    QString fileName_;
    bool updatingToolbar_ = false;
    QString sizeShown_;

    QTextEdit* edtText = nullptr;
    QLabel* lblMsg = nullptr;
    QFontComboBox* cmbFont = nullptr;
    QComboBox* cmbFontSize = nullptr;
    QToolButton* btnBold = nullptr;
    QToolButton* btnItalic = nullptr;
    QToolButton* btnUnderline = nullptr;
    QAction* atNew = nullptr;
    QAction* atOpen = nullptr;
    QAction* atSave = nullptr;
    QAction* atSaveAs = nullptr;
    QAction* atCut = nullptr;
    QAction* atCopy = nullptr;
    QAction* atPaste = nullptr;
    QAction* atUndo = nullptr;
    QAction* atSelect = nullptr;
    QAction* atFont = nullptr;
    QActionGroup* atAlign = nullptr;
    QAction* atAlignLeft = nullptr;
    QAction* atAlignCenter = nullptr;
    QAction* atAlignRight = nullptr;
    QAction* atAlignJustify = nullptr;
};
