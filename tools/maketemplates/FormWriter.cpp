#include "FormWriter.h"

#include "DocxPackage.h"

namespace {

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// Run properties: size in half points.
QString RunProperties(int size, bool bold, bool heiti = false) {
    QString xml = QStringLiteral("<w:rPr>");
    if (heiti)
        xml += QStringLiteral("<w:rFonts w:ascii=\"Times New Roman\" w:hAnsi=\"Times New Roman\" "
                              "w:eastAsia=\"黑体\" w:hint=\"eastAsia\"/>");
    else
        xml += QStringLiteral("<w:rFonts w:eastAsia=\"宋体\" w:hint=\"eastAsia\"/>");
    if (bold)
        xml += QStringLiteral("<w:b/><w:bCs/>");
    xml += QStringLiteral("<w:sz w:val=\"%1\"/><w:szCs w:val=\"%1\"/></w:rPr>").arg(size);
    return xml;
}

QString Runs(const QString& text, const QString& properties) {
    if (text.isEmpty())
        return {};
    QString xml = QStringLiteral("<w:r>") + properties;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            xml += QStringLiteral("<w:br/>");
        if (!lines.at(i).isEmpty())
            xml += QStringLiteral("<w:t xml:space=\"preserve\">") + Escaped(lines.at(i)) +
                   QStringLiteral("</w:t>");
    }
    return xml + QStringLiteral("</w:r>");
}

const char* const ContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(<Override PartName="/word/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>)"
    R"(<Override PartName="/word/settings.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"/>)"
    R"(<Override PartName="/word/footer1.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml"/>)"
    R"(<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>)"
    R"(<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>)"
    R"(</Types>)";

const char* const PackageRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>)"
    R"(</Relationships>)";

const char* const DocumentRelationships =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings" Target="settings.xml"/>)"
    R"(<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer" Target="footer1.xml"/>)"
    R"(</Relationships>)";

const char* const Styles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:docDefaults><w:rPrDefault><w:rPr>)"
    R"(<w:rFonts w:ascii="Times New Roman" w:eastAsia="宋体" w:hAnsi="Times New Roman" w:cs="Times New Roman"/>)"
    R"(<w:kern w:val="2"/><w:sz w:val="21"/><w:szCs w:val="21"/><w:lang w:val="en-US" w:eastAsia="zh-CN" w:bidi="ar-SA"/>)"
    R"(</w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault>)"
    R"(</w:docDefaults>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/>)"
    R"(<w:pPr><w:widowControl w:val="0"/><w:jc w:val="both"/></w:pPr></w:style>)"
    R"(<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont"><w:name w:val="Default Paragraph Font"/><w:uiPriority w:val="1"/><w:semiHidden/></w:style>)"
    R"(<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:semiHidden/>)"
    R"(<w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/>)"
    R"(<w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Footer"><w:name w:val="footer"/><w:basedOn w:val="Normal"/>)"
    R"(<w:pPr><w:jc w:val="center"/></w:pPr><w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr></w:style>)"
    R"(</w:styles>)";

const char* const Settings =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:defaultTabStop w:val="420"/><w:characterSpacingControl w:val="compressPunctuation"/>)"
    R"(<w:compat><w:compatSetting w:name="compatibilityMode" w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat>)"
    R"(</w:settings>)";

// Page numbers at the foot of every page: "第 n 页".
const char* const Footer =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<w:ftr xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">)"
    R"(<w:p><w:pPr><w:pStyle w:val="Footer"/></w:pPr><w:r><w:t xml:space="preserve">第 </w:t></w:r>)"
    R"(<w:r><w:fldChar w:fldCharType="begin"/></w:r><w:r><w:instrText xml:space="preserve"> PAGE </w:instrText></w:r>)"
    R"(<w:r><w:fldChar w:fldCharType="separate"/></w:r><w:r><w:t>1</w:t></w:r><w:r><w:fldChar w:fldCharType="end"/></w:r>)"
    R"(<w:r><w:t xml:space="preserve"> 页</w:t></w:r></w:p></w:ftr>)";

} // namespace

Cell L(const QString& text, int span) {
    Cell c;
    c.kind = Cell::Kind::Label;
    c.text = text;
    c.span = span;
    return c;
}

Cell R(const QString& text, int span) {
    Cell c = L(text, span);
    c.restart = true;
    return c;
}

