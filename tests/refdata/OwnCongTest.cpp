// The own-congregation dialog.

#include <gtest/gtest.h>

#include "refdata/CircuitList.h"
#include "refdata/CongEdit.h"
#include "refdata/CongList.h"
#include "refdata/LocalRoles.h"
#include "refdata/OwnCong.h"
#include "store/Ini.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

struct OwnCong : ::testing::Test {
    OwnCong() {
        CongregationRecord r;
        r.name = "Aura";
        r.meetingDayOdd = 2; // Tuesday
        r.meetingDayEven = 0;
        aura = doc().addCongregation(r);
        r = CongregationRecord{};
        r.name = "Halikko";
        r.meetingDayOdd = 6; // Saturday
        r.meetingDayEven = 3;
        halikko = doc().addCongregation(r);
        doc().sortCongregations();
        matti = brother("Matti", "Virtanen", aura, role::chairman | role::outgoingSpeaker);
        pekka = brother("Pekka", "Laine", halikko, role::reader);
        brother("Olli", "Outo", halikko, role::chairman);
    }
    COvDoc& doc() { return *f.doc; }
    int brother(const std::string& first, const std::string& last, int cong, std::uint8_t roles) {
        BrotherRecord b;
        b.firstName = first;
        b.lastName = last;
        b.congregationNumber = static_cast<std::uint16_t>(cong);
        b.roles = roles;
        BrotherExtensionRecord ext;
        int n = doc().addBrother(b, ext);
        doc().sortBrothers();
        return n;
    }
    void own(int number) {
        doc().settings.ownCongregationNumber = number;
        doc().buildLocalBrothers();
    }
    int iniNumber() {
        auto b = f.fs.readFile(f.folder / "orvek.ini");
        return b ? IniFile::parse(std::string(b->begin(), b->end())).getInt("Congregation", "Number", -1) : -1;
    }
    test::DocFixture f;
    COvDoc& started = f.start();
    int aura = 0, halikko = 0, matti = 0, pekka = 0;
};

TEST_F(OwnCong, withoutAnOwnCongregationOnlyTheChoiceIsOffered) {
    COwnCong dlg(doc());
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Oma seurakunta");
    EXPECT_EQ(dlg.control(5).text(), "Valitse Seurakunta");
    for (int id : {6, 1037, 1035, 1036, 1038, 7}) EXPECT_FALSE(dlg.control(id).enabled()) << id;
    EXPECT_TRUE(dlg.control(5).enabled());
}

TEST_F(OwnCong, buttonsCountTheRolesAndFollowTheSchedulingSettings) {
    own(halikko);
    HospitalityRecord h;
    h.name = "Koskinen";
    doc().addHost(h);
    doc().settings.scheduleHospitality = 1;
    COwnCong dlg(doc());
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Halikko");
    EXPECT_EQ(dlg.control(5).text(), "Vaihda Seurakunta");
    EXPECT_EQ(dlg.control(1037).text(), "Vierailevat puhujat  ( 0 )");
    EXPECT_EQ(dlg.control(1035).text(), "Puheenjohtajat  ( 1 )");
    EXPECT_EQ(dlg.control(1036).text(), "Lukijat  ( 1 )");
    EXPECT_EQ(dlg.control(1038).text(), "Vieraanvaraisuus  ( 1 )");
    EXPECT_FALSE(dlg.control(1036).visible()); // readers are not scheduled
    EXPECT_TRUE(dlg.control(1038).visible());
    EXPECT_TRUE(dlg.control(1035).enabled());
    EXPECT_FALSE(dlg.control(7).enabled()); // no export file in this build of the dialog
    // The role buttons open the roles dialog for their bit; the counts follow.
    f.host.onChild<CLocalRoles>([](CLocalRoles& roles) {
        EXPECT_EQ(roles.caption(), "Puheenjohtajat");
        roles.press(1021);
        roles.selectRows(187, {0, 1}); // Pekka Laine and Olli Outo
        roles.press(IDOK);
    });
    dlg.press(1035);
    EXPECT_EQ(dlg.control(1035).text(), "Puheenjohtajat  ( 2 )");
    EXPECT_EQ(doc().readBrotherAt(pekka)->roles, role::reader | role::chairman);
}

