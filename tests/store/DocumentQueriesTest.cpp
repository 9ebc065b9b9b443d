// Lookups, sorts, duplicate-name checks, new keys, unavailability and week
// assignments of the document.

#include <gtest/gtest.h>

#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;

struct Queries : ::testing::Test {
    Queries() { f.start(); }
    COvDoc& doc() { return *f.doc; }
    DocFixture f;
};

TEST_F(Queries, sortsAreStableAndIgnoreCaseAndSurroundingBlanks) {
    f.addCongregation("halikko");
    f.addCongregation("  Aura");
    f.addCongregation("AURA ");
    f.addCongregation("Åbo");
    f.addCongregation("Ähtäri");
    std::vector<std::string> names;
    for (auto& c : doc().congregations) names.push_back(c.name);
    EXPECT_EQ(names, (std::vector<std::string>{"  Aura", "AURA ", "halikko", "Åbo", "Ähtäri"}));
}

TEST_F(Queries, brothersSortLastNameFirstOnlyOnceThereAreTwo) {
    BrotherRecord r;
    r.firstName = "Ville";
    r.lastName = "Virtanen";
    BrotherExtensionRecord ext;
    doc().addBrother(r, ext);
    ASSERT_EQ(doc().brothers.size(), 1u);
    f.addBrother("Aapo", "Virtanen", 0);
    f.addBrother("Zacharias", "Aho", 0);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < doc().brothers.size(); ++i) names.push_back(doc().brotherName(i, true));
    EXPECT_EQ(names, (std::vector<std::string>{"Aho, Zacharias", "Virtanen, Aapo", "Virtanen, Ville"}));
    EXPECT_EQ(doc().brotherName(0, false), "Zacharias Aho");
    EXPECT_EQ(doc().brotherName(3, true), "");
    EXPECT_EQ(doc().findBrotherByName("Virtanen, Ville"), 2);
    EXPECT_EQ(doc().findBrotherByName("virtanen, ville"), -1);
    EXPECT_EQ(doc().brotherNameByNumber(2, false), "Aapo Virtanen");
}

TEST_F(Queries, duplicateNamesAskToReplaceWithNoAsDefault) {
    f.addCongregation("Aura");
    f.addCongregation("Halikko");
    // Adding: the Yes/No question, No by default.
    EXPECT_EQ(doc().checkCongregationName("aura", true, 99), -1);
    ASSERT_EQ(f.host.messages().size(), 1u);
    const MessageBoxSpec& m = f.host.messages()[0];
    EXPECT_EQ(m.text, "Aura nimi on jo olemassa.\n\nKorvaa uusilla tiedoilla?");
    EXPECT_EQ(m.buttons, Buttons::YesNo);
    EXPECT_EQ(m.defaultButton, IDNO);
    f.host.answer(IDYES);
    EXPECT_EQ(doc().checkCongregationName("AURA", true, 99), 1);
    // Renaming: an OK-only message, the edited row itself does not count.
    f.host.clearMessages();
    EXPECT_EQ(doc().checkCongregationName("Aura", false, 0), 0);
    EXPECT_EQ(doc().checkCongregationName("halikko", false, 0), 2);
    EXPECT_EQ(f.host.messages().at(0).buttons, Buttons::Ok);
    EXPECT_EQ(f.host.messages().at(0).text, "Halikko nimi on jo olemassa.\n\n");
    // The silent form.
    f.host.clearMessages();
    EXPECT_EQ(doc().checkCongregationName("Halikko", true, kSilentCheck), 2);
    EXPECT_EQ(doc().checkCongregationName("Turku", true, kSilentCheck), 0);
    EXPECT_TRUE(f.host.messages().empty());
}

