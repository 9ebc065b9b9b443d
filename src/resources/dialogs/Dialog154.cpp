#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The weeks in which a brother is not available: the coming 52 weeks to
// select, their count, and the until-further-notice mark.
DialogTemplate dialog154() {
    using K = ControlKind;
    return {
        .id = 154,
        .caption = "Ei käytettävissä",
        .controls =
            {
                {.id = 1065, .kind = K::Label, .text = "Valitse EI KÄYTETTÄVISSÄ viikot", .row = 0,
                 .columnSpan = 3},
                {.id = 1066, .kind = K::ListBox, .row = 1, .columnSpan = 3, .style = cs::multiSelect | cs::fixedPitch,
                 .width = 24, .height = 14},
                {.id = -1, .kind = K::Label, .text = "Ei käytettävissä", .row = 2, .column = 0},
                {.id = 1067, .kind = K::Label, .text = "0", .row = 2, .column = 1, .style = cs::alignRight},
                {.id = -1, .kind = K::Label, .text = "viikkoon", .row = 2, .column = 2},
                {.id = 1172, .kind = K::CheckBox, .text = "Ei käytettävissä toistaiseksi", .row = 3, .columnSpan = 3},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 4, .column = 1, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 4, .column = 2},
            },
    };
}

} // namespace orvek::dialogs
