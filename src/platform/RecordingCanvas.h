#pragma once

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace orvek {

// A canvas for tests: it records every drawing call and measures text with
// fixed metrics (every character is averageCharWidth wide; a font's height
// is the absolute value of its height field).
class RecordingCanvas : public Canvas {
public:
    enum class Op { Text, TextInRect, Line, Fill, Frame, Picture };
    struct Call {
        Op op;
        Rect rect;          // text: x, y in left/top; line: from in left/top, to in right/bottom
        std::string text;
        FontSpec font;
        Colour colour = 0;  // text colour, pen or brush colour
        unsigned align = 0; // text align or format
        BackgroundMode background = BackgroundMode::Transparent;
    };

    explicit RecordingCanvas(int dpiX = 96, int dpiY = 96) : dpiX_(dpiX), dpiY_(dpiY) {}

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    void setFont(const FontSpec& font) override { font_ = font; }
    void setTextColour(Colour c) override { textColour_ = c; }
    void setTextAlign(unsigned align) override { align_ = align; }
    void setBackgroundMode(BackgroundMode mode) override { background_ = mode; }
    void setBackgroundColour(Colour c) override { backgroundColour_ = c; }
    void drawText(int x, int y, std::string_view text) override;
    int drawTextInRect(const Rect& r, std::string_view text, unsigned format) override;
    void drawLine(Point from, Point to, const Pen& pen) override;
    void fillRect(const Rect& r, const Brush& brush) override;
    void frameRect(const Rect& r, const Pen& pen) override;
    void drawPicture(const Picture& picture, const Rect& r) override;
    TextMetrics textMetrics() const override;
    Size textExtent(std::string_view text) const override;

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Call> textCalls() const;
    void clear() { calls_.clear(); }

    // Width of one character with the current font.
    int charWidth() const;

private:
    int dpiX_, dpiY_;
    FontSpec font_;
    Colour textColour_ = 0;
    Colour backgroundColour_ = 0xFFFFFF;
    unsigned align_ = 0;
    BackgroundMode background_ = BackgroundMode::Transparent;
    std::vector<Call> calls_;
};

} // namespace orvek
