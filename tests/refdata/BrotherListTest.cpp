// The brothers list: editor and picker.

#include <gtest/gtest.h>

#include "refdata/BrotherEdit.h"
#include "refdata/BrotherList.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using Texts = std::vector<std::string>;

struct BrotherList : ::testing::Test {
    COvDoc& doc() { return *f.doc; }
    int brother(const std::string& first, const std::string& last, int cong, std::vector<int> talks = {},
                std::uint8_t status = 0) {
        BrotherRecord r;
        r.firstName = first;
        r.lastName = last;
        r.congregationNumber = static_cast<std::uint16_t>(cong);
        r.status = status;
        for (int t : talks) r.talks.set(t);
        BrotherExtensionRecord ext;
        int n = doc().addBrother(r, ext);
        doc().sortBrothers();
        return n;
    }
    Texts rows(BrotherListOptions o) {
        CBrotherList dlg(doc(), o);
        f.host.open(dlg);
        return dlg.control(223).texts();
    }
    test::DocFixture f;
    COvDoc& started = f.start();
    int aura = f.addCongregation("Aura");
    int halikko = f.addCongregation("Halikko");
};

TEST_F(BrotherList, captionsAndButtonsFollowWhatTheOpenerAsks) {
    struct Case {
        BrotherListOptions options;
        const char *caption, *ok, *cancel, *add;
        bool addShown;
        Point offset;
    };
    BrotherListOptions edit, pick, role2, role6, role7, hidden;
    pick.selectMode = true;
    role2.role = 2;
    role6.role = 6;
    role7.role = 7;
    hidden.hideAdd = true;
    for (const Case& c : {Case{edit, "Veljet", "&Muokkaa...", "&Sulje", "&Lisää veli", true, {0, 0}},
                          Case{pick, "Valitse puhuja", "&Valitse", "&Peruuta", "&Uusi puhuja", true, {150, 20}},
                          Case{role2, "Valitse Yhdysmies", "&Valitse", "&Peruuta", "&Uusi puhuja", false, {0, 0}},
                          Case{role6, "Valitse puheenjohtaja", "&Valitse", "&Peruuta", "&Uusi puhuja", false, {0, 0}},
                          Case{role7, "Valitse lukija", "&Valitse", "&Peruuta", "&Uusi puhuja", false, {0, 0}},
                          Case{hidden, "Veljet", "&Muokkaa...", "&Sulje", "&Lisää veli", false, {0, 0}}}) {
        SCOPED_TRACE(c.caption);
        CBrotherList dlg(doc(), c.options);
        f.host.open(dlg);
        EXPECT_EQ(dlg.caption(), c.caption);
        EXPECT_EQ(dlg.control(IDOK).text(), c.ok);
        EXPECT_EQ(dlg.control(IDCANCEL).text(), c.cancel);
        EXPECT_EQ(dlg.control(224).text(), c.add);
        EXPECT_EQ(dlg.control(224).visible(), c.addShown);
        EXPECT_EQ(dlg.offset().x, c.offset.x);
        EXPECT_EQ(dlg.offset().y, c.offset.y);
        EXPECT_EQ(dlg.control(223).tabStops(), (std::vector<int>{100}));
    }
}

TEST_F(BrotherList, rowsCarryTheMarksAndTheLabelsCountThem) {
    brother("Matti", "Virtanen", aura);
    brother("Pekka", "Laine", 0);
    brother("Olli", "Outo", 0, {}, brotherstatus::untilFurtherNotice);
    brother("Ville", "Vaara", aura, {}, brotherstatus::untilFurtherNotice);
    CBrotherList all(doc());
    f.host.open(all);
    EXPECT_EQ(all.control(223).texts(),
              (Texts{"* Laine, Pekka", "(§) * Outo, Olli", "(§) Vaara, Ville", "Virtanen, Matti"}));
    EXPECT_TRUE(all.control(1105).visible());
    EXPECT_EQ(all.control(1105).text(), "* Ei Seurakunta ( 2 )");
    EXPECT_EQ(all.control(1106).text(), "(§) Ei käytettävissä toistaiseksi ( 2 )");
    EXPECT_EQ(all.control(223).itemData(3), 3); // item data: the table row

    BrotherListOptions filtered;
    filtered.congregationFilter = aura;
    CBrotherList own(doc(), filtered);
    f.host.open(own);
    EXPECT_EQ(own.control(223).texts(), (Texts{"(§) Ville Vaara", "Matti Virtanen"}));
    EXPECT_FALSE(own.control(1105).visible());
    EXPECT_EQ(own.control(1106).text(), "(§) Ei käytettävissä toistaiseksi ( 1 )");

    BrotherListOptions elsewhere;
    elsewhere.selectMode = true;
    elsewhere.targetCongregation = aura;
    EXPECT_EQ(rows(elsewhere), (Texts{"* Laine, Pekka", "(§) * Outo, Olli"}));
    BrotherListOptions none;
    none.congregationFilter = halikko;
    CBrotherList empty(doc(), none);
    f.host.open(empty);
    EXPECT_EQ(empty.control(223).count(), 0);
    EXPECT_EQ(empty.control(1106).text(), "");
}

