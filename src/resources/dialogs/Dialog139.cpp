#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The brother form: names, address, telephones and the extension contacts,
// service status, congregation, talks and availability.
DialogTemplate dialog139() {
    using K = ControlKind;
    constexpr int address = 1391, status = 1392;
    return {
        .id = 139,
        .caption = "Muokkaa veljen tietoja",
        .controls =
            {
                {.id = -1, .kind = K::Label, .text = "Etunimi", .row = 0, .column = 0},
                {.id = 226, .kind = K::Edit, .row = 0, .column = 1, .width = 20, .limit = 18},
                {.id = -1, .kind = K::Label, .text = "Sukunimi", .row = 0, .column = 2},
                {.id = 225, .kind = K::Edit, .row = 0, .column = 3, .width = 20, .limit = 18},
                {.id = address, .kind = K::GroupBox, .text = " Osoite ", .row = 1, .columnSpan = 4},
                {.id = 101, .kind = K::Edit, .parent = address, .row = 0, .width = 40, .limit = 39},
                {.id = 102, .kind = K::Edit, .parent = address, .row = 1, .width = 40, .limit = 39},
                {.id = -1, .kind = K::Label, .text = "Puhelin", .row = 2, .column = 0},
                {.id = 103, .kind = K::Edit, .row = 2, .column = 1, .width = 16, .limit = 15},
                {.id = -1, .kind = K::Label, .text = "Puhelin 2", .row = 2, .column = 2},
                {.id = 117, .kind = K::Edit, .row = 2, .column = 3, .width = 16, .limit = 15},
                {.id = -1, .kind = K::Label, .text = "Puhelin 3", .row = 3, .column = 0},
                {.id = 118, .kind = K::Edit, .row = 3, .column = 1, .width = 16, .limit = 15},
                {.id = -1, .kind = K::Label, .text = "Sähköposti", .row = 4, .column = 0},
                {.id = 119, .kind = K::Edit, .row = 4, .column = 1, .columnSpan = 3, .width = 47, .limit = 47},
                {.id = -1, .kind = K::Label, .text = "Huomioita", .row = 5, .column = 0},
                {.id = 120, .kind = K::Edit, .row = 5, .column = 1, .columnSpan = 3, .width = 45, .limit = 45},
                {.id = status, .kind = K::GroupBox, .text = "", .row = 6, .columnSpan = 4},
                {.id = 109, .kind = K::CheckBox, .text = "Vanhin", .parent = status, .row = 0, .column = 0},
                {.id = 110, .kind = K::CheckBox, .text = "Avustava palvelija", .parent = status, .row = 0, .column = 1},
                {.id = 5, .kind = K::Button, .text = "Seurakunta -", .row = 7, .columnSpan = 4},
                {.id = 6, .kind = K::Button, .text = "Näytä / valitse esitelmät", .row = 8, .column = 0,
                 .columnSpan = 2},
                {.id = 7, .kind = K::Button, .text = "Käytettävissä kaikkina aikoina", .row = 8, .column = 2,
                 .columnSpan = 2},
                {.id = 3, .kind = K::Button, .text = "&Edellinen", .row = 9, .column = 0},
                {.id = 4, .kind = K::Button, .text = "&Seuraava", .row = 9, .column = 1},
                {.id = 269, .kind = K::Button, .text = "Po&ista", .row = 9, .column = 2},
                {.id = 234, .kind = K::Button, .text = "&OK", .row = 10, .column = 2},
                {.id = 2, .kind = K::Button, .text = "&Peruuta", .row = 10, .column = 3},
            },
    };
}

} // namespace orvek::dialogs
