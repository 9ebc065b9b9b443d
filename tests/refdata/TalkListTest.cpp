// The talk list in its three uses (editing the talks, a brother's talk set,
// the picker), the talk form with its topics and history, and the topics list.

#include <gtest/gtest.h>

#include <algorithm>

#include "refdata/TalkEdit.h"
#include "refdata/TalkList.h"
#include "refdata/TopicList.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "store/Text.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;
using Texts = std::vector<std::string>;

constexpr int kList = 165, kSetList = 1019, kHover = 244, kAdded = 1022, kRemoved = 1023, kToggle = 1021;
// The talk form.
constexpr int kNumber = 1027, kTitle = 244, kTalkTopics = 1030, kAllTopics = 1028, kHistory = 1060,
              kTopicView = 1029, kEditTopics = 1031, kNext = 1025, kPrevious = 1026;
// The topics list.
constexpr int kTopics = 167, kTopicName = 166, kAddTopic = 1026;

struct Talks : ::testing::Test {
    Talks() { f.start(); }
    COvDoc& doc() { return *f.doc; }
    const TalkRecord& talk(int n) { return doc().talks[doc().findTalk(n)]; }
    // The list row of talk n, -1 when it is not listed.
    static int rowOfTalk(Dialog& d, int id, COvDoc& doc, int n) {
        const Control& list = d.control(id);
        for (int r = 0; r < list.count(); ++r)
            if (list.itemData(r) == static_cast<std::intptr_t>(doc.findTalk(n))) return r;
        return -1;
    }
    int rowOfTalk(Dialog& d, int n, int id = kList) { return rowOfTalk(d, id, doc(), n); }
    int titledTalks() {
        return static_cast<int>(std::count_if(doc().talks.begin(), doc().talks.end(),
                                              [](const TalkRecord& t) { return !trimText(t.title).empty(); }));
    }
    static std::vector<int> talksOf(const TalkSet& s) {
        std::vector<int> out;
        for (int n = 1; n <= 256; ++n)
            if (s.has(n)) out.push_back(n);
        return out;
    }
    BrotherRecord brother(std::vector<int> talks) {
        BrotherRecord b;
        b.firstName = "Matti";
        b.lastName = "Virtanen";
        for (int n : talks) b.talks.set(n);
        return b;
    }
    DocFixture f;
};

// ---- editing the talks ----

TEST_F(Talks, theEditListShowsEveryTalkWithATitle) {
    CTalkList dlg(doc(), TalkListOptions{});
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Valitse esitelmä korjattavaksi");
    EXPECT_EQ(dlg.control(IDOK).text(), "Muokkaa");
    EXPECT_EQ(dlg.control(kToggle).text(), "Lisää uusi esitelmä");
    EXPECT_EQ(dlg.control(IDCANCEL).text(), "Sulje");
    EXPECT_EQ(dlg.list(kList).count(), titledTalks());
    EXPECT_EQ(dlg.list(kList).selectedRow(), 0);
    EXPECT_EQ(dlg.list(kList).itemText(0), "1\tElävä usko näkyy elämässä");
    EXPECT_EQ(dlg.list(kList).itemText(rowOfTalk(dlg, 231)), "S-31\t" + trimText(talk(231).title));
    EXPECT_EQ(rowOfTalk(dlg, 174), -1);
}

TEST_F(Talks, aClearedTitleFreesTheNumberForANewTalk) {
    CTalkList dlg(doc(), TalkListOptions{});
    f.host.open(dlg);
    f.host.onChild<CTalkEdit>([](CTalkEdit& form) {
        form.type(kTitle, "");
        form.press(IDOK);
    });
    dlg.doubleClick(kList, 11); // talk 12
    EXPECT_EQ(rowOfTalk(dlg, 12), -1);
    EXPECT_EQ(dlg.list(kList).selectedRow(), 11); // the same position: now talk 13
    dlg.press(kToggle);
    // Every number is listed; the first free one is selected, nine rows below the top.
    EXPECT_EQ(dlg.list(kList).count(), 256);
    EXPECT_EQ(dlg.list(kList).selectedRow(), 11);
    EXPECT_EQ(dlg.list(kList).itemText(11), "12\tTämä kohta on käytettävissä uudelle esitelmälle");
    EXPECT_EQ(dlg.list(kList).topRow(), 2);
    EXPECT_FALSE(dlg.control(kToggle).visible());
    f.host.onChild<CTalkEdit>([](CTalkEdit& form) {
        EXPECT_EQ(form.control(kNumber).text(), "12");
        form.type(kTitle, "Toivo pimeässä maailmassa");
        form.press(IDOK);
    });
    dlg.press(IDOK);
    EXPECT_TRUE(dlg.control(kToggle).visible());
    EXPECT_EQ(dlg.list(kList).count(), titledTalks());
    EXPECT_EQ(dlg.list(kList).selectedRow(), rowOfTalk(dlg, 12));
    dlg.press(IDCANCEL); // "Sulje" writes talk.dat
    EXPECT_TRUE(dlg.ended());
    EXPECT_EQ(f.start().talks[11].title, "Toivo pimeässä maailmassa");
}

