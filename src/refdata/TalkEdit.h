#pragma once

#include <vector>

#include "platform/Dialog.h"
#include "store/Records.h"

namespace orvek {

class COvDoc;

// The talk form (dialog 145): number text, title and topics of one talk, and
// the weeks in which it was given here. It steps through the rows of the
// talk list that opened it.
class CTalkEdit : public Dialog {
public:
    // talkRows: the talk rows of the talk list in list order; position: the
    // list position of the talk to open.
    CTalkEdit(COvDoc& doc, std::vector<int> talkRows, int position);
    // The list position of the talk shown when the form closed.
    int position() const { return position_; }
    // Whether any talk was stored.
    bool stored() const { return stored_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onSelectionChange(int id) override;

private:
    void load(int position);
    // Takes the fields over into the talk row; false (with a message) when
    // they cannot be stored.
    bool store();
    void step(int delta);
    void showTopicView(bool choosing);
    void fillTopicLists();
    // The topics chosen in the selection view go to the talk's slots.
    void takeTopicSelection();
    void fillHistory();
    void editTopics();
    int talkRow() const;

    COvDoc& doc_;
    std::vector<int> talkRows_;
    int position_;
    bool stored_ = false;
    bool choosing_ = false; // the selection view of the topics is shown
    TalkRecord work_;       // the talk being edited
};

} // namespace orvek
