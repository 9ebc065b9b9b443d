#include "refdata/StorableText.h"

#include <algorithm>
#include <string>

#include "platform/Control.h"
#include "platform/Host.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Text.h"

namespace orvek {

namespace {
void tellRefused(Host& host, const std::string& character) {
    host.showMessage(substitute(stringText(sid::charNotStorable), character.empty() ? std::string("?") : character),
                     Icon::Warning);
}
} // namespace

bool acceptStorableText(Host& host, std::string_view text) {
    if (isCp1252Representable(text)) return true;
    tellRefused(host, firstUnrepresentable(text));
    return false;
}

bool acceptTypedText(Control& edit, Host& host) {
    const std::string& typed = edit.text();
    std::string refused = firstUnrepresentable(typed);
    if (refused.empty()) return true;
    std::string kept;
    for (std::size_t i = 0; i < typed.size();) {
        std::size_t start = i;
        char32_t c = nextCodePoint(typed, i);
        std::string one;
        appendUtf8(one, c);
        if (isCp1252Representable(one)) kept.append(typed, start, i - start);
    }
    int caret = edit.selectionStart();
    edit.setText(kept);
    int n = static_cast<int>(charCount(kept));
    edit.setSelection(std::min(caret, n), std::min(caret, n));
    tellRefused(host, refused);
    return false;
}

} // namespace orvek
