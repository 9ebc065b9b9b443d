#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/Dialog.h"
#include "refdata/Picture.h"

namespace orvek {

class COvDoc;

// A congregation's map picture (dialog 183 "Kartta"): shows it, explains how
// to make one and lets the user choose the file.
//
// A map is named by a bare file name in the data folder. A stored name that
// is not bare (a folder, "..") counts as no map; a file chosen from another
// folder is copied into the data folder when the user agrees; a name longer
// than the 27 characters the congregation record holds is refused.
class CMapDlg : public Dialog {
public:
    CMapDlg(COvDoc& doc, std::string mapFile);
    // The map file name after IDOK (empty when no picture is loaded).
    const std::string& mapFile() const { return mapFile_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onOK() override;
    void onCancel() override;
    void onPaint(int id, Canvas& canvas, const Rect& area) override;

    COvDoc& doc_;
    std::string mapFile_;

private:
    void chooseMap();
    // Puts the chosen file into the data folder under its own name; false
    // when the user declines or the file cannot be written.
    bool copyIntoDataFolder(const std::filesystem::path& from, const std::filesystem::path& to);
    void showLoadState();

    std::string original_;
    std::optional<CPicture> picture_; // made on opening, with the dialog's host
    bool loaded() const { return picture_ && picture_->loaded(); }
};

// Whether a name is a plain file name: not empty, no folder separators, no
// drive, not "." or "..".
bool isBareFileName(std::string_view name);

} // namespace orvek
