// `orvek-cli demo`: determinism, the shape of the folder it writes (read back
// by a fresh document), scaling, and the refusals.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include "app/cli/CliHost.h"
#include "app/cli/Demo.h"
#include "app/cli/Session.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "resources/StringTable.h"
#include "store/Document.h"
#include "store/Text.h"
#include "support/TestSupport.h"

namespace orvek {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

constexpr const char* kToday = "2026-12-11";
const CivilDate kTodayDate{2026, 12, 11};

const int kDataFileIds[] = {datafile::speakers, datafile::cong,    datafile::circuit, datafile::hospital,
                            datafile::talk,     datafile::topic,   datafile::history, datafile::blackout,
                            datafile::wishlist, datafile::special, datafile::xtend};

std::string quote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct CliResult {
    int exitCode = -1; // -1: killed by a signal (a crash)
    std::string out;
    std::string err;
};

// Runs the built orvek-cli with the arguments (already quoted as needed).
CliResult runCli(const std::string& args) {
    TempDir io("orvek-cli-io");
    std::string cmd =
        quote(ORVEK_CLI_PATH) + " " + args + " >" + quote((io / "out").string()) + " 2>" + quote((io / "err").string());
    int status = std::system(cmd.c_str());
    CliResult r;
#ifdef _WIN32
    r.exitCode = status;
#else
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    r.out = test::readText(io / "out");
    r.err = test::readText(io / "err");
    return r;
}

bool oneLine(const std::string& s) {
    return s.size() > 1 && s.back() == '\n' && std::count(s.begin(), s.end(), '\n') == 1;
}

std::map<std::string, std::vector<std::uint8_t>> folderContents(const fs::path& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& e : fs::directory_iterator(dir)) files[e.path().filename().string()] = *test::readBytes(e.path());
    return files;
}

// A fresh document started on a folder, as the program would open it.
struct Loaded {
    LocalFileSystem fs;
    FixedClock clock{kTodayDate};
    std::ostringstream messages;
    CliHost host{messages};
    std::unique_ptr<COvDoc> doc;
    explicit Loaded(const fs::path& dir) {
        doc = std::make_unique<COvDoc>(fs, clock, host, dir);
        EXPECT_TRUE(doc->startUp());
        EXPECT_TRUE(doc->tablesReady());
    }
};

// The folders the tests share, each generated when a test first asks for it
// (ctest runs every test in a process of its own).
class DemoTest : public ::testing::Test {
protected:
    static const TempDir& folder(const std::string& args) {
        static std::map<std::string, std::unique_ptr<TempDir>> folders;
        auto& dir = folders[args];
        if (!dir) {
            dir = std::make_unique<TempDir>("orvek-demo");
            CliResult r = runCli("demo " + quote(dir->str()) + args + " --today " + kToday);
            EXPECT_EQ(r.exitCode, 0) << r.err;
            EXPECT_EQ(r.err, "");
            EXPECT_TRUE(oneLine(r.out)) << r.out;
        }
        return *dir;
    }
    static const TempDir& seed1() { return folder(""); }
    static const TempDir& seed1Again() { return folder(" --seed 1"); }
    static const TempDir& seed2() { return folder(" --seed 2"); }
    static const TempDir& scale10() { return folder(" --scale 10"); }
};

// ------------------------------------------------------------ determinism

TEST_F(DemoTest, theSameSeedGivesByteIdenticalFiles) {
    auto a = folderContents(seed1().path());
    auto b = folderContents(seed1Again().path());
    for (int id : kDataFileIds) EXPECT_TRUE(a.count(std::string(stringText(id)))) << stringText(id);
    ASSERT_EQ(a.size(), b.size());
    for (const auto& [name, bytes] : a) {
        ASSERT_TRUE(b.count(name)) << name;
        EXPECT_TRUE(bytes == b[name]) << name << " differs";
    }
}

TEST_F(DemoTest, aDifferentSeedGivesDifferentFiles) {
    auto a = folderContents(seed1().path());
    auto c = folderContents(seed2().path());
    for (const char* name : {"speakers.dat", "cong.dat", "history.dat"}) EXPECT_FALSE(a[name] == c[name]) << name;
}

