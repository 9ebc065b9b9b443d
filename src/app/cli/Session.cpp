#include "app/cli/Session.h"

#include <cstdio>

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Dates.h"
#include "store/Text.h"

namespace orvek {

std::optional<CivilDate> parseIsoDate(const std::string& text) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (text.size() != 10 || std::sscanf(text.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return std::nullopt;
    if (y < 2000 || y > 2099 || m < 1 || m > 12 || d < 1 || d > daysInMonth(m, y - 2000)) return std::nullopt;
    return CivilDate{y, m, d};
}

bool Session::open(const std::filesystem::path& folder, std::optional<CivilDate> today, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        error = "not a folder: " + pathToUtf8(folder);
        return false;
    }
    switch (lock.acquire(folder)) {
    case DataFolderLock::Result::Locked: break;
    case DataFolderLock::Result::Busy:
        error = substitute(stringText(sid::folderLocked), pathToUtf8(folder));
        for (auto& c : error)
            if (c == '\n') c = ' ';
        return false;
    case DataFolderLock::Result::Failed:
        error = substitute(stringText(sid::folderUnusable), pathToUtf8(folder));
        return false;
    }
    if (today) clock = std::make_unique<FixedClock>(*today);
    else clock = std::make_unique<SystemClock>();
    doc = std::make_unique<COvDoc>(fs, *clock, host, folder);
    if (!doc->startUp() || !doc->tablesReady()) {
        error = substitute(stringText(sid::folderUnusable), pathToUtf8(folder));
        return false;
    }
    return true;
}

} // namespace orvek
