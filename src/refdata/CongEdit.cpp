#include "refdata/CongEdit.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "refdata/BrotherList.h"
#include "refdata/CircuitList.h"
#include "refdata/CongList.h"
#include "refdata/MapDlg.h"
#include "refdata/StorableText.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kName = 1018, kHall1 = 1016, kHall2 = 1017, kPhone1 = 103, kPhone2 = 104, kTimeOdd = 187, kTimeEven = 188,
              kDayOdd = 8, kDayEven = 9, kBrothers = 3, kCircuit = 4, kMap = 6, kCoordinator = 129,
              kTalkCoordinator = 130, kSecretary = 131, kPrevious = 1026, kNext = 1025, kDelete = 5, kApply = 7;
constexpr int kEdits[] = {kName, kHall1, kHall2, kPhone1, kPhone2, kTimeOdd, kTimeEven};

// The stored weekday (1 = Monday .. 6 = Saturday, 0 = Sunday or never
// chosen; a stored 7 also reads as Sunday) and the form's index 0..6.
int dayIndexOf(std::uint8_t stored) { return stored >= 1 && stored <= 6 ? stored - 1 : 6; }
std::uint8_t storedDayOf(int index) { return static_cast<std::uint8_t>(index >= 0 && index <= 5 ? index + 1 : 0); }

std::string word(int id) { return std::string(stringText(id)); }
} // namespace

CCongEdit::CCongEdit(COvDoc& doc, CongEditMode mode, int key, CCongList* list)
    : Dialog(131), doc_(doc), mode_(mode), list_(list), key_(key) {}

void CCongEdit::onInit() {
    if (mode_ == CongEditMode::edit)
        row_ = key_;
    else if (mode_ == CongEditMode::single)
        row_ = static_cast<int>(doc_.findCongregation(key_)) - 1;
    if (mode_ != CongEditMode::add) {
        if (row_ < 0 || static_cast<std::size_t>(row_) >= doc_.congregations.size()) {
            endDialog(IDCANCEL); // nothing to edit
            return;
        }
        load(row_);
    } else {
        showWeekday(kDayOdd);
        showWeekday(kDayEven);
    }
    enable(kName, mode_ != CongEditMode::single);
    showButtons();
    refreshTexts();
    setFocus(mode_ == CongEditMode::single ? kHall1 : kName);
}

// Reads the congregation of a table row into the form. A record that does
// not read back under the row's number is rebuilt from the row, so that a
// save never writes a record without its number.
void CCongEdit::load(int row) {
    const CongregationSummary& s = doc_.congregations[static_cast<std::size_t>(row)];
    CongregationRecord r;
    if (doc_.readCongregation(static_cast<std::size_t>(row), r) == 0) {
        r = CongregationRecord{};
        r.name = s.name;
        r.circuitNumber = s.circuitNumber;
        r.coordinatorBrother = s.coordinatorBrother;
        r.talkCoordinatorBrother = s.talkCoordinatorBrother;
        r.secretaryBrother = s.secretaryBrother;
        r.meetingTimeOdd = s.meetingTimeOdd;
        r.meetingTimeEven = s.meetingTimeEven;
        r.meetingDayOdd = s.meetingDayOdd;
        r.meetingDayEven = s.meetingDayEven;
    }
    r.congregationNumber = s.congregationNumber;
    slot_ = s.recordPosition;
    // A congregation with one meeting time shows (and stores) it for both years.
    if (trimText(r.meetingTimeOdd).empty())
        r.meetingTimeOdd = r.meetingTimeEven;
    else if (trimText(r.meetingTimeEven).empty())
        r.meetingTimeEven = r.meetingTimeOdd;
    record_ = r;
    setText(kName, r.name);
    setText(kHall1, r.hallAddress1);
    setText(kHall2, r.hallAddress2);
    setText(kPhone1, r.phone1);
    setText(kPhone2, r.phone2);
    setText(kTimeOdd, r.meetingTimeOdd);
    setText(kTimeEven, r.meetingTimeEven);
    dayOdd_ = dayIndexOf(r.meetingDayOdd);
    dayEven_ = dayIndexOf(r.meetingDayEven);
    showWeekday(kDayOdd);
    showWeekday(kDayEven);
}

void CCongEdit::showButtons() {
    const bool existing = mode_ != CongEditMode::add;
    const bool editing = mode_ == CongEditMode::edit;
    for (int id : {kBrothers, kCircuit, kMap}) show(id, existing);
    const bool hasBrothers = existing && doc_.countBrothersOfCongregation(record_.congregationNumber) > 0;
    for (int id : {kCoordinator, kTalkCoordinator, kSecretary}) show(id, hasBrothers);
    show(kPrevious, editing && list_ != nullptr);
    show(kNext, editing && list_ != nullptr);
    show(kDelete, editing);
    show(kApply, mode_ == CongEditMode::add && charCount(text(kName)) >= 3);
}

