// Every dialog of the catalog opens on an empty and on a filled document:
// each control the dialog class addresses exists in its template.

#include <gtest/gtest.h>

#include "shell/DialogCatalog.h"
#include "platform/Dialog.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

TEST(CatalogDialogs, openOnAnEmptyAndOnAFilledDocument) {
    for (bool filled : {false, true}) {
        test::DocFixture f;
        f.start();
        if (filled) {
            int aura = f.addCongregation("Aura");
            int matti = f.addBrother("Matti", "Virtanen", aura, {1, 2});
            f.doc->addUnavailableWeek(matti, f.doc->currentWeek + 1);
            CircuitRecord c;
            c.name = "Salo";
            f.doc->addCircuit(c);
        }
        for (const DialogCatalogEntry& e : dialogCatalog()) {
            e.withDialog(*f.doc, f.host, [&](Dialog& d) {
                EXPECT_EQ(d.templateId(), e.templateId) << e.className;
                EXPECT_NO_THROW(f.host.open(d)) << e.className;
                EXPECT_NO_THROW(d.close()) << e.className;
            });
        }
    }
}

} // namespace
} // namespace orvek
