#pragma once

#include <vector>

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The weeks in which a brother is not available (dialog 154).
//
// Check box 1172 shows the brother's until-further-notice mark: the stored
// mark of a brother the document knows, else the mark passed in (a brother
// not stored yet). OK stores the weeks selected or cleared and, for a known
// brother, the mark in his record and summary row, so that the mark can be
// managed wherever the dialog is opened. In viewOnly mode nothing changes.
class CUnavailableWeeks : public Dialog {
public:
    CUnavailableWeeks(COvDoc& doc, int brotherNumber, bool untilFurtherNotice, bool viewOnly);
    // The state of check box 1172 ("Ei käytettävissä toistaiseksi") when the dialog closed.
    bool untilFurtherNotice() const { return untilFurtherNotice_; }

protected:
    void onInit() override;
    void onOK() override;
    void onSelectionChange(int id) override;

    COvDoc& doc_;
    int brotherNumber_;
    bool untilFurtherNotice_;
    bool viewOnly_;

private:
    void showCount();
    bool storeMark(bool on);

    std::vector<bool> initiallySelected_;
};

} // namespace orvek
