// The congregation form: modes, texts, weekdays, validation, saving,
// stepping, deletion and the cascades of the document operations behind it.

#include <gtest/gtest.h>

#include "refdata/BrotherEdit.h"
#include "refdata/BrotherList.h"
#include "refdata/CircuitList.h"
#include "refdata/CongEdit.h"
#include "refdata/CongList.h"
#include "refdata/MapDlg.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using Texts = std::vector<std::string>;

struct CongEdit : ::testing::Test {
    COvDoc& doc() { return *f.doc; }
    int add(const std::string& name, void (*set)(CongregationRecord&) = nullptr) {
        CongregationRecord r;
        r.name = name;
        if (set) set(r);
        int n = doc().addCongregation(r);
        doc().sortCongregations();
        return n;
    }
    int rowOf(int number) { return static_cast<int>(doc().findCongregation(number)) - 1; }
    CongregationRecord stored(int number) { return *doc().readCongregationAt(number); }
    // The list and the form opened on a row of it.
    void openOn(int row) {
        f.host.open(list);
        list.select(248, row);
        form = std::make_unique<CCongEdit>(doc(), CongEditMode::edit, row, &list);
        f.host.open(*form);
    }
    test::DocFixture f;
    COvDoc& started = f.start();
    CCongList list{started, false};
    std::unique_ptr<CCongEdit> form;
};

TEST_F(CongEdit, buttonsFollowTheMode) {
    int aura = add("Aura");
    f.addBrother("Matti", "Virtanen", aura);
    struct Case {
        CongEditMode mode;
        bool existing, stepping, roles, nameEditable;
    };
    for (Case c : {Case{CongEditMode::add, false, false, false, true},
                   {CongEditMode::edit, true, true, true, true},
                   {CongEditMode::single, true, false, true, false}}) {
        CCongEdit d(doc(), c.mode, c.mode == CongEditMode::single ? aura : 0, &list);
        f.host.open(d);
        EXPECT_EQ(d.caption(), "");
        for (int id : {3, 4, 6}) EXPECT_EQ(d.control(id).visible(), c.existing) << id;
        for (int id : {129, 130, 131}) EXPECT_EQ(d.control(id).visible(), c.roles) << id;
        for (int id : {1026, 1025, 5}) EXPECT_EQ(d.control(id).visible(), c.stepping) << id;
        EXPECT_EQ(d.control(1018).enabled(), c.nameEditable);
        EXPECT_FALSE(d.control(7).visible());
    }
    // Without brothers the role buttons stay hidden.
    int empty = add("Halikko");
    CCongEdit d(doc(), CongEditMode::single, empty);
    f.host.open(d);
    EXPECT_FALSE(d.control(130).visible());
    EXPECT_EQ(d.control(3).text(), "Veljet ( 0 )");
}

TEST_F(CongEdit, buttonTextsNameTheHoldersAndTheCircuit) {
    int aura = add("Aura");
    int matti = f.addBrother("Matti", "Virtanen", aura);
    f.addBrother("Pekka", "Laine", aura);
    CircuitRecord c;
    c.name = "FI-3";
    doc().addCircuit(c);
    CongregationRecord r = stored(aura);
    r.talkCoordinatorBrother = static_cast<std::uint16_t>(matti);
    r.circuitNumber = doc().circuits[0].circuitNumber;
    doc().storeCongregation(0, aura, r);
    CCongEdit d(doc(), CongEditMode::single, aura);
    f.host.open(d);
    EXPECT_EQ(d.control(129).text(), "Vanhimmiston koordinaattori");
    EXPECT_EQ(d.control(130).text(), "Yhdysmies - Matti Virtanen");
    EXPECT_EQ(d.control(131).text(), "Sihteeri-");
    EXPECT_EQ(d.control(4).text(), "Kierros - FI-3");
    EXPECT_EQ(d.control(3).text(), "Veljet ( 2 )");
}

