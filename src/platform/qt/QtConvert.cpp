#include "platform/qt/QtConvert.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace orvek {

namespace {
struct Twin {
    const char* face;
    const char* twin;
};
constexpr Twin kTwins[] = {
    {"Times New Roman", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
};
} // namespace

QString resolvedFamily(const std::string& faceName) {
    const QString face = qs(faceName);
    for (const Twin& t : kTwins)
        if (face.compare(QLatin1String(t.face), Qt::CaseInsensitive) == 0) return QString::fromLatin1(t.twin);
    return face;
}

void installFontSubstitutions() {
    static const bool done = [] {
        for (const Twin& t : kTwins) QFont::insertSubstitution(QString::fromLatin1(t.face), QString::fromLatin1(t.twin));
        return true;
    }();
    (void)done;
}

QFont toQFont(const FontSpec& spec, const QPaintDevice* device) {
    installFontSubstitutions();
    QFont font(resolvedFamily(spec.faceName));
    const int weight = spec.weight <= 0 ? 400 : std::clamp(spec.weight, 1, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    if (spec.pitchAndFamily & 1) font.setStyleHint(QFont::Monospace); // FIXED_PITCH
    int pixels = spec.height < 0 ? -spec.height : spec.height;
    if (pixels == 0) pixels = 13;
    font.setPixelSize(pixels);
    if (spec.height > 0) {
        // A cell height: find the character height whose ascent + descent matches.
        const QFontMetricsF m = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
        if (m.height() > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / m.height()))));
    }
    if (spec.width > 0) {
        // A width asks for a narrower or wider average character.
        const QFontMetricsF m = device ? QFontMetricsF(font, device) : QFontMetricsF(font);
        if (m.averageCharWidth() > 0)
            font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * spec.width / m.averageCharWidth())), 1, 4000));
    }
    return font;
}

FontSpec fromQFont(const QFont& font, const FontSpec& base, const QPaintDevice* device) {
    FontSpec spec = base;
    int pixels = font.pixelSize();
    if (pixels <= 0) {
        double dpi = 96.0;
        if (device) dpi = device->logicalDpiY();
        else if (const QScreen* s = QGuiApplication::primaryScreen()) dpi = s->logicalDotsPerInchY();
        pixels = static_cast<int>(std::lround(font.pointSizeF() * dpi / 72.0));
    }
    spec.height = -std::max(1, pixels);
    spec.weight = font.weight(); // Qt weights are the same scale: 400 normal, 700 bold
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    // Keep the stored face when Qt shows it through its twin.
    if (resolvedFamily(base.faceName) != font.family()) spec.faceName = utf8(font.family());
    return spec;
}

QString withoutMnemonics(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
                out += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace orvek
