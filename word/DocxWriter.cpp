#include "DocxWriter.h"

#include "DocxPackage.h"
#include "WordDocument.h"

#include <QIODevice>
#include <QXmlStreamWriter>
#include <cmath>

namespace {

const QString WordNs =
    QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");

// XML 1.0 allows tab, line feed, carriage return and everything from U+0020 except the
// surrogate code points used alone and U+FFFE, U+FFFF.
bool allowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

QString xmlSafe(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (allowedInXml(c))
            result.append(QString::fromUcs4(&c, 1));
    }
    return result;
}

QString alignmentValue(RichParagraph::Alignment alignment) {
    switch (alignment) {
    case RichParagraph::Alignment::Center:
        return QStringLiteral("center");
    case RichParagraph::Alignment::Right:
        return QStringLiteral("right");
    case RichParagraph::Alignment::Justify:
        return QStringLiteral("both");
    case RichParagraph::Alignment::Left:
        break;
    }
    return QStringLiteral("left");
}

void writeValueElement(QXmlStreamWriter& xml, const QString& name, const QString& value) {
    xml.writeEmptyElement(WordNs, name);
    xml.writeAttribute(WordNs, QStringLiteral("val"), value);
}

// Run properties in the order the schema prescribes.
void writeRunProperties(QXmlStreamWriter& xml, const RichRun& run) {
    xml.writeStartElement(WordNs, QStringLiteral("rPr"));
    if (!run.fontFamily.isEmpty()) {
        xml.writeEmptyElement(WordNs, QStringLiteral("rFonts"));
        for (const QString& slot : {QStringLiteral("ascii"), QStringLiteral("hAnsi"),
                                    QStringLiteral("eastAsia"), QStringLiteral("cs")})
            xml.writeAttribute(WordNs, slot, run.fontFamily);
    }
    if (run.bold) {
        xml.writeEmptyElement(WordNs, QStringLiteral("b"));
        xml.writeEmptyElement(WordNs, QStringLiteral("bCs"));
    }
    if (run.italic) {
        xml.writeEmptyElement(WordNs, QStringLiteral("i"));
        xml.writeEmptyElement(WordNs, QStringLiteral("iCs"));
    }
    if (run.strikeOut)
        xml.writeEmptyElement(WordNs, QStringLiteral("strike"));
    if (run.color.isValid())
        writeValueElement(xml, QStringLiteral("color"),
                          run.color.name(QColor::HexRgb).mid(1).toUpper());
    if (run.pointSize > 0) {
        const QString halfPoints = QString::number(qMax(2L, std::lround(run.pointSize * 2)));
        writeValueElement(xml, QStringLiteral("sz"), halfPoints);
        writeValueElement(xml, QStringLiteral("szCs"), halfPoints);
    }
    if (run.underline)
        writeValueElement(xml, QStringLiteral("u"), QStringLiteral("single"));
    xml.writeEndElement();
}

void writeText(QXmlStreamWriter& xml, const QString& text) {
    xml.writeStartElement(WordNs, QStringLiteral("t"));
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    xml.writeCharacters(text);
    xml.writeEndElement();
}

void writeRun(QXmlStreamWriter& xml, const RichRun& run) {
    const QString text = xmlSafe(run.text);
    if (text.isEmpty())
        return;
    xml.writeStartElement(WordNs, QStringLiteral("r"));
    writeRunProperties(xml, run);
    QString pending;
    for (const QChar c : text) {
        if (c == QLatin1Char('\t') || c == QChar::LineSeparator || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r')) {
            if (!pending.isEmpty())
                writeText(xml, pending);
            pending.clear();
            xml.writeEmptyElement(WordNs, c == QLatin1Char('\t') ? QStringLiteral("tab")
                                                                 : QStringLiteral("br"));
        } else {
            pending.append(c);
        }
    }
    if (!pending.isEmpty())
        writeText(xml, pending);
    xml.writeEndElement();
}

QByteArray documentXml(const QList<RichParagraph>& paragraphs) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeNamespace(WordNs, QStringLiteral("w"));
    xml.writeStartElement(WordNs, QStringLiteral("document"));
    xml.writeStartElement(WordNs, QStringLiteral("body"));
    for (const RichParagraph& paragraph : paragraphs) {
        xml.writeStartElement(WordNs, QStringLiteral("p"));
        xml.writeStartElement(WordNs, QStringLiteral("pPr"));
        writeValueElement(xml, QStringLiteral("jc"), alignmentValue(paragraph.alignment));
        xml.writeEndElement();
        for (const RichRun& run : paragraph.runs)
            writeRun(xml, run);
        xml.writeEndElement();
    }
    xml.writeStartElement(WordNs, QStringLiteral("sectPr"));
    xml.writeEmptyElement(WordNs, QStringLiteral("pgSz"));
    xml.writeAttribute(WordNs, QStringLiteral("w"), QStringLiteral("11906"));
    xml.writeAttribute(WordNs, QStringLiteral("h"), QStringLiteral("16838"));
    xml.writeEmptyElement(WordNs, QStringLiteral("pgMar"));
    for (const auto& [side, value] : {std::pair{QStringLiteral("top"), QStringLiteral("1440")},
                                      std::pair{QStringLiteral("right"), QStringLiteral("1800")},
                                      std::pair{QStringLiteral("bottom"), QStringLiteral("1440")},
                                      std::pair{QStringLiteral("left"), QStringLiteral("1800")},
                                      std::pair{QStringLiteral("header"), QStringLiteral("851")},
                                      std::pair{QStringLiteral("footer"), QStringLiteral("992")},
                                      std::pair{QStringLiteral("gutter"), QStringLiteral("0")}})
        xml.writeAttribute(WordNs, side, value);
    xml.writeEndElement(); // sectPr
    xml.writeEndElement(); // body
    xml.writeEndElement(); // document
    xml.writeEndDocument();
    return bytes;
}

const char ContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
    R"(</Types>)";

const char PackageRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(</Relationships>)";

const char DocumentRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(</Relationships>)";

const char Styles[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:docDefaults><w:rPrDefault><w:rPr>)"
    R"(<w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:eastAsia="宋体" w:cs="Times New Roman"/>)"
    R"(<w:sz w:val="24"/><w:szCs w:val="24"/><w:lang w:val="en-US" w:eastAsia="zh-CN"/>)"
    R"(</w:rPr></w:rPrDefault><w:pPrDefault/></w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>)"
    R"(</w:styles>)";

} // namespace

QByteArray DocxBytes(const QList<RichParagraph>& paragraphs) {
    DocxPackage package;
    package.setPart(QStringLiteral("[Content_Types].xml"), QByteArray(ContentTypes));
    package.setPart(QStringLiteral("_rels/.rels"), QByteArray(PackageRelationships));
    package.setPart(QStringLiteral("word/document.xml"), documentXml(paragraphs));
    package.setPart(QStringLiteral("word/_rels/document.xml.rels"),
                    QByteArray(DocumentRelationships));
    package.setPart(QStringLiteral("word/styles.xml"), QByteArray(Styles));
    return package.toBytes();
}

void WriteDocx(QIODevice* device, const QList<RichParagraph>& paragraphs) {
    const QByteArray bytes = DocxBytes(paragraphs);
    if (device->write(bytes) != bytes.size())
        throw WordError(QStringLiteral("文档无法写入：%1").arg(device->errorString()));
}
