// `orvek-cli demo`: a realistic data folder written through the document's
// own operations (adds, stores, putWeek and the saves), never byte by byte.

#include "app/cli/Demo.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "app/cli/DemoNames.h"
#include "platform/FileSystem.h"
#include "resources/StringTable.h"
#include "store/Dates.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace fs = std::filesystem;

namespace {

using namespace demodata;

constexpr int kDataFiles[] = {datafile::speakers, datafile::cong,    datafile::circuit, datafile::hospital,
                              datafile::talk,     datafile::topic,   datafile::history, datafile::blackout,
                              datafile::wishlist, datafile::special, datafile::xtend};

// splitmix64: small, fast, and the same on every platform and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n-1 (0 when n < 2).
    int below(int n) { return n < 2 ? 0 : static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T, std::size_t N> const T& pick(const T (&a)[N]) { return a[below(static_cast<int>(N))]; }
    template <class T> const T& pick(const std::vector<T>& v) {
        return v[static_cast<std::size_t>(below(static_cast<int>(v.size())))];
    }
    template <class T> void shuffle(std::vector<T>& v) {
        for (std::size_t i = v.size(); i > 1; --i)
            std::swap(v[i - 1], v[static_cast<std::size_t>(below(static_cast<int>(i)))]);
    }

private:
    std::uint64_t state_;
};

std::vector<std::string> splitBars(std::string_view s) {
    std::vector<std::string> out;
    while (!s.empty()) {
        auto bar = s.find('|');
        out.emplace_back(s.substr(0, bar));
        if (bar == std::string_view::npos) break;
        s.remove_prefix(bar + 1);
    }
    return out;
}

// Lower-case ASCII form of a name for an e-mail address.
std::string asciiLower(std::string_view utf8) {
    std::string lower = toLowerText(utf8), out;
    for (std::size_t i = 0; i < lower.size();) {
        char32_t c = nextCodePoint(lower, i);
        if (c == U'ä' || c == U'å')
            out += 'a';
        else if (c == U'ö')
            out += 'o';
        else if (c == U'é')
            out += 'e';
        else if ((c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9'))
            out += static_cast<char>(c);
        else if (c == U'-')
            out += '-';
    }
    return out;
}

int monthOfWeek(int w) {
    std::string d = dateOfWeek(w);
    return (d[2] - '0') * 10 + (d[3] - '0');
}

int yearOfWeek(int w) { return 2000 + (dateOfWeek(w)[0] - '0') * 10 + (dateOfWeek(w)[1] - '0'); }

// ------------------------------------------------------------------ model

struct GenCircuit {
    std::string name;
    int region = 0;
    int number = 0; // circuitNumber
};

struct GenCongregation {
    CongregationRecord record;
    int circuit = 0;                           // index in circuits
    int town = 0;                              // index in kTowns
    std::vector<std::size_t> brothers;         // indexes in brothers
    int lastVisit = 0;                         // last week a speaker came from here
    int lastSent = 0;                          // last week one of our speakers went there
    std::set<std::pair<int, int>> heardFromUs; // (our speaker, talk) given there
};

struct GenBrother {
    BrotherRecord record;
    BrotherExtensionRecord extension;
    std::size_t congregation = 0;
    int number = 0;
    bool speaker = false;
    bool ufn = false;
    std::uint16_t roles = 0;
    int lastIncoming = 0; // last week he spoke in the own congregation
    int lastOutgoing = 0;
    int lastOutTalk = 0;
    int lastChair = 0;
    int lastRead = 0;
    bool elder() const { return (record.status & brotherstatus::serviceMask) == brotherstatus::elder; }
    bool servant() const { return (record.status & brotherstatus::serviceMask) == brotherstatus::ministerialServant; }
};

class DemoWriter {
public:
    DemoWriter(COvDoc& doc, const DemoOptions& o) : doc_(doc), opt_(o), rng_(o.seed) {}

    bool run(std::string& error);

private:
    bool fail(const std::string& what) {
        error_ = what;
        return false;
    }
    bool ensureRoom(std::size_t rows, std::size_t capacity);
    std::string phoneMobile();
    std::string phoneLandline(std::string_view area);
    std::string streetAddress(bool withFlat);
    std::string postalLine(const Town& t);
    bool uniqueName(std::string& first, std::string& last, const std::vector<std::string>& familyNames);

    bool writeSettings();
    bool writeCircuits();
    bool writeCongregations();
    bool writeBrothers();
    bool writeOfficers();
    bool writeRoles();
    bool writeHosts();
    bool writeTalksAndTopics();
    bool writeWishList();
    bool writeUnavailability();
    bool writeWeeks();

    // Scheduling helpers.
    bool usable(const GenBrother& b, int w) const;
    void incomingTalk(WeekRecord& r, int w, bool speakerKnown);
    void marks(WeekRecord& r, int w, bool speakerKnown);
    void outgoing(WeekRecord& r, int w, std::set<int>& busy);
    int rotate(std::uint16_t roleBit, int GenBrother::*last, int w, const std::set<int>& busy);
    int hospitality(int w);
    int pickTalk(const GenBrother& b, int w);

    COvDoc& doc_;
    DemoOptions opt_;
    Rng rng_;
    std::string error_;

    std::vector<int> titledTalks_;
    std::vector<GenCircuit> circuits_;
    std::vector<GenCongregation> congs_;
    std::vector<GenBrother> brothers_;
    std::set<std::string> brotherNames_; // lower-case "first last" of every brother
    std::set<std::string> congNames_;
    struct Hall {
        std::string street;
        std::string postal;
        std::size_t firstCongregation = 0;
    };
    std::map<std::string, Hall> halls_;   // "town#n" -> the hall
    std::vector<std::size_t> local_;      // own brothers (indexes in brothers_)
    std::vector<std::size_t> ownCircuit_; // other congregations of the own circuit
    std::vector<std::size_t> nearby_;     // congregations of the next circuits
    std::vector<int> hostNumbers_;        // hosts in the rotation
    std::map<int, int> lastHost_;
    std::map<int, int> lastTalkHere_; // talk -> last week given in the own congregation
    int currentWeek_ = 0;
    int firstWeek_ = 0;
    int lastWeek_ = 0;
    std::map<int, SpecialEventRecord> events_; // by week number
};

bool DemoWriter::ensureRoom(std::size_t rows, std::size_t capacity) {
    // The tables get their capacity when they are loaded (the file's rows +
    // spare rows); a big demo reloads the document to grow them.
    if (rows + 1 < capacity) return true;
    return doc_.reload() || fail("the document could not be reloaded");
}

std::string DemoWriter::phoneMobile() {
    static constexpr std::string_view kPrefixes[] = {"040", "041", "044", "045", "046", "050"};
    // One draw per statement: the order in which a call's arguments are
    // evaluated differs between compilers, and the files must not.
    std::string prefix(rng_.pick(kPrefixes));
    int middle = rng_.between(100, 999);
    int last = rng_.between(0, 9999);
    char buf[20];
    std::snprintf(buf, sizeof buf, "%s %03d %04d", prefix.c_str(), middle, last);
    return buf;
}

std::string DemoWriter::phoneLandline(std::string_view area) {
    int middle = rng_.between(200, 899);
    int last = rng_.between(0, 999);
    char buf[20];
    std::snprintf(buf, sizeof buf, "%s %d %03d", std::string(area).c_str(), middle, last);
    return buf;
}

std::string DemoWriter::streetAddress(bool withFlat) {
    std::string s(rng_.pick(kStreets));
    s += " " + decimal(rng_.between(1, 48));
    if (withFlat) {
        static constexpr std::string_view kStairs[] = {"A", "A", "B", "B", "C", "D"};
        s += " " + std::string(rng_.pick(kStairs));
        s += " " + decimal(rng_.between(1, 36));
    }
    return s;
}

std::string DemoWriter::postalLine(const Town& t) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%05d %s", t.postalCode + 10 * rng_.between(0, t.postalSpread),
                  std::string(t.name).c_str());
    return buf;
}

bool DemoWriter::uniqueName(std::string& first, std::string& last, const std::vector<std::string>& familyNames) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        first = std::string(rng_.pick(kFirstNames));
        last = !familyNames.empty() && rng_.chance(15) ? rng_.pick(familyNames) : std::string(rng_.pick(kLastNames));
        std::string key = toLowerText(first + " " + last);
        if (brotherNames_.count(key)) continue;
        brotherNames_.insert(key);
        return true;
    }
    return fail("ran out of distinct brother names");
}

