#pragma once

#include <QLineEdit>

class QFrame;
class QToolButton;

// A read-only edit whose drop-down button shows a popup panel holding another widget
// (for example a check grid). aboutToPopup() comes before the panel shows, closedUp()
// after it has closed.
class PopupEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PopupEdit(QWidget* parent = nullptr);

    // The widget shown in the popup panel; the panel takes ownership.
    void setPopupWidget(QWidget* widget, QSize size);
    bool isPoppedUp() const;

public Q_SLOTS:
    void showPopup();
    void hidePopup();

Q_SIGNALS:
    void aboutToPopup();
    void closedUp();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* button_;
    QFrame* panel_;
    QWidget* content_ = nullptr;
};