TEST_F(Queries, otherDuplicateChecksOfferOnlyOk) {
    doc().addCircuit({"Etelä", 0});
    doc().addHost({"~Virtaset", 0});
    doc().addTopic({"Perhe", 0});
    f.addBrother("Matti", "Virtanen", 0);
    f.host.clearMessages();
    EXPECT_EQ(doc().checkCircuitName("ETELÄ", true, 99), 1);
    EXPECT_EQ(doc().checkHostName("virtaset", false, 99), 1); // compared without "~"
    int topic = doc().checkTopicName("perhe ", false, 99);
    ASSERT_GT(topic, 0);
    EXPECT_EQ(doc().topics[static_cast<std::size_t>(topic - 1)].name, "Perhe");
    EXPECT_EQ(doc().checkBrotherName("matti virtanen", false, 99), 1);
    EXPECT_EQ(f.host.messages().size(), 4u);
    for (auto& m : f.host.messages()) EXPECT_EQ(m.buttons, Buttons::Ok);
    EXPECT_EQ(f.host.messages()[1].text, "Virtaset nimi on jo olemassa.\n\n");
    // Adding a duplicate is refused.
    EXPECT_EQ(doc().addCircuit({"etelä", 0}), 0);
    EXPECT_EQ(doc().circuits.size(), 1u);
}

TEST_F(Queries, newKeysTakeTheLowestFreeNumber) {
    EXPECT_EQ(doc().newCircuitNumber(), 30001);
    doc().circuits = {{"A", 30001}, {"B", 30003}};
    EXPECT_EQ(doc().newCircuitNumber(), 30002);
    doc().hosts.clear();
    for (int k = 30001; k <= 30999; ++k) doc().hosts.push_back({"h", static_cast<std::uint16_t>(k)});
    EXPECT_EQ(doc().newHospitalityNumber(), 31000);
    // Topics: the ten defaults use 1..10; a deleted number is reused.
    EXPECT_EQ(doc().newTopicNumber(), 11);
    std::size_t row = 0;
    while (doc().topics[row].topicNumber != 4) ++row;
    doc().deleteTopic(row);
    EXPECT_EQ(doc().addTopic({"Uusi aihe", 0}), 4);
    doc().topics.clear();
    for (int k = 1; k <= 99; ++k) doc().topics.push_back({"t", static_cast<std::uint16_t>(k)});
    EXPECT_EQ(doc().newTopicNumber(), 100);
}

TEST_F(Queries, congregationAndCircuitLookups) {
    int aura = f.addCongregation("Aura", 30001);
    doc().addCircuit({"Etelä", 0});
    EXPECT_EQ(doc().findCongregation(aura), 1u);
    doc().congregations.push_back({});
    EXPECT_EQ(doc().findCongregation(0), 0u); // even with a row numbered 0
    EXPECT_EQ(doc().congregationNameByNumber(aura, true), "Seurakunta - Aura");
    EXPECT_EQ(doc().congregationNameByNumber(77, false), "");
    EXPECT_EQ(doc().circuitNameByNumber(30001), "Etelä");
    EXPECT_EQ(doc().findCircuitByName("Etelä"), 30001);
    EXPECT_EQ(doc().findCircuitByName("etelä"), 0);
    doc().addHost({"~Virtaset", 0});
    EXPECT_EQ(doc().hostName(0, true), "~Virtaset");
    EXPECT_EQ(doc().hostName(0, false), "Virtaset");
    EXPECT_EQ(doc().hostNameByNumber(30001), "Virtaset");
}

TEST_F(Queries, talkTextForms) {
    const std::string title = doc().talks[0].title;
    EXPECT_EQ(doc().talkText(1, false, false), title);
    EXPECT_EQ(doc().talkText(1, true, false), title + " ( 1 ) ");
    EXPECT_EQ(doc().talkText(1, true, true), "Esitelmä - " + title + " ( 1 ) ");
    EXPECT_EQ(doc().talkText(0, true, true), "");
    EXPECT_EQ(doc().talkText(257, true, true), "");
    EXPECT_EQ(doc().talkNumberText(231), "S-31");
    EXPECT_EQ(doc().findTalk(256), 255u);
}