// --------------------------------------------------------------- settings

bool DemoWriter::writeSettings() {
    doc_.settings.scheduleHospitality = 1;
    doc_.settings.scheduleReaders = 1;
    doc_.settings.printReaders = 1;
    return doc_.saveSettings() || fail("the settings file could not be written");
}

// --------------------------------------------------------------- circuits

bool DemoWriter::writeCircuits() {
    const int congregations = 1 + 8 * opt_.scale;
    const int count = std::max(2, congregations / 4);
    const int regions = static_cast<int>(std::size(kRegionNames));
    const int firstRegion = rng_.below(regions);
    std::map<int, int> uses;
    for (int i = 0; i < count; ++i) {
        GenCircuit c;
        c.region = (firstRegion + i) % regions;
        c.name = std::string(kRegionNames[c.region]) + " " + decimal(++uses[c.region]);
        if (doc_.circuits.size() + 1 >= doc_.circuitsCapacity) {
            // The table is full until circuit.dat holds its rows.
            if (!doc_.saveCircuits()) return fail("circuit.dat could not be written");
            if (!doc_.reload()) return fail("the document could not be reloaded");
        }
        CircuitRecord r;
        r.name = c.name;
        c.number = doc_.addCircuit(r);
        if (c.number == 0) return fail("the circuit " + c.name + " could not be added");
        circuits_.push_back(c);
    }
    return doc_.saveCircuits() || fail("circuit.dat could not be written");
}

// ---------------------------------------------------------- congregations

