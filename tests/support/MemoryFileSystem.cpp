#include "support/MemoryFileSystem.h"

#include <algorithm>

namespace orvek::test {

std::optional<Bytes> MemoryFileSystem::readFile(const std::filesystem::path& p) {
    auto it = files.find(key(p));
    if (it == files.end()) return std::nullopt;
    return it->second;
}

std::optional<Bytes> MemoryFileSystem::readAt(const std::filesystem::path& p, std::uint64_t offset,
                                              std::size_t length) {
    auto it = files.find(key(p));
    if (it == files.end()) return std::nullopt;
    const Bytes& b = it->second;
    if (offset >= b.size()) return Bytes{};
    std::size_t n = std::min<std::size_t>(length, b.size() - static_cast<std::size_t>(offset));
    return Bytes(b.begin() + static_cast<std::ptrdiff_t>(offset), b.begin() + static_cast<std::ptrdiff_t>(offset + n));
}

std::optional<std::uint64_t> MemoryFileSystem::fileSize(const std::filesystem::path& p) {
    auto it = files.find(key(p));
    if (it == files.end()) return std::nullopt;
    return it->second.size();
}

bool MemoryFileSystem::exists(const std::filesystem::path& p) { return files.count(key(p)) != 0; }

bool MemoryFileSystem::failing(const std::filesystem::path& p) const {
    return readOnly_ || failing_.count(key(p)) != 0;
}

bool MemoryFileSystem::spend(std::size_t n) {
    if (!budget_) return true;
    if (n > *budget_) {
        *budget_ = 0;
        return false;
    }
    *budget_ -= n;
    return true;
}

WriteError MemoryFileSystem::writeFileAtomic(const std::filesystem::path& p, std::span<const std::uint8_t> data) {
    if (failing(p)) return WriteError::Open;
    // A failed atomic write leaves the old file as it was.
    if (!spend(data.size())) return WriteError::Write;
    ++writes;
    files[key(p)] = Bytes(data.begin(), data.end());
    return WriteError::None;
}

WriteError MemoryFileSystem::writeAt(const std::filesystem::path& p, std::uint64_t offset,
                                     std::span<const std::uint8_t> data) {
    if (failing(p)) return WriteError::Open;
    if (!spend(data.size())) return WriteError::Write;
    ++writes;
    Bytes& b = files[key(p)];
    if (b.size() < offset + data.size()) b.resize(static_cast<std::size_t>(offset + data.size()), 0);
    std::copy(data.begin(), data.end(), b.begin() + static_cast<std::ptrdiff_t>(offset));
    return WriteError::None;
}

bool MemoryFileSystem::rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (readOnly_) return false;
    auto it = files.find(key(from));
    if (it == files.end()) return false;
    files[key(to)] = std::move(it->second);
    files.erase(key(from));
    return true;
}

bool MemoryFileSystem::remove(const std::filesystem::path& p) {
    if (readOnly_) return false;
    return files.erase(key(p)) != 0;
}

} // namespace orvek::test