TEST_F(Queries, meetingTimesFollowTheYearParity) {
    CongregationRecord r;
    r.name = "Aura";
    r.meetingTimeOdd = "10:00";
    r.meetingTimeEven = "13:00";
    r.meetingDayOdd = 6;
    int n = doc().addCongregation(r);
    EXPECT_EQ(doc().meetingTimeForYear(n, 2027), "10:00");
    EXPECT_EQ(doc().meetingTimeForYear(n, 2026), "13:00");
    const int weekIn2027 = weekOfDate("270111") - 1;
    EXPECT_EQ(doc().meetingTimeForWeek(n, weekIn2027), "10:00");
    int day = -1;
    EXPECT_TRUE(doc().meetingDayDiffers(n, weekIn2027, day)); // no own congregation: code 0
    EXPECT_EQ(day, 6);
    EXPECT_FALSE(doc().meetingDayDiffers(99, weekIn2027, day));
}

TEST_F(Queries, unavailabilityRows) {
    const int w = doc().currentWeek;
    doc().addUnavailableWeek(1, w + 1);
    doc().addUnavailableWeek(1, w + 2);
    doc().addUnavailableWeek(1, w + 1); // already there: nothing added
    EXPECT_EQ(doc().unavailability.size(), 2u);
    doc().removeUnavailableWeek(1, w + 1);
    doc().addUnavailableWeek(2, w + 5); // takes the free row
    EXPECT_EQ(doc().unavailability.size(), 2u);
    EXPECT_EQ(doc().unavailability[0].brotherNumber, 2);
    doc().unavailability[1].week = static_cast<std::uint16_t>(w - 2); // expired while running
    doc().addUnavailableWeek(3, w + 6);
    EXPECT_EQ(doc().unavailability[1].brotherNumber, 3);
    doc().addUnavailableWeek(3, w + 7); // no free row: appended
    EXPECT_EQ(doc().unavailability.size(), 3u);
    EXPECT_FALSE(doc().isAvailable(3, w + 6));
    EXPECT_TRUE(doc().isAvailable(3, w + 5));
    EXPECT_TRUE(doc().isAvailable(3, w + 8));
    std::vector<int> weeks;
    EXPECT_EQ(doc().unavailableWeeks(3, 0, &weeks), 2);
    EXPECT_EQ(weeks, (std::vector<int>{w + 6, w + 7}));
    EXPECT_EQ(doc().unavailableWeeks(3, 1, nullptr), 1);
}

TEST_F(Queries, assignmentsAreFoundInTheirOrder) {
    const int x = doc().currentWeek + 1;
    WeekRecord r = doc().weekRecord(x);
    r.inSpeaker = 5;
    r.chairman = 5;
    r.reader = 6;
    r.outSpeaker[3] = 5;
    doc().putWeek(r, x);
    EXPECT_EQ(doc().assignmentInWeek(5, x, kNoAssignment), kOutgoingSpeaker);
    EXPECT_EQ(doc().assignmentInWeek(5, x, kOutgoingSpeaker), kIncomingSpeaker);
    EXPECT_EQ(doc().assignmentInWeek(6, x, kNoAssignment), kReaderAssignment);
    EXPECT_EQ(doc().assignmentInWeek(6, x, kReaderAssignment), kNoAssignment);
    EXPECT_EQ(doc().assignmentInWeek(0, x + 5, kNoAssignment), kNoAssignment);
    WeekRecord later = doc().weekRecord(doc().currentWeek + 54);
    later.chairman = 5;
    doc().putWeek(later, doc().currentWeek + 54);
    WeekRecord beyond = doc().weekRecord(doc().currentWeek + 55);
    beyond.chairman = 5;
    doc().putWeek(beyond, doc().currentWeek + 55);
    EXPECT_EQ(doc().assignmentsAhead(5), 2);
}

TEST_F(Queries, tableCapacityRefusesAdditions) {
    doc().circuitsCapacity = 1;
    EXPECT_NE(doc().addCircuit({"A", 0}), 0);
    f.host.clearMessages();
    EXPECT_EQ(doc().addCircuit({"B", 0}), 0);
    EXPECT_EQ(doc().circuits.size(), 1u);
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_NE(f.host.lastMessage().find("täynnä"), std::string::npos);
}

} // namespace
} // namespace orvek
