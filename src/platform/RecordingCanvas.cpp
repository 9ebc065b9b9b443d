#include "platform/RecordingCanvas.h"

#include <algorithm>
#include <cstdlib>

#include "store/Text.h"

namespace orvek {

int RecordingCanvas::charWidth() const {
    int h = std::abs(font_.height);
    if (h == 0) h = 13;
    return font_.width > 0 ? font_.width : std::max(1, h / 2);
}

TextMetrics RecordingCanvas::textMetrics() const {
    int h = std::abs(font_.height);
    if (h == 0) h = 13;
    TextMetrics m;
    m.height = h;
    m.ascent = h * 4 / 5;
    m.descent = h - m.ascent;
    m.averageCharWidth = charWidth();
    return m;
}

Size RecordingCanvas::textExtent(std::string_view text) const {
    return {static_cast<int>(charCount(text)) * charWidth(), textMetrics().height};
}

void RecordingCanvas::drawText(int x, int y, std::string_view text) {
    calls_.push_back({Op::Text, {x, y, x, y}, std::string(text), font_, textColour_, align_, background_});
}

int RecordingCanvas::drawTextInRect(const Rect& r, std::string_view text, unsigned format) {
    int lineHeight = textMetrics().height;
    int height = lineHeight;
    if ((format & textformat::wordBreak) && r.width() > 0) {
        // Greedy word wrap with the fixed character width.
        int perLine = std::max(1, r.width() / charWidth());
        int lines = 1, used = 0;
        std::string word;
        auto place = [&](int len) {
            if (used == 0) used = len;
            else if (used + 1 + len <= perLine) used += 1 + len;
            else {
                ++lines;
                used = len;
            }
        };
        std::size_t i = 0;
        while (i < text.size()) {
            std::size_t j = text.find_first_of(" \n", i);
            std::string_view w = text.substr(i, j == std::string_view::npos ? std::string_view::npos : j - i);
            if (!w.empty()) place(static_cast<int>(charCount(w)));
            if (j == std::string_view::npos) break;
            if (text[j] == '\n') {
                ++lines;
                used = 0;
            }
            i = j + 1;
        }
        height = lines * lineHeight;
    }
    if (!(format & textformat::calcRect))
        calls_.push_back({Op::TextInRect, r, std::string(text), font_, textColour_, format, background_});
    return height;
}

void RecordingCanvas::drawLine(Point from, Point to, const Pen& pen) {
    calls_.push_back({Op::Line, {from.x, from.y, to.x, to.y}, {}, font_, pen.colour, 0, background_});
}

void RecordingCanvas::fillRect(const Rect& r, const Brush& brush) {
    if (brush.hollow) return;
    calls_.push_back({Op::Fill, r, {}, font_, brush.colour, 0, background_});
}

void RecordingCanvas::frameRect(const Rect& r, const Pen& pen) {
    calls_.push_back({Op::Frame, r, {}, font_, pen.colour, 0, background_});
}

void RecordingCanvas::drawPicture(const Picture&, const Rect& r) {
    calls_.push_back({Op::Picture, r, {}, font_, 0, 0, background_});
}

std::vector<RecordingCanvas::Call> RecordingCanvas::textCalls() const {
    std::vector<Call> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [](const Call& c) { return c.op == Op::Text || c.op == Op::TextInRect; });
    return out;
}

} // namespace orvek
