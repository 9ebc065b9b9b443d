// The main window's model: the panel's enabling rules and pages, command
// routing, the close rules, and the settings dialog.

#include <gtest/gtest.h>

#include "refdata/BrotherEdit.h"
#include "refdata/BrotherList.h"
#include "refdata/CongEdit.h"
#include "refdata/CongList.h"
#include "refdata/OwnCong.h"
#include "refdata/UnavailableWeeks.h"
#include "shell/AboutDlg.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "shell/MainPanel.h"
#include "shell/SettingsDlg.h"
#include "store/Ini.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;

struct Shell : ::testing::Test {
    Shell() {
        f.start();
        frame = std::make_unique<MainFrame>(*f.doc, f.host);
        frame->setScheduleSheetOpener([this](int page) { pages.push_back(page); });
        frame->setCloseHandler([this] { closed = true; });
    }
    COvDoc& doc() { return *f.doc; }
    CMainPanel& panel() { return frame->panel(); }
    DocFixture f;
    std::unique_ptr<MainFrame> frame;
    std::vector<int> pages;
    bool closed = false;
};

TEST_F(Shell, scheduleButtonsOpenTheirPage) {
    struct Case {
        bool hospitality, readers;
        int outgoingPage, readersPage;
        bool readersEnabled, hospitalityEnabled;
    };
    for (Case c : {Case{true, true, 5, 4, true, true}, {false, false, 3, 3, false, false}, {true, false, 4, 4, false, true},
                   {false, true, 4, 3, true, false}}) {
        doc().settings.scheduleHospitality = c.hospitality;
        doc().settings.scheduleReaders = c.readers;
        panel().updateButtons();
        EXPECT_EQ(panel().schedulePage(124), c.outgoingPage);
        EXPECT_EQ(panel().schedulePage(127), c.readersPage);
        EXPECT_EQ(panel().control(127).enabled(), c.readersEnabled);
        EXPECT_EQ(panel().control(126).enabled(), c.hospitalityEnabled);
    }
    doc().settings.scheduleHospitality = 1;
    doc().settings.scheduleReaders = 1;
    panel().updateButtons();
    panel().press(124);
    panel().press(127);
    panel().press(117);
    panel().press(115);
    panel().press(125); // the chairmen button gives command 32854: page 2
    EXPECT_EQ(pages, (std::vector<int>{5, 4, 0, 1, 2}));
}

TEST_F(Shell, ownCongregationButtonWantsTwoCongregations) {
    f.addCongregation("Aura");
    panel().updateButtons();
    EXPECT_FALSE(panel().control(121).enabled());
    f.addCongregation("Halikko");
    panel().updateButtons();
    EXPECT_TRUE(frame->isEnabled(cmd::ownCongregation));
    EXPECT_TRUE(panel().control(121).enabled());
    panel().press(121);
    ASSERT_EQ(f.host.dialogsShown().size(), 1u);
    EXPECT_EQ(f.host.dialogsShown()[0].templateId, 147);
    // Editing the previous weeks needs the own congregation.
    doc().settings.ownCongregationNumber = 0;
    panel().updateButtons();
    EXPECT_FALSE(panel().control(116).enabled());
}

TEST_F(Shell, theCongregationsCommandRefreshesTheViewsAfterAChange) {
    int refreshed = 0;
    frame->setRefreshHandler([&] { ++refreshed; });
    f.host.onChild<CCongList>([](CCongList& list) { list.press(IDCANCEL); });
    panel().press(109);
    EXPECT_EQ(refreshed, 0);
    f.host.onChild<CCongList>([](CCongList& list) {
        EXPECT_EQ(list.control(IDOK).text(), "Muokkaa...");
        list.press(3);
        list.press(IDCANCEL);
    });
    f.host.onChild<CCongEdit>([](CCongEdit& form) {
        form.type(1018, "Aura");
        form.press(IDOK);
    });
    frame->execute(cmd::congregations);
    EXPECT_EQ(refreshed, 1);
    EXPECT_EQ(doc().congregations.size(), 1u);
}

TEST_F(Shell, theBrothersCommandRebuildsTheLocalBrothersAfterAChange) {
    int aura = f.addCongregation("Aura");
    f.addCongregation("Halikko");
    f.addBrother("Matti", "Virtanen", 0);
    doc().settings.ownCongregationNumber = aura;
    doc().buildLocalBrothers();
    ASSERT_TRUE(doc().localBrothers.empty());
    int refreshed = 0;
    frame->setRefreshHandler([&] { ++refreshed; });
    f.host.onChild<CBrotherList>([](CBrotherList& list) {
        list.press(IDOK); // the form on the first row
        list.press(IDCANCEL);
    });
    f.host.onChild<CBrotherEdit>([](CBrotherEdit& form) { form.press(5); form.press(234); });
    f.host.onChild<CCongList>([](CCongList& picker) { picker.doubleClick(248, 0); });
    panel().press(114);
    EXPECT_EQ(refreshed, 1);
    ASSERT_EQ(doc().localBrothers.size(), 1u);
    EXPECT_EQ(doc().localBrothers[0].brotherNumber, doc().brothers[0].brotherNumber);
}

