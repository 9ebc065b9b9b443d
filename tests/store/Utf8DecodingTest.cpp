#include <gtest/gtest.h>

#include <string>

#include "store/Text.h"

namespace orvek {
namespace {

char32_t decodeOne(std::string_view s, std::size_t& i) {
    i = 0;
    return nextCodePoint(s, i);
}

TEST(Utf8Decoding, shortestFormsDecode) {
    std::size_t i = 0;
    EXPECT_EQ(decodeOne("\xC3\xA4", i), U'ä');
    EXPECT_EQ(i, 2u);
    EXPECT_EQ(decodeOne("\xE2\x82\xAC", i), U'€');
    EXPECT_EQ(i, 3u);
    EXPECT_EQ(decodeOne("\xF0\x9F\x98\x80", i), char32_t{0x1F600});
    EXPECT_EQ(i, 4u);
    EXPECT_EQ(decodeOne("\xF4\x8F\xBF\xBF", i), char32_t{0x10FFFF});
}

TEST(Utf8Decoding, overlongFormsAreInvalid) {
    std::size_t i = 0;
    EXPECT_EQ(decodeOne("\xE0\x81\x81", i), char32_t{0xFFFD}); // "A" in three bytes
    EXPECT_EQ(i, 1u);
    EXPECT_EQ(decodeOne("\xF0\x80\x81\x81", i), char32_t{0xFFFD});
    EXPECT_EQ(decodeOne("\xC0\x80", i), char32_t{0xFFFD});
    // They must not become the bytes of another text on disk.
    EXPECT_EQ(utf8ToCp1252("\xE0\x81\x81"), std::nullopt);
    EXPECT_EQ(utf8ToCp1252("\xE0\x82\x80"), std::nullopt); // U+0080 in three bytes
    EXPECT_FALSE(isCp1252Representable("\xE0\x81\x81"));
}

TEST(Utf8Decoding, surrogatesAndCodesBeyondUnicodeAreInvalid) {
    std::size_t i = 0;
    EXPECT_EQ(decodeOne("\xED\xA0\x80", i), char32_t{0xFFFD});
    EXPECT_EQ(decodeOne("\xF4\x90\x80\x80", i), char32_t{0xFFFD});
    EXPECT_EQ(decodeOne("\xF5\x80\x80\x80", i), char32_t{0xFFFD});
    EXPECT_EQ(decodeOne("\xF8\x88\x80\x80\x80", i), char32_t{0xFFFD});
    EXPECT_EQ(decodeOne("\xFF\x80\x80", i), char32_t{0xFFFD});
}

TEST(Utf8Decoding, anInvalidSequenceCountsOneCharacterPerByte) {
    EXPECT_EQ(charCount("\xE0\x81\x81"), 3u);
    EXPECT_EQ(leftChars("\xE0\x81\x81xy", 1), "\xE0");
    EXPECT_EQ(charCount("a\xC3\xA4\xE2\x82\xAC"), 3u);
}

} // namespace
} // namespace orvek
