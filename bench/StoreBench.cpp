// Start-up of the document on generated data folders, the table sorts and
// the week date texts over the whole window.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>

#include "app/cli/CliHost.h"
#include "app/cli/Demo.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "store/Document.h"

namespace orvek {
namespace {

const FixedClock kClock({2026, 12, 11});

// A demo folder of the given scale, generated once per run.
const std::filesystem::path& demoFolder(int scale) {
    static std::map<int, std::filesystem::path> folders;
    auto it = folders.find(scale);
    if (it != folders.end()) return it->second;
    auto dir = std::filesystem::temp_directory_path() / ("orvek-bench-" + std::to_string(scale));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    LocalFileSystem fs;
    CliHost host;
    COvDoc doc(fs, kClock, host, dir);
    doc.startUp();
    std::string error;
    if (!writeDemo(doc, {scale, 1}, error)) throw std::runtime_error(error);
    return folders.emplace(scale, dir).first->second;
}

void startUp(benchmark::State& state) {
    const auto& dir = demoFolder(static_cast<int>(state.range(0)));
    LocalFileSystem fs;
    CliHost host;
    std::size_t brothers = 0;
    for (auto _ : state) {
        COvDoc doc(fs, kClock, host, dir);
        doc.startUp();
        brothers = doc.brothers.size();
        benchmark::DoNotOptimize(doc.weeks.data());
    }
    state.counters["brothers"] = static_cast<double>(brothers);
}
BENCHMARK(startUp)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

struct Loaded {
    LocalFileSystem fs;
    CliHost host;
    std::unique_ptr<COvDoc> doc;
    explicit Loaded(int scale) {
        doc = std::make_unique<COvDoc>(fs, kClock, host, demoFolder(scale));
        doc->startUp();
    }
};

void sortBrothers(benchmark::State& state) {
    Loaded l(10);
    auto original = l.doc->brothers;
    for (auto _ : state) {
        state.PauseTiming();
        l.doc->brothers = original;
        std::reverse(l.doc->brothers.begin(), l.doc->brothers.end());
        state.ResumeTiming();
        l.doc->sortBrothers();
    }
    state.counters["rows"] = static_cast<double>(original.size());
}
BENCHMARK(sortBrothers)->Unit(benchmark::kMicrosecond);

void sortCongregations(benchmark::State& state) {
    Loaded l(10);
    auto original = l.doc->congregations;
    for (auto _ : state) {
        state.PauseTiming();
        l.doc->congregations = original;
        std::reverse(l.doc->congregations.begin(), l.doc->congregations.end());
        state.ResumeTiming();
        l.doc->sortCongregations();
    }
    state.counters["rows"] = static_cast<double>(original.size());
}
BENCHMARK(sortCongregations)->Unit(benchmark::kMicrosecond);

void weekDateTextOverTheWindow(benchmark::State& state) {
    Loaded l(1);
    for (auto _ : state) {
        std::size_t chars = 0;
        for (int x = l.doc->baseWeek; x < l.doc->baseWeek + COvDoc::kWindowWeeks; ++x)
            chars += l.doc->weekDateText(x + 1, 26).size();
        benchmark::DoNotOptimize(chars);
    }
    state.counters["weeks"] = COvDoc::kWindowWeeks;
}
BENCHMARK(weekDateTextOverTheWindow)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvek

BENCHMARK_MAIN();
