#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

// The calendar check of the dates an operation sends, before anything is
// sent.
namespace korvant {

class FrontEndPort;

// False after the message of the first labelled date that is no day of the
// calendar (calendarDateRefusal, error icon); true when every one is.
bool checkCalendarDates(FrontEndPort& port,
                        std::initializer_list<std::pair<const char*, int32_t>> dates);

}  // namespace korvant
