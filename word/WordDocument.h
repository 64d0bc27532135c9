#pragma once

#include <QString>
#include <stdexcept>

// The document a fill routine writes into. Places are addressed by paragraph ordinal: the
// 1-based position of a paragraph in the main text, counting every paragraph in document
// order, the paragraphs of table cells included, plus one for the end mark of every table
// row. Text boxes, headers and footers are not counted.
//
// Every operation that cannot be done (an ordinal the document does not have, a paste
// without a picture, an unreadable or unwritable file) raises WordError.

class WordError : public std::runtime_error {
public:
    explicit WordError(const QString& message);
    // The cause in words the user can act on.
    QString message() const;

private:
    QString message_;
};

class WordDocument {
public:
    virtual ~WordDocument() = default;

    virtual int paragraphCount() const = 0;
    // The plain text of paragraph n (tabs as '\t'); the end mark of a table row has none.
    virtual QString paragraphText(int ordinal) const = 0;

    // Replaces the content of paragraph n by text, keeping its paragraph formatting and the
    // character formatting of its first run. A carriage return or line feed (a CR LF pair
    // counts once) starts a further paragraph after it, so every later ordinal moves on by
    // one; tabs stay tabs.
    virtual void setParagraphText(int ordinal, const QString& text) = 0;

    // Replaces the content of paragraph n by the picture on the clipboard.
    virtual void pasteIntoParagraph(int ordinal) = 0;
};

// The two operations of the fill routines, named as the windows call them.
void SetParagraphText(WordDocument& document, int ordinal, const QString& text);
void PasteIntoParagraph(WordDocument& document, int ordinal);
