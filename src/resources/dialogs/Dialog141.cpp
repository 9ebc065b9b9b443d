#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The talk list: one row per talk (number and title), or the talk-set view
// of a brother with every talk number to tick.
DialogTemplate dialog141() {
    using K = ControlKind;
    return {
        .id = 141,
        .caption = "Esitelmät",
        .controls =
            {
                {.id = 165, .kind = K::ListBox, .row = 0, .columnSpan = 3, .width = 64, .height = 18, .tabStops = {25}},
                {.id = 150, .kind = K::GroupBox, .row = 0, .columnSpan = 3, .style = cs::hidden}, // in the place of 165
                {.id = 1019, .kind = K::ListBox, .parent = 150, .row = 0,
                 .style = cs::hidden | cs::multiSelect | cs::multiColumn, .width = 64, .height = 16, .columnWidth = 30},
                {.id = 244, .kind = K::Label, .parent = 150, .row = 1, .style = cs::hidden | cs::sunken, .width = 64},
                {.id = 1022, .kind = K::Label, .row = 2, .column = 0, .style = cs::hidden},
                {.id = 1023, .kind = K::Label, .row = 2, .column = 1, .style = cs::hidden},
                {.id = 1021, .kind = K::Button, .row = 3, .column = 0},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 3, .column = 1, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 3, .column = 2},
            },
    };
}

} // namespace orvek::dialogs
