#include "refdata/CongList.h"

#include "refdata/CongEdit.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"

namespace orvek {

namespace {
constexpr int kList = 248, kEdit = IDOK, kAdd = 3;
} // namespace

CCongList::CCongList(COvDoc& doc, bool selectMode, int rememberedRow)
    : Dialog(122), doc_(doc), selectMode_(selectMode), remembered_(rememberedRow) {}

int CCongList::chosenNumber() const {
    if (remembered_ < 0 || static_cast<std::size_t>(remembered_) >= doc_.congregations.size()) return 0;
    return doc_.congregations[static_cast<std::size_t>(remembered_)].congregationNumber;
}

void CCongList::onInit() {
    if (selectMode_) setText(kEdit, std::string(stringText(sid::okWord)));
    fill();
    setFocus(doc_.congregations.empty() ? kAdd : kList);
}

int CCongList::rowCount() const { return control(kList).count(); }

int CCongList::selectedRow() const { return control(kList).selectedRow(); }

void CCongList::selectRow(int row) {
    Control& list = control(kList);
    list.setSelectedRow(row);
    remembered_ = list.selectedRow();
}

void CCongList::refill() {
    remembered_ = selectedRow();
    fill();
}

// Every fill selects the remembered row, except that a row beyond the
// number of rows minus 2 falls back to the first: the last row is never
// preselected.
void CCongList::fill() {
    Control& list = control(kList);
    list.clear();
    for (std::size_t i = 0; i < doc_.congregations.size(); ++i)
        list.addItem(doc_.congregationName(i, false), static_cast<std::intptr_t>(i));
    if (remembered_ < 0 || remembered_ > list.count() - 2) remembered_ = 0;
    if (list.count() > 0) list.setSelectedRow(remembered_);
}

void CCongList::onCommand(int id) {
    if (id == kEdit)
        confirm();
    else if (id == kAdd)
        openForm(true);
    else
        Dialog::onCommand(id);
}

void CCongList::onDoubleClick(int id) {
    if (id == kList) confirm();
}

void CCongList::confirm() {
    const int row = selectedRow();
    if (selectMode_) {
        if (row < 0) {
            endDialog(IDCANCEL);
            return;
        }
        remembered_ = row;
        endDialog(IDOK);
        return;
    }
    if (doc_.congregations.empty())
        openForm(true);
    else if (row >= 0)
        openForm(false);
}

void CCongList::openForm(bool add) {
    CCongEdit form(doc_, add ? CongEditMode::add : CongEditMode::edit, add ? 0 : selectedRow(), this);
    runChild(form);
    if (form.changed()) refill();
    host().pumpMessages();
    setFocus(kList);
}

bool CCongList::onKey(int id, const KeyEvent& e) { return id == kList && typeAhead_.key(control(kList), e); }

void CCongList::onFocus(int id, bool gained) {
    if (id == kList) typeAhead_.focus(gained);
}

} // namespace orvek
