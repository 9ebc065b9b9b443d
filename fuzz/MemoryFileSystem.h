#pragma once

#include <algorithm>
#include <map>
#include <string>

#include "platform/FileSystem.h"

namespace orvek::fuzz {

// A data folder in memory: full path -> bytes. Every operation succeeds the
// way the local file system would on a writable folder, so a fuzz run never
// touches the disk and starts from exactly the files it was given.
class MemoryFileSystem : public FileSystem {
public:
    std::optional<Bytes> readFile(const std::filesystem::path& p) override {
        auto it = files.find(key(p));
        if (it == files.end()) return std::nullopt;
        return it->second;
    }

    std::optional<Bytes> readAt(const std::filesystem::path& p, std::uint64_t offset, std::size_t length) override {
        auto it = files.find(key(p));
        if (it == files.end()) return std::nullopt;
        const Bytes& b = it->second;
        if (offset >= b.size()) return Bytes{};
        auto start = static_cast<std::size_t>(offset);
        std::size_t n = std::min(length, b.size() - start);
        return Bytes(b.begin() + static_cast<std::ptrdiff_t>(start),
                     b.begin() + static_cast<std::ptrdiff_t>(start + n));
    }

    std::optional<std::uint64_t> fileSize(const std::filesystem::path& p) override {
        auto it = files.find(key(p));
        if (it == files.end()) return std::nullopt;
        return it->second.size();
    }

    bool exists(const std::filesystem::path& p) override { return files.count(key(p)) != 0; }

    WriteError writeFileAtomic(const std::filesystem::path& p, std::span<const std::uint8_t> data) override {
        files[key(p)] = Bytes(data.begin(), data.end());
        return WriteError::None;
    }

    WriteError writeAt(const std::filesystem::path& p, std::uint64_t offset,
                       std::span<const std::uint8_t> data) override {
        // Like a file opened for update: a gap before `offset` reads as zeros.
        Bytes& b = files[key(p)];
        auto start = static_cast<std::size_t>(offset);
        if (b.size() < start + data.size()) b.resize(start + data.size(), 0);
        std::copy(data.begin(), data.end(), b.begin() + static_cast<std::ptrdiff_t>(start));
        return WriteError::None;
    }

    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        auto it = files.find(key(from));
        if (it == files.end()) return false;
        Bytes data = std::move(it->second);
        files.erase(it);
        files[key(to)] = std::move(data);
        return true;
    }

    bool remove(const std::filesystem::path& p) override { return files.erase(key(p)) != 0; }

    std::map<std::string, Bytes> files;

private:
    static std::string key(const std::filesystem::path& p) { return p.lexically_normal().string(); }
};

} // namespace orvek::fuzz
