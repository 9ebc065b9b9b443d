#include <algorithm>
#include <numeric>

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {

// Stable sort of a table by a text key (the order of compareNames), with
// the keys computed once.
template <class Row, class KeyOf>
void sortByName(std::vector<Row>& rows, KeyOf keyOf) {
    if (rows.size() < 2) return;
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const auto& r : rows) keys.push_back(nameSortKey(keyOf(r)));
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

std::string withoutTilde(const std::string& name) {
    return !name.empty() && name[0] == '~' ? name.substr(1) : name;
}

template <class Row, class KeyOf>
std::size_t findRowPlusOne(const std::vector<Row>& rows, int key, KeyOf keyOf) {
    if (key == 0) return 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (keyOf(rows[i]) == key) return i + 1;
    return 0;
}

// The lowest key from `first` to `last` that no row uses, else last + 1.
template <class Row, class KeyOf>
int lowestFreeKey(const std::vector<Row>& rows, int first, int last, KeyOf keyOf) {
    std::vector<bool> used(static_cast<std::size_t>(last - first + 1), false);
    for (const auto& r : rows) {
        int k = keyOf(r);
        if (k >= first && k <= last) used[static_cast<std::size_t>(k - first)] = true;
    }
    for (int k = first; k <= last; ++k)
        if (!used[static_cast<std::size_t>(k - first)]) return k;
    return last + 1;
}

} // namespace

// ---------------------------------------------------------------- brothers

std::string COvDoc::brotherName(std::size_t row, bool lastFirst) const {
    if (row >= brothers.size()) return {};
    const BrotherSummary& b = brothers[row];
    return lastFirst ? b.lastName + ", " + b.firstName : b.firstName + " " + b.lastName;
}

std::string COvDoc::brotherNameByNumber(int brotherNumber, bool lastFirst) const {
    std::size_t row = findBrother(brotherNumber);
    return row == kNotFound ? std::string() : brotherName(row, lastFirst);
}

int COvDoc::findBrotherByName(std::string_view text) const {
    for (std::size_t i = 0; i < brothers.size(); ++i)
        if (brotherName(i, true) == text) return static_cast<int>(i);
    return -1;
}

std::size_t COvDoc::findBrother(int brotherNumber) const {
    if (brotherNumber == 0) return kNotFound;
    for (std::size_t i = 0; i < brothers.size(); ++i)
        if (brothers[i].brotherNumber == brotherNumber) return i;
    return kNotFound;
}

std::string COvDoc::brotherPhone(int brotherNumber) {
    std::size_t row = findBrother(brotherNumber);
    if (row == kNotFound) return {};
    BrotherRecord r;
    return readBrother(row, r) ? r.phone : std::string();
}

int COvDoc::brotherNumberAt(std::size_t row) const { return row < brothers.size() ? brothers[row].brotherNumber : 0; }

bool COvDoc::isLocalOutgoingSpeaker(std::size_t row) const {
    if (row >= brothers.size() || brothers[row].untilFurtherNotice()) return false;
    std::size_t e = localBrotherRow(brothers[row].brotherNumber);
    return e != 0 && (localBrothers[e - 1].roles & role::outgoingSpeaker);
}

bool COvDoc::isUntilFurtherNotice(int brother) const {
    std::size_t row = findBrother(brother);
    return row != kNotFound && brothers[row].untilFurtherNotice();
}

std::size_t COvDoc::localBrotherRow(int brotherNumber) const {
    return findRowPlusOne(localBrothers, brotherNumber, [](const LocalBrotherEntry& e) { return e.brotherNumber; });
}

int COvDoc::countLocalWithRole(int roleBit) const {
    return static_cast<int>(std::count_if(localBrothers.begin(), localBrothers.end(), [&](const LocalBrotherEntry& e) {
        return roleBit >= 0 && roleBit < 16 && ((e.roles >> roleBit) & 1);
    }));
}

int COvDoc::countBrothersOfCongregation(int congregationNumber) const {
    return static_cast<int>(std::count_if(brothers.begin(), brothers.end(), [&](const BrotherSummary& b) {
        return b.congregationNumber == congregationNumber;
    }));
}

