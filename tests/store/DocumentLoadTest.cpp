// How the document reads the data folder: missing files, the load rules of
// every file, conversions, and the limits that keep bad files harmless.

#include <gtest/gtest.h>

#include "resources/StringTable.h"
#include "store/Text.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;
using test::encodeRecords;

BrotherRecord brother(int number, const char* first, const char* last, int cong = 0) {
    BrotherRecord r;
    r.brotherNumber = static_cast<std::uint16_t>(number);
    r.firstName = first;
    r.lastName = last;
    r.congregationNumber = static_cast<std::uint16_t>(cong);
    return r;
}

TEST(DocumentLoad, anEmptyFolderGetsItsFilesAndDefaults) {
    DocFixture f;
    COvDoc& doc = f.start();
    EXPECT_EQ(f.file(datafile::speakers), Bytes(256, 0));
    EXPECT_EQ(f.file(datafile::cong), Bytes(256, 0));
    EXPECT_EQ(f.file(datafile::xtend), Bytes(128, 0));
    EXPECT_FALSE(f.file(datafile::talk)); // defaults are written only when saved
    EXPECT_FALSE(f.file(datafile::topic));
    EXPECT_EQ(doc.speakersRecordsInFile, 1);
    EXPECT_EQ(doc.congRecordsInFile, 1);
    EXPECT_EQ(doc.xtendRecordsInFile, 0);
    EXPECT_TRUE(doc.brothers.empty());
    ASSERT_EQ(doc.talks.size(), 256u);
    EXPECT_EQ(doc.talks[0].talkNumber, 1);
    EXPECT_EQ(doc.talks[0].numberText, "1");
    EXPECT_EQ(doc.talks[0].topics[0], 4); // talk 1: "Usko / Hengellisyys"
    EXPECT_EQ(doc.talks[229].numberText, "230");
    EXPECT_EQ(doc.talks[230].numberText, "S-31");
    EXPECT_EQ(doc.talks[255].numberText, "S-56");
    EXPECT_EQ(doc.talks[172].title, stringText(573));
    EXPECT_EQ(doc.talks[173].title, " "); // talk 174: an unused number
    EXPECT_EQ(doc.talks[160].topics[0], 8);
    EXPECT_EQ(doc.talks[162].topics[0], 0);
    ASSERT_EQ(doc.topics.size(), 10u);
    EXPECT_EQ(doc.topics[0].name, "Evankelioiminen / Sananpalvelus"); // sorted by name
    EXPECT_EQ(doc.topics[0].topicNumber, 3);
    EXPECT_EQ(doc.weeks.size(), 1000u);
    EXPECT_EQ(doc.weeks[0].week, doc.baseWeek + 1);
    EXPECT_TRUE(f.host.messages().empty());
}

TEST(DocumentLoad, weekBookkeepingFollowsTheYear) {
    struct Case {
        CivilDate today;
        int baseWeek;
        int currentWeek;
    };
    for (Case c : {Case{{2009, 6, 1}, 0, 492}, {{2019, 1, 7}, 520, 993}, {{2026, 12, 11}, 884, 1406}}) {
        DocFixture f(c.today);
        COvDoc& doc = f.start();
        EXPECT_EQ(doc.baseWeek, c.baseWeek);
        EXPECT_EQ(doc.currentWeek, c.currentWeek);
        EXPECT_EQ(doc.firstShownWeek, c.currentWeek);
        EXPECT_EQ(doc.weeks.front().week, c.baseWeek + 1);
        EXPECT_EQ(doc.weeks.back().week, c.baseWeek + 1000);
    }
}

TEST(DocumentLoad, brothersSkipFreeRecordsAndReuseTheFirstFreeSlot) {
    DocFixture f;
    std::vector<BrotherRecord> recs = {BrotherRecord{}, brother(1, "Matti", "Virtanen"), brother(2, "Antti", "Aho"),
                                       BrotherRecord{}, brother(4, "Pekka", "Laine")};
    Bytes file = encodeRecords(recs);
    file.resize(file.size() + 100, 0xEE); // a trailing partial record is ignored
    f.putFile(datafile::speakers, file);
    COvDoc& doc = f.start();
    ASSERT_EQ(doc.brothers.size(), 3u);
    EXPECT_EQ(doc.speakersRecordsInFile, 5);
    EXPECT_EQ(doc.brotherName(0, true), "Aho, Antti"); // sorted last name first
    EXPECT_EQ(doc.brotherName(2, true), "Virtanen, Matti");
    EXPECT_EQ(f.addBrother("Jussi", "Nieminen", 0), 3);
    EXPECT_EQ(f.addBrother("Kalle", "Koski", 0), 5); // after the last record
    EXPECT_EQ(doc.speakersRecordsInFile, 6);
    BrotherRecord back;
    EXPECT_EQ(doc.readBrother(doc.findBrother(5), back), 5);
    EXPECT_EQ(back.lastName, "Koski");
}

