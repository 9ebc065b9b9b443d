// The circuit and hospitality-host list: editing (add, rename, delete with
// the cascade into congregations), the name checks, the "~" hosts, the saves,
// and the picker.

#include <gtest/gtest.h>

#include "refdata/CircuitList.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;
using Texts = std::vector<std::string>;

constexpr int kList = 1024, kName = 244, kAdd = 1026;

struct Circuits : ::testing::Test {
    Circuits() { f.start(); }
    COvDoc& doc() { return *f.doc; }
    int addCircuit(const std::string& name) {
        CircuitRecord r;
        r.name = name;
        return doc().addCircuit(r);
    }
    int addHost(const std::string& name) {
        HospitalityRecord r;
        r.name = name;
        return doc().addHost(r);
    }
    int rowOf(CCircuitList& d, const std::string& name) {
        auto t = d.list(kList).texts();
        return static_cast<int>(std::find(t.begin(), t.end(), name) - t.begin());
    }
    // Clicks the entry, types the new name and presses OK.
    void rename(CCircuitList& d, const std::string& from, const std::string& to) {
        d.select(kList, rowOf(d, from));
        d.type(kName, to);
        d.press(IDOK);
    }
    void add(CCircuitList& d, const std::string& name) {
        d.press(kAdd);
        d.type(kName, name);
        d.press(IDOK);
    }
    std::size_t recordsIn(int file) { return f.file(file).value_or(Bytes{}).size() / 32; }
    DocFixture f;
};

TEST_F(Circuits, deletingACircuitClearsItFromEveryCongregationUsingIt) {
    const int turku = addCircuit("Turku 1");
    const int salo = addCircuit("Salo");
    int a = f.addCongregation("Aura", turku), b = f.addCongregation("Halikko", turku),
        c = f.addCongregation("Kaarina", turku), d = f.addCongregation("Perniö", salo);
    CCircuitList dlg(doc(), false, 0);
    f.host.open(dlg);
    rename(dlg, "Turku 1", ""); // an emptied name deletes the entry
    EXPECT_EQ(dlg.list(kList).texts(), (Texts{"Salo"}));
    for (int n : {a, b, c}) {
        EXPECT_EQ(doc().congregations[doc().findCongregation(n) - 1].circuitNumber, 0);
        EXPECT_EQ(doc().readCongregationAt(n)->circuitNumber, 0); // written back
    }
    EXPECT_EQ(doc().readCongregationAt(d)->circuitNumber, salo);
    EXPECT_EQ(recordsIn(datafile::circuit), 1u);
    EXPECT_EQ(doc().dataChanged, 1);
    EXPECT_TRUE(f.host.messages().empty());
}

TEST_F(Circuits, renamingKeepsTheKeySoCongregationsShowTheNewName) {
    const int turku = addCircuit("Turku 1");
    addCircuit("Turku 2");
    const int aura = f.addCongregation("Aura", turku);
    CCircuitList dlg(doc(), false, 0);
    f.host.open(dlg);
    rename(dlg, "Turku 1", "  Varsinais-Suomi ");
    EXPECT_EQ(dlg.list(kList).texts(), (Texts{"Turku 2", "Varsinais-Suomi"})); // sorted again
    EXPECT_EQ(doc().findCircuitByName("Varsinais-Suomi"), turku);
    EXPECT_EQ(doc().circuitNameByNumber(doc().congregations[doc().findCongregation(aura) - 1].circuitNumber),
              "Varsinais-Suomi");
    // Written in table order.
    COvDoc& again = f.start();
    EXPECT_EQ(again.circuitName(1), "Varsinais-Suomi");
    EXPECT_EQ(again.circuits[1].circuitNumber, turku);
}

TEST_F(Circuits, aNameOfAnotherEntryIsRefusedWhateverItsLetterCase) {
    struct Case {
        bool renaming;
        std::string typed;
    };
    for (const Case& c : {Case{true, "turku 1"}, Case{false, "TURKU 1"}, Case{false, " Turku 1 "}}) {
        DocFixture g;
        g.start();
        CircuitRecord r;
        r.name = "Turku 1";
        g.doc->addCircuit(r);
        r.name = "Salo";
        g.doc->addCircuit(r);
        CCircuitList dlg(*g.doc, false, 0);
        g.host.open(dlg);
        if (c.renaming) dlg.select(kList, 0); // "Salo"
        else dlg.press(kAdd);
        dlg.type(kName, c.typed);
        dlg.press(IDOK);
        ASSERT_EQ(g.host.messages().size(), 1u) << c.typed;
        EXPECT_EQ(g.host.lastMessage(), "Turku 1 nimi on jo olemassa.\n\n");
        EXPECT_EQ(dlg.list(kList).texts(), (Texts{"Salo", "Turku 1"})) << c.typed;
        // The edit is emptied and hidden as after any OK.
        EXPECT_FALSE(dlg.control(kName).visible());
        EXPECT_EQ(dlg.control(kName).text(), "");
        EXPECT_TRUE(dlg.control(kAdd).visible());
    }
}

