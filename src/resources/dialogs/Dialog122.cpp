#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The congregation list; also the program-wide congregation picker.
DialogTemplate dialog122() {
    using K = ControlKind;
    return {
        .id = 122,
        .caption = "Valitse seurakunta ",
        .controls =
            {
                {.id = 248, .kind = K::ListBox, .row = 0, .columnSpan = 3, .width = 40, .height = 16},
                {.id = 1, .kind = K::Button, .text = "Muokkaa...", .row = 1, .column = 0, .style = cs::defaultButton},
                {.id = 3, .kind = K::Button, .text = "Lisää seurakunta", .row = 1, .column = 1},
                {.id = 2, .kind = K::Button, .text = "Sulje", .row = 1, .column = 2},
            },
    };
}

} // namespace orvek::dialogs
