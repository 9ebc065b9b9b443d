#pragma once

#include <string>
#include <vector>

namespace orvek {

enum class ControlKind {
    Label,      // static text
    Edit,       // single-line (or multi-line) text field
    Button,     // push button
    CheckBox,
    RadioButton,
    GroupBox,   // a frame with a caption that holds other controls
    ListBox,
    ComboBox,
    SpinButton, // up-down arrows
    OwnerDraw,  // an area the dialog paints itself
    Icon,       // the program icon
};

// Style flags of a control template.
namespace cs {
constexpr unsigned hidden = 1u << 0;
constexpr unsigned disabled = 1u << 1;
constexpr unsigned multiSelect = 1u << 2;  // list: a click toggles a row
constexpr unsigned multiColumn = 1u << 3;  // list: rows flow into columns of columnWidth
constexpr unsigned readOnly = 1u << 4;     // edit
constexpr unsigned fixedPitch = 1u << 5;   // list or edit in a fixed-pitch font
constexpr unsigned defaultButton = 1u << 6;
constexpr unsigned multiLine = 1u << 7;    // edit
constexpr unsigned dropDownList = 1u << 8; // combo without typing
constexpr unsigned noSelection = 1u << 9;  // list shows rows but nothing can be selected
constexpr unsigned wrap = 1u << 10;        // label wraps its text
constexpr unsigned alignRight = 1u << 11;  // label text to the right
constexpr unsigned sunken = 1u << 12;      // label with a sunken frame
} // namespace cs

// One control of a dialog template. Controls are placed in a grid (row and
// column, with spans) of their parent: the dialog itself or a group box.
// Ids below 0 are static texts nobody addresses.
struct ControlTemplate {
    int id = -1;
    ControlKind kind = ControlKind::Label;
    std::string text{};
    int parent = 0;   // id of the group box holding it; 0 = the dialog
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    unsigned style = 0;
    int width = 0;    // preferred width in average characters (0 = natural)
    int height = 0;   // preferred height in text lines (lists, multi-line edits, owner-drawn)
    int limit = 0;    // edit: characters accepted (0 = no limit)
    std::vector<int> tabStops{};          // list: tab stops in dialog units
    std::vector<std::string> columnTitles{};// list with tab stops: titles of the columns
    int columnWidth = 0;                  // multi-column list: column width in dialog units
    int radioGroup = 0;                   // radio buttons with the same number exclude each other
};

struct DialogTemplate {
    int id = 0;
    std::string caption{};
    std::vector<ControlTemplate> controls{};
};

// The template of a dialog, or nullptr when there is none.
const DialogTemplate* findDialogTemplate(int id);
// Every template (for checks and tools).
std::vector<const DialogTemplate*> allDialogTemplates();

} // namespace orvek
