// The week and date rules on arbitrary six-character strings, style flags
// and weekday codes, checked against the calendar of the standard library.
//
// Input: four bytes of context (language and setting flags, today's year, the
// own meeting days), a style flag byte, a weekday code byte and a 16-bit week
// number; the rest is cut into six-byte date strings.

#include <array>
#include <chrono>
#include <string>

#include "FuzzInput.h"
#include "store/Dates.h"

namespace {

using namespace orvek;
using orvek::fuzz::require;
namespace chr = std::chrono;

constexpr int kCenturyDays = 36525;         // 2000-01-01 .. 2099-12-31
constexpr int kLastWeekOfTheCentury = 5217; // begins on 2099-12-21

constexpr std::array<std::string_view, 6> kLanguages = {"finnish", "Deu", "hrvatski", "rus", "spanish", "english"};

bool allDigits(std::string_view d) {
    if (d.size() != 6) return false;
    for (char c : d)
        if (c < '0' || c > '9') return false;
    return true;
}

int field(std::string_view d, std::size_t off) { return (d[off] - '0') * 10 + (d[off + 1] - '0'); }

// A date string that names a day of the calendar (isValidDate also accepts
// the 31st of every month).
bool isRealDate(std::string_view d) {
    if (!allDigits(d)) return false;
    chr::year_month_day ymd{chr::year(2000 + field(d, 0)), chr::month(field(d, 2)), chr::day(field(d, 4))};
    return ymd.ok();
}

// Days since 1 January 2000.
int dayNumber(std::string_view d) {
    chr::year_month_day ymd{chr::year(2000 + field(d, 0)), chr::month(field(d, 2)), chr::day(field(d, 4))};
    return static_cast<int>((chr::sys_days(ymd) - chr::sys_days(chr::year(2000) / 1 / 1)).count());
}

int modCentury(int days) { return ((days % kCenturyDays) + kCenturyDays) % kCenturyDays; }

bool isMonday(std::string_view d) {
    chr::year_month_day ymd{chr::year(2000 + field(d, 0)), chr::month(field(d, 2)), chr::day(field(d, 4))};
    return chr::weekday(chr::sys_days(ymd)) == chr::Monday;
}

void checkWeek(const DateContext& c, int w) {
    // Week w begins on the Monday 7 w days after Monday 27 December 1999; the
    // rules count the years 2000..2099 round.
    std::string monday = dateOfWeek(w);
    require(isRealDate(monday), "dateOfWeek gives a date");
    require(dayNumber(monday) == modCentury(7 * w - 5), "dateOfWeek is 7 w days after 27 December 1999");
    if (w >= 1 && w <= kLastWeekOfTheCentury) require(isMonday(monday), "dateOfWeek gives a Monday");
    if (w >= 1 && w <= kMaxWeekOfDate) require(weekOfDate(monday) == w, "a Monday is in its own week");

    int x = w - 1;
    int parity = yearParity(c, x);
    require(parity == 0 || parity == 1, "a parity is 0 or 1");
    if (!c.serviceYear) {
        // The meeting year is the year of the meeting day the shift finds.
        std::string meeting = shiftToMeetingDay(c, dateOfWeek(x + 1), 0);
        int year = meetingYearOfWeek(c, x);
        require(year == 2000 + field(meeting, 0) || (year == 2100 && field(meeting, 0) == 0),
                "meetingYearOfWeek is the year of the shifted meeting day");
    }
}

void checkDate(const DateContext& c, std::string_view d, int flags, int code, bool bySteps) {
    int week = weekOfDate(d);
    require(week >= 0 && week <= kMaxWeekOfDate, "weekOfDate stays within its range");
    if (bySteps) require(week == weekOfDateBySteps(d), "weekOfDate agrees with the step-by-step count");

    std::string text = formatDate(c, d, flags, code);
    require(isValidDate(d) == !text.empty(), "formatDate shows exactly the valid dates");
    if (isValidDate(d)) require(allDigits(d), "a valid date is six digits");

    std::string next = addWeek(d);
    std::string shifted = shiftToMeetingDay(c, d, code);
    if (!isRealDate(d)) return;

    require(isRealDate(next) && dayNumber(next) == modCentury(dayNumber(d) + 7), "addWeek adds seven days");
    require(isRealDate(shifted), "the meeting day is a date");
    int offset = modCentury(dayNumber(shifted) - dayNumber(d));
    if (code >= 1 && code <= 7)
        require(offset == code - 1, "a weekday code selects its day");
    else
        require(offset == c.ownDayOdd || offset == c.ownDayEven, "no code selects the own meeting day");

    if (field(d, 0) <= 38) {
        // The week that contains d: its Monday is not after d and the next
        // Monday is.
        if (week == 0) {
            require(d < std::string_view("000103"), "week 0 holds only the days before week 1");
        } else {
            require(dateOfWeek(week) <= d, "the Monday of weekOfDate(d) is not after d");
            if (week < kMaxWeekOfDate) {
                require(d < std::string_view(dateOfWeek(week + 1)), "the next Monday is after d");
                require(dayNumber(d) - dayNumber(dateOfWeek(week)) < 7, "d lies in its week");
            }
        }
        if (week >= 1 && week + 1 < kMaxWeekOfDate) require(weekOfDate(next) == week + 1, "a week later is next week");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    DateContext c;
    std::uint8_t setup = in.byte();
    c.languageTag = kLanguages[setup % kLanguages.size()];
    c.serviceYear = setup & 0x40;
    c.dayFirstDates = setup & 0x80;
    c.todayYY = in.byte() % 100;
    c.ownDayOdd = static_cast<std::uint8_t>(in.byte() % 7);
    c.ownDayEven = static_cast<std::uint8_t>(in.byte() % 7);
    int flags = in.byte();
    int code = static_cast<std::int8_t>(in.byte());

    checkWeek(c, in.u16());

    // The first date string is also counted step by step (slow), the others
    // only by the fast rules.
    bool first = true;
    while (!in.empty()) {
        checkDate(c, in.bytes(6), flags, code, first);
        first = false;
    }
    if (first) checkDate(c, "", flags, code, true);
    return 0;
}
