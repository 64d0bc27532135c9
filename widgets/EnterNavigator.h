#pragma once

#include <QObject>

// Window-level key filter of the work windows: Enter moves the focus to the next control
// in tab order, except in multi-line text boxes, in grids (which move from cell to cell
// themselves) and in open drop-down lists. Install it with install(window).
class EnterNavigator : public QObject {
    Q_OBJECT
public:
    // Creates a navigator owned by the window and installs it for all the window's keys.
    static EnterNavigator* install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit EnterNavigator(QWidget* window);
    QWidget* window_;
};
