#pragma once

#include "Prompter.h"

#include <QList>
#include <QQueue>

// A prompter for tests: records every message box and dialog request and answers from
// queues the test fills beforehand. Nothing is ever shown.
class ScriptedPrompter : public Prompter {
public:
    struct Message {
        QString text;
        QString caption;
        int flags = 0;
    };

    // Answers for message boxes, in turn. An empty queue answers Ok for boxes with an OK
    // button and No for questions.
    QQueue<int> answers;
    // File and folder names returned by the dialogs, in turn; empty queue = cancelled.
    QQueue<QString> openFileNames;
    QQueue<QString> saveFileNames;
    QQueue<QString> saveFilters; // the filter entry chosen with each save file name
    QQueue<QString> folderNames;
    QQueue<std::optional<QFont>> fonts;

    QList<Message> messages;
    QStringList dialogCaptions;

    int messageBox(const QString& text, const QString& caption, int flags) override;
    QString openFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(const QString& caption, const QString& fileName, const QString& filter,
                         QString* selectedFilter) override;
    QString folderName(const QString& caption, const QString& folder) override;
    std::optional<QFont> font(const QFont& initial) override;

    QStringList texts() const;
};
