#include "LabelButton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

TLabelButton::TLabelButton(QWidget* parent)
    : QWidget(parent), hotFontColor_(palette().color(QPalette::WindowText)) {
    resize(22, 23);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setBackgroundRole(QPalette::Button);
}

void TLabelButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TLabelButton::setGlyph(const QPixmap& glyph) {
    glyph_ = glyph;
    update();
}

void TLabelButton::setNumGlyphs(int count) {
    numGlyphs_ = qBound(1, count, 4);
    update();
}

void TLabelButton::setGlyphLayout(GlyphLayout layout) {
    layout_ = layout;
    update();
}

void TLabelButton::setMargin(int margin) {
    margin_ = margin;
    update();
}

void TLabelButton::setSpacing(int spacing) {
    spacing_ = spacing;
    update();
}

void TLabelButton::setFlat(bool flat) {
    flat_ = flat;
    update();
}

void TLabelButton::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void TLabelButton::setHotFontColor(const QColor& color) {
    hotFontColor_ = color;
    update();
}

void TLabelButton::setGroupIndex(int index) {
    groupIndex_ = index;
    if (groupIndex_ == 0)
        setDown(false);
}

void TLabelButton::setAllowAllUp(bool allow) {
    allowAllUp_ = allow;
    for (TLabelButton* member : groupMembers())
        member->allowAllUp_ = allow;
}

void TLabelButton::setDown(bool down) {
    if (groupIndex_ == 0)
        down = false;
    if (down == down_)
        return;
    if (down_ && !allowAllUp_)
        return;
    down_ = down;
    setState(down ? State::Exclusive : State::Up);
    if (down)
        releaseOtherGroupMembers();
}

QList<TLabelButton*> TLabelButton::groupMembers() const {
    QList<TLabelButton*> members;
    if (groupIndex_ == 0 || !parentWidget())
        return members;
    const auto siblings = parentWidget()->findChildren<TLabelButton*>(Qt::FindDirectChildrenOnly);
    for (TLabelButton* sibling : siblings) {
        if (sibling != this && sibling->groupIndex_ == groupIndex_)
            members.append(sibling);
    }
    return members;
}

void TLabelButton::releaseOtherGroupMembers() {
    for (TLabelButton* member : groupMembers()) {
        if (member->down_) {
            member->down_ = false;
            member->setState(State::Up);
        }
    }
}

void TLabelButton::setState(State state) {
    if (state_ == state)
        return;
    state_ = state;
    update();
}

TLabelButton::State TLabelButton::restingState() const {
    return down_ ? State::Exclusive : State::Up;
}

void TLabelButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!down_)
        setState(State::Down);
    held_ = true;
}

void TLabelButton::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (held_) {
        setState(inside ? (down_ ? State::Exclusive : State::Down) : restingState());
    } else if (flat_ && inside != mouseInside_) {
        mouseInside_ = inside;
        update();
    }
}

void TLabelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !held_)
        return;
    held_ = false;
    const bool inside = rect().contains(event->position().toPoint());
    if (groupIndex_ == 0) {
        setState(State::Up);
        mouseInside_ = false;
        if (inside)
            update();
    } else if (inside) {
        setDown(!down_);
        setState(restingState());
    } else {
        setState(restingState());
    }
    if (inside)
        Q_EMIT clicked();
    if (flat_)
        mouseInside_ = rect().contains(mapFromGlobal(QCursor::pos()));
    update();
}

void TLabelButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        mousePressEvent(event);
        Q_EMIT doubleClicked();
    }
}

void TLabelButton::enterEvent(QEnterEvent*) {
    if (flat_ && isEnabled() && !held_ && !QWidget::mouseGrabber()) {
        mouseInside_ = true;
        update();
    }
}

void TLabelButton::leaveEvent(QEvent*) {
    if (flat_ && isEnabled() && !held_) {
        mouseInside_ = false;
        update();
    }
}

void TLabelButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

QSize TLabelButton::glyphSize() const {
    if (glyph_.isNull())
        return {0, 0};
    return {glyph_.width() / numGlyphs_, glyph_.height()};
}

QSize TLabelButton::captionSize() const {
    if (caption_.isEmpty())
        return {0, 0};
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(caption_), metrics.height()};
}

