// The writers behind the editor's exports: the editor's document as formatted paragraphs,
// those paragraphs as a Word document and as RTF.

#include "DocxDocument.h"
#include "DocxPackage.h"
#include "DocxWriter.h"
#include "RichTextExport.h"
#include "RtfWriter.h"

#include <QBuffer>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

using Paragraphs = QList<RichParagraph>;
Q_DECLARE_METATYPE(RichParagraph)

namespace {

RichRun run(const QString& text) {
    RichRun r;
    r.text = text;
    return r;
}

RichRun styled(const QString& text, const QString& family, double points, bool bold = false,
               bool italic = false, bool underline = false) {
    RichRun r = run(text);
    r.fontFamily = family;
    r.pointSize = points;
    r.bold = bold;
    r.italic = italic;
    r.underline = underline;
    return r;
}

RichParagraph paragraph(RichParagraph::Alignment alignment, QList<RichRun> runs) {
    RichParagraph p;
    p.alignment = alignment;
    p.runs = std::move(runs);
    return p;
}

QString describe(const Paragraphs& paragraphs) {
    QStringList lines;
    for (const RichParagraph& p : paragraphs) {
        QString line = u"[%1]"_s.arg(int(p.alignment));
        for (const RichRun& r : p.runs)
            line += u" {%1|%2|%3|%4%5%6%7|%8}"_s.arg(r.text, r.fontFamily)
                        .arg(r.pointSize)
                        .arg(r.bold ? u"b"_s : QString(), r.italic ? u"i"_s : QString(),
                             r.underline ? u"u"_s : QString(), r.strikeOut ? u"s"_s : QString(),
                             r.color.isValid() ? r.color.name() : QString());
        lines.append(line);
    }
    return lines.join(u'\n');
}

RichParagraph::Alignment alignmentFromDocx(QStringView value) {
    if (value == u"center")
        return RichParagraph::Alignment::Center;
    if (value == u"right")
        return RichParagraph::Alignment::Right;
    if (value == u"both")
        return RichParagraph::Alignment::Justify;
    return RichParagraph::Alignment::Left;
}

// Reads the paragraphs back from the main part of a written document.
Paragraphs readDocx(const QByteArray& bytes) {
    const QByteArray xmlBytes = DocxPackage::fromBytes(bytes).part(u"word/document.xml"_s);
    QXmlStreamReader xml(xmlBytes);
    Paragraphs result;
    RichRun* current = nullptr;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.name();
        const QStringView value = xml.attributes().value(u"w:val"_s);
        if (name == u"p") {
            result.append(RichParagraph());
        } else if (name == u"jc") {
            result.last().alignment = alignmentFromDocx(value);
        } else if (name == u"r") {
            result.last().runs.append(RichRun());
            current = &result.last().runs.last();
        } else if (!current) {
            continue;
        } else if (name == u"rFonts") {
            current->fontFamily = xml.attributes().value(u"w:ascii"_s).toString();
        } else if (name == u"b") {
            current->bold = true;
        } else if (name == u"i") {
            current->italic = true;
        } else if (name == u"u") {
            current->underline = value != u"none";
        } else if (name == u"strike") {
            current->strikeOut = true;
        } else if (name == u"color") {
            current->color = QColor(u"#"_s + value.toString());
        } else if (name == u"sz") {
            current->pointSize = value.toDouble() / 2;
        } else if (name == u"t") {
            current->text += xml.readElementText();
        } else if (name == u"tab") {
            current->text += u'\t';
        } else if (name == u"br") {
            current->text += QChar::LineSeparator;
        }
    }
    if (xml.hasError())
        qWarning() << "document.xml:" << xml.errorString();
    return result;
}

} // namespace

class ExportWritersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void docxRoundTrip_data();
    void docxRoundTrip();
    void docxOpensInDocumentEngine();
    void rtfText_data();
    void rtfText();
    void rtfFormatting();
    void paragraphsOfDocument_data();
    void paragraphsOfDocument();
};

