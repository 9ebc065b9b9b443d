#pragma once

#include <filesystem>

namespace orvek {

// The per-user data folder: $XDG_DATA_HOME/orvek (default
// ~/.local/share/orvek) on Linux, %APPDATA%\Orvek on Windows,
// ~/Library/Application Support/Orvek on macOS.
std::filesystem::path defaultDataFolder();

} // namespace orvek
