#pragma once

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "store/Dates.h"
#include "store/Records.h"

namespace orvek {

class Clock;

// Resource numbers of the data files' names.
namespace datafile {
constexpr int speakers = 1244;
constexpr int cong = 1296;
constexpr int circuit = 1186;
constexpr int hospital = 1190;
constexpr int talk = 1187;
constexpr int topic = 1188;
constexpr int history = 1189;
constexpr int blackout = 1115;
constexpr int wishlist = 1185;
constexpr int special = 1116;
constexpr int xtend = 1114;
} // namespace datafile

// The document settings kept in the settings file.
struct Settings {
    int ownCongregationNumber = 0;
    std::uint8_t dayFirstDates = 0;
    std::uint8_t scheduleReaders = 0;
    std::uint8_t scheduleHospitality = 0;
    std::uint8_t leftMargin = 20;
    std::uint8_t serviceYear = 0;
    std::string scheduleTitle;
    std::uint8_t printReaders = 0;
    std::uint8_t hideTalkNumbers = 0;
    std::uint8_t hideOutgoingSpeakers = 0;
    std::uint8_t barMode = 0;
    std::uint32_t barColour = 0xC0C0C0;
    std::uint8_t printDates = 0;
    std::uint8_t topMargin = 50;
    std::uint8_t dialEnabled = 0;
    std::uint8_t autoCapitals = 1;
    bool operator==(const Settings&) const = default;
};

// Week assignment kinds of assignmentInWeek.
enum AssignmentType { kNoAssignment = 0, kIncomingSpeaker = 1, kOutgoingSpeaker = 2, kChairmanAssignment = 3,
                      kReaderAssignment = 4 };

// Value passed as the edited row to a duplicate-name check to ask silently.
constexpr std::size_t kSilentCheck = 32211;
// Returned by findBrother and findTalk when nothing matches.
constexpr std::size_t kNotFound = 0xFFFF;

// The one document: every table of the data folder in memory, the settings,
// the week bookkeeping, and the lookups, sorts, checks and saves that every
// dialog, page and report uses.
class COvDoc {
public:
    COvDoc(FileSystem& fs, const Clock& clock, Host& host, std::filesystem::path dataFolder);
    COvDoc(const COvDoc&) = delete;
    COvDoc& operator=(const COvDoc&) = delete;

    // ---- Life cycle ----
    bool startUp();
    bool reload();
    void shutDown();
    bool tablesReady() const { return tablesReady_; }

    // ---- Paths ----
    const std::filesystem::path& workingFolder() const { return folder_; }
    std::filesystem::path filePath(int fileNameId) const;
    std::filesystem::path iniPath() const;
    // Shows message 1231 for a file that could not be written.
    void reportWriteFailure(const std::filesystem::path& p);

    // ---- Record files ----
    // The brothers-table row's record; returns the record position when the
    // record read carries the row's brotherNumber, else 0.
    int readBrother(std::size_t row, BrotherRecord& out);
    // Reads the record at a position directly (no check).
    std::optional<BrotherRecord> readBrotherAt(int position);
    bool writeBrother(int position, const BrotherRecord& r);
    int readCongregation(std::size_t row, CongregationRecord& out);
    std::optional<CongregationRecord> readCongregationAt(int position);
    bool writeCongregation(int position, const CongregationRecord& r, bool reportFailure = true);
    int readExtension(int n, int owner, BrotherExtensionRecord& out);
    int storeExtension(const BrotherExtensionRecord& r);
    int rewriteExtension(int n, const BrotherExtensionRecord& r);
    void freeExtension(int n, int owner);
    WeekRecord weekRecord(int weekIndex) const;
    void putWeek(WeekRecord r, int weekIndex);
    // Whether week index x lies in the weeks window.
    bool inWindow(int weekIndex) const { return weekIndex >= baseWeek && weekIndex < baseWeek + kWindowWeeks; }

    // ---- Saves ----
    bool saveCircuits();
    bool saveHospitality();
    bool saveTalks();
    bool saveTopics();
    bool saveRoles();
    bool saveWeeks();
    bool saveUnavailability();
    bool saveWishList();
    bool saveSpecialEvents();
    void reloadWeeksAndEvents();

    // ---- Settings ----
    void loadSettings();
    bool saveSettings();
    bool saveOwnCongregation();
    // Automatic capitals apply (the setting is on and the language allows it).
    bool autoCapitalsActive() const;

