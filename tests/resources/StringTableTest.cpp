#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace orvek {
namespace {

// Decodes UTF-8 into code points; nullopt when the text is malformed.
std::optional<std::vector<char32_t>> decodeUtf8(std::string_view s)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (b < 0x80) {
            len = 1;
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
            cp = b & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + len > s.size())
            return std::nullopt;
        for (std::size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return std::nullopt;
            cp = (cp << 6) | (c & 0x3F);
        }
        static constexpr char32_t kMinForLength[] = {0, 0, 0x80, 0x800, 0x10000};
        if (cp < kMinForLength[len])
            return std::nullopt; // overlong form
        out.push_back(cp);
        i += len;
    }
    return out;
}

// Whether a code point has a place in Windows-1252, the code page of the record files.
bool inWindows1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return true;
    // The 27 characters that Windows-1252 puts at 0x80..0x9F.
    static constexpr char32_t kHighBlock[] = {
        0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
        0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178,
    };
    for (char32_t c : kHighBlock) {
        if (c == cp)
            return true;
    }
    return false;
}

// Length in characters of the code page (one byte each in the record files).
std::size_t charCount(std::string_view s)
{
    const auto cps = decodeUtf8(s);
    return cps ? cps->size() : s.size();
}

bool isBlank(std::string_view s)
{
    return s.find_first_not_of(' ') == std::string_view::npos;
}

TEST(StringTable, IdsStrictlyAscendingSoLookupWorks)
{
    const auto all = allStrings();
    ASSERT_FALSE(all.empty());
    for (std::size_t i = 1; i < all.size(); ++i)
        EXPECT_LT(all[i - 1].id, all[i].id) << "at position " << i;
}

TEST(StringTable, EveryEntryIsFoundByItsId)
{
    for (const StringEntry& e : allStrings()) {
        const std::string_view found = stringText(e.id);
        EXPECT_EQ(found.data(), e.text.data()) << "id " << e.id;
        EXPECT_EQ(found, e.text) << "id " << e.id;
    }
}

TEST(StringTable, UnknownIdsGiveEmptyText)
{
    for (int id : {INT_MIN, -1, 0, 1, 15, 400, 657, 700, 724, 1000, 1035, 1301, 32767, 32803,
                   59143, INT_MAX})
        EXPECT_TRUE(stringText(id).empty()) << "id " << id;
}

TEST(StringTable, EveryTextIsWindows1252)
{
    // Guard the checker itself: a character outside the code page must be caught.
    ASSERT_FALSE(inWindows1252(U'\u0141'));
    ASSERT_TRUE(inWindows1252(U'\u20AC'));

    for (const StringEntry& e : allStrings()) {
        const auto cps = decodeUtf8(e.text);
        ASSERT_TRUE(cps.has_value()) << "id " << e.id << " is not valid UTF-8";
        for (char32_t cp : *cps)
            EXPECT_TRUE(inWindows1252(cp))
                << "id " << e.id << " has U+" << std::hex << static_cast<unsigned>(cp);
    }
}

TEST(StringTable, DefaultTalkTitles)
{
    std::set<std::string_view> seen;
    for (int n = 1; n <= 173; ++n) {
        const std::string_view title = stringText(400 + n);
        EXPECT_FALSE(isBlank(title)) << "talk " << n;
        // Stored in a 93-byte field; the talk-history filter skips titles of 9 or fewer.
        EXPECT_LE(charCount(title), 91u) << "talk " << n;
        EXPECT_GT(charCount(title), 9u) << "talk " << n;
        EXPECT_TRUE(seen.insert(title).second) << "talk " << n << " repeats a title";
    }
    for (int n = 174; n <= 256; ++n) {
        const std::string_view title = stringText(400 + n);
        if (n == 231 || n == 232 || n == 241) {
            EXPECT_FALSE(isBlank(title)) << "talk " << n;
            EXPECT_LE(charCount(title), 91u) << "talk " << n;
        } else {
            EXPECT_EQ(title, " ") << "talk " << n << " must be an unused number";
        }
    }
}

TEST(StringTable, DefaultTopicsAndReservedBlanks)
{
    for (int id = 701; id <= 710; ++id) {
        EXPECT_FALSE(isBlank(stringText(id))) << "id " << id;
        EXPECT_LE(charCount(stringText(id)), 45u) << "id " << id; // TopicRecord name
    }
    for (int id = 711; id <= 723; ++id)
        EXPECT_EQ(stringText(id), " ") << "id " << id;
}

