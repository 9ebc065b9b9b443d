#include "platform/Host.h"

namespace orvek {

void Host::showMessage(const std::string& text, Icon icon, const std::string& caption) {
    messageBox({text, caption, Buttons::Ok, icon, IDOK});
}

bool Host::askYesNo(const std::string& text, bool defaultYes, const std::string& caption) {
    return messageBox({text, caption, Buttons::YesNo, Icon::Question, defaultYes ? IDYES : IDNO}) == IDYES;
}

} // namespace orvek
