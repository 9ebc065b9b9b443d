#include "refdata/OwnCong.h"

#include "refdata/CircuitList.h"
#include "refdata/CongEdit.h"
#include "refdata/CongList.h"
#include "refdata/LocalRoles.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kChoose = 5, kForm = 6, kOutgoing = 1037, kChairmen = 1035, kReaders = 1036, kHosts = 1038, kExport = 7;
std::string word(int id) { return std::string(stringText(id)); }
} // namespace

COwnCong::COwnCong(COvDoc& doc, Exporter exportCongregation)
    : Dialog(147), doc_(doc), export_(std::move(exportCongregation)) {}

void COwnCong::onInit() {
    refresh();
    setFocus(kChoose);
}

void COwnCong::refresh() {
    const std::size_t own = doc_.findCongregation(doc_.settings.ownCongregationNumber);
    const bool chosen = own != 0;
    setCaption(chosen ? doc_.congregationName(own - 1, false) : dialogTemplate().caption);
    setText(kChoose, substitute(word(chosen ? sid::changeX : sid::chooseX), word(sid::congregationWord)));
    for (int id : {kForm, kOutgoing, kChairmen, kReaders, kHosts}) enable(id, chosen);
    enable(kExport, chosen && export_ != nullptr);
    auto counted = [](int caption, long long n) { return word(caption) + "  ( " + decimal(n) + " )"; };
    setText(kOutgoing, counted(sid::outgoingSpeakersCaption, doc_.countLocalWithRole(1)));
    setText(kChairmen, counted(sid::chairmenCaption, doc_.countLocalWithRole(2)));
    setText(kReaders, counted(sid::readersCaption, doc_.countLocalWithRole(4)));
    setText(kHosts, counted(sid::hospitalityWord, static_cast<long long>(doc_.hosts.size())));
    show(kReaders, doc_.settings.scheduleReaders != 0);
    show(kHosts, doc_.settings.scheduleHospitality != 0);
}

void COwnCong::onCommand(int id) {
    switch (id) {
    case kChoose:
        chooseCongregation();
        return;
    case kForm:
        editCongregation();
        return;
    case kOutgoing:
        editRole(1);
        return;
    case kChairmen:
        editRole(2);
        return;
    case kReaders:
        editRole(4);
        return;
    case kHosts: {
        CCircuitList hosts(doc_, true, 0);
        runChild(hosts);
        refresh();
        return;
    }
    case kExport:
        if (export_) export_();
        return;
    default:
        Dialog::onCommand(id);
    }
}

// The picker opens on the own congregation. Whatever the user does there,
// the number is written to the settings file and the local brothers and the
// meeting weekdays are rebuilt.
void COwnCong::chooseCongregation() {
    const std::size_t own = doc_.findCongregation(doc_.settings.ownCongregationNumber);
    CCongList picker(doc_, true, own == 0 ? 0 : static_cast<int>(own) - 1);
    if (runChild(picker) == IDOK) {
        const int chosen = picker.chosenNumber();
        if (chosen != 0 && chosen != doc_.settings.ownCongregationNumber) {
            doc_.settings.ownCongregationNumber = chosen;
            doc_.dataChanged = 1;
        }
    }
    doc_.saveOwnCongregation();
    doc_.buildLocalBrothers();
    refresh();
}

void COwnCong::editCongregation() {
    CCongEdit form(doc_, CongEditMode::single, doc_.settings.ownCongregationNumber);
    runChild(form);
    if (form.changed()) doc_.buildLocalBrothers();
    refresh();
}

void COwnCong::editRole(int roleBit) {
    CLocalRoles roles(doc_, roleBit);
    runChild(roles);
    refresh();
}

} // namespace orvek
