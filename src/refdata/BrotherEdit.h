#pragma once

#include "platform/Dialog.h"
#include "store/Records.h"

namespace orvek {

class COvDoc;
class CBrotherList;

// The brother form (dialog 139 "Muokkaa veljen tietoja").
class CBrotherEdit : public Dialog {
public:
    // tableRow: the brother to edit, or -1 for a new one. A congregation
    // preset (from a filtered list or a picker) becomes his congregation and
    // hides the congregation button. The list is the one the form was opened
    // from; the form steps and refills it.
    CBrotherEdit(COvDoc& doc, int tableRow, int congregationPreset, CBrotherList* list = nullptr);

    bool addMode() const { return add_; }
    // Whether a brother was added (or replaced) from the add form.
    bool created() const { return created_; }
    // Whether anything was stored or deleted.
    bool changed() const { return changed_; }
    // The brother being edited, with the form's congregation, talks and
    // not-available mark.
    const BrotherRecord& record() const { return record_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onOK() override;
    void onEditChange(int id) override;
    void onFocus(int id, bool gained) override;
    bool onKey(int id, const KeyEvent& e) override;

private:
    void load(int row);
    void showRecord();
    void refreshButtons();
    bool validate();
    bool save();
    void step(int delta);
    void remove();
    void chooseCongregation();
    void chooseTalks();
    void chooseUnavailability();
    void limitNameLength();
    void capitalise(int id);

    COvDoc& doc_;
    CBrotherList* list_;
    int row_;
    int preset_;
    bool add_;
    int slot_ = 0;
    BrotherRecord loaded_; // as read, to see what a save changes
    BrotherRecord record_; // the working copy (congregation, talks and mark are edited here)
    BrotherExtensionRecord extension_;
    bool created_ = false;
    bool changed_ = false;
};

} // namespace orvek