bool DemoWriter::writeCongregations() {
    const int total = 1 + 8 * opt_.scale;
    const int k = static_cast<int>(circuits_.size());
    // Each region's towns in a seed-dependent order, taken in turn.
    std::map<int, std::vector<int>> regionTowns;
    for (int t = 0; t < static_cast<int>(std::size(kTowns)); ++t) regionTowns[kTowns[t].region].push_back(t);
    for (auto& [region, towns] : regionTowns) rng_.shuffle(towns);
    std::map<int, std::size_t> regionCursor;
    std::map<int, std::vector<std::string>> townDistricts; // names still free for a town
    std::map<int, int> townUses;

    for (int ci = 0; ci < k; ++ci) {
        const int n = total * (ci + 1) / k - total * ci / k;
        const GenCircuit& circuit = circuits_[static_cast<std::size_t>(ci)];
        for (int j = 0; j < n; ++j) {
            const bool own = congs_.empty();
            auto& towns = regionTowns[circuit.region];
            const int town = towns[regionCursor[circuit.region]++ % towns.size()];
            const Town& t = kTowns[town];
            const int use = townUses[town]++;
            // The first congregation of a town takes the town's name, the
            // next ones a district's.
            std::string name(t.name);
            if (use > 0) {
                if (!townDistricts.count(town)) {
                    auto names = splitBars(t.districts);
                    auto generic = std::vector<std::string>(std::begin(kGenericDistricts), std::end(kGenericDistricts));
                    rng_.shuffle(generic);
                    names.insert(names.end(), generic.begin(), generic.end());
                    townDistricts[town] = names;
                }
                auto& free = townDistricts[town];
                if (!free.empty()) {
                    name += "-" + free.front();
                    free.erase(free.begin());
                } else {
                    name += " " + decimal(use + 1);
                }
            }
            std::string key = toLowerText(name);
            if (congNames_.count(key) || doc_.checkCongregationName(name, false, kSilentCheck) != 0)
                return fail("duplicate congregation name " + name);
            congNames_.insert(key);

            GenCongregation g;
            g.circuit = ci;
            g.town = town;
            CongregationRecord& r = g.record;
            r.name = name;
            // Two congregations of a town share a Kingdom Hall and swap their
            // meeting times every year.
            const std::string hallKey = std::string(t.name) + "#" + decimal(use / 2);
            const bool partner = halls_.count(hallKey) != 0;
            if (!partner) halls_[hallKey] = Hall{streetAddress(false), postalLine(t), congs_.size()};
            const Hall& hall = halls_[hallKey];
            r.hallAddress1 = hall.street;
            r.hallAddress2 = hall.postal;
            if (rng_.chance(70)) r.phone1 = phoneLandline(t.areaCode);
            if (rng_.chance(20)) r.phone2 = phoneMobile();
            static constexpr std::string_view kSunday[][2] = {
                {"10:00", "13:00"}, {"13:00", "10:00"}, {"10:00", "10:00"}, {"11:00", "14:00"},
                {"12:00", "12:00"}, {"14:00", "11:00"}, {"10:30", "13:30"}};
            static constexpr std::string_view kSaturday[][2] = {
                {"16:00", "16:00"}, {"15:00", "17:00"}, {"17:00", "15:00"}, {"18:00", "18:00"}};
            if (partner && !own) {
                // The hall's other congregation: same days, the times swapped.
                const CongregationRecord& p = congs_[hall.firstCongregation].record;
                r.meetingDayOdd = p.meetingDayOdd;
                r.meetingDayEven = p.meetingDayEven;
                r.meetingTimeOdd = p.meetingTimeEven;
                r.meetingTimeEven = p.meetingTimeOdd;
                if (r.meetingTimeOdd == r.meetingTimeEven)
                    r.meetingTimeOdd = r.meetingTimeEven = p.meetingTimeOdd == "10:00" ? "13:00" : "10:00";
            } else if (own) {
                r.meetingDayOdd = r.meetingDayEven = 0; // Sunday
                r.meetingTimeOdd = "10:00";
                r.meetingTimeEven = "13:00";
            } else {
                int kind = rng_.below(100);
                const auto& times = kind < 86 ? rng_.pick(kSunday) : rng_.pick(kSaturday);
                r.meetingTimeOdd = std::string(times[0]);
                r.meetingTimeEven = std::string(times[1]);
                if (kind < 86)
                    r.meetingDayOdd = r.meetingDayEven = 0;
                else if (kind < 97)
                    r.meetingDayOdd = r.meetingDayEven = 6;
                else {
                    r.meetingDayOdd = 6; // Saturday in odd years, Sunday in even years
                    r.meetingDayEven = 0;
                }
            }
            r.circuitNumber = static_cast<std::uint16_t>(circuit.number);

            if (!ensureRoom(doc_.congregations.size(), doc_.congregationsCapacity)) return false;
            int number = doc_.addCongregation(r);
            if (number == 0) return fail("the congregation " + name + " could not be added");
            if (own) {
                doc_.settings.ownCongregationNumber = number;
                if (!doc_.saveOwnCongregation()) return fail("the settings file could not be written");
            }
            congs_.push_back(std::move(g));
        }
    }
    return true;
}

