// The brother form: name rules, contacts, status, saving, stepping and
// deletion, with the cascades of the document operations behind them.

#include <gtest/gtest.h>

#include "refdata/BrotherEdit.h"
#include "refdata/BrotherList.h"
#include "refdata/CongList.h"
#include "refdata/TalkList.h"
#include "refdata/UnavailableWeeks.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using Texts = std::vector<std::string>;

struct BrotherEdit : ::testing::Test {
    COvDoc& doc() { return *f.doc; }
    int rowOf(int number) { return static_cast<int>(doc().findBrother(number)); }
    BrotherRecord stored(int number) { return *doc().readBrotherAt(number); }
    // The list and the form opened on a brother in it.
    CBrotherEdit& openOn(int number) {
        f.host.open(list);
        list.select(223, list.listRowOf(rowOf(number)));
        form = std::make_unique<CBrotherEdit>(doc(), rowOf(number), 0, &list);
        f.host.open(*form);
        return *form;
    }
    CBrotherEdit& openNew(int preset = 0) {
        f.host.open(list);
        form = std::make_unique<CBrotherEdit>(doc(), -1, preset, &list);
        f.host.open(*form);
        return *form;
    }
    test::DocFixture f;
    COvDoc& started = f.start();
    int aura = f.addCongregation("Aura");
    int halikko = f.addCongregation("Halikko");
    CBrotherList list{started};
    std::unique_ptr<CBrotherEdit> form;
};

TEST_F(BrotherEdit, aTooLongFullNameShortensTheFirstNameToItsInitial) {
    struct Case {
        std::string first, last;
        bool byLastName;
        std::string expected;
    };
    const std::string eighteen = "Bartholomeusjuhani";
    for (const Case& c :
         {Case{eighteen, "Virtanen-Koskinenx", true, "B."},
          Case{eighteen, "Virtanen-Koskinen", true, eighteen}, // 35: still allowed
          Case{eighteen, "Virtanen-Koskinenx", false, "B."}, Case{"Matti", "Virtanen-Koskinenx", true, "Matti"}}) {
        SCOPED_TRACE(c.last + (c.byLastName ? " typed" : " then focus"));
        CBrotherEdit& d = openNew();
        if (c.byLastName) {
            d.type(226, c.first);
            d.type(225, c.last);
        } else {
            d.type(225, c.last);
            d.focus(226);
            d.type(226, c.first);
            EXPECT_EQ(d.control(226).text(), c.first); // typing the first name alone changes nothing
            d.focus(225);
        }
        EXPECT_EQ(d.control(226).text(), c.expected);
    }
}

TEST_F(BrotherEdit, automaticCapitalsWhereTheLanguageAllowsThem) {
    doc().languageTag = "eng";
    CBrotherEdit& d = openNew();
    d.type(226, "m");
    EXPECT_EQ(d.control(226).text(), "M");
    d.type(226, "xMatti");
    EXPECT_EQ(d.control(226).text(), "XMatti");
    EXPECT_EQ(d.control(226).selectionStart(), 1);
    EXPECT_EQ(d.control(226).selectionEnd(), 1);
    d.type(225, "virtanenkoskinenx");
    EXPECT_EQ(d.control(225).text(), "Virtanenkoskin");
    EXPECT_EQ(d.control(225).text().size(), 14u);
    EXPECT_EQ(d.control(225).selectionStart(), 14);
    doc().settings.autoCapitals = 0;
    d.type(225, "laine");
    EXPECT_EQ(d.control(225).text(), "laine");
    // Not for the Finnish build's language tag.
    doc().languageTag = "finnish";
    doc().settings.autoCapitals = 1;
    d.type(226, "matti");
    EXPECT_EQ(d.control(226).text(), "matti");
}

TEST_F(BrotherEdit, enterWalksThroughTheFieldsAndOnlyTheOkButtonSaves) {
    CBrotherEdit& d = openNew();
    const int order[] = {226, 225, 101, 102, 103, 117, 118, 119, 120, 226};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        EXPECT_TRUE(d.key(order[i], KeyEvent::of(Key::Return)));
        EXPECT_EQ(d.focusedControl(), order[i + 1]);
    }
    EXPECT_FALSE(d.key(234, KeyEvent::of(Key::Return)));
    d.type(225, "Virtanen");
    d.press(IDOK); // what Enter would send: ignored
    EXPECT_FALSE(d.ended());
    EXPECT_TRUE(doc().brothers.empty());
    d.press(234);
    EXPECT_TRUE(d.ended());
    EXPECT_EQ(doc().brothers.size(), 1u);
}

