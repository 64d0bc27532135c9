// Draws the dashboard pictures: the background BkPic.Bmp and the glyphs 01.Bmp (dossier),
// 02.Bmp (export) and Exit.Bmp. Glyphs are painted on the card colour of the background;
// their lower-left pixel marks that colour as transparent.

#include "UiFont.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor Card(238, 242, 248);
const QColor Ink(32, 64, 112);
const QColor Accent(196, 72, 48);

QImage background() {
    QImage image(800, 560, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 560);
    sky.setColorAt(0, QColor(24, 62, 118));
    sky.setColorAt(1, QColor(40, 120, 150));
    p.fillRect(image.rect(), sky);

    // Faint ledger lines across the picture.
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int y = 20; y < 560; y += 24)
        p.drawLine(0, y, 800, y);

    p.setPen(Qt::white);
    QFont title = SongFont(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 40, 800, 60), Qt::AlignCenter, QStringLiteral("高级会计师任职资格评审"));
    p.setFont(SongFont(14));
    p.drawText(QRect(0, 96, 800, 30), Qt::AlignCenter, QStringLiteral("申 报 端"));

    // Cards behind the dashboard buttons (dossier and export, then exit).
    p.setPen(Qt::NoPen);
    p.setBrush(Card);
    p.drawRoundedRect(QRect(196, 146, 320, 84), 12, 12);
    p.drawRoundedRect(QRect(690, 470, 56, 70), 10, 10);

    p.setPen(QColor(255, 255, 255, 200));
    p.setFont(SongFont(10));
    p.drawText(QRect(0, 300, 800, 24), Qt::AlignCenter,
               QStringLiteral("录入个人资料 · 检查申报条件 · 打印申报表格 · 生成上报数据"));
    return image;
}

QImage glyphCanvas() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(Card);
    return image;
}

QImage dossierGlyph() {
    QImage image = glyphCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(6.5, 3.5, 20, 25), 2, 2);
    p.setBrush(Ink);
    p.drawEllipse(QRectF(12, 7, 8, 8));
    p.drawPie(QRectF(9, 14, 14, 12), 0, 180 * 16);
    p.setPen(QPen(Accent, 1.5));
    p.drawLine(QPointF(10, 24), QPointF(22, 24));
    return image;
}

QImage exportGlyph() {
    QImage image = glyphCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(214, 226, 240));
    p.drawEllipse(QRectF(5, 20, 22, 7));
    p.drawRect(QRectF(5, 16, 22, 7.5));
    p.drawEllipse(QRectF(5, 13, 22, 7));
    QPainterPath arrow;
    arrow.moveTo(16, 2);
    arrow.lineTo(23, 9);
    arrow.lineTo(19, 9);
    arrow.lineTo(19, 15);
    arrow.lineTo(13, 15);
    arrow.lineTo(13, 9);
    arrow.lineTo(9, 9);
    arrow.closeSubpath();
    p.setBrush(Accent);
    p.setPen(QPen(Accent.darker(130), 1));
    p.drawPath(arrow);
    return image;
}

QImage exitGlyph() {
    QImage image = glyphCanvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1.5));
    p.setBrush(QColor(150, 96, 56));
    p.drawRect(QRectF(7.5, 4.5, 14, 24));
    p.setBrush(QColor(255, 214, 96));
    p.drawEllipse(QRectF(17, 16, 3, 3));
    p.setPen(QPen(Accent, 2.5));
    p.drawLine(QPointF(20, 11), QPointF(29, 11));
    p.drawLine(QPointF(26, 8), QPointF(29, 11));
    p.drawLine(QPointF(26, 14), QPointF(29, 11));
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makebitmaps <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {{"BkPic.Bmp", background()},
                    {"01.Bmp", dossierGlyph()},
                    {"02.Bmp", exportGlyph()},
                    {"Exit.Bmp", exitGlyph()}};
    for (const auto& picture : pictures) {
        const QString path = folder.filePath(QLatin1String(picture.name));
        if (!picture.image.save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