// ---------------------------------------------------------------- brothers

bool DemoWriter::writeBrothers() {
    for (std::size_t ci = 0; ci < congs_.size(); ++ci) {
        GenCongregation& c = congs_[ci];
        const bool own = ci == 0;
        const Town& town = kTowns[c.town];
        const int size = own ? rng_.between(18, 22) : rng_.between(12, 18);
        const int elders = own ? rng_.between(5, 7) : rng_.between(3, 6);
        const int servants = own ? rng_.between(4, 6) : rng_.between(2, 5);
        std::vector<std::string> family;
        std::vector<GenBrother> list;
        for (int i = 0; i < size; ++i) {
            GenBrother b;
            b.congregation = ci;
            BrotherRecord& r = b.record;
            if (!uniqueName(r.firstName, r.lastName, family)) return false;
            family.push_back(r.lastName);
            r.status = i < elders              ? brotherstatus::elder
                       : i < elders + servants ? brotherstatus::ministerialServant
                                               : 0;
            // Own brothers' and the officers' contacts are all known; of
            // other brothers' most.
            const bool officer = i < 3;
            if (own || officer || rng_.chance(75)) {
                r.address1 = streetAddress(rng_.chance(45));
                r.address2 = postalLine(town);
            }
            if (own || officer || rng_.chance(96))
                r.phone = rng_.chance(85) ? phoneMobile() : phoneLandline(town.areaCode);
            if (rng_.chance(own ? 35 : i == 2 ? 60 : 20)) {
                BrotherExtensionRecord& e = b.extension;
                if (rng_.chance(45)) e.phone2 = rng_.chance(50) ? phoneLandline(town.areaCode) : phoneMobile();
                if (rng_.chance(60) || e.phone2.empty()) {
                    static constexpr std::string_view kDomains[] = {"example.com", "example.net", "example.org"};
                    e.email =
                        asciiLower(r.firstName) + "." + asciiLower(r.lastName) + "@" + std::string(rng_.pick(kDomains));
                }
                if (rng_.chance(30)) e.notes = std::string(rng_.pick(kNotes));
            }
            b.speaker = (b.elder() && rng_.chance(92)) || (b.servant() && rng_.chance(55));
            if (b.speaker) {
                std::vector<int> talks = titledTalks_;
                rng_.shuffle(talks);
                int n = b.elder() ? rng_.between(5, 12) : rng_.between(3, 7);
                for (int t = 0; t < n; ++t) r.talks.set(talks[static_cast<std::size_t>(t)]);
            }
            r.congregationNumber = c.record.congregationNumber;
            list.push_back(std::move(b));
        }
        // A few brothers are not available until further notice; never the
        // three elders who will hold the congregation's offices.
        for (std::size_t i = 3; i < list.size(); ++i) {
            if (rng_.chance(own && i == 5 ? 100 : 3)) {
                list[i].ufn = true;
                list[i].record.status |= brotherstatus::untilFurtherNotice;
            }
        }
        std::vector<std::size_t> order(list.size());
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        // The first three stay first: they are the officers.
        std::vector<std::size_t> rest(order.begin() + 3, order.end());
        rng_.shuffle(rest);
        std::copy(rest.begin(), rest.end(), order.begin() + 3);
        for (std::size_t i : order) {
            GenBrother& b = list[i];
            if (!ensureRoom(doc_.brothers.size(), doc_.brothersCapacity)) return false;
            b.number = doc_.addBrother(b.record, b.extension);
            if (b.number == 0)
                return fail("the brother " + b.record.firstName + " " + b.record.lastName + " could not be added");
            c.brothers.push_back(brothers_.size());
            brothers_.push_back(std::move(b));
        }
    }
    doc_.sortBrothers();
    return true;
}

bool DemoWriter::writeOfficers() {
    for (GenCongregation& c : congs_) {
        // The officers were added first: coordinator, secretary, talk coordinator.
        CongregationRecord& r = c.record;
        r.coordinatorBrother = static_cast<std::uint16_t>(brothers_[c.brothers[0]].number);
        r.secretaryBrother = static_cast<std::uint16_t>(brothers_[c.brothers[1]].number);
        r.talkCoordinatorBrother = static_cast<std::uint16_t>(brothers_[c.brothers[2]].number);
        std::size_t row = doc_.findCongregation(r.congregationNumber);
        if (row == 0) return fail("the congregation " + r.name + " was lost");
        if (!doc_.storeCongregation(row - 1, doc_.congregations[row - 1].recordPosition, r))
            return fail("cong.dat could not be written");
    }
    doc_.sortCongregations();
    return true;
}

