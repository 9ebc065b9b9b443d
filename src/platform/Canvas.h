#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Geometry.h"

namespace orvek {

// A logical font as the settings file stores it (the fields of a Windows
// LOGFONT) plus its text colour.
struct FontSpec {
    int height = -13;    // negative: character height in pixels; positive: cell height
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;    // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 0;
    int outPrecision = 0;
    int clipPrecision = 0;
    int quality = 0;
    int pitchAndFamily = 0;
    std::string faceName = "Arial";
    Colour colour = 0;
    bool operator==(const FontSpec&) const = default;
};

struct TextMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
    int averageCharWidth = 0;
    int externalLeading = 0;
};

enum class PenStyle { Solid, Dash, Dot, None };

struct Pen {
    int width = 1;
    Colour colour = 0;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    Colour colour = 0xFFFFFF;
    bool hollow = false; // draws nothing
    bool operator==(const Brush&) const = default;
};

// Where a text is anchored at its reference point.
namespace textalign {
constexpr unsigned left = 0;
constexpr unsigned right = 2;
constexpr unsigned center = 6;
constexpr unsigned top = 0;
constexpr unsigned bottom = 8;
constexpr unsigned baseline = 24;
} // namespace textalign

// Formats of text drawn into a rectangle.
namespace textformat {
constexpr unsigned left = 0;
constexpr unsigned center = 1;
constexpr unsigned right = 2;
constexpr unsigned vcenter = 4;
constexpr unsigned singleLine = 0x20;
constexpr unsigned wordBreak = 0x10;
constexpr unsigned noClip = 0x100;
constexpr unsigned calcRect = 0x400; // measure only, draw nothing
} // namespace textformat

enum class BackgroundMode { Transparent, Opaque };

// A decoded picture (a map), drawn stretched into a rectangle.
class Picture {
public:
    virtual ~Picture() = default;
    // Size in pixels of the picture itself.
    virtual Size size() const = 0;
};

// Everything a report or an owner-drawn control draws with. Coordinates are
// device pixels of the canvas.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    virtual void setFont(const FontSpec& font) = 0;
    virtual void setTextColour(Colour c) = 0;
    virtual void setTextAlign(unsigned align) = 0;
    virtual void setBackgroundMode(BackgroundMode mode) = 0;
    virtual void setBackgroundColour(Colour c) = 0;

    // Text at a reference point, anchored as setTextAlign says.
    virtual void drawText(int x, int y, std::string_view text) = 0;
    // Text in a rectangle; returns the height of the text drawn (or measured
    // with textformat::calcRect).
    virtual int drawTextInRect(const Rect& r, std::string_view text, unsigned format) = 0;

    virtual void drawLine(Point from, Point to, const Pen& pen) = 0;
    virtual void fillRect(const Rect& r, const Brush& brush) = 0;
    virtual void frameRect(const Rect& r, const Pen& pen) = 0;
    virtual void drawPicture(const Picture& picture, const Rect& r) = 0;

    virtual TextMetrics textMetrics() const = 0;
    virtual Size textExtent(std::string_view text) const = 0;
};

} // namespace orvek
