#pragma once

#include "Prompter.h"

// The program's prompter: real message boxes and file, folder and font dialogs over the
// active window.
class WidgetPrompter : public Prompter {
public:
    int messageBox(const QString& text, const QString& caption, int flags) override;
    QString openFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& fileName, const QString& filter,
                         QString* selectedFilter) override;
    QString folderName(const QString& caption, const QString& folder) override;
    std::optional<QFont> font(const QFont& initial) override;
};