// -------------------------------------------------------- the folder's shape

TEST_F(DemoTest, loadsBackWithoutMessagesAndWithTheSettings) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    EXPECT_EQ(l.messages.str(), "");
    EXPECT_NE(doc.settings.ownCongregationNumber, 0);
    EXPECT_NE(doc.findCongregation(doc.settings.ownCongregationNumber), 0u);
    EXPECT_EQ(doc.settings.scheduleHospitality, 1);
    EXPECT_EQ(doc.settings.scheduleReaders, 1);
}

TEST_F(DemoTest, holdsAboutNineCongregationsInTwoCircuits) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    EXPECT_GE(doc.congregations.size(), 8u);
    EXPECT_LE(doc.congregations.size(), 10u);
    EXPECT_EQ(doc.circuits.size(), 2u);
    std::set<std::string> names;
    for (std::size_t row = 0; row < doc.congregations.size(); ++row) {
        const CongregationSummary& c = doc.congregations[row];
        EXPECT_TRUE(names.insert(toLowerText(c.name)).second) << c.name;
        EXPECT_NE(doc.findCircuit(c.circuitNumber), 0u) << c.name;
        EXPECT_FALSE(c.meetingTimeOdd.empty());
        EXPECT_FALSE(c.meetingTimeEven.empty());
        EXPECT_LE(c.meetingDayOdd, 6);
        EXPECT_LE(c.meetingDayEven, 6);
        CongregationRecord rec;
        ASSERT_NE(l.doc->readCongregation(row, rec), 0);
        EXPECT_FALSE(rec.hallAddress1.empty()) << c.name;
        EXPECT_FALSE(rec.hallAddress2.empty()) << c.name;
        // The three offices are held by elders of the congregation.
        for (int officer : {c.coordinatorBrother, c.secretaryBrother, c.talkCoordinatorBrother}) {
            std::size_t b = doc.findBrother(officer);
            ASSERT_NE(b, kNotFound) << c.name;
            EXPECT_EQ(doc.brothers[b].congregationNumber, c.congregationNumber);
            EXPECT_TRUE(doc.brothers[b].elder());
        }
    }
    // Most congregations meet on Sunday.
    auto sunday = std::count_if(doc.congregations.begin(), doc.congregations.end(),
                                [](const CongregationSummary& c) { return c.meetingDayOdd == 0; });
    EXPECT_GE(sunday * 2, static_cast<long>(doc.congregations.size()));
}

TEST_F(DemoTest, brothersHaveDistinctNamesAndTitledTalks) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    std::set<std::string> names;
    int untilFurtherNotice = 0, elders = 0, servants = 0, others = 0;
    for (const BrotherSummary& b : doc.brothers) {
        EXPECT_TRUE(names.insert(toLowerText(b.firstName + " " + b.lastName)).second)
            << b.firstName << " " << b.lastName;
        EXPECT_NE(doc.findCongregation(b.congregationNumber), 0u);
        int talks = b.talks.count();
        if (talks) {
            EXPECT_TRUE(b.elder() || b.ministerialServant());
            EXPECT_GE(talks, 3);
            EXPECT_LE(talks, 12);
        }
        for (int t = 1; t <= 256; ++t)
            if (b.talks.has(t)) {
                EXPECT_FALSE(trimText(doc.talkText(t, false, false)).empty()) << t;
            }
        untilFurtherNotice += b.untilFurtherNotice();
        elders += b.elder();
        servants += b.ministerialServant();
        others += !b.elder() && !b.ministerialServant();
    }
    EXPECT_GE(untilFurtherNotice, 1);
    EXPECT_GT(elders, 0);
    EXPECT_GT(servants, 0);
    EXPECT_GT(others, 0);
    for (const CongregationSummary& c : doc.congregations) {
        int n = doc.countBrothersOfCongregation(c.congregationNumber);
        EXPECT_GE(n, 12) << c.name;
        EXPECT_LE(n, 22) << c.name;
    }
}

