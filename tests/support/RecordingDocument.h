#pragma once

#include "DocumentViewer.h"
#include "WordDocument.h"

#include <QImage>
#include <QList>
#include <QSet>
#include <QStringList>

// A document for tests of fill routines: records every call and keeps the paragraphs as the
// DOCX document would, so that a value with line breaks moves every later paragraph on
// exactly as it does in a real file. Ordinals that do not exist, and table-row end marks,
// are refused with WordError as the real document refuses them.
class RecordingDocument : public WordDocument {
public:
    struct Call {
        enum class Kind { SetText, Paste };
        Kind kind = Kind::SetText;
        int ordinal = 0;         // as the caller passed it
        int templateOrdinal = 0; // the template paragraph that stood there; 0 for an added one
        QString text;            // SetText: the text written
        QImage picture;          // Paste: the clipboard's picture at the time of the call
    };

    // A document of paragraphCount empty paragraphs; rowEnds are the ordinals of row end marks.
    explicit RecordingDocument(int paragraphCount, const QSet<int>& rowEnds = {});
    // A document with the paragraphs, texts and row end marks of a real .docx file.
    static RecordingDocument fromDocx(const QString& fileName);

    QList<Call> calls;

    int paragraphCount() const override;
    QString paragraphText(int ordinal) const override;
    void setParagraphText(int ordinal, const QString& text) override;
    void pasteIntoParagraph(int ordinal) override;

    // What now stands where the template had paragraph n: its text followed by the lines its
    // write added, joined with "\r", as the word processor shows them.
    QString templateParagraph(int templateOrdinal) const;
    // Whether a picture was pasted into the template's paragraph n, and the last one pasted.
    QImage templatePicture(int templateOrdinal) const;
    // The template ordinals written, in the order of the calls.
    QList<int> writtenTemplateOrdinals() const;

private:
    struct Paragraph {
        int templateOrdinal = 0;
        QString text;
        bool rowEnd = false;
        QImage picture;
    };
    qsizetype checkedIndex(int ordinal) const;
    qsizetype indexOfTemplate(int templateOrdinal) const;
    QList<Paragraph> paragraphs_;
};

// A viewer that only records the files it was asked to show, installed for its lifetime.
class RecordingViewer : public DocumentViewer {
public:
    RecordingViewer();
    ~RecordingViewer() override;
    RecordingViewer(const RecordingViewer&) = delete;
    RecordingViewer& operator=(const RecordingViewer&) = delete;

    bool show(const QString& fileName) override;

    QStringList shown;
    bool succeeds = true; // false: behaves as if no program could open the file
};
