#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvek {

// A set of talk numbers 1..256: talk n is bit (n-1) % 8 of byte (n-1) / 8.
struct TalkSet {
    std::array<std::uint8_t, 32> bits{};

    bool has(int talk) const {
        if (talk < 1 || talk > 256) return false;
        return (bits[(talk - 1) / 8] >> ((talk - 1) % 8)) & 1;
    }
    void set(int talk, bool on = true) {
        if (talk < 1 || talk > 256) return;
        auto& b = bits[(talk - 1) / 8];
        auto mask = static_cast<std::uint8_t>(1u << ((talk - 1) % 8));
        b = on ? static_cast<std::uint8_t>(b | mask) : static_cast<std::uint8_t>(b & ~mask);
    }
    int count() const;
    bool any() const;
    void clear() { bits.fill(0); }
    bool operator==(const TalkSet&) const = default;

    static TalkSet decode(std::span<const std::uint8_t> b, std::size_t off);
    void encode(std::span<std::uint8_t> b, std::size_t off) const;
};

// Week flag bits of WeekRecord.flags and SpecialEventRecord.flags.
namespace weekflag {
constexpr std::uint16_t inUse = 1 << 0;
constexpr std::uint16_t convention = 1 << 1;
constexpr std::uint16_t overseerVisit = 1 << 2;
constexpr std::uint16_t otherEvent = 1 << 3;
constexpr std::uint16_t keepChairman = 1 << 4;
constexpr std::uint16_t keepHospitality = 1 << 5;
constexpr std::uint16_t keepReader = 1 << 6;
constexpr std::uint16_t eventBits = 0x7E; // bits 1..6
} // namespace weekflag

// Status bits of BrotherRecord.status.
namespace brotherstatus {
constexpr std::uint8_t ministerialServant = 1;
constexpr std::uint8_t elder = 2;
constexpr std::uint8_t serviceMask = 3;
constexpr std::uint8_t untilFurtherNotice = 1 << 5;
} // namespace brotherstatus

// speakers.dat, 256 bytes: one brother at position brotherNumber.
struct BrotherRecord {
    static constexpr std::size_t kSize = 256;
    std::string firstName;  // 20 bytes at 0
    std::string lastName;   // 20 at 20
    std::string address1;   // 40 at 40
    std::string address2;   // 40 at 80
    std::string phone;      // 16 at 120
    TalkSet talks;          // 32 at 136
    std::array<std::uint8_t, 32> reserved1{}; // 168
    std::uint8_t status = 0;                  // 200
    std::uint8_t roles = 0;                   // 201
    std::uint16_t congregationNumber = 0;     // 202
    std::uint16_t brotherNumber = 0;          // 204
    std::uint16_t extensionNumber = 0;        // 206
    std::array<std::uint8_t, 48> reserved2{}; // 208

    static BrotherRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const BrotherRecord&) const = default;
};

// xtend.dat, 128 bytes: record n at (n - 1) * 128.
struct BrotherExtensionRecord {
    static constexpr std::size_t kSize = 128;
    std::uint16_t ownerBrotherNumber = 0; // 0
    std::string phone2;                   // 16 at 2
    std::string phone3;                   // 16 at 18
    std::string email;                    // 48 at 34, at most 45 characters
    std::string notes;                    // 46 at 82, at most 45 characters

    static BrotherExtensionRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const BrotherExtensionRecord&) const = default;
    // Whether any of the four texts is non-blank.
    bool hasText() const;
};

// The old extend.dat, 96 bytes; read only to convert it.
struct LegacyExtensionRecord {
    static constexpr std::size_t kSize = 96;
    std::uint16_t owner = 0;
    std::string phone2; // 16 at 2
    std::string phone3; // 16 at 18
    std::string email;  // 62 at 34

    static LegacyExtensionRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
};

// cong.dat, 256 bytes: one congregation at position congregationNumber.
struct CongregationRecord {
    static constexpr std::size_t kSize = 256;
    std::string name;                        // 50 at 0, at most 48 characters
    std::string hallAddress1;                // 41 at 50
    std::string hallAddress2;                // 41 at 91
    std::string phone1;                      // 16 at 132, at most 14
    std::string phone2;                      // 16 at 148, at most 14
    std::string meetingTimeOdd;              // 10 at 164
    std::uint16_t congregationNumber = 0;    // 174
    std::array<std::uint8_t, 2> reserved1{}; // 176
    std::uint16_t circuitNumber = 0;         // 178
    std::array<std::uint8_t, 2> reserved2{}; // 180
    std::uint16_t coordinatorBrother = 0;    // 182
    std::uint16_t secretaryBrother = 0;      // 184
    std::uint16_t talkCoordinatorBrother = 0; // 186
    std::string meetingTimeEven;             // 10 at 188
    std::string mapFile;                     // 28 at 198
    std::uint8_t meetingDayOdd = 0;          // 226
    std::uint8_t meetingDayEven = 0;         // 227
    std::array<std::uint8_t, 28> reserved3{}; // 228

    static CongregationRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const CongregationRecord&) const = default;
};

// circuit.dat, 32 bytes.
struct CircuitRecord {
    static constexpr std::size_t kSize = 32;
    std::string name;               // 30 at 0, at most 28 characters
    std::uint16_t circuitNumber = 0; // 30

    static CircuitRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const CircuitRecord&) const = default;
};