TEST_F(BrotherEdit, anEmptyLastNameKeepsTheFormOpen) {
    CBrotherEdit& d = openNew();
    d.type(226, "Matti");
    d.type(225, " Virtanen");
    d.press(234);
    EXPECT_FALSE(d.ended());
    EXPECT_EQ(f.host.lastMessage(), "Ole hyvä ja lisää veljen sukunimi.");
    EXPECT_EQ(d.focusedControl(), 225);
    EXPECT_TRUE(doc().brothers.empty());
}

TEST_F(BrotherEdit, statusAndButtonTexts) {
    BrotherRecord r;
    r.firstName = "Matti";
    r.lastName = "Virtanen";
    r.congregationNumber = static_cast<std::uint16_t>(aura);
    r.status = 0x40 | brotherstatus::ministerialServant; // bit 6 belongs to nobody here
    for (int t : {1, 2, 3}) r.talks.set(t);
    BrotherExtensionRecord ext;
    int matti = doc().addBrother(r, ext);
    CBrotherEdit& d = openOn(matti);
    EXPECT_EQ(d.control(5).text(), "Seurakunta - Aura");
    EXPECT_EQ(d.control(6).text(), "Näytä / valitse esitelmät ( 3 )");
    EXPECT_EQ(d.control(7).text(), "Käytettävissä kaikkina aikoina");
    EXPECT_TRUE(d.control(110).checked());
    d.press(109); // "Vanhin" unchecks "Avustava palvelija"
    EXPECT_FALSE(d.control(110).checked());
    d.press(110);
    EXPECT_FALSE(d.control(109).checked());
    d.press(109);
    d.press(234);
    EXPECT_EQ(stored(matti).status, 0x40 | brotherstatus::elder);
    EXPECT_TRUE(doc().brothers[0].elder());

    doc().addUnavailableWeek(matti, doc().currentWeek + 3);
    CBrotherEdit& again = openOn(matti);
    EXPECT_EQ(again.control(7).text(), "napsauta Ei käytettävissä päivät");
    BrotherRecord marked = stored(matti);
    marked.status |= brotherstatus::untilFurtherNotice;
    marked.congregationNumber = 0;
    doc().storeBrother(0, matti, marked, ext);
    CBrotherEdit& third = openOn(matti);
    EXPECT_EQ(third.control(7).text(), "Ei käytettävissä toistaiseksi");
    EXPECT_EQ(third.control(5).text(), "Seurakunta - ");
    third.press(234);
    EXPECT_EQ(stored(matti).status, 0x40 | brotherstatus::elder | brotherstatus::untilFurtherNotice);
}

TEST_F(BrotherEdit, savingCutsTheFieldsAndTheExtensionHoldsTheRareContacts) {
    CBrotherEdit& d = openNew();
    d.type(226, "Matti");
    d.type(225, "Virtanen");
    d.type(103, "040-1234567890x");
    d.type(117, "050-1234567890x");
    d.type(119, std::string(40, 'm') + "@ex.fi");
    d.type(120, "Ajaa autoa");
    d.press(234);
    const int matti = doc().brothers[0].brotherNumber;
    BrotherRecord r = stored(matti);
    EXPECT_EQ(r.phone, "040-1234567890");
    ASSERT_NE(r.extensionNumber, 0);
    BrotherExtensionRecord ext;
    ASSERT_EQ(doc().readExtension(r.extensionNumber, matti, ext), 1);
    EXPECT_EQ(ext.phone2, "050-1234567890");
    EXPECT_EQ(ext.email, std::string(40, 'm') + "@ex.f");
    EXPECT_EQ(ext.notes, "Ajaa autoa");
    EXPECT_EQ(doc().brotherNotes(0), "Ajaa autoa");
}

