#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Writing the dossiers of chosen applicants into a submission file: a copy of the empty
// template "modedata/modedb.mdb" beside the program, placed in the folder "数据上报" under
// a folder the user chooses and named after the first chosen applicant.
//
// The file is built under a temporary name beside its final place and moved there only
// after every row has been committed, so a refused or failed export never leaves a file
// under the final name, and a file the user agreed to overwrite is replaced only by a
// complete one.

namespace SubmissionExport {

// How a column's value is written into the submission file. Null stays null in every mode.
enum class CopyMode {
    Text,   // as text; binary content (the rich texts) byte for byte
    Number, // as a floating-point number
    Value,  // the stored value with its own type
};

struct CopyColumn {
    QString name;
    CopyMode mode;
};

struct CopyTable {
    QString name;
    QList<CopyColumn> columns;
};

// The applicant tables in the order they are copied, each with exactly the columns that
// go into the submission file (the photograph of t_grzlother is not among them).
const QList<CopyTable>& CopyLists();

// The condition that selects the rows of the applicants, for the select shape:
// " and f_id in ('A','B')". Every identifier is quoted; the list form has no limit on the
// number of applicants. Empty when ids is empty.
QString SelectionCondition(const QStringList& ids);

// The file name without extension: the text of the first chosen line up to its first "(",
// followed by "等" + count + "人" when more than one line is chosen. Characters that cannot
// stand in a file name (path separators among them) become "_".
QString SubmissionFileName(const QString& firstLineText, qsizetype count);

// The folder the file goes into: the chosen folder, trimmed, without trailing separators,
// followed by "/数据上报".
QString SubmissionFolder(const QString& chosenFolder);

// The complete export of the applicants with the given identifiers (all their years). The
// first line's text names the file. Asks before an existing file is replaced, refuses an
// applicant without the end of the examination's validity, and reports failures, all
// through AskBox; the success message is the caller's. True when the file is in place.
bool ExportSubmission(const QStringList& ids, const QString& firstLineText,
                      const QString& chosenFolder);

} // namespace SubmissionExport
