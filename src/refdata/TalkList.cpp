#include "refdata/TalkList.h"

#include <algorithm>

#include "refdata/TalkEdit.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kList = 165, kSetList = 1019, kHover = 244, kFrame = 150, kAddedLabel = 1022, kRemovedLabel = 1023,
              kToggle = 1021;
constexpr int kEditText = 1004;    // "Muokkaa"
constexpr int kAddedText = 1005;   // "Lisätty"
constexpr int kRemovedText = 1010; // "Poistettu"
constexpr int kChooseTalk = 1040;  // "Valitse esitelmä"
constexpr int kCloseText = 1131;   // "Sulje"
constexpr int kCancelText = 1260;  // "Peruuta"
constexpr int kFreeRowsAbove = 9, kHighestTopRow = 236;

std::string str(int id) { return std::string(stringText(id)); }
bool blankTitle(const TalkRecord& t) { return trimText(t.title).empty(); }
} // namespace

CTalkList::CTalkList(COvDoc& doc, TalkListOptions options) : Dialog(141), doc_(doc), options_(std::move(options)) {}

bool CTalkList::editsSet() const {
    if (!hasBrother()) return false;
    return options_.mode == TalkListMode::brotherTalks ||
           (options_.mode == TalkListMode::picker && options_.pickerKind == 2);
}

void CTalkList::onInit() {
    brother_ = options_.brother.value_or(BrotherRecord{});
    original_ = brother_;
    switch (options_.mode) {
    case TalkListMode::talkEdit:
        setCaption(str(sid::talkListEditCaption));
        setText(IDOK, str(kEditText));
        setText(kToggle, str(sid::addNewTalk));
        setText(IDCANCEL, str(kCloseText));
        break;
    case TalkListMode::brotherTalks:
        setText(IDCANCEL, str(kCancelText));
        setText(kToggle, str(kChooseTalk));
        show(kToggle, editsSet());
        break;
    case TalkListMode::picker:
        setCaption(str(kChooseTalk));
        setText(IDCANCEL, str(kCancelText));
        setText(kToggle, str(sid::editListButton));
        show(kToggle, editsSet());
        break;
    }
    fill();
    showCaption();
    Control& list = control(kList);
    if (options_.mode == TalkListMode::talkEdit) {
        if (list.count() > 0) list.setSelectedRow(0);
    } else if (options_.mode == TalkListMode::picker) {
        if (options_.preselectedTalkRow > 0) selectTalkRow(options_.preselectedTalkRow - 1);
        else if (!hasBrother() && options_.startPosition > 0 && options_.startPosition <= list.count()) {
            list.setSelectedRow(options_.startPosition - 1);
            list.setTopRow(options_.startPosition - 1);
        }
    }
    setFocus(kList);
}

// List 165: number text, a tab and the trimmed title of each talk in table
// order; item data = talk row. A brother's list holds his talks only.
void CTalkList::fill() {
    Control& list = control(kList);
    list.clear();
    const bool ownTalksOnly = hasBrother() && options_.mode != TalkListMode::talkEdit;
    for (std::size_t i = 0; i < doc_.talks.size(); ++i) {
        const TalkRecord& t = doc_.talks[i];
        std::string title = trimText(t.title);
        if (title.empty()) {
            if (!offerFree_) continue;
            title = str(sid::freeTalkNumber);
        }
        if (ownTalksOnly && !brother_.talks.has(t.talkNumber)) continue;
        list.addItem(t.numberText + "\t" + title, static_cast<std::intptr_t>(i));
    }
}

void CTalkList::selectTalkRow(int talkRow) {
    Control& list = control(kList);
    for (int r = 0; r < list.count(); ++r) {
        if (list.itemData(r) == talkRow) {
            list.setSelectedRow(r);
            list.setTopRow(r);
            return;
        }
    }
}

// ---- the talk-set view ----

void CTalkList::openSetView() {
    Control& set = control(kSetList);
    set.clear();
    for (std::size_t i = 0; i < doc_.talks.size(); ++i) {
        const TalkRecord& t = doc_.talks[i];
        if (blankTitle(t)) continue;
        int r = set.addItem("  " + t.numberText, static_cast<std::intptr_t>(i));
        if (brother_.talks.has(t.talkNumber)) set.setSelected(r, true);
    }
    setView_ = true;
    show(kList, false);
    show(kFrame);
    show(kSetList);
    setText(kHover, "");
    show(kHover);
    setText(kToggle, str(sid::showListButton));
    showCaption();
    setFocus(kSetList);
}

void CTalkList::closeSetView() {
    setView_ = false;
    show(kSetList, false);
    show(kHover, false);
    show(kFrame, false);
    show(kList);
    setText(kToggle, str(options_.mode == TalkListMode::picker ? sid::editListButton : kChooseTalk));
    fill();
    showCaption();
    setFocus(kList);
}

// Talks without a title are not listed in the set view and keep their bit.
void CTalkList::takeSetSelection() {
    const Control& set = control(kSetList);
    for (int r = 0; r < set.count(); ++r) {
        auto row = static_cast<std::size_t>(set.itemData(r));
        if (row < doc_.talks.size()) brother_.talks.set(doc_.talks[row].talkNumber, set.isSelected(r));
    }
}

