#pragma once

#include <QFont>
#include <QString>
#include <optional>

// The one road to message boxes and to the file, folder and font dialogs. The program
// installs a prompter that shows real dialogs; tests install a scripted one that records
// every message and answers in turn, so nothing ever blocks on a real box.

// Flag words of AskBox and the identifiers of the buttons it returns.
namespace BoxFlags {
inline constexpr int Ok = 0;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int IconError = 16;
inline constexpr int IconQuestion = 32;
inline constexpr int IconWarning = 48;
inline constexpr int IconInformation = 64;
} // namespace BoxFlags

namespace BoxAnswer {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace BoxAnswer

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual int messageBox(const QString& text, const QString& caption, int flags) = 0;
    // Each returns the empty text when the user cancels.
    virtual QString openFileName(const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    // selectedFilter receives the filter entry the user chose, when not null.
    virtual QString saveFileName(const QString& caption, const QString& fileName,
                                 const QString& filter, QString* selectedFilter) = 0;
    virtual QString folderName(const QString& caption, const QString& folder) = 0;
    virtual std::optional<QFont> font(const QFont& initial) = 0;
};

// Installs the prompter used from now on (not owned); nullptr removes it.
void SetPrompter(Prompter* prompter);
Prompter* CurrentPrompter();

// Shows a modal message box and returns the identifier of the button pressed. Without an
// installed prompter the text goes to the warning log and the answer is Ok (or No for a
// question), so a program without a user interface never waits.
int AskBox(const QString& text, const QString& caption, int flags);