TEST_F(Shell, theAvailabilityCommandGoesFromBrotherToBrotherUntilCancelled) {
    int aura = f.addCongregation("Aura");
    int laine = f.addBrother("Pekka", "Laine", aura);
    int outo = f.addBrother("Olli", "Outo", aura);
    f.addBrother("Matti", "Virtanen", aura);
    f.host.onChild<CBrotherList>([](CBrotherList& list) {
        EXPECT_EQ(list.caption(), "Valitse puhuja");
        EXPECT_FALSE(list.control(224).visible());
        list.doubleClick(223, 0);
    });
    f.host.onChild<CUnavailableWeeks>([](CUnavailableWeeks& weeks) {
        EXPECT_FALSE(weeks.control(1172).checked());
        weeks.toggleRow(1066, 1);
        weeks.press(IDOK);
    });
    f.host.onChild<CBrotherList>([](CBrotherList& list) {
        EXPECT_EQ(list.control(223).selectedRow(), 0); // where the user was
        list.doubleClick(223, 1);
    });
    f.host.onChild<CUnavailableWeeks>([](CUnavailableWeeks& weeks) {
        weeks.toggleRow(1066, 3);
        weeks.press(IDOK);
    });
    f.host.onChild<CBrotherList>([](CBrotherList& list) { list.press(IDCANCEL); });
    frame->execute(cmd::availability);
    EXPECT_EQ(f.host.pendingScripts(), 0u);
    std::vector<int> shown;
    for (const auto& d : f.host.dialogsShown()) shown.push_back(d.templateId);
    EXPECT_EQ(shown, (std::vector<int>{136, 154, 136, 154, 136}));
    EXPECT_FALSE(doc().unavailabilityChanged); // written after each brother
    f.start();
    EXPECT_FALSE(f.doc->isAvailable(laine, f.doc->currentWeek + 1));
    EXPECT_FALSE(f.doc->isAvailable(outo, f.doc->currentWeek + 3));
}

TEST_F(Shell, commandsWithoutAFunctionAreDisabledNotIgnored) {
    EXPECT_FALSE(frame->isEnabled(cmd::viewSpeakerTalks));
    EXPECT_TRUE(frame->isEnabled(cmd::settings));
    EXPECT_TRUE(frame->isEnabled(cmd::about));
    EXPECT_FALSE(frame->isEnabled(cmd::mainMenu)); // no report is shown
    // A pop-up button whose items are all unavailable is disabled.
    EXPECT_FALSE(panel().control(129).enabled());
}

TEST_F(Shell, closingLeavesAReportFirstAndIsRefusedWhilePrinting) {
    frame->setShowsReport(true);
    EXPECT_FALSE(frame->panelVisible());
    EXPECT_FALSE(frame->requestClose());
    EXPECT_TRUE(frame->panelVisible());
    EXPECT_TRUE(doc().tablesReady());
    frame->setPrinting(true);
    EXPECT_FALSE(frame->requestClose());
    EXPECT_EQ(f.host.lastMessage(), "Use Close Button");
    frame->setPrinting(false);
    panel().press(110);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(doc().tablesReady());
}

TEST_F(Shell, titlePromptsAndDate) {
    EXPECT_EQ(frame->title(), "Esitelmien suunnittelujärjestelmä- Orvek");
    EXPECT_EQ(frame->prompt(32860), "Luo varmuuskopio tiedoista");
    EXPECT_EQ(frame->tooltip(32860), "Varmistus");
    EXPECT_EQ(frame->datePaneText(), "Dec 11, 2026");
    EXPECT_EQ(frame->toolbar().size(), 22u);
}

TEST_F(Shell, aboutShowsTheDataFolder) {
    f.host.onChild<CAboutDlg>([](CAboutDlg& d) {
        EXPECT_EQ(d.control(271).text(), "/data");
        d.press(IDOK);
    });
    frame->execute(cmd::about);
    ASSERT_EQ(f.host.dialogsShown().size(), 1u);
    EXPECT_EQ(f.host.dialogsShown()[0].caption, "About Orvek");
}

// ---- settings dialog ----

struct SettingsDialog : Shell {
    IniFile ini() {
        auto b = f.fs.readFile(f.folder / "orvek.ini");
        return b ? IniFile::parse(std::string(b->begin(), b->end())) : IniFile{};
    }
};

TEST_F(SettingsDialog, cancelKeepsTheMarginsButRewritesTheFile) {
    f.host.onChild<CSettingsDlg>([](CSettingsDlg& d) {
        EXPECT_EQ(d.control(255).topRow(), 50);
        EXPECT_EQ(d.control(258).topRow(), 20);
        EXPECT_EQ(d.control(255).selectedCount(), 0);
        d.focus(255);
        d.key(255, KeyEvent::ch('7'));
        d.key(255, KeyEvent::ch('3'));
        d.focus(272);
        EXPECT_EQ(d.control(255).topRow(), 73);
        d.press(IDCANCEL);
    });
    frame->execute(cmd::settings);
    EXPECT_EQ(doc().settings.topMargin, 50);
    EXPECT_EQ(ini().getInt("Aikataulun formaatti", "Ylämarginaali", -1), 50);
    EXPECT_EQ(doc().dataChanged, 0);
}

