#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

class QPaintDevice;

namespace orvek {

// UTF-8 texts of the model and the QStrings of the widgets.
inline QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }
inline std::string utf8(const QString& s) { return s.toStdString(); }

// Colours as the settings store them (0x00BBGGRR).
inline QColor toQColor(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }
inline Colour fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

// The family that draws a face name: Times New Roman, Arial and Courier New
// are drawn with their metric twins from the Liberation family so that
// reports keep their line breaks.
QString resolvedFamily(const std::string& faceName);
// Registers the substitutions above with Qt's font matching (once).
void installFontSubstitutions();

// A stored logical font as a QFont for a device (nullptr: the screen). A
// negative height is the character height in pixels; a positive one the
// cell height (ascent + descent), which is turned into the matching size.
QFont toQFont(const FontSpec& spec, const QPaintDevice* device = nullptr);
// The fields Qt knows taken from a QFont; the others are kept from `base`.
FontSpec fromQFont(const QFont& font, const FontSpec& base = {}, const QPaintDevice* device = nullptr);

// Text of a Windows-style caption with "&" mnemonics for a widget that has
// none: "&&" becomes "&", a single "&" is dropped.
QString withoutMnemonics(const QString& text);

} // namespace orvek
