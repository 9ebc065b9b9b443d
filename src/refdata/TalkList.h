#pragma once

#include <optional>

#include "platform/Dialog.h"
#include "store/Records.h"

namespace orvek {

class COvDoc;

enum class TalkListMode {
    talkEdit,     // edit the talk outlines (command 32782)
    brotherTalks, // show and change the talks a brother gives
    picker,       // pick a talk (scheduling pages, history editor)
};

struct TalkListOptions {
    TalkListMode mode = TalkListMode::talkEdit;
    // Picker kind: 1 pick one talk; 2 pick one of the brother's talks, with
    // the option of editing his talk set first.
    int pickerKind = 1;
    // The brother (brotherTalks and picker modes): a copy of his record.
    std::optional<BrotherRecord> brother;
    // Picker: the preselected talk as its talk row + 1 (0 = none).
    int preselectedTalkRow = 0;
    // Picker without a brother: every talk with a title is listed and this
    // 1-based list position is selected.
    int startPosition = 0;
};

// The talk list (dialog 141).
class CTalkList : public Dialog {
public:
    CTalkList(COvDoc& doc, TalkListOptions options);
    // The brother's record copy with the edited talk set (after IDOK).
    const BrotherRecord& brother() const { return brother_; }
    // Picker: the talk row chosen (0..255), -1 when none.
    int chosenTalkRow() const { return chosenTalkRow_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onSelectionChange(int id) override;
    void onDoubleClick(int id) override;
    void onMouse(int id, const MouseEvent& e) override;

    COvDoc& doc_;
    TalkListOptions options_;
    BrotherRecord brother_;
    int chosenTalkRow_ = -1;

private:
    bool hasBrother() const { return options_.brother.has_value(); }
    // The talk-set view can be opened (brother mode, or a kind-2 picker for a brother).
    bool editsSet() const;
    void fill();
    void selectTalkRow(int talkRow);
    void openSetView();
    void closeSetView();
    void takeSetSelection();
    void showCounts();
    void showCaption();
    void addNewTalk();
    void openTalkForm();
    void pickSelected();

    BrotherRecord original_;  // the brother as given
    bool setView_ = false;    // list 1019 is shown
    bool offerFree_ = false;  // talkEdit: the free numbers are listed too
};

} // namespace orvek
