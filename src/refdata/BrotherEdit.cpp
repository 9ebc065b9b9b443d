#include "refdata/BrotherEdit.h"

#include <algorithm>
#include <iterator>

#include "refdata/BrotherList.h"
#include "refdata/CongList.h"
#include "refdata/TalkList.h"
#include "refdata/StorableText.h"
#include "refdata/UnavailableWeeks.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kFirst = 226, kLast = 225, kAddress1 = 101, kAddress2 = 102, kPhone = 103, kPhone2 = 117, kPhone3 = 118,
              kEmail = 119, kNotes = 120, kElder = 109, kServant = 110, kCongregation = 5, kTalks = 6,
              kAvailability = 7, kPrevious = 3, kNext = 4, kDelete = 269, kSave = 234;
// The fields in the order Enter walks through them.
constexpr int kFields[] = {kFirst, kLast, kAddress1, kAddress2, kPhone, kPhone2, kPhone3, kEmail, kNotes};
constexpr std::size_t kMaxFullName = 35;
constexpr std::size_t kMaxCapitalisedName = 14;

std::string word(int id) { return std::string(stringText(id)); }
bool isField(int id) { return std::find(std::begin(kFields), std::end(kFields), id) != std::end(kFields); }
} // namespace

CBrotherEdit::CBrotherEdit(COvDoc& doc, int tableRow, int congregationPreset, CBrotherList* list)
    : Dialog(139), doc_(doc), list_(list), row_(tableRow), preset_(congregationPreset), add_(tableRow < 0) {}

void CBrotherEdit::onInit() {
    if (!add_ && static_cast<std::size_t>(row_) >= doc_.brothers.size()) {
        endDialog(IDCANCEL); // nothing to edit
        return;
    }
    if (add_) {
        record_ = BrotherRecord{};
        record_.congregationNumber = static_cast<std::uint16_t>(preset_);
        loaded_ = record_;
        extension_ = {};
        showRecord();
    } else {
        load(row_);
    }
    show(kCongregation, preset_ == 0);
    for (int id : {kDelete, kPrevious, kNext}) show(id, !add_ && (id == kDelete || list_ != nullptr));
    // The weeks of a brother who has no number yet could not be kept.
    enable(kAvailability, !add_);
    refreshButtons();
    setFocus(kFirst);
}

// Reads a brother and his extension record. A record that does not read
// back under the row's number is rebuilt from the row; an extension record
// that does not read back with his number counts as none, so that a save
// never overwrites another brother's contacts.
void CBrotherEdit::load(int row) {
    const BrotherSummary& s = doc_.brothers[static_cast<std::size_t>(row)];
    BrotherRecord r;
    if (doc_.readBrother(static_cast<std::size_t>(row), r) == 0) {
        r = BrotherRecord{};
        r.firstName = s.firstName;
        r.lastName = s.lastName;
        r.talks = s.talks;
        r.congregationNumber = s.congregationNumber;
        r.extensionNumber = s.extensionNumber;
        r.status = static_cast<std::uint8_t>(((s.flags >> 3) & brotherstatus::serviceMask) |
                                             (s.flags & brotherstatus::untilFurtherNotice));
    }
    r.brotherNumber = s.brotherNumber;
    slot_ = s.recordPosition;
    extension_ = {};
    if (r.extensionNumber != 0 && !doc_.readExtension(r.extensionNumber, r.brotherNumber, extension_))
        r.extensionNumber = 0;
    loaded_ = r;
    if (preset_ != 0) r.congregationNumber = static_cast<std::uint16_t>(preset_);
    record_ = r;
    showRecord();
}

void CBrotherEdit::showRecord() {
    setText(kFirst, record_.firstName);
    setText(kLast, record_.lastName);
    setText(kAddress1, record_.address1);
    setText(kAddress2, record_.address2);
    setText(kPhone, record_.phone);
    setText(kPhone2, extension_.phone2);
    setText(kPhone3, extension_.phone3);
    setText(kEmail, extension_.email);
    setText(kNotes, extension_.notes);
    const int service = record_.status & brotherstatus::serviceMask;
    setChecked(kElder, service == brotherstatus::elder);
    setChecked(kServant, service == brotherstatus::ministerialServant);
}