TEST_F(DemoTest, someBrothersHaveExtensionContacts) {
    Loaded l(seed1().path());
    COvDoc& doc = *l.doc;
    int withExtension = 0;
    for (std::size_t row = 0; row < doc.brothers.size(); ++row) {
        const BrotherSummary& b = doc.brothers[row];
        if (!b.extensionNumber) continue;
        BrotherExtensionRecord ext;
        ASSERT_EQ(doc.readExtension(b.extensionNumber, b.brotherNumber, ext), 1);
        EXPECT_TRUE(ext.hasText());
        ++withExtension;
    }
    EXPECT_GT(withExtension, 5);
}

TEST_F(DemoTest, localBrothersHoldTheRoles) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    EXPECT_EQ(static_cast<int>(doc.localBrothers.size()),
              doc.countBrothersOfCongregation(doc.settings.ownCongregationNumber));
    EXPECT_LE(doc.localBrothers.size(), COvDoc::kLocalBrothersCapacity);
    EXPECT_GE(doc.countLocalWithRole(1), 3);
    EXPECT_GE(doc.countLocalWithRole(2), 4);
    EXPECT_GE(doc.countLocalWithRole(4), 4);
    for (const LocalBrotherEntry& e : doc.localBrothers)
        if (e.roles & role::outgoingSpeaker) {
            EXPECT_TRUE(doc.brothers[e.row].talks.any());
        }
}

TEST_F(DemoTest, hostsOneOfThemOutOfTheRotation) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    EXPECT_GE(doc.hosts.size(), 6u);
    auto tilde = std::count_if(doc.hosts.begin(), doc.hosts.end(),
                               [](const HospitalityRecord& h) { return !h.name.empty() && h.name[0] == '~'; });
    EXPECT_EQ(tilde, 1);
}

TEST_F(DemoTest, weeksInUseForTwoYearsBackAndTwentySixAhead) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    const int cw = doc.currentWeek;
    for (int w = cw - 104; w < cw + 26; ++w) EXPECT_TRUE(doc.weekRecord(w - 1).inUse()) << w;
    EXPECT_FALSE(doc.weekRecord(cw + 26).inUse());
    // The history is complete: every ordinary past week had its talk,
    // chairman, reader and hospitality, with the marks of the arrangement.
    for (int w = cw - 104; w < cw; ++w) {
        WeekRecord r = doc.weekRecord(w - 1);
        if (r.flags & weekflag::eventBits) continue;
        EXPECT_NE(r.inSpeaker, 0) << w;
        EXPECT_NE(r.inTalk, 0) << w;
        EXPECT_NE(r.chairman, 0) << w;
        EXPECT_NE(r.reader, 0) << w;
        EXPECT_NE(r.hospitality, 0) << w;
        EXPECT_NE(r.askedMark, 0) << w;
        EXPECT_NE(r.confirmedMark, 0) << w;
    }
    // Some planned weeks are marked, the far ones not yet.
    EXPECT_NE(doc.weekRecord(cw - 1).confirmedMark, 0);
    EXPECT_EQ(doc.weekRecord(cw + 24).confirmedMark, 0);
}

