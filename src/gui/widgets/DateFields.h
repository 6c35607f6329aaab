#pragma once

#include <QDate>

class QDateEdit;

#include <cstdint>

// Dates of the date pickers and their yyyymmdd value on the wire.
namespace korvant::gui {

// The date of a yyyymmdd value; today for a value that is no date.
inline QDate dateOfYmd(int32_t ymd) {
    QDate date(ymd / 10000, ymd / 100 % 100, ymd % 100);
    return date.isValid() ? date : QDate::currentDate();
}

inline int32_t ymdOfDate(const QDate& date) {
    return date.year() * 10000 + date.month() * 100 + date.day();
}

// A date field of the desk: "yyyy-MM-dd", a calendar to pick from, and a date
// that changes only when the typing is done (Enter, the focus leaving), so
// that typed digits go into their section instead of each keystroke
// committing a half-typed date.
void setUpDateField(QDateEdit* edit);

}  // namespace korvant::gui