TEST_F(BrotherEdit, clearingAllExtensionTextsFreesTheRecord) {
    int matti = f.addBrother("Matti", "Virtanen", aura);
    CBrotherEdit& d = openOn(matti);
    d.type(118, "02-7654321");
    d.press(234);
    const int n = stored(matti).extensionNumber;
    ASSERT_NE(n, 0);
    CBrotherEdit& again = openOn(matti);
    EXPECT_EQ(again.control(118).text(), "02-7654321");
    again.type(118, "   ");
    again.press(234);
    EXPECT_EQ(stored(matti).extensionNumber, 0);
    auto xtend = f.file(1114);
    ASSERT_TRUE(xtend);
    ASSERT_GE(xtend->size(), static_cast<std::size_t>(n) * 128);
    EXPECT_TRUE(std::all_of(xtend->begin() + (n - 1) * 128, xtend->begin() + n * 128, [](auto b) { return b == 0; }));
}

TEST_F(BrotherEdit, anExtensionOfAnotherBrotherCountsAsNoneAndIsLeftAlone) {
    int matti = f.addBrother("Matti", "Virtanen", aura);
    int pekka = f.addBrother("Pekka", "Laine", aura);
    CBrotherEdit& d = openOn(pekka);
    d.type(119, "pekka@ex.fi");
    d.press(234);
    // Matti's record wrongly points to Pekka's extension.
    BrotherRecord r = stored(matti);
    r.extensionNumber = stored(pekka).extensionNumber;
    doc().writeBrother(matti, r);
    CBrotherEdit& m = openOn(matti);
    EXPECT_EQ(m.control(119).text(), "");
    m.type(117, "040-999999");
    m.press(234);
    BrotherExtensionRecord ext;
    ASSERT_EQ(doc().readExtension(stored(pekka).extensionNumber, pekka, ext), 1);
    EXPECT_EQ(ext.email, "pekka@ex.fi");
    EXPECT_NE(stored(matti).extensionNumber, stored(pekka).extensionNumber);
}

TEST_F(BrotherEdit, replacingABrotherLeavesAnExtensionThatIsNotHis) {
    int matti = f.addBrother("Matti", "Virtanen", aura);
    int pekka = f.addBrother("Pekka", "Laine", aura);
    CBrotherEdit& d = openOn(pekka);
    d.type(119, "pekka@ex.fi");
    d.press(234);
    BrotherRecord r = stored(matti);
    r.extensionNumber = stored(pekka).extensionNumber; // a damaged reference
    doc().writeBrother(matti, r);
    CBrotherEdit& add = openNew();
    add.type(226, "Matti");
    add.type(225, "Virtanen");
    add.type(119, "matti@ex.fi");
    f.host.answer(IDYES);
    add.press(234);
    BrotherExtensionRecord ext;
    ASSERT_EQ(doc().readExtension(stored(pekka).extensionNumber, pekka, ext), 1);
    EXPECT_EQ(ext.email, "pekka@ex.fi");
    ASSERT_EQ(doc().readExtension(stored(matti).extensionNumber, matti, ext), 1);
    EXPECT_EQ(ext.email, "matti@ex.fi");
}

TEST_F(BrotherEdit, aCaseOnlyDuplicateReplacesTheBrotherAndKeepsHisNumberAndSchedule) {
    int matti = f.addBrother("Matti", "Virtanen", aura);
    const int week = doc().currentWeek + 6;
    WeekRecord w = doc().weekRecord(week);
    w.inSpeaker = static_cast<std::uint16_t>(matti);
    w.inSpeakerCongregation = static_cast<std::uint16_t>(aura);
    doc().putWeek(w, week);
    CBrotherEdit& d = openNew(halikko);
    d.type(226, "MATTI");
    d.type(225, "virtanen");
    d.type(103, "040-1111111");
    f.host.answer(IDYES);
    d.press(234);
    EXPECT_EQ(f.host.messages().back().text, "Matti Virtanen nimi on jo olemassa.\n\nKorvaa uusilla tiedoilla?");
    EXPECT_TRUE(d.ended());
    EXPECT_TRUE(d.created());
    ASSERT_EQ(doc().brothers.size(), 1u);
    EXPECT_EQ(doc().brothers[0].brotherNumber, matti);
    EXPECT_EQ(stored(matti).phone, "040-1111111");
    EXPECT_EQ(stored(matti).lastName, "virtanen");
    // He is still the week's speaker, now from his new congregation.
    EXPECT_EQ(doc().weekRecord(week).inSpeaker, matti);
    EXPECT_EQ(doc().weekRecord(week).inSpeakerCongregation, halikko);

    // Answering No stores nothing and keeps the form open.
    CBrotherEdit& no = openNew();
    no.type(226, "matti");
    no.type(225, "VIRTANEN");
    f.host.answer(IDNO);
    no.press(234);
    EXPECT_FALSE(no.ended());
    EXPECT_EQ(doc().brothers.size(), 1u);
    EXPECT_EQ(stored(matti).lastName, "virtanen");
}

