#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The topics the talks are grouped under: the list, an edit for the topic
// being added or renamed, and the add button.
DialogTemplate dialog146() {
    using K = ControlKind;
    return {
        .id = 146,
        .caption = "Aiheet",
        .controls =
            {
                {.id = 167, .kind = K::ListBox, .row = 0, .columnSpan = 2, .width = 46, .height = 14},
                {.id = 166, .kind = K::Edit, .row = 1, .columnSpan = 2, .style = cs::hidden, .width = 46, .limit = 45},
                {.id = 1026, .kind = K::Button, .text = "Lisää aihe", .row = 2, .columnSpan = 2},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 3, .column = 0,
                 .style = cs::defaultButton | cs::hidden},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 3, .column = 1},
            },
    };
}

} // namespace orvek::dialogs
