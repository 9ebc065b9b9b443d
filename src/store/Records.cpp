#include "store/Records.h"

#include <algorithm>
#include <bit>

#include "store/Bytes.h"
#include "store/Text.h"

namespace orvek {

using bytes::getText;
using bytes::getU16;
using bytes::putText;
using bytes::putU16;

namespace {
template <std::size_t N>
void getRaw(std::span<const std::uint8_t> b, std::size_t off, std::array<std::uint8_t, N>& out) {
    std::copy_n(b.begin() + off, N, out.begin());
}
template <std::size_t N>
void putRaw(std::span<std::uint8_t> b, std::size_t off, const std::array<std::uint8_t, N>& in) {
    std::copy(in.begin(), in.end(), b.begin() + off);
}
bool blank(const std::string& s) { return trimText(s).empty(); }
} // namespace

int TalkSet::count() const {
    int n = 0;
    for (auto b : bits) n += std::popcount(b);
    return n;
}

bool TalkSet::any() const {
    return std::any_of(bits.begin(), bits.end(), [](std::uint8_t b) { return b != 0; });
}

TalkSet TalkSet::decode(std::span<const std::uint8_t> b, std::size_t off) {
    TalkSet t;
    std::copy_n(b.begin() + off, 32, t.bits.begin());
    return t;
}

void TalkSet::encode(std::span<std::uint8_t> b, std::size_t off) const {
    std::copy(bits.begin(), bits.end(), b.begin() + off);
}

// ---- BrotherRecord ----

BrotherRecord BrotherRecord::decode(std::span<const std::uint8_t, kSize> b) {
    BrotherRecord r;
    r.firstName = getText(b, 0, 20, 18);
    r.lastName = getText(b, 20, 20, 18);
    r.address1 = getText(b, 40, 40);
    r.address2 = getText(b, 80, 40);
    r.phone = getText(b, 120, 16, 14);
    r.talks = TalkSet::decode(b, 136);
    getRaw(b, 168, r.reserved1);
    r.status = b[200];
    r.roles = b[201];
    r.congregationNumber = getU16(b, 202);
    r.brotherNumber = getU16(b, 204);
    r.extensionNumber = getU16(b, 206);
    getRaw(b, 208, r.reserved2);
    return r;
}

std::array<std::uint8_t, BrotherRecord::kSize> BrotherRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    std::span<std::uint8_t> b(a);
    putText(b, 0, 20, firstName, 18);
    putText(b, 20, 20, lastName, 18);
    putText(b, 40, 40, address1);
    putText(b, 80, 40, address2);
    putText(b, 120, 16, phone, 14);
    talks.encode(b, 136);
    putRaw(b, 168, reserved1);
    b[200] = status;
    b[201] = roles;
    putU16(b, 202, congregationNumber);
    putU16(b, 204, brotherNumber);
    putU16(b, 206, extensionNumber);
    putRaw(b, 208, reserved2);
    return a;
}

// ---- BrotherExtensionRecord ----

BrotherExtensionRecord BrotherExtensionRecord::decode(std::span<const std::uint8_t, kSize> b) {
    BrotherExtensionRecord r;
    r.ownerBrotherNumber = getU16(b, 0);
    r.phone2 = getText(b, 2, 16, 14);
    r.phone3 = getText(b, 18, 16, 14);
    r.email = getText(b, 34, 48, 45);
    r.notes = getText(b, 82, 46, 45);
    return r;
}

std::array<std::uint8_t, BrotherExtensionRecord::kSize> BrotherExtensionRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    std::span<std::uint8_t> b(a);
    putU16(b, 0, ownerBrotherNumber);
    putText(b, 2, 16, phone2, 14);
    putText(b, 18, 16, phone3, 14);
    putText(b, 34, 48, email, 45);
    putText(b, 82, 46, notes, 45);
    return a;
}

bool BrotherExtensionRecord::hasText() const {
    return !blank(phone2) || !blank(phone3) || !blank(email) || !blank(notes);
}

// ---- LegacyExtensionRecord ----

LegacyExtensionRecord LegacyExtensionRecord::decode(std::span<const std::uint8_t, kSize> b) {
    LegacyExtensionRecord r;
    r.owner = getU16(b, 0);
    r.phone2 = getText(b, 2, 16);
    r.phone3 = getText(b, 18, 16);
    r.email = getText(b, 34, 62);
    return r;
}

std::array<std::uint8_t, LegacyExtensionRecord::kSize> LegacyExtensionRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    std::span<std::uint8_t> b(a);
    putU16(b, 0, owner);
    putText(b, 2, 16, phone2);
    putText(b, 18, 16, phone3);
    putText(b, 34, 62, email);
    return a;
}

// ---- CongregationRecord ----

