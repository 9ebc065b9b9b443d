#include "platform/Control.h"

#include <algorithm>
#include <stdexcept>

#include "store/Text.h"

namespace orvek {

Control::Control(const ControlTemplate& t)
    : template_(t), id_(t.id), kind_(t.kind), style_(t.style), text_(t.text), visible_(!(t.style & cs::hidden)),
      enabled_(!(t.style & cs::disabled)), limit_(t.limit), tabStops_(t.tabStops), columnTitles_(t.columnTitles) {}

void Control::setText(std::string text) {
    if (limit_ > 0 && kind_ == ControlKind::Edit && static_cast<int>(charCount(text)) > limit_)
        text = leftChars(text, static_cast<std::size_t>(limit_));
    if (text == text_) return;
    text_ = std::move(text);
    int n = static_cast<int>(charCount(text_));
    selStart_ = selEnd_ = n;
    changed();
}

void Control::show(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed();
}

void Control::enable(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed();
}

void Control::setChecked(int state) {
    if (checked_ == state) return;
    checked_ = state;
    changed();
}

void Control::setLimit(int chars) {
    limit_ = chars;
    if (limit_ > 0 && static_cast<int>(charCount(text_)) > limit_) text_ = leftChars(text_, static_cast<std::size_t>(limit_));
    changed();
}

void Control::setSelection(int start, int end) {
    int n = static_cast<int>(charCount(text_));
    selStart_ = std::clamp(start, 0, n);
    selEnd_ = std::clamp(end, 0, n);
    changed();
}

void Control::clear() {
    items_.clear();
    current_ = -1;
    top_ = 0;
    changed();
}

int Control::addItem(std::string text, std::intptr_t data) {
    items_.push_back({std::move(text), data, false});
    changed();
    return count() - 1;
}

void Control::insertItem(int row, std::string text, std::intptr_t data) {
    row = std::clamp(row, 0, count());
    items_.insert(items_.begin() + row, {std::move(text), data, false});
    if (current_ >= row) ++current_;
    changed();
}

void Control::removeItem(int row) {
    if (!validRow(row)) return;
    items_.erase(items_.begin() + row);
    if (current_ == row) current_ = -1;
    else if (current_ > row) --current_;
    top_ = std::clamp(top_, 0, std::max(0, count() - 1));
    changed();
}

const std::string& Control::itemText(int row) const {
    static const std::string empty;
    return validRow(row) ? items_[static_cast<std::size_t>(row)].text : empty;
}

void Control::setItemText(int row, std::string text) {
    if (!validRow(row)) return;
    items_[static_cast<std::size_t>(row)].text = std::move(text);
    changed();
}

std::intptr_t Control::itemData(int row) const { return validRow(row) ? items_[static_cast<std::size_t>(row)].data : -1; }

std::vector<std::string> Control::texts() const {
    std::vector<std::string> out;
    out.reserve(items_.size());
    for (const auto& i : items_) out.push_back(i.text);
    return out;
}

void Control::setSelectedRow(int row) {
    if (!validRow(row)) row = -1;
    if (!multiSelect())
        for (auto& i : items_) i.selected = false;
    if (row >= 0) items_[static_cast<std::size_t>(row)].selected = true;
    current_ = row;
    changed();
}

bool Control::isSelected(int row) const { return validRow(row) && items_[static_cast<std::size_t>(row)].selected; }

void Control::setSelected(int row, bool on) {
    if (!validRow(row)) return;
    if (!multiSelect()) {
        setSelectedRow(on ? row : (current_ == row ? -1 : current_));
        return;
    }
    items_[static_cast<std::size_t>(row)].selected = on;
    current_ = row;
    changed();
}

std::vector<int> Control::selectedRows() const {
    std::vector<int> out;
    for (int i = 0; i < count(); ++i)
        if (items_[static_cast<std::size_t>(i)].selected) out.push_back(i);
    return out;
}

int Control::selectedCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; }));
}

void Control::clearSelection() {
    for (auto& i : items_) i.selected = false;
    current_ = -1;
    changed();
}

void Control::setTopRow(int row) {
    top_ = std::clamp(row, 0, std::max(0, count() - 1));
    changed();
}

int Control::findPrefix(std::string_view prefix, int from) const {
    for (int i = std::max(0, from); i < count(); ++i)
        if (startsWithIgnoreCase(items_[static_cast<std::size_t>(i)].text, prefix)) return i;
    return -1;
}

void Control::setTabStops(std::vector<int> stops) {
    tabStops_ = std::move(stops);
    changed();
}

void Control::setColumnTitles(std::vector<std::string> titles) {
    columnTitles_ = std::move(titles);
    changed();
}

} // namespace orvek