void CCongEdit::refreshTexts() {
    auto withHolder = [&](int wordId, int brother) {
        std::string t = word(wordId);
        std::string name = doc_.brotherNameByNumber(brother, false);
        if (brother != 0 && !name.empty()) t += " - " + name;
        return t;
    };
    setText(kCoordinator, withHolder(sid::coordinatorWord, record_.coordinatorBrother));
    setText(kTalkCoordinator, withHolder(sid::talkCoordinatorWord, record_.talkCoordinatorBrother));
    setText(kSecretary, withHolder(sid::secretaryWord, record_.secretaryBrother));
    std::string circuit = word(sid::circuitWord);
    if (doc_.findCircuit(record_.circuitNumber) != 0)
        circuit += " - " + doc_.circuitNameByNumber(record_.circuitNumber);
    setText(kCircuit, circuit);
    setText(kBrothers, word(sid::brothersWord) + " ( " +
                           decimal(doc_.countBrothersOfCongregation(record_.congregationNumber)) + " )");
}

void CCongEdit::showWeekday(int button) {
    int index = button == kDayOdd ? dayOdd_ : dayEven_;
    setText(button, word(sid::firstWeekdayName + index));
}

void CCongEdit::readControls() {
    record_.name = text(kName);
    record_.hallAddress1 = text(kHall1);
    record_.hallAddress2 = text(kHall2);
    record_.phone1 = text(kPhone1);
    record_.phone2 = text(kPhone2);
    record_.meetingTimeOdd = text(kTimeOdd);
    record_.meetingTimeEven = text(kTimeEven);
}

// The name must be there and must not begin with a blank; an existing
// congregation must not take the name of another.
bool CCongEdit::validate(bool explainEmptyName) {
    readControls();
    const std::string& name = record_.name;
    if (name.empty() || name.front() == ' ') {
        if (explainEmptyName) {
            showMessage(word(sid::enterCongregationName), Buttons::Ok, 0, Icon::Warning);
            setFocus(kName);
        }
        return false;
    }
    if (mode_ != CongEditMode::add && doc_.checkCongregationName(name, false, static_cast<std::size_t>(row_)) != 0)
        return false;
    return true;
}

// Stores the form (after validate). Returns whether anything was stored.
bool CCongEdit::save() {
    CongregationRecord r = record_;
    r.name = leftChars(r.name, 48);
    r.hallAddress1 = leftChars(r.hallAddress1, 40);
    r.hallAddress2 = leftChars(r.hallAddress2, 40);
    r.phone1 = leftChars(r.phone1, 14);
    r.phone2 = leftChars(r.phone2, 14);
    r.meetingTimeOdd = leftChars(r.meetingTimeOdd, 9);
    r.meetingTimeEven = leftChars(r.meetingTimeEven, 9);
    r.meetingDayOdd = storedDayOf(dayOdd_);
    r.meetingDayEven = storedDayOf(dayEven_);
    if (mode_ == CongEditMode::add) {
        int match = doc_.checkCongregationName(r.name, true, doc_.congregations.size());
        if (match < 0) return false;
        if (match == 0) {
            if (doc_.addCongregation(r) == 0) return false;
        } else {
            doc_.replaceCongregation(static_cast<std::size_t>(match - 1), r);
        }
        doc_.sortCongregations();
        row_ = static_cast<int>(doc_.findCongregation(r.congregationNumber)) - 1;
        slot_ = row_ >= 0 ? doc_.congregations[static_cast<std::size_t>(row_)].recordPosition : 0;
        if (list_) {
            list_->refill();
            list_->selectRow(row_);
        }
    } else {
        doc_.storeCongregation(static_cast<std::size_t>(row_), slot_, r);
    }
    record_ = r;
    doc_.dataChanged = 1;
    changed_ = true;
    return true;
}

void CCongEdit::onOK() {
    if (validate(false)) save();
    endDialog(IDOK);
}