void CBrotherEdit::refreshButtons() {
    setText(kCongregation,
            word(sid::congregationWord) + " - " + doc_.congregationNameByNumber(record_.congregationNumber, false));
    setText(kTalks, word(sid::showChooseTalks) + " ( " + decimal(record_.talks.count()) + " )");
    int availability = sid::availableAlways;
    if (record_.status & brotherstatus::untilFurtherNotice)
        availability = sid::untilFurtherNotice;
    else if (!add_ && doc_.unavailableWeeks(record_.brotherNumber, 0, nullptr) > 0)
        availability = sid::clickUnavailableDays;
    setText(kAvailability, word(availability));
}

void CBrotherEdit::onCommand(int id) {
    switch (id) {
    case kSave:
        if (save()) endDialog(IDOK);
        return;
    case kPrevious:
        step(-1);
        return;
    case kNext:
        step(1);
        return;
    case kDelete:
        remove();
        return;
    case kElder:
        if (checked(kElder)) setChecked(kServant, false);
        return;
    case kServant:
        if (checked(kServant)) setChecked(kElder, false);
        return;
    case kCongregation:
        chooseCongregation();
        return;
    case kTalks:
        chooseTalks();
        return;
    case kAvailability:
        chooseUnavailability();
        return;
    default:
        Dialog::onCommand(id);
    }
}

// Only "&OK" (234) saves; the dialog's default OK does nothing.
void CBrotherEdit::onOK() {}

void CBrotherEdit::onEditChange(int id) {
    if (!isField(id)) return;
    acceptTypedText(control(id), host());
    if (id == kFirst || id == kLast) capitalise(id);
    if (id == kLast) limitNameLength();
}

void CBrotherEdit::onFocus(int id, bool gained) {
    if (id == kFirst && !gained) limitNameLength();
}

// Enter moves on to the next field instead of closing the form.
bool CBrotherEdit::onKey(int id, const KeyEvent& e) {
    if (e.key != Key::Return || !isField(id)) return false;
    if (id == kFirst) limitNameLength();
    const int* at = std::find(std::begin(kFields), std::end(kFields), id);
    const int* next = at + 1 == std::end(kFields) ? std::begin(kFields) : at + 1;
    setFocus(*next);
    return true;
}

// First and last name together may have at most 35 characters; beyond that
// the first name becomes its initial and a period.
void CBrotherEdit::limitNameLength() {
    std::string first = trimText(text(kFirst));
    std::string last = trimText(text(kLast));
    if (first.empty() || charCount(first) + charCount(last) <= kMaxFullName) return;
    setText(kFirst, leftChars(first, 1) + ".");
}

// Automatic capitals: a lower-case first letter a-z becomes upper case (the
// caret after it), and the name is cut to 14 characters (caret at the end).
void CBrotherEdit::capitalise(int id) {
    if (!doc_.autoCapitalsActive()) return;
    Control& edit = control(id);
    std::string t = edit.text();
    if (!t.empty() && t[0] >= 'a' && t[0] <= 'z') {
        t[0] = static_cast<char>(t[0] - 'a' + 'A');
        edit.setText(t);
        edit.setSelection(1, 1);
    }
    if (charCount(t) > kMaxCapitalisedName) {
        edit.setText(leftChars(t, kMaxCapitalisedName));
        edit.setSelection(static_cast<int>(kMaxCapitalisedName), static_cast<int>(kMaxCapitalisedName));
    }
}

bool CBrotherEdit::validate() {
    const std::string last = text(kLast);
    if (last.empty() || last.front() == ' ') {
        showMessage(word(sid::enterLastName), Buttons::Ok, 0, Icon::Warning);
        setFocus(kLast);
        return false;
    }
    if (!add_ && doc_.checkBrotherName(text(kFirst) + " " + last, false, static_cast<std::size_t>(row_)) != 0)
        return false;
    return true;
}

