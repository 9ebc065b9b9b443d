#include "resources/dialogs/Templates.h"

namespace orvek::dialogs {

// The main-menu panel of the main window.
DialogTemplate dialog143() {
    using K = ControlKind;
    constexpr int views = 1431, scheduling = 1432, editing = 1433;
    return {
        .id = 143,
        .caption = "",
        .controls =
            {
                {.id = views, .kind = K::GroupBox, .text = " Tarkastelu ja raportit", .row = 0, .column = 0},
                {.id = 122, .kind = K::Button, .text = "Nykyinen aikataulu", .parent = views, .row = 0, .width = 22},
                {.id = 130, .kind = K::Button, .text = "Puhuja - esitelmät", .parent = views, .row = 1},
                {.id = 131, .kind = K::Button, .text = "Esitelmä - Puhujat", .parent = views, .row = 2},
                {.id = 128, .kind = K::Button, .text = "Puhujien muistutukset", .parent = views, .row = 3},
                {.id = 119, .kind = K::Button, .text = "Sopimukset", .parent = views, .row = 4},
                {.id = 132, .kind = K::Button, .text = "Esitelmät vuosittain", .parent = views, .row = 5},
                {.id = 129, .kind = K::Button, .text = "Historia", .parent = views, .row = 6},
                {.id = scheduling, .kind = K::GroupBox, .text = " Ajoitus ", .row = 0, .column = 1},
                {.id = 117, .kind = K::Button, .text = "Yhteenveto", .parent = scheduling, .row = 0, .width = 22},
                {.id = 115, .kind = K::Button, .text = "Paikalliset esitelmät", .parent = scheduling, .row = 1},
                {.id = 124, .kind = K::Button, .text = "Puhujat vierailemassa", .parent = scheduling, .row = 2},
                {.id = 125, .kind = K::Button, .text = "Puheenjohtajat", .parent = scheduling, .row = 3},
                {.id = 126, .kind = K::Button, .text = "Vieraanvaraisuus", .parent = scheduling, .row = 4},
                {.id = 127, .kind = K::Button, .text = "Lukijat", .parent = scheduling, .row = 5},
                {.id = editing, .kind = K::GroupBox, .text = " Asetukset ja muokkaus ", .row = 0, .column = 2},
                {.id = 109, .kind = K::Button, .text = "Seurakunnat", .parent = editing, .row = 0, .width = 22},
                {.id = 114, .kind = K::Button, .text = "Veljet", .parent = editing, .row = 1},
                {.id = 121, .kind = K::Button, .text = "Oma seurakunta", .parent = editing, .row = 2},
                {.id = 123, .kind = K::Button, .text = "Paikalliset tarpeet", .parent = editing, .row = 3},
                {.id = 118, .kind = K::Button, .text = "Kierrokset", .parent = editing, .row = 4},
                {.id = 120, .kind = K::Button, .text = "Esitelmät", .parent = editing, .row = 5},
                {.id = 116, .kind = K::Button, .text = "Muokkaa edellisiä", .parent = editing, .row = 6},
                {.id = 110, .kind = K::Button, .text = "Poistu ohjelmasta", .row = 1, .column = 2},
            },
    };
}

} // namespace orvek::dialogs
