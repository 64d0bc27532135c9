#include "RtfWriter.h"

#include "Helpers.h"

#include <QIODevice>
#include <cmath>

namespace {

const QString DefaultFont = QStringLiteral("Times New Roman");
constexpr int DefaultHalfPoints = 24;

// GBK bytes as \'hh escapes.
QByteArray hexEscapes(const QByteArray& bytes) {
    QByteArray result;
    for (const char byte : bytes) {
        result += "\\'";
        result += QByteArray::number(static_cast<uchar>(byte), 16).rightJustified(2, '0');
    }
    return result;
}

// A font name in the font table: ASCII as it stands, the rest as GBK bytes.
QByteArray fontName(const QString& name) {
    QByteArray result;
    for (const QChar c : name) {
        if (c.unicode() < 0x80 && c != QLatin1Char('\\') && c != QLatin1Char('{') &&
            c != QLatin1Char('}') && c != QLatin1Char(';'))
            result += char(c.unicode());
        else if (c.unicode() >= 0x80)
            result += hexEscapes(GbkBytes(QString(c)));
    }
    return result;
}

QByteArray escapedText(const QString& text) {
    QByteArray result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const ushort u = c.unicode();
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}')) {
            result += '\\';
            result += char(u);
        } else if (c == QLatin1Char('\t')) {
            result += "\\tab ";
        } else if (c == QChar::LineSeparator || c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            result += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            result += char(u);
        } else if (u < 0x20) {
            continue; // control characters have no place in text
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            // Beyond the basic plane GBK has no bytes: the two halves without a fallback.
            result += "\\uc0\\u" + QByteArray::number(qint16(u));
            result += "\\u" + QByteArray::number(qint16(text.at(i + 1).unicode())) + ' ';
            ++i;
        } else if (c.isSurrogate()) {
            continue; // a lone surrogate is no character
        } else {
            const QByteArray fallback = GbkBytes(QString(c));
            result += "\\uc" + QByteArray::number(fallback.size());
            result += "\\u" + QByteArray::number(qint16(u));
            result += hexEscapes(fallback);
        }
    }
    return result;
}

QByteArray alignmentWord(RichParagraph::Alignment alignment) {
    switch (alignment) {
    case RichParagraph::Alignment::Center:
        return "\\qc";
    case RichParagraph::Alignment::Right:
        return "\\qr";
    case RichParagraph::Alignment::Justify:
        return "\\qj";
    case RichParagraph::Alignment::Left:
        break;
    }
    return "\\ql";
}

} // namespace

QByteArray RtfBytes(const QList<RichParagraph>& paragraphs) {
    QStringList fonts{DefaultFont};
    QList<QColor> colors;
    for (const RichParagraph& paragraph : paragraphs) {
        for (const RichRun& run : paragraph.runs) {
            if (!run.fontFamily.isEmpty() && !fonts.contains(run.fontFamily))
                fonts.append(run.fontFamily);
            if (run.color.isValid() && !colors.contains(run.color))
                colors.append(run.color);
        }
    }

    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052\n{\\fonttbl";
    for (qsizetype n = 0; n < fonts.size(); ++n)
        rtf +=
            "{\\f" + QByteArray::number(n) + "\\fnil\\fcharset134 " + fontName(fonts.at(n)) + ";}";
    rtf += "}\n{\\colortbl;";
    for (const QColor& color : colors)
        rtf += "\\red" + QByteArray::number(color.red()) + "\\green" +
               QByteArray::number(color.green()) + "\\blue" + QByteArray::number(color.blue()) +
               ';';
    rtf += "}\n\\paperw11906\\paperh16838\\margl1800\\margr1800\\margt1440\\margb1440\n";

    for (const RichParagraph& paragraph : paragraphs) {
        rtf += "\\pard\\plain" + alignmentWord(paragraph.alignment);
        for (const RichRun& run : paragraph.runs) {
            rtf += "{\\f";
            rtf += QByteArray::number(run.fontFamily.isEmpty() ? 0 : fonts.indexOf(run.fontFamily));
            rtf += "\\fs";
            rtf += QByteArray::number(run.pointSize > 0 ? qMax(2L, std::lround(run.pointSize * 2))
                                                        : long(DefaultHalfPoints));
            if (run.bold)
                rtf += "\\b";
            if (run.italic)
                rtf += "\\i";
            if (run.underline)
                rtf += "\\ul";
            if (run.strikeOut)
                rtf += "\\strike";
            if (run.color.isValid())
                rtf += "\\cf" + QByteArray::number(colors.indexOf(run.color) + 1);
            rtf += ' ';
            rtf += escapedText(run.text);
            rtf += '}';
        }
        rtf += "\\par\n";
    }
    rtf += "}\n";
    return rtf;
}

bool WriteRtf(QIODevice* device, const QList<RichParagraph>& paragraphs) {
    const QByteArray bytes = RtfBytes(paragraphs);
    return device->write(bytes) == bytes.size();
}
