#include "QtTestTemplates.h"

namespace orvek::test {

const DialogTemplate& everyKindTemplate() {
    using K = ControlKind;
    static const DialogTemplate t{
        .id = 90001,
        .caption = "Kaikki säätimet",
        .controls =
            {
                {.id = -1, .kind = K::Label, .text = "&Nimi:", .row = 0, .column = 0},
                {.id = 10, .kind = K::Edit, .row = 0, .column = 1, .width = 20, .limit = 30},
                {.id = 11, .kind = K::Edit, .row = 1, .column = 1, .style = cs::readOnly | cs::fixedPitch},
                {.id = 12, .kind = K::Edit, .row = 2, .column = 1, .style = cs::multiLine, .height = 3},
                {.id = 13, .kind = K::Label, .text = "Pitkä teksti, joka rivittyy", .row = 3, .style = cs::wrap,
                 .width = 10, .height = 2},
                {.id = 14, .kind = K::Label, .text = "12", .row = 3, .column = 1, .style = cs::alignRight | cs::sunken},
                {.id = 20, .kind = K::GroupBox, .text = " Ryhmä ", .row = 4, .columnSpan = 2},
                {.id = 21, .kind = K::CheckBox, .text = "&Käytössä", .parent = 20, .row = 0},
                {.id = 22, .kind = K::RadioButton, .text = "Yksi", .parent = 20, .row = 1, .radioGroup = 1},
                {.id = 23, .kind = K::RadioButton, .text = "Kaksi", .parent = 20, .row = 1, .column = 1, .radioGroup = 1},
                {.id = 24, .kind = K::SpinButton, .parent = 20, .row = 0, .column = 1},
                {.id = 30, .kind = K::ListBox, .row = 5, .height = 4},
                {.id = 31, .kind = K::ListBox, .row = 5, .column = 1, .style = cs::multiSelect, .height = 4},
                {.id = 32, .kind = K::ListBox, .row = 6, .height = 4, .tabStops = {40, 80},
                 .columnTitles = {"Viikko", "Puhuja", "Esitelmä"}},
                {.id = 33, .kind = K::ListBox, .row = 6, .column = 1, .style = cs::multiColumn, .height = 4,
                 .columnWidth = 30},
                {.id = 34, .kind = K::ListBox, .row = 7, .style = cs::noSelection | cs::fixedPitch, .height = 2},
                {.id = 40, .kind = K::ComboBox, .row = 7, .column = 1, .style = cs::dropDownList, .height = 8},
                {.id = 41, .kind = K::ComboBox, .row = 8, .column = 1, .limit = 10},
                {.id = 50, .kind = K::OwnerDraw, .row = 9, .columnSpan = 2, .width = 30, .height = 4},
                {.id = 51, .kind = K::Icon, .row = 8},
                {.id = 60, .kind = K::Button, .text = "Piilotettu", .row = 10, .style = cs::hidden},
                {.id = 61, .kind = K::Button, .text = "Pois käytöstä", .row = 10, .column = 1, .style = cs::disabled},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 11, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 11, .column = 1},
            },
    };
    return t;
}

const DialogTemplate& drivenTemplate() {
    using K = ControlKind;
    static const DialogTemplate t{
        .id = 90002,
        .caption = "Ohjattu",
        .controls =
            {
                {.id = 10, .kind = K::Edit, .row = 0, .limit = 12},
                {.id = 11, .kind = K::Edit, .row = 1},
                {.id = 20, .kind = K::CheckBox, .text = "Valinta", .row = 2},
                {.id = 21, .kind = K::RadioButton, .text = "A", .row = 3, .radioGroup = 1},
                {.id = 22, .kind = K::RadioButton, .text = "B", .row = 3, .column = 1, .radioGroup = 1},
                {.id = 30, .kind = K::ListBox, .row = 4, .height = 6},
                {.id = 31, .kind = K::ListBox, .row = 4, .column = 1, .style = cs::multiSelect, .height = 6},
                {.id = 40, .kind = K::Button, .text = "Lopeta", .row = 5},
                {.id = 41, .kind = K::SpinButton, .row = 5, .column = 1},
                {.id = 1, .kind = K::Button, .text = "OK", .row = 6, .style = cs::defaultButton},
                {.id = 2, .kind = K::Button, .text = "Peruuta", .row = 6, .column = 1},
            },
    };
    return t;
}

} // namespace orvek::test
