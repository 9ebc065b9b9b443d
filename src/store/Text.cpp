#include "store/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace orvek {

namespace {

// Unicode code points of the Windows-1252 bytes 0x80..0x9F. The undefined
// bytes keep their own value (C1 controls) so that they round-trip.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The Windows-1252 byte of a code point, or -1.
int cp1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

char32_t cp1252CodePoint(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kHigh[b - 0x80];
    return b;
}

// Case folding and ordering of Windows-1252 letters for name comparison.
// Returns a 16-bit weight: primary letter order in the high byte so that the
// Finnish alphabet order holds (å, ä, ö after z; ü with y; other accented
// letters with their base letter), and a secondary byte that keeps distinct
// letters that share a primary weight apart (é after e), case ignored.
std::uint16_t nameWeight(unsigned char b) {
    // Fold to lower case first.
    if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b + 32);
    else if (b >= 0xC0 && b <= 0xDE && b != 0xD7) b = static_cast<unsigned char>(b + 32);
    else if (b == 0x8A) b = 0x9A;       // Š -> š
    else if (b == 0x8C) b = 0x9C;       // Œ -> œ
    else if (b == 0x8E) b = 0x9E;       // Ž -> ž
    else if (b == 0x9F) b = 0xFF;       // Ÿ -> ÿ
    auto letter = [](char base, int secondary) {
        return static_cast<std::uint16_t>(((base - 'a' + 'a') << 8) | secondary);
    };
    if (b >= 'a' && b <= 'z') return letter(static_cast<char>(b), 0);
    switch (b) {
    case 0xE0: case 0xE1: case 0xE2: case 0xE3: return letter('a', 1 + (b - 0xE0));
    case 0xE6: return letter('a', 8);               // æ
    case 0xE7: return letter('c', 1);               // ç
    case 0xE8: case 0xE9: case 0xEA: case 0xEB: return letter('e', 1 + (b - 0xE8));
    case 0xEC: case 0xED: case 0xEE: case 0xEF: return letter('i', 1 + (b - 0xEC));
    case 0xF0: return letter('d', 1);               // ð
    case 0xF1: return letter('n', 1);               // ñ
    case 0xF2: case 0xF3: case 0xF4: case 0xF5: return letter('o', 1 + (b - 0xF2));
    case 0xF8: return static_cast<std::uint16_t>(('z' + 3) << 8 | 1); // ø with ö
    case 0xF9: case 0xFA: case 0xFB: return letter('u', 1 + (b - 0xF9));
    case 0xFC: return letter('y', 1);               // ü sorts as y
    case 0xFD: case 0xFF: return letter('y', 2 + (b == 0xFF));
    case 0xFE: return letter('t', 1);               // þ
    case 0xDF: return letter('s', 5);               // ß
    case 0x9A: return letter('s', 1);               // š
    case 0x9E: return letter('z', 1);               // ž
    case 0x9C: return letter('o', 8);               // œ
    case 0xE5: return static_cast<std::uint16_t>(('z' + 1) << 8); // å
    case 0xE4: return static_cast<std::uint16_t>(('z' + 2) << 8); // ä
    case 0xF6: return static_cast<std::uint16_t>(('z' + 3) << 8); // ö
    default: break;
    }
    // Non-letters keep their byte order, below the letters for ASCII
    // punctuation and digits, above them for the rest.
    if (b < 'a') return static_cast<std::uint16_t>(b << 8);
    return static_cast<std::uint16_t>((0x80 + (b >> 1)) << 8 | (b & 1));
}

std::string_view trimView(std::string_view t) {
    std::size_t a = 0, e = t.size();
    while (a < e && t[a] == ' ') ++a;
    while (e > a && t[e - 1] == ' ') --e;
    return t.substr(a, e - a);
}

} // namespace

