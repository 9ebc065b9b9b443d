#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The holders of a local role, and in its second list every local brother
// with the role ticked.
DialogTemplate dialog126() {
    using K = ControlKind;
    return {
        .id = 126,
        .caption = "",
        .controls =
            {
                {.id = 188, .kind = K::ListBox, .row = 0, .columnSpan = 2, .width = 40, .height = 14},
                {.id = 187,
                 .kind = K::ListBox,
                 .row = 0,
                 .columnSpan = 2,
                 .style = cs::multiSelect | cs::hidden,
                 .width = 40,
                 .height = 14},
                {.id = 1129, .kind = K::Label, .row = 1, .columnSpan = 2, .style = cs::hidden},
                {.id = 1021, .kind = K::Button, .text = "Muokkaa luettelo", .row = 2, .column = 0},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 3, .column = 0, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 3, .column = 1},
            },
    };
}

} // namespace orvek::dialogs
