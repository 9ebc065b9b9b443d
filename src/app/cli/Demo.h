#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace orvek {

class COvDoc;

// What `orvek-cli demo` generates.
struct DemoOptions {
    int scale = 1;          // 1..100: times as many congregations and brothers
    std::uint64_t seed = 1; // the same seed (and today) gives byte-identical files
};

// What was written, for the command's closing line.
struct DemoStats {
    int congregations = 0;
    int circuits = 0;
    int brothers = 0;
    int localBrothers = 0;
    int weeks = 0;
    int specialEvents = 0;
};

inline constexpr int kMaxDemoScale = 100;

// The name of the first of the eleven data files that already exists in
// `folder`, or nullopt when none does.
std::optional<std::string> existingDataFile(const std::filesystem::path& folder);

// Fills a started, empty document with a realistic data folder, entirely
// through the document's own operations and saves: an own congregation and
// its neighbours in circuits, their brothers and talks, local roles,
// hospitality hosts, two years of history and 26 planned weeks from the
// document's today, unavailable weeks, a convention and a circuit overseer
// visit, local needs and settings. On failure returns false with a one-line
// message in `error`.
bool writeDemo(COvDoc& doc, const DemoOptions& options, std::string& error, DemoStats* stats = nullptr);

} // namespace orvek
