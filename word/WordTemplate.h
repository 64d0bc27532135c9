#pragma once

#include "WordDocument.h"

#include <QString>
#include <functional>

// The "存Word" command of the document windows: copy a template from the program folder to a
// file the user names, fill the copy through the window's fill routine, save it and show it.

// Template names, relative to the program folder.
namespace WordTemplates {
inline const QString Summary = QStringLiteral("ModeData/single.docx");
inline const QString Evaluation = QStringLiteral("ModeData/zyps.docx");
inline const QString CompanyIntroduction = QStringLiteral("ModeData/cointrod0.docx");
inline const QString InstitutionIntroduction = QStringLiteral("ModeData/cointrod1.docx");
} // namespace WordTemplates

// What a document window holds of its last "存Word" run: the filled document that was shown
// to the user. Empty when the window opens, after a failed run and after ReleaseWord.
class WordApp {
public:
    bool isEmpty() const { return fileName_.isEmpty(); }
    QString fileName() const { return fileName_; }
    void assign(const QString& fileName) { fileName_ = fileName; }
    void clear() { fileName_.clear(); }

private:
    QString fileName_;
};

// A window's fill routine: writes the window's current values into the open document and
// raises an exception (normally WordError) when a value cannot be written.
using FillRoutine = std::function<void(WordDocument&)>;

// The file name the command writes for the name chosen in the save dialog: a name whose
// extension is ".docx" in any letter case is kept, any other extension is replaced by
// ".DOCX", and a name without one gets ".DOCX".
QString WordFileName(const QString& chosen);

// Runs the whole command. Nothing happens when the template is missing or the dialog is
// cancelled; refusals and failures are reported through AskBox with the caption "提示信息".
// A failure after the copy was made clears wordApp and leaves the copy in place.
void MakeWordFromTemplate(WordApp& wordApp, const QString& relativeTemplate,
                          const QString& defaultFileName, const FillRoutine& fill);

// Run when a document window closes: forgets the shown document. The program that shows it
// stays open with the user's work; no program is terminated.
void ReleaseWord(WordApp& wordApp);
