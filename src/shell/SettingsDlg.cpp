#include "shell/SettingsDlg.h"

#include "resources/StringTable.h"
#include "store/Dates.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kDayFirst = 249, kHospitality = 260, kReaders = 259, kCalendarYear = 1175, kServiceYear = 1176,
              kPrintReaders = 254, kNoTalkNumbers = 257, kNoOutgoing = 263, kTitle = 272, kBarMode = 1039,
              kColour = 1040, kPrintDates = 261, kAutoCaps = 262;
constexpr int kBarCaption = 1125, kFirstBarName = 1126;
constexpr Colour kDefaultBar = 0xC0C0C0;
} // namespace

CSettingsDlg::CSettingsDlg(COvDoc& doc) : Dialog(123), doc_(doc) {}

void CSettingsDlg::onInit() {
    const Settings& s = doc_.settings;
    setChecked(kDayFirst, s.dayFirstDates);
    setChecked(kHospitality, s.scheduleHospitality);
    setChecked(kReaders, s.scheduleReaders);
    setChecked(kPrintReaders, s.printReaders);
    setChecked(kNoTalkNumbers, s.hideTalkNumbers);
    setChecked(kNoOutgoing, s.hideOutgoingSpeakers);
    setChecked(kPrintDates, s.printDates);
    setChecked(kAutoCaps, s.autoCapitals);
    setText(kTitle, s.scheduleTitle);
    for (int id : {kTopMargin, kLeftMargin}) {
        Control& list = control(id);
        list.clear();
        for (int v = 0; v <= 99; ++v) list.addItem((v < 10 ? "0" : "") + std::to_string(v));
    }
    control(kTopMargin).setTopRow(s.topMargin % 100);
    control(kLeftMargin).setTopRow(s.leftMargin % 100);
    barMode_ = s.barMode % 5;
    barColour_ = s.barColour;
    showBarMode();
    show(kPrintReaders, s.scheduleReaders != 0);
    setChecked(kServiceYear, s.serviceYear);
    setChecked(kCalendarYear, !s.serviceYear);
    show(kAutoCaps, doc_.languageTag == "eng" || doc_.languageTag == "polish");
}

void CSettingsDlg::showBarMode() {
    setText(kBarMode, substitute(stringText(kBarCaption), stringText(kFirstBarName + barMode_)));
    show(kColour, barMode_ == 4);
}

void CSettingsDlg::onCommand(int id) {
    switch (id) {
    case kReaders: show(kPrintReaders, checked(kReaders)); return;
    case kBarMode:
        barMode_ = (barMode_ + 1) % 5;
        showBarMode();
        return;
    case kColour:
        if (auto c = host().chooseColour(barColour_)) barColour_ = *c;
        return;
    default: Dialog::onCommand(id);
    }
}

void CSettingsDlg::onOK() {
    Settings& s = doc_.settings;
    s.leftMargin = static_cast<std::uint8_t>(control(kLeftMargin).topRow());
    s.topMargin = static_cast<std::uint8_t>(control(kTopMargin).topRow());
    s.dayFirstDates = checked(kDayFirst);
    s.scheduleHospitality = checked(kHospitality);
    s.scheduleReaders = checked(kReaders);
    s.printReaders = checked(kPrintReaders);
    s.hideTalkNumbers = checked(kNoTalkNumbers);
    s.hideOutgoingSpeakers = checked(kNoOutgoing);
    s.printDates = checked(kPrintDates);
    s.autoCapitals = checked(kAutoCaps);
    s.barMode = static_cast<std::uint8_t>(barMode_);
    s.barColour = barMode_ == 4 ? barColour_ : kDefaultBar;
    s.scheduleTitle = text(kTitle);
    s.serviceYear = checked(kServiceYear);
    endDialog(IDOK);
}

// The margin lists show one row: the margin is the row at the top. With the
// focus the top row is selected and digits or the arrow keys choose another;
// leaving the list scrolls the chosen row to the top.
void CSettingsDlg::onFocus(int id, bool gained) {
    if (!isMarginList(id)) return;
    Control& list = control(id);
    digits_.clear();
    if (gained) {
        list.setSelectedRow(list.topRow());
    } else {
        if (list.selectedRow() >= 0) list.setTopRow(list.selectedRow());
        list.clearSelection();
    }
}

bool CSettingsDlg::onKey(int id, const KeyEvent& e) {
    if (!isMarginList(id)) return false;
    Control& list = control(id);
    int row = list.selectedRow() >= 0 ? list.selectedRow() : list.topRow();
    if (e.key == Key::Character && e.character >= '0' && e.character <= '9') {
        digits_ += static_cast<char>(e.character);
        row = std::stoi(digits_);
        if (digits_.size() == 2) digits_.clear();
    } else if (e.key == Key::Up) {
        row = row == 0 ? 99 : row - 1;
    } else if (e.key == Key::Down) {
        row = row == 99 ? 0 : row + 1;
    } else {
        return e.key == Key::Character; // other characters do nothing
    }
    list.setSelectedRow(row);
    list.setTopRow(row);
    return true;
}

bool settingsCommand(COvDoc& doc, Host& host) {
    Settings before = doc.settings;
    CSettingsDlg dlg(doc);
    host.runDialog(dlg);
    bool changed = !(doc.settings == before);
    if (changed) doc.dataChanged = 1;
    doc.saveSettings();
    return changed;
}

} // namespace orvek
