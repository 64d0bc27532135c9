#include "DocxDocument.h"
#include "DocxPackage.h"
#include "Fixture.h"
#include "RecordingDocument.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <pugixml.hpp>

using Place = DocxDocument::Place;

namespace {

std::unique_ptr<DocxDocument> OpenBytes(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return DocxDocument::read(&buffer);
}

QByteArray SaveBytes(const DocxDocument& doc) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    doc.save(&buffer);
    // Kept for checking with outside tools when the variable names a folder.
    static int serial = 0;
    const QString keep = qEnvironmentVariable("LEDGEREV_KEEP_DOCUMENTS");
    if (!keep.isEmpty()) {
        QFile out(QDir(keep).filePath(QStringLiteral("docx-%1-%2.docx")
                                          .arg(QString::fromLatin1(QTest::currentTestFunction()))
                                          .arg(++serial)));
        if (out.open(QIODevice::WriteOnly))
            out.write(buffer.data());
    }
    return buffer.data();
}

struct Xml {
    pugi::xml_document doc;
    explicit Xml(const QByteArray& data) { doc.load_buffer(data.constData(), data.size()); }
    pugi::xpath_node_set all(const char* query) const { return doc.select_nodes(query); }
    pugi::xml_node one(const char* query) const { return doc.select_node(query).node(); }
};

// The w:p elements of the main text, text boxes excluded, in document order.
std::vector<pugi::xml_node> BodyParagraphs(const Xml& xml) {
    std::vector<pugi::xml_node> result;
    for (const pugi::xpath_node& n : xml.all("//w:body//w:p[not(ancestor::w:txbxContent)]"))
        result.push_back(n.node());
    return result;
}

// The w:p of the unchanged fixture's ordinal n (its row end marks are 5, 8, 11 and 15).
pugi::xml_node FixtureParagraph(const Xml& xml, int ordinal) {
    int before = 0;
    for (const int end : {5, 8, 11, 15})
        before += end < ordinal ? 1 : 0;
    return BodyParagraphs(xml).at(static_cast<size_t>(ordinal - 1 - before));
}

QImage Picture(int width, int height, int dpi = 96) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    return image;
}

} // namespace

class DocxDocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void countsParagraphsAsTheWordProcessorDoes_data();
    void countsParagraphsAsTheWordProcessorDoes();
    void refusesOrdinalsItDoesNotHave_data();
    void refusesOrdinalsItDoesNotHave();
    void multiLineValueAddsParagraphsInTheSameCell();
    void multiLineValueMovesLaterOrdinalsLikeTheRecordingDocument();
    void keepsParagraphAndRunFormatting();
    void emptyParagraphTakesTheFormattingOfItsMark();
    void writesTextAsTheWordProcessorStoresIt_data();
    void writesTextAsTheWordProcessorStoresIt();
    void lineBreaksInTheSectionParagraphKeepTheSectionLast();
    void otherPartsAreWrittenBackUnchanged();
    void pastedPictureIsAnInlinePartOfThePackage();
    void pictureIsScaledToFitItsCell_data();
    void pictureIsScaledToFitItsCell();
    void pastingWithoutPictureIsRefused();
    void rejectsWhatIsNoWordDocument_data();
    void rejectsWhatIsNoWordDocument();
    void saveReportsFailureAndReplacesTheFile();
};

