#include "refdata/Contacts.h"

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kAction = 286;
constexpr int kSpeakerWord = 1036; // "Puhuja"
constexpr int kCopyText = 1137;    // "Kopioi %1"
constexpr int kDialText = 1241;    // "Soita %1"
// A number is offered for dialling when it has fewer than 16 characters as
// stored and more than 6 without the blanks around it.
constexpr std::size_t kDialMaxChars = 15, kDialMinChars = 7;
// An e-mail address is shown with more than 5 characters and copied with
// more than 3 and an "@".
constexpr std::size_t kShownEmailChars = 6, kCopiedEmailChars = 4;

// The group of each person: its box, phone fields and e-mail field.
struct Group {
    int box;
    std::array<int, 3> phones;
    int email;
};
constexpr Group kUpper{1110, {103, 117, 118}, 119}, kLower{1111, {106, 107, 108}, 120};

std::string str(int id) { return std::string(stringText(id)); }
} // namespace

CContacts::CContacts(COvDoc& doc, int brotherNumber, int congregationNumber)
    : Dialog(172), doc_(doc), brotherNumber_(brotherNumber), congregationNumber_(congregationNumber) {}

bool CContacts::readPerson(int brotherNumber, Person& out) {
    std::size_t row = doc_.findBrother(brotherNumber);
    if (row == kNotFound) return false;
    out.name = doc_.brotherName(row, false);
    std::string texts[4];
    doc_.brotherContacts(brotherNumber, texts);
    for (std::size_t i = 0; i < 4; ++i) out.texts[i] = texts[i];
    return true;
}

void CContacts::showPerson(int box, const std::array<int, 3>& phones, int email, const std::string& title,
                           const Person& p) {
    setText(box, " " + title + " - " + p.name + " ");
    for (std::size_t i = 0; i < 3; ++i) setText(phones[i], p.texts[i]);
    if (charCount(trimText(p.texts[3])) >= kShownEmailChars) setText(email, p.texts[3]);
}

void CContacts::onInit() {
    int congregation = congregationNumber_;
    if (readPerson(brotherNumber_, speaker_)) {
        if (congregation == 0) congregation = doc_.brothers[doc_.findBrother(brotherNumber_)].congregationNumber;
        showPerson(kLower.box, kLower.phones, kLower.email, str(kSpeakerWord), speaker_);
    }
    if (doc_.findCongregation(congregation) != 0) {
        setCaption(doc_.congregationNameByNumber(congregation, false));
        if (readPerson(doc_.contactOfCongregation(congregation), coordinator_))
            showPerson(kUpper.box, kUpper.phones, kUpper.email, str(sid::contactsCoordinatorCaption),
                       coordinator_);
    }
}

void CContacts::offer(Action action, const std::string& text, const std::string& party) {
    action_ = action;
    actionText_ = text;
    actionParty_ = party;
    if (action == Action::None) {
        show(kAction, false);
        return;
    }
    setText(kAction, substitute(str(action == Action::Dial ? kDialText : kCopyText), text));
    show(kAction);
}

// The field that gets the focus decides what button 286 does. Other controls
// (the button itself among them) leave it as it is.
void CContacts::onFocus(int id, bool gained) {
    if (!gained) return;
    for (const auto* g : {&kUpper, &kLower}) {
        const Person& person = g == &kUpper ? coordinator_ : speaker_;
        for (int phone : g->phones) {
            if (id != phone) continue;
            const std::string& number = text(id);
            std::string trimmed = trimText(number);
            bool valid = charCount(number) <= kDialMaxChars && charCount(trimmed) >= kDialMinChars;
            if (doc_.settings.dialEnabled && valid) offer(Action::Dial, trimmed, person.name);
            else offer(Action::None, {}, {});
            return;
        }
        if (id == g->email) {
            std::string address = trimText(text(id));
            if (charCount(address) >= kCopiedEmailChars && address.find('@') != std::string::npos)
                offer(Action::Copy, address, person.name);
            else offer(Action::None, {}, {});
            return;
        }
    }
}

void CContacts::onCommand(int id) {
    if (id != kAction) {
        Dialog::onCommand(id);
        return;
    }
    if (action_ == Action::Copy) {
        if (host().setClipboardText(actionText_)) placedOnClipboard_ = true;
    } else if (action_ == Action::Dial && doc_.settings.dialEnabled) {
        if (!host().dial(actionText_, actionParty_))
            showMessage(str(sid::dialFailed), Buttons::Ok, IDOK, Icon::Warning);
    }
}

// A copied address is for pasting while the dialog is open: the clipboard is
// emptied as the dialog closes.
void CContacts::onCancel() {
    if (placedOnClipboard_) host().emptyClipboard();
    endDialog(IDCANCEL);
}

} // namespace orvek
