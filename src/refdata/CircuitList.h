#pragma once

#include <string>

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The list of circuits, or in hospitality mode of hospitality hosts (dialog
// 144): an editor and a picker.
class CCircuitList : public Dialog {
public:
    // preselection: 0 = edit mode; row + 1 = picker with that row selected;
    // -1 = picker with no row selected.
    CCircuitList(COvDoc& doc, bool hospitalityMode, int preselection);
    // After IDOK in picker mode: the chosen entry's circuitNumber or hospitalityNumber.
    int chosenKey() const { return chosenKey_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onSelectionChange(int id) override;
    void onDoubleClick(int id) override;
    bool onKey(int id, const KeyEvent& e) override;

private:
    COvDoc& doc_;
    bool hospitalityMode_;
    int preselection_;
    int chosenKey_ = 0;
    // The entry being typed: -1 none, -2 a new entry, else the row being renamed.
    int editing_ = -1;
    bool pickerMode() const { return preselection_ != 0; }
    std::size_t rowCount() const;
    std::string storedName(std::size_t row) const;
    int keyOf(std::size_t row) const;
    void startTyping(int entry, const std::string& name);
    // OK while an entry is typed: add, rename or delete it, then sort and save.
    void commitTyping();
    void pick();
    void fill();
    void endTyping();
};

} // namespace orvek
