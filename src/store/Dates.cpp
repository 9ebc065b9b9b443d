#include "store/Dates.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "resources/StringTable.h"
#include "store/Text.h"

namespace orvek {

namespace {

int digit(char c) { return c - '0'; }

struct Ymd {
    int y, m, d;
};

// Splits a date string with atoi-like leniency (as the rules do).
Ymd split(std::string_view s) {
    auto num = [&](std::size_t off) {
        if (s.size() < off + 2) return 0;
        int v = 0;
        for (std::size_t i = off; i < off + 2; ++i) {
            if (s[i] < '0' || s[i] > '9') return v;
            v = v * 10 + digit(s[i]);
        }
        return v;
    };
    return {num(0), num(2), num(4)};
}

// Days since 1 January 2000 of a date in the 2000-2099 calendar.
int dayNumber(int yy, int m, int d) {
    int days = yy * 365 + (yy + 3) / 4; // leap days of the years before yy
    for (int k = 1; k < m; ++k) days += daysInMonth(k, yy);
    return days + d - 1;
}

constexpr int kCentury = 36525; // days in the 100-year cycle of the rules

Ymd fromDayNumber(int n) {
    n %= kCentury;
    if (n < 0) n += kCentury;
    int yy = n / 366;
    while (dayNumber(yy + 1, 1, 1) <= n) ++yy;
    int rest = n - dayNumber(yy, 1, 1);
    int m = 1;
    while (rest >= daysInMonth(m, yy)) rest -= daysInMonth(m++, yy);
    return {yy, m, rest + 1};
}

// Monday strings of weeks 1..1999, for weekOfDate's search.
const std::array<std::string, kMaxWeekOfDate + 1>& mondays() {
    static const auto table = [] {
        std::array<std::string, kMaxWeekOfDate + 1> t;
        for (int w = 0; w <= kMaxWeekOfDate; ++w) t[static_cast<std::size_t>(w)] = dateOfWeek(w);
        return t;
    }();
    return table;
}

bool langIs(const DateContext& c, std::string_view tag) { return c.languageTag == tag; }

void eraseAll(std::string& s, char ch) { s.erase(std::remove(s.begin(), s.end(), ch), s.end()); }

} // namespace

int daysInMonth(int month, int yy) {
    switch (month) {
    case 4: case 6: case 9: case 11: return 30;
    case 2: return yy % 4 == 0 ? 29 : 28;
    default: return 31;
    }
}

bool isValidDate(std::string_view d) {
    if (d.size() != 6) return false;
    for (char c : d)
        if (c < '0' || c > '9') return false;
    Ymd v = split(d);
    return v.m >= 1 && v.m <= 12 && v.d >= 1 && v.d <= 31;
}

std::string dateString(int yy, int month, int day) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2d%2d%2d", yy, month, day);
    std::string s(buf);
    std::replace(s.begin(), s.end(), ' ', '0');
    return s;
}

std::string addWeek(std::string_view d) {
    Ymd v = split(d);
    int dim = daysInMonth(v.m, v.y);
    int nd = v.d + 7 > dim ? v.d + 7 - dim : v.d + 7;
    int m = v.m, y = v.y;
    if (nd < 8) {
        m = m == 12 ? 1 : m + 1;
        if (m == 1) ++y;
    }
    if (y >= 100) y -= 100;
    return dateString(y, m, nd);
}

std::string dateOfWeek(int w) {
    // Week 0 begins five days before 1 January 2000.
    Ymd v = fromDayNumber(7 * w - 5);
    return dateString(v.y, v.m, v.d);
}

int weekOfDate(std::string_view d) {
    // The largest week 1..1999 whose Monday is not after d (as text), or 0.
    const auto& m = mondays();
    auto it = std::upper_bound(m.begin() + 1, m.end(), d,
                               [](std::string_view a, const std::string& b) { return a < std::string_view(b); });
    return static_cast<int>(it - m.begin()) - 1;
}

