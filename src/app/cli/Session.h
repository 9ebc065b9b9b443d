#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/cli/CliHost.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "store/Document.h"

namespace orvek {

// A started document on a locked data folder, as the program opens it.
struct Session {
    LocalFileSystem fs;
    std::unique_ptr<Clock> clock;
    CliHost host;
    DataFolderLock lock;
    std::unique_ptr<COvDoc> doc;

    // Locks `folder` and starts the document on it. On failure returns false
    // with a one-line message in `error`.
    bool open(const std::filesystem::path& folder, std::optional<CivilDate> today, std::string& error);
};

// Parses YYYY-MM-DD.
std::optional<CivilDate> parseIsoDate(const std::string& text);

} // namespace orvek
