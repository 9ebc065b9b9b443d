// A data folder of arbitrary files opened by the document, used the way a
// user would use it, saved and loaded again.
//
// Input: three bytes choose today's date (2000..2099); then frames of one
// byte choosing the file, a 16-bit little-endian length and that many bytes
// appended to the file. Several frames build several files (or grow one), so
// that combinations of files are explored.

#include <array>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "MemoryFileSystem.h"
#include "platform/Clock.h"
#include "platform/Host.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Dates.h"
#include "store/Document.h"
#include "store/Text.h"

namespace {

using namespace orvek;
using orvek::fuzz::require;

// Answers every message box with its default button.
class DefaultButtonHost : public Host {
public:
    int messageBox(const MessageBoxSpec& spec) override {
        if (spec.defaultButton != 0) return spec.defaultButton;
        return spec.buttons == Buttons::YesNo ? IDYES : IDOK;
    }
};

// The files a frame can write: the eleven data files, the old extension file
// and the settings file.
constexpr std::array<int, 11> kDataFiles = {
    datafile::speakers, datafile::cong,     datafile::circuit,  datafile::hospital, datafile::talk,  datafile::topic,
    datafile::history,  datafile::blackout, datafile::wishlist, datafile::special,  datafile::xtend,
};
constexpr std::size_t kFileChoices = kDataFiles.size() + 2;

const std::filesystem::path kFolder = "/data";

std::filesystem::path chosenFile(std::uint8_t selector) {
    std::size_t i = selector % kFileChoices;
    if (i < kDataFiles.size()) return kFolder / pathFromUtf8(stringText(kDataFiles[i]));
    if (i == kDataFiles.size()) return kFolder / pathFromUtf8(stringText(sid::legacyExtensionName));
    return kFolder / pathFromUtf8(stringText(sid::iniFileName));
}

CivilDate chosenDate(fuzz::FuzzInput& in) {
    CivilDate d;
    d.year = 2000 + in.byte() % 100;
    d.month = 1 + in.byte() % 12;
    d.day = 1 + in.byte() % daysInMonth(d.month, d.year - 2000);
    return d;
}

template <class Row, class KeyOf> bool sortedByName(const std::vector<Row>& rows, KeyOf keyOf) {
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (compareNames(keyOf(rows[i - 1]), keyOf(rows[i])) > 0) return false;
    return true;
}

void lookups(COvDoc& doc, fuzz::FuzzInput& in) {
    for (std::size_t row = 0; row <= doc.brothers.size(); ++row) {
        std::string name = doc.brotherName(row, true);
        doc.brotherName(row, false);
        if (row < doc.brothers.size()) {
            int number = doc.brothers[row].brotherNumber;
            doc.brotherNameByNumber(number, true);
            doc.brotherPhone(number);
            doc.isUntilFurtherNotice(number);
            doc.assignmentsAhead(number);
            doc.isLocalOutgoingSpeaker(row);
            require(doc.findBrother(number) != kNotFound, "a loaded brother is found by his number");
            require(doc.findBrotherByName(name) >= 0, "a loaded brother is found by his name");
            BrotherRecord r;
            doc.readBrother(row, r);
        }
    }
    for (std::size_t row = 0; row <= doc.congregations.size(); ++row) {
        doc.congregationName(row, true);
        doc.congregationName(row, false);
        if (row < doc.congregations.size()) {
            int number = doc.congregations[row].congregationNumber;
            int day = 0;
            doc.congregationNameByNumber(number, true);
            doc.meetingTimeForWeek(number, doc.currentWeek);
            doc.meetingDayDiffers(number, doc.currentWeek, day);
            doc.countBrothersOfCongregation(number);
            CongregationRecord r;
            doc.readCongregation(row, r);
        }
    }
    for (std::size_t row = 0; row <= doc.circuits.size(); ++row) doc.circuitName(row);
    for (std::size_t row = 0; row <= doc.hosts.size(); ++row) doc.hostName(row, false);
    for (const auto& c : doc.circuits) doc.circuitNameByNumber(c.circuitNumber);
    for (const auto& h : doc.hosts) doc.hostNameByNumber(h.hospitalityNumber);

    // Talks by the edge numbers and by numbers from the input.
    std::array<int, 12> talkNumbers = {-1, 0, 1, 255, 256, 257};
    for (std::size_t k = 6; k < talkNumbers.size(); ++k) talkNumbers[k] = k % 2 ? in.i32() : in.u16() % 300;
    for (int n : talkNumbers) {
        std::string text = doc.talkText(n, n & 1, n & 2);
        std::size_t row = doc.findTalk(n);
        require(row == kNotFound || doc.talks[row].talkNumber == n, "findTalk returns a row of that number");
        require(row != kNotFound || text.empty(), "an unknown talk has no text");
        doc.talkNumberText(n);
    }

    // Dates of the window's ends and of weeks from the input, in a style from
    // the input (the date rules themselves have their own target).
    int flags = in.byte();
    int code = in.byte() % 9;
    std::array<int, 10> weeks = {doc.baseWeek + 1, doc.baseWeek + COvDoc::kWindowWeeks};
    for (std::size_t k = 2; k < weeks.size(); ++k) weeks[k] = doc.baseWeek + 1 + in.u16() % COvDoc::kWindowWeeks;
    for (int w : weeks) {
        require(!doc.weekDateText(w, flags, code).empty(), "every week of the window has a date");
        doc.yearParity(w - 1);
        doc.meetingTimeForWeek(doc.settings.ownCongregationNumber, w - 1);
    }
    for (const auto& e : doc.specialEvents) doc.specialEventRow(e.weekIndex);
    for (int k = 0; k < 4; ++k) {
        int brother = in.u16();
        int week = doc.baseWeek + in.u16() % (COvDoc::kWindowWeeks + 2);
        doc.assignmentInWeek(brother, week, in.byte() % 5);
        doc.isAvailable(brother, week);
        doc.unavailableWeeks(brother, 0, nullptr);
    }
}

void sorts(COvDoc& doc) {
    doc.sortBrothers();
    doc.sortCongregations();
    doc.sortCircuits();
    doc.sortHosts();
    doc.sortTopics();
    require(sortedByName(doc.brothers, [](const BrotherSummary& b) { return b.lastName + ", " + b.firstName; }),
            "brothers sorted");
    require(sortedByName(doc.congregations, [](const CongregationSummary& c) { return c.name; }),
            "congregations sorted");
    require(sortedByName(doc.circuits, [](const CircuitRecord& c) { return c.name; }), "circuits sorted");
    require(sortedByName(doc.hosts, [](const HospitalityRecord& h) { return h.name; }), "hosts sorted");
    require(sortedByName(doc.topics, [](const TopicRecord& t) { return t.name; }), "topics sorted");
    doc.buildLocalBrothers();
}

struct Tables {
    std::vector<WeekRecord> weeks;
    std::vector<TalkRecord> talks;
    std::vector<TopicRecord> topics;
    std::vector<SpecialEventRecord> specialEvents;
    std::vector<CircuitRecord> circuits;
    std::vector<HospitalityRecord> hosts;
    WishList wishList;
    Settings settings;

