#pragma once

#include <string>

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// A congregation's map picture (dialog 183 "Kartta"): shows it, explains how
// to make one and lets the user choose the file.
class CMapDlg : public Dialog {
public:
    CMapDlg(COvDoc& doc, std::string mapFile);
    // The map file name after IDOK (empty when no picture is loaded).
    const std::string& mapFile() const { return mapFile_; }

protected:
    COvDoc& doc_;
    std::string mapFile_;
};

} // namespace orvek