TEST(DocumentLoad, aFolderWithOnlyRecordZeroGivesBrotherNumberOne) {
    DocFixture f;
    f.putFile(datafile::speakers, Bytes(256, 0));
    COvDoc& doc = f.start();
    EXPECT_TRUE(doc.brothers.empty());
    EXPECT_EQ(doc.speakersRecordsInFile, 1);
    EXPECT_EQ(f.addBrother("Matti", "Virtanen", 0), 1);
    Bytes file = *f.file(datafile::speakers);
    ASSERT_EQ(file.size(), 512u);
    EXPECT_EQ(file[256], 'M');
    EXPECT_EQ(file[256 + 204], 1);
}

TEST(DocumentLoad, aRecordWhoseNumberDoesNotMatchReadsAsMissing) {
    DocFixture f;
    f.putFile(datafile::speakers, encodeRecords(std::vector{BrotherRecord{}, brother(1, "A", "B")}));
    COvDoc& doc = f.start();
    // Someone else overwrites record 1 behind the document's back.
    f.fs.writeAt(f.path(datafile::speakers), 256, brother(9, "X", "Y").encode());
    BrotherRecord r;
    EXPECT_EQ(doc.readBrother(0, r), 0);
    EXPECT_EQ(doc.readBrother(7, r), 0);
}

TEST(DocumentLoad, ownCongregationSetsTheMeetingWeekdays) {
    DocFixture f;
    CongregationRecord own;
    own.name = "Aura";
    own.congregationNumber = 1;
    own.meetingDayOdd = 6;  // Saturday
    own.meetingDayEven = 0; // Sunday
    CongregationRecord other;
    other.name = "Halikko";
    other.congregationNumber = 2;
    other.meetingDayOdd = 3;
    f.putFile(datafile::cong, encodeRecords(std::vector{CongregationRecord{}, own, other}));
    f.fs.files[(f.folder / "orvek.ini").string()] = {};
    std::string ini = "[Congregation]\r\nNumber=1\r\n";
    f.fs.files[(f.folder / "orvek.ini").string()] = Bytes(ini.begin(), ini.end());
    COvDoc& doc = f.start();
    EXPECT_EQ(doc.ownMeetingDayOdd, 5);
    EXPECT_EQ(doc.ownMeetingDayEven, 6);
    ASSERT_EQ(doc.congregations.size(), 2u);
    EXPECT_EQ(doc.congregations[1].name, "Halikko");
}

TEST(DocumentLoad, historyKeepsTheWindowRules) {
    DocFixture f({2026, 12, 11}); // base week 884: window weeks 885..1884
    auto week = [](int w, int talk) {
        WeekRecord r;
        r.week = static_cast<std::uint16_t>(w);
        r.inTalk = static_cast<std::uint16_t>(talk);
        r.flags = weekflag::inUse;
        return r;
    };
    f.putFile(datafile::history, encodeRecords(std::vector{
                                     week(800, 1),  // before the window
                                     week(885, 2),  // the first window week
                                     week(1000, 3), //
                                     week(990, 4),  // out of order: skipped
                                     week(1000, 5), // the same week again: the later wins
                                     week(1884, 6), // the last window week
                                     week(1885, 7), // after the window
                                 }));
    COvDoc& doc = f.start();
    EXPECT_EQ(doc.weekRecord(884).inTalk, 2);
    EXPECT_EQ(doc.weekRecord(989).inTalk, 0);
    EXPECT_EQ(doc.weekRecord(999).inTalk, 5);
    EXPECT_EQ(doc.weekRecord(1883).inTalk, 6);
    EXPECT_EQ(doc.weekRecord(799).inTalk, 0);  // outside the window: empty
    EXPECT_EQ(doc.weekRecord(1884).inTalk, 0); // likewise beyond it
    EXPECT_EQ(doc.weekRecord(1884).week, 0);
    // Outside the window nothing is stored.
    WeekRecord r = doc.weekRecord(2000);
    r.chairman = 5;
    doc.putWeek(r, 2000);
    doc.putWeek(r, 10);
    EXPECT_EQ(doc.weekRecord(2000).chairman, 0);
    EXPECT_EQ(doc.weekRecord(10).chairman, 0);
}

