#include "platform/DataFolder.h"

#include <cstdlib>

namespace orvek {

std::filesystem::path defaultDataFolder() {
    auto env = [](const char* name) -> std::filesystem::path {
        const char* v = std::getenv(name);
        return v && *v ? std::filesystem::path(v) : std::filesystem::path();
    };
#if defined(_WIN32)
    return env("APPDATA") / "Orvek";
#elif defined(__APPLE__)
    return env("HOME") / "Library" / "Application Support" / "Orvek";
#else
    std::filesystem::path xdg = env("XDG_DATA_HOME");
    if (!xdg.empty()) return xdg / "orvek";
    return env("HOME") / ".local" / "share" / "orvek";
#endif
}

} // namespace orvek
