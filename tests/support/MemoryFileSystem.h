#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

namespace orvek::test {

// Files in memory, keyed by their full path. Writes can be made to fail, to
// show what the document does when a file cannot be written.
class MemoryFileSystem : public FileSystem {
public:
    std::optional<Bytes> readFile(const std::filesystem::path& p) override;
    std::optional<Bytes> readAt(const std::filesystem::path& p, std::uint64_t offset, std::size_t length) override;
    std::optional<std::uint64_t> fileSize(const std::filesystem::path& p) override;
    bool exists(const std::filesystem::path& p) override;
    WriteError writeFileAtomic(const std::filesystem::path& p, std::span<const std::uint8_t> data) override;
    WriteError writeAt(const std::filesystem::path& p, std::uint64_t offset, std::span<const std::uint8_t> data) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool remove(const std::filesystem::path& p) override;

    // Every write fails (a read-only folder) until switched off again.
    void setReadOnly(bool on) { readOnly_ = on; }
    // Writes to this one file fail.
    void failWritesTo(const std::filesystem::path& p) { failing_.insert(p.lexically_normal().string()); }
    // After `n` more bytes are written (all files together) writes fail mid-way.
    void failAfterBytes(std::size_t n) { budget_ = n; }

    std::map<std::string, Bytes> files;
    int writes = 0;

private:
    static std::string key(const std::filesystem::path& p) { return p.lexically_normal().string(); }
    bool failing(const std::filesystem::path& p) const;
    // Consumes the byte budget; false when the write must fail.
    bool spend(std::size_t n);

    bool readOnly_ = false;
    std::set<std::string> failing_;
    std::optional<std::size_t> budget_;
};

} // namespace orvek::test
