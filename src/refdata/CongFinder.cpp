#include "refdata/CongFinder.h"

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kCircuits = 1038, kList = 1097, kPickSpeaker = 1098;
std::string word(int id) { return std::string(stringText(id)); }
} // namespace

CCongFinder::CCongFinder(COvDoc& doc, int weekIndex, int talkNumber, SpeakerPicker pickSpeaker)
    : Dialog(164), doc_(doc), weekIndex_(weekIndex), talkNumber_(talkNumber), pickSpeaker_(std::move(pickSpeaker)) {}

void CCongFinder::onInit() {
    std::string caption = doc_.weekDateText(weekIndex_ + 1, 2);
    if (talkNumber_ != 0) caption += " - " + word(sid::talkWord) + " " + doc_.talkNumberText(talkNumber_);
    setCaption(caption);
    Control& circuits = control(kCircuits);
    circuits.clear();
    circuits.addItem(word(sid::allCircuits), 0);
    for (const CircuitRecord& c : doc_.circuits) circuits.addItem(c.name, c.circuitNumber);
    circuits.setSelectedRow(0);
    fill();
    setFocus(kList);
}

// One row per congregation of the chosen circuit with at least one brother
// who gives the talk: the count, and the congregation's last visit here
// (speaker, his talk, date).
void CCongFinder::fill() {
    const Control& circuits = control(kCircuits);
    const int circuit = circuits.selectedRow() > 0 ? static_cast<int>(circuits.itemData(circuits.selectedRow())) : 0;
    Control& list = control(kList);
    list.clear();
    for (std::size_t row = 0; row < doc_.congregations.size(); ++row) {
        const CongregationSummary& c = doc_.congregations[row];
        if (circuit != 0 && c.circuitNumber != circuit) continue;
        int speakers = doc_.countSpeakersForTalk(row, talkNumber_);
        if (speakers == 0) continue;
        std::string t = c.name + " ( " + decimal(speakers) + " ) \t";
        if (int visit = doc_.lastVisitFromCongregation(c.congregationNumber)) {
            WeekRecord w = doc_.weekRecord(visit - 1);
            t += doc_.brotherNameByNumber(w.inSpeaker, false);
            if (w.inTalk != 0) t += " ( " + doc_.talkNumberText(w.inTalk) + " ) ";
            t += "\t" + doc_.weekDateText(visit, 10);
        }
        list.addItem(std::move(t), static_cast<std::intptr_t>(row));
    }
    show(kPickSpeaker, false);
}

int CCongFinder::selectedCongregation() const {
    const Control& list = control(kList);
    return list.selectedRow() >= 0 ? static_cast<int>(list.itemData(list.selectedRow())) : -1;
}

void CCongFinder::onSelectionChange(int id) {
    if (id == kCircuits) {
        fill();
    } else if (id == kList) {
        const int row = selectedCongregation();
        if (row >= 0)
            setText(kPickSpeaker,
                    word(sid::pickSpeakerOf) + doc_.congregationName(static_cast<std::size_t>(row), false));
        show(kPickSpeaker, row >= 0 && pickSpeaker_ != nullptr);
    }
}

void CCongFinder::onDoubleClick(int id) {
    if (id == kList) confirm();
}

void CCongFinder::onCommand(int id) {
    if (id == IDOK)
        confirm();
    else if (id == kPickSpeaker)
        pickSpeaker();
    else
        Dialog::onCommand(id);
}

void CCongFinder::confirm() {
    chosenRow_ = selectedCongregation();
    endDialog(chosenRow_ >= 0 ? IDOK : IDCANCEL);
}

// The speaker picked for the congregation becomes the week's incoming speaker.
void CCongFinder::pickSpeaker() {
    const int row = selectedCongregation();
    if (row < 0 || !pickSpeaker_) return;
    const int brother = pickSpeaker_(row, weekIndex_, talkNumber_);
    if (brother == 0) return;
    WeekRecord w = doc_.weekRecord(weekIndex_);
    w.inSpeaker = static_cast<std::uint16_t>(brother);
    doc_.putWeek(w, weekIndex_);
    pickedSpeaker_ = brother;
    chosenRow_ = row;
    endDialog(IDOK);
}

} // namespace orvek