QPixmap TLabelButton::glyphImage(State state) const {
    if (glyph_.isNull())
        return {};
    int index = 0;
    switch (state) {
    case State::Disabled:
        index = 1;
        break;
    case State::Down:
        index = 2;
        break;
    case State::Exclusive:
        index = 3;
        break;
    case State::Up:
        index = 0;
        break;
    }
    if (index >= numGlyphs_)
        index = 0;
    const QSize size = glyphSize();
    QPixmap image = glyph_.copy(index * size.width(), 0, size.width(), size.height());
    if (state == State::Disabled && numGlyphs_ < 2) {
        QImage grey = image.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < grey.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
            for (int x = 0; x < grey.width(); ++x) {
                const int g = 128 + qGray(line[x]) / 2;
                line[x] = qRgba(g, g, g, qAlpha(line[x]));
            }
        }
        image = QPixmap::fromImage(grey);
    }
    return image;
}

void TLabelButton::layoutContents(QRect& glyphRect, QRect& captionRect) const {
    const QSize g = glyphSize();
    const QSize c = captionSize();
    if (flat_ && layout_ == GlyphLayout::Top) {
        // The wider of glyph and caption starts at the left edge, the narrower is centred
        // on it; the glyph starts Spacing from the top, the caption Spacing under it.
        const int wide = qMax(g.width(), c.width());
        glyphRect = QRect(QPoint((wide - g.width()) / 2, spacing_), g);
        captionRect = QRect(QPoint((wide - c.width()) / 2, spacing_ + g.height() + spacing_), c);
        return;
    }
    // The usual centred layout of a speed button.
    const bool vertical = layout_ == GlyphLayout::Top || layout_ == GlyphLayout::Bottom;
    const int gap = g.isEmpty() || c.isEmpty() ? 0 : spacing_;
    const int total = vertical ? g.height() + gap + c.height() : g.width() + gap + c.width();
    const int room = vertical ? height() : width();
    const int start = margin_ < 0 ? (room - total) / 2 : margin_;
    QPoint glyphAt, captionAt;
    switch (layout_) {
    case GlyphLayout::Left:
        glyphAt = {start, (height() - g.height()) / 2};
        captionAt = {start + g.width() + gap, (height() - c.height()) / 2};
        break;
    case GlyphLayout::Right:
        captionAt = {start, (height() - c.height()) / 2};
        glyphAt = {start + c.width() + gap, (height() - g.height()) / 2};
        break;
    case GlyphLayout::Top:
        glyphAt = {(width() - g.width()) / 2, start};
        captionAt = {(width() - c.width()) / 2, start + g.height() + gap};
        break;
    case GlyphLayout::Bottom:
        captionAt = {(width() - c.width()) / 2, start};
        glyphAt = {(width() - g.width()) / 2, start + c.height() + gap};
        break;
    }
    glyphRect = QRect(glyphAt, g);
    captionRect = QRect(captionAt, c);
}

void TLabelButton::paintEvent(QPaintEvent*) {
    if (!isEnabled())
        state_ = State::Disabled;
    else if (state_ == State::Disabled)
        state_ = down_ && groupIndex_ != 0 ? State::Exclusive : State::Up;

    QPainter painter(this);
    const bool pressed = state_ == State::Down || state_ == State::Exclusive;

    if (flat_) {
        const QSize g = glyphSize();
        const QSize c = captionSize();
        QPoint frameAt(0, 0);
        if (layout_ == GlyphLayout::Top || layout_ == GlyphLayout::Bottom) {
            frameAt.setX(qMax(0, (c.width() - g.width()) / 2));
            if (layout_ == GlyphLayout::Bottom)
                frameAt.setY(c.height() + 2 * spacing_);
        }
        const QRect frame(frameAt, QSize(g.width() + 1, g.height() + 1));
        if (pressed || (mouseInside_ && isEnabled())) {
            if (!transparent_)
                painter.fillRect(frame, palette().button());
            qDrawShadePanel(&painter, frame, palette(), pressed, 1);
        } else if (!transparent_) {
            painter.fillRect(rect(), palette().button());
        }
    } else {
        QStyleOptionButton option;
        option.initFrom(this);
        option.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);
    }

    if (state_ == State::Exclusive && (!flat_ || !mouseInside_)) {
        QBrush checked(palette().color(QPalette::Light), Qt::Dense4Pattern);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), palette().button());
        painter.fillRect(rect().adjusted(1, 1, -1, -1), checked);
    }

    QRect glyphRect, captionRect;
    layoutContents(glyphRect, captionRect);
    if (pressed) {
        glyphRect.translate(1, 1);
        captionRect.translate(1, 1);
    }
    const QPixmap image = glyphImage(state_);
    if (!image.isNull())
        painter.drawPixmap(glyphRect.topLeft(), image);
    if (!caption_.isEmpty()) {
        QColor color = palette().color(QPalette::WindowText);
        if (state_ == State::Disabled)
            color = palette().color(QPalette::Disabled, QPalette::WindowText);
        else if (mouseInside_)
            color = hotFontColor_;
        painter.setPen(color);
        painter.setFont(font());
        painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption_);
    }
}