// Stores the form; false when the form is invalid or nothing was stored.
bool CBrotherEdit::save() {
    if (!validate()) return false;
    BrotherRecord r = record_;
    r.firstName = leftChars(text(kFirst), 18);
    r.lastName = leftChars(text(kLast), 18);
    r.address1 = leftChars(text(kAddress1), 40);
    r.address2 = leftChars(text(kAddress2), 40);
    r.phone = leftChars(text(kPhone), 14);
    BrotherExtensionRecord ext;
    ext.phone2 = leftChars(text(kPhone2), 14);
    ext.phone3 = leftChars(text(kPhone3), 14);
    ext.email = leftChars(text(kEmail), 45);
    ext.notes = leftChars(text(kNotes), 45);
    const int service = checked(kElder)     ? brotherstatus::elder
                        : checked(kServant) ? brotherstatus::ministerialServant
                                            : 0;
    r.status = static_cast<std::uint8_t>((r.status & ~brotherstatus::serviceMask) | service);
    const bool nameChanged = r.firstName != loaded_.firstName || r.lastName != loaded_.lastName;
    int previousCongregation = loaded_.congregationNumber;

    if (add_) {
        int match = doc_.checkBrotherName(r.firstName + " " + r.lastName, true, doc_.brothers.size());
        if (match < 0) return false; // the existing brother stays as he is; the form stays open
        if (match == 0) {
            if (doc_.addBrother(r, ext) == 0) return false;
            previousCongregation = r.congregationNumber;
        } else {
            previousCongregation = doc_.brothers[static_cast<std::size_t>(match - 1)].congregationNumber;
            doc_.replaceBrother(static_cast<std::size_t>(match - 1), r, ext);
        }
        created_ = true;
        doc_.sortBrothers();
        row_ = static_cast<int>(doc_.findBrother(r.brotherNumber));
        if (list_) {
            list_->refill();
            list_->selectRow(0);
        }
    } else {
        doc_.storeBrother(static_cast<std::size_t>(row_), slot_, r, ext);
        if (nameChanged) {
            doc_.sortBrothers();
            row_ = static_cast<int>(doc_.findBrother(r.brotherNumber));
            if (list_) {
                list_->refill();
                list_->selectRow(list_->listRowOf(row_));
            }
        }
    }
    if (r.congregationNumber != previousCongregation) doc_.moveIncomingTalks(r.brotherNumber, r.congregationNumber);
    record_ = r;
    loaded_ = r;
    extension_ = ext;
    doc_.dataChanged = 1;
    changed_ = true;
    return true;
}

void CBrotherEdit::step(int delta) {
    if (!list_) return;
    const int before = std::max(0, list_->listRowOf(row_));
    if (!save()) return;
    const int n = list_->rowCount();
    if (n == 0) return;
    int current = list_->listRowOf(row_);
    int next;
    if (current >= 0)
        next = wrapRow(current, delta, n);
    else
        next = delta > 0 ? std::min(before, n - 1) : wrapRow(before, -1, n); // he left the list
    list_->selectRow(next);
    row_ = list_->tableRowAt(next);
    load(row_);
    refreshButtons();
}

void CBrotherEdit::remove() {
    std::string question =
        substitute(word(sid::confirmDelete), doc_.brotherName(static_cast<std::size_t>(row_), false));
    if (showMessage(question, Buttons::YesNo, IDNO, Icon::Question) != IDYES) return;
    BrotherRecord buffer;
    doc_.deleteBrother(static_cast<std::size_t>(row_), buffer);
    if (list_) list_->refill();
    doc_.dataChanged = 1;
    changed_ = true;
    endDialog(IDOK);
}

void CBrotherEdit::chooseCongregation() {
    std::size_t current = doc_.findCongregation(record_.congregationNumber);
    CCongList picker(doc_, true, current == 0 ? 0 : static_cast<int>(current) - 1);
    if (runChild(picker) != IDOK) return;
    record_.congregationNumber = static_cast<std::uint16_t>(picker.chosenNumber());
    refreshButtons();
}

// The talk list works on a copy of his record (with the names as typed, for
// its caption); OK takes the copy's talk set back.
void CBrotherEdit::chooseTalks() {
    BrotherRecord copy = record_;
    copy.firstName = text(kFirst);
    copy.lastName = text(kLast);
    TalkListOptions options;
    options.mode = TalkListMode::brotherTalks;
    options.brother = copy;
    CTalkList talks(doc_, options);
    if (runChild(talks) != IDOK) return;
    record_.talks = talks.brother().talks;
    refreshButtons();
}

// His not-available weeks and mark; the mark the dialog hands back is the
// form's mark from now on.
void CBrotherEdit::chooseUnavailability() {
    const bool marked = record_.status & brotherstatus::untilFurtherNotice;
    CUnavailableWeeks weeks(doc_, record_.brotherNumber, marked, false);
    runChild(weeks);
    if (weeks.untilFurtherNotice())
        record_.status |= brotherstatus::untilFurtherNotice;
    else
        record_.status &= static_cast<std::uint8_t>(~brotherstatus::untilFurtherNotice);
    refreshButtons();
}

} // namespace orvek
