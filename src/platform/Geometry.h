#pragma once

#include <cstdint>

namespace orvek {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const Rect&) const = default;
};

// An RGB colour as the settings store it: 0x00BBGGRR.
using Colour = std::uint32_t;
constexpr Colour rgb(int r, int g, int b) {
    return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(Colour c) { return c & 0xFF; }
constexpr int greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Colour c) { return (c >> 16) & 0xFF; }

} // namespace orvek