TEST_F(CongEdit, weekdaysCycleAndAreStoredMondayOneSundayZero) {
    struct Case {
        std::uint8_t stored;
        const char* shown;
        const char* afterPress;
        std::uint8_t storedAfter;
    };
    for (Case c : {Case{1, "Maanantai", "Tiistai", 2},
                   {6, "Lauantai", "Sunnuntai", 0},
                   {0, "Sunnuntai", "Maanantai", 1},
                   {7, "Sunnuntai", "Maanantai", 1}}) {
        SCOPED_TRACE(c.shown);
        static std::uint8_t day;
        day = c.stored;
        int n = add("Aura" + std::to_string(c.stored), [](CongregationRecord& r) { r.meetingDayEven = day; });
        CCongEdit d(doc(), CongEditMode::single, n);
        f.host.open(d);
        EXPECT_EQ(d.control(9).text(), c.shown);
        d.press(9);
        EXPECT_EQ(d.control(9).text(), c.afterPress);
        d.press(IDOK);
        EXPECT_EQ(stored(n).meetingDayEven, c.storedAfter);
        EXPECT_EQ(stored(n).meetingDayOdd, 0); // never chosen: Sunday
    }
}

TEST_F(CongEdit, oneMeetingTimeServesBothYears) {
    int n = add("Aura", [](CongregationRecord& r) { r.meetingTimeEven = "10.00"; });
    CCongEdit d(doc(), CongEditMode::single, n);
    f.host.open(d);
    EXPECT_EQ(d.control(187).text(), "10.00");
    EXPECT_EQ(d.control(188).text(), "10.00");
    d.press(IDOK);
    EXPECT_EQ(stored(n).meetingTimeOdd, "10.00");
    EXPECT_EQ(stored(n).meetingTimeEven, "10.00");
}

TEST_F(CongEdit, savingCutsTheFieldsToTheirRecordLengths) {
    CCongEdit d(doc(), CongEditMode::add, 0, &list);
    f.host.open(list);
    f.host.open(d);
    d.type(1018, std::string(49, 'N'));
    d.type(103, "012345678901234");
    d.type(1016, std::string(40, 'k'));
    d.press(IDOK);
    ASSERT_EQ(doc().congregations.size(), 1u);
    CongregationRecord r = stored(1);
    EXPECT_EQ(r.name, std::string(48, 'N'));
    EXPECT_EQ(r.phone1, "01234567890123");
    EXPECT_EQ(r.hallAddress1, std::string(40, 'k'));
    EXPECT_EQ(doc().dataChanged, 1);
}

TEST_F(CongEdit, aCaseOnlyDuplicateReplacesTheExistingCongregationUnderItsNumber) {
    add("Halikko");
    int aura = add("Aura", [](CongregationRecord& r) { r.phone1 = "02-111"; });
    f.host.open(list);
    f.host.answer(IDYES);
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        form.type(1018, "aura");
        form.type(103, "02-222");
        form.press(IDOK);
    });
    list.press(3);
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].text, "Aura nimi on jo olemassa.\n\nKorvaa uusilla tiedoilla?");
    EXPECT_EQ(f.host.messages()[0].buttons, Buttons::YesNo);
    ASSERT_EQ(doc().congregations.size(), 2u);
    EXPECT_EQ(doc().congregations[0].congregationNumber, aura);
    EXPECT_EQ(stored(aura).name, "aura");
    EXPECT_EQ(stored(aura).phone1, "02-222");
    EXPECT_EQ(list.control(248).texts(), (Texts{"aura", "Halikko"}));

    // No leaves everything as it was.
    f.host.answer(IDNO);
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        form.type(1018, "HALIKKO");
        form.press(IDOK);
        EXPECT_TRUE(form.ended());
        EXPECT_FALSE(form.changed());
    });
    list.press(3);
    EXPECT_EQ(doc().congregations.size(), 2u);
    EXPECT_EQ(doc().congregations[1].name, "Halikko");
}

TEST_F(CongEdit, aRenameClashShowsTheMessageAndOkClosesWithoutSaving) {
    add("Aura");
    int halikko = add("Halikko");
    openOn(rowOf(halikko));
    form->type(1018, "AURA ");
    form->type(103, "02-333");
    form->press(IDOK);
    EXPECT_TRUE(form->ended());
    EXPECT_FALSE(form->changed());
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.messages()[0].buttons, Buttons::Ok);
    EXPECT_EQ(stored(halikko).name, "Halikko");
    EXPECT_EQ(stored(halikko).phone1, "");
    EXPECT_EQ(doc().dataChanged, 0);
}

