// The not-available weeks of a brother: the 52 weeks listed, what OK adds and
// removes, the weeks beyond the list, view-only use and the
// until-further-notice mark.

#include <gtest/gtest.h>

#include "refdata/UnavailableWeeks.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;

constexpr int kHint = 1065, kWeeks = 1066, kCount = 1067, kMark = 1172;

struct Availability : ::testing::Test {
    Availability() {
        f.start();
        matti = f.addBrother("Matti", "Virtanen", 0);
        week = doc().currentWeek;
    }
    COvDoc& doc() { return *f.doc; }
    std::vector<int> weeksOf(int b) {
        std::vector<int> out;
        doc().unavailableWeeks(b, 0, &out);
        return out;
    }
    DocFixture f;
    int matti = 0;
    int week = 0;
};

TEST_F(Availability, theComingWeeksAreListedWithTheBrothersWeeksSelected) {
    doc().addUnavailableWeek(matti, week + 3);
    doc().addUnavailableWeek(matti, week + 60); // entered elsewhere, beyond the list
    CUnavailableWeeks dlg(doc(), matti, false, false);
    f.host.open(dlg);
    const Control& list = dlg.list(kWeeks);
    ASSERT_EQ(list.count(), 52);
    EXPECT_EQ(list.itemText(0), doc().weekDateText(week, 26));
    EXPECT_EQ(list.itemData(51), week + 51);
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{3}));
    EXPECT_EQ(list.topRow(), 3);
    EXPECT_EQ(dlg.caption(), "Matti Virtanen");
    EXPECT_EQ(dlg.control(kCount).text(), "1");
    dlg.toggleRow(kWeeks, 10);
    EXPECT_EQ(dlg.control(kCount).text(), "2");
    dlg.press(IDOK);
    EXPECT_EQ(weeksOf(matti), (std::vector<int>{week + 3, week + 60, week + 10}));
}

TEST_F(Availability, aWeekRemovedLaterLeavesAZeroRowThatIsNotWritten) {
    CUnavailableWeeks first(doc(), matti, false, false);
    f.host.open(first);
    first.selectRows(kWeeks, {1, 2, 3});
    first.press(IDOK);
    ASSERT_EQ(weeksOf(matti).size(), 3u);
    CUnavailableWeeks later(doc(), matti, false, false);
    f.host.open(later);
    EXPECT_EQ(later.control(kCount).text(), "3");
    later.toggleRow(kWeeks, 2);
    later.press(IDOK);
    EXPECT_EQ(weeksOf(matti), (std::vector<int>{week + 1, week + 3}));
    EXPECT_EQ(doc().unavailability.size(), 3u);
    EXPECT_EQ(doc().unavailability[1].brotherNumber, 0);
    ASSERT_TRUE(doc().saveUnavailability());
    EXPECT_EQ(f.file(datafile::blackout)->size(), 16u);
    EXPECT_TRUE(doc().isAvailable(matti, week + 2));
    EXPECT_FALSE(doc().isAvailable(matti, week + 3));
}

TEST_F(Availability, viewOnlyChangesNothing) {
    doc().addUnavailableWeek(matti, week + 1);
    doc().unavailabilityChanged = false;
    CUnavailableWeeks dlg(doc(), matti, false, true);
    f.host.open(dlg);
    EXPECT_FALSE(dlg.control(IDOK).visible());
    EXPECT_FALSE(dlg.control(kHint).visible());
    EXPECT_EQ(dlg.control(IDCANCEL).text(), "Sulje");
    EXPECT_FALSE(dlg.control(kMark).enabled());
    dlg.toggleRow(kWeeks, 5);
    dlg.toggleRow(kWeeks, 1);
    EXPECT_EQ(dlg.list(kWeeks).selectedRows(), (std::vector<int>{1}));
    dlg.press(IDCANCEL);
    EXPECT_EQ(weeksOf(matti), (std::vector<int>{week + 1}));
    EXPECT_FALSE(doc().unavailabilityChanged);
}

TEST_F(Availability, theMarkIsShownAndStoredForAKnownBrother) {
    CUnavailableWeeks set(doc(), matti, false, false);
    f.host.open(set);
    EXPECT_FALSE(set.control(kMark).checked());
    set.press(kMark);
    set.press(IDOK);
    EXPECT_TRUE(set.untilFurtherNotice());
    EXPECT_TRUE(doc().isUntilFurtherNotice(matti));
    BrotherRecord rec;
    ASSERT_NE(doc().readBrother(doc().findBrother(matti), rec), 0);
    EXPECT_EQ(rec.status & brotherstatus::untilFurtherNotice, brotherstatus::untilFurtherNotice);
    EXPECT_EQ(doc().dataChanged, 1);
    // Opened from a page that does not pass the mark, the box still shows it;
    // Cancel leaves it as it is.
    CUnavailableWeeks cancelled(doc(), matti, false, false);
    f.host.open(cancelled);
    EXPECT_TRUE(cancelled.control(kMark).checked());
    cancelled.press(kMark);
    cancelled.press(IDCANCEL);
    EXPECT_TRUE(cancelled.untilFurtherNotice());
    EXPECT_TRUE(doc().isUntilFurtherNotice(matti));
    CUnavailableWeeks cleared(doc(), matti, true, false);
    f.host.open(cleared);
    cleared.press(kMark);
    cleared.press(IDOK);
    EXPECT_FALSE(doc().isUntilFurtherNotice(matti));
    ASSERT_NE(doc().readBrother(doc().findBrother(matti), rec), 0);
    EXPECT_EQ(rec.status & brotherstatus::untilFurtherNotice, 0);
}

TEST_F(Availability, aBrotherNotStoredYetOnlyGetsTheMarkBack) {
    CUnavailableWeeks dlg(doc(), 0, true, false);
    f.host.open(dlg);
    EXPECT_TRUE(dlg.control(kMark).checked());
    EXPECT_EQ(dlg.list(kWeeks).selectedCount(), 0);
    dlg.toggleRow(kWeeks, 4);
    dlg.press(kMark);
    dlg.press(IDOK);
    EXPECT_FALSE(dlg.untilFurtherNotice());
    EXPECT_TRUE(doc().unavailability.empty()); // no row for brother 0, which would be a free row
    EXPECT_FALSE(doc().isUntilFurtherNotice(matti));
}

} // namespace
} // namespace orvek
