#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The own congregation: choosing it, its form, the local roles, the
// hospitality hosts and the export file.
DialogTemplate dialog147() {
    using K = ControlKind;
    constexpr int roles = 1471;
    return {
        .id = 147,
        .caption = "Oma seurakunta",
        .controls =
            {
                {.id = 5, .kind = K::Button, .text = "Valitse Seurakunta", .row = 0, .columnSpan = 2, .width = 34},
                {.id = 6, .kind = K::Button, .text = "Näytä / muokkaa seurakuntaa ", .row = 1, .columnSpan = 2},
                {.id = roles, .kind = K::GroupBox, .text = "", .row = 2, .columnSpan = 2},
                {.id = 1037, .kind = K::Button, .text = "Vierailevat puhujat", .parent = roles, .row = 0, .width = 32},
                {.id = 1035, .kind = K::Button, .text = "Puheenjohtajat", .parent = roles, .row = 1},
                {.id = 1036, .kind = K::Button, .text = "Lukijat", .parent = roles, .row = 2},
                {.id = 1038, .kind = K::Button, .text = "Mahdollisuus kestitykseen", .parent = roles, .row = 3},
                {.id = 7,
                 .kind = K::Button,
                 .text = "Tee vientitiedosto",
                 .row = 3,
                 .columnSpan = 2,
                 .style = cs::disabled},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 4, .column = 0, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 4, .column = 1},
            },
    };
}

} // namespace orvek::dialogs