TEST_F(DemoTest, everyWeekIsConsistent) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    const int cw = doc.currentWeek;
    const int own = doc.settings.ownCongregationNumber;
    auto roleOf = [&](int brother) -> int {
        std::size_t e = doc.localBrotherRow(brother);
        return e ? doc.localBrothers[e - 1].roles : -1;
    };
    int outgoing = 0;
    for (int w = cw - 104; w < cw + 26; ++w) {
        WeekRecord r = doc.weekRecord(w - 1);
        std::vector<int> people;
        if (r.inSpeaker) {
            std::size_t b = doc.findBrother(r.inSpeaker);
            ASSERT_NE(b, kNotFound) << w;
            EXPECT_EQ(doc.brothers[b].congregationNumber, r.inSpeakerCongregation) << w;
            EXPECT_NE(r.inSpeakerCongregation, own) << w;
            EXPECT_TRUE(doc.brothers[b].talks.has(r.inTalk)) << w;
        }
        if (r.inSpeakerCongregation) {
            EXPECT_NE(doc.findCongregation(r.inSpeakerCongregation), 0u) << w;
        }
        for (std::uint16_t mark : {r.askedMark, r.confirmedMark, r.reminderMark}) {
            if (!mark) continue;
            EXPECT_LE(mark, std::min(w, cw)) << w;
            EXPECT_GT(mark, w - 30) << w;
        }
        if (r.confirmedMark) {
            EXPECT_GE(r.confirmedMark, r.askedMark) << w;
        }
        if (r.reminderMark) {
            EXPECT_GE(r.reminderMark, r.confirmedMark) << w;
        }
        std::set<int> destinations;
        for (int k = 0; k < WeekRecord::kOutSlots; ++k) {
            if (!r.outSpeaker[k]) continue;
            ++outgoing;
            EXPECT_LE(k, 2) << w;
            std::size_t b = doc.findBrother(r.outSpeaker[k]);
            ASSERT_NE(b, kNotFound);
            EXPECT_TRUE(roleOf(r.outSpeaker[k]) & role::outgoingSpeaker) << w;
            EXPECT_TRUE(doc.brothers[b].talks.has(r.outTalk[k])) << w;
            EXPECT_NE(r.outCongregation[k], own) << w;
            EXPECT_NE(doc.findCongregation(r.outCongregation[k]), 0u) << w;
            EXPECT_TRUE(destinations.insert(r.outCongregation[k]).second) << w;
            people.push_back(r.outSpeaker[k]);
        }
        if (r.chairman) {
            EXPECT_TRUE(roleOf(r.chairman) & role::chairman) << w;
            people.push_back(r.chairman);
        }
        if (r.reader) {
            EXPECT_TRUE(roleOf(r.reader) & role::reader) << w;
            people.push_back(r.reader);
        }
        std::set<int> distinct(people.begin(), people.end());
        EXPECT_EQ(distinct.size(), people.size()) << "a brother twice in week " << w;
        if (r.hospitality) {
            std::size_t h = doc.findHost(r.hospitality);
            ASSERT_NE(h, 0u) << w;
            EXPECT_NE(doc.hosts[h - 1].name[0], '~') << w;
        }
        // Planned weeks respect the unavailable weeks.
        if (w >= cw) {
            for (int p : people) EXPECT_TRUE(doc.isAvailable(p, w)) << w;
        }
        if (r.inSpeaker && w >= cw) {
            EXPECT_TRUE(doc.isAvailable(r.inSpeaker, w)) << w;
        }
    }
    EXPECT_GT(outgoing, 60);
}

TEST_F(DemoTest, oneConventionAndOneOverseerVisitAheadWithMatchingWeekFlags) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    const int cw = doc.currentWeek;
    int conventions = 0, visits = 0;
    int previous = -1;
    for (const SpecialEventRecord& e : doc.specialEvents) {
        EXPECT_GT(e.weekIndex, previous); // ascending
        previous = e.weekIndex;
        WeekRecord r = doc.weekRecord(e.weekIndex);
        EXPECT_EQ(r.flags & weekflag::eventBits, e.flags) << e.weekIndex;
        EXPECT_TRUE(r.inUse());
        EXPECT_FALSE(e.title.empty());
        EXPECT_FALSE(e.theme.empty());
        EXPECT_EQ(r.inSpeaker, 0);
        if (e.flags & weekflag::convention) {
            EXPECT_EQ(e.flags, weekflag::convention);
            EXPECT_EQ(r.chairman, 0);
        }
        if (e.flags & weekflag::overseerVisit) {
            EXPECT_EQ(e.flags, weekflag::overseerVisit | weekflag::keepChairman);
            EXPECT_NE(r.chairman, 0);
        }
        if (e.weekIndex + 1 >= cw && e.weekIndex + 1 < cw + 26) {
            conventions += (e.flags & weekflag::convention) != 0;
            visits += (e.flags & weekflag::overseerVisit) != 0;
        }
    }
    EXPECT_EQ(conventions, 1);
    EXPECT_EQ(visits, 1);
    // Weeks without an event carry no event bits.
    for (int w = cw - 104; w < cw + 26; ++w)
        if (!doc.specialEventRow(w - 1)) {
            EXPECT_EQ(doc.weekRecord(w - 1).flags & weekflag::eventBits, 0) << w;
        }
}