TEST(DocumentLoad, inUseIsRecomputedWhenAWeekIsStored) {
    DocFixture f;
    COvDoc& doc = f.start();
    const int x = doc.currentWeek;
    EXPECT_FALSE(doc.weekRecord(x).inUse());
    doc.putWeek(doc.weekRecord(x), x);
    EXPECT_FALSE(doc.weekRecord(x).inUse()); // an empty week stays unused
    WeekRecord r = doc.weekRecord(x);
    r.chairman = 3;
    doc.putWeek(r, x);
    EXPECT_TRUE(doc.weekRecord(x).inUse());
    r = doc.weekRecord(x);
    r.chairman = 0;
    doc.putWeek(r, x);
    EXPECT_TRUE(doc.weekRecord(x).inUse()); // once used, it stays used
    r.week = 1; // a wrong week number in the record is corrected
    doc.putWeek(r, x);
    EXPECT_EQ(doc.weekRecord(x).week, x + 1);
}

TEST(DocumentLoad, unavailabilityKeepsOnlyCurrentAndLaterWeeks) {
    DocFixture f;
    const int current = 1406;
    auto u = [](int b, int w) {
        UnavailabilityRecord r;
        r.brotherNumber = static_cast<std::uint16_t>(b);
        r.week = static_cast<std::uint16_t>(w);
        return r;
    };
    f.putFile(datafile::blackout, encodeRecords(std::vector{u(1, current - 1), u(0, current + 3), u(2, current),
                                                            u(3, current + 10), u(1, current + 1)}));
    COvDoc& doc = f.start();
    ASSERT_EQ(doc.unavailability.size(), 3u);
    EXPECT_EQ(doc.unavailability[0].brotherNumber, 2);
    EXPECT_EQ(doc.unavailability[1].brotherNumber, 3);
    EXPECT_EQ(doc.unavailability[2].week, current + 1);
    EXPECT_FALSE(doc.unavailabilityChanged);
}

TEST(DocumentLoad, talkNumbersOfTheRegularRangeAreRepairedAtLoad) {
    DocFixture f;
    f.start();
    std::vector<TalkRecord> talks = f.doc->talks;
    talks[160].numberText = "S-61";
    talks[160].title = "   ";
    talks[229].numberText = "S-30";
    talks[229].title = "";
    talks[230].numberText = "S-31"; // a special talk keeps its number text
    talks[10].title = "";           // outside 161..230: left as it is
    f.putFile(datafile::talk, encodeRecords(talks));
    COvDoc& doc = f.start();
    EXPECT_EQ(doc.talks[160].numberText, "161");
    EXPECT_EQ(doc.talks[160].title, stringText(561));
    EXPECT_EQ(doc.talks[229].numberText, "230");
    EXPECT_EQ(doc.talks[229].title, ""); // its default title is blank
    EXPECT_EQ(doc.talks[230].numberText, "S-31");
    EXPECT_EQ(doc.talks[10].title, "");
}

TEST(DocumentLoad, talkFilesOfTheWrongLengthAreReadSafely) {
    DocFixture f;
    f.start();
    std::vector<TalkRecord> talks(f.doc->talks.begin(), f.doc->talks.begin() + 10);
    talks[3].title = "Oma otsikko";
    talks[5].talkNumber = 999; // a number no talk has
    f.putFile(datafile::talk, encodeRecords(talks));
    COvDoc& doc = f.start();
    ASSERT_EQ(doc.talks.size(), 256u);
    EXPECT_EQ(doc.talks[3].title, "Oma otsikko");
    EXPECT_EQ(doc.talks[200].talkNumber, 201); // missing rows get their defaults
    EXPECT_EQ(doc.findTalk(999), kNotFound);
    EXPECT_EQ(doc.talkText(999, true, true), "");
    // A file longer than 256 records is not read beyond the table.
    std::vector<TalkRecord> longFile = doc.talks;
    longFile.resize(300, doc.talks[0]);
    f.putFile(datafile::talk, encodeRecords(longFile));
    EXPECT_EQ(f.start().talks.size(), 256u);
}