CongregationRecord CongregationRecord::decode(std::span<const std::uint8_t, kSize> b) {
    CongregationRecord r;
    r.name = getText(b, 0, 50, 48);
    r.hallAddress1 = getText(b, 50, 41);
    r.hallAddress2 = getText(b, 91, 41);
    r.phone1 = getText(b, 132, 16, 14);
    r.phone2 = getText(b, 148, 16, 14);
    r.meetingTimeOdd = getText(b, 164, 10);
    r.congregationNumber = getU16(b, 174);
    getRaw(b, 176, r.reserved1);
    r.circuitNumber = getU16(b, 178);
    getRaw(b, 180, r.reserved2);
    r.coordinatorBrother = getU16(b, 182);
    r.secretaryBrother = getU16(b, 184);
    r.talkCoordinatorBrother = getU16(b, 186);
    r.meetingTimeEven = getText(b, 188, 10);
    r.mapFile = getText(b, 198, 28);
    r.meetingDayOdd = b[226];
    r.meetingDayEven = b[227];
    getRaw(b, 228, r.reserved3);
    return r;
}

std::array<std::uint8_t, CongregationRecord::kSize> CongregationRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    std::span<std::uint8_t> b(a);
    putText(b, 0, 50, name, 48);
    putText(b, 50, 41, hallAddress1);
    putText(b, 91, 41, hallAddress2);
    putText(b, 132, 16, phone1, 14);
    putText(b, 148, 16, phone2, 14);
    putText(b, 164, 10, meetingTimeOdd);
    putU16(b, 174, congregationNumber);
    putRaw(b, 176, reserved1);
    putU16(b, 178, circuitNumber);
    putRaw(b, 180, reserved2);
    putU16(b, 182, coordinatorBrother);
    putU16(b, 184, secretaryBrother);
    putU16(b, 186, talkCoordinatorBrother);
    putText(b, 188, 10, meetingTimeEven);
    putText(b, 198, 28, mapFile);
    b[226] = meetingDayOdd;
    b[227] = meetingDayEven;
    putRaw(b, 228, reserved3);
    return a;
}

// ---- Circuit, hospitality, topic ----

CircuitRecord CircuitRecord::decode(std::span<const std::uint8_t, kSize> b) {
    return {getText(b, 0, 30, 28), getU16(b, 30)};
}

std::array<std::uint8_t, CircuitRecord::kSize> CircuitRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    putText(a, 0, 30, name, 28);
    putU16(a, 30, circuitNumber);
    return a;
}

HospitalityRecord HospitalityRecord::decode(std::span<const std::uint8_t, kSize> b) {
    return {getText(b, 0, 30, 28), getU16(b, 30)};
}

std::array<std::uint8_t, HospitalityRecord::kSize> HospitalityRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    putText(a, 0, 30, name, 28);
    putU16(a, 30, hospitalityNumber);
    return a;
}

TopicRecord TopicRecord::decode(std::span<const std::uint8_t, kSize> b) {
    return {getText(b, 0, 46, 45), getU16(b, 46)};
}

std::array<std::uint8_t, TopicRecord::kSize> TopicRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    putText(a, 0, 46, name, 45);
    putU16(a, 46, topicNumber);
    return a;
}

// ---- TalkRecord ----

TalkRecord TalkRecord::decode(std::span<const std::uint8_t, kSize> b) {
    TalkRecord r;
    r.title = getText(b, 0, 93, 91);
    r.numberText = getText(b, 93, 7, 5);
    r.talkNumber = getU16(b, 100);
    for (int i = 0; i < kTopicSlots; ++i) r.topics[i] = getU16(b, 102 + 2 * i);
    return r;
}

std::array<std::uint8_t, TalkRecord::kSize> TalkRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    putText(a, 0, 93, title, 91);
    putText(a, 93, 7, numberText, 5);
    putU16(a, 100, talkNumber);
    for (int i = 0; i < kTopicSlots; ++i) putU16(a, 102 + 2 * i, topics[i]);
    return a;
}

// ---- WeekRecord ----

WeekRecord WeekRecord::decode(std::span<const std::uint8_t, kSize> b) {
    WeekRecord r;
    r.week = getU16(b, 0);
    r.inSpeaker = getU16(b, 2);
    r.inTalk = getU16(b, 4);
    r.inSpeakerCongregation = getU16(b, 6);
    r.askedMark = getU16(b, 8);
    r.confirmedMark = getU16(b, 10);
    r.reminderMark = getU16(b, 12);
    r.chairman = getU16(b, 14);
    r.reader = getU16(b, 16);
    r.hospitality = getU16(b, 18);
    r.flags = getU16(b, 20);
    getRaw(b, 22, r.reserved);
    for (int k = 0; k < kOutSlots; ++k) {
        r.outSpeaker[k] = getU16(b, 28 + 2 * k);
        r.outCongregation[k] = getU16(b, 40 + 2 * k);
        r.outTalk[k] = getU16(b, 52 + 2 * k);
    }
    return r;
}

