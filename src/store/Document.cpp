#include "store/Document.h"

#include <algorithm>
#include <array>

#include "platform/Clock.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Bytes.h"
#include "store/Text.h"

namespace orvek {

namespace fs = std::filesystem;

namespace {

// Default topic of talks 1..230 when talk.dat is created.
constexpr std::array<std::pair<int, std::array<int, 27>>, 10> kDefaultTopics = {{
    {1, {4, 26, 54, 80, 88, 99, 100, 101, 114, 124, 133, 137, 139, 145, 150}},
    {2, {7, 10, 12, 14, 15, 48, 68, 69, 72, 76, 77, 78, 103, 112, 144, 148, 157}},
    {3, {17, 63, 65, 66, 81}},
    {4, {1, 9, 16, 18, 22, 31, 39, 46, 67, 70, 71, 74, 87, 142, 147, 149, 151, 158, 159}},
    {5, {5, 13, 27, 28, 29, 30, 104, 110, 113, 118, 146}},
    {6, {19, 21, 23, 24, 35, 37, 42, 44, 47, 49, 60, 61, 62, 75, 85, 90, 91, 109, 111, 120, 122, 130, 132, 140,
         154, 162}},
    {7, {2, 6, 20, 34, 38, 40, 41, 84, 93, 102, 106, 108, 121, 152, 153, 156}},
    {8, {3, 8, 36, 43, 45, 52, 55, 56, 58, 82, 83, 86, 89, 92, 94, 95, 96, 125, 126, 127, 128, 129, 134, 135, 136,
         155, 161}},
    {9, {32, 50, 57, 73, 105, 117, 141, 143}},
    {10, {11, 25, 33, 51, 53, 59, 64, 79, 97, 98, 107, 115, 116, 119, 123, 131, 138, 160}},
}};

int defaultTopicOf(int talk) {
    if (talk > 230) return 0;
    for (const auto& [topic, list] : kDefaultTopics)
        for (int t : list)
            if (t == talk) return topic;
    return 0;
}

std::string defaultNumberText(int n) { return n <= 230 ? decimal(n) : "S-" + decimal(n - 200); }

TalkRecord defaultTalk(int n) {
    TalkRecord t;
    t.talkNumber = static_cast<std::uint16_t>(n);
    t.title = std::string(stringText(sid::firstTalkTitle + n));
    t.numberText = defaultNumberText(n);
    t.topics[0] = static_cast<std::uint16_t>(defaultTopicOf(n));
    return t;
}

template <class R>
std::span<const std::uint8_t, R::kSize> recordAt(const Bytes& b, std::size_t i) {
    return std::span<const std::uint8_t, R::kSize>(b.data() + i * R::kSize, R::kSize);
}

template <class R>
std::size_t wholeRecords(const Bytes& b) {
    return b.size() / R::kSize;
}

// Reads a sequential file of records to its end (a trailing partial record
// is ignored), at most `capacity` rows.
template <class R>
std::vector<R> readSequential(FileSystem& fs, const fs::path& p, std::size_t capacity) {
    std::vector<R> rows;
    auto data = fs.readFile(p);
    if (!data) return rows;
    std::size_t n = std::min(wholeRecords<R>(*data), capacity);
    rows.reserve(n);
    for (std::size_t i = 0; i < n; ++i) rows.push_back(R::decode(recordAt<R>(*data, i)));
    return rows;
}

template <class R>
Bytes encodeAll(const std::vector<R>& rows) {
    Bytes out;
    out.reserve(rows.size() * R::kSize);
    for (const auto& r : rows) {
        auto e = r.encode();
        out.insert(out.end(), e.begin(), e.end());
    }
    return out;
}

} // namespace

COvDoc::COvDoc(FileSystem& fs, const Clock& clock, Host& host, fs::path dataFolder)
    : fs_(fs), clock_(clock), host_(&host), folder_(std::move(dataFolder)) {}

fs::path COvDoc::filePath(int fileNameId) const { return folder_ / pathFromUtf8(stringText(fileNameId)); }

fs::path COvDoc::iniPath() const { return filePath(sid::iniFileName); }

void COvDoc::reportWriteFailure(const fs::path& p) {
    host().showMessage(substitute(stringText(sid::fileWriteFailed), pathToUtf8(p)), Icon::Error);
}

bool COvDoc::roomFor(std::size_t count, std::size_t capacity) {
    if (count < capacity) return true;
    host().showMessage(substitute(stringText(sid::tableFull), decimal(static_cast<long long>(capacity))),
                       Icon::Warning);
    return false;
}

// ---------------------------------------------------------------- life cycle

bool COvDoc::startUp() {
    dataChanged = 0;
    CivilDate now = clock_.today();
    baseWeek = now.year >= 2010 ? static_cast<std::uint16_t>(52 * (now.year - 2009)) : 0;
    languageTag = std::string(stringText(sid::languageTag));
    loadSettings();
    today = todayString(clock_);
    todayYY = now.year - 2000;
    currentWeek = weekOfDate(today);
    firstShownWeek = currentWeek;
    sortByFirstName = false;
    if (!allocate()) return true;
    runRenames();
    convertExtensionFile();
    loadExtensionCount();
    loadBrothers();
    loadCongregations();
    loadCircuits();
    loadHospitality();
    loadTalks();
    loadTopics();
    buildLocalBrothers();
    loadWeeks();
    loadUnavailability();
    loadWishList();
    loadSpecialEvents();
    tablesReady_ = true;
    return true;
}

bool COvDoc::reload() {
    releaseTables();
    if (!allocate()) return false;
    runRenames();
    loadExtensionCount();
    loadBrothers();
    loadCongregations();
    loadCircuits();
    loadHospitality();
    loadTalks();
    loadTopics();
    loadSettings();
    buildLocalBrothers();
    loadWeeks();
    loadUnavailability();
    loadWishList();
    loadSpecialEvents();
    tablesReady_ = true;
    return true;
}

void COvDoc::shutDown() { releaseTables(); }

void COvDoc::releaseTables() {
    tablesReady_ = false;
    brothers = {};
    congregations = {};
    circuits = {};
    hosts = {};
    talks = {};
    topics = {};
    weeks = {};
    unavailability = {};
    specialEvents = {};
    localBrothers = {};
    weeksOutsideWindow_ = {};
    wishList = {};
}

bool COvDoc::allocate() {
    auto size = [&](int id) { return static_cast<std::size_t>(fs_.fileSize(filePath(id)).value_or(0)); };
    std::size_t speakers = size(datafile::speakers);
    brothersCapacity = speakers / BrotherRecord::kSize + 305;
    congregationsCapacity = size(datafile::cong) / CongregationRecord::kSize + 305;
    circuitsCapacity = size(datafile::circuit) / CircuitRecord::kSize + 55;
    hostsCapacity = size(datafile::hospital) / HospitalityRecord::kSize + 55;
    topicsCapacity = size(datafile::topic) / TopicRecord::kSize + 105;
    unavailabilityCapacity =
        size(datafile::blackout) / UnavailabilityRecord::kSize + 2 * (speakers / BrotherRecord::kSize) + 1015;
    specialEventsCapacity = size(datafile::special) / SpecialEventRecord::kSize + 105;
    brothers.reserve(brothersCapacity);
    congregations.reserve(congregationsCapacity);
    localBrothers.reserve(kLocalBrothersCapacity);
    weeks.assign(kWindowWeeks, WeekRecord{});
    talks.assign(kTalkRows, TalkRecord{});
    return true;
}

// ------------------------------------------------------------ conversions

void COvDoc::runRenames() {
    if (languageTag == "HT") {
        static const std::pair<int, const char*> kOld[] = {
            {datafile::speakers, "Oratè.dat"}, {datafile::cong, "Kong.dat"},
            {datafile::circuit, "Sikonskripsyon.dat"}, {datafile::hospital, "Ospital.dat"},
            {datafile::topic, "Sijè.dat"}, {datafile::history, "Istwa.dat"},
            {datafile::wishlist, "Nou vle.dat"}, {datafile::special, "espesyal.dat"},
        };
        for (const auto& [id, old] : kOld) {
            fs::path to = filePath(id);
            fs::path from = folder_ / pathFromUtf8(old);
            if (!fs_.exists(to) && fs_.exists(from)) fs_.rename(from, to);
        }
    }
    if (languageTag == "italian") {
        fs::path from = folder_ / "oratori.dat";
        fs::path to = filePath(datafile::speakers);
        if (fs_.fileSize(from).value_or(0) > fs_.fileSize(to).value_or(0)) {
            fs_.remove(to);
            fs_.rename(from, to);
        }
    }
}

void COvDoc::convertExtensionFile() {
    fs::path xtend = filePath(datafile::xtend);
    if (fs_.exists(xtend)) return;
    auto legacy = fs_.readFile(folder_ / "extend.dat");
    if (!legacy || wholeRecords<LegacyExtensionRecord>(*legacy) == 0) return;
    Bytes out;
    for (std::size_t i = 0; i < wholeRecords<LegacyExtensionRecord>(*legacy); ++i) {
        auto old = LegacyExtensionRecord::decode(recordAt<LegacyExtensionRecord>(*legacy, i));
        BrotherExtensionRecord r;
        r.ownerBrotherNumber = old.owner;
        r.phone2 = old.phone2;
        r.phone3 = old.phone3;
        r.email = old.email;
        auto e = r.encode();
        out.insert(out.end(), e.begin(), e.end());
    }
    if (fs_.writeFileAtomic(xtend, out) != WriteError::None) reportWriteFailure(xtend);
}

// ------------------------------------------------------------------ loads

void COvDoc::loadExtensionCount() {
    fs::path p = filePath(datafile::xtend);
    if (auto size = fs_.fileSize(p)) {
        xtendRecordsInFile = static_cast<int>(*size / BrotherExtensionRecord::kSize);
        return;
    }
    xtendRecordsInFile = 0;
    Bytes zero(BrotherExtensionRecord::kSize, 0);
    if (fs_.writeFileAtomic(p, zero) != WriteError::None) reportWriteFailure(p);
}

// Reads speakers.dat or cong.dat: every record from position 1 on whose key
// field is set becomes a row; a missing file is created with its zero record.
template <class R, class Row>
int COvDoc::loadNumbered(int fileNameId, std::size_t keyOffset, std::vector<Row>& rows, std::size_t capacity,
                         const std::function<void(const Row&)>& loaded) {
    rows.clear();
    fs::path p = filePath(fileNameId);
    auto data = fs_.readFile(p);
    if (!data) {
        Bytes zero(R::kSize, 0);
        if (fs_.writeFileAtomic(p, zero) != WriteError::None) reportWriteFailure(p);
        return 1;
    }
    std::size_t n = wholeRecords<R>(*data);
    for (std::size_t pos = 1; pos < n && rows.size() < capacity; ++pos) {
        auto rec = recordAt<R>(*data, pos);
        if (bytes::getU16(rec, keyOffset) == 0) continue;
        rows.push_back(Row::fromRecord(R::decode(rec), static_cast<std::uint16_t>(pos)));
        if (loaded) loaded(rows.back());
    }
    return static_cast<int>(n);
}

void COvDoc::loadBrothers() {
    speakersRecordsInFile = loadNumbered<BrotherRecord>(datafile::speakers, 204, brothers, brothersCapacity, {});
    if (brothers.size() > 1) sortBrothers();
}

void COvDoc::setOwnMeetingDays(const CongregationSummary& c) {
    auto offset = [](std::uint8_t day) -> std::uint8_t { return day == 0 || day > 7 ? 6 : day - 1; };
    ownMeetingDayOdd = offset(c.meetingDayOdd);
    ownMeetingDayEven = offset(c.meetingDayEven);
}

void COvDoc::loadCongregations() {
    congRecordsInFile = loadNumbered<CongregationRecord, CongregationSummary>(
        datafile::cong, 174, congregations, congregationsCapacity, [this](const CongregationSummary& c) {
            if (c.congregationNumber == settings.ownCongregationNumber) setOwnMeetingDays(c);
        });
    if (congregations.size() > 1) sortCongregations();
}

void COvDoc::loadCircuits() {
    circuits = readSequential<CircuitRecord>(fs_, filePath(datafile::circuit), circuitsCapacity);
    if (circuits.size() > 1) sortCircuits();
}

void COvDoc::loadHospitality() {
    hosts = readSequential<HospitalityRecord>(fs_, filePath(datafile::hospital), hostsCapacity);
    if (hosts.size() > 1) sortHosts();
}

void COvDoc::loadTalks() {
    talks.assign(kTalkRows, TalkRecord{});
    auto data = fs_.readFile(filePath(datafile::talk));
    std::size_t n = data ? std::min(wholeRecords<TalkRecord>(*data), kTalkRows) : 0;
    for (std::size_t i = 0; i < n; ++i) talks[i] = TalkRecord::decode(recordAt<TalkRecord>(*data, i));
    // Rows the file does not hold (a missing or short file) get the defaults.
    for (std::size_t i = n; i < kTalkRows; ++i) talks[i] = defaultTalk(static_cast<int>(i) + 1);
    if (!data) return;
    for (std::size_t i = 160; i < 230 && i < n; ++i) {
        TalkRecord& t = talks[i];
        if (!t.numberText.empty() && t.numberText[0] == 'S') t.numberText = decimal(t.talkNumber);
        if (trimText(t.title).empty()) {
            std::string def = std::string(stringText(sid::firstTalkTitle + t.talkNumber));
            if (t.talkNumber >= 1 && t.talkNumber <= 256 && !trimText(def).empty()) t.title = def;
        }
    }
}

void COvDoc::loadTopics() {
    fs::path p = filePath(datafile::topic);
    if (fs_.exists(p)) {
        topics = readSequential<TopicRecord>(fs_, p, topicsCapacity);
    } else {
        topics.clear();
        for (int i = 0; i < 10; ++i)
            topics.push_back({std::string(stringText(sid::firstTopicName + i)), static_cast<std::uint16_t>(i + 1)});
    }
    if (!topics.empty()) sortTopics();
}

void COvDoc::loadWeeks() {
    weeks.assign(kWindowWeeks, WeekRecord{});
    weeksOutsideWindow_.clear();
    for (int i = 0; i < kWindowWeeks; ++i) weeks[i].week = static_cast<std::uint16_t>(baseWeek + i + 1);
    auto data = fs_.readFile(filePath(datafile::history));
    if (!data) return;
    const int last = baseWeek + kWindowWeeks; // the window's last week number
    int c = baseWeek;
    for (std::size_t i = 0; i < wholeRecords<WeekRecord>(*data); ++i) {
        WeekRecord r = WeekRecord::decode(recordAt<WeekRecord>(*data, i));
        int w = r.week;
        if (w == 0) continue;
        if (w <= baseWeek || w > last) {
            // Outside the window: kept for the file only, ascending, the
            // later of two records for one week winning.
            auto& out = weeksOutsideWindow_;
            if (!out.empty() && out.back().week == w) out.back() = r;
            else if (out.empty() || out.back().week < w) out.push_back(r);
            continue;
        }
        if (w > c + 1) c = std::min(w - 1, baseWeek + kWindowWeeks - 1);
        if (w != c + 1) continue;
        // A week enters the table with inUse set when it holds data, as
        // putWeek does: a record that holds data without the bit (not one
        // this program writes) would otherwise show in the schedule and be
        // dropped by the next save.
        if (r.holdsData()) r.flags |= weekflag::inUse;
        weeks[static_cast<std::size_t>(c - baseWeek)] = r;
    }
}

void COvDoc::loadUnavailability() {
    unavailability.clear();
    unavailabilityChanged = false;
    auto data = fs_.readFile(filePath(datafile::blackout));
    if (!data) return;
    for (std::size_t i = 0; i < wholeRecords<UnavailabilityRecord>(*data); ++i) {
        auto r = UnavailabilityRecord::decode(recordAt<UnavailabilityRecord>(*data, i));
        if (r.brotherNumber != 0 && r.week >= currentWeek && unavailability.size() < unavailabilityCapacity)
            unavailability.push_back(r);
    }
}

void COvDoc::loadWishList() {
    wishList = {};
    auto data = fs_.readFile(filePath(datafile::wishlist));
    if (data && data->size() >= WishList::kSize) wishList = WishList::decode(recordAt<WishList>(*data, 0));
}

void COvDoc::loadSpecialEvents() {
    specialEvents = readSequential<SpecialEventRecord>(fs_, filePath(datafile::special), specialEventsCapacity);
}

void COvDoc::reloadWeeksAndEvents() {
    loadWeeks();
    loadSpecialEvents();
}

// --------------------------------------------------------- record access

template <class R>
std::optional<R> COvDoc::readRecordAt(int fileNameId, int position) {
    if (position <= 0) return std::nullopt;
    auto data = fs_.readAt(filePath(fileNameId), static_cast<std::uint64_t>(position) * R::kSize, R::kSize);
    if (!data || data->size() < R::kSize) return std::nullopt;
    return R::decode(recordAt<R>(*data, 0));
}

std::optional<BrotherRecord> COvDoc::readBrotherAt(int position) {
    return readRecordAt<BrotherRecord>(datafile::speakers, position);
}

int COvDoc::readBrother(std::size_t row, BrotherRecord& out) {
    out = BrotherRecord{};
    if (row >= brothers.size()) return 0;
    const BrotherSummary& s = brothers[row];
    auto r = readBrotherAt(s.recordPosition);
    if (!r) return 0;
    out = *r;
    return r->brotherNumber == s.brotherNumber ? s.recordPosition : 0;
}

bool COvDoc::writeBrother(int position, const BrotherRecord& r) {
    if (position <= 0) {
        host().showMessage(std::string(stringText(sid::positionZeroRefused)), Icon::Error);
        return false;
    }
    fs::path p = filePath(datafile::speakers);
    auto bytes = r.encode();
    if (fs_.writeAt(p, static_cast<std::uint64_t>(position) * BrotherRecord::kSize, bytes) != WriteError::None) {
        reportWriteFailure(p);
        return false;
    }
    if (position >= speakersRecordsInFile) speakersRecordsInFile = position + 1;
    return true;
}

std::optional<CongregationRecord> COvDoc::readCongregationAt(int position) {
    return readRecordAt<CongregationRecord>(datafile::cong, position);
}

int COvDoc::readCongregation(std::size_t row, CongregationRecord& out) {
    out = CongregationRecord{};
    if (row >= congregations.size()) return 0;
    const CongregationSummary& s = congregations[row];
    auto r = readCongregationAt(s.recordPosition);
    if (!r) return 0;
    out = *r;
    return r->congregationNumber == s.congregationNumber ? s.recordPosition : 0;
}

bool COvDoc::writeCongregation(int position, const CongregationRecord& r, bool reportFailure) {
    if (position <= 0) return false;
    fs::path p = filePath(datafile::cong);
    auto bytes = r.encode();
    if (fs_.writeAt(p, static_cast<std::uint64_t>(position) * CongregationRecord::kSize, bytes) != WriteError::None) {
        if (reportFailure) reportWriteFailure(p);
        return false;
    }
    if (position >= congRecordsInFile) congRecordsInFile = position + 1;
    return true;
}

int COvDoc::readExtension(int n, int owner, BrotherExtensionRecord& out) {
    out = BrotherExtensionRecord{};
    if (n <= 0) return 0;
    auto data = fs_.readAt(filePath(datafile::xtend), static_cast<std::uint64_t>(n - 1) * BrotherExtensionRecord::kSize,
                           BrotherExtensionRecord::kSize);
    if (!data || data->size() < BrotherExtensionRecord::kSize) return 0;
    auto r = BrotherExtensionRecord::decode(recordAt<BrotherExtensionRecord>(*data, 0));
    if (owner == 0 || r.ownerBrotherNumber != owner) return 0;
    out = r;
    return 1;
}

int COvDoc::storeExtension(const BrotherExtensionRecord& r) {
    if (r.ownerBrotherNumber == 0) return 0;
    int n = 0;
    if (auto data = fs_.readFile(filePath(datafile::xtend))) {
        int whole = static_cast<int>(wholeRecords<BrotherExtensionRecord>(*data));
        for (int k = 1; k <= std::min(xtendRecordsInFile, whole); ++k) {
            if (bytes::getU16(*data, static_cast<std::size_t>(k - 1) * BrotherExtensionRecord::kSize) == 0) {
                n = k;
                break;
            }
        }
    }
    bool appended = n == 0;
    if (appended) n = ++xtendRecordsInFile;
    if (rewriteExtension(n, r) == 0) {
        if (appended) --xtendRecordsInFile;
        return 0;
    }
    return n;
}

int COvDoc::rewriteExtension(int n, const BrotherExtensionRecord& r) {
    if (n <= 0 || r.ownerBrotherNumber == 0 || n > xtendRecordsInFile) return 0;
    fs::path p = filePath(datafile::xtend);
    auto bytes = r.encode();
    if (fs_.writeAt(p, static_cast<std::uint64_t>(n - 1) * BrotherExtensionRecord::kSize, bytes) != WriteError::None)
        return 0;
    return 1;
}

void COvDoc::freeExtension(int n, int owner) {
    BrotherExtensionRecord existing;
    if (readExtension(n, owner, existing) != 1) return;
    std::array<std::uint8_t, BrotherExtensionRecord::kSize> zero{};
    fs_.writeAt(filePath(datafile::xtend), static_cast<std::uint64_t>(n - 1) * BrotherExtensionRecord::kSize, zero);
}

WeekRecord COvDoc::weekRecord(int weekIndex) const {
    if (!inWindow(weekIndex) || weeks.size() != kWindowWeeks) return WeekRecord{};
    return weeks[static_cast<std::size_t>(weekIndex - baseWeek)];
}

void COvDoc::putWeek(WeekRecord r, int weekIndex) {
    if (!inWindow(weekIndex) || weeks.size() != kWindowWeeks) return;
    r.week = static_cast<std::uint16_t>(weekIndex + 1);
    if (r.holdsData()) r.flags |= weekflag::inUse;
    else r.flags &= static_cast<std::uint16_t>(~weekflag::inUse);
    weeks[static_cast<std::size_t>(weekIndex - baseWeek)] = r;
}

// ------------------------------------------------------------------ saves

bool COvDoc::saveFile(int fileNameId, std::span<const std::uint8_t> data) {
    fs::path p = filePath(fileNameId);
    if (fs_.writeFileAtomic(p, data) != WriteError::None) {
        reportWriteFailure(p);
        return false;
    }
    return true;
}

bool COvDoc::saveCircuits() { return saveFile(datafile::circuit, encodeAll(circuits)); }
bool COvDoc::saveHospitality() { return saveFile(datafile::hospital, encodeAll(hosts)); }
bool COvDoc::saveTopics() { return saveFile(datafile::topic, encodeAll(topics)); }
bool COvDoc::saveTalks() { return saveFile(datafile::talk, encodeAll(talks)); }
bool COvDoc::saveSpecialEvents() { return saveFile(datafile::special, encodeAll(specialEvents)); }

bool COvDoc::saveWishList() {
    auto e = wishList.encode();
    return saveFile(datafile::wishlist, e);
}

bool COvDoc::saveWeeks() {
    std::vector<WeekRecord> out;
    out.reserve(weeksOutsideWindow_.size() + weeks.size());
    for (const auto& r : weeksOutsideWindow_)
        if (r.week <= baseWeek) out.push_back(r);
    for (const auto& r : weeks)
        if (r.inUse()) out.push_back(r);
    for (const auto& r : weeksOutsideWindow_)
        if (r.week > baseWeek) out.push_back(r);
    return saveFile(datafile::history, encodeAll(out));
}

bool COvDoc::saveUnavailability() {
    if (!unavailabilityChanged || unavailability.empty()) return true;
    std::vector<UnavailabilityRecord> kept;
    for (const auto& r : unavailability)
        if (r.brotherNumber != 0) kept.push_back(r);
    if (!saveFile(datafile::blackout, encodeAll(kept))) return false;
    unavailabilityChanged = false;
    return true;
}

bool COvDoc::saveRoles() {
    bool ok = true;
    for (const auto& e : localBrothers) {
        auto r = readBrotherAt(brothers.size() > e.row ? brothers[e.row].recordPosition : 0);
        if (!r || r->brotherNumber != e.brotherNumber) continue;
        r->roles = static_cast<std::uint8_t>(e.roles & 0xFF);
        ok = writeBrother(brothers[e.row].recordPosition, *r) && ok;
    }
    return ok;
}

// --------------------------------------------------------- local brothers

void COvDoc::buildLocalBrothers() {
    localBrothers.clear();
    ownMeetingDayOdd = ownMeetingDayEven = 6;
    if (std::size_t own = findCongregation(settings.ownCongregationNumber)) setOwnMeetingDays(congregations[own - 1]);
    if (settings.ownCongregationNumber == 0) return;
    auto data = fs_.readFile(filePath(datafile::speakers));
    for (std::size_t row = 0; row < brothers.size() && localBrothers.size() < kLocalBrothersCapacity; ++row) {
        const BrotherSummary& b = brothers[row];
        if (b.congregationNumber != settings.ownCongregationNumber) continue;
        LocalBrotherEntry e;
        e.brotherNumber = b.brotherNumber;
        e.row = static_cast<std::uint16_t>(row);
        std::size_t off = static_cast<std::size_t>(b.recordPosition) * BrotherRecord::kSize + 201;
        if (data && off < data->size()) e.roles = (*data)[off];
        localBrothers.push_back(e);
    }
}

} // namespace orvek
