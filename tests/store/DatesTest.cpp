#include <gtest/gtest.h>

#include <vector>

#include "store/Dates.h"

namespace orvek {
namespace {

TEST(Dates, weekNumbersAndMondays) {
    struct Case {
        const char* date;
        int week;
    };
    for (Case c : {Case{"000103", 1}, {"000109", 1}, {"000110", 2}, {"000102", 0}, {"991227", 1999},
                   {"380419", 1999}, {"380420", 1999}, {"991231", 1999}, {"380418", 1998}, {"261207", 1406},
                   {"261211", 1406}, {"000231", 9}, {"abc", 1999}, {"", 0}})
        EXPECT_EQ(weekOfDate(c.date), c.week) << c.date;
    EXPECT_EQ(dateOfWeek(0), "991227");
    EXPECT_EQ(dateOfWeek(1), "000103");
    EXPECT_EQ(dateOfWeek(1999), "380419");
    EXPECT_EQ(dateOfWeek(1406), "261207");
}

TEST(Dates, addWeekRollsOverMonthsAndYears) {
    EXPECT_EQ(addWeek("001226"), "010102");
    EXPECT_EQ(addWeek("000226"), "000304"); // 2000 is a leap year
    EXPECT_EQ(addWeek("010222"), "010301");
    EXPECT_EQ(addWeek("991227"), "000103");
    EXPECT_EQ(addWeek("040224"), "040302");
}

TEST(Dates, validityAndMonthLengths) {
    EXPECT_TRUE(isValidDate("000131"));
    EXPECT_TRUE(isValidDate("000231")); // the day is not checked against the month
    for (const char* bad : {"991301", "000100", "000132", "00013", "0001011", "0a0101", "000001"})
        EXPECT_FALSE(isValidDate(bad)) << bad;
    EXPECT_EQ(daysInMonth(2, 0), 29);
    EXPECT_EQ(daysInMonth(2, 1), 28);
    EXPECT_EQ(daysInMonth(2, 24), 29);
    EXPECT_EQ(daysInMonth(4, 5), 30);
    EXPECT_EQ(daysInMonth(12, 5), 31);
}

TEST(Dates, fastFormsEqualTheStepByStepRule) {
    // Every week 0..1999.
    std::string s = "991227";
    std::vector<std::string> mondays{s};
    for (int w = 0; w <= 1999; ++w) {
        ASSERT_EQ(dateOfWeek(w), s) << w;
        s = addWeek(s);
        mondays.push_back(s);
    }
    // Every date string of 2000-2099 (days 1..31 of every month, as text),
    // swept in text order against the Monday chain of the step rule.
    std::size_t i = 0; // largest week whose Monday is <= d
    for (int yy = 0; yy <= 99; ++yy) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= 31; ++d) {
                std::string date = dateString(yy, m, d);
                while (i + 1 <= 1999 && mondays[i + 1] <= date) ++i;
                ASSERT_EQ(weekOfDate(date), static_cast<int>(i)) << date;
            }
        }
    }
    // And the literal rule itself on a spread of dates, valid or not.
    for (const char* d : {"000101", "000103", "050505", "123131", "261211", "380419", "380425", "500101", "991301",
                          "000100", "xyz", "20", "0001011"})
        EXPECT_EQ(weekOfDate(d), weekOfDateBySteps(d)) << d;
    for (int w : {0, 1, 2, 53, 520, 1406, 1999}) EXPECT_EQ(dateOfWeek(w), dateOfWeekBySteps(w));
}

DateContext finnish() {
    DateContext c;
    c.languageTag = "finnish";
    c.todayYY = 26;
    return c;
}

TEST(Dates, yearParityFollowsCalendarOrServiceYear) {
    DateContext c = finnish();
    const int october2019 = 1032 - 1; // week index of Monday 7 October 2019
    EXPECT_EQ(yearParity(c, october2019), 1);
    c.serviceYear = true;
    EXPECT_EQ(yearParity(c, october2019), 0);
    EXPECT_EQ(yearParity(c, weekOfDate("190107") - 1), 1); // January keeps the calendar year
}

