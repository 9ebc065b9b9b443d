#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvek {

// Text in memory is UTF-8; on disk it is Windows-1252. The five bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value, so every byte string survives a round
// trip unchanged.
std::string cp1252ToUtf8(std::string_view bytes);

// Converts UTF-8 to Windows-1252. Returns nullopt when a character has no
// Windows-1252 form (or the input is not valid UTF-8).
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

// Like utf8ToCp1252, but characters without a Windows-1252 form become '?'.
std::string utf8ToCp1252Lossy(std::string_view utf8);

// Whether every character of `utf8` can be stored in a Windows-1252 field.
bool isCp1252Representable(std::string_view utf8);

// The first character of `utf8` that Windows-1252 cannot hold, as UTF-8, or
// the empty text when there is none.
std::string firstUnrepresentable(std::string_view utf8);

// Number of characters (code points) in a UTF-8 text.
std::size_t charCount(std::string_view utf8);

// The first `n` characters of a UTF-8 text.
std::string leftChars(std::string_view utf8, std::size_t n);

// Blanks removed at both ends.
std::string trimText(std::string_view text);

// Trailing blanks removed.
std::string trimRight(std::string_view text);

// Replaces every "%1" by p1 and every "%2" by p2.
std::string substitute(std::string_view pattern, std::string_view p1, std::string_view p2 = {});

// printf-style "%d" of an integer.
std::string decimal(long long value);

// Comparison of names as the lists order them: blanks at both ends ignored,
// letter case ignored, Finnish alphabet order (a..z, å, ä, ö; accented letters
// with their base letter). Returns <0, 0 or >0.
int compareNames(std::string_view a, std::string_view b);

// Whether two names are equal when letter case is ignored (no trimming).
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The sort key of a name under compareNames: comparing two keys bytewise gives
// the same order as compareNames on the names.
std::string nameSortKey(std::string_view name);

// Upper and lower case of one Windows-1252-representable UTF-8 text.
std::string toUpperText(std::string_view utf8);
std::string toLowerText(std::string_view utf8);

// Whether the text begins with `prefix` when letter case is ignored.
bool startsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Whether a UTF-8 character (given as code point) is a letter.
bool isLetter(char32_t c);

// Decodes the code point at `i` and advances `i`. A byte that does not begin
// a valid UTF-8 sequence (overlong forms and surrogates included) gives U+FFFD
// and advances by one.
char32_t nextCodePoint(std::string_view utf8, std::size_t& i);

// Appends the UTF-8 form of a code point.
void appendUtf8(std::string& out, char32_t c);

} // namespace orvek
