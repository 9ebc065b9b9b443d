// The commands of the reference data: congregations, brothers, talks and
// topics, circuits and hosts, availability and the own congregation.

#include "refdata/CircuitList.h"
#include "refdata/TalkList.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "store/Document.h"

namespace orvek {

void MainFrame::routeReferenceData() {
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
