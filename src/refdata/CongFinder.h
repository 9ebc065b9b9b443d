#pragma once

#include <functional>

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The congregations that can provide a talk for a week (dialog 164), by
// circuit, each with its last visit; opened by the local-talks page.
class CCongFinder : public Dialog {
public:
    // Picks a speaker of a congregation (table row) for the week and talk;
    // returns his brotherNumber, or 0 when none was picked.
    using SpeakerPicker = std::function<int(int congregationRow, int weekIndex, int talkNumber)>;

    // talkNumber 0 = any talk. Without a speaker picker the "Poimi puhuja"
    // button stays hidden.
    CCongFinder(COvDoc& doc, int weekIndex, int talkNumber = 0, SpeakerPicker pickSpeaker = {});

    // After IDOK: the chosen congregation's table row.
    int chosenRow() const { return chosenRow_; }
    // The speaker written into the week by the speaker picker (0 = none).
    int pickedSpeaker() const { return pickedSpeaker_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onSelectionChange(int id) override;
    void onDoubleClick(int id) override;

private:
    void fill();
    void confirm();
    void pickSpeaker();
    int selectedCongregation() const;

    COvDoc& doc_;
    int weekIndex_;
    int talkNumber_;
    SpeakerPicker pickSpeaker_;
    int chosenRow_ = -1;
    int pickedSpeaker_ = 0;
};

} // namespace orvek