TEST_F(Circuits, okIsOfferedOnlyWhileAnEntryIsTyped) {
    addCircuit("Salo");
    CCircuitList dlg(doc(), false, 0);
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Kierrokset");
    EXPECT_EQ(dlg.control(kAdd).text(), "Lisää kierros");
    EXPECT_FALSE(dlg.control(IDOK).visible());
    EXPECT_FALSE(dlg.control(kName).visible());
    dlg.select(kList, 0);
    EXPECT_EQ(dlg.control(kName).text(), "Salo");
    EXPECT_TRUE(dlg.control(IDOK).visible());
    EXPECT_FALSE(dlg.control(kAdd).visible());
    EXPECT_EQ(dlg.focusedControl(), kName);
    // Escape in the field gives the entry up; the list stays open.
    EXPECT_TRUE(dlg.key(kName, KeyEvent::of(Key::Escape)));
    EXPECT_FALSE(dlg.ended());
    EXPECT_FALSE(dlg.control(IDOK).visible());
    EXPECT_EQ(doc().circuitName(0), "Salo");
    add(dlg, "Paimio");
    EXPECT_EQ(dlg.list(kList).texts(), (Texts{"Paimio", "Salo"}));
    EXPECT_FALSE(dlg.control(IDOK).visible());
    EXPECT_FALSE(dlg.ended());
    dlg.press(IDCANCEL);
    EXPECT_TRUE(dlg.ended());
}

TEST_F(Circuits, theLastCircuitDeletedLeavesAnEmptyFile) {
    addCircuit("Salo");
    CCircuitList dlg(doc(), false, 0);
    f.host.open(dlg);
    rename(dlg, "Salo", "");
    ASSERT_TRUE(f.file(datafile::circuit).has_value());
    EXPECT_TRUE(f.file(datafile::circuit)->empty());
    EXPECT_TRUE(f.start().circuits.empty());
}

TEST_F(Circuits, aFailedWriteIsReportedAndTheChangeKept) {
    CCircuitList dlg(doc(), false, 0);
    f.host.open(dlg);
    f.fs.failWritesTo(f.path(datafile::circuit));
    add(dlg, "Salo");
    EXPECT_NE(f.host.lastMessage().find("Tiedoston /data/circuit.dat päivitys ei onnistu."), std::string::npos);
    EXPECT_EQ(doc().circuitName(0), "Salo");
}

TEST_F(Circuits, aCharacterTheFileCannotHoldIsRefusedWhereItIsTyped) {
    CCircuitList dlg(doc(), false, 0);
    f.host.open(dlg);
    dlg.press(kAdd);
    dlg.type(kName, "Łódź");
    dlg.press(IDOK);
    EXPECT_NE(f.host.lastMessage().find("Ł"), std::string::npos);
    EXPECT_TRUE(doc().circuits.empty());
    EXPECT_TRUE(dlg.control(kName).visible()); // still there to be corrected
    EXPECT_EQ(dlg.control(kName).text(), "Łódź");
}

// ---- hospitality hosts ----

TEST_F(Circuits, aTildeHostIsListedWithItsTildeHereAndWithoutElsewhere) {
    const int virtanen = addHost("Virtanen");
    CCircuitList dlg(doc(), true, 0);
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Vieraanvaraisuus");
    EXPECT_EQ(dlg.control(kAdd).text(), "Lisää Vieraavaraisuuden tarjoaa");
    add(dlg, "~  Aaltonen");
    rename(dlg, "Virtanen", "~Virtanen"); // the same host, now left out of the rotation
    EXPECT_EQ(dlg.list(kList).texts(), (Texts{"~Aaltonen", "~Virtanen"}));
    EXPECT_TRUE(f.host.messages().empty());
    EXPECT_EQ(doc().hostNameByNumber(virtanen), "Virtanen");
    EXPECT_EQ(doc().hosts[1].hospitalityNumber, virtanen);
    EXPECT_EQ(recordsIn(datafile::hospital), 2u);
    // "Aaltonen" names the host "~Aaltonen" already.
    add(dlg, "aaltonen");
    EXPECT_EQ(f.host.lastMessage(), "Aaltonen nimi on jo olemassa.\n\n");
    EXPECT_EQ(doc().hosts.size(), 2u);
}

