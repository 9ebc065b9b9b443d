#pragma once

#include <cstddef>
#include <string>

#include "platform/Control.h"
#include "platform/Dialog.h"

namespace orvek {

// Selecting rows of a list box by typing, as the congregation and brother
// lists do: each letter is appended to a prefix of at most 40 characters and
// the first row that begins with the prefix (letter case ignored) is
// selected and scrolled to the top. When no row matches, the prefix starts
// again with just the typed letter; when even that matches nothing, it is
// emptied. Other characters are swallowed. The owning dialog forwards the
// list's key and focus events.
class TypeAheadList {
public:
    static constexpr std::size_t kMaxPrefix = 40;

    // A key typed in the list; true when it was consumed (every plain
    // character is), false for navigation keys and shortcuts, which the list
    // handles itself.
    bool key(Control& list, const KeyEvent& e);
    // Gaining the focus starts a new prefix.
    void focus(bool gained) {
        if (gained) prefix_.clear();
    }
    const std::string& prefix() const { return prefix_; }

private:
    std::string prefix_;
};

} // namespace orvek
