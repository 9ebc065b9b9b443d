// orvek-cli: the headless face of the planner.

#include <CLI/CLI.hpp>
#include <charconv>
#include <iostream>

#include "app/cli/Demo.h"
#include "app/cli/Dump.h"
#include "app/cli/Session.h"
#include "platform/DataFolder.h"

using namespace orvek;

namespace {

int fail(std::string message) {
    // One line, whatever the message holds.
    for (auto& c : message)
        if (c == '\n' || c == '\r') c = ' ';
    while (!message.empty() && message.back() == ' ') message.pop_back();
    std::cerr << "orvek-cli: " << message << '\n';
    return 1;
}

std::optional<CivilDate> todayOption(const std::string& text, bool& ok) {
    ok = true;
    if (text.empty()) return std::nullopt;
    auto d = parseIsoDate(text);
    ok = d.has_value();
    return d;
}

// `demo DIR`: refuses a folder that holds data, creates a missing one, and
// writes the demo through a started document on the locked folder.
int runDemo(const std::string& dir, const DemoOptions& options, std::optional<CivilDate> date) {
    std::filesystem::path folder = pathFromUtf8(dir);
    std::error_code ec;
    if (!std::filesystem::exists(folder, ec)) {
        if (!std::filesystem::create_directories(folder, ec) || ec)
            return fail("cannot create the folder " + dir + ": " + ec.message());
    } else if (!std::filesystem::is_directory(folder, ec)) {
        return fail("not a folder: " + dir);
    }
    Session session;
    // Take the folder's lock before looking, so that no other program starts
    // on it between the check and the writing (Session::open takes it again).
    if (session.lock.acquire(folder) == DataFolderLock::Result::Locked) {
        if (auto name = existingDataFile(folder))
            return fail(dir + " already holds data (" + *name + "); the demo wants a folder without data files");
    }
    std::string error;
    if (!session.open(folder, date, error)) return fail(error);
    DemoStats stats;
    if (!writeDemo(*session.doc, options, error, &stats)) return fail(error);
    if (session.host.messagesShown() > 0) return fail("the document reported a problem while the demo was written");
    std::cout << "Demo data written to " << dir << ": " << stats.congregations << " congregations in " << stats.circuits
              << " circuits, " << stats.brothers << " brothers (" << stats.localBrothers << " local), " << stats.weeks
              << " weeks, " << stats.specialEvents << " special weeks\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    CLI::App app{"Orvek public talk planner, command line"};
    app.require_subcommand(1);

    std::string dataDir, today;
    auto* dump = app.add_subcommand("dump", "Print the data folder's document as JSON");
    dump->add_option("--data", dataDir, "Data folder (default: the per-user data folder)");
    dump->add_option("--today", today, "Today's date, YYYY-MM-DD");

    auto* summary = app.add_subcommand("summary", "Print a short summary of a data folder");
    summary->add_option("--data", dataDir, "Data folder (default: the per-user data folder)");
    summary->add_option("--today", today, "Today's date, YYYY-MM-DD");

    std::string demoDir;
    DemoOptions demoOptions;
    auto* demo = app.add_subcommand("demo", "Write a realistic demo data folder");
    demo->add_option("DIR", demoDir, "Folder to fill; created when missing, refused when it holds data files")
        ->required();
    demo->add_option("--scale", demoOptions.scale, "Times as many congregations and brothers (1..100)")
        ->check(CLI::Range(1, kMaxDemoScale));
    std::string demoSeed = "1";
    demo->add_option("--seed", demoSeed,
                     "Seed of the generator, a whole number (default 1); the same seed gives "
                     "the same files");
    demo->add_option("--today", today, "Today's date, YYYY-MM-DD (default: the system date)");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        return fail(e.what());
    }

    bool ok = true;
    auto date = todayOption(today, ok);
    if (!ok) return fail("--today wants a date YYYY-MM-DD of the years 2000-2099: " + today);
    if (*demo) {
        // Read strictly: CLI11 would wrap a negative number around.
        auto [end, ec] = std::from_chars(demoSeed.data(), demoSeed.data() + demoSeed.size(), demoOptions.seed);
        if (demoSeed.empty() || ec != std::errc() || end != demoSeed.data() + demoSeed.size())
            return fail("--seed wants a whole number from 0 to 18446744073709551615: " + demoSeed);
        return runDemo(demoDir, demoOptions, date);
    }
    std::filesystem::path folder = dataDir.empty() ? defaultDataFolder() : std::filesystem::path(dataDir);
    if (dataDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
    }

    Session session;
    std::string error;
    if (!session.open(folder, date, error)) return fail(error);
    const COvDoc& doc = *session.doc;

    if (*dump) {
        std::cout << dumpDocument(doc).dump(2) << '\n';
        return 0;
    }
    if (*summary) {
        int weeksInUse = 0;
        for (const auto& w : doc.weeks) weeksInUse += w.inUse();
        std::cout << "Tietohakemisto: " << folder.string() << '\n'
                  << "Oma seurakunta: " << doc.congregationNameByNumber(doc.settings.ownCongregationNumber, false)
                  << '\n'
                  << "Seurakuntia: " << doc.congregations.size() << ", kierroksia: " << doc.circuits.size() << '\n'
                  << "Veljiä: " << doc.brothers.size() << ", paikallisia: " << doc.localBrothers.size() << '\n'
                  << "Viikkoja ajoitettu: " << weeksInUse << ", erikoisviikkoja: " << doc.specialEvents.size()
                  << '\n';
        return 0;
    }
    return 0;
}
