#pragma once

#include "platform/Dialog.h"

namespace orvek {

class MainFrame;

// The main-menu panel (dialog 143) of the main window: three groups of
// buttons that run commands, open pop-up menus or the schedule sheet.
class CMainPanel : public Dialog {
public:
    explicit CMainPanel(MainFrame& frame);

    // Brings every button's enabled state up to date.
    void updateButtons();
    // The command a button runs (0 for the pop-up buttons and the exit).
    static int commandOf(int button);
    // The page of the schedule sheet a scheduling button opens.
    int schedulePage(int button) const;

protected:
    void onInit() override;
    void onCommand(int id) override;

private:
    void popup(int button);

    MainFrame& frame_;
};

} // namespace orvek
