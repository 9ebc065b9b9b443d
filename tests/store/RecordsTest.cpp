// Golden bytes of every record type: the offsets are those of the files the
// Windows program reads and writes, so a shifted field shows up here.

#include <gtest/gtest.h>

#include <cstring>

#include "store/Records.h"

namespace orvek {
namespace {

template <std::size_t N>
struct Golden {
    std::array<std::uint8_t, N> b{};
    Golden& u16(std::size_t off, std::uint16_t v) {
        b[off] = static_cast<std::uint8_t>(v & 0xFF);
        b[off + 1] = static_cast<std::uint8_t>(v >> 8);
        return *this;
    }
    Golden& u8(std::size_t off, std::uint8_t v) {
        b[off] = v;
        return *this;
    }
    // Raw Windows-1252 bytes.
    Golden& text(std::size_t off, const char* cp1252) {
        std::memcpy(b.data() + off, cp1252, std::strlen(cp1252));
        return *this;
    }
};

template <class R, std::size_t N>
void expectGolden(const R& r, const Golden<N>& g) {
    static_assert(R::kSize == N);
    EXPECT_EQ(r.encode(), g.b);
    R back = R::decode(std::span<const std::uint8_t, N>(g.b));
    EXPECT_EQ(back.encode(), g.b);
}

TEST(Records, brother) {
    BrotherRecord r;
    r.firstName = "Matti";
    r.lastName = "Mäkelä";
    r.address1 = "Koulukatu 5";
    r.address2 = "20100 Turku";
    r.phone = "02-123456";
    r.talks.set(1);
    r.talks.set(9);
    r.talks.set(256);
    r.status = brotherstatus::elder | brotherstatus::untilFurtherNotice;
    r.roles = role::chairman | role::reader;
    r.congregationNumber = 3;
    r.brotherNumber = 0x0107;
    r.extensionNumber = 2;
    Golden<256> g;
    g.text(0, "Matti").text(20, "M\xE4kel\xE4").text(40, "Koulukatu 5").text(80, "20100 Turku").text(120, "02-123456");
    g.u8(136, 0x01).u8(137, 0x01).u8(167, 0x80);
    g.u8(200, 0x22).u8(201, 0x14).u16(202, 3).u16(204, 0x0107).u16(206, 2);
    expectGolden(r, g);
    auto back = BrotherRecord::decode(std::span<const std::uint8_t, 256>(g.b));
    EXPECT_EQ(back.lastName, "Mäkelä");
    EXPECT_TRUE(back.talks.has(256));
    EXPECT_FALSE(back.talks.has(2));
}

TEST(Records, brotherNamesAreCutToEighteenCharacters) {
    BrotherRecord r;
    r.firstName = "Abcdefghijklmnopqrstuvwxyz";
    auto b = r.encode();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b.data())), "Abcdefghijklmnopqr");
    EXPECT_EQ(b[18], 0);
    EXPECT_EQ(b[19], 0);
}

TEST(Records, extension) {
    BrotherExtensionRecord r;
    r.ownerBrotherNumber = 7;
    r.phone2 = "040-1111111";
    r.phone3 = "050-2222222";
    r.email = "matti@example.fi";
    r.notes = "Ajaa autoa";
    Golden<128> g;
    g.u16(0, 7).text(2, "040-1111111").text(18, "050-2222222").text(34, "matti@example.fi").text(82, "Ajaa autoa");
    expectGolden(r, g);
}

TEST(Records, legacyExtension) {
    LegacyExtensionRecord r;
    r.owner = 4;
    r.phone2 = "1234567";
    r.phone3 = "7654321";
    r.email = "a@b.fi";
    Golden<96> g;
    g.u16(0, 4).text(2, "1234567").text(18, "7654321").text(34, "a@b.fi");
    expectGolden(r, g);
}

TEST(Records, congregation) {
    CongregationRecord r;
    r.name = "Turku-Länsi";
    r.hallAddress1 = "Valtakatu 1";
    r.hallAddress2 = "20200 Turku";
    r.phone1 = "02-111";
    r.phone2 = "02-222";
    r.meetingTimeOdd = "10:00";
    r.congregationNumber = 5;
    r.circuitNumber = 30001;
    r.coordinatorBrother = 11;
    r.secretaryBrother = 12;
    r.talkCoordinatorBrother = 13;
    r.meetingTimeEven = "13:00";
    r.mapFile = "turku.jpg";
    r.meetingDayOdd = 6;
    r.meetingDayEven = 0;
    Golden<256> g;
    g.text(0, "Turku-L\xE4nsi").text(50, "Valtakatu 1").text(91, "20200 Turku").text(132, "02-111").text(148, "02-222");
    g.text(164, "10:00").u16(174, 5).u16(178, 30001).u16(182, 11).u16(184, 12).u16(186, 13);
    g.text(188, "13:00").text(198, "turku.jpg").u8(226, 6).u8(227, 0);
    expectGolden(r, g);
}