bool DemoWriter::writeRoles() {
    doc_.buildLocalBrothers();
    std::map<int, std::size_t> byNumber;
    for (std::size_t i : congs_[0].brothers) byNumber[brothers_[i].number] = i;
    for (auto& e : doc_.localBrothers) {
        auto it = byNumber.find(e.brotherNumber);
        if (it == byNumber.end()) continue;
        GenBrother& b = brothers_[it->second];
        std::uint16_t roles = 0;
        if (b.speaker) roles |= role::outgoingSpeaker;
        if (b.elder() || (b.servant() && rng_.chance(80))) roles |= role::chairman;
        if (b.servant() || (!b.elder() && rng_.chance(60)) || (b.elder() && rng_.chance(25))) roles |= role::reader;
        b.roles = roles;
        e.roles =
            static_cast<std::uint16_t>((e.roles & ~(role::outgoingSpeaker | role::chairman | role::reader)) | roles);
        local_.push_back(it->second);
    }
    if (local_.empty()) return fail("the own congregation has no brothers");
    return doc_.saveRoles() || fail("speakers.dat could not be written");
}

// ------------------------------------------------------------------- hosts

bool DemoWriter::writeHosts() {
    // Households of the own congregation: a brother's family, a brother and
    // his wife, or a sister.
    std::set<std::string> used;
    const int count = rng_.between(6, 7);
    for (int i = 0; i < 200 && static_cast<int>(used.size()) < count; ++i) {
        const BrotherRecord& b = brothers_[rng_.pick(local_)].record;
        std::string name;
        switch (rng_.below(3)) {
        case 0:
            name = "Perhe " + b.lastName;
            break;
        case 1:
            name = b.firstName + " ja " + std::string(rng_.pick(kWomenNames)) + " " + b.lastName;
            break;
        default:
            name = std::string(rng_.pick(kWomenNames));
            name += " " + std::string(rng_.pick(kLastNames));
        }
        // One household per family name.
        std::string family = toLowerText(name.substr(name.rfind(' ') + 1));
        if (charCount(name) > 27 || used.count(family)) continue;
        if (doc_.checkHostName(name, false, kSilentCheck) != 0) continue;
        used.insert(family);
        // One household is left out of the rotation for now.
        if (used.size() == 4) name = "~" + name;
        HospitalityRecord r;
        r.name = name;
        int number = doc_.addHost(r);
        if (number == 0) return fail("the host " + name + " could not be added");
        if (name[0] != '~') hostNumbers_.push_back(number);
    }
    return doc_.saveHospitality() || fail("hospital.dat could not be written");
}

bool DemoWriter::writeTalksAndTopics() {
    if (!doc_.saveTalks()) return fail("talk.dat could not be written");
    return doc_.saveTopics() || fail("topic.dat could not be written");
}

bool DemoWriter::writeWishList() {
    std::vector<int> talks = titledTalks_;
    rng_.shuffle(talks);
    WishList& wl = doc_.wishList;
    wl = WishList{};
    const int n = rng_.between(14, 16);
    for (int i = 0; i < n && i < static_cast<int>(talks.size()); ++i) {
        int t = talks[static_cast<std::size_t>(i)];
        wl.wanted.set(t);
        if (i < 4)
            wl.priorityOne.set(t);
        else if (i < 8)
            wl.priorityThree.set(t);
    }
    return doc_.saveWishList() || fail("wishlist.dat could not be written");
}

bool DemoWriter::writeUnavailability() {
    // Holidays of a few own brothers and of some speakers elsewhere.
    std::vector<std::size_t> people;
    std::vector<std::size_t> own = local_;
    rng_.shuffle(own);
    for (std::size_t i = 0; i < own.size() && people.size() < 4; ++i)
        if (!brothers_[own[i]].ufn && brothers_[own[i]].roles) people.push_back(own[i]);
    std::vector<std::size_t> speakers;
    for (std::size_t ci = 1; ci < congs_.size(); ++ci)
        for (std::size_t i : congs_[ci].brothers)
            if (brothers_[i].speaker && !brothers_[i].ufn) speakers.push_back(i);
    rng_.shuffle(speakers);
    const std::size_t others = static_cast<std::size_t>(3 + opt_.scale);
    for (std::size_t i = 0; i < speakers.size() && i < others; ++i) people.push_back(speakers[i]);
    for (std::size_t i : people) {
        int start = currentWeek_ + rng_.between(1, 40);
        int length = rng_.between(1, 3);
        for (int w = start; w < start + length; ++w)
            if (!doc_.addUnavailableWeek(brothers_[i].number, w)) return fail("blackout table is full");
    }
    return doc_.saveUnavailability() || fail("blackout.dat could not be written");
}

// ------------------------------------------------------------------ weeks

bool DemoWriter::usable(const GenBrother& b, int w) const {
    // Brothers now marked not available were still active long ago.
    if (b.ufn && w > currentWeek_ - 20) return false;
    return doc_.isAvailable(b.number, w);
}

