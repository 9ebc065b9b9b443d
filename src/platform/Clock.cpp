#include "platform/Clock.h"

#include <ctime>

namespace orvek {

CivilDate SystemClock::today() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

} // namespace orvek