void ExportWritersTest::docxRoundTrip_data() {
    QTest::addColumn<Paragraphs>("written");
    QTest::addColumn<Paragraphs>("read");
    using A = RichParagraph::Alignment;

    const Paragraphs formatted{
        paragraph(A::Center, {styled(u"单位推荐意见"_s, u"黑体"_s, 16, true)}),
        paragraph(A::Justify, {styled(u"正文"_s, u"宋体"_s, 10.5),
                               styled(u"斜体"_s, u"宋体"_s, 12, false, true),
                               styled(u"下划线"_s, u"Arial"_s, 9, false, false, true)}),
        paragraph(A::Right, {styled(u"右"_s, u"Times New Roman"_s, 72)}), paragraph(A::Left, {})};
    QTest::newRow("alignment and run formatting") << formatted << formatted;

    RichRun effects = styled(u"删除线红字"_s, u"宋体"_s, 12);
    effects.strikeOut = true;
    effects.color = QColor(0xC0, 0x10, 0x20);
    QTest::newRow("strike-through and colour")
        << Paragraphs{paragraph(A::Left, {effects})} << Paragraphs{paragraph(A::Left, {effects})};

    const Paragraphs spaces{
        paragraph(A::Left, {run(u"  前导空格\t制表  "_s), run(u"一行\u2028二行"_s)})};
    QTest::newRow("spaces, tabs and line breaks") << spaces << spaces;

    const Paragraphs markup{paragraph(A::Left, {run(u"<a href=\"x\">&amp;'</a>"_s)})};
    QTest::newRow("markup characters are text") << markup << markup;

    QTest::newRow("characters XML forbids are dropped")
        << Paragraphs{paragraph(A::Left, {run(u"甲\u0001乙\uFFFF丙\u0008"_s)})}
        << Paragraphs{paragraph(A::Left, {run(u"甲乙丙"_s)})};
    QTest::newRow("a run of forbidden characters only leaves no run")
        << Paragraphs{paragraph(A::Center, {run(u"\u0002\u0003"_s), run(u"字"_s)})}
        << Paragraphs{paragraph(A::Center, {run(u"字"_s)})};
}

void ExportWritersTest::docxRoundTrip() {
    QFETCH(Paragraphs, written);
    QFETCH(Paragraphs, read);
    const Paragraphs actual = readDocx(DocxBytes(written));
    QCOMPARE(describe(actual), describe(read));
    QVERIFY(actual == read);
}

void ExportWritersTest::docxOpensInDocumentEngine() {
    using A = RichParagraph::Alignment;
    const QByteArray bytes =
        DocxBytes({paragraph(A::Center, {run(u"标题"_s)}),
                   paragraph(A::Left, {run(u"第一段"_s), run(u"接续"_s)}), paragraph(A::Left, {})});
    QBuffer buffer;
    buffer.setData(bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const auto document = DocxDocument::read(&buffer);
    QCOMPARE(document->paragraphCount(), 3);
    QCOMPARE(document->paragraphText(1), u"标题"_s);
    QCOMPARE(document->paragraphText(2), u"第一段接续"_s);
    QCOMPARE(document->paragraphText(3), QString());
    const DocxPackage package = DocxPackage::fromBytes(bytes);
    for (const QString& part : {u"[Content_Types].xml"_s, u"_rels/.rels"_s,
                                u"word/_rels/document.xml.rels"_s, u"word/styles.xml"_s})
        QVERIFY2(package.contains(part), qPrintable(part));
}

void ExportWritersTest::rtfText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("ASCII") << u"Plain text."_s << QByteArray(" Plain text.}");
    QTest::newRow("Chinese: Unicode with GBK fallback")
        << u"中文"_s << QByteArray(" \\uc2\\u20013\\'d6\\'d0\\uc2\\u25991\\'ce\\'c4}");
    QTest::newRow("Latin letter in GBK") << u"é"_s << QByteArray(" \\uc2\\u233\\'a8\\'a6}");
    QTest::newRow("character GBK lacks") << u"\u0E01"_s << QByteArray(" \\uc1\\u3585\\'3f}");
    QTest::newRow("beyond the basic plane")
        << u"\U0001F600"_s << QByteArray(" \\uc0\\u-10179\\u-8704 }");
    QTest::newRow("code units above 0x7FFF are negative")
        << u"\uFF01"_s << QByteArray(" \\uc2\\u-255\\'a3\\'a1}");
    QTest::newRow("braces and backslash") << u"{a}\\b"_s << QByteArray(" \\{a\\}\\\\b}");
    QTest::newRow("tab and line break") << u"a\tb\u2028c"_s << QByteArray(" a\\tab b\\line c}");
    QTest::newRow("control characters dropped") << u"a\u0001b"_s << QByteArray(" ab}");
}