std::string dateOfWeekBySteps(int w) {
    std::string s = "991227";
    for (int i = 0; i < w; ++i) s = addWeek(s);
    return s;
}

int weekOfDateBySteps(std::string_view d) {
    std::string s = "991227";
    int i = 1;
    std::string n;
    for (int step = 0; step < kMaxWeekOfDate; ++step) {
        n = addWeek(s);
        if (d <= std::string_view(n)) break;
        s = n;
        ++i;
    }
    return d == std::string_view(n) ? i : i - 1;
}

std::string todayString(const Clock& clock) {
    CivilDate t = clock.today();
    return dateString(t.year - 2000, t.month, t.day);
}

int yearParity(const DateContext& c, int weekIndex) {
    Ymd v = split(dateOfWeek(weekIndex + 1));
    int p = v.y % 2;
    if (c.serviceYear && v.m >= 9) p ^= 1;
    return p;
}

std::string shiftToMeetingDay(const DateContext& c, std::string_view d, int code) {
    Ymd v = split(d);
    int p = v.y % 2;
    if (c.serviceYear && v.m >= 9) p ^= 1;
    int lastMonth = c.serviceYear ? 8 : 12;
    if (v.m == lastMonth && v.d > 25) p ^= 1;
    int offset = (code >= 1 && code <= 7) ? code - 1 : (p == 1 ? c.ownDayOdd : c.ownDayEven);
    if (offset == 0) return std::string(d);
    int y = v.y, m = v.m, day = v.d;
    for (int i = 0; i < offset; ++i) {
        if (++day > daysInMonth(m, y)) {
            day = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
    if (y >= 100) y -= 100;
    return dateString(y, m, day);
}

int meetingYearOfWeek(const DateContext& c, int weekIndex) {
    Ymd v = split(dateOfWeek(weekIndex + 1));
    int p = v.y % 2;
    if (v.m == 12 && v.d > 25) p ^= 1;
    int o = p == 1 ? c.ownDayOdd : c.ownDayEven;
    if (v.m == 12 && v.d > 31 - o) return 2001 + v.y;
    return 2000 + v.y;
}

std::string formatDate(const DateContext& c, std::string_view input, int flags, int code) {
    if (!isValidDate(input)) return {};
    bool dotted = langIs(c, "Deu") || langIs(c, "finnish") || langIs(c, "hrvatski");
    bool lowerMonths = langIs(c, "spanish") || (langIs(c, "rus") && c.dayFirstDates);
    bool hrvatski = langIs(c, "hrvatski");
    std::string d = (flags & datestyle::noShift) ? std::string(input) : shiftToMeetingDay(c, input, code);
    Ymd v = split(d);
    std::string month;
    if (v.m == 0) month = "xxx";
    else if (flags & datestyle::numericMonth) month = std::string(stringText(1214 + v.m));
    else month = std::string(stringText(2 + v.m));
    std::string dd = d.substr(d.size() - 2);
    std::string out;
    if (c.dayFirstDates) {
        if (lowerMonths) month = toLowerText(month);
        if (hrvatski) out = decimal(v.d) + ". " + month;
        else out = dd + (dotted ? ". " : " ") + month;
    } else {
        if (hrvatski) out = decimal(v.d) + "." + decimal(v.m);
        else out = month + " " + dd;
    }
    if (flags & datestyle::withYear) {
        std::string yy = d.substr(0, 2);
        bool twentyFirst = v.y < c.todayYY + 5;
        out += dotted ? (twentyFirst ? ". 20" : ". 19") : (twentyFirst ? ", 20" : ", 19");
        out += yy;
        if (langIs(c, "rus") && c.dayFirstDates) eraseAll(out, ',');
        if (langIs(c, "finnish") && c.dayFirstDates) eraseAll(out, ' ');
        if (hrvatski && !c.dayFirstDates) eraseAll(out, ' ');
    }
    return out;
}

std::string weekDateText(const DateContext& c, int w, int flags, int code) {
    return formatDate(c, dateOfWeek(w), flags, code);
}

} // namespace orvek