void CCongEdit::onCommand(int id) {
    switch (id) {
    case kDayOdd:
        dayOdd_ = (dayOdd_ + 1) % 7;
        showWeekday(id);
        return;
    case kDayEven:
        dayEven_ = (dayEven_ + 1) % 7;
        showWeekday(id);
        return;
    case kPrevious:
        step(-1);
        return;
    case kNext:
        step(1);
        return;
    case kApply:
        useNow();
        return;
    case kDelete:
        remove();
        return;
    case kBrothers:
        openBrothers();
        return;
    case kCircuit:
        chooseCircuit();
        return;
    case kMap:
        chooseMap();
        return;
    case kCoordinator:
    case kTalkCoordinator:
    case kSecretary:
        chooseRoleHolder(id);
        return;
    default:
        Dialog::onCommand(id);
    }
}

void CCongEdit::onEditChange(int id) {
    if (std::find(std::begin(kEdits), std::end(kEdits), id) == std::end(kEdits)) return;
    acceptTypedText(control(id), host());
    if (id == kName) show(kApply, mode_ == CongEditMode::add && charCount(text(kName)) >= 3);
}

void CCongEdit::step(int delta) {
    if (!list_ || !validate(false) || !save()) return;
    const int n = list_->rowCount();
    if (n == 0) return;
    int current = list_->selectedRow() >= 0 ? list_->selectedRow() : row_;
    int next = wrapRow(current, delta, n);
    list_->selectRow(next);
    row_ = next;
    load(row_);
    showButtons();
    refreshTexts();
}

// "Käytä": stores the new congregation and goes on editing it, so that its
// brothers, roles, circuit and map can be set at once.
void CCongEdit::useNow() {
    if (!validate(false) || !save() || row_ < 0) return;
    mode_ = CongEditMode::edit;
    load(row_);
    showButtons();
    refreshTexts();
}

void CCongEdit::remove() {
    std::string question =
        substitute(word(sid::confirmDelete), doc_.congregationName(static_cast<std::size_t>(row_), false));
    if (showMessage(question, Buttons::YesNo, IDNO, Icon::Question) != IDYES) return;
    CongregationRecord buffer;
    doc_.deleteCongregation(static_cast<std::size_t>(row_), buffer);
    if (list_) list_->refill();
    doc_.dataChanged = 1;
    changed_ = true;
    endDialog(IDOK);
}

void CCongEdit::openBrothers() {
    if (!validate(true)) return;
    auto holders = [&]() -> std::array<std::uint16_t, 3> {
        std::size_t c = doc_.findCongregation(record_.congregationNumber);
        if (c == 0) return {};
        const CongregationSummary& s = doc_.congregations[c - 1];
        return {s.coordinatorBrother, s.talkCoordinatorBrother, s.secretaryBrother};
    };
    const auto before = holders();
    BrotherListOptions options;
    options.congregationFilter = record_.congregationNumber;
    CBrotherList brothers(doc_, options);
    runChild(brothers);
    changed_ = true;
    doc_.buildLocalBrothers();
    // Deleting or moving a brother clears him as a role holder of the
    // congregation; the form takes such a change over, so that a later save
    // does not write the old holder back.
    const auto after = holders();
    const int buttons[] = {kCoordinator, kTalkCoordinator, kSecretary};
    for (std::size_t i = 0; i < 3; ++i)
        if (after[i] != before[i]) roleField(buttons[i]) = after[i];
    row_ = static_cast<int>(doc_.findCongregation(record_.congregationNumber)) - 1;
    showButtons();
    refreshTexts();
}

std::uint16_t& CCongEdit::roleField(int button) {
    if (button == kCoordinator) return record_.coordinatorBrother;
    if (button == kTalkCoordinator) return record_.talkCoordinatorBrother;
    return record_.secretaryBrother;
}

void CCongEdit::chooseRoleHolder(int button) {
    BrotherListOptions options;
    options.congregationFilter = record_.congregationNumber;
    options.role = button - kCoordinator + 1; // 1 coordinator, 2 talk coordinator, 3 secretary
    options.preselectedBrother = roleField(button);
    CBrotherList picker(doc_, options);
    if (runChild(picker) != IDOK) return;
    roleField(button) = static_cast<std::uint16_t>(picker.chosenBrother());
    refreshTexts();
}

// The circuit picker opens on the congregation's circuit (none selected
// when it has none).
void CCongEdit::chooseCircuit() {
    const std::size_t current = doc_.findCircuit(record_.circuitNumber);
    CCircuitList picker(doc_, false, current == 0 ? -1 : static_cast<int>(current));
    if (runChild(picker) != IDOK || picker.chosenKey() == 0) return;
    record_.circuitNumber = static_cast<std::uint16_t>(picker.chosenKey());
    refreshTexts();
}

void CCongEdit::chooseMap() {
    CMapDlg map(doc_, record_.mapFile);
    if (runChild(map) != IDOK) return;
    record_.mapFile = leftChars(map.mapFile(), 27);
}

} // namespace orvek
