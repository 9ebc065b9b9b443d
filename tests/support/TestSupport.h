#pragma once

// Small helpers shared by the test executables. Standard library only.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvek::test {

// A new, empty folder under the system's temporary folder, unique to this
// object; it is removed with everything in it when the object is destroyed.
class TempDir {
public:
    explicit TempDir(std::string_view prefix = "orvek-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
    // The path as UTF-8 text.
    std::string str() const;

private:
    std::filesystem::path path_;
};

// The whole file, or nullopt when it cannot be read.
std::optional<std::vector<std::uint8_t>> readBytes(const std::filesystem::path& p);
// The whole file as text ("" when it cannot be read).
std::string readText(const std::filesystem::path& p);
// Writes (replaces) a file; returns whether it worked.
bool writeBytes(const std::filesystem::path& p, std::string_view bytes);

} // namespace orvek::test