    // ---- Lookups and formatting ----
    std::string brotherName(std::size_t row, bool lastFirst) const;
    std::string brotherNameByNumber(int brotherNumber, bool lastFirst) const;
    int findBrotherByName(std::string_view text) const;
    std::size_t findBrother(int brotherNumber) const;
    std::string brotherPhone(int brotherNumber);
    std::size_t findCongregation(int congregationNumber) const;
    std::string congregationName(std::size_t row, bool withPrefix) const;
    std::string congregationNameByNumber(int congregationNumber, bool withPrefix) const;
    std::string meetingTimeForYear(int congregationNumber, int year) const;
    std::string meetingTimeForWeek(int congregationNumber, int weekIndex) const;
    bool meetingDayDiffers(int congregationNumber, int weekIndex, int& day) const;
    int findCircuitByName(std::string_view text) const;
    std::string circuitName(std::size_t row) const;
    std::size_t findCircuit(int circuitNumber) const;
    std::string circuitNameByNumber(int circuitNumber) const;
    std::string hostName(std::size_t row, bool raw) const;
    std::string hostNameByNumber(int hospitalityNumber) const;
    std::size_t findHost(int hospitalityNumber) const;
    std::size_t findTalk(int talkNumber) const;
    std::string talkText(int talkNumber, bool withNumber, bool withWord) const;
    // The number text of a talk ("" when unknown).
    std::string talkNumberText(int talkNumber) const;
    std::size_t specialEventRow(int weekIndex) const;
    std::size_t localBrotherRow(int brotherNumber) const;
    int countLocalWithRole(int roleBit) const;
    bool isLocalOutgoingSpeaker(std::size_t row) const;
    int countBrothersOfCongregation(int congregationNumber) const;

    // ---- Unavailability ----
    bool addUnavailableWeek(int brother, int week);
    void removeUnavailableWeek(int brother, int week);
    int unavailableWeeks(int brother, int limit, std::vector<int>* out) const;
    bool isAvailable(int brother, int week) const;
    bool isUntilFurtherNotice(int brother) const;

    // ---- Week assignments ----
    int assignmentInWeek(int brotherNumber, int weekIndex, int skipKind) const;
    int assignmentsAhead(int brotherNumber) const;

    // ---- Sorts ----
    void sortBrothers();
    void sortCongregations();
    void sortCircuits();
    void sortHosts();
    void sortTopics();

    // ---- Duplicate-name checks ----
    // 0 when no other row has the name; row + 1 of the match (after Yes, or
    // always for circuits, hosts and topics); -1 when the user said No.
    int checkCongregationName(std::string_view name, bool replaceAllowed, std::size_t editedRow);
    int checkBrotherName(std::string_view name, bool replaceAllowed, std::size_t editedRow);
    int checkCircuitName(std::string_view name, bool replaceAllowed, std::size_t editedRow);
    int checkHostName(std::string_view name, bool replaceAllowed, std::size_t editedRow);
    int checkTopicName(std::string_view name, bool replaceAllowed, std::size_t editedRow);

    // ---- New keys ----
    int newCircuitNumber() const;
    int newHospitalityNumber() const;
    int newTopicNumber() const;

    // ---- Local brothers ----
    void buildLocalBrothers();

    // ---- Weeks and dates ----
    DateContext dateContext() const;
    std::string weekDateText(int w, int flags, int code = 0) const;
    std::string formatDate(std::string_view d, int flags, int code = 0) const;
    int yearParity(int weekIndex) const;

    // ---- Congregations ----
    int addCongregation(CongregationRecord& r);
    bool replaceCongregation(std::size_t row, CongregationRecord& r);
    bool storeCongregation(std::size_t row, int slot, const CongregationRecord& r);
    bool deleteCongregation(std::size_t row, CongregationRecord& buffer);
    int countSpeakersForTalk(std::size_t row, int talkNumber) const;
    int lastVisitFromCongregation(int congregationNumber) const;
    int contactOfCongregation(int congregationNumber) const;
    void rebuildCongregationRow(std::size_t row, const CongregationRecord& r, int slot);

    // ---- Brothers ----
    int brotherNumberAt(std::size_t row) const;
    int addBrother(BrotherRecord& r, BrotherExtensionRecord& ext);
    bool replaceBrother(std::size_t row, BrotherRecord& r, BrotherExtensionRecord& ext);
    bool storeBrother(std::size_t row, int slot, BrotherRecord& r, BrotherExtensionRecord& ext);
    bool deleteBrother(std::size_t row, BrotherRecord& buffer);
    bool moveBrother(std::size_t row, int congregationNumber, bool ask);
    bool moveIncomingTalks(int brotherNumber, int congregationNumber);
    bool brotherGivesTalk(std::size_t row, int talkNumber) const;
    std::string brotherNotes(std::size_t row);
    int brotherAddressLines(int brotherNumber, std::string out[2]);
    int brotherContacts(int brotherNumber, std::string out[4]);
    int nearestOutgoingWeek(int brotherNumber, int weekIndex) const;