TEST_F(CongEdit, anEmptyNameIsExplainedOnlyBeforeTheBrothersList) {
    int aura = add("Aura");
    openOn(rowOf(aura));
    form->type(1018, " Aura"); // begins with a blank
    form->press(3);
    EXPECT_EQ(f.host.lastMessage(), "Ole hyvä ja lisää seurakunnan nimi ");
    EXPECT_EQ(form->focusedControl(), 1018);
    EXPECT_TRUE(f.host.dialogsShown().empty());
    f.host.clearMessages();
    form->press(1025); // stepping stays
    EXPECT_FALSE(form->ended());
    form->type(1018, "");
    form->press(IDOK); // OK closes silently without saving
    EXPECT_TRUE(f.host.messages().empty());
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(stored(aura).name, "Aura");
}

TEST_F(CongEdit, steppingSavesAndWrapsAroundTheList) {
    for (const char* n : {"Aura", "Halikko", "Kaarina"}) add(n);
    openOn(0);
    form->type(187, "9.30");
    form->press(1026); // "Edel." before the first row: the last
    EXPECT_EQ(doc().congregations[0].meetingTimeOdd, "9.30");
    EXPECT_EQ(list.control(248).selectedRow(), 2);
    EXPECT_EQ(form->control(1018).text(), "Kaarina");
    form->press(1025); // "Seur." past the last row: the first
    EXPECT_EQ(form->control(1018).text(), "Aura");
    EXPECT_EQ(form->control(187).text(), "9.30");
    form->press(1025);
    EXPECT_EQ(form->control(1018).text(), "Halikko");
    EXPECT_TRUE(form->changed());
}

TEST_F(CongEdit, applyStoresTheNewCongregationAndGoesOnEditingIt) {
    add("Halikko");
    f.host.open(list);
    CCongEdit d(doc(), CongEditMode::add, 0, &list);
    f.host.open(d);
    d.type(1018, "Au");
    EXPECT_FALSE(d.control(7).visible());
    d.type(1018, "Aur");
    EXPECT_TRUE(d.control(7).visible());
    d.press(7);
    EXPECT_EQ(d.mode(), CongEditMode::edit);
    EXPECT_TRUE(d.changed());
    EXPECT_FALSE(d.control(7).visible());
    for (int id : {3, 4, 6, 1026, 1025, 5}) EXPECT_TRUE(d.control(id).visible()) << id;
    EXPECT_EQ(list.control(248).texts(), (Texts{"Aur", "Halikko"}));
    EXPECT_EQ(list.control(248).selectedRow(), 0);
    // Saving again edits the stored congregation, it does not add another.
    d.type(104, "040-1");
    d.press(IDOK);
    ASSERT_EQ(doc().congregations.size(), 2u);
    EXPECT_EQ(stored(doc().congregations[0].congregationNumber).phone2, "040-1");
}

TEST_F(CongEdit, deletingClearsTheCongregationFromBrothersAndEveryWeek) {
    int aura = add("Aura");
    int halikko = add("Halikko");
    int matti = f.addBrother("Matti", "Virtanen", aura);
    f.addBrother("Pekka", "Laine", halikko);
    const int past = doc().currentWeek - 30, planned = doc().currentWeek + 3;
    for (int x : {past, planned}) {
        WeekRecord w = doc().weekRecord(x);
        w.inSpeaker = static_cast<std::uint16_t>(matti);
        w.inSpeakerCongregation = static_cast<std::uint16_t>(aura);
        w.outSpeaker[1] = 2;
        w.outCongregation[1] = static_cast<std::uint16_t>(aura);
        w.outTalk[1] = 12;
        doc().putWeek(w, x);
    }
    openOn(rowOf(aura));
    f.host.answer(IDNO);
    form->press(5);
    EXPECT_EQ(f.host.lastMessage(), "Haluatko varmasti poistaa Aura?");
    EXPECT_EQ(f.host.messages().back().defaultButton, IDNO);
    EXPECT_FALSE(form->ended());
    f.host.answer(IDYES);
    form->press(5);
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(list.control(248).texts(), (Texts{"Halikko"}));
    EXPECT_EQ(stored(aura), CongregationRecord{});
    for (int x : {past, planned}) {
        WeekRecord w = doc().weekRecord(x);
        EXPECT_EQ(w.inSpeakerCongregation, 0);
        EXPECT_EQ(w.inSpeaker, matti);
        EXPECT_EQ(w.outCongregation[1], 0);
        EXPECT_EQ(w.outTalk[1], 12);
    }
    // The saved weeks say the same.
    test::DocFixture& fx = f;
    fx.start();
    EXPECT_EQ(fx.doc->weekRecord(planned).inSpeakerCongregation, 0);
    EXPECT_EQ(fx.doc->readBrotherAt(matti)->congregationNumber, 0);
    // His brother is listed without a congregation.
    CBrotherList brothers(*fx.doc);
    fx.host.open(brothers);
    EXPECT_EQ(brothers.control(223).texts(), (Texts{"Laine, Pekka", "* Virtanen, Matti"}));
    EXPECT_TRUE(brothers.control(1105).visible());
    EXPECT_EQ(brothers.control(1105).text(), "* Ei Seurakunta ( 1 )");
}

