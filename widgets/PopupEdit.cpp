#include "PopupEdit.h"

#include <QFrame>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

PopupEdit::PopupEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    button_ = new QToolButton(this);
    button_->setArrowType(Qt::DownArrow);
    button_->setCursor(Qt::ArrowCursor);
    button_->setFocusPolicy(Qt::NoFocus);
    connect(button_, &QToolButton::clicked, this, &PopupEdit::showPopup);

    panel_ = new QFrame(this, Qt::Popup);
    panel_->setFrameShape(QFrame::Panel);
    panel_->setFrameShadow(QFrame::Raised);
    panel_->installEventFilter(this);
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(2, 2, 2, 2);
}

void PopupEdit::setPopupWidget(QWidget* widget, QSize size) {
    content_ = widget;
    panel_->layout()->addWidget(widget);
    panel_->resize(size);
    panel_->setMinimumSize(size);
}

bool PopupEdit::isPoppedUp() const {
    return panel_->isVisible();
}

void PopupEdit::showPopup() {
    if (!isEnabled() || !content_ || panel_->isVisible())
        return;
    Q_EMIT aboutToPopup();
    panel_->move(mapToGlobal(QPoint(0, height())));
    panel_->show();
    content_->setFocus();
}

void PopupEdit::hidePopup() {
    if (panel_->isVisible())
        panel_->hide();
}

void PopupEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int side = height() - 2;
    button_->setGeometry(width() - side - 1, 1, side, side);
    setTextMargins(0, 0, side, 0);
}

void PopupEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F4 ||
        (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        showPopup();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void PopupEdit::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange)
        button_->setEnabled(isEnabled());
    QLineEdit::changeEvent(event);
}

bool PopupEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_ && event->type() == QEvent::Hide)
        Q_EMIT closedUp();
    return QLineEdit::eventFilter(watched, event);
}
