#include "Prompter.h"

#include <QDebug>

namespace {
Prompter* installedPrompter = nullptr;
}

void SetPrompter(Prompter* prompter) {
    installedPrompter = prompter;
}

Prompter* CurrentPrompter() {
    return installedPrompter;
}

int AskBox(const QString& text, const QString& caption, int flags) {
    if (installedPrompter)
        return installedPrompter->messageBox(text, caption, flags);
    qWarning().noquote() << caption << text;
    const int buttons = flags & 0x0F;
    return buttons == BoxFlags::YesNo || buttons == BoxFlags::YesNoCancel ? BoxAnswer::No
                                                                          : BoxAnswer::Ok;
}
