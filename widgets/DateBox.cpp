#include "DateBox.h"

#include "Helpers.h"

DateBox::DateBox(QWidget* parent) : QDateEdit(QDate::currentDate(), parent) {
    setDisplayFormat(ShortDateFormat());
    setCalendarPopup(true);
    setMinimumDate(QDate(1900, 1, 1));
}

QString DateBox::storedText() const {
    return date().toString(QStringLiteral("yyyyMMdd"));
}