TEST_F(DemoTest, unavailableWeeksLieAhead) {
    Loaded l(seed1().path());
    const COvDoc& doc = *l.doc;
    EXPECT_GE(doc.unavailability.size(), 5u);
    for (const UnavailabilityRecord& u : doc.unavailability) {
        EXPECT_GE(u.week, doc.currentWeek);
        EXPECT_NE(doc.findBrother(u.brotherNumber), kNotFound);
    }
}

TEST_F(DemoTest, wishListWithPriorities) {
    Loaded l(seed1().path());
    const WishList& wl = l.doc->wishList;
    EXPECT_GE(wl.wanted.count(), 13);
    EXPECT_LE(wl.wanted.count(), 17);
    EXPECT_GT(wl.priorityOne.count(), 0);
    EXPECT_GT(wl.priorityThree.count(), 0);
    for (int t = 1; t <= 256; ++t) {
        if (wl.priorityOne.has(t) || wl.priorityThree.has(t)) {
            EXPECT_TRUE(wl.wanted.has(t)) << t;
        }
        if (wl.wanted.has(t)) {
            EXPECT_FALSE(trimText(l.doc->talkText(t, false, false)).empty()) << t;
        }
    }
}

// ------------------------------------------------------------------ scale

TEST_F(DemoTest, scaleTenGivesAboutTenTimesAsMany) {
    Loaded one(seed1().path());
    Loaded ten(scale10().path());
    EXPECT_EQ(ten.messages.str(), "");
    const COvDoc& a = *one.doc;
    const COvDoc& b = *ten.doc;
    EXPECT_GE(b.congregations.size(), 8 * a.congregations.size());
    EXPECT_LE(b.congregations.size(), 11 * a.congregations.size());
    EXPECT_GE(b.brothers.size(), 8 * a.brothers.size());
    EXPECT_LE(b.brothers.size(), 12 * a.brothers.size());
    // About one circuit for four congregations.
    EXPECT_GE(b.circuits.size() * 5, b.congregations.size());
    EXPECT_LE(b.circuits.size() * 3, b.congregations.size());
    EXPECT_LE(b.localBrothers.size(), COvDoc::kLocalBrothersCapacity);
    std::set<std::string> names;
    for (const BrotherSummary& s : b.brothers)
        EXPECT_TRUE(names.insert(toLowerText(s.firstName + " " + s.lastName)).second)
            << s.firstName << " " << s.lastName;
    std::set<std::string> congNames;
    for (const CongregationSummary& c : b.congregations)
        EXPECT_TRUE(congNames.insert(toLowerText(c.name)).second) << c.name;
}

// ---------------------------------------------------------------- refusals

TEST(DemoCli, refusesAFolderThatHoldsAnyDataFile) {
    for (int id : kDataFileIds) {
        TempDir dir("orvek-demo-full");
        std::string name(stringText(id));
        ASSERT_TRUE(test::writeBytes(dir / pathFromUtf8(name), "x"));
        CliResult r = runCli("demo " + quote(dir.str()) + " --today " + kToday);
        EXPECT_EQ(r.exitCode, 1) << name;
        EXPECT_TRUE(oneLine(r.err)) << r.err;
        EXPECT_NE(r.err.find(name), std::string::npos) << r.err;
        // Nothing else was written.
        auto files = folderContents(dir.path());
        files.erase("orvek.lock");
        EXPECT_EQ(files.size(), 1u) << name;
        EXPECT_EQ(test::readText(dir / pathFromUtf8(name)), "x");
    }
}

TEST(DemoCli, createsAMissingFolder) {
    TempDir dir("orvek-demo-new");
    fs::path target = dir / "uusi" / "kansio";
    CliResult r = runCli("demo " + quote(target.string()) + " --today " + kToday + " --seed 7");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(oneLine(r.out)) << r.out;
    EXPECT_TRUE(fs::exists(target / "speakers.dat"));
    // A second run on the filled folder is refused.
    CliResult again = runCli("demo " + quote(target.string()) + " --today " + kToday);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(oneLine(again.err)) << again.err;
}

