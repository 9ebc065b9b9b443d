#include <string>

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Ini.h"
#include "store/Text.h"

namespace orvek {

namespace {

constexpr const char* kCongregationSection = "Congregation";
constexpr const char* kNumberKey = "Number";
constexpr const char* kMeetingTimeSection = "Meeting Time Change";
constexpr const char* kServiceYearKey = "Service Year";
constexpr const char* kAutoCapSection = "AutoCap";

std::string str(int id) { return std::string(stringText(id)); }
std::string dialSection() { return substitute(stringText(sid::sectionDial), "OK"); }
std::string barColourKey() { return str(sid::keyBars) + "*"; }
std::uint8_t lowByte(long v) { return static_cast<std::uint8_t>(v & 0xFF); }

IniFile readIni(FileSystem& fs, const std::filesystem::path& p) {
    auto data = fs.readFile(p);
    if (!data) return IniFile{};
    return IniFile::parse(std::string_view(reinterpret_cast<const char*>(data->data()), data->size()));
}

bool writeIni(FileSystem& fs, const std::filesystem::path& p, const IniFile& ini) {
    std::string bytes = ini.serialize();
    return fs.writeFileAtomic(p, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())) ==
           WriteError::None;
}

} // namespace

void COvDoc::loadSettings() {
    IniFile ini = readIni(fs_, iniPath());
    Settings s;
    const std::string cong = str(sid::congregationWord);
    const std::string fmt = str(sid::sectionScheduleFormat);
    s.ownCongregationNumber = static_cast<int>(ini.getInt(kCongregationSection, kNumberKey, 0));
    s.dayFirstDates = lowByte(ini.getInt(cong, str(sid::keyDayFirst), 0));
    s.scheduleReaders = lowByte(ini.getInt(cong, str(sid::keyReaders), 0));
    s.scheduleHospitality = lowByte(ini.getInt(cong, str(sid::keyHospitality), 0));
    s.leftMargin = lowByte(ini.getInt(cong, str(sid::keyLeftMargin), 20));
    s.serviceYear = lowByte(ini.getInt(kMeetingTimeSection, kServiceYearKey, 0));
    s.scheduleTitle = ini.getString(fmt, str(sid::keyTitle), stringText(sid::scheduleTitleDefault));
    s.printReaders = lowByte(ini.getInt(fmt, str(sid::keyPrintReaders), 0));
    s.hideTalkNumbers = lowByte(ini.getInt(fmt, str(sid::keyHideTalkNumbers), 0));
    s.hideOutgoingSpeakers = lowByte(ini.getInt(fmt, str(sid::keyHideOutgoing), 0));
    s.barMode = lowByte(ini.getInt(fmt, str(sid::keyBars), 0));
    s.barColour = static_cast<std::uint32_t>(ini.getInt(fmt, barColourKey(), 12632256));
    s.printDates = lowByte(ini.getInt(fmt, str(sid::keyPrintDate), 0));
    s.topMargin = lowByte(ini.getInt(fmt, str(sid::keyTopMargin), 50));
    // The dial switch is off at every start, whatever the file holds.
    s.dialEnabled = 0;
    s.autoCapitals = lowByte(ini.getInt(kAutoCapSection, str(sid::keyEnabled), 1));
    settings = s;
}

bool COvDoc::saveSettings() {
    std::filesystem::path p = iniPath();
    IniFile ini = readIni(fs_, p);
    const Settings& s = settings;
    const std::string cong = str(sid::congregationWord);
    const std::string fmt = str(sid::sectionScheduleFormat);
    ini.setInt(cong, str(sid::keyDayFirst), s.dayFirstDates);
    ini.setInt(cong, str(sid::keyReaders), s.scheduleReaders);
    ini.setInt(cong, str(sid::keyHospitality), s.scheduleHospitality);
    ini.setInt(cong, str(sid::keyLeftMargin), s.leftMargin);
    ini.setInt(kMeetingTimeSection, kServiceYearKey, s.serviceYear);
    ini.set(fmt, str(sid::keyTitle), s.scheduleTitle);
    ini.setInt(fmt, str(sid::keyPrintReaders), s.printReaders);
    ini.setInt(fmt, str(sid::keyHideTalkNumbers), s.hideTalkNumbers);
    ini.setInt(fmt, str(sid::keyHideOutgoing), s.hideOutgoingSpeakers);
    ini.setInt(fmt, str(sid::keyBars), s.barMode);
    ini.setInt(fmt, barColourKey(), static_cast<long>(s.barColour));
    ini.setInt(fmt, str(sid::keyPrintDate), s.printDates);
    ini.setInt(fmt, str(sid::keyTopMargin), s.topMargin);
    ini.setInt(dialSection(), str(sid::keyEnabled), s.dialEnabled);
    ini.setInt(kAutoCapSection, str(sid::keyEnabled), s.autoCapitals);
    return writeIni(fs_, p, ini) || (reportWriteFailure(p), false);
}

bool COvDoc::saveOwnCongregation() {
    std::filesystem::path p = iniPath();
    IniFile ini = readIni(fs_, p);
    ini.setInt(kCongregationSection, kNumberKey, settings.ownCongregationNumber);
    return writeIni(fs_, p, ini) || (reportWriteFailure(p), false);
}

bool COvDoc::autoCapitalsActive() const {
    if (!settings.autoCapitals) return false;
    const std::string& t = languageTag;
    if (!t.empty() && (t[0] == 'G' || t[0] == 'U' || t[0] == 'f')) return false;
    return t != "rus" && t != "turkish" && t != "greek";
}

} // namespace orvek