// ----------------------------------------------------------- congregations

std::size_t COvDoc::findCongregation(int congregationNumber) const {
    return findRowPlusOne(congregations, congregationNumber,
                          [](const CongregationSummary& c) { return c.congregationNumber; });
}

std::string COvDoc::congregationName(std::size_t row, bool withPrefix) const {
    if (row >= congregations.size()) return {};
    if (!withPrefix) return congregations[row].name;
    return std::string(stringText(sid::congregationWord)) + " - " + congregations[row].name;
}

std::string COvDoc::congregationNameByNumber(int congregationNumber, bool withPrefix) const {
    std::size_t r = findCongregation(congregationNumber);
    return r ? congregationName(r - 1, withPrefix) : std::string();
}

std::string COvDoc::meetingTimeForYear(int congregationNumber, int year) const {
    std::size_t r = findCongregation(congregationNumber);
    if (!r) return {};
    const auto& c = congregations[r - 1];
    return year % 2 ? c.meetingTimeOdd : c.meetingTimeEven;
}

std::string COvDoc::meetingTimeForWeek(int congregationNumber, int weekIndex) const {
    std::size_t r = findCongregation(congregationNumber);
    if (!r) return {};
    const auto& c = congregations[r - 1];
    return yearParity(weekIndex) ? c.meetingTimeOdd : c.meetingTimeEven;
}

bool COvDoc::meetingDayDiffers(int congregationNumber, int weekIndex, int& day) const {
    std::size_t r = findCongregation(congregationNumber);
    if (!r) return false;
    int parity = yearParity(weekIndex);
    const auto& c = congregations[r - 1];
    day = parity ? c.meetingDayOdd : c.meetingDayEven;
    std::size_t own = findCongregation(settings.ownCongregationNumber);
    int ownDay = 0;
    if (own) ownDay = parity ? congregations[own - 1].meetingDayOdd : congregations[own - 1].meetingDayEven;
    return day != ownDay;
}

int COvDoc::contactOfCongregation(int congregationNumber) const {
    std::size_t r = findCongregation(congregationNumber);
    return r ? congregations[r - 1].talkCoordinatorBrother : 0;
}

// -------------------------------------------------------- circuits, hosts

int COvDoc::findCircuitByName(std::string_view text) const {
    for (const auto& c : circuits)
        if (c.name == text) return c.circuitNumber;
    return 0;
}

std::string COvDoc::circuitName(std::size_t row) const { return row < circuits.size() ? circuits[row].name : ""; }

std::size_t COvDoc::findCircuit(int circuitNumber) const {
    return findRowPlusOne(circuits, circuitNumber, [](const CircuitRecord& c) { return c.circuitNumber; });
}

std::string COvDoc::circuitNameByNumber(int circuitNumber) const {
    std::size_t r = findCircuit(circuitNumber);
    return r ? circuits[r - 1].name : std::string();
}

std::string COvDoc::hostName(std::size_t row, bool raw) const {
    if (row >= hosts.size()) return {};
    return raw ? hosts[row].name : withoutTilde(hosts[row].name);
}

std::string COvDoc::hostNameByNumber(int hospitalityNumber) const {
    std::size_t r = findHost(hospitalityNumber);
    return r ? hostName(r - 1, false) : std::string();
}

std::size_t COvDoc::findHost(int hospitalityNumber) const {
    return findRowPlusOne(hosts, hospitalityNumber, [](const HospitalityRecord& h) { return h.hospitalityNumber; });
}

// ------------------------------------------------------------------ talks

std::size_t COvDoc::findTalk(int talkNumber) const {
    if (talkNumber < 1 || talkNumber > 256) return kNotFound;
    for (std::size_t i = 0; i < talks.size(); ++i)
        if (talks[i].talkNumber == talkNumber) return i;
    return kNotFound;
}