TEST_F(Talks, theFreeRowsScrollNoFurtherThanRow236) {
    for (int n = 174; n <= 256; ++n) doc().talks[doc().findTalk(n)].title = "Otsikko";
    doc().talks[doc().findTalk(250)].title = " ";
    CTalkList dlg(doc(), TalkListOptions{});
    f.host.open(dlg);
    dlg.press(kToggle);
    EXPECT_EQ(dlg.list(kList).selectedRow(), 249);
    EXPECT_EQ(dlg.list(kList).topRow(), 236);
    // Without any free number the user is told so.
    CTalkList full(doc(), TalkListOptions{});
    doc().talks[doc().findTalk(250)].title = "Otsikko";
    f.host.open(full);
    full.press(kToggle);
    EXPECT_NE(f.host.lastMessage().find("Kaikki esitelmänumerot ovat käytössä."), std::string::npos);
    EXPECT_TRUE(full.control(kToggle).visible());
}

TEST_F(Talks, closingTheEditListWritesTalkDatAndReportsAFailure) {
    MainFrame frame(doc(), f.host);
    f.fs.failWritesTo(f.path(datafile::talk));
    f.host.onChild<CTalkList>([](CTalkList& d) { d.press(IDCANCEL); });
    frame.execute(cmd::talks);
    ASSERT_EQ(f.host.dialogsShown().size(), 1u);
    EXPECT_EQ(f.host.dialogsShown()[0].templateId, 141);
    EXPECT_NE(f.host.lastMessage().find("Tiedoston /data/talk.dat päivitys ei onnistu."), std::string::npos);
    EXPECT_FALSE(f.file(datafile::talk).has_value());
}

// ---- the talk form ----

TEST_F(Talks, theFormStepsThroughTheListWithWrapAround) {
    CTalkList dlg(doc(), TalkListOptions{});
    f.host.open(dlg);
    const int last = dlg.list(kList).count() - 1;
    f.host.onChild<CTalkEdit>([this](CTalkEdit& form) {
        EXPECT_EQ(form.caption(), doc().talkText(241, true, false));
        form.type(kNumber, "S-41b"); // five characters are kept
        form.press(kNext);           // stores, then wraps to the first talk
        EXPECT_EQ(form.caption(), doc().talkText(1, true, false));
        EXPECT_EQ(form.control(kTopicView).text(), "Valitse aiheet  esitelmään 1");
        form.press(kPrevious);
        EXPECT_EQ(form.control(kNumber).text(), "S-41b");
        form.press(kPrevious);
        form.type(kTitle, "Ei tallenneta");
        form.press(IDCANCEL);
    });
    dlg.doubleClick(kList, last);
    EXPECT_EQ(talk(241).numberText, "S-41b");
    EXPECT_NE(talk(232).title, "Ei tallenneta");
    EXPECT_EQ(dlg.list(kList).selectedRow(), rowOfTalk(dlg, 232)); // where the form ended
}

TEST_F(Talks, anEmptyNumberIsRefused) {
    CTalkEdit form(doc(), {0, 1}, 0);
    f.host.open(form);
    form.type(kNumber, "  ");
    form.press(IDOK);
    EXPECT_FALSE(form.ended());
    EXPECT_EQ(f.host.lastMessage(), "Kirjoita esitelmän numero.");
    EXPECT_EQ(talk(1).numberText, "1");
    form.press(kNext);
    EXPECT_EQ(form.caption(), doc().talkText(1, true, false)); // no step either
}

