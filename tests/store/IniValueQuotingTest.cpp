#include <gtest/gtest.h>

#include <string>

#include "store/Ini.h"

namespace orvek {
namespace {

std::string readBack(const std::string& value) {
    IniFile ini;
    ini.set("Aikataulun formaatti", "Otsikko", value);
    IniFile again = IniFile::parse(ini.serialize());
    return again.getString("Aikataulun formaatti", "Otsikko", "<missing>");
}

TEST(IniValueQuoting, aPlainValueIsWrittenAsItIs) {
    IniFile ini;
    ini.set("S", "K", "a value");
    EXPECT_EQ(ini.serialize(), "[S]\r\nK=a value\r\n");
}

TEST(IniValueQuoting, blanksAtEitherEndReadBack) {
    // The default schedule title ends with a blank.
    EXPECT_EQ(readBack("Yleisökokousten aikataulu "), "Yleisökokousten aikataulu ");
    EXPECT_EQ(readBack(" leading"), " leading");
    EXPECT_EQ(readBack("\ttab\t"), "\ttab\t");
    EXPECT_EQ(readBack("  "), "  ");
}

TEST(IniValueQuoting, enclosingQuotesReadBack) {
    EXPECT_EQ(readBack("\"quoted\""), "\"quoted\"");
    EXPECT_EQ(readBack("'single'"), "'single'");
    EXPECT_EQ(readBack("\"\""), "\"\"");
    EXPECT_EQ(readBack("\" "), "\" ");
}

TEST(IniValueQuoting, quotesInsideAreKeptAsTheyAre) {
    IniFile ini;
    ini.set("S", "K", "say \"hi\" now");
    EXPECT_EQ(ini.serialize(), "[S]\r\nK=say \"hi\" now\r\n");
    EXPECT_EQ(readBack("\"half"), "\"half");
}

TEST(IniValueQuoting, aQuotedValueIsReadTheWayTheProfileFunctionsReadIt) {
    IniFile ini = IniFile::parse("[S]\r\nK=\" padded \"\r\n");
    EXPECT_EQ(ini.getString("S", "K", ""), " padded ");
}

} // namespace
} // namespace orvek