TEST(DocumentLoad, sequentialFilesAreReadToTheirEnd) {
    DocFixture f;
    f.putFile(datafile::circuit, encodeRecords(std::vector{CircuitRecord{"Pohjoinen", 30002}, CircuitRecord{"Etelä", 30001}}));
    f.putFile(datafile::hospital, encodeRecords(std::vector{HospitalityRecord{"~Virtaset", 30001},
                                                            HospitalityRecord{"Ahoset", 30002}}));
    Bytes topics = encodeRecords(std::vector{TopicRecord{"Zeta", 4}});
    topics.push_back(1); // partial record
    f.putFile(datafile::topic, topics);
    SpecialEventRecord e;
    e.weekIndex = 1410;
    e.flags = weekflag::convention;
    f.putFile(datafile::special, encodeRecords(std::vector{e}));
    WishList w;
    w.wanted.set(12);
    auto wb = w.encode();
    f.putFile(datafile::wishlist, Bytes(wb.begin(), wb.end()));
    COvDoc& doc = f.start();
    ASSERT_EQ(doc.circuits.size(), 2u);
    EXPECT_EQ(doc.circuits[0].name, "Etelä");
    EXPECT_EQ(doc.hosts[0].name, "Ahoset"); // sorted with the "~" included
    ASSERT_EQ(doc.topics.size(), 1u);
    EXPECT_EQ(doc.specialEventRow(1410), 1u);
    EXPECT_TRUE(doc.wishList.wanted.has(12));
}

TEST(DocumentLoad, oldExtensionFileIsConvertedOnce) {
    DocFixture f;
    LegacyExtensionRecord old;
    old.owner = 3;
    old.phone2 = "040-111";
    old.phone3 = "050-222";
    old.email = "veli@example.fi";
    auto ob = old.encode();
    f.fs.files[(f.folder / "extend.dat").string()] = Bytes(ob.begin(), ob.end());
    COvDoc& doc = f.start();
    auto xt = f.file(datafile::xtend);
    ASSERT_TRUE(xt);
    ASSERT_EQ(xt->size(), 128u);
    auto r = BrotherExtensionRecord::decode(std::span<const std::uint8_t, 128>(xt->data(), 128));
    EXPECT_EQ(r.ownerBrotherNumber, 3);
    EXPECT_EQ(r.phone2, "040-111");
    EXPECT_EQ(r.email, "veli@example.fi");
    EXPECT_EQ(r.notes, "");
    EXPECT_EQ(doc.xtendRecordsInFile, 1);
    EXPECT_TRUE(f.fs.exists(f.folder / "extend.dat")); // left in place
}

TEST(DocumentLoad, aShortOldExtensionFileIsNotConverted) {
    DocFixture f;
    f.fs.files[(f.folder / "extend.dat").string()] = Bytes(95, 1);
    COvDoc& doc = f.start();
    EXPECT_EQ(f.file(datafile::xtend), Bytes(128, 0));
    EXPECT_EQ(doc.xtendRecordsInFile, 0);
}

TEST(DocumentLoad, localBrothersReadTheirRolesFromTheRecords) {
    DocFixture f;
    CongregationRecord own;
    own.name = "Aura";
    own.congregationNumber = 1;
    f.putFile(datafile::cong, encodeRecords(std::vector{CongregationRecord{}, own}));
    BrotherRecord a = brother(1, "Matti", "Virtanen", 1);
    a.roles = role::chairman | role::outgoingSpeaker;
    BrotherRecord b = brother(2, "Antti", "Aho", 2);
    BrotherRecord c = brother(3, "Pekka", "Laine", 1);
    c.roles = role::reader;
    f.putFile(datafile::speakers, encodeRecords(std::vector{BrotherRecord{}, a, b, c}));
    std::string ini = "[Congregation]\r\nNumber=1\r\n";
    f.fs.files[(f.folder / "orvek.ini").string()] = Bytes(ini.begin(), ini.end());
    COvDoc& doc = f.start();
    ASSERT_EQ(doc.localBrothers.size(), 2u);
    EXPECT_EQ(doc.localBrothers[0].brotherNumber, 3); // brothers-table order: Laine before Virtanen
    EXPECT_EQ(doc.localBrothers[0].roles, role::reader);
    EXPECT_EQ(doc.localBrothers[1].roles, role::chairman | role::outgoingSpeaker);
    EXPECT_EQ(doc.localBrothers[1].row, 2);
    EXPECT_EQ(doc.countLocalWithRole(2), 1);
    EXPECT_TRUE(doc.isLocalOutgoingSpeaker(2));
    EXPECT_FALSE(doc.isLocalOutgoingSpeaker(0));
}

} // namespace
} // namespace orvek