TEST(Dates, meetingDayShiftNearTheTurnOfTheYear) {
    DateContext c = finnish();
    c.ownDayOdd = 6;  // Sunday in odd years
    c.ownDayEven = 5; // Saturday in even years
    // Monday 26 December of an odd year takes the even-year weekday.
    EXPECT_EQ(shiftToMeetingDay(c, "051226", 0), "051231");
    // Monday 25 December takes the odd-year weekday.
    EXPECT_EQ(shiftToMeetingDay(c, "171225", 0), "171231");
    // A code selects its own day; Monday stays.
    EXPECT_EQ(shiftToMeetingDay(c, "190107", 3), "190109");
    EXPECT_EQ(shiftToMeetingDay(c, "190107", 1), "190107");
    EXPECT_EQ(shiftToMeetingDay(c, "190128", 7), "190203");
    EXPECT_EQ(shiftToMeetingDay(c, "991227", 7), "000102");
    // Service year: the last month is August.
    c.serviceYear = true;
    EXPECT_EQ(shiftToMeetingDay(c, "190826", 0), "190831"); // odd year, inverted once: even (Saturday)
}

TEST(Dates, meetingYearOfWeek) {
    DateContext c = finnish();
    c.ownDayOdd = 6;
    c.ownDayEven = 5;
    const int dec26of2005 = weekOfDate("051226") - 1;
    EXPECT_EQ(meetingYearOfWeek(c, dec26of2005), 2005); // Saturday the 31st
    c.ownDayEven = 6;
    EXPECT_EQ(meetingYearOfWeek(c, dec26of2005), 2006); // Sunday 1 January
    EXPECT_EQ(meetingYearOfWeek(c, weekOfDate("190107") - 1), 2019);
}

TEST(Dates, formatDateInEveryLanguageStyle) {
    struct Case {
        const char* tag;
        bool dayFirst;
        int flags;
        const char* expected;
    };
    const int n = datestyle::noShift;
    const int y = datestyle::withYear;
    const int m = datestyle::numericMonth;
    for (Case c : {
             Case{"finnish", true, n | y | m, "07.01.2019"},
             {"finnish", true, n | y, "07.Tammikuu.2019"},
             {"finnish", false, n | y, "Tammikuu 07. 2019"},
             {"finnish", false, n, "Tammikuu 07"},
             {"finnish", true, n, "07. Tammikuu"},
             {"Deu", true, n | y, "07. Tammikuu. 2019"},
             {"Deu", false, n | y | m, "01 07. 2019"},
             {"hrvatski", true, n | y, "7. Tammikuu. 2019"},
             {"hrvatski", false, n | y, "7.1.2019"},
             {"hrvatski", false, n, "7.1"},
             {"spanish", true, n | y, "07 tammikuu, 2019"},
             {"spanish", false, n | y, "Tammikuu 07, 2019"},
             {"rus", true, n | y, "07 tammikuu 2019"},
             {"rus", false, n | y, "Tammikuu 07, 2019"},
             {"eng", true, n | y, "07 Tammikuu, 2019"},
             {"eng", false, n | m, "01 07"},
         }) {
        DateContext ctx = finnish();
        ctx.languageTag = c.tag;
        ctx.dayFirstDates = c.dayFirst;
        EXPECT_EQ(formatDate(ctx, "190107", c.flags, 0), c.expected) << c.tag << " " << c.dayFirst << " " << c.flags;
    }
}

TEST(Dates, formatDateShiftsToTheMeetingDayAndChoosesTheCentury) {
    DateContext c = finnish();
    c.ownDayOdd = 6;
    EXPECT_EQ(formatDate(c, "190107", 0, 0), "Tammikuu 13");
    EXPECT_EQ(formatDate(c, "190107", 0, 3), "Tammikuu 09");
    EXPECT_EQ(formatDate(c, "991301", datestyle::noShift, 0), "");
    c.todayYY = 19;
    EXPECT_EQ(formatDate(c, "230102", datestyle::noShift | datestyle::withYear, 0), "Tammikuu 02. 2023");
    EXPECT_EQ(formatDate(c, "240102", datestyle::noShift | datestyle::withYear, 0), "Tammikuu 02. 1924");
    EXPECT_EQ(weekDateText(c, 1, datestyle::noShift, 0), "Tammikuu 03");
}

} // namespace
} // namespace orvek
