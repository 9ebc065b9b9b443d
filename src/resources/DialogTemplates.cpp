#include <algorithm>

#include "resources/DialogTemplate.h"
#include "resources/dialogs/Templates.h"

namespace orvek {

namespace {
const std::vector<DialogTemplate>& templates() {
    static const std::vector<DialogTemplate> all = [] {
        std::vector<DialogTemplate> t;
#define ORVEK_ADD_TEMPLATE(n) t.push_back(dialogs::dialog##n());
        ORVEK_DIALOG_TEMPLATES(ORVEK_ADD_TEMPLATE)
#undef ORVEK_ADD_TEMPLATE
        return t;
    }();
    return all;
}
} // namespace

const DialogTemplate* findDialogTemplate(int id) {
    const auto& all = templates();
    auto it = std::find_if(all.begin(), all.end(), [id](const DialogTemplate& t) { return t.id == id; });
    return it == all.end() ? nullptr : &*it;
}

std::vector<const DialogTemplate*> allDialogTemplates() {
    std::vector<const DialogTemplate*> out;
    for (const auto& t : templates()) out.push_back(&t);
    return out;
}

} // namespace orvek