std::array<std::uint8_t, WeekRecord::kSize> WeekRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    std::span<std::uint8_t> b(a);
    putU16(b, 0, week);
    putU16(b, 2, inSpeaker);
    putU16(b, 4, inTalk);
    putU16(b, 6, inSpeakerCongregation);
    putU16(b, 8, askedMark);
    putU16(b, 10, confirmedMark);
    putU16(b, 12, reminderMark);
    putU16(b, 14, chairman);
    putU16(b, 16, reader);
    putU16(b, 18, hospitality);
    putU16(b, 20, flags);
    putRaw(b, 22, reserved);
    for (int k = 0; k < kOutSlots; ++k) {
        putU16(b, 28 + 2 * k, outSpeaker[k]);
        putU16(b, 40 + 2 * k, outCongregation[k]);
        putU16(b, 52 + 2 * k, outTalk[k]);
    }
    return a;
}

bool WeekRecord::holdsData() const {
    WeekRecord empty;
    empty.week = week;
    return !(*this == empty);
}

// ---- UnavailabilityRecord ----

UnavailabilityRecord UnavailabilityRecord::decode(std::span<const std::uint8_t, kSize> b) {
    UnavailabilityRecord r;
    r.brotherNumber = getU16(b, 0);
    r.week = getU16(b, 2);
    getRaw(b, 4, r.reserved);
    return r;
}

std::array<std::uint8_t, UnavailabilityRecord::kSize> UnavailabilityRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    putU16(a, 0, brotherNumber);
    putU16(a, 2, week);
    putRaw(a, 4, reserved);
    return a;
}

// ---- WishList ----

WishList WishList::decode(std::span<const std::uint8_t, kSize> b) {
    return {TalkSet::decode(b, 0), TalkSet::decode(b, 32), TalkSet::decode(b, 64)};
}

std::array<std::uint8_t, WishList::kSize> WishList::encode() const {
    std::array<std::uint8_t, kSize> a{};
    wanted.encode(a, 0);
    priorityOne.encode(a, 32);
    priorityThree.encode(a, 64);
    return a;
}

int WishList::priority(int talk) const {
    if (priorityOne.has(talk)) return 1;
    if (priorityThree.has(talk)) return 3;
    return 2;
}

// ---- SpecialEventRecord ----

SpecialEventRecord SpecialEventRecord::decode(std::span<const std::uint8_t, kSize> b) {
    SpecialEventRecord r;
    r.weekIndex = getU16(b, 0);
    r.flags = getU16(b, 2);
    r.title = getText(b, 4, 40, 38);
    r.theme = getText(b, 44, 96, 94);
    getRaw(b, 140, r.reserved);
    return r;
}

std::array<std::uint8_t, SpecialEventRecord::kSize> SpecialEventRecord::encode() const {
    std::array<std::uint8_t, kSize> a{};
    std::span<std::uint8_t> b(a);
    putU16(b, 0, weekIndex);
    putU16(b, 2, flags);
    putText(b, 4, 40, title, 38);
    putText(b, 44, 96, theme, 94);
    putRaw(b, 140, reserved);
    return a;
}

// ---- Summaries ----

BrotherSummary BrotherSummary::fromRecord(const BrotherRecord& r, std::uint16_t position) {
    BrotherSummary s;
    s.firstName = r.firstName;
    s.lastName = r.lastName;
    s.talks = r.talks;
    s.brotherNumber = r.brotherNumber;
    s.congregationNumber = r.congregationNumber;
    s.recordPosition = position;
    s.extensionNumber = r.extensionNumber;
    s.flags = static_cast<std::uint8_t>(((r.status & brotherstatus::serviceMask) << 3) |
                                        (r.status & brotherstatus::untilFurtherNotice));
    return s;
}

CongregationSummary CongregationSummary::fromRecord(const CongregationRecord& r, std::uint16_t position) {
    CongregationSummary s;
    s.name = r.name;
    s.congregationNumber = r.congregationNumber;
    s.circuitNumber = r.circuitNumber;
    s.coordinatorBrother = r.coordinatorBrother;
    s.talkCoordinatorBrother = r.talkCoordinatorBrother;
    s.secretaryBrother = r.secretaryBrother;
    s.recordPosition = position;
    s.meetingTimeOdd = r.meetingTimeOdd;
    s.meetingTimeEven = r.meetingTimeEven;
    s.meetingDayOdd = r.meetingDayOdd;
    s.meetingDayEven = r.meetingDayEven;
    return s;
}

} // namespace orvek
