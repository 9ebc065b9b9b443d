#pragma once

#include <array>
#include <string>

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The telephones and e-mail addresses of a speaker and of his congregation's
// talk coordinator (dialog 172): dials a number or copies an address.
class CContacts : public Dialog {
public:
    // congregationNumber 0 = the speaker's congregation.
    CContacts(COvDoc& doc, int brotherNumber, int congregationNumber);

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onFocus(int id, bool gained) override;
    void onCancel() override;

    COvDoc& doc_;
    int brotherNumber_;
    int congregationNumber_;

private:
    struct Person {
        std::string name;                 // first name first
        std::array<std::string, 4> texts; // packed phones, then the e-mail address
    };
    enum class Action { None, Dial, Copy };

    bool readPerson(int brotherNumber, Person& out);
    // Fills the group box `box` (its caption, phone fields and e-mail field).
    void showPerson(int box, const std::array<int, 3>& phones, int email, const std::string& title,
                    const Person& p);
    void offer(Action action, const std::string& text, const std::string& party);

    Person coordinator_;
    Person speaker_;
    Action action_ = Action::None;
    std::string actionText_;  // the number to dial or the address to copy
    std::string actionParty_; // the called party
    bool placedOnClipboard_ = false;
};

} // namespace orvek
