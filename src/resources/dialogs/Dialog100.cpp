#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// About the program.
DialogTemplate dialog100() {
    using K = ControlKind;
    return {
        .id = 100,
        .caption = "About Orvek",
        .controls =
            {
                {.id = -1, .kind = K::Icon, .row = 0, .column = 0, .rowSpan = 2},
                {.id = -1, .kind = K::Label, .text = "Orvek - Yleisöesitelmien järjestelysovellus", .row = 0, .column = 1},
                {.id = 270, .kind = K::Label, .text = "Versio", .row = 1, .column = 1},
                {.id = 269, .kind = K::GroupBox, .text = " Asennushakemisto ", .row = 2, .column = 0, .columnSpan = 2},
                {.id = 271, .kind = K::Label, .parent = 269, .style = cs::wrap, .width = 50},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 3, .column = 1, .style = cs::defaultButton},
            },
    };
}

} // namespace orvek::dialogs
