// The main window over the main-frame model of a document.

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include "platform/qt/QtConvert.h"
#include "resources/HelpTopics.h"
#include "platform/qt/QtDialogView.h"
#include "platform/qt/QtMainWindow.h"
#include "shell/Commands.h"
#include "shell/MainFrame.h"
#include "shell/MainPanel.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

struct MainWindowTest : ::testing::Test {
    MainWindowTest() {
        f.start();
        frame = std::make_unique<MainFrame>(*f.doc, f.host);
        window = std::make_unique<QtMainWindow>(*frame);
        window->show();
        QApplication::processEvents();
    }
    ~MainWindowTest() override {
        window.reset();
        frame.reset();
    }
    QMenu* topMenu(const QString& title) {
        for (QAction* a : window->menuBar()->actions())
            if (a->text() == title) return a->menu();
        return nullptr;
    }
    test::DocFixture f;
    std::unique_ptr<MainFrame> frame;
    std::unique_ptr<QtMainWindow> window;
};

TEST_F(MainWindowTest, titleAndDatePane) {
    EXPECT_EQ(window->windowTitle(), qs(frame->title()));
    EXPECT_EQ(window->statusPane(1)->text(), QStringLiteral("Dec 11, 2026"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint) << "no maximise button with the main menu";
}

TEST_F(MainWindowTest, menuBarFollowsTheMenuTemplate) {
    const auto& menu = frame->menu();
    const QList<QAction*> top = window->menuBar()->actions();
    ASSERT_EQ(top.size(), static_cast<qsizetype>(menu.size()));
    for (std::size_t i = 0; i < menu.size(); ++i) {
        EXPECT_EQ(top[static_cast<qsizetype>(i)]->text(), qs(menu[i].text));
        EXPECT_EQ(top[static_cast<qsizetype>(i)]->menu() != nullptr, !menu[i].items.empty());
        if (!menu[i].items.empty()) {
            const QList<QAction*> items = top[static_cast<qsizetype>(i)]->menu()->actions();
            ASSERT_EQ(items.size(), static_cast<qsizetype>(menu[i].items.size()));
            for (std::size_t j = 0; j < menu[i].items.size(); ++j) {
                const MenuTemplate& t = menu[i].items[j];
                QAction* a = items[static_cast<qsizetype>(j)];
                EXPECT_EQ(a->isSeparator(), t.separator());
                if (!t.separator()) {
                    EXPECT_EQ(a->text(), qs(t.text));
                }
            }
        }
    }
    EXPECT_EQ(window->menuAction(cmd::print)->text(), QStringLiteral("T&ulosta...\tCtrl+P"));
}

TEST_F(MainWindowTest, menuItemsAreEnabledByTheModelWhenTheMenuOpens) {
    QMenu* file = topMenu(QStringLiteral("&Tiedosto"));
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    for (int c : {cmd::print, cmd::mainMenu, cmd::exitApp, cmd::exportFile})
        EXPECT_EQ(window->menuAction(c)->isEnabled(), frame->isEnabled(c)) << c;
    EXPECT_FALSE(window->menuAction(cmd::mainMenu)->isEnabled()) << "nothing to return from";
    EXPECT_TRUE(window->menuAction(cmd::exitApp)->isEnabled());
    // Sub-menus too.
    EXPECT_EQ(window->menuAction(cmd::backup)->isEnabled(), frame->isEnabled(cmd::backup));
}

TEST_F(MainWindowTest, toolbarSlotsAndSeparators) {
    const QList<QAction*> actions = window->commandBar()->actions();
    const auto& commands = frame->toolbar();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(commands.size()));
    for (std::size_t i = 0; i < commands.size(); ++i) {
        QAction* a = actions[static_cast<qsizetype>(i)];
        EXPECT_EQ(a->isSeparator(), commands[i] == 0) << "slot " << i;
        if (commands[i] == 0) continue;
        EXPECT_EQ(a->data().toInt(), commands[i]);
        EXPECT_EQ(a->toolTip(), qs(frame->tooltip(commands[i])));
        EXPECT_FALSE(a->icon().isNull());
        EXPECT_EQ(a->isEnabled(), frame->isEnabled(commands[i])) << commands[i];
    }
}

TEST_F(MainWindowTest, hoveringShowsThePrompt) {
    window->toolbarAction(cmd::about)->hover();
    EXPECT_EQ(window->statusPane(0)->text(), qs(frame->prompt(cmd::about)));
    window->menuAction(cmd::congregations)->hover();
    EXPECT_EQ(window->statusPane(0)->text(), qs(frame->prompt(cmd::congregations)));
    EXPECT_FALSE(window->statusPane(0)->text().contains('\n'));
}

TEST_F(MainWindowTest, commandsRunThroughTheModel) {
    window->toolbarAction(cmd::about)->trigger();
    ASSERT_EQ(f.host.dialogsShown().size(), 1u);
    EXPECT_EQ(f.host.dialogsShown()[0].templateId, 100);
    EXPECT_TRUE(f.host.helpShown.empty());
}

TEST_F(MainWindowTest, contextHelpShowsTheTopicInsteadOfRunning) {
    window->toolbarAction(cmd::contextHelp)->trigger();
    ASSERT_TRUE(window->inContextHelp());
    window->toolbarAction(cmd::about)->trigger();
    EXPECT_FALSE(window->inContextHelp());
    EXPECT_EQ(f.host.helpShown, std::vector<int>{cmd::about});
    EXPECT_TRUE(f.host.dialogsShown().empty());

    // A menu item.
    window->command(cmd::contextHelp);
    window->menuAction(cmd::about)->trigger();
    EXPECT_EQ(f.host.helpShown.back(), cmd::about);
    EXPECT_TRUE(f.host.dialogsShown().empty());

    // A button of the main-menu panel: the context of its control number.
    window->command(cmd::contextHelp);
    auto* button = qobject_cast<QPushButton*>(window->panelView()->widgetOf(110));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(f.host.helpShown.back(), panelButtonContext(110));
    EXPECT_TRUE(f.host.dialogsShown().empty());
    EXPECT_FALSE(window->inContextHelp());
    EXPECT_TRUE(window->isVisible()) << "the exit button did not run";
}

TEST_F(MainWindowTest, escapeLeavesContextHelp) {
    window->command(cmd::contextHelp);
    ASSERT_TRUE(window->inContextHelp());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->inContextHelp());
    window->toolbarAction(cmd::about)->trigger();
    EXPECT_TRUE(f.host.helpShown.empty());
    EXPECT_EQ(f.host.dialogsShown().size(), 1u);
}

TEST_F(MainWindowTest, thePanelShowsTheModelsButtons) {
    QtDialogView* panel = window->panelView();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    for (int id : {122, 109, 110, 126, 121})
        EXPECT_EQ(panel->widgetOf(id)->isEnabled(), frame->panel().control(id).enabled()) << id;
    EXPECT_FALSE(panel->widgetOf(121)->isEnabled()) << "fewer than two congregations";
    // The model's refresh brings the panel up to date.
    frame->setScheduleSheetOpener([](int) {});
    f.doc->settings.scheduleHospitality = true;
    frame->refreshViews();
    EXPECT_TRUE(panel->widgetOf(126)->isEnabled());
    f.doc->settings.scheduleHospitality = false;
    frame->refreshViews();
    EXPECT_FALSE(panel->widgetOf(126)->isEnabled());
}

TEST_F(MainWindowTest, closingAsksTheModel) {
    frame->setPrinting(true);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(f.host.lastMessage(), "Use Close Button");
    frame->setPrinting(false);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(f.doc->tablesReady());
}

} // namespace
} // namespace orvek