TEST_F(BrotherEdit, aNewNameIsSortedAndTheListFollowsHim) {
    f.addBrother("Matti", "Aalto", aura);
    int pekka = f.addBrother("Pekka", "Laine", aura);
    f.addBrother("Olli", "Outo", aura);
    CBrotherEdit& d = openOn(pekka);
    d.type(225, "Ylinen");
    d.press(3); // "&Edellinen": saves, then steps from his new place
    EXPECT_EQ(list.control(223).texts(), (Texts{"Aalto, Matti", "Outo, Olli", "Ylinen, Pekka"}));
    EXPECT_EQ(d.control(225).text(), "Outo");
    EXPECT_EQ(list.control(223).selectedRow(), 1);
    d.press(4);
    d.press(4); // past the last row: the first
    EXPECT_EQ(d.control(225).text(), "Aalto");
    EXPECT_EQ(list.control(223).selectedRow(), 0);
}

TEST_F(BrotherEdit, aNewCongregationMovesHisIncomingTalksInEveryWeek) {
    int matti = f.addBrother("Matti", "Virtanen", aura);
    const int weeks[] = {doc().currentWeek - 40, doc().currentWeek + 8};
    for (int x : weeks) {
        WeekRecord w = doc().weekRecord(x);
        w.inSpeaker = static_cast<std::uint16_t>(matti);
        w.inSpeakerCongregation = static_cast<std::uint16_t>(aura);
        doc().putWeek(w, x);
    }
    CBrotherEdit& d = openOn(matti);
    f.host.onChild<CCongList>([](CCongList& picker) {
        EXPECT_EQ(picker.control(248).selectedRow(), 0); // his congregation, Aura
        picker.doubleClick(248, 1);
    });
    d.press(5);
    EXPECT_EQ(d.control(5).text(), "Seurakunta - Halikko");
    d.press(234);
    for (int x : weeks) EXPECT_EQ(doc().weekRecord(x).inSpeakerCongregation, halikko);
    f.start();
    EXPECT_EQ(f.doc->weekRecord(weeks[1]).inSpeakerCongregation, halikko);
}

TEST_F(BrotherEdit, deletingClearsHimFromCongregationsWeeksAndAvailability) {
    int matti = f.addBrother("Matti", "Virtanen", aura);
    CongregationRecord c = *doc().readCongregationAt(halikko);
    c.secretaryBrother = static_cast<std::uint16_t>(matti);
    doc().storeCongregation(doc().findCongregation(halikko) - 1, halikko, c);
    doc().addUnavailableWeek(matti, doc().currentWeek + 1);
    const int week = doc().currentWeek + 2;
    WeekRecord w = doc().weekRecord(week);
    w.chairman = static_cast<std::uint16_t>(matti);
    w.outSpeaker[0] = static_cast<std::uint16_t>(matti);
    w.outCongregation[0] = static_cast<std::uint16_t>(halikko);
    w.outTalk[0] = 21;
    doc().putWeek(w, week);
    CBrotherEdit& d = openOn(matti);
    f.host.answer(IDYES);
    d.press(269);
    EXPECT_EQ(f.host.messages().back().text, "Haluatko varmasti poistaa Matti Virtanen?");
    EXPECT_TRUE(d.ended());
    EXPECT_TRUE(doc().brothers.empty());
    EXPECT_EQ(list.control(223).count(), 0);
    EXPECT_EQ(doc().readCongregationAt(halikko)->secretaryBrother, 0);
    EXPECT_TRUE(doc().isAvailable(matti, doc().currentWeek + 1));
    WeekRecord after = doc().weekRecord(week);
    EXPECT_EQ(after.chairman, 0);
    EXPECT_EQ(after.outSpeaker[0], 0);
    EXPECT_EQ(after.outCongregation[0], halikko);
    EXPECT_EQ(after.outTalk[0], 21);
    EXPECT_EQ(stored(matti), BrotherRecord{});
}

