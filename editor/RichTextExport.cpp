#include "RichTextExport.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

RichParagraph::Alignment alignmentOf(Qt::Alignment alignment) {
    if (alignment & Qt::AlignHCenter)
        return RichParagraph::Alignment::Center;
    if (alignment & Qt::AlignJustify)
        return RichParagraph::Alignment::Justify;
    if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
        return RichParagraph::Alignment::Right;
    return RichParagraph::Alignment::Left;
}

RichRun runOf(const QTextFragment& fragment, const QFont& defaultFont) {
    const QTextCharFormat format = fragment.charFormat();
    const QFont font = format.font().resolve(defaultFont);
    RichRun run;
    run.text = fragment.text();
    run.text.remove(QChar::ObjectReplacementCharacter);
    run.fontFamily = font.family();
    run.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    run.bold = font.bold();
    run.italic = font.italic();
    run.underline = format.fontUnderline();
    run.strikeOut = font.strikeOut();
    if (format.foreground().style() != Qt::NoBrush)
        run.color = format.foreground().color();
    return run;
}

} // namespace

QList<RichParagraph> ParagraphsOf(const QTextDocument& document) {
    QList<RichParagraph> paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        RichParagraph paragraph;
        paragraph.alignment = alignmentOf(block.blockFormat().alignment());
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            RichRun run = runOf(fragment, document.defaultFont());
            if (!run.text.isEmpty())
                paragraph.runs.append(std::move(run));
        }
        paragraphs.append(std::move(paragraph));
    }
    return paragraphs;
}
