#include "refdata/CircuitList.h"

#include "refdata/StorableText.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kList = 1024, kName = 244, kAdd = 1026;
constexpr int kCancelText = 1260;          // "Peruuta"
constexpr int kHospitalityCaption = 1192;  // "Vieraanvaraisuus"
constexpr int kNotTyping = -1, kNewEntry = -2;
} // namespace

CCircuitList::CCircuitList(COvDoc& doc, bool hospitalityMode, int preselection)
    : Dialog(144), doc_(doc), hospitalityMode_(hospitalityMode), preselection_(preselection) {}

std::size_t CCircuitList::rowCount() const { return hospitalityMode_ ? doc_.hosts.size() : doc_.circuits.size(); }

std::string CCircuitList::storedName(std::size_t row) const {
    return hospitalityMode_ ? doc_.hostName(row, true) : doc_.circuitName(row);
}

int CCircuitList::keyOf(std::size_t row) const {
    if (row >= rowCount()) return 0;
    return hospitalityMode_ ? doc_.hosts[row].hospitalityNumber : doc_.circuits[row].circuitNumber;
}

void CCircuitList::onInit() {
    if (hospitalityMode_) {
        setCaption(std::string(stringText(kHospitalityCaption)));
        setText(kAdd, std::string(stringText(sid::addHostButton)));
    }
    if (pickerMode()) setText(IDCANCEL, std::string(stringText(kCancelText)));
    else show(IDOK, false); // shown while an entry is typed
    fill();
    if (preselection_ > 0 && preselection_ <= control(kList).count()) {
        control(kList).setSelectedRow(preselection_ - 1);
        control(kList).setTopRow(preselection_ - 1);
    }
    setFocus(kList);
}

// The stored names in table order ("~" of a host included); item data = row.
void CCircuitList::fill() {
    Control& list = control(kList);
    list.clear();
    for (std::size_t i = 0; i < rowCount(); ++i) list.addItem(storedName(i), static_cast<std::intptr_t>(i));
}

void CCircuitList::startTyping(int entry, const std::string& name) {
    editing_ = entry;
    setText(kName, name);
    show(kName);
    show(kAdd, false);
    show(IDOK);
    setFocus(kName);
}

void CCircuitList::endTyping() {
    editing_ = kNotTyping;
    setText(kName, "");
    show(kName, false);
    show(kAdd);
    if (!pickerMode()) show(IDOK, false);
    setFocus(kList);
}

void CCircuitList::onSelectionChange(int id) {
    if (id != kList || pickerMode()) return; // a picker only selects
    int row = control(kList).selectedRow();
    if (row < 0) return;
    startTyping(row, storedName(static_cast<std::size_t>(row)));
}

void CCircuitList::onDoubleClick(int id) {
    if (id == kList && pickerMode()) pick();
}

bool CCircuitList::onKey(int id, const KeyEvent& e) {
    // Escape in the name field gives the entry up without closing the list.
    if (id == kName && e.key == Key::Escape && editing_ != kNotTyping) {
        endTyping();
        return true;
    }
    return false;
}

void CCircuitList::onCommand(int id) {
    switch (id) {
    case kAdd: startTyping(kNewEntry, ""); return;
    case IDOK:
        if (editing_ != kNotTyping) commitTyping();
        else if (pickerMode()) pick();
        return;
    default: Dialog::onCommand(id);
    }
}

void CCircuitList::pick() {
    int row = control(kList).selectedRow();
    if (row < 0) {
        endDialog(IDCANCEL);
        return;
    }
    chosenKey_ = keyOf(static_cast<std::size_t>(row));
    endDialog(IDOK);
}

void CCircuitList::commitTyping() {
    std::string name = trimText(text(kName));
    // A host's "~" stays in front of the name, with no blanks between them.
    if (hospitalityMode_ && !name.empty() && name[0] == '~') {
        std::string rest = trimText(name.substr(1));
        if (rest.empty()) {
            showMessage(std::string(stringText(sid::nameAfterTilde)), Buttons::Ok, IDOK, Icon::Warning);
            setFocus(kName);
            return;
        }
        name = "~" + rest;
    }
    if (!name.empty() && !acceptStorableText(host(), name)) {
        setFocus(kName);
        return;
    }
    int added = 0;
    bool changed = false;
    if (editing_ == kNewEntry) {
        if (!name.empty()) {
            if (hospitalityMode_) {
                HospitalityRecord r;
                r.name = name;
                added = doc_.addHost(r);
            } else {
                CircuitRecord r;
                r.name = name;
                added = doc_.addCircuit(r);
            }
            changed = added != 0;
        }
    } else if (editing_ >= 0 && static_cast<std::size_t>(editing_) < rowCount()) {
        auto row = static_cast<std::size_t>(editing_);
        if (name.empty()) {
            if (hospitalityMode_) doc_.deleteHost(row);
            else doc_.deleteCircuit(row);
            changed = true;
        } else {
            int clash =
                hospitalityMode_ ? doc_.checkHostName(name, false, row) : doc_.checkCircuitName(name, false, row);
            if (clash == 0) {
                // The working record keeps its key: whatever points to it shows the new name.
                if (hospitalityMode_) doc_.hosts[row].name = name;
                else doc_.circuits[row].name = name;
                changed = true;
            }
        }
    }
    if (hospitalityMode_) {
        doc_.sortHosts();
        doc_.saveHospitality();
    } else {
        doc_.sortCircuits();
        doc_.saveCircuits();
    }
    if (changed) doc_.dataChanged = 1;
    endTyping();
    fill();
    // A picker offers the entry just added for picking.
    if (pickerMode() && added != 0) {
        for (std::size_t i = 0; i < rowCount(); ++i)
            if (keyOf(i) == added) control(kList).setSelectedRow(static_cast<int>(i));
    }
}

} // namespace orvek
