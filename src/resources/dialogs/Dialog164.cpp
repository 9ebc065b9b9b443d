#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The congregations that can provide a talk for a week, by circuit.
DialogTemplate dialog164() {
    using K = ControlKind;
    return {
        .id = 164,
        .caption = "",
        .controls =
            {
                {.id = -1, .kind = K::Label, .text = "Kierros", .row = 0, .column = 0},
                {.id = 1038, .kind = K::ComboBox, .row = 0, .column = 1, .columnSpan = 2, .style = cs::dropDownList,
                 .width = 30},
                {.id = 1097, .kind = K::ListBox, .row = 1, .columnSpan = 3, .width = 70, .height = 14,
                 .tabStops = {170, 310}},
                {.id = 1098, .kind = K::Button, .text = "Poimi puhuja  ", .row = 2, .column = 0, .style = cs::hidden,
                 .width = 30},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 2, .column = 1, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 2, .column = 2},
            },
    };
}

} // namespace orvek::dialogs
