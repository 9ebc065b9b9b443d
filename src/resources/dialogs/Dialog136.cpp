#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The brothers list; also the program-wide brother picker.
DialogTemplate dialog136() {
    using K = ControlKind;
    return {
        .id = 136,
        .caption = "Veljet",
        .controls =
            {
                {.id = 223, .kind = K::ListBox, .row = 0, .columnSpan = 3, .width = 50, .height = 18,
                 .tabStops = {100}},
                {.id = 1105, .kind = K::Label, .row = 1, .columnSpan = 3, .style = cs::hidden},
                {.id = 1106, .kind = K::Label, .row = 2, .columnSpan = 3},
                {.id = 1, .kind = K::Button, .text = "&Muokkaa...", .row = 3, .column = 0, .style = cs::defaultButton},
                {.id = 224, .kind = K::Button, .text = "&Lisää veli", .row = 3, .column = 1},
                {.id = 2, .kind = K::Button, .text = "&Sulje", .row = 3, .column = 2},
            },
    };
}

} // namespace orvek::dialogs
