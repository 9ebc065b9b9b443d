// Document operations on brothers: adding, replacing and storing with the
// extension contacts, deleting and moving with their cascades.

#include <algorithm>

#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Bytes.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
bool lengthAtLeast(const std::string& s, std::size_t n) { return charCount(trimText(s)) >= n; }
} // namespace

int COvDoc::addBrother(BrotherRecord& r, BrotherExtensionRecord& ext) {
    if (!roomFor(brothers.size(), brothersCapacity)) return 0;
    int slot = brothers.empty() ? 1 : firstFreeSlot(brothers, speakersRecordsInFile);
    r.brotherNumber = static_cast<std::uint16_t>(slot);
    r.extensionNumber = 0;
    if (ext.hasText()) {
        ext.ownerBrotherNumber = r.brotherNumber;
        r.extensionNumber = static_cast<std::uint16_t>(storeExtension(ext));
    }
    writeBrother(slot, r);
    brothers.push_back(BrotherSummary::fromRecord(r, static_cast<std::uint16_t>(slot)));
    return slot;
}

bool COvDoc::replaceBrother(std::size_t row, BrotherRecord& r, BrotherExtensionRecord& ext) {
    BrotherRecord existing;
    int slot = readBrother(row, existing);
    if (slot == 0) return addBrother(r, ext) != 0;
    r.brotherNumber = existing.brotherNumber;
    r.extensionNumber = existing.extensionNumber;
    // An extension record that is not his (a damaged reference) is left to
    // its owner.
    BrotherExtensionRecord current;
    if (r.extensionNumber != 0 && !readExtension(r.extensionNumber, r.brotherNumber, current)) r.extensionNumber = 0;
    if (ext.hasText()) {
        ext.ownerBrotherNumber = r.brotherNumber;
        if (r.extensionNumber == 0 || rewriteExtension(r.extensionNumber, ext) == 0)
            r.extensionNumber = static_cast<std::uint16_t>(storeExtension(ext));
    } else {
        if (r.extensionNumber) freeExtension(r.extensionNumber, r.brotherNumber);
        r.extensionNumber = 0;
    }
    bool ok = writeBrother(slot, r);
    brothers[row] = BrotherSummary::fromRecord(r, static_cast<std::uint16_t>(slot));
    return ok;
}

bool COvDoc::storeBrother(std::size_t row, int slot, BrotherRecord& r, BrotherExtensionRecord& ext) {
    if (row >= brothers.size()) return false;
    ext.ownerBrotherNumber = r.brotherNumber;
    if (r.extensionNumber != 0) {
        if (ext.hasText()) {
            r.extensionNumber = static_cast<std::uint16_t>(rewriteExtension(r.extensionNumber, ext) ? r.extensionNumber
                                                                                                    : storeExtension(ext));
        } else {
            freeExtension(r.extensionNumber, r.brotherNumber);
            r.extensionNumber = 0;
        }
    } else if (ext.hasText()) {
        r.extensionNumber = static_cast<std::uint16_t>(storeExtension(ext));
    }
    bool ok = writeBrother(slot, r);
    brothers[row] = BrotherSummary::fromRecord(r, static_cast<std::uint16_t>(slot));
    return ok;
}

bool COvDoc::clearCongregationRoles(std::size_t c, int number) {
    CongregationSummary& s = congregations[c];
    if (s.coordinatorBrother != number && s.talkCoordinatorBrother != number && s.secretaryBrother != number)
        return true;
    bool ok = true;
    CongregationRecord rec;
    if (int pos = readCongregation(c, rec)) {
        for (auto* field : {&rec.coordinatorBrother, &rec.talkCoordinatorBrother, &rec.secretaryBrother})
            if (*field == number) *field = 0;
        ok = writeCongregation(pos, rec);
    }
    for (auto* field : {&s.coordinatorBrother, &s.talkCoordinatorBrother, &s.secretaryBrother})
        if (*field == number) *field = 0;
    return ok;
}

void COvDoc::clearBrotherFromWeeks(int number) {
    auto clear = [number](WeekRecord& w) {
        if (w.chairman == number) w.chairman = 0;
        if (w.inSpeaker == number) w.inSpeaker = 0;
        if (w.reader == number) w.reader = 0;
        for (auto& s : w.outSpeaker)
            if (s == number) s = 0;
    };
    for (auto& w : weeks) clear(w);
    for (auto& w : weeksOutsideWindow_) clear(w);
}

