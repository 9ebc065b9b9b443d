// The congregation list: editor and picker.

#include <gtest/gtest.h>

#include "refdata/CongEdit.h"
#include "refdata/CongList.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using Texts = std::vector<std::string>;

struct CongList : ::testing::Test {
    CongList() { f.start(); }
    COvDoc& doc() { return *f.doc; }
    void addAll(const Texts& names) {
        for (const auto& n : names) f.addCongregation(n);
    }
    test::DocFixture f;
};

TEST_F(CongList, theLastRowIsNeverPreselected) {
    addAll({"Aura", "Halikko", "Kaarina"});
    struct Case {
        int remembered, selected;
    };
    for (Case c : {Case{0, 0}, {1, 1}, {2, 0}, {5, 0}, {-1, 0}}) {
        CCongList dlg(doc(), true, c.remembered);
        f.host.open(dlg);
        EXPECT_EQ(dlg.control(248).selectedRow(), c.selected) << "remembered " << c.remembered;
    }
}

TEST_F(CongList, pickerReturnsTheSelectedRowOrCancels) {
    addAll({"Aura", "Halikko", "Kaarina"});
    CCongList dlg(doc(), true);
    f.host.open(dlg);
    EXPECT_EQ(dlg.control(IDOK).text(), "OK");
    EXPECT_EQ(dlg.caption(), "Valitse seurakunta ");
    dlg.doubleClick(248, 2);
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenRow(), 2);
    EXPECT_EQ(dlg.chosenNumber(), doc().congregations[2].congregationNumber);

    CCongList none(doc(), true);
    f.host.open(none);
    none.select(248, -1);
    none.press(IDOK);
    EXPECT_EQ(none.result(), IDCANCEL);
    EXPECT_TRUE(f.host.dialogsShown().empty()); // a picker never opens the form on OK
}

TEST_F(CongList, anEmptyTableFocusesAddAndOkAddsTheFirstCongregation) {
    CCongList dlg(doc(), false);
    f.host.open(dlg);
    EXPECT_EQ(dlg.control(IDOK).text(), "Muokkaa...");
    EXPECT_EQ(dlg.focusedControl(), 3);
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        EXPECT_EQ(form.mode(), CongEditMode::add);
        form.type(1018, "Aura");
        form.press(IDOK);
    });
    dlg.press(IDOK);
    EXPECT_EQ(dlg.control(248).texts(), (Texts{"Aura"}));
    ASSERT_EQ(doc().congregations.size(), 1u);
    EXPECT_EQ(doc().congregations[0].congregationNumber, 1);
    EXPECT_EQ(f.host.pumps, 1);
    EXPECT_EQ(dlg.focusedControl(), 248);
}

TEST_F(CongList, aFreedNumberIsReusedByTheNextCongregation) {
    addAll({"A1", "A2", "A3", "A4", "A5"});
    CCongList dlg(doc(), false);
    f.host.open(dlg);
    dlg.select(248, 2);
    f.host.answer(IDYES);
    f.host.onChild<CCongEdit>([](CCongEdit& form) { form.press(5); }); // "Poista"
    dlg.press(IDOK);
    EXPECT_EQ(dlg.control(248).texts(), (Texts{"A1", "A2", "A4", "A5"}));
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        form.type(1018, "B");
        form.press(IDOK);
    });
    dlg.press(3); // "Lisää seurakunta"
    EXPECT_EQ(doc().congregations.back().name, "B");
    EXPECT_EQ(doc().congregations.back().congregationNumber, 3);
    EXPECT_EQ(doc().readCongregationAt(3)->name, "B");
}

TEST_F(CongList, editingTheLastRowReselectsTheFirst) {
    addAll({"Aura", "Halikko", "Kaarina"});
    CCongList dlg(doc(), false);
    f.host.open(dlg);
    dlg.select(248, 2);
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        form.type(187, "10.00");
        form.press(IDOK);
    });
    dlg.doubleClick(248, 2);
    EXPECT_EQ(doc().congregations[2].meetingTimeOdd, "10.00");
    EXPECT_EQ(dlg.control(248).selectedRow(), 0);
    // A form closed without a change leaves the list alone.
    dlg.select(248, 2);
    f.host.onChild<CCongEdit>([](CCongEdit& form) { form.press(IDCANCEL); });
    dlg.press(IDOK);
    EXPECT_EQ(dlg.control(248).selectedRow(), 2);
}

TEST_F(CongList, addingFromAPickerLeavesTheNewCongregationToPick) {
    addAll({"Halikko"});
    CCongList dlg(doc(), true);
    f.host.open(dlg);
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        form.type(1018, "Aura");
        form.press(IDOK);
    });
    dlg.press(3);
    EXPECT_FALSE(dlg.ended());
    EXPECT_EQ(dlg.control(248).texts(), (Texts{"Aura", "Halikko"}));
    dlg.press(IDOK);
    EXPECT_EQ(doc().congregations[static_cast<std::size_t>(dlg.chosenRow())].name, "Aura");
}

} // namespace
} // namespace orvek
