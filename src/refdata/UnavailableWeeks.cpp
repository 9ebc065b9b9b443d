#include "refdata/UnavailableWeeks.h"

#include "resources/StringTable.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kHint = 1065, kWeeks = 1066, kCount = 1067, kUntilFurtherNotice = 1172;
constexpr int kCloseText = 1131; // "Sulje"
constexpr int kListedWeeks = 52, kDateStyle = 26;
} // namespace

CUnavailableWeeks::CUnavailableWeeks(COvDoc& doc, int brotherNumber, bool untilFurtherNotice, bool viewOnly)
    : Dialog(154), doc_(doc), brotherNumber_(brotherNumber), untilFurtherNotice_(untilFurtherNotice),
      viewOnly_(viewOnly) {}

void CUnavailableWeeks::onInit() {
    const std::size_t row = doc_.findBrother(brotherNumber_);
    const bool known = row != kNotFound;
    if (known) {
        setCaption(doc_.brotherName(row, false));
        untilFurtherNotice_ = doc_.isUntilFurtherNotice(brotherNumber_);
    }
    // The coming 52 weeks; item data = WeekNumber. A row is selected when the
    // brother is not available in its week (weeks further ahead are kept but
    // not shown).
    Control& list = control(kWeeks);
    list.clear();
    initiallySelected_.assign(kListedWeeks, false);
    int firstSelected = -1;
    for (int i = 0; i < kListedWeeks; ++i) {
        const int week = doc_.currentWeek + i;
        int r = list.addItem(doc_.weekDateText(week, kDateStyle), week);
        if (brotherNumber_ != 0 && !doc_.isAvailable(brotherNumber_, week)) {
            list.setSelected(r, true);
            initiallySelected_[static_cast<std::size_t>(i)] = true;
            if (firstSelected < 0) firstSelected = r;
        }
    }
    if (firstSelected >= 0) list.setTopRow(firstSelected);
    setChecked(kUntilFurtherNotice, untilFurtherNotice_);
    if (viewOnly_) {
        show(IDOK, false);
        show(kHint, false);
        setText(IDCANCEL, std::string(stringText(kCloseText)));
        enable(kUntilFurtherNotice, false);
    }
    showCount();
    setFocus(kWeeks);
}

void CUnavailableWeeks::showCount() { setText(kCount, decimal(control(kWeeks).selectedCount())); }

void CUnavailableWeeks::onSelectionChange(int id) {
    if (id != kWeeks) return;
    if (viewOnly_) {
        // Only to look at: the rows keep the brother's weeks.
        Control& list = control(kWeeks);
        for (int r = 0; r < list.count(); ++r) list.setSelected(r, initiallySelected_[static_cast<std::size_t>(r)]);
    }
    showCount();
}

// Sets or clears the brother's until-further-notice mark in his record and
// his summary row. A failed write has been reported; the summary row keeps
// the change for this run, as every table does.
bool CUnavailableWeeks::storeMark(bool on) {
    std::size_t row = doc_.findBrother(brotherNumber_);
    if (row == kNotFound) return false;
    BrotherRecord rec;
    int position = doc_.readBrother(row, rec);
    if (position == 0) return false;
    if (on) rec.status |= brotherstatus::untilFurtherNotice;
    else rec.status &= static_cast<std::uint8_t>(~brotherstatus::untilFurtherNotice);
    bool written = doc_.writeBrother(position, rec);
    BrotherSummary& b = doc_.brothers[row];
    if (on) b.flags |= BrotherSummary::kUntilFurtherNotice;
    else b.flags &= static_cast<std::uint8_t>(~BrotherSummary::kUntilFurtherNotice);
    doc_.dataChanged = 1;
    return written;
}

void CUnavailableWeeks::onOK() {
    if (viewOnly_) return; // OK is not offered
    // Only the differences go to the table: weeks not listed are kept.
    if (brotherNumber_ != 0) {
        const Control& list = control(kWeeks);
        for (int r = 0; r < list.count(); ++r) {
            const bool now = list.isSelected(r), before = initiallySelected_[static_cast<std::size_t>(r)];
            const auto week = static_cast<int>(list.itemData(r));
            if (now && !before) doc_.addUnavailableWeek(brotherNumber_, week);
            else if (before && !now) doc_.removeUnavailableWeek(brotherNumber_, week);
        }
    }
    const bool mark = checked(kUntilFurtherNotice);
    if (mark != doc_.isUntilFurtherNotice(brotherNumber_) && doc_.findBrother(brotherNumber_) != kNotFound)
        storeMark(mark);
    untilFurtherNotice_ = mark;
    endDialog(IDOK);
}

} // namespace orvek
