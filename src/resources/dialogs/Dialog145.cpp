#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// One talk: its number text and title, its topics (the talk's own, or all of
// them to choose from) and the weeks it was given here.
DialogTemplate dialog145() {
    using K = ControlKind;
    constexpr int previous = 1451;
    return {
        .id = 145,
        .caption = "",
        .controls =
            {
                {.id = -1, .kind = K::Label, .text = "Numero", .row = 0, .column = 0},
                {.id = 1027, .kind = K::Edit, .row = 0, .column = 1, .width = 6, .limit = 5},
                {.id = -1, .kind = K::Label, .text = "Otsikko", .row = 1, .column = 0},
                {.id = 244, .kind = K::Edit, .row = 1, .column = 1, .columnSpan = 3, .width = 64, .limit = 91},
                {.id = 1030, .kind = K::ListBox, .row = 2, .column = 0, .columnSpan = 2, .style = cs::noSelection,
                 .width = 40, .height = 10},
                {.id = previous, .kind = K::GroupBox, .text = " Edelliset ", .row = 2, .column = 2, .columnSpan = 2},
                {.id = 1060, .kind = K::ListBox, .parent = previous, .row = 0, .style = cs::fixedPitch, .width = 14,
                 .height = 9},
                {.id = 1028, .kind = K::ListBox, .row = 3, .column = 0, .columnSpan = 4,
                 .style = cs::hidden | cs::multiSelect, .width = 40, .height = 12},
                {.id = 1031, .kind = K::Button, .text = "Muokkaa aiheluetteloa", .row = 4, .column = 0,
                 .columnSpan = 2, .style = cs::hidden},
                {.id = 1029, .kind = K::Button, .row = 5, .column = 0, .columnSpan = 2},
                {.id = 1026, .kind = K::Button, .text = "Edel", .row = 5, .column = 2},
                {.id = 1025, .kind = K::Button, .text = "Seur", .row = 5, .column = 3},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 6, .column = 2, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 6, .column = 3},
            },
    };
}

} // namespace orvek::dialogs