std::string COvDoc::talkText(int talkNumber, bool withNumber, bool withWord) const {
    std::size_t row = findTalk(talkNumber);
    if (row == kNotFound) return {};
    const TalkRecord& t = talks[row];
    std::string out;
    if (withWord) out = std::string(stringText(sid::talkWord)) + " - ";
    out += t.title;
    if (withNumber) out += " ( " + t.numberText + " ) ";
    return out;
}

std::string COvDoc::talkNumberText(int talkNumber) const {
    std::size_t row = findTalk(talkNumber);
    return row == kNotFound ? std::string() : talks[row].numberText;
}

std::size_t COvDoc::specialEventRow(int weekIndex) const {
    for (std::size_t i = 0; i < specialEvents.size(); ++i)
        if (specialEvents[i].weekIndex == weekIndex) return i + 1;
    return 0;
}

// ---------------------------------------------------------- unavailability

bool COvDoc::addUnavailableWeek(int brother, int week) {
    unavailabilityChanged = true;
    auto b = static_cast<std::uint16_t>(brother);
    auto w = static_cast<std::uint16_t>(week);
    for (auto& r : unavailability) {
        if (r.brotherNumber == 0 || r.week < currentWeek - 1 || (r.brotherNumber == b && r.week == w)) {
            r = UnavailabilityRecord{};
            r.brotherNumber = b;
            r.week = w;
            return true;
        }
    }
    if (!roomFor(unavailability.size(), unavailabilityCapacity)) return false;
    UnavailabilityRecord r;
    r.brotherNumber = b;
    r.week = w;
    unavailability.push_back(r);
    return true;
}

void COvDoc::removeUnavailableWeek(int brother, int week) {
    unavailabilityChanged = true;
    for (auto& r : unavailability)
        if (r.brotherNumber == brother && r.week == week) r = UnavailabilityRecord{};
}

int COvDoc::unavailableWeeks(int brother, int limit, std::vector<int>* out) const {
    if (limit <= 0) limit = 55;
    if (out) out->clear();
    int n = 0;
    for (const auto& r : unavailability) {
        if (brother == 0 || r.brotherNumber != brother) continue;
        if (n >= limit) break;
        if (out) out->push_back(r.week);
        ++n;
    }
    return n;
}

bool COvDoc::isAvailable(int brother, int week) const {
    return std::none_of(unavailability.begin(), unavailability.end(), [&](const UnavailabilityRecord& r) {
        return r.brotherNumber != 0 && r.brotherNumber == brother && r.week == week;
    });
}

// ----------------------------------------------------------- assignments

int COvDoc::assignmentInWeek(int brotherNumber, int weekIndex, int skipKind) const {
    if (brotherNumber == 0) return kNoAssignment;
    WeekRecord w = weekRecord(weekIndex);
    if (skipKind != kOutgoingSpeaker &&
        std::find(w.outSpeaker.begin(), w.outSpeaker.end(), brotherNumber) != w.outSpeaker.end())
        return kOutgoingSpeaker;
    if (skipKind != kIncomingSpeaker && w.inSpeaker == brotherNumber) return kIncomingSpeaker;
    if (skipKind != kChairmanAssignment && w.chairman == brotherNumber) return kChairmanAssignment;
    if (skipKind != kReaderAssignment && w.reader == brotherNumber) return kReaderAssignment;
    return kNoAssignment;
}

int COvDoc::assignmentsAhead(int brotherNumber) const {
    int n = 0;
    for (int x = currentWeek; x < currentWeek + 55; ++x)
        if (assignmentInWeek(brotherNumber, x, kNoAssignment) != kNoAssignment) ++n;
    return n;
}

// ------------------------------------------------------------------ sorts

void COvDoc::sortBrothers() {
    bool firstFirst = sortByFirstName;
    sortByName(brothers, [firstFirst](const BrotherSummary& b) {
        return firstFirst ? b.firstName + " " + b.lastName : b.lastName + ", " + b.firstName;
    });
    if (tablesReady_) buildLocalBrothers();
}

