#include "app/forms/DateCheck.h"

#include "app/port/FrontEndPort.h"
#include "text/CalendarDate.h"

namespace korvant {

bool checkCalendarDates(FrontEndPort& port,
                        std::initializer_list<std::pair<const char*, int32_t>> dates) {
    for (const auto& [label, date] : dates)
        if (!isCalendarDate(date)) {
            port.error(calendarDateRefusal(label, date));
            return false;
        }
    return true;
}

}  // namespace korvant
