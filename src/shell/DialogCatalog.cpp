#include "shell/DialogCatalog.h"

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
} // namespace

const std::vector<DialogCatalogEntry>& dialogCatalog() {
    static const std::vector<DialogCatalogEntry> all = {
        entry<CAboutDlg>(100, "CAboutDlg"),
        entry<CSettingsDlg>(123, "CSettingsDlg"),
        {143, "CMainPanel",
         [](COvDoc& doc, Host& host, const std::function<void(Dialog&)>& use) {
             MainFrame frame(doc, host);
             use(frame.panel());
         }},
    };
    return all;
}

} // namespace orvek
