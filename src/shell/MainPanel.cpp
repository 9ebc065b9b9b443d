#include "shell/MainPanel.h"

#include <algorithm>

#include "resources/StringTable.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "store/Document.h"

namespace orvek {

namespace {

struct PopupItem {
    int text;    // string-table entry
    int command;
};

const std::vector<PopupItem>& popupItems(int button) {
    static const std::vector<PopupItem> reminders = {{1281, cmd::reminder}, {1282, cmd::letter}};
    static const std::vector<PopupItem> arrangements = {
        {1278, cmd::exchangeList}, {1279, cmd::localArrangements}, {1045, cmd::incomingList}, {1280, cmd::outgoingList}};
    static const std::vector<PopupItem> history = {
        {1283, cmd::speakerHistory}, {1284, cmd::talkHistory}, {1285, cmd::visitingHistory}};
    static const std::vector<PopupItem> none;
    switch (button) {
    case 128: return reminders;
    case 119: return arrangements;
    case 129: return history;
    default: return none;
    }
}

constexpr int kExit = 110;
constexpr int kPanelButtons[] = {122, 130, 131, 128, 119, 132, 129, 117, 115, 124, 125, 126, 127, 109, 114, 121, 123,
                                 118, 120, 116, kExit};

} // namespace

CMainPanel::CMainPanel(MainFrame& frame) : Dialog(143), frame_(frame) {}

int CMainPanel::commandOf(int button) {
    switch (button) {
    case 122: return cmd::viewSchedule;
    case 130: return cmd::viewSpeakerTalks;
    case 131: return cmd::viewTalkSpeakers;
    case 132: return cmd::talksByYear;
    case 117: return cmd::summary;
    case 115: return cmd::localTalks;
    case 124: return cmd::outgoing;
    case 125: return cmd::chairmen;
    case 126: return cmd::hospitality;
    case 127: return cmd::readers;
    case 109: return cmd::congregations;
    case 114: return cmd::brothers;
    case 121: return cmd::ownCongregation;
    case 123: return cmd::localNeeds;
    case 118: return cmd::circuits;
    case 120: return cmd::talks;
    case 116: return cmd::editPrevious;
    default: return 0;
    }
}

int CMainPanel::schedulePage(int button) const {
    const Settings& s = frame_.document().settings;
    switch (button) {
    case 117: return 0;
    case 115: return 1;
    case 124: return 3 + (s.scheduleHospitality ? 1 : 0) + (s.scheduleReaders ? 1 : 0);
    case 127: return s.scheduleHospitality ? 4 : 3;
    default: return -1;
    }
}

void CMainPanel::onInit() { updateButtons(); }

void CMainPanel::updateButtons() {
    const COvDoc& doc = frame_.document();
    for (int b : kPanelButtons) {
        bool on = true;
        if (b == kExit) on = true;
        else if (int c = commandOf(b)) on = frame_.isEnabled(c);
        else {
            const auto& items = popupItems(b);
            on = std::any_of(items.begin(), items.end(), [&](const PopupItem& i) { return frame_.isEnabled(i.command); });
        }
        // The panel's own rules.
        if (b == 126) on = on && doc.settings.scheduleHospitality;
        if (b == 127) on = on && doc.settings.scheduleReaders;
        if (b == 121) on = on && doc.congregations.size() >= 2;
        if (b == 116) on = on && doc.settings.ownCongregationNumber != 0;
        enable(b, on);
    }
}

void CMainPanel::popup(int button) {
    std::vector<MenuItem> items;
    for (const PopupItem& i : popupItems(button))
        items.push_back({i.command, std::string(stringText(i.text)), frame_.isEnabled(i.command)});
    if (int chosen = host().popupMenu(items, {0, 0}, this)) frame_.execute(chosen);
}

void CMainPanel::onCommand(int id) {
    if (id == kExit) {
        frame_.execute(cmd::exitApp);
    } else if (!popupItems(id).empty()) {
        popup(id);
    } else if (int c = commandOf(id)) {
        frame_.executeFromPanel(c, schedulePage(id));
    }
    updateButtons();
}

} // namespace orvek