void DocxDocumentTest::countsParagraphsAsTheWordProcessorDoes_data() {
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Place>("place");
    QTest::addColumn<int>("inCell");

    QTest::newRow("title, its text box not counted") << 1 << u"标题"_qs << Place::Body << 0;
    QTest::newRow("first cell") << 2 << u"A1"_qs << Place::TableCell << 1;
    QTest::newRow("first of two in a cell") << 3 << u"A2 第一段"_qs << Place::TableCell << 2;
    QTest::newRow("second of two in a cell") << 4 << u"A2 第二段"_qs << Place::TableCell << 2;
    QTest::newRow("end of row 1") << 5 << QString() << Place::RowEnd << 0;
    QTest::newRow("nested cell") << 6 << u"N1"_qs << Place::TableCell << 1;
    QTest::newRow("nested cell 2") << 7 << u"N2"_qs << Place::TableCell << 1;
    QTest::newRow("end of nested row") << 8 << QString() << Place::RowEnd << 0;
    QTest::newRow("after the nested table") << 9 << u"A3"_qs << Place::TableCell << 1;
    QTest::newRow("tab kept") << 10 << u"A4\t尾"_qs << Place::TableCell << 1;
    QTest::newRow("end of row 2") << 11 << QString() << Place::RowEnd << 0;
    QTest::newRow("between tables") << 12 << u"中间"_qs << Place::Body << 0;
    QTest::newRow("table B") << 13 << u"B1"_qs << Place::TableCell << 1;
    QTest::newRow("empty cell") << 14 << QString() << Place::TableCell << 1;
    QTest::newRow("end of table B row") << 15 << QString() << Place::RowEnd << 0;
    QTest::newRow("last, with the section") << 16 << u"结尾"_qs << Place::Body << 0;
}

void DocxDocumentTest::countsParagraphsAsTheWordProcessorDoes() {
    QFETCH(int, ordinal);
    QFETCH(QString, text);
    QFETCH(Place, place);
    QFETCH(int, inCell);
    const auto doc = OpenBytes(FixtureDocx());
    QCOMPARE(doc->paragraphCount(), 16);
    QCOMPARE(doc->paragraphText(ordinal), text);
    QCOMPARE(doc->place(ordinal), place);
    QCOMPARE(doc->paragraphsInCell(ordinal), inCell);
}

void DocxDocumentTest::refusesOrdinalsItDoesNotHave_data() {
    QTest::addColumn<int>("ordinal");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
    QTest::newRow("one past the end") << 17;
    QTest::newRow("end of a table row") << 5;
    QTest::newRow("end of a nested row") << 8;
}

void DocxDocumentTest::refusesOrdinalsItDoesNotHave() {
    QFETCH(int, ordinal);
    const auto doc = OpenBytes(FixtureDocx());
    QVERIFY_THROWS_EXCEPTION(WordError, doc->setParagraphText(ordinal, u"x"_qs));
    QVERIFY_THROWS_EXCEPTION(WordError, doc->insertPicture(ordinal, Picture(10, 10)));
    QCOMPARE(doc->paragraphCount(), 16);
}

void DocxDocumentTest::multiLineValueAddsParagraphsInTheSameCell() {
    auto doc = OpenBytes(FixtureDocx());
    doc->setParagraphText(13, u"一\r\n二\r三\n四"_qs);
    QCOMPARE(doc->paragraphCount(), 19);
    const QStringList expected{u"一"_qs, u"二"_qs, u"三"_qs, u"四"_qs};
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(doc->paragraphText(13 + i), expected.at(i));
        QCOMPARE(doc->paragraphsInCell(13 + i), 4);
    }
    QCOMPARE(doc->paragraphText(17), QString());
    QCOMPARE(doc->place(18), Place::RowEnd);
    QCOMPARE(doc->paragraphText(19), u"结尾"_qs);
    QCOMPARE(doc->paragraphText(12), u"中间"_qs);

    // The shift is in the file, not only in memory.
    const auto reopened = OpenBytes(SaveBytes(*doc));
    QCOMPARE(reopened->paragraphCount(), 19);
    QCOMPARE(reopened->paragraphText(16), u"四"_qs);
    QCOMPARE(reopened->paragraphsInCell(16), 4);
    QCOMPARE(reopened->place(18), Place::RowEnd);
}

