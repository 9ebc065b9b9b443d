#include <gtest/gtest.h>

#include "store/Ini.h"

namespace orvek {
namespace {

TEST(Ini, writingOneKeyKeepsEveryOtherLine) {
    std::string file =
        "; Orvek settings\r\n"
        "[Seurakunta]\r\n"
        "Vasen marginaali=20\r\n"
        "Oma avain = jotain\r\n"
        "\r\n"
        "[Muu]\r\n"
        "x=1\r\n";
    IniFile ini = IniFile::parse(file);
    ini.setInt("seurakunta", "Vasen marginaali", 35);
    EXPECT_EQ(ini.serialize(),
              "; Orvek settings\r\n"
              "[Seurakunta]\r\n"
              "Vasen marginaali=35\r\n"
              "Oma avain = jotain\r\n"
              "\r\n"
              "[Muu]\r\n"
              "x=1\r\n");
}

TEST(Ini, newKeysGoToTheEndOfTheirSectionAndNewSectionsToTheEnd) {
    IniFile ini = IniFile::parse("[A]\r\nk=1\r\n\r\n[B]\r\nm=2\r\n");
    ini.set("a", "n", "x");
    ini.set("C", "z", "9");
    EXPECT_EQ(ini.serialize(), "[A]\r\nk=1\r\nn=x\r\n\r\n[B]\r\nm=2\r\n\r\n[C]\r\nz=9\r\n");
    IniFile empty;
    empty.set("S", "k", "v");
    EXPECT_EQ(empty.serialize(), "[S]\r\nk=v\r\n");
}

TEST(Ini, readingFollowsTheProfileFunctions) {
    IniFile ini = IniFile::parse("[Aikataulun formaatti]\nAihe = \"Otsikko \"\nPalkit=3\nPalkit*=12632256\n"
                                 "Tyhjä=\nRoska=abc\nHeksa=0x10\nIso=300\n");
    EXPECT_EQ(ini.getString("aikataulun FORMAATTI", "aihe", "x"), "Otsikko ");
    EXPECT_EQ(ini.getString("Aikataulun formaatti", "puuttuu", "oletus"), "oletus");
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Palkit", 0), 3);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Palkit*", 0), 12632256);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Tyhjä", 7), 7);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Roska", 7), 0);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Heksa", 0), 16);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Puuttuu", 50), 50);
    EXPECT_EQ(ini.getInt("Ei osiota", "Palkit", 5), 5);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Iso", 0), 300);
}

TEST(Ini, diskTextIsWindows1252AndNamesIgnoreFinnishCase) {
    IniFile ini = IniFile::parse("[SOITA OK]\r\nK\xC4YT\xD6SS\xC4=1\r\n");
    EXPECT_EQ(ini.getInt("Soita OK", "Käytössä", 0), 1);
    ini.set("Seurakunta", "Vaihda päiväyksen muotoa", "1");
    std::string bytes = ini.serialize();
    EXPECT_NE(bytes.find("Vaihda p\xE4iv\xE4yksen muotoa=1"), std::string::npos);
}

} // namespace
} // namespace orvek
