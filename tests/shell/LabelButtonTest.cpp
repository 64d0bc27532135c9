#include "LabelButtonTest.h"

#include "LabelButton.h"

#include <QEnterEvent>
#include <QImage>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace {

TLabelButton* makeButton(QWidget* parent, int group = 0) {
    auto* button = new TLabelButton(parent);
    button->resize(76, 55);
    button->setGroupIndex(group);
    return button;
}

void click(TLabelButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// Pixels of the caption drawn in (or anti-aliased towards) the magenta hot colour.
int countHotPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 160 && c.blue() > 160 && c.green() < 120 ? 1 : 0;
        }
    }
    return count;
}

} // namespace

void LabelButtonTest::clickOnlyWhenReleasedInside() {
    QWidget parent;
    TLabelButton* button = makeButton(&parent);
    QSignalSpy clicks(button, &TLabelButton::clicked);
    click(button);
    QCOMPARE(clicks.count(), 1);

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(button->state(), TLabelButton::State::Down);
    QTest::mouseMove(button, QPoint(200, 200));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(200, 200));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(button->state(), TLabelButton::State::Up);

    button->setEnabled(false);
    click(button);
    QCOMPARE(clicks.count(), 1);
}

void LabelButtonTest::groupedButtons() {
    QWidget parent;
    TLabelButton* a = makeButton(&parent, 1);
    TLabelButton* b = makeButton(&parent, 1);
    TLabelButton* other = makeButton(&parent, 2);
    other->setDown(true);

    click(a);
    QVERIFY(a->isDown());
    QCOMPARE(a->state(), TLabelButton::State::Exclusive);
    click(b);
    QVERIFY(b->isDown());
    QVERIFY(!a->isDown());
    QVERIFY(other->isDown()); // another group is not touched
    // Without AllowAllUp the last button of a group stays down.
    click(b);
    QVERIFY(b->isDown());
    b->setAllowAllUp(true);
    click(b);
    QVERIFY(!b->isDown());
    QVERIFY(!a->isDown());
    // A button without a group never stays down.
    TLabelButton* single = makeButton(&parent);
    single->setDown(true);
    QVERIFY(!single->isDown());
}

void LabelButtonTest::hotCaptionAndGlyphFrame() {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(128, 128, 128));
    parent.setPalette(palette);
    parent.resize(200, 100);

    TLabelButton* button = makeButton(&parent);
    button->setFlat(true);
    button->setGlyphLayout(TLabelButton::GlyphLayout::Top);
    const QColor hot(217, 85, 217);
    button->setHotFontColor(hot);
    button->setCaption(QStringLiteral("个人资料"));
    QPixmap glyph(32, 32);
    glyph.fill(QColor(0, 0, 255));
    button->setGlyph(glyph);

    const QPoint frameCorner(
        qMax(0, (QFontMetrics(button->font()).horizontalAdvance(button->caption()) - 32) / 2), 0);
    const QImage idle = parent.grab().toImage().copy(button->geometry());
    QCOMPARE(countHotPixels(idle), 0);
    // Transparent and not hot: the frame corner shows the parent's background.
    QCOMPARE(idle.pixelColor(frameCorner), QColor(128, 128, 128));

    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(10, 10));
    QCoreApplication::sendEvent(button, &enter);
    QVERIFY(button->mouseInside());
    const QImage hotImage = parent.grab().toImage().copy(button->geometry());
    QVERIFY(countHotPixels(hotImage) > 0);
    QVERIFY(hotImage.pixelColor(frameCorner) != QColor(128, 128, 128));
    // The frame covers the glyph only: the caption row's edge stays background.
    QCOMPARE(hotImage.pixelColor(0, 54), QColor(128, 128, 128));

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QVERIFY(!button->mouseInside());
    QCOMPARE(countHotPixels(parent.grab().toImage().copy(button->geometry())), 0);
}