Cell V(int ordinal, int span, bool top) {
    Cell c;
    c.kind = Cell::Kind::Value;
    c.ordinal = ordinal;
    c.span = span;
    c.top = top;
    c.left = true;
    return c;
}

Cell X(const QString& text, int span, bool top) {
    Cell c;
    c.kind = Cell::Kind::Text;
    c.text = text;
    c.span = span;
    c.top = top;
    c.left = true;
    return c;
}

Cell C(int span) {
    Cell c;
    c.kind = Cell::Kind::Continue;
    c.span = span;
    return c;
}

QList<int> FormWriter::evenGrid(int columns) {
    return QList<int>(columns, TextWidth / columns);
}

void FormWriter::paragraph(const QString& text, Para style, bool newPage) {
    ++ordinal_;
    QString pPr = QStringLiteral("<w:pPr>");
    if (newPage)
        pPr += QStringLiteral("<w:pageBreakBefore/>");
    int size = 21;
    bool bold = false;
    bool heiti = false;
    switch (style) {
    case Para::Title:
        pPr +=
            QStringLiteral("<w:spacing w:before=\"240\" w:after=\"240\"/><w:jc w:val=\"center\"/>");
        size = 44;
        bold = heiti = true;
        break;
    case Para::Subtitle:
        pPr += QStringLiteral("<w:spacing w:after=\"120\"/><w:jc w:val=\"center\"/>");
        size = 30;
        heiti = true;
        break;
    case Para::Heading:
        pPr += QStringLiteral("<w:spacing w:before=\"120\" w:after=\"120\"/>");
        size = 28;
        bold = heiti = true;
        break;
    case Para::Normal:
        pPr += QStringLiteral("<w:spacing w:line=\"360\" w:lineRule=\"auto\"/><w:ind "
                              "w:firstLine=\"420\"/>");
        break;
    case Para::Note:
        size = 18;
        break;
    case Para::Cover:
        pPr +=
            QStringLiteral("<w:spacing w:before=\"200\" w:after=\"200\"/><w:ind w:left=\"1680\"/>");
        size = 32;
        break;
    case Para::Right:
        pPr += QStringLiteral("<w:jc w:val=\"right\"/>");
        break;
    }
    const QString rPr = RunProperties(size, bold, heiti);
    body_ += QStringLiteral("<w:p>") + pPr + rPr + QStringLiteral("</w:pPr>") + Runs(text, rPr) +
             QStringLiteral("</w:p>");
}

void FormWriter::padTo(int ordinal) {
    if (ordinal_ > ordinal)
        errors_.append(QStringLiteral("body already at %1, beyond %2").arg(ordinal_).arg(ordinal));
    while (ordinal_ < ordinal)
        paragraph(QString());
}

QString FormWriter::cellXml(const Cell& cell, int width) const {
    QString xml = QStringLiteral("<w:tc><w:tcPr><w:tcW w:w=\"%1\" w:type=\"dxa\"/>").arg(width);
    if (cell.span > 1)
        xml += QStringLiteral("<w:gridSpan w:val=\"%1\"/>").arg(cell.span);
    if (cell.restart)
        xml += QStringLiteral("<w:vMerge w:val=\"restart\"/>");
    else if (cell.kind == Cell::Kind::Continue)
        xml += QStringLiteral("<w:vMerge/>");
    xml += QStringLiteral("<w:vAlign w:val=\"%1\"/></w:tcPr>")
               .arg(cell.top ? QStringLiteral("top") : QStringLiteral("center"));
    const QString rPr = RunProperties(21, cell.bold);
    xml += QStringLiteral("<w:p><w:pPr><w:jc w:val=\"%1\"/>")
               .arg(cell.left ? QStringLiteral("left") : QStringLiteral("center")) +
           rPr + QStringLiteral("</w:pPr>") + Runs(cell.text, rPr) +
           QStringLiteral("</w:p></w:tc>");
    return xml;
}