TEST_F(OwnCong, choosingAnotherCongregationMovesWeekdaysAndLocalBrothers) {
    own(aura);
    EXPECT_EQ(doc().ownMeetingDayOdd, 1);
    COwnCong dlg(doc());
    f.host.open(dlg);
    f.host.onChild<CCongList>([](CCongList& picker) {
        EXPECT_EQ(picker.control(248).selectedRow(), 0); // the own congregation
        picker.doubleClick(248, 1);
    });
    dlg.press(5);
    EXPECT_EQ(doc().settings.ownCongregationNumber, halikko);
    EXPECT_EQ(iniNumber(), halikko);
    EXPECT_EQ(doc().ownMeetingDayOdd, 5);
    EXPECT_EQ(doc().ownMeetingDayEven, 2);
    ASSERT_EQ(doc().localBrothers.size(), 2u);
    EXPECT_EQ(doc().countLocalWithRole(2), 1); // Olli, as his record says
    EXPECT_EQ(doc().localBrotherRow(matti), 0u);
    EXPECT_EQ(dlg.caption(), "Halikko");
    EXPECT_EQ(dlg.control(1035).text(), "Puheenjohtajat  ( 1 )");
    EXPECT_EQ(doc().dataChanged, 1);
}

TEST_F(OwnCong, cancellingThePickerStillWritesTheNumber) {
    own(aura);
    EXPECT_EQ(iniNumber(), -1);
    COwnCong dlg(doc());
    f.host.open(dlg);
    f.host.onChild<CCongList>([](CCongList& picker) { picker.press(IDCANCEL); });
    dlg.press(5);
    EXPECT_EQ(iniNumber(), aura);
    EXPECT_EQ(doc().dataChanged, 0);
}

TEST_F(OwnCong, theFormShowsTheOwnCongregationAlone) {
    own(aura);
    COwnCong dlg(doc());
    f.host.open(dlg);
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        EXPECT_EQ(form.mode(), CongEditMode::single);
        EXPECT_EQ(form.control(1018).text(), "Aura");
        form.press(8); // Tuesday -> Wednesday
        form.press(IDOK);
    });
    dlg.press(6);
    EXPECT_EQ(doc().ownMeetingDayOdd, 2);
}

TEST_F(OwnCong, anExporterEnablesTheExportButton) {
    own(aura);
    int exports = 0;
    COwnCong dlg(doc(), [&] { ++exports; });
    f.host.open(dlg);
    EXPECT_TRUE(dlg.control(7).enabled());
    dlg.press(7);
    EXPECT_EQ(exports, 1);
    EXPECT_FALSE(dlg.ended());
}

TEST_F(OwnCong, theHospitalityButtonEditsTheHosts) {
    own(aura);
    doc().settings.scheduleHospitality = 1;
    COwnCong dlg(doc());
    f.host.open(dlg);
    EXPECT_EQ(dlg.control(1038).text(), "Vieraanvaraisuus  ( 0 )");
    f.host.onChild<CCircuitList>([](CCircuitList& hosts) {
        EXPECT_EQ(hosts.caption(), "Vieraanvaraisuus");
        EXPECT_FALSE(hosts.control(IDOK).visible()); // edit mode
        hosts.press(1026);
        hosts.type(244, "Koskinen");
        hosts.press(IDOK);
        hosts.press(IDCANCEL);
    });
    dlg.press(1038);
    EXPECT_EQ(dlg.control(1038).text(), "Vieraanvaraisuus  ( 1 )");
}

} // namespace
} // namespace orvek