TEST_F(Talks, twentySevenTopicsKeepTheFirstTwentySix) {
    for (int i = 0; i < 17; ++i) {
        TopicRecord t;
        t.name = "Lisäaihe " + std::string(1, static_cast<char>('A' + i));
        doc().addTopic(t);
    }
    ASSERT_EQ(doc().topics.size(), 27u);
    CTalkEdit form(doc(), {4}, 0);
    f.host.open(form);
    form.press(kTopicView);
    EXPECT_TRUE(form.control(kAllTopics).visible());
    EXPECT_TRUE(form.control(kEditTopics).visible());
    EXPECT_FALSE(form.control(kTalkTopics).visible());
    EXPECT_EQ(form.control(kTopicView).text(), "Näytä luettelo  esitelmään 5");
    std::vector<int> all(27);
    for (int i = 0; i < 27; ++i) all[static_cast<std::size_t>(i)] = i;
    form.selectRows(kAllTopics, all);
    form.press(IDOK);
    const TalkRecord& t = talk(5);
    for (std::size_t i = 0; i < 26; ++i) EXPECT_EQ(t.topics[i], doc().topics[i].topicNumber) << i;
    EXPECT_FALSE(doc().talkHasTopic(4, 26));
}

TEST_F(Talks, theNormalViewListsTheTalksTopicsInTopicOrder) {
    doc().talks[4].topics = {9, 5}; // "Koettelemukset / Ongelmat" and "Perhe / Nuoret"
    CTalkEdit form(doc(), {4}, 0);
    f.host.open(form);
    EXPECT_EQ(form.list(kTalkTopics).texts(), (Texts{"Koettelemukset / Ongelmat", "Perhe / Nuoret"}));
    form.press(kTopicView);
    EXPECT_EQ(form.list(kAllTopics).selectedCount(), 2);
    form.toggleRow(kAllTopics, 0);
    form.press(kTopicView); // leaving the selection view takes it over
    EXPECT_EQ(form.list(kTalkTopics).count(), 3);
    EXPECT_TRUE(form.control(kHistory).visible());
    form.press(IDCANCEL);
    EXPECT_EQ(talk(5).topics[0], 9); // not stored
}

TEST_F(Talks, aDeletedTopicLeavesEveryTalkAndItsNumberIsReused) {
    // Topic 1 "Raamattu / Jumala" holds talks 4, 26, 54, ...
    ASSERT_EQ(talk(4).topics[0], 1);
    CTalkEdit form(doc(), {3}, 0);
    f.host.open(form);
    form.press(kTopicView);
    f.host.onChild<CTopicList>([](CTopicList& list) {
        auto names = list.list(kTopics).texts();
        list.select(kTopics, static_cast<int>(std::find(names.begin(), names.end(), "Raamattu / Jumala") -
                                              names.begin()));
        list.type(kTopicName, "");
        list.press(IDOK);
        list.press(kAddTopic);
        list.type(kTopicName, "Luomakunta");
        list.press(IDOK);
        list.press(IDCANCEL);
    });
    form.press(kEditTopics);
    const auto& topics = doc().topics;
    auto created =
        std::find_if(topics.begin(), topics.end(), [](const TopicRecord& t) { return t.name == "Luomakunta"; });
    ASSERT_NE(created, topics.end());
    EXPECT_EQ(created->topicNumber, 1); // the number is free again
    EXPECT_EQ(form.list(kAllTopics).selectedCount(), 0);
    form.press(IDOK);
    for (int n : {4, 26, 150})
        EXPECT_TRUE(std::find(talk(n).topics.begin(), talk(n).topics.end(), 1) == talk(n).topics.end()) << n;
    // talk.dat lost the topic when it was deleted, before its number was given again.
    COvDoc& again = f.start();
    EXPECT_EQ(again.talks[25].topics[0], 0);
}