void DocxDocumentTest::multiLineValueMovesLaterOrdinalsLikeTheRecordingDocument() {
    // Fill routines are tested against the recording document; it must shift exactly as the
    // real one does, blank lines and a trailing break included.
    const QList<QPair<int, QString>> writes{{16, u"结尾一\r\n\r\n结尾三"_qs},
                                            {13, u"B甲\rB乙\r"_qs},
                                            {9, u"单行"_qs},
                                            {3, u"\n前空一行"_qs},
                                            {14, u"新的第十四段"_qs}};
    QTemporaryDir dir;
    const QString fixture = dir.filePath(u"fixture.docx"_qs);
    {
        QFile f(fixture);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(FixtureDocx());
    }
    auto docx = DocxDocument::open(fixture);
    RecordingDocument recording = RecordingDocument::fromDocx(fixture);
    QCOMPARE(recording.paragraphCount(), 16);
    QCOMPARE(recording.paragraphText(10), u"A4\t尾"_qs);
    QVERIFY_THROWS_EXCEPTION(WordError, recording.setParagraphText(15, u"x"_qs));
    for (const auto& [ordinal, text] : writes) {
        docx->setParagraphText(ordinal, text);
        recording.setParagraphText(ordinal, text);
        QCOMPARE(docx->paragraphCount(), recording.paragraphCount());
    }
    for (int n = 1; n <= docx->paragraphCount(); ++n)
        QCOMPARE(docx->paragraphText(n), recording.paragraphText(n));
    // The last write aimed at 14 after the break written into 3 had moved template 13 there.
    QCOMPARE(recording.templateParagraph(13), u"新的第十四段\rB乙\r"_qs);
    QCOMPARE(recording.writtenTemplateOrdinals(), (QList<int>{15, 16, 13, 9, 3, 13}));
}

void DocxDocumentTest::keepsParagraphAndRunFormatting() {
    auto doc = OpenBytes(FixtureDocx());
    doc->setParagraphText(10, u"改写\r第二行"_qs);
    const Xml xml(PackagePart(SaveBytes(*doc), u"word/document.xml"_qs));
    for (const int ordinal : {10, 11}) {
        // 11 is the added paragraph, before the row end that is now 12.
        const pugi::xml_node p = ordinal == 10 ? FixtureParagraph(xml, 10)
                                               : FixtureParagraph(xml, 10).next_sibling("w:p");
        QCOMPARE(p.child("w:pPr").child("w:jc").attribute("w:val").value(), "center");
        const pugi::xml_node rPr = p.child("w:r").child("w:rPr");
        QVERIFY(rPr.child("w:b"));
        QCOMPARE(rPr.child("w:sz").attribute("w:val").as_int(), 28);
        // rFonts stands before the other properties, as the schema orders them.
        QCOMPARE(rPr.first_child().name(), "w:rFonts");
        QCOMPARE(rPr.child("w:rFonts").attribute("w:hint").value(), "eastAsia");
        QCOMPARE(rPr.child("w:rFonts").attribute("w:eastAsia").value(), "宋体");
        QVERIFY(!p.child("w:r").next_sibling("w:r"));
    }
    QCOMPARE(QString::fromUtf8(FixtureParagraph(xml, 10).child("w:r").child("w:t").child_value()),
             u"改写"_qs);
}

void DocxDocumentTest::emptyParagraphTakesTheFormattingOfItsMark() {
    auto doc = OpenBytes(FixtureDocx());
    doc->setParagraphText(14, u"斜体"_qs);
    const Xml xml(PackagePart(SaveBytes(*doc), u"word/document.xml"_qs));
    const pugi::xml_node rPr = FixtureParagraph(xml, 14).child("w:r").child("w:rPr");
    QVERIFY(rPr.child("w:i"));
    QCOMPARE(rPr.child("w:sz").attribute("w:val").as_int(), 21);
}

