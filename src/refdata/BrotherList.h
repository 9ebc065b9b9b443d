#pragma once

#include "platform/Dialog.h"
#include "refdata/TypeAheadList.h"

namespace orvek {

class COvDoc;

// What the opener of the brothers list asks for.
struct BrotherListOptions {
    // Only brothers of this congregation are listed (0 = all).
    int congregationFilter = 0;
    // OK returns the selected row instead of opening the form.
    bool selectMode = false;
    // With selectMode: brothers of this congregation are not listed, and a
    // new brother is created in it.
    int targetCongregation = 0;
    // Role picker: 1 coordinator, 2 talk coordinator, 3 secretary, 4 speaker,
    // 5 visiting (outgoing) speaker, 6 chairman, 7 reader; 0 = none.
    int role = 0;
    // Brothers not available in this week index are marked (0 = none).
    int weekIndex = 0;
    // The current holder, selected at start in role mode.
    int preselectedBrother = 0;
    // Hides "Lisää veli".
    bool hideAdd = false;
    // The list row to select at start (outside role mode).
    int rememberedRow = 0;
};

// The brothers list (dialog 136): the brother editor (command 32768) and the
// program-wide brother picker.
class CBrotherList : public Dialog {
public:
    CBrotherList(COvDoc& doc, BrotherListOptions options = {});

    // After IDOK in selectMode or role mode: the chosen brother's table row
    // (-1 when none was selected) and his brotherNumber (0 when none).
    int chosenRow() const { return chosenRow_; }
    int chosenBrother() const;
    // The list row selected when the dialog closed.
    int lastListRow() const { return remembered_; }
    const BrotherListOptions& options() const { return options_; }

    // ---- Used by the brother form while it is open on this list ----
    int rowCount() const;
    int selectedRow() const;
    void selectRow(int listRow);
    void refill();
    // The brothers-table row of a list row (-1 when none) and the list row
    // of a table row (-1 when he is not listed).
    int tableRowAt(int listRow) const;
    int listRowOf(int tableRow) const;

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onDoubleClick(int id) override;
    bool onKey(int id, const KeyEvent& e) override;
    void onFocus(int id, bool gained) override;

private:
    void fill();
    void confirm();
    void openForm(int tableRow);
    void addBrother();
    std::string roleName() const;

    COvDoc& doc_;
    BrotherListOptions options_;
    int remembered_;
    int chosenRow_ = -1;
    TypeAheadList typeAhead_;
};

} // namespace orvek
