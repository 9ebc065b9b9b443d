#include <gtest/gtest.h>

#include "store/Ini.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;

std::string iniText(DocFixture& f) {
    auto b = f.fs.readFile(f.folder / "orvek.ini");
    return b ? std::string(b->begin(), b->end()) : std::string();
}

void putIni(DocFixture& f, const std::string& text) { f.fs.files[(f.folder / "orvek.ini").string()] = Bytes(text.begin(), text.end()); }

TEST(DocumentSettings, aMissingFileGivesTheDefaults) {
    DocFixture f;
    COvDoc& doc = f.start();
    Settings s = doc.settings;
    EXPECT_EQ(s.topMargin, 50);
    EXPECT_EQ(s.leftMargin, 20);
    EXPECT_EQ(s.scheduleTitle, "Yleisökokousten aikataulu ");
    EXPECT_EQ(s.barColour, 0xC0C0C0u);
    EXPECT_EQ(s.autoCapitals, 1);
    EXPECT_EQ(s.ownCongregationNumber, 0);
    Settings expected;
    expected.scheduleTitle = s.scheduleTitle;
    EXPECT_EQ(s, expected); // every other flag off
}

TEST(DocumentSettings, valuesAreReadAsTheProgramWroteThem) {
    DocFixture f;
    putIni(f,
           "[Congregation]\r\nNumber=7\r\n"
           "[Seurakunta]\r\nVaihda p\xE4iv\xE4yksen muotoa=1\r\nSis\xE4llyt\xE4 Lukijat=1\r\nVieraanvaraisuus=257\r\n"
           "Vasen marginaali=35\r\n"
           "[Meeting Time Change]\r\nService Year=1\r\n"
           "[Aikataulun formaatti]\r\nAihe=Aikataulu 2027\r\nPalkit=4\r\nPalkit*=255\r\nYl\xE4marginaali=99\r\n"
           "[Soita OK]\r\nK\xE4yt\xF6ss\xE4=1\r\n"
           "[AutoCap]\r\nK\xE4yt\xF6ss\xE4=0\r\n");
    COvDoc& doc = f.start();
    const Settings& s = doc.settings;
    EXPECT_EQ(s.ownCongregationNumber, 7);
    EXPECT_EQ(s.dayFirstDates, 1);
    EXPECT_EQ(s.scheduleReaders, 1);
    EXPECT_EQ(s.scheduleHospitality, 1); // the low byte of 257
    EXPECT_EQ(s.leftMargin, 35);
    EXPECT_EQ(s.serviceYear, 1);
    EXPECT_EQ(s.scheduleTitle, "Aikataulu 2027");
    EXPECT_EQ(s.barMode, 4);
    EXPECT_EQ(s.barColour, 255u);
    EXPECT_EQ(s.topMargin, 99);
    EXPECT_EQ(s.dialEnabled, 0); // off at every start
    EXPECT_EQ(s.autoCapitals, 0);
}

TEST(DocumentSettings, savingWritesEverySettingAndKeepsForeignLines) {
    DocFixture f;
    putIni(f, "; oma kommentti\r\n[Congregation]\r\nNumber=3\r\n[Varmista]\r\nKansio=C:\\varmistus\r\n");
    COvDoc& doc = f.start();
    doc.settings.ownCongregationNumber = 9; // not written by saveSettings
    doc.settings.barMode = 2;
    doc.settings.dialEnabled = 1;
    ASSERT_TRUE(doc.saveSettings());
    std::string text = iniText(f);
    EXPECT_EQ(text.rfind("; oma kommentti\r\n[Congregation]\r\nNumber=3\r\n[Varmista]\r\nKansio=C:\\varmistus\r\n", 0), 0u);
    IniFile ini = IniFile::parse(text);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Palkit", -1), 2);
    EXPECT_EQ(ini.getInt("Soita OK", "Käytössä", -1), 1);
    // A value with surrounding blanks is written in quotes, so it reads back whole.
    EXPECT_EQ(ini.getString("Aikataulun formaatti", "Aihe", ""), "Yleisökokousten aikataulu ");
    EXPECT_EQ(ini.getInt("Seurakunta", "Vasen marginaali", -1), 20);
    EXPECT_EQ(ini.getInt("Meeting Time Change", "Service Year", -1), 0);
    EXPECT_EQ(ini.getInt("AutoCap", "Käytössä", -1), 1);
    EXPECT_EQ(ini.getInt("Aikataulun formaatti", "Palkit*", -1), 12632256);
    ASSERT_TRUE(doc.saveOwnCongregation());
    EXPECT_EQ(IniFile::parse(iniText(f)).getInt("Congregation", "Number", 0), 9);
    // Saving again changes nothing but the values.
    std::string before = iniText(f);
    ASSERT_TRUE(doc.saveSettings());
    EXPECT_EQ(iniText(f), before);
}

TEST(DocumentSettings, automaticCapitalsDependOnTheLanguage) {
    DocFixture f;
    COvDoc& doc = f.start();
    for (auto [tag, active] : std::vector<std::pair<const char*, bool>>{
             {"finnish", false}, {"eng", true}, {"polish", true}, {"German", false}, {"Ukr", false},
             {"rus", false}, {"turkish", false}, {"greek", false}, {"spanish", true}}) {
        doc.languageTag = tag;
        EXPECT_EQ(doc.autoCapitalsActive(), active) << tag;
    }
    doc.languageTag = "eng";
    doc.settings.autoCapitals = 0;
    EXPECT_FALSE(doc.autoCapitalsActive());
}

} // namespace
} // namespace orvek
