#include "refdata/StorableText.h"

#include <string>

#include "platform/Host.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Text.h"

namespace orvek {

bool acceptStorableText(Host& host, std::string_view text) {
    std::string bad = firstUnrepresentable(text);
    if (bad.empty() && isCp1252Representable(text)) return true;
    host.showMessage(substitute(stringText(sid::unstorableInText), bad.empty() ? std::string("?") : bad),
                     Icon::Warning);
    return false;
}

} // namespace orvek
