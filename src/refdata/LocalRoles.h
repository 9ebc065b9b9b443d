#pragma once

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The holders of one local role of the own congregation (dialog 126): picks
// one of them, and in its second list ticks who holds the role.
class CLocalRoles : public Dialog {
public:
    // roleBit: 1 outgoing speaker, 2 chairman, 4 reader (bits of
    // LocalBrotherEntry.roles). A preselected brother (brotherNumber) is
    // selected and makes OK read "Valitse"; a week index (0 = none) marks
    // the brothers not available in it. withAssignments lists every local
    // brother with assignments in the coming weeks instead of a role.
    CLocalRoles(COvDoc& doc, int roleBit, int preselectedBrother = 0, int weekIndex = 0, bool withAssignments = false);

    // After IDOK: the chosen brother's brothers-table row + 1, 0 when none.
    int chosenRow() const { return chosenRow_; }
    int chosenBrother() const;

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onOK() override;
    void onSelectionChange(int id) override;
    void onDoubleClick(int id) override;

private:
    bool holds(std::size_t entry) const;
    std::string nameOf(std::size_t entry) const;
    void fillHolders(int selectBrother);
    void fillAll();
    void takeOverTicks();
    void switchView();
    int selectedHolder() const;

    COvDoc& doc_;
    int roleBit_;
    int preselected_;
    int weekIndex_;
    bool withAssignments_;
    bool editView_ = false;
    int chosenRow_ = 0;
};

} // namespace orvek