TEST_F(Talks, theHistoryListsTheWeeksNewestFirstAndNamesTheSpeaker) {
    const int aura = f.addCongregation("Aura");
    const int matti = f.addBrother("Matti", "Virtanen", aura, {7});
    const int x = doc().firstShownWeek;
    for (int w : {x - 10, x - 3, x + 2}) {
        WeekRecord r = doc().weekRecord(w);
        r.inTalk = 7;
        r.inSpeaker = static_cast<std::uint16_t>(w == x - 3 ? matti : 0);
        doc().putWeek(r, w);
    }
    CTalkEdit form(doc(), {6}, 0);
    f.host.open(form);
    EXPECT_EQ(form.list(kHistory).texts(), (Texts{doc().weekDateText(x - 2, 26), doc().weekDateText(x - 9, 26)}));
    EXPECT_EQ(form.list(kHistory).selectedRow(), 0);
    form.select(kHistory, 1);
    EXPECT_EQ(form.caption(), doc().weekDateText(x - 9, 26)); // no speaker that week
    form.select(kHistory, 0);
    EXPECT_EQ(form.caption(), doc().weekDateText(x - 2, 26) + " - Matti Virtanen - Aura");
}

// ---- the topics list ----

TEST_F(Talks, topicsAreAddedRenamedAndRefusedByName) {
    CTopicList list(doc());
    f.host.open(list);
    EXPECT_FALSE(list.control(kTopicName).visible());
    EXPECT_FALSE(list.control(IDOK).visible());
    list.select(kTopics, 0);
    EXPECT_TRUE(list.control(IDOK).visible());
    EXPECT_FALSE(list.control(kAddTopic).visible());
    const std::string first = list.control(kTopicName).text();
    list.type(kTopicName, "perhe / NUORET");
    list.press(IDOK);
    EXPECT_EQ(f.host.lastMessage(), "Perhe / Nuoret nimi on jo olemassa.\n\n");
    EXPECT_EQ(doc().topics[0].name, first);
    list.select(kTopics, 0);
    list.type(kTopicName, "Öljymäen opetukset");
    list.press(IDOK);
    EXPECT_EQ(list.list(kTopics).texts().back(), "Öljymäen opetukset"); // sorted by the Finnish alphabet
    EXPECT_FALSE(list.ended());
    COvDoc& again = f.start();
    EXPECT_EQ(again.topics.size(), 10u);
    EXPECT_EQ(again.topics.back().name, "Öljymäen opetukset");
}

// ---- a brother's talks ----

TEST_F(Talks, theSetViewCountsAddedAndRemovedTalksAndCancelKeepsTheSet) {
    CTalkList dlg(doc(), {TalkListMode::brotherTalks, 1, brother({1, 2, 3}), 0, 0});
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Matti Virtanen - 3 Esitelmät");
    EXPECT_EQ(dlg.list(kList).count(), 3);
    EXPECT_EQ(dlg.control(IDCANCEL).text(), "Peruuta");
    EXPECT_EQ(dlg.control(kToggle).text(), "Valitse esitelmä");
    dlg.press(kToggle);
    EXPECT_FALSE(dlg.control(kList).visible());
    EXPECT_TRUE(dlg.control(kSetList).visible());
    EXPECT_EQ(dlg.control(kToggle).text(), "Näytä luettelo");
    EXPECT_EQ(dlg.list(kSetList).itemText(0), "  1");
    EXPECT_EQ(dlg.list(kSetList).selectedRows(), (std::vector<int>{0, 1, 2}));
    EXPECT_FALSE(dlg.control(kAdded).visible());
    for (int n : {10, 11, 12}) dlg.toggleRow(kSetList, rowOfTalk(dlg, n, kSetList));
    dlg.toggleRow(kSetList, 1);
    EXPECT_EQ(dlg.control(kAdded).text(), "Lisätty 3");
    EXPECT_EQ(dlg.control(kRemoved).text(), "Poistettu 1");
    EXPECT_TRUE(dlg.control(kAdded).visible());
    EXPECT_TRUE(dlg.control(kRemoved).visible());
    EXPECT_EQ(dlg.caption(), "Matti Virtanen - 5 Esitelmät");
    dlg.toggleRow(kSetList, 1);
    EXPECT_FALSE(dlg.control(kRemoved).visible()); // a count of 0 is hidden
    dlg.press(IDCANCEL);
    EXPECT_EQ(dlg.result(), IDCANCEL);
    EXPECT_EQ(talksOf(dlg.brother().talks), (std::vector<int>{1, 2, 3}));
}

