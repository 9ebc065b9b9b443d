#pragma once

#include <string>
#include <vector>

namespace orvek {

// One entry of a menu: a command (command > 0), a pop-up with its own items
// (command 0 with items), or a separator (command 0, no text, no items).
struct MenuTemplate {
    int command = 0;
    std::string text{};
    std::vector<MenuTemplate> items{};
    bool separator() const { return command == 0 && items.empty(); }
};

// The menu bar of the main window.
const std::vector<MenuTemplate>& mainMenu();
// The 22 toolbar slots in order; 0 is a separator.
const std::vector<int>& toolbarCommands();

// Keyboard accelerators of the main window.
struct Accelerator {
    int command;
    const char* keys; // portable key sequence text, e.g. "Ctrl+P", "F1", "Shift+F1"
};
const std::vector<Accelerator>& accelerators();

} // namespace orvek
