#include "DocxDocument.h"
#include "RecordingDocument.h"
#include "TestEnvironment.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTest>

// The shipped form templates and the ordinals the document windows' fill routines write.

namespace {

QList<int> SummaryOrdinals() {
    QList<int> n{5, 7, 9, 11, 14, 17, 19, 22, 24, 26, 29, 32};
    for (int k = 0; k < 5; ++k)
        n << 40 + 5 * k << 41 + 5 * k << 42 + 5 * k;
    n << 65;
    for (int k = 0; k < 5; ++k)
        for (int c = 0; c < 5; ++c)
            n << 75 + 7 * k + c;
    n << 110 << 115 << 118 << 121 << 125 << 133 << 137;
    return n;
}

QList<int> EvaluationOrdinals() {
    QList<int> n{42, 44, 46, 47, 51, 54, 58, 61, 65, 67,  78, 79,
                 80, 81, 82, 85, 87, 90, 93, 96, 99, 102, 105};
    for (int r = 0; r < 18; ++r)
        for (int c = 0; c < 4; ++c)
            n << 117 + 5 * r + c;
    for (int r = 0; r < 19; ++r)
        for (int c = 0; c < 4; ++c)
            n << 212 + 5 * r + c;
    for (const int p : {314, 330, 346, 360})
        n << p << p + 1 << p + 2 << p + 3;
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 5; ++c)
            n << 373 + 6 * r + c;
    n << 416 << 428 << 431 << 451 << 457 << 466 << 470 << 478;
    return n;
}

QList<int> UnitOrdinals() {
    return {46, 44, 16, 18, 22, 24, 28, 30, 34, 36, 40, 42, 5, 7, 9, 12};
}

QString TemplatePath(const QString& name) {
    return TestEnvironment::sourceDir() + QStringLiteral("/runtime/ModeData/") + name;
}

QByteArray Saved(const DocxDocument& doc, const QString& name) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    doc.save(&buffer);
    const QString keep = qEnvironmentVariable("LEDGEREV_KEEP_DOCUMENTS");
    if (!keep.isEmpty()) {
        QFile out(QDir(keep).filePath(QStringLiteral("filled-") + name));
        if (out.open(QIODevice::WriteOnly))
            out.write(buffer.data());
    }
    return buffer.data();
}

} // namespace

class FormTemplatesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyWrittenOrdinalIsTheOnlyParagraphOfItsCell_data();
    void everyWrittenOrdinalIsTheOnlyParagraphOfItsCell();
    void fillFromTheHighestOrdinalDownLandsWhereTheRecordingSays_data();
    void fillFromTheHighestOrdinalDownLandsWhereTheRecordingSays();
};

void FormTemplatesTest::everyWrittenOrdinalIsTheOnlyParagraphOfItsCell_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<int>>("ordinals");
    QTest::addColumn<int>("required");
    QTest::newRow("summary") << u"single.docx"_qs << SummaryOrdinals() << 137;
    QTest::newRow("evaluation") << u"zyps.docx"_qs << EvaluationOrdinals() << 478;
    QTest::newRow("company") << u"cointrod0.docx"_qs << UnitOrdinals() << 46;
    QTest::newRow("institution") << u"cointrod1.docx"_qs << UnitOrdinals() << 46;
}

void FormTemplatesTest::everyWrittenOrdinalIsTheOnlyParagraphOfItsCell() {
    QFETCH(QString, file);
    QFETCH(QList<int>, ordinals);
    QFETCH(int, required);
    const auto doc = DocxDocument::open(TemplatePath(file));
    QVERIFY(doc->paragraphCount() >= required);
    for (const int n : ordinals) {
        const QByteArray where = QByteArray::number(n);
        QVERIFY2(doc->place(n) == DocxDocument::Place::TableCell, where.constData());
        QVERIFY2(doc->paragraphsInCell(n) == 1, where.constData());
        // The photo cell shows where the photograph goes until one is pasted.
        const QString text = file == u"zyps.docx"_qs && n == 47 ? u"照\n片"_qs : QString();
        QVERIFY2(doc->paragraphText(n) == text, where.constData());
    }
}

void FormTemplatesTest::fillFromTheHighestOrdinalDownLandsWhereTheRecordingSays_data() {
    everyWrittenOrdinalIsTheOnlyParagraphOfItsCell_data();
}

void FormTemplatesTest::fillFromTheHighestOrdinalDownLandsWhereTheRecordingSays() {
    QFETCH(QString, file);
    QFETCH(QList<int>, ordinals);
    const auto doc = DocxDocument::open(TemplatePath(file));
    RecordingDocument recording = RecordingDocument::fromDocx(TemplatePath(file));
    const int before = doc->paragraphCount();

    // Values as the windows write them: some with line breaks, written before every lower
    // ordinal; the evaluation table's photo pasted into 47.
    std::sort(ordinals.begin(), ordinals.end(), std::greater<>());
    int added = 0;
    QImage photo(300, 420, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    for (const int n : ordinals) {
        if (file == u"zyps.docx"_qs && n == 47) {
            QGuiApplication::clipboard()->setImage(photo);
            doc->pasteIntoParagraph(n);
            recording.pasteIntoParagraph(n);
            continue;
        }
        const QString value = n % 7 == 0 ? u"第%1段\r第二行\r"_qs.arg(n) : u"第%1段的值"_qs.arg(n);
        added += value.count(QLatin1Char('\r'));
        doc->setParagraphText(n, value);
        recording.setParagraphText(n, value);
    }
    QCOMPARE(doc->paragraphCount(), before + added);
    QByteArray saved = Saved(*doc, file);
    QBuffer buffer(&saved);
    buffer.open(QIODevice::ReadOnly);
    const auto filled = DocxDocument::read(&buffer);
    QCOMPARE(filled->paragraphCount(), recording.paragraphCount());
    for (int n = 1; n <= filled->paragraphCount(); ++n)
        QCOMPARE(filled->paragraphText(n), recording.paragraphText(n));
    for (const int n : ordinals)
        if (!(file == u"zyps.docx"_qs && n == 47))
            QVERIFY(recording.templateParagraph(n).startsWith(u"第%1段"_qs.arg(n)));
}

QTEST_MAIN(FormTemplatesTest)
#include "FormTemplatesTest.moc"
