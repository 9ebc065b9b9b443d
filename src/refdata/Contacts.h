#pragma once

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
    COvDoc& doc_;
    int brotherNumber_;
    int congregationNumber_;
};

} // namespace orvek