void FormWriter::table(const QList<int>& grid, const QList<Row>& rows) {
    int total = 0;
    for (const int w : grid)
        total += w;
    body_ += QStringLiteral("<w:tbl><w:tblPr><w:tblW w:w=\"%1\" w:type=\"dxa\"/>"
                            "<w:jc w:val=\"center\"/><w:tblBorders>")
                 .arg(total);
    for (const char* side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        body_ +=
            QStringLiteral("<w:%1 w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"000000\"/>")
                .arg(QLatin1String(side));
    body_ += QStringLiteral("</w:tblBorders><w:tblLayout w:type=\"fixed\"/></w:tblPr><w:tblGrid>");
    for (const int w : grid)
        body_ += QStringLiteral("<w:gridCol w:w=\"%1\"/>").arg(w);
    body_ += QStringLiteral("</w:tblGrid>");

    for (const Row& row : rows) {
        body_ += QStringLiteral("<w:tr><w:trPr><w:cantSplit/>");
        if (row.repeat)
            body_ += QStringLiteral("<w:tblHeader/>");
        body_ += QStringLiteral("<w:trHeight w:val=\"%1\" w:hRule=\"%2\"/></w:trPr>")
                     .arg(row.height)
                     .arg(row.exact ? QStringLiteral("exact") : QStringLiteral("atLeast"));
        int column = 0;
        for (const Cell& cell : row.cells) {
            ++ordinal_;
            if (cell.kind == Cell::Kind::Value && cell.ordinal != ordinal_)
                errors_.append(QStringLiteral("value cell for %1 stands at %2")
                                   .arg(cell.ordinal)
                                   .arg(ordinal_));
            int width = 0;
            for (int i = column; i < column + cell.span && i < grid.size(); ++i)
                width += grid.at(i);
            column += cell.span;
            body_ += cellXml(cell, width);
        }
        if (column != grid.size())
            errors_.append(QStringLiteral("row ending at %1 covers %2 of %3 columns")
                               .arg(ordinal_ + 1)
                               .arg(column)
                               .arg(grid.size()));
        ++ordinal_; // the row's end mark
        body_ += QStringLiteral("</w:tr>");
    }
    body_ += QStringLiteral("</w:tbl>");
}

QByteArray FormWriter::docx(const QString& title) const {
    // The last paragraph carries the page set-up: A4 portrait, the text width of the tables.
    const int side = (11906 - TextWidth) / 2;
    const QString section =
        QStringLiteral("<w:sectPr><w:footerReference w:type=\"default\" r:id=\"rId3\"/>"
                       "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
                       "<w:pgMar w:top=\"1247\" w:right=\"%1\" w:bottom=\"1247\" w:left=\"%1\" "
                       "w:header=\"851\" w:footer=\"709\" w:gutter=\"0\"/>"
                       "<w:cols w:space=\"425\"/>"
                       "</w:sectPr>")
            .arg(side);
    const QString document =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                       "<w:document "
                       "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
                       "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                       "relationships\" "
                       "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/"
                       "wordprocessingDrawing\"><w:body>") +
        body_ + QStringLiteral("<w:p><w:pPr>") + section +
        QStringLiteral("</w:pPr></w:p></w:body></w:document>");
    const QString core =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                       "<cp:coreProperties "
                       "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/"
                       "core-properties\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
                       "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
                       "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
                       "<dc:title>%1</dc:title><dc:language>zh-CN</dc:language>"
                       "<dcterms:created xsi:type=\"dcterms:W3CDTF\">2024-01-01T00:00:00Z"
                       "</dcterms:created></cp:coreProperties>")
            .arg(Escaped(title));
    const QString app =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
                       "<Properties xmlns=\"http://schemas.openxmlformats.org/officeDocument/"
                       "2006/extended-properties\"><Application>maketemplates</Application>"
                       "</Properties>");

    DocxPackage package;
    package.setPart(QStringLiteral("[Content_Types].xml"), ContentTypes);
    package.setPart(QStringLiteral("_rels/.rels"), PackageRelationships);
    package.setPart(QStringLiteral("word/document.xml"), document.toUtf8());
    package.setPart(QStringLiteral("word/_rels/document.xml.rels"), DocumentRelationships);
    package.setPart(QStringLiteral("word/styles.xml"), Styles);
    package.setPart(QStringLiteral("word/settings.xml"), Settings);
    package.setPart(QStringLiteral("word/footer1.xml"), Footer);
    package.setPart(QStringLiteral("docProps/core.xml"), core.toUtf8());
    package.setPart(QStringLiteral("docProps/app.xml"), app.toUtf8());
    return package.toBytes();
}
