#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/DialogTemplate.h"

namespace orvek {

// One control of a dialog model, addressed by its resource number. It holds
// what the user sees (text, state, list rows) without any toolkit; the Qt
// renderer shows it and reports the user's actions back through Dialog.
class Control {
public:
    struct Item {
        std::string text;
        std::intptr_t data = 0;
        bool selected = false;
    };

    explicit Control(const ControlTemplate& t);

    int id() const { return id_; }
    ControlKind kind() const { return kind_; }
    unsigned style() const { return style_; }
    const ControlTemplate& layout() const { return template_; }

    // Caption of a button, label or group box; content of an edit.
    const std::string& text() const { return text_; }
    void setText(std::string text);

    bool visible() const { return visible_; }
    void show(bool on = true);
    void hide() { show(false); }
    bool enabled() const { return enabled_; }
    void enable(bool on = true);

    // Check box and radio button state: 0, 1.
    int checked() const { return checked_; }
    void setChecked(int state);

    // Edit: characters accepted, and the caret/selection in characters.
    int limit() const { return limit_; }
    void setLimit(int chars);
    int selectionStart() const { return selStart_; }
    int selectionEnd() const { return selEnd_; }
    void setSelection(int start, int end);

    // Lists and combo boxes.
    bool multiSelect() const { return style_ & cs::multiSelect; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::vector<Item>& items() const { return items_; }
    void clear();
    int addItem(std::string text, std::intptr_t data = 0);
    void insertItem(int row, std::string text, std::intptr_t data = 0);
    void removeItem(int row);
    const std::string& itemText(int row) const;
    void setItemText(int row, std::string text);
    std::intptr_t itemData(int row) const;
    std::vector<std::string> texts() const;
    // The selected row (single selection) or the caret row (multiple); -1 = none.
    int selectedRow() const { return current_; }
    // Selects one row (single selection: the only one); -1 clears.
    void setSelectedRow(int row);
    bool isSelected(int row) const;
    void setSelected(int row, bool on);
    std::vector<int> selectedRows() const;
    int selectedCount() const;
    void clearSelection();
    int topRow() const { return top_; }
    void setTopRow(int row);
    // First row whose text begins with `prefix`, ignoring case; -1 when none.
    int findPrefix(std::string_view prefix, int from = 0) const;

    const std::vector<int>& tabStops() const { return tabStops_; }
    void setTabStops(std::vector<int> stops);
    const std::vector<std::string>& columnTitles() const { return columnTitles_; }
    void setColumnTitles(std::vector<std::string> titles);

    // Owner-drawn controls: the renderer repaints after invalidate().
    void invalidate() { ++revision_; }

    // Changes on every change of the control, so that a renderer updates
    // only what changed.
    std::uint64_t revision() const { return revision_; }

private:
    void changed() { ++revision_; }
    bool validRow(int row) const { return row >= 0 && row < count(); }

    ControlTemplate template_;
    int id_;
    ControlKind kind_;
    unsigned style_;
    std::string text_;
    bool visible_;
    bool enabled_;
    int checked_ = 0;
    int limit_;
    int selStart_ = 0;
    int selEnd_ = 0;
    std::vector<Item> items_;
    int current_ = -1;
    int top_ = 0;
    std::vector<int> tabStops_;
    std::vector<std::string> columnTitles_;
    std::uint64_t revision_ = 1;
};

// The row `delta` rows away from `row` in a list of `count` rows, wrapping
// around at both ends (the previous/next stepping of the forms).
inline int wrapRow(int row, int delta, int count) { return count <= 0 ? -1 : ((row + delta) % count + count) % count; }

} // namespace orvek
