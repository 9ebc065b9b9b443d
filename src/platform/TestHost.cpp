#include "platform/TestHost.h"

namespace orvek {

int TestHost::messageBox(const MessageBoxSpec& spec) {
    messages_.push_back(spec);
    if (!answers_.empty()) {
        int a = answers_.front();
        answers_.pop_front();
        return a;
    }
    if (spec.defaultButton) return spec.defaultButton;
    return spec.buttons == Buttons::YesNo ? IDYES : IDOK;
}

} // namespace orvek
