#pragma once

#include <string_view>
#include <vector>

namespace orvek {

// The Finnish user guide: HTML files in src/resources/help, shown in the
// program's help window, and the topic that belongs to each help context.

// The contents page and the alphabetical index of the guide.
inline constexpr std::string_view kHelpContentsFile = "index.html";
inline constexpr std::string_view kHelpIndexFile = "hakemisto.html";

// Help context of a button of the main-menu panel (dialog 143): this base plus
// the button's control id. Needed because the panel's control ids 109..132
// overlap the dialog template numbers 122, 123, 126 and 131.
inline constexpr int kPanelButtonContextBase = 0x50000;
constexpr int panelButtonContext(int controlId) { return kPanelButtonContextBase + controlId; }

// The topic of a help context: a file name of the guide, optionally followed
// by "#anchor". A context is
//   - a command number of the menu, the toolbar or the panel (32768 and up),
//   - a dialog template number (100 .. 199), or
//   - panelButtonContext(id) for a button of the main-menu panel; a plain
//     number 109..132 that is not a dialog template number is read as a
//     panel button too.
// An unknown context gives kHelpContentsFile.
std::string_view helpTopicFile(int contextId);

// Every file of the guide, in alphabetical order.
std::vector<std::string_view> helpFiles();

} // namespace orvek
