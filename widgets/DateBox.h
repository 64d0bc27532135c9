#pragma once

#include <QDateEdit>

// A date picker showing the process's short-date format (yyyy-MM-dd) with a drop-down
// calendar.
class DateBox : public QDateEdit {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);
    // The picked date as stored text, yyyymmdd.
    QString storedText() const;
};