void DocxDocumentTest::writesTextAsTheWordProcessorStoresIt_data() {
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("tabs");

    QTest::newRow("spaces kept") << u"  前后有空格  "_qs << u"  前后有空格  "_qs << 0;
    QTest::newRow("only spaces") << u"   "_qs << u"   "_qs << 0;
    QTest::newRow("tabs") << u"\t甲\t\t乙\t"_qs << u"\t甲\t\t乙\t"_qs << 4;
    QTest::newRow("control characters dropped") << u"a\x01"
                                                   "b\x0B"
                                                   "c\x1F"
                                                   "d"_qs
                                                << u"abcd"_qs << 0;
    QTest::newRow("non-characters dropped")
        << (u"x"_qs + QChar(0xFFFE) + QChar(0xFFFF) + u"y"_qs) << u"xy"_qs << 0;
    QTest::newRow("lone surrogate dropped") << (u"p"_qs + QChar(0xD800) + u"q"_qs) << u"pq"_qs << 0;
    QTest::newRow("supplementary character kept") << u"𠀀字"_qs << u"𠀀字"_qs << 0;
    QTest::newRow("markup characters") << u"<a & \"b\">"_qs << u"<a & \"b\">"_qs << 0;
    QTest::newRow("empty") << QString() << QString() << 0;
}

void DocxDocumentTest::writesTextAsTheWordProcessorStoresIt() {
    QFETCH(QString, written);
    QFETCH(QString, stored);
    QFETCH(int, tabs);
    auto doc = OpenBytes(FixtureDocx());
    doc->setParagraphText(2, written);
    const QByteArray saved = SaveBytes(*doc);
    const auto reopened = OpenBytes(saved);
    QCOMPARE(reopened->paragraphText(2), stored);
    QCOMPARE(reopened->paragraphCount(), 16);

    const Xml xml(PackagePart(saved, u"word/document.xml"_qs));
    const pugi::xml_node p = FixtureParagraph(xml, 2);
    QCOMPARE(static_cast<int>(p.select_nodes(".//w:tab").size()), tabs);
    for (const pugi::xpath_node& t : p.select_nodes(".//w:t"))
        QCOMPARE(t.node().attribute("xml:space").value(), "preserve");
}

void DocxDocumentTest::lineBreaksInTheSectionParagraphKeepTheSectionLast() {
    auto doc = OpenBytes(FixtureDocx());
    doc->setParagraphText(16, u"一\r二\r三"_qs);
    const Xml xml(PackagePart(SaveBytes(*doc), u"word/document.xml"_qs));
    QCOMPARE(xml.all("//w:sectPr").size(), size_t(1));
    const auto paragraphs = BodyParagraphs(xml);
    QVERIFY(paragraphs.back().child("w:pPr").child("w:sectPr"));
    QCOMPARE(QString::fromUtf8(paragraphs.back().child("w:r").child("w:t").child_value()),
             u"三"_qs);
}

void DocxDocumentTest::otherPartsAreWrittenBackUnchanged() {
    const QByteArray original = FixtureDocx();
    auto doc = OpenBytes(original);
    doc->setParagraphText(2, u"值"_qs);
    const QByteArray saved = SaveBytes(*doc);
    QCOMPARE(DocxPackage::fromBytes(saved).partNames(),
             DocxPackage::fromBytes(original).partNames());
    QCOMPARE(PackagePart(saved, u"word/header1.xml"_qs),
             PackagePart(original, u"word/header1.xml"_qs));
    // The text box and its paragraph are still there.
    const Xml xml(PackagePart(saved, u"word/document.xml"_qs));
    QCOMPARE(xml.all("//w:txbxContent/w:p").size(), size_t(1));
}