TEST_F(CongEdit, deletingTheOwnCongregationForgetsIt) {
    int aura = add("Aura");
    add("Halikko");
    doc().settings.ownCongregationNumber = aura;
    doc().saveOwnCongregation();
    openOn(rowOf(aura));
    f.host.answer(IDYES);
    form->press(5);
    EXPECT_EQ(doc().settings.ownCongregationNumber, 0);
    // The next congregation takes the freed number without becoming the own one.
    EXPECT_EQ(add("Kaarina"), aura);
    f.start();
    EXPECT_EQ(f.doc->settings.ownCongregationNumber, 0);
}

TEST_F(CongEdit, roleButtonsPickABrotherOfTheCongregation) {
    int aura = add("Aura");
    int halikko = add("Halikko");
    f.addBrother("Matti", "Virtanen", aura);
    int pekka = f.addBrother("Pekka", "Laine", aura);
    f.addBrother("Olli", "Outo", halikko);
    openOn(rowOf(aura));
    f.host.onChild<CBrotherList>([](CBrotherList& picker) {
        EXPECT_EQ(picker.caption(), "Valitse Yhdysmies");
        EXPECT_EQ(picker.control(223).texts(), (Texts{"Pekka Laine", "Matti Virtanen"}));
        EXPECT_EQ(picker.control(223).selectedRow(), -1); // nobody holds the role yet
        EXPECT_FALSE(picker.control(224).visible());
        picker.doubleClick(223, 0);
    });
    form->press(130);
    EXPECT_EQ(form->control(130).text(), "Yhdysmies - Pekka Laine");
    EXPECT_EQ(stored(aura).talkCoordinatorBrother, 0); // stored with the form
    form->press(IDOK);
    EXPECT_EQ(stored(aura).talkCoordinatorBrother, pekka);
    EXPECT_EQ(doc().contactOfCongregation(aura), pekka);
}

TEST_F(CongEdit, deletingTheTalkCoordinatorThroughTheBrothersListEmptiesHisButton) {
    int aura = add("Aura");
    add("Halikko");
    int matti = f.addBrother("Matti", "Virtanen", aura);
    f.addBrother("Pekka", "Laine", aura);
    CongregationRecord r = stored(aura);
    r.talkCoordinatorBrother = static_cast<std::uint16_t>(matti);
    doc().storeCongregation(static_cast<std::size_t>(rowOf(aura)), aura, r);
    const int week = doc().currentWeek + 2;
    WeekRecord w = doc().weekRecord(week);
    w.outSpeaker[0] = static_cast<std::uint16_t>(matti);
    w.outCongregation[0] = 2;
    w.outTalk[0] = 33;
    doc().putWeek(w, week);

    openOn(rowOf(aura));
    EXPECT_EQ(form->control(130).text(), "Yhdysmies - Matti Virtanen");
    f.host.answer(IDYES);
    f.host.onChild<CBrotherList>([](CBrotherList& brothers) {
        brothers.select(223, 1); // Matti Virtanen
        brothers.press(IDOK);
    });
    f.host.onChild<CBrotherEdit>([](CBrotherEdit& b) {
        EXPECT_EQ(b.control(225).text(), "Virtanen");
        b.press(269); // "Po&ista"
    });
    form->press(3);
    EXPECT_EQ(form->control(130).text(), "Yhdysmies");
    EXPECT_EQ(form->control(3).text(), "Veljet ( 1 )");
    form->press(IDOK); // the form does not write him back
    EXPECT_EQ(stored(aura).talkCoordinatorBrother, 0);
    WeekRecord after = doc().weekRecord(week);
    EXPECT_EQ(after.outSpeaker[0], 0);
    EXPECT_EQ(after.outCongregation[0], 2);
    EXPECT_EQ(after.outTalk[0], 33);
}

