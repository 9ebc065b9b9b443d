#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvek {

using Bytes = std::vector<std::uint8_t>;

// The outcome of a write: which step failed, if any.
enum class WriteError { None, Open, Write, Flush, Sync, Rename };

// File access of the data store. Every operation takes a full path; nothing
// depends on the current folder. Tests replace it with a failing variant.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file, or nullopt when it cannot be opened.
    virtual std::optional<Bytes> readFile(const std::filesystem::path& p) = 0;
    // Up to `length` bytes at `offset`, or nullopt when the file cannot be opened.
    virtual std::optional<Bytes> readAt(const std::filesystem::path& p, std::uint64_t offset,
                                        std::size_t length) = 0;
    // The size in bytes, or nullopt when the file does not exist.
    virtual std::optional<std::uint64_t> fileSize(const std::filesystem::path& p) = 0;
    virtual bool exists(const std::filesystem::path& p) = 0;

    // Replaces the whole file: a temporary file in the same folder is written,
    // flushed and synced, then renamed over the old one.
    virtual WriteError writeFileAtomic(const std::filesystem::path& p, std::span<const std::uint8_t> data) = 0;
    // Writes bytes at `offset` of an existing file (opened for update, not
    // truncated; a missing file is created) and syncs it.
    virtual WriteError writeAt(const std::filesystem::path& p, std::uint64_t offset,
                               std::span<const std::uint8_t> data) = 0;

    virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
    virtual bool remove(const std::filesystem::path& p) = 0;
};

// The real file system of the machine.
class LocalFileSystem : public FileSystem {
public:
    std::optional<Bytes> readFile(const std::filesystem::path& p) override;
    std::optional<Bytes> readAt(const std::filesystem::path& p, std::uint64_t offset, std::size_t length) override;
    std::optional<std::uint64_t> fileSize(const std::filesystem::path& p) override;
    bool exists(const std::filesystem::path& p) override;
    WriteError writeFileAtomic(const std::filesystem::path& p, std::span<const std::uint8_t> data) override;
    WriteError writeAt(const std::filesystem::path& p, std::uint64_t offset, std::span<const std::uint8_t> data) override;
    bool rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    bool remove(const std::filesystem::path& p) override;
};

// A path from a UTF-8 text (file names come from the string table in UTF-8).
std::filesystem::path pathFromUtf8(std::string_view utf8);
// The UTF-8 text of a path.
std::string pathToUtf8(const std::filesystem::path& p);

// Holds an exclusive lock on a data folder while it lives, so that a second
// program on the same folder is refused before it touches any file.
class DataFolderLock {
public:
    DataFolderLock() = default;
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;
    ~DataFolderLock();

    enum class Result { Locked, Busy, Failed };
    // Takes the lock file "orvek.lock" in `folder`.
    Result acquire(const std::filesystem::path& folder);
    void release();

private:
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace orvek
