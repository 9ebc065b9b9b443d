#include <gtest/gtest.h>

#include <algorithm>

#include "store/Text.h"

namespace orvek {
namespace {

TEST(Text, everyWindows1252ByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string utf8 = cp1252ToUtf8(all);
    auto back = utf8ToCp1252(utf8);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
    EXPECT_EQ(cp1252ToUtf8("\x80\xE4\xF6\xC5"), "€äöÅ");
}

TEST(Text, charactersOutsideWindows1252AreRefused) {
    EXPECT_FALSE(utf8ToCp1252("Łukasz"));
    EXPECT_EQ(firstUnrepresentable("Kyllä Łódź"), "Ł");
    EXPECT_TRUE(isCp1252Representable("Åström – “Möttönen” €"));
    EXPECT_EQ(utf8ToCp1252Lossy("aŁb"), "a?b");
}

TEST(Text, charactersAreCountedNotBytes) {
    EXPECT_EQ(charCount("Mäkelä"), 6u);
    EXPECT_EQ(leftChars("Mäkelä", 2), "Mä");
    EXPECT_EQ(leftChars("ab", 5), "ab");
}

TEST(Text, trimAndSubstitute) {
    EXPECT_EQ(trimText("  Aura  "), "Aura");
    EXPECT_EQ(trimText("   "), "");
    EXPECT_EQ(trimRight("a b  "), "a b");
    EXPECT_EQ(substitute("Soita %1 (%2) %1", "123", "x"), "Soita 123 (x) 123");
    EXPECT_EQ(substitute("100%", "x"), "100%");
}

TEST(Text, namesOrderByTheFinnishAlphabetIgnoringCase) {
    std::vector<std::string> names = {"öhman", "Zetterberg", "Äijälä", "åström", "aalto", "Ahonen", "Übel", "Ylönen"};
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return compareNames(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"aalto", "Ahonen", "Übel", "Ylönen", "Zetterberg", "åström", "Äijälä",
                                               "öhman"}));
    EXPECT_EQ(compareNames("  Aura", "AURA "), 0);
    EXPECT_LT(compareNames("Aura", "Auran"), 0);
    EXPECT_LT(compareNames("Virtanen, Anna", "Virtanen, Matti"), 0);
}

TEST(Text, caseInsensitiveEqualityCoversFinnishLetters) {
    EXPECT_TRUE(equalsIgnoreCase("ÄÄNEKOSKI", "äänekoski"));
    EXPECT_TRUE(equalsIgnoreCase("Åland", "åLAND"));
    EXPECT_FALSE(equalsIgnoreCase("Aura", "Äura"));
    EXPECT_TRUE(startsWithIgnoreCase("Mäkelä, Matti", "mÄK"));
    EXPECT_EQ(toUpperText("äö"), "ÄÖ");
    EXPECT_EQ(toLowerText("ÅÄÖ"), "åäö");
}

} // namespace
} // namespace orvek
