#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A flat button that shows a picture (glyph) with a caption: only the picture gets the
// raised or sunken frame, while the caption behaves like a label that turns to a "hot"
// colour while the mouse is over the button. Like a speed button it can be pressed, stay
// down as a member of a group, and fires clicked() only when released inside.
class TLabelButton : public QWidget {
    Q_OBJECT
public:
    enum class GlyphLayout { Left, Right, Top, Bottom };
    enum class State { Up, Disabled, Down, Exclusive };

    explicit TLabelButton(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QPixmap glyph() const { return glyph_; }
    void setGlyph(const QPixmap& glyph);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);
    GlyphLayout glyphLayout() const { return layout_; }
    void setGlyphLayout(GlyphLayout layout);
    int margin() const { return margin_; }
    void setMargin(int margin);
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);
    bool isFlat() const { return flat_; }
    void setFlat(bool flat);
    bool isTransparent() const { return transparent_; }
    void setTransparent(bool transparent);
    QColor hotFontColor() const { return hotFontColor_; }
    void setHotFontColor(const QColor& color);
    bool isDown() const { return down_; }
    void setDown(bool down);
    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow);
    QString sMenuID;

    State state() const { return state_; }
    bool mouseInside() const { return mouseInside_; }

    QSize sizeHint() const override { return {22, 23}; }

Q_SIGNALS:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QList<TLabelButton*> groupMembers() const;
    void releaseOtherGroupMembers();
    void setState(State state);
    State restingState() const;
    QPixmap glyphImage(State state) const;
    QSize glyphSize() const;
    QSize captionSize() const;
    // Where glyph and caption go inside the button, before the pressed offset.
    void layoutContents(QRect& glyphRect, QRect& captionRect) const;

    QString caption_;
    QPixmap glyph_;
    int numGlyphs_ = 1;
    GlyphLayout layout_ = GlyphLayout::Left;
    int margin_ = -1;
    int spacing_ = 4;
    bool flat_ = false;
    bool transparent_ = true;
    QColor hotFontColor_;
    bool down_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;

    State state_ = State::Up;
    bool mouseInside_ = false;
    bool held_ = false;
};
