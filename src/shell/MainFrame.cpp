#include "shell/MainFrame.h"

#include <array>

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "shell/AboutDlg.h"
#include "shell/Commands.h"
#include "shell/MainPanel.h"
#include "shell/SettingsDlg.h"
#include "store/Dates.h"
#include "store/Document.h"

namespace orvek {

namespace {

// The schedule sheet's page of each scheduling command.
int sheetPageOf(int command, const Settings& s) {
    switch (command) {
    case cmd::summary: return 0;
    case cmd::localTalks: return 1;
    case cmd::chairmen: return 2;
    case cmd::hospitality: return s.scheduleHospitality ? 3 : -1;
    case cmd::readers: return s.scheduleReaders ? (s.scheduleHospitality ? 4 : 3) : -1;
    case cmd::outgoing: return 3 + (s.scheduleHospitality ? 1 : 0) + (s.scheduleReaders ? 1 : 0);
    default: return -1;
    }
}

bool isSheetCommand(int command) {
    switch (command) {
    case cmd::summary: case cmd::localTalks: case cmd::chairmen: case cmd::hospitality: case cmd::readers:
    case cmd::outgoing: return true;
    default: return false;
    }
}

} // namespace

MainFrame::MainFrame(COvDoc& doc, Host& host) : doc_(doc), host_(host) {
    routeBuiltInCommands();
    routeReferenceData();
    panel_ = std::make_unique<CMainPanel>(*this);
    panel_->attach(host_);
    panel_->init();
}

MainFrame::~MainFrame() = default;

std::string MainFrame::title() const {
    std::string t(stringText(sid::mainTitle));
    return t.substr(0, t.find('\n'));
}

const std::vector<MenuTemplate>& MainFrame::menu() const { return mainMenu(); }
const std::vector<int>& MainFrame::toolbar() const { return toolbarCommands(); }

std::string MainFrame::prompt(int command) const {
    std::string t(stringText(command));
    return t.substr(0, t.find('\n'));
}

std::string MainFrame::tooltip(int command) const {
    std::string t(stringText(command));
    std::size_t nl = t.find('\n');
    return nl == std::string::npos ? std::string() : t.substr(nl + 1);
}

std::string MainFrame::datePaneText() const {
    // "%b %d, %Y" in the C locale, from the date the document started with.
    static constexpr std::array<const char*, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::string& d = doc_.today;
    if (!isValidDate(d)) return {};
    int month = std::stoi(d.substr(2, 2));
    return std::string(months[static_cast<std::size_t>(month - 1)]) + " " + d.substr(4, 2) + ", 20" + d.substr(0, 2);
}

void MainFrame::route(int command, Handler handler, std::function<bool()> enabled) {
    routes_[command] = {std::move(handler), std::move(enabled)};
}

bool MainFrame::isEnabled(int command) const {
    if (isSheetCommand(command)) {
        if (!openSheet_) return false;
        if (command == cmd::hospitality && !doc_.settings.scheduleHospitality) return false;
        if (command == cmd::readers && !doc_.settings.scheduleReaders) return false;
        return true;
    }
    auto it = routes_.find(command);
    if (it == routes_.end()) return false;
    return !it->second.enabled || it->second.enabled();
}

void MainFrame::execute(int command) {
    if (!isEnabled(command)) return;
    if (isSheetCommand(command)) {
        openSheet_(sheetPageOf(command, doc_.settings));
        refreshViews();
        return;
    }
    routes_.at(command).run();
}

void MainFrame::executeFromPanel(int command, int schedulePage) {
    if (schedulePage >= 0 && openSheet_) {
        openSheet_(schedulePage);
        refreshViews();
        return;
    }
    execute(command);
}

CMainPanel& MainFrame::panel() { return *panel_; }

bool MainFrame::panelVisible() const { return !showsReport_; }

void MainFrame::setShowsReport(bool on) {
    showsReport_ = on;
    refreshViews();
}

void MainFrame::refreshViews() {
    if (panel_) panel_->updateButtons();
    if (refresh_) refresh_();
}

bool MainFrame::requestClose() {
    if (printing_) {
        host_.showMessage("Use Close Button");
        return false;
    }
    if (showsReport_) {
        setShowsReport(false);
        return false;
    }
    doc_.shutDown();
    return true;
}

void MainFrame::routeBuiltInCommands() {
    route(cmd::about, [this] {
        CAboutDlg dlg(doc_);
        host_.runDialog(dlg);
    });
    route(cmd::exitApp, [this] {
        if (requestClose() && close_) close_();
    });
    route(cmd::helpContents, [this] { host_.showHelpContents(); });
    route(cmd::helpIndex, [this] { host_.showHelpIndex(); });
    // Context help is a mode of the window: the window handles the command.
    route(cmd::contextHelp, [] {});
    route(cmd::settings, [this] {
        if (settingsCommand(doc_, host_)) refreshViews();
    });
    route(
        cmd::mainMenu, [this] { setShowsReport(false); }, [this] { return showsReport_; });
}

} // namespace orvek
