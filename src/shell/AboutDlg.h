#pragma once

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// About the program: its name, version and the data folder.
class CAboutDlg : public Dialog {
public:
    explicit CAboutDlg(const COvDoc& doc);

protected:
    void onInit() override;

private:
    const COvDoc& doc_;
};

// The program's version text.
const char* programVersion();

} // namespace orvek