    explicit Tables(const COvDoc& d)
        : weeks(d.weeks), talks(d.talks), topics(d.topics), specialEvents(d.specialEvents), circuits(d.circuits),
          hosts(d.hosts), wishList(d.wishList), settings(d.settings) {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    FixedClock clock(chosenDate(in));
    fuzz::MemoryFileSystem fs;
    while (!in.empty()) {
        std::filesystem::path p = chosenFile(in.byte());
        std::string_view bytes = in.bytes(in.u16());
        Bytes& file = fs.files[p.lexically_normal().string()];
        file.insert(file.end(), bytes.begin(), bytes.end());
    }

    DefaultButtonHost host;
    COvDoc doc(fs, clock, host, kFolder);
    require(doc.startUp(), "start-up succeeds");
    require(doc.tablesReady(), "tables are ready after start-up");
    require(doc.weeks.size() == COvDoc::kWindowWeeks, "the weeks window is whole");
    require(doc.talks.size() == COvDoc::kTalkRows, "the talks table is whole");

    // The frames used the whole input; its bytes once more give the numbers
    // the lookups ask for.
    fuzz::FuzzInput choices(data, size);
    lookups(doc, choices);
    sorts(doc);

    require(doc.saveWeeks(), "weeks saved");
    require(doc.saveTalks(), "talks saved");
    require(doc.saveTopics(), "topics saved");
    require(doc.saveSpecialEvents(), "special events saved");
    require(doc.saveCircuits(), "circuits saved");
    require(doc.saveHospitality(), "hosts saved");
    require(doc.saveWishList(), "wish list saved");
    require(doc.saveSettings(), "settings saved");
    Tables before(doc);

    require(doc.reload(), "reload succeeds");
    require(doc.weeks == before.weeks, "weeks reload as saved");
    require(doc.talks == before.talks, "talks reload as saved");
    require(doc.topics == before.topics, "topics reload as saved");
    require(doc.specialEvents == before.specialEvents, "special events reload as saved");
    require(doc.circuits == before.circuits, "circuits reload as saved");
    require(doc.hosts == before.hosts, "hosts reload as saved");
    require(doc.wishList == before.wishList, "wish list reloads as saved");
    require(doc.settings == before.settings, "settings reload as saved");

    // A second round changes nothing more: the files are now the program's own.
    doc.reloadWeeksAndEvents();
    require(doc.weeks == before.weeks && doc.specialEvents == before.specialEvents, "weeks and events reload");
    doc.shutDown();
    return 0;
}