// hospital.dat, 32 bytes. A leading "~" in the name keeps the host out of
// the automatic rotation.
struct HospitalityRecord {
    static constexpr std::size_t kSize = 32;
    std::string name;                    // 30 at 0, at most 28 characters
    std::uint16_t hospitalityNumber = 0; // 30

    static HospitalityRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const HospitalityRecord&) const = default;
};

// talk.dat, 154 bytes, 256 records.
struct TalkRecord {
    static constexpr std::size_t kSize = 154;
    static constexpr int kTopicSlots = 26;
    std::string title;                        // 93 at 0, at most 91 characters
    std::string numberText;                   // 7 at 93, at most 5 characters
    std::uint16_t talkNumber = 0;             // 100
    std::array<std::uint16_t, kTopicSlots> topics{}; // 102

    static TalkRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const TalkRecord&) const = default;
};

// topic.dat, 48 bytes.
struct TopicRecord {
    static constexpr std::size_t kSize = 48;
    std::string name;              // 46 at 0, at most 45 characters
    std::uint16_t topicNumber = 0; // 46

    static TopicRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const TopicRecord&) const = default;
};

// history.dat, 64 bytes: the schedule of one week.
struct WeekRecord {
    static constexpr std::size_t kSize = 64;
    static constexpr int kOutSlots = 6;
    std::uint16_t week = 0;
    std::uint16_t inSpeaker = 0;
    std::uint16_t inTalk = 0;
    std::uint16_t inSpeakerCongregation = 0;
    std::uint16_t askedMark = 0;
    std::uint16_t confirmedMark = 0;
    std::uint16_t reminderMark = 0;
    std::uint16_t chairman = 0;
    std::uint16_t reader = 0;
    std::uint16_t hospitality = 0;
    std::uint16_t flags = 0;
    std::array<std::uint8_t, 6> reserved{};
    std::array<std::uint16_t, kOutSlots> outSpeaker{};
    std::array<std::uint16_t, kOutSlots> outCongregation{};
    std::array<std::uint16_t, kOutSlots> outTalk{};

    static WeekRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const WeekRecord&) const = default;
    bool inUse() const { return flags & weekflag::inUse; }
    // Whether the record holds anything besides its week number.
    bool holdsData() const;
};

// blackout.dat, 8 bytes.
struct UnavailabilityRecord {
    static constexpr std::size_t kSize = 8;
    std::uint16_t brotherNumber = 0;
    std::uint16_t week = 0;
    std::array<std::uint8_t, 4> reserved{};

    static UnavailabilityRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const UnavailabilityRecord&) const = default;
};

// wishlist.dat, one record of 96 bytes: the local needs.
struct WishList {
    static constexpr std::size_t kSize = 96;
    TalkSet wanted;
    TalkSet priorityOne;
    TalkSet priorityThree;

    static WishList decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const WishList&) const = default;
    // 1 (high), 2 (medium) or 3 (low).
    int priority(int talk) const;
};

// special.dat, 144 bytes.
struct SpecialEventRecord {
    static constexpr std::size_t kSize = 144;
    std::uint16_t weekIndex = 0;
    std::uint16_t flags = 0;
    std::string title;  // 40 at 4, at most 38 characters
    std::string theme;  // 96 at 44, at most 94 characters
    std::array<std::uint8_t, 4> reserved{};

    static SpecialEventRecord decode(std::span<const std::uint8_t, kSize> b);
    std::array<std::uint8_t, kSize> encode() const;
    bool operator==(const SpecialEventRecord&) const = default;
};

// In-memory row of the brothers table.
struct BrotherSummary {
    std::string firstName;
    std::string lastName;
    TalkSet talks;
    std::uint16_t brotherNumber = 0;
    std::uint16_t congregationNumber = 0;
    std::uint16_t recordPosition = 0;
    std::uint16_t extensionNumber = 0;
    std::uint8_t flags = 0;

    // Summary flag bits.
    static constexpr std::uint8_t kMinisterialServant = 1 << 3;
    static constexpr std::uint8_t kElder = 1 << 4;
    static constexpr std::uint8_t kUntilFurtherNotice = 1 << 5;

    static BrotherSummary fromRecord(const BrotherRecord& r, std::uint16_t position);
    bool untilFurtherNotice() const { return flags & kUntilFurtherNotice; }
    bool ministerialServant() const { return flags & kMinisterialServant; }
    bool elder() const { return flags & kElder; }
};

// In-memory row of the congregations table.
struct CongregationSummary {
    std::string name;
    std::uint16_t congregationNumber = 0;
    std::uint16_t circuitNumber = 0;
    std::uint16_t coordinatorBrother = 0;
    std::uint16_t talkCoordinatorBrother = 0;
    std::uint16_t secretaryBrother = 0;
    std::uint16_t recordPosition = 0;
    std::string meetingTimeOdd;
    std::string meetingTimeEven;
    std::uint8_t meetingDayOdd = 0;
    std::uint8_t meetingDayEven = 0;

    static CongregationSummary fromRecord(const CongregationRecord& r, std::uint16_t position);
};

// One brother of the own congregation with his local role bits.
struct LocalBrotherEntry {
    std::uint16_t brotherNumber = 0;
    std::uint16_t row = 0; // index in the brothers table
    std::uint16_t roles = 0;
};

// Local role bits of LocalBrotherEntry.roles and BrotherRecord.roles.
namespace role {
constexpr std::uint16_t outgoingSpeaker = 1 << 1;
constexpr std::uint16_t chairman = 1 << 2;
constexpr std::uint16_t reader = 1 << 4;
} // namespace role

} // namespace orvek
