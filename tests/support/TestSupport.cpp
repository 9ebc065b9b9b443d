#include "support/TestSupport.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace orvek::test {

namespace fs = std::filesystem;

TempDir::TempDir(std::string_view prefix) {
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    std::mt19937_64 gen((static_cast<std::uint64_t>(device()) << 32) ^
                        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec) base = fs::current_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate =
            base / (std::string(prefix) + "-" + std::to_string(counter++) + "-" + std::to_string(gen() % 1000000000u));
        // create_directory is false (without an error) when the folder exists.
        if (fs::create_directory(candidate, ec) && !ec) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("TempDir: cannot create a temporary folder under " + base.string());
}

TempDir::~TempDir() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
}

std::string TempDir::str() const {
    std::u8string u = path_.u8string();
    return std::string(u.begin(), u.end());
}

std::optional<std::vector<std::uint8_t>> readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return data;
}

std::string readText(const fs::path& p) {
    auto b = readBytes(p);
    return b ? std::string(b->begin(), b->end()) : std::string();
}

bool writeBytes(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}

} // namespace orvek::test
