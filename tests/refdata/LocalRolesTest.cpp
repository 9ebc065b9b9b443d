// The local roles dialog: the holders of a role, ticking who holds it, and
// the brothers with assignments ahead.

#include <gtest/gtest.h>

#include "refdata/LocalRoles.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using Texts = std::vector<std::string>;

struct LocalRoles : ::testing::Test {
    LocalRoles() {
        aura = f.addCongregation("Aura");
        matti = brother("Matti", "Virtanen", role::chairman | role::reader);
        pekka = brother("Pekka", "Laine", role::chairman);
        olli = brother("Olli", "Outo", role::outgoingSpeaker, brotherstatus::untilFurtherNotice);
        doc().settings.ownCongregationNumber = aura;
        doc().buildLocalBrothers();
    }
    COvDoc& doc() { return *f.doc; }
    int brother(const std::string& first, const std::string& last, std::uint8_t roles, std::uint8_t status = 0) {
        BrotherRecord r;
        r.firstName = first;
        r.lastName = last;
        r.congregationNumber = static_cast<std::uint16_t>(aura);
        r.roles = roles;
        r.status = status;
        BrotherExtensionRecord ext;
        int n = doc().addBrother(r, ext);
        doc().sortBrothers();
        return n;
    }
    test::DocFixture f;
    COvDoc& started = f.start();
    int aura = 0, matti = 0, pekka = 0, olli = 0;
};

TEST_F(LocalRoles, captionsFollowTheRole) {
    struct Case {
        int bit;
        const char* caption;
        Texts rows;
    };
    for (const Case& c :
         {Case{1, "Vierailevat puhujat", {"* Olli Outo (Ei käytettävissä toistaiseksi)"}},
          Case{2, "Puheenjohtajat", {"Pekka Laine", "Matti Virtanen"}}, Case{4, "Lukijat", {"Matti Virtanen"}}}) {
        CLocalRoles dlg(doc(), c.bit);
        f.host.open(dlg);
        EXPECT_EQ(dlg.caption(), c.caption);
        EXPECT_EQ(dlg.control(188).texts(), c.rows);
        EXPECT_EQ(dlg.control(IDOK).text(), "OK");
        EXPECT_EQ(dlg.control(1021).text(), "Muokkaa luettelo");
        EXPECT_FALSE(dlg.control(1129).visible());
    }
}

TEST_F(LocalRoles, aChairmanNotAvailableInTheWeekIsMarkedButCanBeChosen) {
    const int week = doc().currentWeek + 4;
    doc().addUnavailableWeek(matti, week + 1);
    CLocalRoles dlg(doc(), 2, pekka, week);
    f.host.open(dlg);
    EXPECT_EQ(dlg.control(IDOK).text(), "Valitse");
    EXPECT_EQ(dlg.control(188).texts(), (Texts{"Pekka Laine", "* Matti Virtanen"}));
    EXPECT_EQ(dlg.control(188).selectedRow(), 0); // the preselected brother
    EXPECT_TRUE(dlg.control(1129).visible());
    EXPECT_EQ(dlg.control(1129).text(), "* Ei käytettävissä - " + doc().weekDateText(week + 1, 2));
    dlg.doubleClick(188, 1);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenRow(), static_cast<int>(doc().findBrother(matti)) + 1);
    EXPECT_EQ(dlg.chosenBrother(), matti);
}

TEST_F(LocalRoles, ticksChangeTheRolesAtOnceAndOnlyOkWritesThem) {
    CLocalRoles dlg(doc(), 2);
    f.host.open(dlg);
    dlg.press(1021);
    EXPECT_TRUE(dlg.control(187).visible());
    EXPECT_FALSE(dlg.control(188).visible());
    EXPECT_EQ(dlg.control(1021).text(), "Näytä luettelo");
    EXPECT_EQ(dlg.control(187).texts(),
              (Texts{"Pekka Laine", "Olli Outo (Ei käytettävissä toistaiseksi)", "Matti Virtanen"}));
    EXPECT_EQ(dlg.control(187).selectedRows(), (std::vector<int>{0, 2}));
    dlg.toggleRow(187, 2); // Matti is no chairman any more
    EXPECT_EQ(doc().countLocalWithRole(2), 1);
    dlg.press(IDCANCEL);
    EXPECT_EQ(doc().countLocalWithRole(2), 1); // the table in memory keeps it
    EXPECT_EQ(doc().readBrotherAt(matti)->roles, role::chairman | role::reader);
    doc().buildLocalBrothers(); // the stored roles return
    EXPECT_EQ(doc().countLocalWithRole(2), 2);

    CLocalRoles again(doc(), 2);
    f.host.open(again);
    again.press(1021);
    again.toggleRow(187, 1); // Olli becomes a chairman
    again.press(1021);       // back: the holders list follows
    EXPECT_EQ(again.control(188).texts(),
              (Texts{"Pekka Laine", "* Olli Outo (Ei käytettävissä toistaiseksi)", "Matti Virtanen"}));
    again.press(IDOK);
    EXPECT_EQ(again.chosenRow(), 0); // nobody was selected
    EXPECT_EQ(doc().readBrotherAt(olli)->roles, role::outgoingSpeaker | role::chairman);
}

TEST_F(LocalRoles, okHidesWhileTickingForAPreselectedBrother) {
    CLocalRoles dlg(doc(), 4, matti);
    f.host.open(dlg);
    dlg.press(1021);
    EXPECT_FALSE(dlg.control(IDOK).visible());
    dlg.toggleRow(187, 0); // Pekka reads too
    dlg.press(1021);
    EXPECT_TRUE(dlg.control(IDOK).visible());
    EXPECT_EQ(dlg.control(188).texts(), (Texts{"Pekka Laine", "Matti Virtanen"}));
    EXPECT_EQ(dlg.control(188).selectedRow(), 1); // still Matti
    dlg.press(IDOK);
    EXPECT_EQ(dlg.chosenBrother(), matti);
    EXPECT_EQ(doc().readBrotherAt(pekka)->roles, role::chairman | role::reader);
}

TEST_F(LocalRoles, withAssignmentsListsTheBrothersWithWorkAhead) {
    WeekRecord w = doc().weekRecord(doc().currentWeek + 10);
    w.reader = static_cast<std::uint16_t>(pekka);
    doc().putWeek(w, doc().currentWeek + 10);
    CLocalRoles dlg(doc(), 0, 0, 0, true);
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Valitse");
    EXPECT_FALSE(dlg.control(1021).visible());
    EXPECT_EQ(dlg.control(188).texts(), (Texts{"Pekka Laine"}));
    dlg.select(188, -1);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.result(), IDCANCEL);
}

} // namespace
} // namespace orvek
