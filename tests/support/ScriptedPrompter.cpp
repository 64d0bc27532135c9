#include "ScriptedPrompter.h"

int ScriptedPrompter::messageBox(const QString& text, const QString& caption, int flags) {
    messages.append({text, caption, flags});
    if (!answers.isEmpty())
        return answers.dequeue();
    const int buttons = flags & 0x0F;
    return buttons == BoxFlags::YesNo || buttons == BoxFlags::YesNoCancel ? BoxAnswer::No
                                                                          : BoxAnswer::Ok;
}

QString ScriptedPrompter::openFileName(const QString& caption, const QString&, const QString&) {
    dialogCaptions.append(caption);
    return openFileNames.isEmpty() ? QString() : openFileNames.dequeue();
}

QString ScriptedPrompter::saveFileName(const QString& caption, const QString&, const QString&,
                                       QString* selectedFilter) {
    dialogCaptions.append(caption);
    const QString filter = saveFilters.isEmpty() ? QString() : saveFilters.dequeue();
    if (selectedFilter)
        *selectedFilter = filter;
    return saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue();
}

QString ScriptedPrompter::folderName(const QString& caption, const QString&) {
    dialogCaptions.append(caption);
    return folderNames.isEmpty() ? QString() : folderNames.dequeue();
}

std::optional<QFont> ScriptedPrompter::font(const QFont&) {
    return fonts.isEmpty() ? std::nullopt : fonts.dequeue();
}

QStringList ScriptedPrompter::texts() const {
    QStringList result;
    for (const Message& m : messages)
        result.append(m.text);
    return result;
}