char32_t nextCodePoint(std::string_view s, std::size_t& i) {
    auto u = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = u(i);
    if (b < 0x80) { ++i; return b; }
    // Lead bytes C2..F4 only; the shortest form, no surrogate and nothing
    // above U+10FFFF is accepted, so that no two byte sequences decode to the
    // same character.
    int len = (b >= 0xC2 && b <= 0xDF) ? 2 : (b >= 0xE0 && b <= 0xEF) ? 3 : (b >= 0xF0 && b <= 0xF4) ? 4 : 0;
    if (len == 0 || i + len > s.size()) { ++i; return 0xFFFD; }
    char32_t c = b & (0x7F >> len);
    for (int k = 1; k < len; ++k) {
        unsigned char cb = u(i + k);
        if ((cb & 0xC0) != 0x80) { ++i; return 0xFFFD; }
        c = (c << 6) | (cb & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortest[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) { ++i; return 0xFFFD; }
    i += len;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) out += static_cast<char>(c);
    else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) out += ch;
        else appendUtf8(out, cp1252CodePoint(b));
    }
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        int b = cp1252Byte(nextCodePoint(utf8, i));
        if (b < 0) return std::nullopt;
        out += static_cast<char>(b);
    }
    return out;
}

std::string utf8ToCp1252Lossy(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        int b = cp1252Byte(nextCodePoint(utf8, i));
        out += static_cast<char>(b < 0 ? '?' : b);
    }
    return out;
}

bool isCp1252Representable(std::string_view utf8) { return firstUnrepresentable(utf8).empty(); }

std::string firstUnrepresentable(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t start = i;
        char32_t c = nextCodePoint(utf8, i);
        if (cp1252Byte(c) < 0) return std::string(utf8.substr(start, i - start));
    }
    return {};
}

std::size_t charCount(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        nextCodePoint(utf8, i);
        ++n;
    }
    return n;
}

std::string leftChars(std::string_view utf8, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < utf8.size(); ++k) nextCodePoint(utf8, i);
    return std::string(utf8.substr(0, i));
}

std::string trimText(std::string_view text) { return std::string(trimView(text)); }

std::string trimRight(std::string_view text) {
    std::size_t e = text.size();
    while (e > 0 && text[e - 1] == ' ') --e;
    return std::string(text.substr(0, e));
}

std::string substitute(std::string_view pattern, std::string_view p1, std::string_view p2) {
    std::string out;
    out.reserve(pattern.size() + p1.size() + p2.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? p1 : p2;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::string decimal(long long value) { return std::to_string(value); }

std::string nameSortKey(std::string_view name) {
    // Primary weights (letters) first, then the secondary ones (accents), so
    // that an accent decides only between names that are otherwise equal.
    std::string bytes = utf8ToCp1252Lossy(trimView(name));
    std::string key;
    key.reserve(bytes.size() * 2 + 1);
    for (char ch : bytes) key += static_cast<char>(nameWeight(static_cast<unsigned char>(ch)) >> 8);
    key += '\0';
    for (char ch : bytes) key += static_cast<char>(nameWeight(static_cast<unsigned char>(ch)) & 0xFF);
    return key;
}

int compareNames(std::string_view a, std::string_view b) {
    std::string ka = nameSortKey(a), kb = nameSortKey(b);
    int r = ka.compare(kb);
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    std::string ka = utf8ToCp1252Lossy(a), kb = utf8ToCp1252Lossy(b);
    if (ka.size() != kb.size()) return false;
    for (std::size_t i = 0; i < ka.size(); ++i)
        if (nameWeight(static_cast<unsigned char>(ka[i])) != nameWeight(static_cast<unsigned char>(kb[i])))
            return false;
    return true;
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix) {
    std::string kt = utf8ToCp1252Lossy(text), kp = utf8ToCp1252Lossy(prefix);
    if (kp.size() > kt.size()) return false;
    for (std::size_t i = 0; i < kp.size(); ++i)
        if (nameWeight(static_cast<unsigned char>(kt[i])) != nameWeight(static_cast<unsigned char>(kp[i])))
            return false;
    return true;
}

namespace {
char32_t upperOf(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c == 0x161) return 0x160;
    if (c == 0x153) return 0x152;
    if (c == 0x17E) return 0x17D;
    return c;
}
char32_t lowerOf(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c == 0x160) return 0x161;
    if (c == 0x152) return 0x153;
    if (c == 0x17D) return 0x17E;
    return c;
}
} // namespace

std::string toUpperText(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) appendUtf8(out, upperOf(nextCodePoint(utf8, i)));
    return out;
}

std::string toLowerText(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) appendUtf8(out, lowerOf(nextCodePoint(utf8, i)));
    return out;
}

bool isLetter(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7) ||
           c == 0x160 || c == 0x161 || c == 0x152 || c == 0x153 || c == 0x17D || c == 0x17E || c == 0x178;
}

} // namespace orvek
