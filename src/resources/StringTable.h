#pragma once

#include <span>
#include <string_view>

namespace orvek {

// The program's string table: every user-visible text, file name and settings
// section or key, addressed by its resource number. Texts are UTF-8.
struct StringEntry {
    int id;
    std::string_view text;
};

// The text of entry `id`; an unknown entry gives the empty text.
std::string_view stringText(int id);

// Every entry in ascending id order (for checks and tools).
std::span<const StringEntry> allStrings();

} // namespace orvek
