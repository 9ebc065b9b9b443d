#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace orvek {

// Week numbers and six-digit date strings YYMMDD of the years 2000-2099.
// Week w begins on the Monday 7·w days after Monday 27 December 1999; week 1
// begins on 3 January 2000. A week index is a week number minus one.

// Style flags of formatDate and weekDateText.
namespace datestyle {
constexpr int withYear = 0x02;
constexpr int numericMonth = 0x08;
constexpr int noShift = 0x20;
} // namespace datestyle

constexpr int kMaxWeekOfDate = 1999;

// Days in a month; February has 29 days when the two-digit year is divisible by 4.
int daysInMonth(int month, int yy);
// Six characters, all digits, month 1..12, day 1..31.
bool isValidDate(std::string_view d);
// The date string seven days later.
std::string addWeek(std::string_view d);
// The date string of the Monday of week w.
std::string dateOfWeek(int w);
// The week that contains d: a Monday belongs to its own week, Tuesday to
// Sunday to the week of the preceding Monday. Never more than 1999.
int weekOfDate(std::string_view d);
// "%2d%2d%2d" of year, month and day with blanks as "0".
std::string dateString(int yy, int month, int day);
// Today's date string from a clock.
std::string todayString(const Clock& clock);

// The document values the parity and display rules depend on.
struct DateContext {
    bool serviceYear = false;
    bool dayFirstDates = false;
    std::string_view languageTag = "finnish";
    int todayYY = 0;               // today's two-digit year
    std::uint8_t ownDayOdd = 6;    // own meeting weekday offset, 0 = Monday .. 6 = Sunday
    std::uint8_t ownDayEven = 6;
};

// 1 (odd) or 0 (even): the year parity that selects meeting times and
// weekdays for week index x.
int yearParity(const DateContext& c, int weekIndex);
// The meeting day of the week whose Monday is d; code 1..7 = Monday..Sunday,
// 0 = the own congregation's day.
std::string shiftToMeetingDay(const DateContext& c, std::string_view d, int code);
// The four-digit calendar year of the own meeting in week index x.
int meetingYearOfWeek(const DateContext& c, int weekIndex);
// The display text of a date in the given style.
std::string formatDate(const DateContext& c, std::string_view d, int flags, int code);
// formatDate(dateOfWeek(w), flags, code).
std::string weekDateText(const DateContext& c, int w, int flags, int code);

// The step-by-step forms of dateOfWeek and weekOfDate, kept to prove that the
// fast forms above give the same results.
std::string dateOfWeekBySteps(int w);
int weekOfDateBySteps(std::string_view d);

} // namespace orvek
