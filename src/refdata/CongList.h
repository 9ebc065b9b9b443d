#pragma once

#include "platform/Dialog.h"
#include "refdata/TypeAheadList.h"

namespace orvek {

class COvDoc;

// The congregation list (dialog 122): the editor of the congregations
// (command 32844) and the program-wide congregation picker (selectMode).
class CCongList : public Dialog {
public:
    // rememberedRow: the table row to preselect (the last row is never
    // preselected; see fill()).
    CCongList(COvDoc& doc, bool selectMode, int rememberedRow = 0);

    // After IDOK in selectMode: the chosen congregation's table row.
    int chosenRow() const { return remembered_; }
    // The chosen congregation's number after IDOK in selectMode, else 0.
    int chosenNumber() const;

    // ---- Used by the congregation form while it is open on this list ----
    int rowCount() const;
    // The selected row of list 248 (= the table row), -1 when none.
    int selectedRow() const;
    void selectRow(int row);
    // Fills the list again from the table, keeping the selected row.
    void refill();

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onDoubleClick(int id) override;
    bool onKey(int id, const KeyEvent& e) override;
    void onFocus(int id, bool gained) override;

private:
    void fill();
    void confirm();
    void openForm(bool add);

    COvDoc& doc_;
    bool selectMode_;
    int remembered_;
    TypeAheadList typeAhead_;
};

} // namespace orvek
