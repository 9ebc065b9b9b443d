// The text helpers on arbitrary bytes: code page conversion, name ordering,
// character counting and trimming.
//
// Input: a byte n for leftChars, then three pieces (a length byte and its
// bytes each) used as names and as raw text, then the rest as raw text.

#include <string>

#include "FuzzInput.h"
#include "store/Text.h"

namespace {

using namespace orvek;
using orvek::fuzz::require;

bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = b < 0x80                 ? 1
                          : b >= 0xC2 && b <= 0xDF ? 2
                          : b >= 0xE0 && b <= 0xEF ? 3
                          : b >= 0xF0 && b <= 0xF4 ? 4
                                                   : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k)
            if (!isContinuation(s[i + k])) return false;
        auto b1 = static_cast<unsigned char>(s[i + (len > 1 ? 1 : 0)]);
        if (b == 0xE0 && b1 < 0xA0) return false; // overlong
        if (b == 0xED && b1 > 0x9F) return false; // surrogate
        if (b == 0xF0 && b1 < 0x90) return false; // overlong
        if (b == 0xF4 && b1 > 0x8F) return false; // above U+10FFFF
        i += len;
    }
    return true;
}

int sign(int v) { return (v > 0) - (v < 0); }

void checkConversions(std::string_view raw) {
    // Every byte string is Windows-1252 text and survives the trip to UTF-8
    // and back unchanged.
    std::string utf8 = cp1252ToUtf8(raw);
    require(validUtf8(utf8), "cp1252ToUtf8 gives valid UTF-8");
    auto back = utf8ToCp1252(utf8);
    require(back.has_value() && *back == raw, "cp1252 -> UTF-8 -> cp1252 is the identity");
    require(utf8ToCp1252Lossy(utf8) == raw, "the lossy conversion agrees on representable text");
    require(isCp1252Representable(utf8) && firstUnrepresentable(utf8).empty(), "converted text is representable");
    require(charCount(utf8) == raw.size(), "one character per byte");

    // The same bytes read as UTF-8: a conversion that succeeds is exact, so
    // that two different texts never become the same bytes on disk.
    if (auto asCp = utf8ToCp1252(raw)) {
        require(cp1252ToUtf8(*asCp) == raw, "a successful conversion to cp1252 converts back to the same UTF-8");
        require(validUtf8(raw), "only valid UTF-8 converts");
    }
}

void checkLeftChars(std::string_view text, std::size_t n) {
    std::string left = leftChars(text, n);
    require(text.substr(0, left.size()) == left, "leftChars is a prefix");
    require(charCount(left) == std::min(n, charCount(text)), "leftChars counts characters");
    if (validUtf8(text)) {
        require(validUtf8(left), "leftChars of valid text is valid");
        require(left.size() == text.size() || !isContinuation(text[left.size()]), "leftChars never splits a character");
    }
}

void checkTrim(std::string_view text) {
    std::string t = trimText(text);
    require(t.empty() || (t.front() != ' ' && t.back() != ' '), "trimText removes blanks at both ends");
    require(text.find(t) != std::string_view::npos, "trimText keeps the middle");
    require(trimText(t) == t, "trimText is idempotent");
    std::string r = trimRight(text);
    require(text.substr(0, r.size()) == r && (r.empty() || r.back() != ' '), "trimRight removes trailing blanks");
    require(trimText(r) == t, "trimRight then trimText is trimText");
}

void checkNames(const std::string& a, const std::string& b, const std::string& c) {
    int ab = compareNames(a, b), ba = compareNames(b, a);
    require(ab == -ba, "compareNames is antisymmetric");
    require(compareNames(a, a) == 0, "a name equals itself");
    require(ab == sign(nameSortKey(a).compare(nameSortKey(b))), "compareNames agrees with nameSortKey");
    int bc = compareNames(b, c), ac = compareNames(a, c);
    if (ab <= 0 && bc <= 0) require(ac <= 0, "compareNames is transitive");
    if (ab == 0 && bc == 0) require(ac == 0, "equal names are an equivalence");

    // Blanks at both ends and letter case do not count.
    require(compareNames(a, "  " + a + " ") == 0, "surrounding blanks are ignored");
    if (isCp1252Representable(a)) {
        require(compareNames(a, toUpperText(a)) == 0 && compareNames(a, toLowerText(a)) == 0, "case is ignored");
        require(equalsIgnoreCase(a, toUpperText(a)) && equalsIgnoreCase(toLowerText(a), a), "equalsIgnoreCase");
        require(startsWithIgnoreCase(toUpperText(a), leftChars(a, charCount(a) / 2)), "a prefix in other case");
    }
    if (equalsIgnoreCase(a, b)) require(ab == 0, "names equal but for case compare equal");
    if (ab == 0) require(equalsIgnoreCase(trimText(a), trimText(b)), "names comparing equal differ only in case");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    std::size_t n = in.byte();
    std::string_view p1 = in.piece(), p2 = in.piece(), p3 = in.piece();
    std::string_view rest = in.rest();
    std::string_view whole(reinterpret_cast<const char*>(data), size);

    checkConversions(whole);
    for (std::string_view raw : {p1, p2, p3, rest}) {
        checkLeftChars(raw, n);
        checkLeftChars(cp1252ToUtf8(raw), n);
        checkTrim(raw);
    }

    // Names as the record files hold them, and as raw (possibly invalid) UTF-8.
    checkNames(cp1252ToUtf8(p1), cp1252ToUtf8(p2), cp1252ToUtf8(p3));
    checkNames(std::string(p1), std::string(p2), std::string(p3));
    return 0;
}