int DemoWriter::pickTalk(const GenBrother& b, int w) {
    // A talk not heard here for a year, preferably one of the local needs;
    // else the one heard longest ago.
    std::vector<int> fresh, wanted, urgent;
    int oldest = 0, oldestWeek = 0;
    for (int t = 1; t <= 256; ++t) {
        if (!b.record.talks.has(t)) continue;
        auto it = lastTalkHere_.find(t);
        int last = it == lastTalkHere_.end() ? 0 : it->second;
        if (oldest == 0 || last < oldestWeek) {
            oldest = t;
            oldestWeek = last;
        }
        if (last != 0 && w - last < 52) continue;
        fresh.push_back(t);
        if (doc_.wishList.wanted.has(t)) {
            wanted.push_back(t);
            if (doc_.wishList.priority(t) == 1) urgent.push_back(t);
        }
    }
    if (!urgent.empty() && rng_.chance(70)) return rng_.pick(urgent);
    if (!wanted.empty() && rng_.chance(50)) return rng_.pick(wanted);
    if (!fresh.empty()) return rng_.pick(fresh);
    return oldest;
}

void DemoWriter::marks(WeekRecord& r, int w, bool speakerKnown) {
    // A mark holds the week first shown on the sheet when it was ticked.
    // The coordinator asks some three months ahead, gets the confirmation
    // within a few weeks and sends the reminder the week before; so of the
    // planned weeks the nearest are reminded, the next confirmed, then asked.
    const int ahead = w - currentWeek_;
    int asked = w - rng_.between(8, 16);
    int confirmed = asked + rng_.between(1, 3);
    int reminded = w - rng_.between(1, 2);
    if (ahead < 0) {
        r.askedMark = static_cast<std::uint16_t>(asked);
        if (!speakerKnown) return;
        r.confirmedMark = static_cast<std::uint16_t>(confirmed);
        if (rng_.chance(92)) r.reminderMark = static_cast<std::uint16_t>(std::max(reminded, confirmed));
        return;
    }
    if (ahead > 14 + rng_.below(3)) return;
    asked = std::min(asked, currentWeek_ - rng_.below(3));
    r.askedMark = static_cast<std::uint16_t>(asked);
    if (!speakerKnown || ahead > 10 || (ahead > 5 && rng_.chance(25))) return;
    confirmed = std::min(confirmed, currentWeek_);
    r.confirmedMark = static_cast<std::uint16_t>(std::max(confirmed, asked));
    if (ahead <= 1) r.reminderMark = static_cast<std::uint16_t>(std::max<int>(w - 1, r.confirmedMark));
}

void DemoWriter::incomingTalk(WeekRecord& r, int w, bool speakerKnown) {
    // A congregation of the own circuit mostly, else of the next ones; the
    // one heard from longest ago, with a speaker who has not been here lately.
    auto eligible = [&](const GenBrother& b, int gap) {
        return b.speaker && usable(b, w) && (b.lastIncoming == 0 || w - b.lastIncoming >= gap);
    };
    for (int gap : {30, 12, 1}) {
        std::vector<std::size_t> pools[2] = {ownCircuit_, nearby_};
        if (!rng_.chance(60) || pools[0].empty()) std::swap(pools[0], pools[1]);
        for (const auto& pool : pools) {
            std::vector<std::size_t> candidates;
            for (std::size_t ci : pool) {
                const GenCongregation& c = congs_[ci];
                if (c.lastVisit != 0 && w - c.lastVisit < 3 && gap > 1) continue;
                if (std::any_of(c.brothers.begin(), c.brothers.end(),
                                [&](std::size_t i) { return eligible(brothers_[i], gap); }))
                    candidates.push_back(ci);
            }
            if (candidates.empty()) continue;
            std::stable_sort(candidates.begin(), candidates.end(),
                             [&](std::size_t a, std::size_t b) { return congs_[a].lastVisit < congs_[b].lastVisit; });
            std::size_t ci =
                candidates[static_cast<std::size_t>(rng_.below(std::min<int>(3, static_cast<int>(candidates.size()))))];
            GenCongregation& c = congs_[ci];
            r.inSpeakerCongregation = c.record.congregationNumber;
            c.lastVisit = w;
            if (!speakerKnown) return;
            std::vector<std::size_t> speakers;
            for (std::size_t i : c.brothers)
                if (eligible(brothers_[i], gap)) speakers.push_back(i);
            std::stable_sort(speakers.begin(), speakers.end(), [&](std::size_t a, std::size_t b) {
                return brothers_[a].lastIncoming < brothers_[b].lastIncoming;
            });
            GenBrother& s = brothers_[speakers[static_cast<std::size_t>(
                rng_.below(std::min<int>(2, static_cast<int>(speakers.size()))))]];
            s.lastIncoming = w;
            r.inSpeaker = static_cast<std::uint16_t>(s.number);
            r.inTalk = static_cast<std::uint16_t>(pickTalk(s, w));
            lastTalkHere_[r.inTalk] = w;
            return;
        }
    }
}