void ExportWritersTest::rtfText() {
    QFETCH(QString, text);
    QFETCH(QByteArray, escaped);
    const QByteArray rtf = RtfBytes({paragraph(RichParagraph::Alignment::Left, {run(text)})});
    QVERIFY2(rtf.contains("{\\f0\\fs24" + escaped + "\\par"), rtf.constData());
    // Pure 7-bit output: every byte is ASCII.
    for (const char byte : rtf)
        QVERIFY(static_cast<uchar>(byte) < 0x80);
}

void ExportWritersTest::rtfFormatting() {
    using A = RichParagraph::Alignment;
    RichRun red = styled(u"R"_s, u"Arial"_s, 9, false, false, true);
    red.color = QColor(255, 0, 0);
    red.strikeOut = true;
    const QByteArray rtf = RtfBytes(
        {paragraph(A::Center, {styled(u"T"_s, u"宋体"_s, 10.5, true)}), paragraph(A::Right, {red}),
         paragraph(A::Justify, {styled(u"J"_s, u"宋体"_s, 12, false, true)}),
         paragraph(A::Left, {})});
    QVERIFY2(rtf.startsWith("{\\rtf1\\ansi\\ansicpg936"), rtf.constData());
    QVERIFY(rtf.contains("{\\f0\\fnil\\fcharset134 Times New Roman;}"));
    QVERIFY(rtf.contains("{\\f1\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}"));
    QVERIFY(rtf.contains("{\\f2\\fnil\\fcharset134 Arial;}"));
    QVERIFY(rtf.contains("{\\colortbl;\\red255\\green0\\blue0;}"));
    QVERIFY(rtf.contains("\\pard\\plain\\qc{\\f1\\fs21\\b T}\\par"));
    QVERIFY(rtf.contains("\\pard\\plain\\qr{\\f2\\fs18\\ul\\strike\\cf1 R}\\par"));
    QVERIFY(rtf.contains("\\pard\\plain\\qj{\\f1\\fs24\\i J}\\par"));
    QVERIFY(rtf.contains("\\pard\\plain\\ql\\par"));
    QCOMPARE(rtf.count('{'), rtf.count('}'));
    QVERIFY(rtf.trimmed().endsWith('}'));
}

void ExportWritersTest::paragraphsOfDocument_data() {
    QTest::addColumn<QString>("html");
    QTest::addColumn<Paragraphs>("paragraphs");
    using A = RichParagraph::Alignment;
    const QString roman = u"Times New Roman"_s;
    QTest::newRow("default font where the text sets none")
        << u"<p>正文</p>"_s << Paragraphs{paragraph(A::Left, {styled(u"正文"_s, roman, 12)})};
    QTest::newRow("runs and alignment")
        << u"<p align=center><b>粗</b><span style='font-family:Arial;font-size:9pt'>"
           u"<u>线</u></span></p><p align=justify><i>斜</i></p>"_s
        << Paragraphs{paragraph(A::Center, {styled(u"粗"_s, roman, 12, true),
                                            styled(u"线"_s, u"Arial"_s, 9, false, false, true)}),
                      paragraph(A::Justify, {styled(u"斜"_s, roman, 12, false, true)})};
    QTest::newRow("pixel sizes as points")
        << u"<p align=right><span style='font-size:24px'>大</span></p>"_s
        << Paragraphs{paragraph(A::Right, {styled(u"大"_s, roman, 18)})};
    QTest::newRow("pictures left out")
        << u"<p>图<img src='none.png'>后</p>"_s
        << Paragraphs{paragraph(A::Left, {styled(u"图"_s, roman, 12), styled(u"后"_s, roman, 12)})};
    QTest::newRow("table cells as paragraphs")
        << u"<table><tr><td>甲</td><td>乙</td></tr></table>"_s
        << Paragraphs{paragraph(A::Left, {}), paragraph(A::Left, {styled(u"甲"_s, roman, 12)}),
                      paragraph(A::Left, {styled(u"乙"_s, roman, 12)}), paragraph(A::Left, {})};
}

void ExportWritersTest::paragraphsOfDocument() {
    QFETCH(QString, html);
    QFETCH(Paragraphs, paragraphs);
    QTextDocument document;
    document.setDefaultFont(QFont(u"Times New Roman"_s, 12));
    document.setHtml(html);
    const Paragraphs actual = ParagraphsOf(document);
    QCOMPARE(describe(actual), describe(paragraphs));
}

QTEST_MAIN(ExportWritersTest)
#include "ExportWritersTest.moc"
