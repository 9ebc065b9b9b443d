#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvek::bytes {

// Little-endian fields and fixed text fields of the record files.

inline std::uint16_t getU16(std::span<const std::uint8_t> b, std::size_t off) {
    return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}

inline void putU16(std::span<std::uint8_t> b, std::size_t off, std::uint16_t v) {
    b[off] = static_cast<std::uint8_t>(v & 0xFF);
    b[off + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A NUL-terminated Windows-1252 text field of `width` bytes, as UTF-8: the
// bytes before the first NUL, at most width - 1 of them (the last byte of a
// field is its terminator).
std::string getText(std::span<const std::uint8_t> b, std::size_t off, std::size_t width);

// Same, with the explicit character limit of the field (the one putText
// writes with), so that a field holding more than its limit reads as what
// a write of it would hold.
std::string getText(std::span<const std::uint8_t> b, std::size_t off, std::size_t width, std::size_t maxChars);

// Writes a UTF-8 text into a field of `width` bytes: at most width - 1
// characters, NUL-terminated and zero-filled. Characters Windows-1252 cannot
// hold are written as '?' (editors refuse them before they get here).
void putText(std::span<std::uint8_t> b, std::size_t off, std::size_t width, std::string_view utf8);

// Same, with an explicit character limit below width - 1.
void putText(std::span<std::uint8_t> b, std::size_t off, std::size_t width, std::string_view utf8,
             std::size_t maxChars);

} // namespace orvek::bytes