TEST(Records, circuitHospitalityTopic) {
    Golden<32> c;
    c.text(0, "Turun kierros").u16(30, 30002);
    expectGolden(CircuitRecord{"Turun kierros", 30002}, c);
    Golden<32> h;
    h.text(0, "~Virtaset").u16(30, 30001);
    expectGolden(HospitalityRecord{"~Virtaset", 30001}, h);
    Golden<48> t;
    t.text(0, "Perhe / Nuoret").u16(46, 5);
    expectGolden(TopicRecord{"Perhe / Nuoret", 5}, t);
}

TEST(Records, talk) {
    TalkRecord r;
    r.title = "Elämä Jumalan läheisyydessä";
    r.numberText = "S-31";
    r.talkNumber = 231;
    r.topics[0] = 4;
    r.topics[25] = 99;
    Golden<154> g;
    g.text(0, "El\xE4m\xE4 Jumalan l\xE4heisyydess\xE4").text(93, "S-31").u16(100, 231).u16(102, 4).u16(152, 99);
    expectGolden(r, g);
}

TEST(Records, week) {
    WeekRecord r;
    r.week = 1406;
    r.inSpeaker = 1;
    r.inTalk = 2;
    r.inSpeakerCongregation = 3;
    r.askedMark = 4;
    r.confirmedMark = 5;
    r.reminderMark = 6;
    r.chairman = 7;
    r.reader = 8;
    r.hospitality = 30009;
    r.flags = weekflag::inUse | weekflag::overseerVisit | weekflag::keepChairman;
    r.outSpeaker = {21, 22, 23, 24, 25, 26};
    r.outCongregation = {31, 32, 33, 34, 35, 36};
    r.outTalk = {41, 42, 43, 44, 45, 46};
    Golden<64> g;
    g.u16(0, 1406).u16(2, 1).u16(4, 2).u16(6, 3).u16(8, 4).u16(10, 5).u16(12, 6).u16(14, 7).u16(16, 8);
    g.u16(18, 30009).u16(20, 0x15);
    for (int k = 0; k < 6; ++k) {
        g.u16(28 + 2 * k, static_cast<std::uint16_t>(21 + k));
        g.u16(40 + 2 * k, static_cast<std::uint16_t>(31 + k));
        g.u16(52 + 2 * k, static_cast<std::uint16_t>(41 + k));
    }
    expectGolden(r, g);
}

TEST(Records, unavailabilityWishListSpecialEvent) {
    Golden<8> u;
    u.u16(0, 17).u16(2, 1410);
    UnavailabilityRecord ur;
    ur.brotherNumber = 17;
    ur.week = 1410;
    expectGolden(ur, u);

    WishList w;
    w.wanted.set(1);
    w.wanted.set(200);
    w.priorityOne.set(8);
    w.priorityThree.set(9);
    Golden<96> wg;
    wg.u8(0, 0x01).u8(24, 0x80).u8(32, 0x80).u8(65, 0x01);
    expectGolden(w, wg);
    EXPECT_EQ(w.priority(8), 1);
    EXPECT_EQ(w.priority(9), 3);
    EXPECT_EQ(w.priority(1), 2);

    SpecialEventRecord e;
    e.weekIndex = 1420;
    e.flags = weekflag::otherEvent | weekflag::keepReader;
    e.title = "Piirikonventti";
    e.theme = "Ole rohkea";
    Golden<144> eg;
    eg.u16(0, 1420).u16(2, 0x48).text(4, "Piirikonventti").text(44, "Ole rohkea");
    expectGolden(e, eg);
}

TEST(Records, reservedBytesSurviveARoundTrip) {
    // Bytes the program does not use are kept, so rewriting a record read
    // from a foreign file does not lose them.
    Golden<256> g;
    g.text(0, "A").u16(204, 1).u8(170, 0x5A).u8(255, 0xA5);
    auto r = BrotherRecord::decode(std::span<const std::uint8_t, 256>(g.b));
    EXPECT_EQ(r.encode(), g.b);
}

TEST(Records, summaryFlagsComeFromTheStatus) {
    BrotherRecord r;
    r.brotherNumber = 3;
    r.status = brotherstatus::ministerialServant | brotherstatus::untilFurtherNotice | 0x40;
    auto s = BrotherSummary::fromRecord(r, 3);
    EXPECT_TRUE(s.ministerialServant());
    EXPECT_FALSE(s.elder());
    EXPECT_TRUE(s.untilFurtherNotice());
    EXPECT_EQ(s.flags, 0x28); // bits 3 and 5 only
}

} // namespace
} // namespace orvek
