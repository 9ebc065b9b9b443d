#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The circuits, or the hospitality hosts: a list of names, an edit for the
// entry being added or renamed, and the add button.
DialogTemplate dialog144() {
    using K = ControlKind;
    return {
        .id = 144,
        .caption = "Kierrokset",
        .controls =
            {
                {.id = 1024, .kind = K::ListBox, .row = 0, .columnSpan = 2, .width = 32, .height = 12},
                {.id = 244, .kind = K::Edit, .row = 1, .columnSpan = 2, .style = cs::hidden, .width = 32, .limit = 28},
                {.id = 1026, .kind = K::Button, .text = "Lisää kierros", .row = 2, .columnSpan = 2},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 3, .column = 0, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Sulje", .row = 3, .column = 1},
            },
    };
}

} // namespace orvek::dialogs