    // ---- Talks and topics ----
    bool talkHasTopic(std::size_t talkRow, std::size_t topicRow) const;
    // Weeks whose incoming talk is the talk, from firstShownWeek back to the
    // window's second week, newest first.
    std::vector<int> talkHistory(int talkNumber) const;
    int addTopic(TopicRecord r);
    void deleteTopic(std::size_t row);

    // ---- Circuits and hosts ----
    int addCircuit(CircuitRecord r);
    bool deleteCircuit(std::size_t row);
    int addHost(HospitalityRecord r);
    void deleteHost(std::size_t row);

    // ---- Capacity ----
    // Refuses an addition beyond a table's capacity with a message.
    bool roomFor(std::size_t count, std::size_t capacity);

    // ---- Public state ----
    static constexpr int kWindowWeeks = 1000;
    static constexpr std::size_t kTalkRows = 256;
    static constexpr std::size_t kLocalBrothersCapacity = 100;

    Settings settings;
    std::string languageTag;
    std::string today;    // date string at start-up
    int todayYY = 0;
    int currentWeek = 0;
    int baseWeek = 0;
    int firstShownWeek = 0;
    std::uint8_t ownMeetingDayOdd = 6;
    std::uint8_t ownMeetingDayEven = 6;
    bool sortByFirstName = false;
    int dataChanged = 0;
    bool unavailabilityChanged = false;
    WishList wishList;

    std::vector<BrotherSummary> brothers;
    std::vector<CongregationSummary> congregations;
    std::vector<CircuitRecord> circuits;
    std::vector<HospitalityRecord> hosts;
    std::vector<TalkRecord> talks;
    std::vector<TopicRecord> topics;
    std::vector<WeekRecord> weeks; // the 1000-week window
    std::vector<UnavailabilityRecord> unavailability;
    std::vector<SpecialEventRecord> specialEvents;
    std::vector<LocalBrotherEntry> localBrothers;

    std::size_t brothersCapacity = 0;
    std::size_t congregationsCapacity = 0;
    std::size_t circuitsCapacity = 0;
    std::size_t hostsCapacity = 0;
    std::size_t topicsCapacity = 0;
    std::size_t unavailabilityCapacity = 0;
    std::size_t specialEventsCapacity = 0;

    int speakersRecordsInFile = 0;
    int congRecordsInFile = 0;
    int xtendRecordsInFile = 0;

    FileSystem& fileSystem() { return fs_; }
    Host& host() { return *host_; }
    void setHost(Host& h) { host_ = &h; }

private:
    bool allocate();
    void releaseTables();
    void runRenames();
    void convertExtensionFile();
    void loadExtensionCount();
    template <class R, class Row>
    int loadNumbered(int fileNameId, std::size_t keyOffset, std::vector<Row>& rows, std::size_t capacity,
                     const std::function<void(const Row&)>& loaded);
    void loadBrothers();
    void loadCongregations();
    void loadCircuits();
    void loadHospitality();
    void loadTalks();
    void loadTopics();
    void loadWeeks();
    void loadUnavailability();
    void loadWishList();
    void loadSpecialEvents();
    void setOwnMeetingDays(const CongregationSummary& c);
    // Writes a whole file; on failure shows message 1231.
    bool saveFile(int fileNameId, std::span<const std::uint8_t> data);
    int checkName(std::string_view name, bool replaceAllowed, std::size_t editedRow, std::size_t rows,
                  const std::function<std::string(std::size_t)>& nameOf, bool mayReplace);
    // The first record position from 1 up that no row of the table holds,
    // else the position after the file's last record. Every record with a
    // number is in its table (the file is read whole at start and every write
    // goes through the document), so the table tells which slots are free.
    template <class Row>
    static int firstFreeSlot(const std::vector<Row>& rows, int recordsInFile) {
        std::vector<bool> used(static_cast<std::size_t>(std::max(recordsInFile, 1)), false);
        for (const Row& r : rows)
            if (r.recordPosition < used.size()) used[r.recordPosition] = true;
        for (int p = 1; p < recordsInFile; ++p)
            if (!used[static_cast<std::size_t>(p)]) return p;
        return std::max(recordsInFile, 1);
    }
    void clearBrotherFromWeeks(int brotherNumber);
    // The record of type R at a position of its file, read on demand.
    template <class R>
    std::optional<R> readRecordAt(int fileNameId, int position);
    // Clears a brother as coordinator, talk coordinator and secretary of one congregation.
    bool clearCongregationRoles(std::size_t congregationRow, int brotherNumber);

    FileSystem& fs_;
    const Clock& clock_;
    Host* host_;
    std::filesystem::path folder_;
    bool tablesReady_ = false;
    // history.dat records outside the window, kept so that a save does not
    // drop them.
    std::vector<WeekRecord> weeksOutsideWindow_;
};

} // namespace orvek