TEST_F(BrotherEdit, inAddModeOnlyTheFieldsAndTheSetsAreOffered) {
    CBrotherEdit& d = openNew(aura);
    for (int id : {269, 3, 4, 5}) EXPECT_FALSE(d.control(id).visible()) << id;
    EXPECT_FALSE(d.control(7).enabled()); // weeks need a brother number
    EXPECT_TRUE(d.control(6).visible());
    d.type(226, "Uusi");
    d.type(225, "Veli");
    d.press(234);
    EXPECT_EQ(doc().brothers[0].congregationNumber, aura);
    EXPECT_EQ(list.control(223).selectedRow(), 0);
}

TEST_F(BrotherEdit, theTalkListChangesACopyOfHisTalksUntilOk) {
    int matti = f.addBrother("Matti", "Virtanen", aura, {1, 2});
    CBrotherEdit& d = openOn(matti);
    EXPECT_EQ(d.control(6).text(), "Näytä / valitse esitelmät ( 2 )");
    f.host.onChild<CTalkList>([](CTalkList& talks) {
        ASSERT_EQ(talks.brother().talks.count(), 2);
        talks.press(1021);        // the talk-set view
        talks.toggleRow(1019, 4); // talk 5
        talks.press(IDCANCEL);
    });
    d.press(6);
    EXPECT_EQ(d.control(6).text(), "Näytä / valitse esitelmät ( 2 )");
    f.host.onChild<CTalkList>([](CTalkList& talks) {
        talks.press(1021);
        talks.toggleRow(1019, 4);
        talks.press(IDOK);
    });
    d.press(6);
    EXPECT_EQ(d.control(6).text(), "Näytä / valitse esitelmät ( 3 )");
    EXPECT_FALSE(stored(matti).talks.has(5)); // stored with the form
    d.press(234);
    EXPECT_TRUE(stored(matti).talks.has(5));
    EXPECT_TRUE(doc().brotherGivesTalk(0, 5));
}

TEST_F(BrotherEdit, theWeeksDialogHandsBackTheMarkAndTheListWritesTheWeeks) {
    int matti = f.addBrother("Matti", "Virtanen", aura);
    CBrotherEdit& d = openOn(matti);
    f.host.onChild<CUnavailableWeeks>([](CUnavailableWeeks& weeks) {
        weeks.toggleRow(1066, 2);
        weeks.press(IDOK);
    });
    d.press(7);
    EXPECT_EQ(d.control(7).text(), "napsauta Ei käytettävissä päivät");
    EXPECT_FALSE(doc().isAvailable(matti, doc().currentWeek + 2));
    f.host.onChild<CUnavailableWeeks>([](CUnavailableWeeks& weeks) {
        EXPECT_FALSE(weeks.control(1172).checked());
        weeks.press(1172);
        weeks.press(IDOK);
    });
    d.press(7);
    EXPECT_EQ(d.control(7).text(), "Ei käytettävissä toistaiseksi");
    d.press(234);
    EXPECT_TRUE(stored(matti).status & brotherstatus::untilFurtherNotice);
    EXPECT_TRUE(doc().isUntilFurtherNotice(matti));

    // Through the list, the weeks reach blackout.dat when the form closes.
    CBrotherList brothers(doc());
    f.host.open(brothers);
    f.host.onChild<CBrotherEdit>([](CBrotherEdit& form) {
        form.press(7);
        form.press(IDCANCEL);
    });
    f.host.onChild<CUnavailableWeeks>([](CUnavailableWeeks& weeks) {
        weeks.toggleRow(1066, 5);
        weeks.press(IDOK);
    });
    brothers.press(IDOK);
    EXPECT_FALSE(doc().unavailabilityChanged);
    f.start();
    EXPECT_FALSE(f.doc->isAvailable(matti, f.doc->currentWeek + 5));
    EXPECT_FALSE(f.doc->isAvailable(matti, f.doc->currentWeek + 2));
}

} // namespace
} // namespace orvek
