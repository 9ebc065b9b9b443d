#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace orvek::fuzz {

// Reads a fuzz input front to back. Past the end every read yields zeros or
// empty pieces, so a target never has to check the length first.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::size_t remaining() const { return size_ - pos_; }

    std::uint8_t byte() { return empty() ? 0 : data_[pos_++]; }

    std::uint16_t u16() {
        auto lo = byte();
        return static_cast<std::uint16_t>(lo | (byte() << 8));
    }

    std::int32_t i32() {
        std::uint32_t v = u16();
        v |= static_cast<std::uint32_t>(u16()) << 16;
        return static_cast<std::int32_t>(v);
    }

    // Up to `n` bytes.
    std::string_view bytes(std::size_t n) {
        if (n > remaining()) n = remaining();
        std::string_view s(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return s;
    }

    // A piece of text: one length byte, then up to that many bytes.
    std::string_view piece() { return bytes(byte()); }

    std::string_view rest() { return bytes(remaining()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Stops the run with a message when an invariant does not hold; libFuzzer
// keeps the input that got here.
inline void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace orvek::fuzz