TEST_F(SettingsDialog, marginListsTakeDigitsAndWrapWithTheArrows) {
    f.host.onChild<CSettingsDlg>([](CSettingsDlg& d) {
        d.focus(255);
        EXPECT_EQ(d.control(255).selectedRow(), 50); // gaining the focus selects the top row
        for (char c : {'9', '9', '5'}) d.key(255, KeyEvent::ch(static_cast<char32_t>(c)));
        EXPECT_EQ(d.control(255).selectedRow(), 5);
        d.key(255, KeyEvent::of(Key::Up));
        d.key(255, KeyEvent::of(Key::Up));
        d.key(255, KeyEvent::of(Key::Up));
        d.key(255, KeyEvent::of(Key::Up));
        d.key(255, KeyEvent::of(Key::Up));
        d.key(255, KeyEvent::of(Key::Up));
        EXPECT_EQ(d.control(255).selectedRow(), 99);
        d.key(255, KeyEvent::of(Key::Down));
        EXPECT_EQ(d.control(255).selectedRow(), 0);
        d.focus(258); // leaving scrolls the chosen row to the top and clears the selection
        EXPECT_EQ(d.control(255).topRow(), 0);
        EXPECT_EQ(d.control(255).selectedCount(), 0);
        d.key(258, KeyEvent::ch('3'));
        d.press(IDOK);
    });
    frame->execute(cmd::settings);
    EXPECT_EQ(doc().settings.topMargin, 0);
    EXPECT_EQ(doc().settings.leftMargin, 3); // the focused list's choice counts too
    EXPECT_EQ(doc().dataChanged, 1);
    EXPECT_EQ(ini().getInt("Seurakunta", "Vasen marginaali", -1), 3);
}

TEST_F(SettingsDialog, barModeCyclesAndTheColourBelongsToModeFour) {
    f.host.answerColour(rgb(10, 20, 30));
    f.host.onChild<CSettingsDlg>([](CSettingsDlg& d) {
        EXPECT_EQ(d.control(1039).text(), "Taustaväripalkki otsikoille ja päivämäärille - Ei");
        EXPECT_FALSE(d.control(1040).visible());
        for (int i = 0; i < 5; ++i) d.press(1039);
        EXPECT_EQ(d.control(1039).text(), "Taustaväripalkki otsikoille ja päivämäärille - Ei");
        for (int i = 0; i < 4; ++i) d.press(1039);
        EXPECT_EQ(d.control(1039).text(), "Taustaväripalkki otsikoille ja päivämäärille - Väri");
        EXPECT_TRUE(d.control(1040).visible());
        d.press(1040);
        d.press(IDOK);
    });
    frame->execute(cmd::settings);
    EXPECT_EQ(doc().settings.barMode, 4);
    EXPECT_EQ(doc().settings.barColour, rgb(10, 20, 30));
}

TEST_F(SettingsDialog, checkBoxesAndRadiosGoToTheSettingsOnOk) {
    doc().settings.scheduleReaders = 1;
    doc().settings.printReaders = 0;
    f.host.onChild<CSettingsDlg>([](CSettingsDlg& d) {
        EXPECT_TRUE(d.control(254).visible());
        EXPECT_FALSE(d.control(262).visible()); // only for English and Polish
        EXPECT_TRUE(d.control(1175).checked());
        d.press(254);
        d.press(259); // readers off: the print option hides but keeps its value
        EXPECT_FALSE(d.control(254).visible());
        d.press(1176);
        d.press(249);
        d.press(260);
        d.press(257);
        d.press(263);
        d.press(261);
        d.type(272, "Puheohjelma 2027");
        d.press(IDOK);
    });
    frame->execute(cmd::settings);
    const Settings& s = doc().settings;
    EXPECT_EQ(s.scheduleReaders, 0);
    EXPECT_EQ(s.printReaders, 1);
    EXPECT_EQ(s.serviceYear, 1);
    EXPECT_EQ(s.dayFirstDates, 1);
    EXPECT_EQ(s.scheduleHospitality, 1);
    EXPECT_EQ(s.hideTalkNumbers, 1);
    EXPECT_EQ(s.hideOutgoingSpeakers, 1);
    EXPECT_EQ(s.printDates, 1);
    EXPECT_EQ(s.scheduleTitle, "Puheohjelma 2027");
    EXPECT_EQ(ini().getString("Aikataulun formaatti", "Aihe", ""), "Puheohjelma 2027");
    // The panel follows the new settings.
    EXPECT_TRUE(panel().control(126).enabled() == frame->isEnabled(cmd::hospitality));
}

} // namespace
} // namespace orvek