TEST(DemoCli, worksWithTheSystemDate) {
    TempDir dir("orvek-demo-now");
    CliResult r = runCli("demo " + quote(dir.str()));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Read back on the system date: two years back and 26 weeks ahead.
    Session s;
    std::string error;
    ASSERT_TRUE(s.open(dir.path(), std::nullopt, error)) << error;
    int inUse = 0;
    for (const WeekRecord& w : s.doc->weeks) inUse += w.inUse();
    EXPECT_EQ(inUse, 130);
    EXPECT_TRUE(s.doc->weekRecord(s.doc->currentWeek - 1).inUse());
    EXPECT_TRUE(s.doc->weekRecord(s.doc->currentWeek + 24).inUse());
}

TEST(DemoCli, badArgumentsGiveOneLineAndANonZeroExit) {
    TempDir dir("orvek-demo-bad");
    TempDir notAFolderParent("orvek-demo-file");
    ASSERT_TRUE(test::writeBytes(notAFolderParent / "tiedosto", "x"));
    const std::string d = quote((dir / "x").string());
    const std::vector<std::string> cases = {
        "demo",                                                             // no DIR
        "demo " + d + " --scale 0",                                         // below the range
        "demo " + d + " --scale 101",                                       // above the range
        "demo " + d + " --scale kymmenen",                                  // not a number
        "demo " + d + " --scale",                                           // no value
        "demo " + d + " --seed abc",                                        // not a number
        "demo " + d + " --seed -5",                                         // negative
        "demo " + d + " --seed 18446744073709551616",                       // too large
        "demo " + d + " --seed 12x",                                        // trailing text
        "demo " + d + " --today 2026-13-01",                                // no such month
        "demo " + d + " --today 2026-02-30",                                // no such day
        "demo " + d + " --today 1999-12-31",                                // outside 2000-2099
        "demo " + d + " --today huomenna",                                  // not a date
        "demo " + d + " --kaikki",                                          // unknown option
        "demo " + d + " " + d,                                              // two folders
        "demo " + quote((notAFolderParent / "tiedosto").string()),          // a file, not a folder
        "demo " + quote((notAFolderParent / "tiedosto" / "alla").string()), // cannot be created
    };
    for (const std::string& args : cases) {
        CliResult r = runCli(args);
        EXPECT_NE(r.exitCode, 0) << args;
        EXPECT_NE(r.exitCode, -1) << "crashed: " << args;
        EXPECT_TRUE(oneLine(r.err)) << args << " -> " << r.err;
    }
    // None of them wrote anything.
    EXPECT_FALSE(fs::exists(dir / "x" / "speakers.dat"));
}

// --------------------------------------------------------------- in-process

TEST(DemoInProcess, refusesADocumentThatAlreadyHoldsData) {
    TempDir dir("orvek-demo-doc");
    {
        Session s;
        std::string error;
        ASSERT_TRUE(s.open(dir.path(), kTodayDate, error)) << error;
        ASSERT_TRUE(writeDemo(*s.doc, DemoOptions{}, error)) << error;
        EXPECT_FALSE(writeDemo(*s.doc, DemoOptions{}, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
    EXPECT_TRUE(existingDataFile(dir.path()).has_value());
    TempDir empty("orvek-demo-empty");
    EXPECT_FALSE(existingDataFile(empty.path()).has_value());
}

TEST(DemoInProcess, refusesAScaleOutOfRange) {
    TempDir dir("orvek-demo-scale");
    Session s;
    std::string error;
    ASSERT_TRUE(s.open(dir.path(), kTodayDate, error)) << error;
    EXPECT_FALSE(writeDemo(*s.doc, DemoOptions{0, 1}, error));
    EXPECT_FALSE(writeDemo(*s.doc, DemoOptions{101, 1}, error));
    EXPECT_TRUE(s.doc->brothers.empty());
}

} // namespace
} // namespace orvek
