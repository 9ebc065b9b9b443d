#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "store/Bytes.h"
#include "store/Records.h"

namespace orvek {
namespace {

// A record of the given type whose every byte is `fill`: every text field is
// full to its last byte, with no terminator.
template <class R> std::array<std::uint8_t, R::kSize> filled(std::uint8_t fill) {
    std::array<std::uint8_t, R::kSize> b{};
    b.fill(fill);
    return b;
}

// Reading, writing and reading again gives what the first read gave: no text
// field reads more than a write of it keeps.
template <class R> void expectStableRoundTrip(std::uint8_t fill) {
    auto bytes = filled<R>(fill);
    R first = R::decode(bytes);
    R second = R::decode(first.encode());
    EXPECT_TRUE(first == second) << "record of " << R::kSize << " bytes filled with " << int(fill);
    EXPECT_EQ(second.encode(), first.encode());
}

TEST(TextFieldLimit, everyRecordTypeReadsWhatItWrites) {
    for (std::uint8_t fill : {std::uint8_t{'A'}, std::uint8_t{0xE4}, std::uint8_t{0x81}}) {
        expectStableRoundTrip<BrotherRecord>(fill);
        expectStableRoundTrip<BrotherExtensionRecord>(fill);
        expectStableRoundTrip<CongregationRecord>(fill);
        expectStableRoundTrip<CircuitRecord>(fill);
        expectStableRoundTrip<HospitalityRecord>(fill);
        expectStableRoundTrip<TalkRecord>(fill);
        expectStableRoundTrip<TopicRecord>(fill);
        expectStableRoundTrip<SpecialEventRecord>(fill);
    }
}

TEST(TextFieldLimit, aFieldReadsAtMostItsLimit) {
    // A talk title of 92 characters in its 93-byte field: the field holds 91.
    std::array<std::uint8_t, TalkRecord::kSize> b{};
    for (std::size_t i = 0; i < 92; ++i) b[i] = 'T';
    for (std::size_t i = 93; i < 99; ++i) b[i] = '9'; // number text of six characters
    TalkRecord t = TalkRecord::decode(b);
    EXPECT_EQ(t.title, std::string(91, 'T'));
    EXPECT_EQ(t.numberText, "99999");

    auto topic = TopicRecord::decode(filled<TopicRecord>('x'));
    EXPECT_EQ(topic.name, std::string(45, 'x'));
    auto event = SpecialEventRecord::decode(filled<SpecialEventRecord>('e'));
    EXPECT_EQ(event.title, std::string(38, 'e'));
    EXPECT_EQ(event.theme, std::string(94, 'e'));
}

TEST(TextFieldLimit, aFieldWithoutOwnLimitReadsUpToItsTerminatorByte) {
    std::array<std::uint8_t, 12> b{};
    b.fill('z');
    EXPECT_EQ(bytes::getText(b, 2, 10), std::string(9, 'z'));
    EXPECT_EQ(bytes::getText(b, 2, 10, 4), "zzzz");
    b[5] = 0;
    EXPECT_EQ(bytes::getText(b, 2, 10), "zzz");
}

TEST(TextFieldLimit, textsWithinTheLimitsAreUnchanged) {
    TalkRecord t;
    t.title = std::string(91, 'a');
    t.numberText = "S-56";
    t.talkNumber = 256;
    EXPECT_TRUE(TalkRecord::decode(t.encode()) == t);

    BrotherRecord r;
    r.firstName = std::string(18, 'f');
    r.lastName = "Öhman";
    r.address1 = std::string(39, 'a');
    r.phone = std::string(14, '1');
    r.brotherNumber = 3;
    EXPECT_TRUE(BrotherRecord::decode(r.encode()) == r);
}

} // namespace
} // namespace orvek
