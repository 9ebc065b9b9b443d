#pragma once

#include "platform/Dialog.h"
#include "store/Records.h"

namespace orvek {

class COvDoc;
class CCongList;

enum class CongEditMode {
    edit,   // on a row of the congregation list, with stepping and deletion
    add,    // a new congregation
    single, // one congregation by number (the own congregation): no stepping, no deletion, fixed name
};

// The congregation form (dialog 131).
class CCongEdit : public Dialog {
public:
    // key: the table row in edit mode, the congregationNumber in single mode,
    // unused in add mode. The list is the one the form was opened from (edit
    // and add mode); the form moves its selection and refills it.
    CCongEdit(COvDoc& doc, CongEditMode mode, int key, CCongList* list = nullptr);

    // Whether anything was stored (or the brothers list was opened).
    bool changed() const { return changed_; }
    CongEditMode mode() const { return mode_; }
    // The congregation being edited, as last loaded or stored.
    const CongregationRecord& record() const { return record_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onOK() override;
    void onEditChange(int id) override;

private:
    void load(int row);
    void showButtons();
    void refreshTexts();
    void showWeekday(int button);
    void readControls();
    bool validate(bool explainEmptyName);
    bool save();
    void step(int delta);
    void useNow();
    void remove();
    void openBrothers();
    void chooseRoleHolder(int button);
    void chooseCircuit();
    void chooseMap();
    std::uint16_t& roleField(int button);

    COvDoc& doc_;
    CongEditMode mode_;
    CCongList* list_;
    int key_;
    int row_ = -1; // table row (edit and single mode)
    int slot_ = 0; // record position in cong.dat
    CongregationRecord record_;
    int dayOdd_ = 6; // weekday index: 0 = Monday .. 6 = Sunday
    int dayEven_ = 6;
    bool changed_ = false;
};

} // namespace orvek