void COvDoc::sortCongregations() {
    sortByName(congregations, [](const CongregationSummary& c) { return c.name; });
}
void COvDoc::sortCircuits() {
    sortByName(circuits, [](const CircuitRecord& c) { return c.name; });
}
void COvDoc::sortHosts() {
    sortByName(hosts, [](const HospitalityRecord& h) { return h.name; });
}
void COvDoc::sortTopics() {
    sortByName(topics, [](const TopicRecord& t) { return t.name; });
}

// ---------------------------------------------------- duplicate-name checks

int COvDoc::checkName(std::string_view name, bool replaceAllowed, std::size_t editedRow, std::size_t rows,
                      const std::function<std::string(std::size_t)>& nameOf, bool mayReplace) {
    std::string wanted = trimText(name);
    for (std::size_t i = 0; i < rows; ++i) {
        if (i == editedRow && !replaceAllowed) continue;
        std::string found = nameOf(i);
        if (!equalsIgnoreCase(trimText(found), wanted)) continue;
        int match = static_cast<int>(i) + 1;
        if (editedRow == kSilentCheck) return match;
        std::string text = found + " " + std::string(stringText(sid::nameExists)) + "\n\n";
        if (mayReplace && replaceAllowed) {
            text += stringText(sid::replaceWithNew);
            return host().messageBox({text, {}, Buttons::YesNo, Icon::Question, IDNO}) == IDYES ? match : -1;
        }
        host().showMessage(text, Icon::Warning);
        return match;
    }
    return 0;
}

int COvDoc::checkCongregationName(std::string_view name, bool replaceAllowed, std::size_t editedRow) {
    return checkName(name, replaceAllowed, editedRow, congregations.size(),
                     [&](std::size_t i) { return congregations[i].name; }, true);
}

int COvDoc::checkBrotherName(std::string_view name, bool replaceAllowed, std::size_t editedRow) {
    return checkName(name, replaceAllowed, editedRow, brothers.size(),
                     [&](std::size_t i) { return brotherName(i, false); }, true);
}

int COvDoc::checkCircuitName(std::string_view name, bool replaceAllowed, std::size_t editedRow) {
    return checkName(name, replaceAllowed, editedRow, circuits.size(), [&](std::size_t i) { return circuits[i].name; },
                     false);
}

int COvDoc::checkHostName(std::string_view name, bool replaceAllowed, std::size_t editedRow) {
    return checkName(withoutTilde(trimText(name)), replaceAllowed, editedRow, hosts.size(),
                     [&](std::size_t i) { return withoutTilde(hosts[i].name); }, false);
}

int COvDoc::checkTopicName(std::string_view name, bool replaceAllowed, std::size_t editedRow) {
    return checkName(name, replaceAllowed, editedRow, topics.size(), [&](std::size_t i) { return topics[i].name; },
                     false);
}

// --------------------------------------------------------------- new keys

int COvDoc::newCircuitNumber() const {
    return lowestFreeKey(circuits, 30001, 30999, [](const CircuitRecord& c) { return c.circuitNumber; });
}
int COvDoc::newHospitalityNumber() const {
    return lowestFreeKey(hosts, 30001, 30999, [](const HospitalityRecord& h) { return h.hospitalityNumber; });
}
int COvDoc::newTopicNumber() const {
    return lowestFreeKey(topics, 1, 99, [](const TopicRecord& t) { return t.topicNumber; });
}

// ---------------------------------------------------------- weeks, dates

DateContext COvDoc::dateContext() const {
    DateContext c;
    c.serviceYear = settings.serviceYear != 0;
    c.dayFirstDates = settings.dayFirstDates != 0;
    c.languageTag = languageTag;
    c.todayYY = todayYY;
    c.ownDayOdd = ownMeetingDayOdd;
    c.ownDayEven = ownMeetingDayEven;
    return c;
}

std::string COvDoc::weekDateText(int w, int flags, int code) const {
    return orvek::weekDateText(dateContext(), w, flags, code);
}

std::string COvDoc::formatDate(std::string_view d, int flags, int code) const {
    return orvek::formatDate(dateContext(), d, flags, code);
}

int COvDoc::yearParity(int weekIndex) const { return orvek::yearParity(dateContext(), weekIndex); }

} // namespace orvek