void CTalkList::showCounts() {
    int added = 0, removed = 0;
    for (int n = 1; n <= 256; ++n) {
        bool now = brother_.talks.has(n), before = original_.talks.has(n);
        if (now && !before) ++added;
        if (before && !now) ++removed;
    }
    setText(kAddedLabel, str(kAddedText) + " " + decimal(added));
    setText(kRemovedLabel, str(kRemovedText) + " " + decimal(removed));
    show(kAddedLabel, added > 0);
    show(kRemovedLabel, removed > 0);
}

// A brother's list is captioned with his name and his number of talks; a
// picker only while the set view is open.
void CTalkList::showCaption() {
    if (!hasBrother() || options_.mode == TalkListMode::talkEdit) return;
    if (options_.mode == TalkListMode::picker && !setView_) {
        setCaption(str(kChooseTalk));
        return;
    }
    int count = setView_ ? control(kSetList).selectedCount() : brother_.talks.count();
    setCaption(brother_.firstName + " " + brother_.lastName + " - " + decimal(count) + " " +
               str(sid::talkCountSuffix));
}

void CTalkList::onSelectionChange(int id) {
    if (id != kSetList) return;
    takeSetSelection();
    showCounts();
    showCaption();
}

void CTalkList::onMouse(int id, const MouseEvent& e) {
    if (id != kSetList) return;
    const Control& set = control(kSetList);
    if (e.action == MouseAction::Leave || e.row < 0 || e.row >= set.count()) {
        setText(kHover, "");
        return;
    }
    auto row = static_cast<std::size_t>(set.itemData(e.row));
    if (row < doc_.talks.size()) setText(kHover, doc_.talkText(doc_.talks[row].talkNumber, true, false));
}

// ---- talk editing ----

void CTalkList::addNewTalk() {
    offerFree_ = true;
    fill();
    Control& list = control(kList);
    int first = -1;
    for (int r = 0; r < list.count() && first < 0; ++r)
        if (blankTitle(doc_.talks[static_cast<std::size_t>(list.itemData(r))])) first = r;
    if (first < 0) {
        offerFree_ = false;
        fill();
        if (list.count() > 0) list.setSelectedRow(0);
        showMessage(str(sid::noFreeTalkNumber), Buttons::Ok, IDOK, Icon::Information);
        return;
    }
    list.setSelectedRow(first);
    list.setTopRow(std::min(std::max(first - kFreeRowsAbove, 0), kHighestTopRow));
    show(kToggle, false);
    setFocus(kList);
}

void CTalkList::openTalkForm() {
    Control& list = control(kList);
    int position = list.selectedRow();
    if (position < 0) return;
    std::vector<int> rows;
    for (int r = 0; r < list.count(); ++r) rows.push_back(static_cast<int>(list.itemData(r)));
    CTalkEdit form(doc_, rows, position);
    runChild(form);
    // Back to the normal list, on the talk the form ended on (or, when that
    // one has no title any more, on the same position).
    offerFree_ = false;
    show(kToggle);
    fill();
    int end = form.position();
    selectTalkRow(end >= 0 && static_cast<std::size_t>(end) < rows.size() ? rows[static_cast<std::size_t>(end)] : -1);
    if (list.selectedRow() < 0 && list.count() > 0) list.setSelectedRow(std::min(end, list.count() - 1));
    setFocus(kList);
}

void CTalkList::pickSelected() {
    const Control& list = control(kList);
    int r = list.selectedRow();
    if (r < 0) {
        endDialog(IDCANCEL);
        return;
    }
    chosenTalkRow_ = static_cast<int>(list.itemData(r));
    endDialog(IDOK);
}

void CTalkList::onDoubleClick(int id) {
    if (id != kList) return;
    switch (options_.mode) {
    case TalkListMode::talkEdit: openTalkForm(); break;
    case TalkListMode::brotherTalks: openSetView(); break;
    case TalkListMode::picker: pickSelected(); break;
    }
}

void CTalkList::onCommand(int id) {
    const TalkListMode mode = options_.mode;
    switch (id) {
    case kToggle:
        if (mode == TalkListMode::talkEdit) {
            addNewTalk();
        } else if (editsSet()) {
            if (setView_) {
                takeSetSelection();
                closeSetView();
            } else {
                openSetView();
            }
        }
        return;
    case IDOK:
        if (mode == TalkListMode::talkEdit) {
            openTalkForm();
        } else if (mode == TalkListMode::brotherTalks) {
            if (setView_) takeSetSelection();
            endDialog(IDOK);
        } else if (setView_) {
            takeSetSelection(); // a kind-2 picker goes back to the brother's talks
            closeSetView();
        } else {
            pickSelected();
        }
        return;
    case IDCANCEL:
        if (mode == TalkListMode::talkEdit) {
            // Every change of the talks (and the topics cleared from them) is
            // written as the list closes; a failure has been reported and the
            // changes stay in memory.
            doc_.saveTalks();
        } else if (mode == TalkListMode::brotherTalks) {
            brother_ = original_;
        } else if (setView_) {
            brother_.talks = original_.talks;
            closeSetView();
            showCounts();
            return;
        }
        endDialog(IDCANCEL);
        return;
    default: Dialog::onCommand(id);
    }
}

} // namespace orvek
