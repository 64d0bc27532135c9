#pragma once

#include <QObject>

class LabelButtonTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clickOnlyWhenReleasedInside();
    void groupedButtons();
    void hotCaptionAndGlyphFrame();
};
