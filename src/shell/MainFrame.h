#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "resources/Menu.h"

namespace orvek {

class COvDoc;
class CMainPanel;

// The main window without its widgets: title, menu, toolbar, status bar,
// the main-menu panel, command routing and the close rules. The Qt main
// window shows it and sends it every command the user gives.
class MainFrame {
public:
    MainFrame(COvDoc& doc, Host& host);
    ~MainFrame();

    std::string title() const;
    const std::vector<MenuTemplate>& menu() const;
    const std::vector<int>& toolbar() const;
    // Status-bar prompt of a command (the text before the newline) and its
    // tooltip (the text after it).
    std::string prompt(int command) const;
    std::string tooltip(int command) const;
    // Pane 1 of the status bar: today's date as "%b %d, %Y" in the C locale.
    std::string datePaneText() const;

    // Whether a command can be given now. A command whose function is not
    // built yet is disabled, never silently ignored.
    bool isEnabled(int command) const;
    // Gives a command (from the menu, toolbar, panel or an accelerator).
    void execute(int command);
    // A panel button's command; the scheduling buttons open the schedule
    // sheet on their page.
    void executeFromPanel(int command, int schedulePage);
    // Opens the schedule sheet on a page (installed by the scheduling pages).
    void setScheduleSheetOpener(std::function<void(int page)> open) { openSheet_ = std::move(open); }

    // The main-menu panel (dialog 143), shown while no report is shown.
    CMainPanel& panel();
    bool panelVisible() const;

    // The close box, the exit command and the panel's exit button. Returns
    // true when the window may close (the tables are then released).
    bool requestClose();

    // Called when anything the views show changed (the panel's enabling
    // rules, the report being shown).
    void setRefreshHandler(std::function<void()> refresh) { refresh_ = std::move(refresh); }
    void refreshViews();

    // Called when the window must close (after requestClose agreed).
    void setCloseHandler(std::function<void()> close) { close_ = std::move(close); }

    // A handler for a command, for the subsystems that provide them.
    using Handler = std::function<void()>;
    void route(int command, Handler handler, std::function<bool()> enabled = {});

    COvDoc& document() { return doc_; }
    Host& host() { return host_; }

    // The view: main menu or a report, and whether it is printing.
    bool showsReport() const { return showsReport_; }
    bool printing() const { return printing_; }
    void setShowsReport(bool on);
    void setPrinting(bool on) { printing_ = on; }

private:
    struct Route {
        Handler run;
        std::function<bool()> enabled;
    };
    void routeBuiltInCommands();
    // The commands of the reference data (congregations, brothers, talks, …).
    void routeReferenceData();

    COvDoc& doc_;
    Host& host_;
    std::unique_ptr<CMainPanel> panel_;
    std::map<int, Route> routes_;
    std::function<void()> refresh_;
    std::function<void()> close_;
    std::function<void(int)> openSheet_;
    bool showsReport_ = false;
    bool printing_ = false;
};

} // namespace orvek
