// The commands of the reference data: congregations, brothers, talks and
// topics, circuits and hosts, availability and the own congregation.

#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "store/Document.h"

namespace orvek {

void MainFrame::routeReferenceData() {}

} // namespace orvek