bool COvDoc::deleteBrother(std::size_t row, BrotherRecord& buffer) {
    if (row >= brothers.size()) return false;
    const int number = brothers[row].brotherNumber;
    const int slot = brothers[row].recordPosition;
    bool ok = true;
    // He holds no role in any congregation any more.
    for (std::size_t c = 0; c < congregations.size(); ++c) ok = clearCongregationRoles(c, number) && ok;
    if (brothers[row].extensionNumber) freeExtension(brothers[row].extensionNumber, number);
    bool hadWeeks = false;
    for (auto& u : unavailability) {
        if (u.brotherNumber == number) {
            u = UnavailabilityRecord{};
            hadWeeks = true;
        }
    }
    if (hadWeeks) {
        unavailabilityChanged = true;
        ok = saveUnavailability() && ok;
    }
    clearBrotherFromWeeks(number);
    ok = saveWeeks() && ok;
    buffer = BrotherRecord{};
    ok = writeBrother(slot, buffer) && ok;
    brothers.erase(brothers.begin() + static_cast<std::ptrdiff_t>(row));
    return ok;
}

bool COvDoc::moveIncomingTalks(int brotherNumber, int congregationNumber) {
    for (auto& w : weeks)
        if (w.inSpeaker == brotherNumber) w.inSpeakerCongregation = static_cast<std::uint16_t>(congregationNumber);
    return saveWeeks();
}

bool COvDoc::moveBrother(std::size_t row, int congregationNumber, bool ask) {
    if (row >= brothers.size()) return false;
    BrotherSummary& b = brothers[row];
    const int number = b.brotherNumber;
    const int old = b.congregationNumber;
    if (ask && old != 0) {
        std::string text = substitute(stringText(sid::moveBrotherQuestion), brotherName(row, false),
                                      congregationNameByNumber(old, false));
        if (!host().askYesNo(text, false)) return false;
    }
    bool ok = true;
    if (std::size_t c = findCongregation(old)) ok = clearCongregationRoles(c - 1, number);
    BrotherRecord rec;
    if (int pos = readBrother(row, rec)) {
        rec.congregationNumber = static_cast<std::uint16_t>(congregationNumber);
        ok = writeBrother(pos, rec) && ok;
    }
    b.congregationNumber = static_cast<std::uint16_t>(congregationNumber);
    return moveIncomingTalks(number, congregationNumber) && ok;
}

bool COvDoc::brotherGivesTalk(std::size_t row, int talkNumber) const {
    if (row >= brothers.size()) return false;
    return talkNumber == 0 ? brothers[row].talks.any() : brothers[row].talks.has(talkNumber);
}

std::string COvDoc::brotherNotes(std::size_t row) {
    if (row >= brothers.size() || brothers[row].extensionNumber == 0) return {};
    BrotherExtensionRecord ext;
    if (!readExtension(brothers[row].extensionNumber, brothers[row].brotherNumber, ext)) return {};
    return trimText(ext.notes).empty() ? std::string() : ext.notes;
}

int COvDoc::brotherAddressLines(int brotherNumber, std::string out[2]) {
    out[0].clear();
    out[1].clear();
    std::size_t row = findBrother(brotherNumber);
    BrotherRecord r;
    if (row == kNotFound || !readBrother(row, r)) return 0;
    int n = 0;
    for (const std::string* line : {&r.address1, &r.address2})
        if (lengthAtLeast(*line, 4)) out[n++] = *line;
    return n;
}

int COvDoc::brotherContacts(int brotherNumber, std::string out[4]) {
    for (int i = 0; i < 4; ++i) out[i].clear();
    std::size_t row = findBrother(brotherNumber);
    BrotherRecord r;
    if (row == kNotFound || !readBrother(row, r)) return 0;
    BrotherExtensionRecord ext;
    readExtension(r.extensionNumber, r.brotherNumber, ext);
    int n = 0;
    for (const std::string* phone : {&r.phone, &ext.phone2, &ext.phone3})
        if (lengthAtLeast(*phone, 6)) out[n++] = *phone;
    if (lengthAtLeast(ext.email, 7)) out[3] = ext.email;
    return n;
}

int COvDoc::nearestOutgoingWeek(int brotherNumber, int weekIndex) const {
    if (brotherNumber == 0 || weekIndex < baseWeek + 8) return 0;
    for (int d = 0; d <= 7; ++d) {
        for (int x : {weekIndex - d, weekIndex + d}) {
            WeekRecord w = weekRecord(x);
            if (std::find(w.outSpeaker.begin(), w.outSpeaker.end(), brotherNumber) != w.outSpeaker.end()) return x;
        }
    }
    return 0;
}

} // namespace orvek
