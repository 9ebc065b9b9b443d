#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The congregation form: name, Kingdom Hall, telephones, meeting times and
// weekdays, circuit, the three role brothers and the map.
DialogTemplate dialog131() {
    using K = ControlKind;
    constexpr int hall = 1311, phones = 1312, meeting = 1313;
    return {
        .id = 131,
        .caption = "",
        .controls =
            {
                {.id = -1, .kind = K::Label, .text = "Seurakunta", .row = 0, .column = 0},
                {.id = 1018, .kind = K::Edit, .row = 0, .column = 1, .columnSpan = 3, .width = 40, .limit = 49},
                {.id = hall, .kind = K::GroupBox, .text = " Valtakunnansalin osoite", .row = 1, .columnSpan = 4},
                {.id = 1016, .kind = K::Edit, .parent = hall, .row = 0, .width = 40, .limit = 40},
                {.id = 1017, .kind = K::Edit, .parent = hall, .row = 1, .width = 40, .limit = 40},
                {.id = phones, .kind = K::GroupBox, .text = " Puhelin ", .row = 2, .columnSpan = 4},
                {.id = 103, .kind = K::Edit, .parent = phones, .row = 0, .column = 0, .width = 16, .limit = 15},
                {.id = 104, .kind = K::Edit, .parent = phones, .row = 0, .column = 1, .width = 16, .limit = 15},
                {.id = meeting, .kind = K::GroupBox, .text = " Yleisökokous ", .row = 3, .columnSpan = 4},
                {.id = -1, .kind = K::Label, .text = "Parittomat vuodet", .parent = meeting, .row = 0, .column = 0},
                {.id = 8, .kind = K::Button, .text = "Sunnuntai", .parent = meeting, .row = 0, .column = 1,
                 .width = 14},
                {.id = 187, .kind = K::Edit, .parent = meeting, .row = 0, .column = 2, .width = 10, .limit = 9},
                {.id = -1, .kind = K::Label, .text = "Parilliset vuodet", .parent = meeting, .row = 1, .column = 0},
                {.id = 9, .kind = K::Button, .text = "Sunnuntai", .parent = meeting, .row = 1, .column = 1,
                 .width = 14},
                {.id = 188, .kind = K::Edit, .parent = meeting, .row = 1, .column = 2, .width = 10, .limit = 9},
                {.id = 3, .kind = K::Button, .text = "Veljet", .row = 4, .column = 0},
                {.id = 4, .kind = K::Button, .text = "Kierros", .row = 4, .column = 1, .columnSpan = 2},
                {.id = 6, .kind = K::Button, .text = "Kartta", .row = 4, .column = 3},
                {.id = 129, .kind = K::Button, .text = "Vanhimmiston koordinaattori -", .row = 5, .columnSpan = 4},
                {.id = 130, .kind = K::Button, .text = "Yhdysmies-", .row = 6, .columnSpan = 4},
                {.id = 131, .kind = K::Button, .text = "Sihteeri - - ", .row = 7, .columnSpan = 4},
                {.id = 1026, .kind = K::Button, .text = "Edel.", .row = 8, .column = 0},
                {.id = 1025, .kind = K::Button, .text = "Seur.", .row = 8, .column = 1},
                {.id = 5, .kind = K::Button, .text = "Poista", .row = 8, .column = 2},
                {.id = 7, .kind = K::Button, .text = "Käytä", .row = 8, .column = 3, .style = cs::hidden},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 9, .column = 2, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 9, .column = 3},
            },
    };
}

} // namespace orvek::dialogs
