#include "shell/DialogCatalog.h"

#include "refdata/BrotherEdit.h"
#include "refdata/BrotherList.h"
#include "refdata/CircuitList.h"
#include "refdata/CongEdit.h"
#include "refdata/CongFinder.h"
#include "refdata/CongList.h"
#include "refdata/Contacts.h"
#include "refdata/LocalRoles.h"
#include "refdata/MapDlg.h"
#include "refdata/OwnCong.h"
#include "refdata/TalkEdit.h"
#include "refdata/TalkList.h"
#include "refdata/TopicList.h"
#include "refdata/UnavailableWeeks.h"
#include "shell/AboutDlg.h"
#include "shell/MainFrame.h"
#include "shell/MainPanel.h"
#include "shell/SettingsDlg.h"
#include "store/Document.h"

namespace orvek {

namespace {
template <class D, class... Args>
DialogCatalogEntry entry(int id, const char* name) {
    return {id, name, [](COvDoc& doc, Host&, const std::function<void(Dialog&)>& use) {
                D d(doc);
                use(d);
            }};
}

// An entry for a dialog made from the document and further arguments.
template <class D, class... Args>
DialogCatalogEntry entryWith(int id, const char* name, Args... args) {
    return {id, name, [args...](COvDoc& doc, Host&, const std::function<void(Dialog&)>& use) {
                D d(doc, args...);
                use(d);
            }};
}
} // namespace

const std::vector<DialogCatalogEntry>& dialogCatalog() {
    static const std::vector<DialogCatalogEntry> all = {
        entry<CAboutDlg>(100, "CAboutDlg"),
        entryWith<CCongList>(122, "CCongList", false),
        entry<CSettingsDlg>(123, "CSettingsDlg"),
        entryWith<CLocalRoles>(126, "CLocalRoles", 2),
        entryWith<CCongEdit>(131, "CCongEdit", CongEditMode::add, 0),
        entry<CBrotherList>(136, "CBrotherList"),
        entryWith<CBrotherEdit>(139, "CBrotherEdit", -1, 0),
        entryWith<CTalkList>(141, "CTalkList", TalkListOptions{}),
        entryWith<CCircuitList>(144, "CCircuitList", false, 0),
        entryWith<CTalkEdit>(145, "CTalkEdit", std::vector<int>{0}, 0),
        entry<CTopicList>(146, "CTopicList"),
        entryWith<CUnavailableWeeks>(154, "CUnavailableWeeks", 0, false, false),
        entryWith<CContacts>(172, "CContacts", 0, 0),
        entryWith<CMapDlg>(183, "CMapDlg", std::string()),
        {143, "CMainPanel",
         [](COvDoc& doc, Host& host, const std::function<void(Dialog&)>& use) {
             MainFrame frame(doc, host);
             use(frame.panel());
         }},
        entry<COwnCong>(147, "COwnCong"),
        {164, "CCongFinder",
         [](COvDoc& doc, Host&, const std::function<void(Dialog&)>& use) {
             CCongFinder d(doc, doc.currentWeek);
             use(d);
         }},
    };
    return all;
}

} // namespace orvek
