#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The telephones and e-mail addresses of the talk coordinator of a
// congregation (upper group) and of a speaker (lower group), read-only, with
// the action button that dials a number or copies an address.
DialogTemplate dialog172() {
    using K = ControlKind;
    constexpr unsigned ro = cs::readOnly;
    return {
        .id = 172,
        .caption = "",
        .controls =
            {
                {.id = -1, .kind = K::Label, .text = "Siirry kenttään sarkaimella", .row = 0, .column = 0},
                {.id = -1, .kind = K::Label,
                 .text = " tai käytä hiirtä valitaksesi puhelinnumeron tai kopioidaksesi osoitteen.", .row = 0,
                 .column = 1, .columnSpan = 2},
                {.id = 1110, .kind = K::GroupBox, .text = " Yhdysmies ", .row = 1, .columnSpan = 3},
                {.id = -1, .kind = K::Label, .text = "Puhelin", .parent = 1110, .row = 0, .column = 0},
                {.id = 103, .kind = K::Edit, .parent = 1110, .row = 0, .column = 1, .style = ro, .width = 16},
                {.id = 117, .kind = K::Edit, .parent = 1110, .row = 0, .column = 2, .style = ro, .width = 16},
                {.id = 118, .kind = K::Edit, .parent = 1110, .row = 0, .column = 3, .style = ro, .width = 16},
                {.id = -1, .kind = K::Label, .text = "Sähköposti", .parent = 1110, .row = 1, .column = 0},
                {.id = 119, .kind = K::Edit, .parent = 1110, .row = 1, .column = 1, .columnSpan = 3, .style = ro,
                 .width = 48},
                {.id = 1111, .kind = K::GroupBox, .text = " Puhuja ", .row = 2, .columnSpan = 3},
                {.id = -1, .kind = K::Label, .text = "Puhelin", .parent = 1111, .row = 0, .column = 0},
                {.id = 106, .kind = K::Edit, .parent = 1111, .row = 0, .column = 1, .style = ro, .width = 16},
                {.id = 107, .kind = K::Edit, .parent = 1111, .row = 0, .column = 2, .style = ro, .width = 16},
                {.id = 108, .kind = K::Edit, .parent = 1111, .row = 0, .column = 3, .style = ro, .width = 16},
                {.id = -1, .kind = K::Label, .text = "Sähköposti", .parent = 1111, .row = 1, .column = 0},
                {.id = 120, .kind = K::Edit, .parent = 1111, .row = 1, .column = 1, .columnSpan = 3, .style = ro,
                 .width = 48},
                {.id = 286, .kind = K::Button, .row = 3, .column = 0, .columnSpan = 2, .style = cs::hidden},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 3, .column = 2},
            },
    };
}

} // namespace orvek::dialogs
