// orvek-cli: the headless face of the planner.

#include <CLI/CLI.hpp>
#include <iostream>

#include "app/cli/Dump.h"
#include "app/cli/Session.h"
#include "platform/DataFolder.h"

using namespace orvek;

namespace {

int fail(const std::string& message) {
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

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == 0) return app.exit(e);
        return fail(e.what());
    }

    bool ok = true;
    auto date = todayOption(today, ok);
    if (!ok) return fail("--today wants a date YYYY-MM-DD of the years 2000-2099: " + today);
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
