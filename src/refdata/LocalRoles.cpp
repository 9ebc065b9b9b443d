#include "refdata/LocalRoles.h"

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kHolders = 188, kAll = 187, kSwitch = 1021, kLegend = 1129;
std::string word(int id) { return std::string(stringText(id)); }
} // namespace

CLocalRoles::CLocalRoles(COvDoc& doc, int roleBit, int preselectedBrother, int weekIndex, bool withAssignments)
    : Dialog(126), doc_(doc), roleBit_(roleBit), preselected_(preselectedBrother), weekIndex_(weekIndex),
      withAssignments_(withAssignments) {}

int CLocalRoles::chosenBrother() const {
    return chosenRow_ > 0 ? doc_.brotherNumberAt(static_cast<std::size_t>(chosenRow_ - 1)) : 0;
}

void CLocalRoles::onInit() {
    int caption = sid::chooseWord;
    if (!withAssignments_) {
        if (roleBit_ == 1)
            caption = sid::outgoingSpeakersCaption;
        else if (roleBit_ == 2)
            caption = sid::chairmenCaption;
        else if (roleBit_ == 4)
            caption = sid::readersCaption;
    }
    setCaption(word(caption));
    if (preselected_ != 0) setText(IDOK, word(sid::chooseWord));
    show(kSwitch, !withAssignments_);
    setText(kSwitch, word(sid::editListButton));
    fillHolders(preselected_);
    setFocus(kHolders);
}

bool CLocalRoles::holds(std::size_t entry) const {
    return roleBit_ >= 0 && roleBit_ < 16 && ((doc_.localBrothers[entry].roles >> roleBit_) & 1);
}

// The brother's name (first, last), with the until-further-notice remark;
// empty when he has no name or is no longer in the brothers table.
std::string CLocalRoles::nameOf(std::size_t entry) const {
    const int number = doc_.localBrothers[entry].brotherNumber;
    std::string name = trimText(doc_.brotherNameByNumber(number, false));
    if (name.empty()) return name;
    if (doc_.isUntilFurtherNotice(number)) name += " (" + word(sid::untilFurtherNotice) + ")";
    return name;
}

void CLocalRoles::fillHolders(int selectBrother) {
    Control& list = control(kHolders);
    list.clear();
    bool anyUnavailable = false;
    for (std::size_t i = 0; i < doc_.localBrothers.size(); ++i) {
        const int number = doc_.localBrothers[i].brotherNumber;
        if (withAssignments_ ? doc_.assignmentsAhead(number) == 0 : !holds(i)) continue;
        std::string name = nameOf(i);
        if (name.empty()) continue;
        bool marked = doc_.isUntilFurtherNotice(number);
        if (weekIndex_ != 0 && !doc_.isAvailable(number, weekIndex_ + 1)) {
            marked = true;
            anyUnavailable = true;
        }
        int row = list.addItem(marked ? "* " + name : name, static_cast<std::intptr_t>(i));
        if (number == selectBrother && selectBrother != 0) list.setSelectedRow(row);
    }
    if (anyUnavailable)
        setText(kLegend, substitute(word(sid::unavailableInWeek), doc_.weekDateText(weekIndex_ + 1, 2)));
    show(kLegend, anyUnavailable);
    if (list.selectedRow() >= 0) list.setTopRow(list.selectedRow());
}

void CLocalRoles::fillAll() {
    Control& list = control(kAll);
    list.clear();
    for (std::size_t i = 0; i < doc_.localBrothers.size(); ++i) {
        std::string name = nameOf(i);
        if (name.empty()) continue;
        int row = list.addItem(name, static_cast<std::intptr_t>(i));
        if (holds(i)) list.setSelected(row, true);
    }
    list.setTopRow(0);
}

// The ticks of list 187 are the role bits of the local brothers table
// (written to speakers.dat only by OK).
void CLocalRoles::takeOverTicks() {
    const Control& list = control(kAll);
    const auto mask = static_cast<std::uint16_t>(1u << roleBit_);
    for (int row = 0; row < list.count(); ++row) {
        auto& e = doc_.localBrothers[static_cast<std::size_t>(list.itemData(row))];
        e.roles = list.isSelected(row) ? static_cast<std::uint16_t>(e.roles | mask)
                                       : static_cast<std::uint16_t>(e.roles & ~mask);
    }
}

int CLocalRoles::selectedHolder() const {
    const Control& list = control(kHolders);
    if (list.selectedRow() < 0) return 0;
    return doc_.localBrothers[static_cast<std::size_t>(list.itemData(list.selectedRow()))].brotherNumber;
}

void CLocalRoles::switchView() {
    if (!editView_) {
        fillAll();
        show(kHolders, false);
        show(kAll, true);
        setText(kSwitch, word(sid::showListButton));
        if (preselected_ != 0) show(IDOK, false);
        setFocus(kAll);
    } else {
        takeOverTicks();
        fillHolders(selectedHolder());
        show(kAll, false);
        show(kHolders, true);
        setText(kSwitch, word(sid::editListButton));
        show(IDOK, true);
        setFocus(kHolders);
    }
    editView_ = !editView_;
}

void CLocalRoles::onCommand(int id) {
    if (id == kSwitch)
        switchView();
    else
        Dialog::onCommand(id);
}

void CLocalRoles::onSelectionChange(int id) {
    if (id == kAll) takeOverTicks();
}

void CLocalRoles::onDoubleClick(int id) {
    if (id == kHolders) onOK();
}

void CLocalRoles::onOK() {
    if (editView_) {
        takeOverTicks();
        fillHolders(selectedHolder());
    }
    doc_.saveRoles();
    const int brother = selectedHolder();
    if (brother != 0) {
        std::size_t row = doc_.findBrother(brother);
        chosenRow_ = row == kNotFound ? 0 : static_cast<int>(row) + 1;
    }
    if (withAssignments_ && chosenRow_ == 0) {
        endDialog(IDCANCEL);
        return;
    }
    endDialog(IDOK);
}

} // namespace orvek
