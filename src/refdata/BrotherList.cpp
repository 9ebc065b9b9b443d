#include "refdata/BrotherList.h"

#include "refdata/BrotherEdit.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kList = 223, kEdit = IDOK, kClose = IDCANCEL, kAdd = 224, kMarkLegend = 1105, kNoticeLegend = 1106;
constexpr int kVisitingSpeakerRole = 5;

std::string word(int id) { return std::string(stringText(id)); }
} // namespace

CBrotherList::CBrotherList(COvDoc& doc, BrotherListOptions options)
    : Dialog(136), doc_(doc), options_(options), remembered_(options.rememberedRow) {}

int CBrotherList::chosenBrother() const {
    return chosenRow_ < 0 ? 0 : doc_.brotherNumberAt(static_cast<std::size_t>(chosenRow_));
}

std::string CBrotherList::roleName() const {
    static constexpr int names[] = {sid::coordinatorWord, sid::talkCoordinatorWord, sid::secretaryWord,
                                    sid::speakerWord,     sid::visitingSpeakerWord, sid::chairmanRoleName,
                                    sid::readerRoleName};
    return options_.role >= 1 && options_.role <= 7 ? word(names[options_.role - 1]) : std::string();
}

void CBrotherList::onInit() {
    const bool picking = options_.selectMode || options_.role != 0;
    if (picking) {
        setText(kEdit, word(sid::chooseButton));
        setText(kClose, word(sid::cancelButton));
        setText(kAdd, word(sid::newSpeakerButton));
    }
    if (options_.role != 0 || options_.hideAdd) show(kAdd, false);
    if (options_.selectMode) {
        setOffset({150, 20});
        setCaption(word(sid::chooseSpeaker));
    }
    if (options_.role != 0) setCaption(substitute(word(sid::chooseX), roleName()));
    fill();
    if (options_.role != 0) {
        std::size_t holder = doc_.findBrother(options_.preselectedBrother);
        int row = holder == kNotFound ? -1 : listRowOf(static_cast<int>(holder));
        control(kList).setSelectedRow(row);
        if (row >= 0) control(kList).setTopRow(row);
    }
    setFocus(kList);
}

int CBrotherList::rowCount() const { return control(kList).count(); }

int CBrotherList::selectedRow() const { return control(kList).selectedRow(); }

void CBrotherList::selectRow(int listRow) {
    control(kList).setSelectedRow(listRow);
    remembered_ = control(kList).selectedRow();
}

void CBrotherList::refill() {
    remembered_ = selectedRow();
    fill();
}

int CBrotherList::tableRowAt(int listRow) const {
    const Control& list = control(kList);
    return listRow >= 0 && listRow < list.count() ? static_cast<int>(list.itemData(listRow)) : -1;
}

int CBrotherList::listRowOf(int tableRow) const {
    const Control& list = control(kList);
    for (int i = 0; i < list.count(); ++i)
        if (list.itemData(i) == tableRow) return i;
    return -1;
}

// The rows in table order with their marks: "* " for a brother without a
// congregation, "(§) " for one not available until further notice, and with
// a week "* " for one not available that week.
void CBrotherList::fill() {
    Control& list = control(kList);
    list.clear();
    const int week = options_.weekIndex;
    const bool role5 = options_.role == kVisitingSpeakerRole;
    bool anyStar = false;
    int withoutCongregation = 0, untilFurtherNotice = 0;
    for (std::size_t row = 0; row < doc_.brothers.size(); ++row) {
        const BrotherSummary& b = doc_.brothers[row];
        if (options_.congregationFilter != 0 && b.congregationNumber != options_.congregationFilter) continue;
        if (options_.targetCongregation != 0 && b.congregationNumber == options_.targetCongregation) continue;
        if (role5 && !(doc_.isLocalOutgoingSpeaker(row) && doc_.brotherGivesTalk(row, 0))) continue;
        std::string t = doc_.brotherName(row, options_.congregationFilter == 0);
        if (b.congregationNumber == 0) {
            t = "* " + t;
            anyStar = true;
            ++withoutCongregation;
        }
        if (b.untilFurtherNotice()) {
            t = "(§) " + t;
            ++untilFurtherNotice;
        }
        if (week != 0) {
            if (!doc_.isAvailable(b.brotherNumber, week + 1)) {
                t = "* " + t;
                anyStar = true;
            }
            if (role5) {
                if (b.ministerialServant()) t += " (" + word(sid::servantAbbreviation) + ")";
                if (int near = doc_.nearestOutgoingWeek(b.brotherNumber, week))
                    t += "\t # " + doc_.weekDateText(near + 1, 9);
            }
        }
        list.addItem(std::move(t), static_cast<std::intptr_t>(row));
    }
    if (week != 0)
        setText(kMarkLegend, substitute(word(sid::unavailableInWeek), doc_.weekDateText(week + 1, 2)));
    else
        setText(kMarkLegend, word(sid::noCongregation) + " ( " + decimal(withoutCongregation) + " )");
    show(kMarkLegend, anyStar);
    setText(kNoticeLegend, untilFurtherNotice > 0
                               ? "(§) " + word(sid::untilFurtherNotice) + " ( " + decimal(untilFurtherNotice) + " )"
                               : std::string());
    if (remembered_ < 0 || remembered_ > list.count() - 2) remembered_ = 0;
    if (list.count() > 0) list.setSelectedRow(remembered_);
}

void CBrotherList::onCommand(int id) {
    if (id == kEdit)
        confirm();
    else if (id == kAdd)
        addBrother();
    else
        Dialog::onCommand(id);
}

void CBrotherList::onDoubleClick(int id) {
    if (id == kList) confirm();
}

void CBrotherList::confirm() {
    const int listRow = selectedRow();
    remembered_ = listRow;
    if (options_.role != 0) {
        chosenRow_ = tableRowAt(listRow);
        endDialog(IDOK);
        return;
    }
    if (options_.selectMode) {
        chosenRow_ = tableRowAt(listRow);
        endDialog(chosenRow_ >= 0 ? IDOK : IDCANCEL);
        return;
    }
    if (rowCount() == 0)
        openForm(-1);
    else if (listRow >= 0)
        openForm(tableRowAt(listRow));
}

void CBrotherList::openForm(int tableRow) {
    const int preset = options_.selectMode ? options_.targetCongregation : options_.congregationFilter;
    CBrotherEdit form(doc_, tableRow, preset, this);
    runChild(form);
    refill();
    doc_.saveUnavailability();
    host().pumpMessages();
    setFocus(kList);
    // A brother created from a picker already belongs where the picker
    // was to put him: the picker has nothing left to do.
    if (form.created() && options_.selectMode) endDialog(IDCANCEL);
}

// Without a congregation filter "Lisää veli" adds a new brother; with one it
// brings a brother of another congregation into the filtered one.
void CBrotherList::addBrother() {
    const int congregation = options_.congregationFilter;
    if (congregation == 0) {
        openForm(-1);
        return;
    }
    BrotherListOptions others;
    others.selectMode = true;
    others.targetCongregation = congregation;
    CBrotherList picker(doc_, others);
    if (runChild(picker) == IDOK && picker.chosenRow() >= 0 &&
        doc_.moveBrother(static_cast<std::size_t>(picker.chosenRow()), congregation, true))
        doc_.dataChanged = 1;
    refill();
    host().pumpMessages();
    setFocus(kList);
}

bool CBrotherList::onKey(int id, const KeyEvent& e) { return id == kList && typeAhead_.key(control(kList), e); }

void CBrotherList::onFocus(int id, bool gained) {
    if (id == kList) typeAhead_.focus(gained);
}

} // namespace orvek
