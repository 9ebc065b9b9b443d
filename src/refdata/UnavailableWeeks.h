#pragma once

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The weeks in which a brother is not available (dialog 154).
class CUnavailableWeeks : public Dialog {
public:
    CUnavailableWeeks(COvDoc& doc, int brotherNumber, bool untilFurtherNotice, bool viewOnly);
    // The state of check box 1172 ("Ei käytettävissä toistaiseksi") when the dialog closed.
    bool untilFurtherNotice() const { return untilFurtherNotice_; }

protected:
    COvDoc& doc_;
    int brotherNumber_;
    bool untilFurtherNotice_;
    bool viewOnly_;
};

} // namespace orvek
