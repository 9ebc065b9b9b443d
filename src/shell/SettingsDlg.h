#pragma once

#include <string>

#include "platform/Dialog.h"
#include "store/Document.h"

namespace orvek {

// The settings dialog (command 32864): scheduling options, the date display
// and the printing options. It edits copies of the settings; OK hands them to
// the document.
class CSettingsDlg : public Dialog {
public:
    explicit CSettingsDlg(COvDoc& doc);

    // The bar mode and colour being edited.
    int barMode() const { return barMode_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onOK() override;
    void onFocus(int id, bool gained) override;
    bool onKey(int id, const KeyEvent& e) override;

private:
    void showBarMode();
    static bool isMarginList(int id) { return id == kTopMargin || id == kLeftMargin; }

    static constexpr int kTopMargin = 255;
    static constexpr int kLeftMargin = 258;

    COvDoc& doc_;
    int barMode_ = 0;
    Colour barColour_ = 0xC0C0C0;
    std::string digits_; // typed into a margin list
};

// Runs the settings dialog: the document takes the values over on OK, the
// views are refreshed when anything changed, and the settings file is
// written after OK and after Cancel. Returns whether anything changed.
bool settingsCommand(COvDoc& doc, Host& host);

} // namespace orvek