TEST_F(Talks, okTakesTheSetOverAndUntitledTalksKeepTheirBit) {
    CTalkList dlg(doc(), {TalkListMode::brotherTalks, 1, brother({2, 200}), 0, 0});
    f.host.open(dlg);
    dlg.doubleClick(kList, 0); // a double click opens the set view too
    ASSERT_TRUE(dlg.control(kSetList).visible());
    dlg.toggleRow(kSetList, rowOfTalk(dlg, 5, kSetList));
    dlg.press(kToggle); // back to the list, refilled
    EXPECT_EQ(dlg.list(kList).count(), 2);
    EXPECT_TRUE(dlg.control(kList).visible());
    dlg.press(kToggle);
    dlg.toggleRow(kSetList, rowOfTalk(dlg, 2, kSetList));
    dlg.press(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(talksOf(dlg.brother().talks), (std::vector<int>{5, 200}));
}

TEST_F(Talks, hoveringATalkNumberShowsItsTitle) {
    CTalkList dlg(doc(), {TalkListMode::brotherTalks, 1, brother({}), 0, 0});
    f.host.open(dlg);
    dlg.press(kToggle);
    dlg.mouse(kSetList, MouseEvent{MouseAction::Move, {40, 12}, 2, false});
    EXPECT_EQ(dlg.control(kHover).text(), doc().talkText(3, true, false));
    EXPECT_TRUE(dlg.control(kHover).visible());
    dlg.mouse(kSetList, MouseEvent{MouseAction::Leave, {}, -1, false});
    EXPECT_EQ(dlg.control(kHover).text(), "");
}

// ---- the picker ----

TEST_F(Talks, aKindOnePickerReturnsTheChosenTalk) {
    CTalkList dlg(doc(), {TalkListMode::picker, 1, brother({3, 8, 9}), static_cast<int>(doc().findTalk(8)) + 1, 0});
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Valitse esitelmä");
    EXPECT_EQ(dlg.control(IDCANCEL).text(), "Peruuta");
    EXPECT_FALSE(dlg.control(kToggle).visible());
    EXPECT_EQ(dlg.list(kList).selectedRow(), 1);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenTalkRow(), 7);

    CTalkList none(doc(), {TalkListMode::picker, 1, brother({3}), 0, 0});
    f.host.open(none);
    none.press(IDOK); // nothing selected: as Cancel
    EXPECT_EQ(none.result(), IDCANCEL);
    EXPECT_EQ(none.chosenTalkRow(), -1);

    CTalkList twice(doc(), {TalkListMode::picker, 1, brother({3, 9}), 0, 0});
    f.host.open(twice);
    twice.doubleClick(kList, 1);
    EXPECT_EQ(twice.chosenTalkRow(), 8);
}

TEST_F(Talks, aKindTwoPickerEditsTheSetBeforePicking) {
    CTalkList dlg(doc(), {TalkListMode::picker, 2, brother({3}), 0, 0});
    f.host.open(dlg);
    EXPECT_EQ(dlg.control(kToggle).text(), "Muokkaa luettelo");
    dlg.press(kToggle);
    dlg.toggleRow(kSetList, rowOfTalk(dlg, 9, kSetList));
    EXPECT_EQ(dlg.caption(), "Matti Virtanen - 2 Esitelmät");
    dlg.press(IDOK); // back to the brother's talks, not closed
    EXPECT_FALSE(dlg.ended());
    EXPECT_EQ(dlg.list(kList).count(), 2);
    EXPECT_EQ(dlg.caption(), "Valitse esitelmä");
    // Cancel in the set view restores the set as it was at the start.
    dlg.press(kToggle);
    dlg.press(IDCANCEL);
    EXPECT_FALSE(dlg.ended());
    EXPECT_EQ(dlg.list(kList).count(), 1);
    dlg.press(kToggle);
    dlg.toggleRow(kSetList, rowOfTalk(dlg, 9, kSetList));
    dlg.press(kToggle);
    dlg.select(kList, 1);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenTalkRow(), 8);
    EXPECT_EQ(talksOf(dlg.brother().talks), (std::vector<int>{3, 9}));
}

TEST_F(Talks, aPickerWithoutABrotherListsEveryTalkFromAStartPosition) {
    CTalkList dlg(doc(), {TalkListMode::picker, 2, std::nullopt, 0, 5});
    f.host.open(dlg);
    EXPECT_EQ(dlg.list(kList).count(), titledTalks());
    EXPECT_EQ(dlg.list(kList).selectedRow(), 4);
    EXPECT_FALSE(dlg.control(kToggle).visible());
    dlg.press(IDOK);
    EXPECT_EQ(dlg.chosenTalkRow(), 4);
}

} // namespace
} // namespace orvek
