#include "shell/AboutDlg.h"

#include "platform/FileSystem.h"
#include "store/Document.h"

namespace orvek {

const char* programVersion() { return "0.1.0"; }

CAboutDlg::CAboutDlg(const COvDoc& doc) : Dialog(100), doc_(doc) {}

void CAboutDlg::onInit() {
    setText(270, std::string("Versio ") + programVersion());
    setText(271, pathToUtf8(doc_.workingFolder()));
}

} // namespace orvek
