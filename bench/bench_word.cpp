// Fills the evaluation form the way the evaluation table's document does: every value cell,
// every tenth of them with a multi-line value, and one photo of about 30 KB, then saves the
// document. Prints the minimum and median of 20 runs.
//
//   QT_QPA_PLATFORM=offscreen bench_word [template.docx]

#include "DocxDocument.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

namespace {

// The form's value cells: every empty paragraph that is the only one of its table cell,
// from the highest ordinal down so that multi-line values shift nothing still to come.
QList<int> valueCells(const DocxDocument& form) {
    QList<int> cells;
    for (int n = form.paragraphCount(); n >= 1; --n) {
        if (form.place(n) == DocxDocument::Place::TableCell && form.paragraphsInCell(n) == 1 &&
            form.paragraphText(n).isEmpty())
            cells << n;
    }
    return cells;
}

// A photo-like picture whose PNG form is about 30 KB.
QImage photo() {
    QImage image(300, 420, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(200, 210, 230));
    QRandomGenerator random(42);
    for (int i = 0; i < 2600; ++i) {
        painter.fillRect(QRect(int(random.bounded(300)), int(random.bounded(420)), 6, 6),
                         QColor::fromRgb(random.generate()));
    }
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QString templatePath =
        argc > 1 ? QString::fromLocal8Bit(argv[1])
                 : QStringLiteral(LEDGEREV_SOURCE_DIR "/runtime/ModeData/zyps.docx");
    const QList<int> ordinals = valueCells(*DocxDocument::open(templatePath));
    const int photoCell = 47; // the form's 照片 cell
    const QImage picture = photo();
    const QString multiLine =
        QStringLiteral("负责集团公司财务管理工作，主持会计核算与预算编制。\r\n"
                       "组织完成内部控制体系建设。\r\n取得显著成效。");

    QList<double> runs;
    qint64 size = 0;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer timer;
        timer.start();
        const auto document = DocxDocument::open(templatePath);
        document->insertPicture(photoCell, picture);
        for (int i = 0; i < ordinals.size(); ++i) {
            const int ordinal = ordinals[i];
            if (ordinal == photoCell)
                continue;
            document->setParagraphText(
                ordinal, i % 10 == 0 ? multiLine : QStringLiteral("第%1段的值").arg(ordinal));
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        document->save(&buffer);
        size = buffer.size();
        runs << timer.nsecsElapsed() / 1e6;
    }
    std::sort(runs.begin(), runs.end());
    std::printf("evaluation form: %lld paragraphs written, 1 photo, saved document %lld bytes\n",
                static_cast<long long>(ordinals.size()), static_cast<long long>(size));
    std::printf("20 runs: minimum %.1f ms, median %.1f ms\n", runs.first(),
                (runs[9] + runs[10]) / 2);
    return 0;
}
