#include "refdata/TypeAheadList.h"

#include "store/Text.h"

namespace orvek {

bool TypeAheadList::key(Control& list, const KeyEvent& e) {
    if (e.key != Key::Character || e.control) return false;
    if (!isLetter(e.character)) return true;
    std::string letter;
    appendUtf8(letter, e.character);
    if (charCount(prefix_) < kMaxPrefix) prefix_ += letter;
    int row = list.findPrefix(prefix_);
    if (row < 0) {
        prefix_ = letter;
        row = list.findPrefix(prefix_);
    }
    if (row < 0) {
        prefix_.clear();
        return true;
    }
    list.setSelectedRow(row);
    list.setTopRow(row);
    return true;
}

} // namespace orvek