void DocxDocumentTest::pastedPictureIsAnInlinePartOfThePackage() {
    auto doc = OpenBytes(FixtureDocx());
    QGuiApplication::clipboard()->setImage(Picture(120, 160));
    doc->pasteIntoParagraph(2);
    doc->insertPicture(9, Picture(40, 40));
    const QByteArray saved = SaveBytes(*doc);

    const DocxPackage package = DocxPackage::fromBytes(saved);
    QVERIFY(package.contains(u"word/media/image1.png"_qs));
    QVERIFY(package.contains(u"word/media/image2.png"_qs));
    QImage stored;
    QVERIFY(stored.loadFromData(package.part(u"word/media/image1.png"_qs), "PNG"));
    QCOMPARE(stored.size(), QSize(120, 160));

    const Xml types(package.part(u"[Content_Types].xml"_qs));
    QCOMPARE(types.all("/Types/Default[@Extension='png'][@ContentType='image/png']").size(),
             size_t(1));

    const Xml rels(package.part(u"word/_rels/document.xml.rels"_qs));
    const Xml xml(package.part(u"word/document.xml"_qs));
    const auto blips = xml.all("//w:drawing/wp:inline//a:blip");
    QCOMPARE(blips.size(), size_t(2));
    QStringList targets;
    for (const pugi::xpath_node& blip : blips) {
        const QByteArray id = blip.node().attribute("r:embed").value();
        const pugi::xml_node rel =
            rels.one(QByteArray("/Relationships/Relationship[@Id='" + id + "']").constData());
        QVERIFY2(rel, id.constData());
        QVERIFY(QByteArray(rel.attribute("Type").value()).endsWith("/image"));
        targets.append(QString::fromUtf8(rel.attribute("Target").value()));
    }
    QCOMPARE(targets, (QStringList{u"media/image1.png"_qs, u"media/image2.png"_qs}));
    // The header relationship keeps its identifier.
    QCOMPARE(rels.all("/Relationships/Relationship[@Id='rId1'][@Target='header1.xml']").size(),
             size_t(1));

    // Drawing identifiers stay unique, the text box's 7 included.
    QSet<int> ids;
    for (const pugi::xpath_node& pr : xml.all("//wp:docPr"))
        ids.insert(pr.node().attribute("id").as_int());
    QCOMPARE(ids.size(), 3);
    QVERIFY(!ids.contains(0));
    QVERIFY(xml.one("/w:document").attribute("xmlns:wp"));

    // The picture replaced the paragraph's text, in the same cell, and the file re-opens.
    const auto reopened = OpenBytes(saved);
    QCOMPARE(reopened->paragraphCount(), 16);
    QCOMPARE(reopened->paragraphText(2), QString());
    QCOMPARE(reopened->paragraphsInCell(2), 1);
    reopened->insertPicture(13, Picture(10, 10));
    const DocxPackage again = DocxPackage::fromBytes(SaveBytes(*reopened));
    QVERIFY(again.contains(u"word/media/image3.png"_qs));
}

void DocxDocumentTest::pictureIsScaledToFitItsCell_data() {
    QTest::addColumn<int>("ordinal");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qint64>("maxWidth");
    QTest::addColumn<qint64>("maxHeight");

    // Cell widths less Word's 108 twips margin on either side; 635 EMU to the twip.
    const qint64 wideCell = (3000 - 216) * 635;
    const qint64 narrowCell = (2000 - 216) * 635;
    const qint64 fixedRow = 2880 * 635;
    QTest::newRow("large picture, wide cell") << 2 << QSize(2000, 1000) << wideCell << qint64(0);
    QTest::newRow("small picture grows to the cell") << 2 << QSize(20, 10) << wideCell << qint64(0);
    QTest::newRow("tall picture, row of fixed height")
        << 13 << QSize(300, 3000) << narrowCell << fixedRow;
    QTest::newRow("wide picture, row of fixed height")
        << 13 << QSize(3000, 300) << narrowCell << fixedRow;
    QTest::newRow("exactly spaced paragraph")
        << 14 << QSize(100, 100) << qint64((3000 - 216) * 635) << fixedRow;
    QTest::newRow("outside tables: text width")
        << 12 << QSize(5000, 100) << qint64((11906 - 3600) * 635) << qint64(0);
}