TEST_F(BrotherList, aWeekMarksTheBrothersWhoAreNotAvailableInIt) {
    int matti = brother("Matti", "Virtanen", aura);
    brother("Pekka", "Laine", aura);
    const int week = doc().currentWeek + 5;
    doc().addUnavailableWeek(matti, week + 1);
    BrotherListOptions o;
    o.congregationFilter = aura;
    o.weekIndex = week;
    CBrotherList dlg(doc(), o);
    f.host.open(dlg);
    EXPECT_EQ(dlg.control(223).texts(), (Texts{"Pekka Laine", "* Matti Virtanen"}));
    EXPECT_TRUE(dlg.control(1105).visible());
    EXPECT_EQ(dlg.control(1105).text(), "* Ei käytettävissä - " + doc().weekDateText(week + 1, 2));
    o.weekIndex = week + 1;
    EXPECT_EQ(rows(o), (Texts{"Pekka Laine", "Matti Virtanen"}));
}

TEST_F(BrotherList, visitingSpeakersAreTheLocalOutgoingSpeakersWithTalks) {
    brother("Matti", "Virtanen", aura, {5}, brotherstatus::ministerialServant);
    int pekka = brother("Pekka", "Laine", aura, {7});
    brother("Ville", "Vaara", aura, {9}, brotherstatus::untilFurtherNotice);
    brother("Olli", "Outo", aura, {});                 // gives no talk
    brother("Kalle", "Koski", halikko, {3});           // not local
    int jussi = brother("Jussi", "Juntti", aura, {4}); // no outgoing role
    doc().settings.ownCongregationNumber = aura;
    doc().buildLocalBrothers();
    for (auto& e : doc().localBrothers)
        if (e.brotherNumber != jussi) e.roles |= role::outgoingSpeaker;
    const int week = doc().currentWeek + 10;
    WeekRecord w = doc().weekRecord(week + 3);
    w.outSpeaker[2] = static_cast<std::uint16_t>(pekka);
    doc().putWeek(w, week + 3);
    BrotherListOptions o;
    o.role = 5;
    o.congregationFilter = aura;
    o.weekIndex = week;
    EXPECT_EQ(rows(o), (Texts{"Pekka Laine\t # " + doc().weekDateText(week + 4, 9), "Matti Virtanen (MS)"}));
    // Elsewhere the brother marked not available until further notice is listed, marked.
    BrotherListOptions chairman;
    chairman.role = 6;
    chairman.congregationFilter = aura;
    EXPECT_EQ(rows(chairman), (Texts{"Jussi Juntti", "Pekka Laine", "Olli Outo", "(§) Ville Vaara", "Matti Virtanen"}));
}

TEST_F(BrotherList, theRememberedRowFallsBackAndTheHolderIsPreselected) {
    int matti = brother("Matti", "Virtanen", aura);
    brother("Pekka", "Laine", aura);
    brother("Olli", "Outo", aura);
    struct Case {
        int remembered, selected;
    };
    for (Case c : {Case{0, 0}, {1, 1}, {2, 0}}) {
        BrotherListOptions o;
        o.rememberedRow = c.remembered;
        CBrotherList dlg(doc(), o);
        f.host.open(dlg);
        EXPECT_EQ(dlg.control(223).selectedRow(), c.selected);
    }
    BrotherListOptions role;
    role.role = 1;
    role.congregationFilter = aura;
    role.preselectedBrother = matti;
    CBrotherList dlg(doc(), role);
    f.host.open(dlg);
    EXPECT_EQ(dlg.control(223).selectedRow(), 2); // the last row too
    dlg.select(223, -1);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenBrother(), 0);
}

TEST_F(BrotherList, aPickerReturnsTheRowAndCancelsWithoutOne) {
    brother("Matti", "Virtanen", aura);
    int pekka = brother("Pekka", "Laine", halikko);
    BrotherListOptions o;
    o.selectMode = true;
    CBrotherList dlg(doc(), o);
    f.host.open(dlg);
    dlg.doubleClick(223, 0);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenBrother(), pekka);
    CBrotherList none(doc(), o);
    f.host.open(none);
    none.select(223, -1);
    none.press(IDOK);
    EXPECT_EQ(none.result(), IDCANCEL);
    EXPECT_TRUE(f.host.dialogsShown().empty());
}