TEST_F(CongEdit, theOwnCongregationsWeekdaysFollowItsForm) {
    int aura = add("Aura");
    add("Halikko");
    doc().settings.ownCongregationNumber = aura;
    doc().buildLocalBrothers();
    CCongEdit d(doc(), CongEditMode::single, aura);
    f.host.open(d);
    d.press(8); // Sunday -> Monday
    d.press(IDOK);
    EXPECT_EQ(doc().ownMeetingDayOdd, 0);
    EXPECT_EQ(doc().ownMeetingDayEven, 6);
}

TEST_F(CongEdit, aCharacterTheFilesCannotHoldIsRefusedWhereItIsTyped) {
    CCongEdit d(doc(), CongEditMode::add, 0);
    f.host.open(d);
    d.type(1018, "Łódź");
    EXPECT_EQ(d.control(1018).text(), "ód");
    EXPECT_EQ(f.host.lastMessage(), "Merkkiä ”Ł” ei voi tallentaa. Kirjoita teksti ilman sitä.");
}

TEST_F(CongEdit, aFailedWriteIsReportedAndTheRowStillTakesTheChange) {
    int aura = add("Aura");
    f.fs.failWritesTo(f.path(1296));
    CCongEdit d(doc(), CongEditMode::single, aura);
    f.host.open(d);
    d.type(187, "11.00");
    d.press(IDOK);
    EXPECT_NE(f.host.lastMessage().find("cong.dat"), std::string::npos);
    EXPECT_EQ(doc().congregations[0].meetingTimeOdd, "11.00");
}

TEST_F(CongEdit, theCircuitPickerOpensOnTheCurrentCircuit) {
    CircuitRecord c;
    for (const char* name : {"FI-1", "FI-2"}) {
        c.name = name;
        doc().addCircuit(c);
    }
    const int fi1 = doc().circuits[0].circuitNumber, fi2 = doc().circuits[1].circuitNumber;
    int aura = f.addCongregation("Aura", fi2);
    int halikko = f.addCongregation("Halikko");
    CCongEdit d(doc(), CongEditMode::single, aura);
    f.host.open(d);
    f.host.onChild<CCircuitList>([](CCircuitList& picker) {
        EXPECT_EQ(picker.control(1024).selectedRow(), 1);
        picker.doubleClick(1024, 0);
    });
    d.press(4);
    EXPECT_EQ(d.control(4).text(), "Kierros - FI-1");
    d.press(IDOK);
    EXPECT_EQ(stored(aura).circuitNumber, fi1);

    CCongEdit none(doc(), CongEditMode::single, halikko);
    f.host.open(none);
    EXPECT_EQ(none.control(4).text(), "Kierros");
    f.host.onChild<CCircuitList>([](CCircuitList& picker) {
        EXPECT_EQ(picker.control(1024).selectedRow(), -1);
        picker.press(IDOK); // nothing picked
    });
    none.press(4);
    none.press(IDOK);
    EXPECT_EQ(stored(halikko).circuitNumber, 0);
}

TEST_F(CongEdit, theMapDialogGivesTheMapName) {
    f.fs.files["/data/aura.jpg"] = {0xFF, 0xD8, 0x00};
    int aura = add("Aura", [](CongregationRecord& r) { r.mapFile = "vanha.jpg"; });
    CCongEdit d(doc(), CongEditMode::single, aura);
    f.host.open(d);
    f.host.onChild<CMapDlg>([](CMapDlg& map) { map.press(IDCANCEL); });
    d.press(6);
    d.press(IDOK);
    EXPECT_EQ(stored(aura).mapFile, "vanha.jpg"); // Cancel keeps the name

    CCongEdit again(doc(), CongEditMode::single, aura);
    f.host.open(again);
    f.host.answerFile(std::filesystem::path("/data/aura.jpg"));
    f.host.onChild<CMapDlg>([](CMapDlg& map) {
        map.press(3); // "Valitse kartta"
        map.press(IDOK);
    });
    again.press(6);
    again.press(IDOK);
    EXPECT_EQ(stored(aura).mapFile, "aura.jpg");
}

} // namespace
} // namespace orvek