void DocxDocumentTest::pictureIsScaledToFitItsCell() {
    QFETCH(int, ordinal);
    QFETCH(QSize, pixels);
    QFETCH(qint64, maxWidth);
    QFETCH(qint64, maxHeight);
    auto doc = OpenBytes(FixtureDocx());
    doc->insertPicture(ordinal, Picture(pixels.width(), pixels.height()));
    const Xml xml(PackagePart(SaveBytes(*doc), u"word/document.xml"_qs));
    const pugi::xml_node extent = xml.one("//wp:inline/wp:extent");
    const qint64 cx = extent.attribute("cx").as_llong();
    const qint64 cy = extent.attribute("cy").as_llong();
    QVERIFY2(cx <= maxWidth, qPrintable(QString::number(cx)));
    if (maxHeight > 0)
        QVERIFY2(cy <= maxHeight, qPrintable(QString::number(cy)));
    // Fitted: one side reaches its limit (within rounding or the line's allowance) ...
    const bool widthBound = cx >= maxWidth - 2;
    const bool heightBound = maxHeight > 0 && cy >= maxHeight * 9 / 10;
    QVERIFY(widthBound || heightBound);
    // ... and the aspect ratio is kept.
    QVERIFY(qAbs(double(cx) / cy - double(pixels.width()) / pixels.height()) < 0.01);
    const pugi::xml_node ext = xml.one("//pic:spPr/a:xfrm/a:ext");
    QCOMPARE(ext.attribute("cx").as_llong(), cx);
    QCOMPARE(ext.attribute("cy").as_llong(), cy);
    // An exact line height would cut the picture off.
    if (ordinal == 14)
        QVERIFY(!xml.one("//w:spacing[@w:lineRule='exact']"));
}

void DocxDocumentTest::pastingWithoutPictureIsRefused() {
    auto doc = OpenBytes(FixtureDocx());
    QGuiApplication::clipboard()->setText(u"只有文字"_qs);
    QVERIFY_THROWS_EXCEPTION(WordError, doc->pasteIntoParagraph(2));
    QCOMPARE(doc->paragraphText(2), u"A1"_qs);
}

void DocxDocumentTest::rejectsWhatIsNoWordDocument_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("这不是文档");
    QTest::newRow("truncated zip") << FixtureDocx().left(200);
    DocxPackage noMain = DocxPackage::fromBytes(FixtureDocx());
    noMain.setPart(
        u"_rels/.rels"_qs,
        "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/"
        "package/2006/relationships\"/>");
    QTest::newRow("no main part") << noMain.toBytes();
    DocxPackage broken = DocxPackage::fromBytes(FixtureDocx());
    broken.setPart(u"word/document.xml"_qs, "<w:document><w:body>");
    QTest::newRow("broken main part") << broken.toBytes();
}

void DocxDocumentTest::rejectsWhatIsNoWordDocument() {
    QFETCH(QByteArray, bytes);
    QVERIFY_THROWS_EXCEPTION(WordError, OpenBytes(bytes));
}

void DocxDocumentTest::saveReportsFailureAndReplacesTheFile() {
    QTemporaryDir dir;
    const QString name = dir.filePath(u"文档.docx"_qs);
    {
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old content");
    }
    auto doc = OpenBytes(FixtureDocx());
    doc->setParagraphText(2, u"新"_qs);
    QVERIFY_THROWS_EXCEPTION(WordError, doc->saveAs(dir.filePath(u"没有的文件夹/x.docx"_qs)));
    QVERIFY(!QFileInfo::exists(dir.filePath(u"没有的文件夹"_qs)));
    doc->saveAs(name);
    QCOMPARE(DocxDocument::open(name)->paragraphText(2), u"新"_qs);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"文档.docx"_qs});
}

QTEST_MAIN(DocxDocumentTest)
#include "DocxDocumentTest.moc"
