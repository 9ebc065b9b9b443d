#include "platform/Host.h"

#include "platform/Dialog.h"

namespace orvek {

// The defaults are what a host without that service offers: nothing is
// chosen, nothing is copied, nothing is dialled.

int Host::runDialog(Dialog& dialog) {
    dialog.attach(*this);
    dialog.init();
    return dialog.ended() ? dialog.result() : IDCANCEL;
}

int Host::popupMenu(const std::vector<MenuItem>&, Point, const Dialog*) { return 0; }
std::optional<std::filesystem::path> Host::chooseFile(const OpenFileSpec&) { return std::nullopt; }
std::optional<std::filesystem::path> Host::chooseFolder(const std::string&, const std::filesystem::path&) {
    return std::nullopt;
}
std::optional<Colour> Host::chooseColour(Colour) { return std::nullopt; }
std::optional<FontSpec> Host::chooseFont(const FontSpec&, const std::string&) { return std::nullopt; }
bool Host::setClipboardText(const std::string&) { return false; }
void Host::emptyClipboard() {}
bool Host::dial(const std::string&, const std::string&) { return false; }
void Host::showHelpContents() {}
void Host::showHelpIndex() {}
void Host::showHelpTopic(int) {}
void Host::setStatusText(int, const std::string&) {}
bool Host::pumpMessages() { return true; }
std::shared_ptr<Picture> Host::decodePicture(const std::vector<std::uint8_t>&) { return nullptr; }
bool Host::hasDefaultPrinter() { return false; }
std::unique_ptr<PrintJob> Host::beginPrint(const std::string&, bool) { return nullptr; }

void Host::showMessage(const std::string& text, Icon icon, const std::string& caption) {
    messageBox({text, caption, Buttons::Ok, icon, IDOK});
}

bool Host::askYesNo(const std::string& text, bool defaultYes, const std::string& caption) {
    return messageBox({text, caption, Buttons::YesNo, Icon::Question, defaultYes ? IDYES : IDNO}) == IDYES;
}

} // namespace orvek
