// The finder of congregations that can provide a talk for a week.

#include <gtest/gtest.h>

#include "refdata/CongFinder.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using Texts = std::vector<std::string>;

struct CongFinder : ::testing::Test {
    CongFinder() {
        CircuitRecord c;
        c.name = "FI-1";
        doc().addCircuit(c);
        c.name = "FI-2";
        doc().addCircuit(c);
        fi1 = doc().circuits[0].circuitNumber;
        fi2 = doc().circuits[1].circuitNumber;
        aura = f.addCongregation("Aura", fi1);
        halikko = f.addCongregation("Halikko", fi2);
        kaarina = f.addCongregation("Kaarina", fi1);
        matti = f.addBrother("Matti", "Virtanen", aura, {12, 40});
        f.addBrother("Pekka", "Laine", aura, {12});
        f.addBrother("Olli", "Outo", halikko, {40});
        f.addBrother("Ville", "Vaara", kaarina, {}); // gives no talk
        week = doc().currentWeek + 4;
        WeekRecord w = doc().weekRecord(doc().currentWeek - 3);
        w.inSpeaker = static_cast<std::uint16_t>(matti);
        w.inSpeakerCongregation = static_cast<std::uint16_t>(aura);
        w.inTalk = 40;
        doc().putWeek(w, doc().currentWeek - 3);
    }
    COvDoc& doc() { return *f.doc; }
    test::DocFixture f;
    COvDoc& started = f.start();
    int fi1 = 0, fi2 = 0, aura = 0, halikko = 0, kaarina = 0, matti = 0, week = 0;
};

TEST_F(CongFinder, listsTheCongregationsWithSpeakersOfTheTalkByCircuit) {
    CCongFinder dlg(doc(), week, 12);
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), doc().weekDateText(week + 1, 2) + " - Esitelmä 12");
    EXPECT_EQ(dlg.control(1038).texts(), (Texts{"Kaikki kierrokset", "FI-1", "FI-2"}));
    EXPECT_EQ(dlg.control(1038).selectedRow(), 0);
    EXPECT_EQ(dlg.control(1097).tabStops(), (std::vector<int>{170, 310}));
    const std::string visit = "Matti Virtanen ( 40 ) \t" + doc().weekDateText(doc().currentWeek - 2, 10);
    EXPECT_EQ(dlg.control(1097).texts(), (Texts{"Aura ( 2 ) \t" + visit}));
    dlg.select(1038, 2); // FI-2: Halikko's brother gives only talk 40
    EXPECT_EQ(dlg.control(1097).count(), 0);

    CCongFinder any(doc(), week);
    f.host.open(any);
    EXPECT_EQ(any.caption(), doc().weekDateText(week + 1, 2));
    EXPECT_EQ(any.control(1097).texts(), (Texts{"Aura ( 2 ) \t" + visit, "Halikko ( 1 ) \t"}));
    any.select(1038, 1); // FI-1: Kaarina belongs to it, but nobody there gives a talk
    EXPECT_EQ(any.control(1097).count(), 1);
}

TEST_F(CongFinder, okReturnsTheCongregationsTablePosition) {
    CCongFinder dlg(doc(), week, 40);
    f.host.open(dlg);
    dlg.press(IDOK); // nothing selected: as Cancel
    EXPECT_EQ(dlg.result(), IDCANCEL);
    CCongFinder again(doc(), week, 40);
    f.host.open(again);
    again.doubleClick(1097, 1);
    EXPECT_EQ(again.result(), IDOK);
    EXPECT_EQ(doc().congregations[static_cast<std::size_t>(again.chosenRow())].name, "Halikko");
    EXPECT_FALSE(again.control(1098).visible()); // no speaker picker given
}

TEST_F(CongFinder, aPickedSpeakerBecomesTheWeeksIncomingSpeaker) {
    int askedRow = -1;
    CCongFinder dlg(doc(), week, 40, [&](int row, int weekIndex, int talk) {
        askedRow = row;
        EXPECT_EQ(weekIndex, week);
        EXPECT_EQ(talk, 40);
        return matti;
    });
    f.host.open(dlg);
    EXPECT_FALSE(dlg.control(1098).visible());
    dlg.select(1097, 0);
    EXPECT_TRUE(dlg.control(1098).visible());
    EXPECT_EQ(dlg.control(1098).text(), "Poimi puhuja  Aura");
    dlg.press(1098);
    EXPECT_EQ(askedRow, 0);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenRow(), 0);
    EXPECT_EQ(doc().weekRecord(week).inSpeaker, matti);
}

} // namespace
} // namespace orvek
