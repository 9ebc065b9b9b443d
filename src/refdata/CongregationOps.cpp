// Document operations on congregations: adding into the first free slot,
// replacing, storing, deleting with the cascade into brothers and weeks.

#include <algorithm>

#include "store/Document.h"

namespace orvek {

void COvDoc::rebuildCongregationRow(std::size_t row, const CongregationRecord& r, int slot) {
    if (row >= congregations.size()) return;
    congregations[row] = CongregationSummary::fromRecord(r, static_cast<std::uint16_t>(slot));
    if (r.congregationNumber == settings.ownCongregationNumber) setOwnMeetingDays(congregations[row]);
}

int COvDoc::addCongregation(CongregationRecord& r) {
    if (!roomFor(congregations.size(), congregationsCapacity)) return 0;
    int slot = congregations.empty() ? 1 : firstFreeSlot(congregations, congRecordsInFile);
    r.congregationNumber = static_cast<std::uint16_t>(slot);
    writeCongregation(slot, r);
    congregations.push_back(CongregationSummary::fromRecord(r, static_cast<std::uint16_t>(slot)));
    if (slot == settings.ownCongregationNumber) setOwnMeetingDays(congregations.back());
    return slot;
}

bool COvDoc::replaceCongregation(std::size_t row, CongregationRecord& r) {
    if (row >= congregations.size()) return false;
    r.congregationNumber = congregations[row].congregationNumber;
    int slot = congregations[row].recordPosition;
    bool ok = writeCongregation(slot, r);
    rebuildCongregationRow(row, r, slot);
    return ok;
}

bool COvDoc::storeCongregation(std::size_t row, int slot, const CongregationRecord& r) {
    bool ok = writeCongregation(slot, r);
    rebuildCongregationRow(row, r, slot);
    return ok;
}

bool COvDoc::deleteCongregation(std::size_t row, CongregationRecord& buffer) {
    if (row >= congregations.size()) return false;
    const int number = congregations[row].congregationNumber;
    const int slot = congregations[row].recordPosition;
    bool ok = true;
    // Brothers of the congregation are left without one.
    for (std::size_t b = 0; b < brothers.size(); ++b) {
        if (brothers[b].congregationNumber != number) continue;
        BrotherRecord rec;
        if (int pos = readBrother(b, rec)) {
            rec.congregationNumber = 0;
            ok = writeBrother(pos, rec) && ok;
        }
        brothers[b].congregationNumber = 0;
    }
    // Every week forgets the congregation.
    auto clear = [number](WeekRecord& w) {
        if (w.inSpeakerCongregation == number) w.inSpeakerCongregation = 0;
        for (auto& c : w.outCongregation)
            if (c == number) c = 0;
    };
    for (auto& w : weeks) clear(w);
    for (auto& w : weeksOutsideWindow_) clear(w);
    ok = saveWeeks() && ok;
    buffer = CongregationRecord{};
    ok = writeCongregation(slot, buffer) && ok;
    congregations.erase(congregations.begin() + static_cast<std::ptrdiff_t>(row));
    // The freed number goes to the next new congregation, which must not
    // silently become the own one.
    if (number == settings.ownCongregationNumber) {
        settings.ownCongregationNumber = 0;
        ok = saveOwnCongregation() && ok;
        buildLocalBrothers();
    }
    return ok;
}

int COvDoc::countSpeakersForTalk(std::size_t row, int talkNumber) const {
    if (row >= congregations.size()) return 0;
    int number = congregations[row].congregationNumber;
    int n = 0;
    for (std::size_t b = 0; b < brothers.size(); ++b)
        if (brothers[b].congregationNumber == number && brotherGivesTalk(b, talkNumber)) ++n;
    return n;
}

int COvDoc::lastVisitFromCongregation(int congregationNumber) const {
    if (congregationNumber == 0) return 0;
    int from = std::min(firstShownWeek + 26, baseWeek + kWindowWeeks - 1);
    for (int x = from; x >= baseWeek + 1; --x)
        if (weekRecord(x).inSpeakerCongregation == congregationNumber) return x + 1;
    return 0;
}

} // namespace orvek