void DemoWriter::outgoing(WeekRecord& r, int w, std::set<int>& busy) {
    int roll = rng_.below(100);
    int count = roll < 30 ? 0 : roll < 65 ? 1 : roll < 90 ? 2 : 3;
    if (w - currentWeek_ > 12) count /= 2; // arranged later by the other coordinators
    std::vector<std::size_t> speakers;
    for (std::size_t i : local_) {
        const GenBrother& b = brothers_[i];
        if ((b.roles & role::outgoingSpeaker) && b.record.talks.any() && usable(b, w) &&
            (b.lastOutgoing == 0 || w - b.lastOutgoing >= 3))
            speakers.push_back(i);
    }
    rng_.shuffle(speakers);
    std::set<std::size_t> visited;
    int slot = 0;
    for (std::size_t i : speakers) {
        if (slot >= count) break;
        std::vector<std::size_t> pool = rng_.chance(70) && !ownCircuit_.empty() ? ownCircuit_ : nearby_;
        if (pool.empty()) pool = ownCircuit_;
        // A congregation hears one of our speakers about once a month at most.
        std::vector<std::size_t> free;
        for (std::size_t ci : pool)
            if (!visited.count(ci) && (congs_[ci].lastSent == 0 || w - congs_[ci].lastSent >= 4)) free.push_back(ci);
        if (free.empty()) continue;
        std::size_t ci = rng_.pick(free);
        visited.insert(ci);
        GenBrother& b = brothers_[i];
        // A talk he has not given there, and not the one he gave last.
        std::vector<int> talks, any;
        for (int t = 1; t <= 256; ++t) {
            if (!b.record.talks.has(t)) continue;
            any.push_back(t);
            if (t != b.lastOutTalk && !congs_[ci].heardFromUs.count({b.number, t})) talks.push_back(t);
        }
        int talk = rng_.pick(talks.empty() ? any : talks);
        congs_[ci].heardFromUs.insert({b.number, talk});
        congs_[ci].lastSent = w;
        r.outSpeaker[static_cast<std::size_t>(slot)] = static_cast<std::uint16_t>(b.number);
        r.outCongregation[static_cast<std::size_t>(slot)] = congs_[ci].record.congregationNumber;
        r.outTalk[static_cast<std::size_t>(slot)] = static_cast<std::uint16_t>(talk);
        b.lastOutgoing = w;
        b.lastOutTalk = talk;
        busy.insert(b.number);
        ++slot;
    }
}

int DemoWriter::rotate(std::uint16_t roleBit, int GenBrother::*last, int w, const std::set<int>& busy) {
    // The holder of the role who has waited longest, among the available.
    std::vector<std::size_t> candidates;
    for (std::size_t i : local_) {
        const GenBrother& b = brothers_[i];
        if ((b.roles & roleBit) && !busy.count(b.number) && usable(b, w)) candidates.push_back(i);
    }
    if (candidates.empty()) return 0;
    rng_.shuffle(candidates);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [&](std::size_t a, std::size_t b) { return brothers_[a].*last < brothers_[b].*last; });
    GenBrother& b = brothers_[candidates.front()];
    b.*last = w;
    return b.number;
}

int DemoWriter::hospitality(int w) {
    if (hostNumbers_.empty()) return 0;
    std::vector<int> order = hostNumbers_;
    rng_.shuffle(order);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return lastHost_[a] < lastHost_[b]; });
    lastHost_[order.front()] = w;
    return order.front();
}