TEST_F(BrotherList, theFormOpensOnTheRowAndTheListIsRefilledAfterIt) {
    brother("Matti", "Virtanen", aura);
    int pekka = brother("Pekka", "Laine", aura);
    CBrotherList dlg(doc());
    f.host.open(dlg);
    doc().addUnavailableWeek(pekka, doc().currentWeek + 2);
    f.host.onChild<CBrotherEdit>([](CBrotherEdit& form) {
        EXPECT_FALSE(form.addMode());
        EXPECT_EQ(form.control(226).text(), "Pekka");
        form.type(225, "Aalto");
        form.press(234);
    });
    dlg.doubleClick(223, 0);
    EXPECT_EQ(dlg.control(223).texts(), (Texts{"Aalto, Pekka", "Virtanen, Matti"}));
    EXPECT_FALSE(doc().unavailabilityChanged); // written after the form
    EXPECT_TRUE(f.file(1115).has_value());
    EXPECT_EQ(f.host.pumps, 1);
    EXPECT_EQ(dlg.focusedControl(), 223);
    EXPECT_FALSE(dlg.ended());
}

TEST_F(BrotherList, addingWithoutAFilterOpensTheEmptyForm) {
    CBrotherList dlg(doc());
    f.host.open(dlg);
    f.host.onChild<CBrotherEdit>([](CBrotherEdit& form) {
        EXPECT_TRUE(form.addMode());
        EXPECT_TRUE(form.control(5).visible());
        form.type(226, "Matti");
        form.type(225, "Virtanen");
        form.press(234);
    });
    dlg.press(IDOK); // an empty table: OK adds too
    EXPECT_EQ(dlg.control(223).texts(), (Texts{"* Virtanen, Matti"}));
    EXPECT_EQ(doc().brothers[0].brotherNumber, 1);
}

TEST_F(BrotherList, addingToAFilteredListMovesABrotherOfAnotherCongregation) {
    int pekka = brother("Pekka", "Laine", halikko);
    brother("Matti", "Virtanen", aura);
    const int week = doc().currentWeek + 1;
    WeekRecord w = doc().weekRecord(week);
    w.inSpeaker = static_cast<std::uint16_t>(pekka);
    w.inSpeakerCongregation = static_cast<std::uint16_t>(halikko);
    doc().putWeek(w, week);
    BrotherListOptions o;
    o.congregationFilter = aura;
    CBrotherList dlg(doc(), o);
    f.host.open(dlg);
    f.host.onChild<CBrotherList>([&](CBrotherList& other) {
        EXPECT_TRUE(other.options().selectMode);
        EXPECT_EQ(other.options().targetCongregation, aura);
        EXPECT_EQ(other.control(223).texts(), (Texts{"Laine, Pekka"}));
        other.press(IDOK);
    });
    f.host.answer(IDYES);
    dlg.press(224);
    EXPECT_EQ(f.host.lastMessage(), "Pekka Laine kuuluuHalikko seurakuntaan.\n\n Haluatko siirtää hänet?");
    EXPECT_EQ(dlg.control(223).texts(), (Texts{"Pekka Laine", "Matti Virtanen"}));
    EXPECT_EQ(doc().weekRecord(week).inSpeakerCongregation, aura);
    EXPECT_EQ(doc().readBrotherAt(pekka)->congregationNumber, aura);
    EXPECT_EQ(doc().dataChanged, 1);
}

TEST_F(BrotherList, aBrotherCreatedFromAPickerClosesThePickerAsCancel) {
    brother("Pekka", "Laine", halikko);
    BrotherListOptions o;
    o.selectMode = true;
    o.targetCongregation = aura;
    CBrotherList dlg(doc(), o);
    f.host.open(dlg);
    f.host.onChild<CBrotherEdit>([](CBrotherEdit& form) {
        EXPECT_TRUE(form.addMode());
        EXPECT_FALSE(form.control(5).visible()); // the preset is his congregation
        form.type(226, "Uusi");
        form.type(225, "Veli");
        form.press(234);
    });
    dlg.press(224);
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), IDCANCEL);
    std::size_t row = static_cast<std::size_t>(doc().findBrotherByName("Veli, Uusi"));
    EXPECT_EQ(doc().brothers[row].congregationNumber, aura);
    // Cancelling the form leaves the picker open.
    CBrotherList again(doc(), o);
    f.host.open(again);
    again.press(224);
    EXPECT_FALSE(again.ended());
}

} // namespace
} // namespace orvek
