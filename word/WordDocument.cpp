#include "WordDocument.h"

WordError::WordError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

QString WordError::message() const {
    return message_;
}

void SetParagraphText(WordDocument& document, int ordinal, const QString& text) {
    document.setParagraphText(ordinal, text);
}

void PasteIntoParagraph(WordDocument& document, int ordinal) {
    document.pasteIntoParagraph(ordinal);
}