bool DemoWriter::writeWeeks() {
    // Special weeks: one convention and one circuit overseer visit in the
    // planned half year, and their predecessors in the history (a convention
    // a year, an overseer visit every half year).
    std::vector<int> summer, any;
    for (int w = currentWeek_ + 3; w <= lastWeek_; ++w) {
        any.push_back(w);
        if (monthOfWeek(w) >= 5 && monthOfWeek(w) <= 8) summer.push_back(w);
    }
    const int convention = rng_.pick(summer.empty() ? any : summer);
    std::vector<int> visitWeeks;
    for (int w = currentWeek_ + 2; w <= lastWeek_; ++w)
        if (std::abs(w - convention) >= 4) visitWeeks.push_back(w);
    const int visit = rng_.pick(visitWeeks);

    std::string overseers[2];
    for (auto& name : overseers) {
        std::string first, last;
        if (!uniqueName(first, last, {})) return false;
        name = first + " " + last;
    }
    auto addEvent = [&](int w, std::uint16_t flags, std::string title, std::string theme) {
        if (w < firstWeek_ || events_.count(w) || events_.count(w - 1) || events_.count(w + 1)) return;
        SpecialEventRecord e;
        e.weekIndex = static_cast<std::uint16_t>(w - 1);
        e.flags = flags;
        e.title = std::move(title);
        e.theme = std::move(theme);
        events_[w] = e;
    };
    // Every convention has its own theme, and the overseer a new talk each visit.
    std::vector<std::string> conventionThemes(std::begin(kConventionThemes), std::end(kConventionThemes));
    std::vector<std::string> overseerThemes(std::begin(kOverseerThemes), std::end(kOverseerThemes));
    rng_.shuffle(conventionThemes);
    rng_.shuffle(overseerThemes);
    auto conventionTitle = [](int w) { return "Aluekonventti " + decimal(yearOfWeek(w)); };
    addEvent(convention, weekflag::convention, conventionTitle(convention), conventionThemes[0]);
    addEvent(visit, weekflag::overseerVisit | weekflag::keepChairman, overseers[0], overseerThemes[0]);
    for (int y = 1; y <= 2; ++y) {
        int w = convention - 52 * y + rng_.between(-1, 1);
        addEvent(w, weekflag::convention, conventionTitle(w), conventionThemes[static_cast<std::size_t>(y)]);
    }
    for (int k = 1; k <= 4; ++k)
        addEvent(visit - 26 * k + rng_.between(-1, 1), weekflag::overseerVisit | weekflag::keepChairman,
                 overseers[k <= 2 ? 0 : 1], overseerThemes[static_cast<std::size_t>(k)]);

    for (int w = firstWeek_; w <= lastWeek_; ++w) {
        WeekRecord r;
        const int ahead = w - currentWeek_; // < 0 for the history
        std::set<int> busy;
        auto ev = events_.find(w);
        if (ev != events_.end()) {
            r.flags = ev->second.flags;
            // A convention cancels the meeting; an overseer visit keeps the chairman.
            if (r.flags & weekflag::keepChairman)
                r.chairman = static_cast<std::uint16_t>(rotate(role::chairman, &GenBrother::lastChair, w, busy));
        } else {
            // The far planned weeks may name only the congregation asked for a speaker.
            bool speakerKnown = ahead <= 18 || rng_.chance(50);
            incomingTalk(r, w, speakerKnown);
            if (r.inSpeakerCongregation) marks(r, w, r.inSpeaker != 0);
            outgoing(r, w, busy);
            if (ahead <= 12) {
                r.chairman = static_cast<std::uint16_t>(rotate(role::chairman, &GenBrother::lastChair, w, busy));
                busy.insert(r.chairman);
                r.reader = static_cast<std::uint16_t>(rotate(role::reader, &GenBrother::lastRead, w, busy));
            }
            if (r.inSpeaker && ahead <= 8) r.hospitality = static_cast<std::uint16_t>(hospitality(w));
        }
        doc_.putWeek(r, w - 1);
    }
    if (!doc_.saveWeeks()) return fail("history.dat could not be written");

    doc_.specialEvents.clear();
    for (const auto& [w, e] : events_) {
        if (doc_.specialEvents.size() >= doc_.specialEventsCapacity) return fail("special events table is full");
        doc_.specialEvents.push_back(e);
    }
    return doc_.saveSpecialEvents() || fail("special.dat could not be written");
}

bool DemoWriter::run(std::string& error) {
    auto done = [&](bool ok) {
        if (!ok) error = error_.empty() ? "the demo data could not be written" : error_;
        return ok;
    };
    if (!doc_.tablesReady()) return done(fail("the document is not ready"));
    if (!doc_.brothers.empty() || !doc_.congregations.empty() || !doc_.circuits.empty())
        return done(fail("the data folder is not empty"));
    if (opt_.scale < 1 || opt_.scale > kMaxDemoScale)
        return done(fail("the scale must be 1.." + decimal(kMaxDemoScale)));
    for (const TalkRecord& t : doc_.talks)
        if (t.talkNumber >= 1 && t.talkNumber <= 173 && !trimText(t.title).empty())
            titledTalks_.push_back(t.talkNumber);
    std::sort(titledTalks_.begin(), titledTalks_.end());
    if (titledTalks_.size() < 20) return done(fail("the talk table has too few titled talks"));
    currentWeek_ = doc_.currentWeek;
    firstWeek_ = std::max(currentWeek_ - 104, doc_.baseWeek + 2);
    lastWeek_ = currentWeek_ + 25;

    if (!writeSettings() || !writeCircuits() || !writeCongregations() || !writeBrothers() || !writeOfficers())
        return done(false);
    // The congregations that speakers come from and go to.
    for (std::size_t ci = 1; ci < congs_.size(); ++ci) {
        if (congs_[ci].circuit == 0)
            ownCircuit_.push_back(ci);
        else if (congs_[ci].circuit <= 2)
            nearby_.push_back(ci);
    }
    if (!writeRoles() || !writeHosts() || !writeTalksAndTopics() || !writeWishList() || !writeUnavailability() ||
        !writeWeeks())
        return done(false);
    return done(true);
}

} // namespace

std::optional<std::string> existingDataFile(const fs::path& folder) {
    for (int id : kDataFiles) {
        std::string name(stringText(id));
        std::error_code ec;
        if (fs::exists(folder / pathFromUtf8(name), ec)) return name;
    }
    return std::nullopt;
}

bool writeDemo(COvDoc& doc, const DemoOptions& options, std::string& error, DemoStats* stats) {
    DemoWriter writer(doc, options);
    if (!writer.run(error)) return false;
    if (stats) {
        stats->congregations = static_cast<int>(doc.congregations.size());
        stats->circuits = static_cast<int>(doc.circuits.size());
        stats->brothers = static_cast<int>(doc.brothers.size());
        stats->localBrothers = static_cast<int>(doc.localBrothers.size());
        stats->weeks = static_cast<int>(
            std::count_if(doc.weeks.begin(), doc.weeks.end(), [](const WeekRecord& w) { return w.inUse(); }));
        stats->specialEvents = static_cast<int>(doc.specialEvents.size());
    }
    return true;
}

} // namespace orvek
