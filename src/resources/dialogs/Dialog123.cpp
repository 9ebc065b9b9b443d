#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The settings: scheduling options, date display and printing options.
DialogTemplate dialog123() {
    using K = ControlKind;
    return {
        .id = 123,
        .caption = "Asetukset",
        .controls =
            {
                {.id = 249, .kind = K::CheckBox, .text = "Vaihda päiväyksen muotoa ( dd mmm yy )", .row = 0, .columnSpan = 2},
                {.id = 260, .kind = K::CheckBox, .text = "Ajoita vieraanvaraisuus", .row = 1, .columnSpan = 2},
                {.id = 259, .kind = K::CheckBox, .text = "Ajoita Vartiotornin lukijat", .row = 2, .columnSpan = 2},
                {.id = 1174, .kind = K::GroupBox, .text = " Meeting time change ", .row = 3, .columnSpan = 2},
                {.id = 1175, .kind = K::RadioButton, .text = "Calendar Year (Jan-Dec)", .parent = 1174, .row = 0},
                {.id = 1176, .kind = K::RadioButton, .text = "Service Year (Sep-Aug)", .parent = 1174, .row = 1},
                {.id = 1177, .kind = K::GroupBox, .text = " Tulosteen asetukset ", .row = 4, .columnSpan = 2},
                {.id = 254, .kind = K::CheckBox, .text = "Sisällytä Vartiotornin lukijat", .parent = 1177, .row = 0, .columnSpan = 2},
                {.id = 257, .kind = K::CheckBox, .text = "Ei esitelmän numeroa", .parent = 1177, .row = 1, .columnSpan = 2},
                {.id = 263, .kind = K::CheckBox, .text = "Ei vierailevia puhujia", .parent = 1177, .row = 2, .columnSpan = 2},
                {.id = -1, .kind = K::Label, .text = "Otsikkoteksi tulosteisiin", .parent = 1177, .row = 3},
                {.id = 272, .kind = K::Edit, .parent = 1177, .row = 3, .column = 1, .width = 30, .limit = 60},
                {.id = 1039, .kind = K::Button, .parent = 1177, .row = 4, .columnSpan = 2},
                {.id = 1040, .kind = K::Button, .text = "Väri", .parent = 1177, .row = 5, .column = 1, .style = cs::hidden},
                {.id = -1, .kind = K::Label, .text = "Ylämarginaali ( 1/100 tuumaa )", .parent = 1177, .row = 6},
                {.id = 255, .kind = K::ListBox, .parent = 1177, .row = 6, .column = 1, .width = 4, .height = 1},
                {.id = -1, .kind = K::Label, .text = "Vasen marginaali ( 1/100 tuumaa )", .parent = 1177, .row = 7},
                {.id = 258, .kind = K::ListBox, .parent = 1177, .row = 7, .column = 1, .width = 4, .height = 1},
                {.id = 261, .kind = K::CheckBox, .text = "Tulosta päivämäärät", .parent = 1177, .row = 8, .columnSpan = 2},
                {.id = 262, .kind = K::CheckBox, .text = "Automaattiset isot kirjaimet", .row = 5, .columnSpan = 2,
                 .style = cs::hidden},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 6, .column = 0, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 6, .column = 1},
            },
    };
}

} // namespace orvek::dialogs
