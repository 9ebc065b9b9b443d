#include "store/Bytes.h"

#include <algorithm>

#include "store/Text.h"

namespace orvek::bytes {

std::string getText(std::span<const std::uint8_t> b, std::size_t off, std::size_t width) {
    return getText(b, off, width, width - 1);
}

std::string getText(std::span<const std::uint8_t> b, std::size_t off, std::size_t width, std::size_t maxChars) {
    std::size_t limit = std::min(maxChars, width - 1);
    std::size_t n = 0;
    while (n < limit && b[off + n] != 0) ++n;
    return cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(b.data() + off), n));
}

void putText(std::span<std::uint8_t> b, std::size_t off, std::size_t width, std::string_view utf8) {
    putText(b, off, width, utf8, width - 1);
}

void putText(std::span<std::uint8_t> b, std::size_t off, std::size_t width, std::string_view utf8,
             std::size_t maxChars) {
    std::string raw = utf8ToCp1252Lossy(utf8);
    std::size_t n = std::min({raw.size(), maxChars, width - 1});
    std::fill(b.begin() + off, b.begin() + off + width, 0);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(raw.data()), n, b.begin() + off);
}

} // namespace orvek::bytes
