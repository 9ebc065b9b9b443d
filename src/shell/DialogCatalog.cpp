#include "shell/DialogCatalog.h"

#include "refdata/BrotherEdit.h"
#include "refdata/BrotherList.h"
#include "refdata/CongEdit.h"
#include "refdata/CongFinder.h"
#include "refdata/CongList.h"
#include "refdata/LocalRoles.h"
#include "refdata/OwnCong.h"
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

// A dialog made with further arguments after the document.
template <class D, class Make>
DialogCatalogEntry entryWith(int id, const char* name, Make make) {
    return {id, name, [make](COvDoc& doc, Host&, const std::function<void(Dialog&)>& use) {
                D d = make(doc);
                use(d);
            }};
}
} // namespace

const std::vector<DialogCatalogEntry>& dialogCatalog() {
    static const std::vector<DialogCatalogEntry> all = {
        entry<CAboutDlg>(100, "CAboutDlg"),
        entryWith<CCongList>(122, "CCongList", [](COvDoc& doc) { return CCongList(doc, false); }),
        entry<CSettingsDlg>(123, "CSettingsDlg"),
        entryWith<CLocalRoles>(126, "CLocalRoles", [](COvDoc& doc) { return CLocalRoles(doc, 2); }),
        entryWith<CCongEdit>(131, "CCongEdit", [](COvDoc& doc) { return CCongEdit(doc, CongEditMode::add, 0); }),
        entry<CBrotherList>(136, "CBrotherList"),
        entryWith<CBrotherEdit>(139, "CBrotherEdit", [](COvDoc& doc) { return CBrotherEdit(doc, -1, 0); }),
        {143, "CMainPanel",
         [](COvDoc& doc, Host& host, const std::function<void(Dialog&)>& use) {
             MainFrame frame(doc, host);
             use(frame.panel());
         }},
        entry<COwnCong>(147, "COwnCong"),
        entryWith<CCongFinder>(164, "CCongFinder", [](COvDoc& doc) { return CCongFinder(doc, doc.currentWeek); }),
    };
    return all;
}

} // namespace orvek