TEST_F(Circuits, aTildeAloneIsNoName) {
    addHost("Virtanen");
    CCircuitList dlg(doc(), true, 0);
    f.host.open(dlg);
    rename(dlg, "Virtanen", " ~ ");
    EXPECT_EQ(f.host.lastMessage(), "Kirjoita nimi myös merkin ~ jälkeen.");
    EXPECT_EQ(doc().hostName(0, true), "Virtanen"); // not deleted
    EXPECT_TRUE(dlg.control(kName).visible());
}

TEST_F(Circuits, deletingAHostLeavesTheWeeksThatNameIt) {
    const int host = addHost("Virtanen");
    const int x = doc().currentWeek;
    WeekRecord w = doc().weekRecord(x);
    w.hospitality = static_cast<std::uint16_t>(host);
    doc().putWeek(w, x);
    CCircuitList dlg(doc(), true, 0);
    f.host.open(dlg);
    rename(dlg, "Virtanen", "");
    EXPECT_TRUE(doc().hosts.empty());
    EXPECT_EQ(doc().weekRecord(x).hospitality, host);
    EXPECT_EQ(doc().hostNameByNumber(host), "");
}

// ---- picker ----

TEST_F(Circuits, thePickerReturnsTheKeyOfTheSelectedEntry) {
    addCircuit("Paimio");
    const int salo = addCircuit("Salo");
    struct Case {
        int preselection;
        int selectedAtStart;
    };
    for (Case c : {Case{2, 1}, Case{-1, -1}}) {
        CCircuitList dlg(doc(), false, c.preselection);
        f.host.open(dlg);
        EXPECT_EQ(dlg.list(kList).selectedRow(), c.selectedAtStart);
        EXPECT_EQ(dlg.control(IDCANCEL).text(), "Peruuta");
        EXPECT_TRUE(dlg.control(IDOK).visible());
        dlg.press(IDOK);
        EXPECT_EQ(dlg.result(), c.selectedAtStart >= 0 ? IDOK : IDCANCEL);
        EXPECT_EQ(dlg.chosenKey(), c.selectedAtStart >= 0 ? salo : 0);
    }
    // Clicking only selects; a double click picks.
    CCircuitList dlg(doc(), false, -1);
    f.host.open(dlg);
    dlg.select(kList, 0);
    EXPECT_FALSE(dlg.control(kName).visible());
    dlg.doubleClick(kList, 1);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenKey(), salo);
}

TEST_F(Circuits, anEntryAddedInThePickerCanBePickedAtOnce) {
    addCircuit("Salo");
    CCircuitList dlg(doc(), false, -1);
    f.host.open(dlg);
    add(dlg, "Paimio");
    EXPECT_FALSE(dlg.ended());
    EXPECT_EQ(dlg.list(kList).selectedRow(), 0);
    dlg.press(IDOK);
    EXPECT_EQ(dlg.result(), IDOK);
    EXPECT_EQ(dlg.chosenKey(), doc().findCircuitByName("Paimio"));
    EXPECT_EQ(recordsIn(datafile::circuit), 2u);
}

TEST_F(Circuits, theCommandOpensTheEditorAndRefreshesTheViews) {
    MainFrame frame(doc(), f.host);
    int refreshed = 0;
    frame.setRefreshHandler([&] { ++refreshed; });
    f.host.onChild<CCircuitList>([this](CCircuitList& d) {
        EXPECT_FALSE(d.control(IDOK).visible());
        add(d, "Salo");
        d.press(IDCANCEL);
    });
    frame.execute(cmd::circuits);
    ASSERT_EQ(f.host.dialogsShown().size(), 1u);
    EXPECT_EQ(f.host.dialogsShown()[0].templateId, 144);
    EXPECT_EQ(doc().circuitName(0), "Salo");
    EXPECT_EQ(refreshed, 1);
}

} // namespace
} // namespace orvek
