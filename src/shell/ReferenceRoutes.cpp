// The commands of the reference data: congregations, brothers, talks and
// topics, circuits and hosts, availability and the own congregation.

#include "refdata/BrotherList.h"
#include "refdata/CircuitList.h"
#include "refdata/CongList.h"
#include "refdata/OwnCong.h"
#include "refdata/TalkList.h"
#include "refdata/UnavailableWeeks.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "store/Document.h"

namespace orvek {

void MainFrame::routeReferenceData() {
    route(cmd::congregations, [this] {
        CCongList list(doc_, false);
        host_.runDialog(list);
        if (doc_.dataChanged) refreshViews();
    });
    route(cmd::brothers, [this] {
        CBrotherList list(doc_);
        host_.runDialog(list);
        if (doc_.dataChanged) {
            doc_.buildLocalBrothers();
            refreshViews();
        }
    });
    route(
        cmd::ownCongregation,
        [this] {
            COwnCong dlg(doc_);
            host_.runDialog(dlg);
            if (doc_.dataChanged) refreshViews();
        },
        [this] { return doc_.congregations.size() >= 2; });
    // Availability: brother after brother, until the list is cancelled.
    route(cmd::availability, [this] {
        int remembered = 0;
        for (;;) {
            BrotherListOptions options;
            options.selectMode = true;
            options.hideAdd = true;
            options.rememberedRow = remembered;
            CBrotherList list(doc_, options);
            if (host_.runDialog(list) != IDOK || list.chosenBrother() == 0) break;
            remembered = list.lastListRow();
            CUnavailableWeeks weeks(doc_, list.chosenBrother(), false, false);
            host_.runDialog(weeks);
            doc_.saveUnavailability();
        }
        refreshViews();
    });
    route(cmd::circuits, [this] {
        CCircuitList d(doc_, false, 0);
        host_.runDialog(d);
        if (doc_.dataChanged) refreshViews();
    });
    route(cmd::talks, [this] {
        CTalkList d(doc_, TalkListOptions{});
        host_.runDialog(d);
        if (doc_.dataChanged) refreshViews();
    });
}

} // namespace orvek