TEST(StringTable, CalendarRanges)
{
    const char* const months[] = {"Tammikuu", "Helmikuu", "Maaliskuu", "Huhtikuu",
                                  "Toukokuu", "Kesäkuu",  "Heinäkuu",  "Elokuu",
                                  "Syyskuu",  "Lokakuu",  "Marraskuu", "Joulukuu"};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(stringText(3 + m), months[m]);
        const std::string numeric = (m < 9 ? "0" : "") + std::to_string(m + 1);
        EXPECT_EQ(stringText(1215 + m), numeric);
    }
    const char* const days[] = {"Maanantai", "Tiistai",  "Keskiviikko", "Torstai",
                                "Perjantai", "Lauantai", "Sunnuntai"};
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(stringText(1252 + d), days[d]);
}

TEST(StringTable, MenuCommandPromptsHavePromptAndTooltip)
{
    const int commands[] = {
        57607, 57609, 57606, 32829, 32876, 32860, 32861, 32787, 57665, 32844, 32768,
        32848, 32851, 32845, 32782, 32849, 32865, 32874, 32850, 32854, 32855, 32856,
        32857, 32866, 32877, 32878, 32859, 32858, 32875, 32880, 32883, 32885, 32887,
        32888, 32890, 32891, 32893, 32894, 32895, 32896, 32868, 32867, 32869, 32872,
        32870, 32791, 32813, 32864, 57666, 57667, 57669, 57664,
    };
    for (int id : commands) {
        const std::string_view text = stringText(id);
        const auto nl = text.find('\n');
        ASSERT_NE(nl, std::string_view::npos) << "command " << id;
        EXPECT_GT(nl, 0u) << "command " << id << " has no prompt";
        EXPECT_LT(nl + 1, text.size()) << "command " << id << " has no tooltip";
        EXPECT_EQ(text.find('\n', nl + 1), std::string_view::npos) << "command " << id;
    }
    // The small-text font command has no prompt, so its font dialog has no caption.
    EXPECT_TRUE(stringText(32803).empty());
}

TEST(StringTable, QuotedTextsAreExact)
{
    struct Expected {
        int id;
        std::string_view text;
    };
    const Expected expected[] = {
        {2, "Esitelmien suunnittelujärjestelmä- Orvek"},
        {3, "Tammikuu"},
        {701, "Raamattu / Jumala"},
        {1006, "nimi on jo olemassa."},
        {1007, "Korvaa uusilla tiedoilla?"},
        {1019, "valitse puheenjohtaja ja vaihda \n%1\nor"},
        {1057, "Seurakunta"},
        {1122, "Yleisökokousten aikataulu "},
        {1164, "Olemme iloisia että tulet vierailemaan seurakunnassamme %1 puhumaan aiheesta: "
               "\"%2\""},
        {1198, "finnish"},
        {1215, "01"},
        {1231, "Tiedoston %1 päivitys ei onnistu.\nPoista hakemistolta/tiedostolta Vain luku "
               "-attribuutti / file tai hanki käyttöoikeudet tähän hakemistoon."},
        {1247, "Klikkaa OK palauttaakesei varmuuskopion kohteesta: %1"},
        {1251, "orvek.ini"},
        {1252, "Maanantai"},
        {1286, "Aikataulu on viety luettelomerkein eroteltuun tiedostoon nimellä\n\n"
               "%1\\ptsched.txt."},
        {32860, "Luo varmuuskopio tiedoista\nVarmistus"},
    };
    for (const Expected& e : expected)
        EXPECT_EQ(stringText(e.id), e.text) << "id " << e.id;
}

TEST(StringTable, DataFileNames)
{
    struct Expected {
        int id;
        std::string_view name;
    };
    const Expected files[] = {
        {1244, "speakers.dat"}, {1296, "cong.dat"},     {1186, "circuit.dat"},
        {1190, "hospital.dat"}, {1187, "talk.dat"},     {1188, "topic.dat"},
        {1189, "history.dat"},  {1115, "blackout.dat"}, {1185, "wishlist.dat"},
        {1116, "special.dat"},  {1114, "xtend.dat"},    {1287, "extend.dat"},
    };
    for (const Expected& f : files)
        EXPECT_EQ(stringText(f.id), f.name) << "id " << f.id;
}

} // namespace
} // namespace orvek
