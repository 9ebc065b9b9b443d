#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// A congregation's map: the picture area, the instructions for making a map
// file and the choice of the file.
DialogTemplate dialog183() {
    using K = ControlKind;
    return {
        .id = 183,
        .caption = "Kartta",
        .controls =
            {
                {.id = 1145, .kind = K::OwnerDraw, .row = 0, .columnSpan = 4, .width = 88, .height = 26},
                {.id = 4, .kind = K::Button, .text = "Kartan käyttö", .row = 1, .column = 0},
                {.id = 3, .kind = K::Button, .text = "Valitse kartta", .row = 1, .column = 1},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 1, .column = 2, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 1, .column = 3},
            },
    };
}

} // namespace orvek::dialogs
