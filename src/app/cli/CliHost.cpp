#include "app/cli/CliHost.h"

#include <string>

namespace orvek {

int CliHost::messageBox(const MessageBoxSpec& spec) {
    ++shown_;
    std::string text = spec.text;
    for (auto& c : text)
        if (c == '\n') c = ' ';
    err_ << "orvek-cli: " << text << '\n';
    if (spec.defaultButton) return spec.defaultButton;
    switch (spec.buttons) {
    case Buttons::Ok: case Buttons::OkCancel: return IDOK;
    case Buttons::YesNo: return IDYES;
    }
    return IDOK;
}

} // namespace orvek
