#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvek {

namespace fs = std::filesystem;

fs::path pathFromUtf8(std::string_view utf8) {
    std::u8string u(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size());
    return fs::path(u);
}

std::string pathToUtf8(const fs::path& p) {
    std::u8string u = p.u8string();
    return std::string(reinterpret_cast<const char*>(u.data()), u.size());
}

std::optional<Bytes> LocalFileSystem::readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    Bytes data;
    in.seekg(0, std::ios::end);
    auto end = in.tellg();
    if (end > 0) {
        data.resize(static_cast<std::size_t>(end));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
        data.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return std::nullopt;
    return data;
}

std::optional<Bytes> LocalFileSystem::readAt(const fs::path& p, std::uint64_t offset, std::size_t length) {
    std::ifstream in(p, std::ios::binary);
    if (!in) return std::nullopt;
    Bytes data(length);
    in.seekg(static_cast<std::streamoff>(offset));
    if (!in) return Bytes{};
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(length));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

std::optional<std::uint64_t> LocalFileSystem::fileSize(const fs::path& p) {
    std::error_code ec;
    auto s = fs::file_size(p, ec);
    if (ec) return std::nullopt;
    return s;
}

bool LocalFileSystem::exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

#ifdef _WIN32

WriteError LocalFileSystem::writeFileAtomic(const fs::path& p, std::span<const std::uint8_t> data) {
    fs::path tmp = p;
    tmp += L".tmp";
    HANDLE h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return WriteError::Open;
    DWORD written = 0;
    bool ok = data.empty() || (WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
                               written == data.size());
    if (!ok) {
        CloseHandle(h);
        DeleteFileW(tmp.c_str());
        return WriteError::Write;
    }
    if (!FlushFileBuffers(h)) {
        CloseHandle(h);
        DeleteFileW(tmp.c_str());
        return WriteError::Sync;
    }
    CloseHandle(h);
    if (!MoveFileExW(tmp.c_str(), p.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(tmp.c_str());
        return WriteError::Rename;
    }
    return WriteError::None;
}

WriteError LocalFileSystem::writeAt(const fs::path& p, std::uint64_t offset, std::span<const std::uint8_t> data) {
    HANDLE h = CreateFileW(p.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return WriteError::Open;
    LARGE_INTEGER li;
    li.QuadPart = static_cast<LONGLONG>(offset);
    DWORD written = 0;
    bool ok = SetFilePointerEx(h, li, nullptr, FILE_BEGIN) &&
              WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) && written == data.size();
    if (!ok) {
        CloseHandle(h);
        return WriteError::Write;
    }
    bool synced = FlushFileBuffers(h);
    CloseHandle(h);
    return synced ? WriteError::None : WriteError::Sync;
}

#else

namespace {
bool writeAll(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

void syncFolder(const fs::path& folder) {
    int d = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (d >= 0) {
        ::fsync(d);
        ::close(d);
    }
}
} // namespace

WriteError LocalFileSystem::writeFileAtomic(const fs::path& p, std::span<const std::uint8_t> data) {
    fs::path tmp = p;
    tmp += ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return WriteError::Open;
    // Keep the permissions of the file being replaced.
    struct stat st{};
    if (::stat(p.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
    if (!writeAll(fd, data.data(), data.size())) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return WriteError::Write;
    }
    if (::fsync(fd) != 0) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return WriteError::Sync;
    }
    if (::close(fd) != 0) {
        ::unlink(tmp.c_str());
        return WriteError::Flush;
    }
    if (::rename(tmp.c_str(), p.c_str()) != 0) {
        ::unlink(tmp.c_str());
        return WriteError::Rename;
    }
    syncFolder(p.parent_path());
    return WriteError::None;
}

WriteError LocalFileSystem::writeAt(const fs::path& p, std::uint64_t offset, std::span<const std::uint8_t> data) {
    int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return WriteError::Open;
    if (::lseek(fd, static_cast<off_t>(offset), SEEK_SET) < 0 || !writeAll(fd, data.data(), data.size())) {
        ::close(fd);
        return WriteError::Write;
    }
    if (::fsync(fd) != 0) {
        ::close(fd);
        return WriteError::Sync;
    }
    return ::close(fd) == 0 ? WriteError::None : WriteError::Flush;
}

#endif

bool LocalFileSystem::rename(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

bool LocalFileSystem::remove(const fs::path& p) {
    std::error_code ec;
    return fs::remove(p, ec) && !ec;
}

// ---- DataFolderLock ----

DataFolderLock::~DataFolderLock() { release(); }

#ifdef _WIN32

DataFolderLock::Result DataFolderLock::acquire(const fs::path& folder) {
    release();
    fs::path lock = folder / L"orvek.lock";
    HANDLE h = CreateFileW(lock.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Result::Busy : Result::Failed;
    handle_ = h;
    return Result::Locked;
}

void DataFolderLock::release() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

#else

DataFolderLock::Result DataFolderLock::acquire(const fs::path& folder) {
    release();
    fs::path lock = folder / "orvek.lock";
    int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Result::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int err = errno;
        ::close(fd);
        return err == EWOULDBLOCK ? Result::Busy : Result::Failed;
    }
    fd_ = fd;
    return Result::Locked;
}

void DataFolderLock::release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

#endif

} // namespace orvek
