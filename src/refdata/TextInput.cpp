#include "refdata/TextInput.h"

#include <algorithm>

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Text.h"

namespace orvek {

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
    host.showMessage(substitute(stringText(sid::characterRefused), refused), Icon::Warning);
    return false;
}

} // namespace orvek
