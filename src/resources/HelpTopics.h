#pragma once

#include <string_view>

namespace orvek {

// The page of the user guide (a file in resources/help) that explains a
// command, a dialog or a control, by its context number. Unknown numbers
// give the contents page.
std::string_view helpTopicFile(int contextId);

// The contents and the index of the user guide.
constexpr std::string_view helpContentsFile = "index.html";
constexpr std::string_view helpIndexFile = "hakemisto.html";

} // namespace orvek
