// The dialog renderer: every template becomes widgets, and user actions on
// the widgets reach the model while the widgets follow the model.

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>

#include "QtTestTemplates.h"
#include "platform/Dialog.h"
#include "platform/TestHost.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtDialogView.h"
#include "shell/DialogCatalog.h"
#include "store/Text.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::drivenTemplate;

// Types a text key by key, any characters.
void typeText(QWidget* w, const QString& text) {
    for (QChar c : text) {
        const Qt::Key key = c.unicode() < 128 && c.isLetterOrNumber() ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, key, QString(c), Qt::NoModifier);
    }
}
using test::everyKindTemplate;

std::vector<const DialogTemplate*> templatesToRender() {
    std::vector<const DialogTemplate*> all = allDialogTemplates();
    all.push_back(&everyKindTemplate());
    all.push_back(&drivenTemplate());
    return all;
}

// ---- every template renders ----

TEST(DialogViewRendering, everyTemplateGivesOneWidgetPerControl) {
    for (const DialogTemplate* t : templatesToRender()) {
        SCOPED_TRACE("template " + std::to_string(t->id));
        std::set<int> ids, groups;
        for (const ControlTemplate& c : t->controls) {
            if (c.id > 0) {
                EXPECT_TRUE(ids.insert(c.id).second) << "duplicate id " << c.id;
            }
            if (c.kind == ControlKind::GroupBox) groups.insert(c.id);
        }
        for (const ControlTemplate& c : t->controls)
            if (c.parent != 0) {
                EXPECT_TRUE(groups.count(c.parent)) << "control " << c.id << ": no group box " << c.parent;
            }

        Dialog dialog(*t);
        QtDialogView view(dialog);
        // ORVEK_QT_SHOTS=folder keeps a picture of every template for a person to look at.
        if (const char* shots = std::getenv("ORVEK_QT_SHOTS")) {
            view.adjustSize();
            view.grab().save(QStringLiteral("%1/dialog%2.png").arg(QString::fromLocal8Bit(shots)).arg(t->id));
        }
        for (int id : ids) EXPECT_EQ(view.widgetCount(id), 1) << "control " << id;
        for (const ControlTemplate& c : t->controls) {
            if (c.id <= 0) continue;
            QWidget* w = view.widgetOf(c.id);
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(view.idOf(w), c.id);
            // A control inside a group box is a child of the group's widget.
            if (c.parent != 0) {
                EXPECT_EQ(w->parentWidget(), view.widgetOf(c.parent)) << "control " << c.id;
            }
        }
    }
}

TEST(DialogViewRendering, widgetKindsFollowTheTemplate) {
    Dialog dialog(everyKindTemplate());
    QtDialogView view(dialog);
    struct Case {
        int id;
        const char* className;
    };
    const Case cases[] = {
        {10, "QLineEdit"},   {11, "QLineEdit"},   {12, "QPlainTextEdit"}, {13, "QLabel"},   {20, "QGroupBox"},
        {21, "QCheckBox"},   {22, "QRadioButton"}, {30, "QListView"},     {32, "QTreeView"}, {33, "QListView"},
        {40, "QComboBox"},   {1, "QPushButton"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(view.widgetOf(c.id)->inherits(c.className)) << c.id << " " << c.className;
    }

    EXPECT_TRUE(static_cast<QLabel*>(view.widgetOf(13))->wordWrap());
    EXPECT_TRUE(static_cast<QLabel*>(view.widgetOf(14))->alignment() & Qt::AlignRight);
    EXPECT_EQ(static_cast<QLabel*>(view.widgetOf(14))->frameShadow(), QFrame::Sunken);
    EXPECT_TRUE(static_cast<QLineEdit*>(view.widgetOf(11))->isReadOnly());
    EXPECT_EQ(static_cast<QLineEdit*>(view.widgetOf(10))->maxLength(), 30);
    EXPECT_FALSE(static_cast<QRadioButton*>(view.widgetOf(22))->autoExclusive());
    EXPECT_FALSE(static_cast<QComboBox*>(view.widgetOf(40))->isEditable());
    EXPECT_TRUE(static_cast<QComboBox*>(view.widgetOf(41))->isEditable());
    EXPECT_TRUE(static_cast<QPushButton*>(view.widgetOf(1))->isDefault());
    EXPECT_FALSE(static_cast<QPushButton*>(view.widgetOf(2))->isDefault());
    EXPECT_FALSE(view.widgetOf(60)->isVisibleTo(&view));
    EXPECT_FALSE(view.widgetOf(61)->isEnabled());
    EXPECT_EQ(static_cast<QAbstractItemView*>(view.widgetOf(31))->selectionMode(), QAbstractItemView::MultiSelection);
    EXPECT_EQ(static_cast<QAbstractItemView*>(view.widgetOf(34))->selectionMode(), QAbstractItemView::NoSelection);
    // The mnemonic label moves the focus to the edit after it.
    EXPECT_EQ(static_cast<QLabel*>(view.findChildren<QLabel*>().front())->buddy(), view.widgetOf(10));
}

TEST(DialogViewRendering, tabbedListShowsColumnsAtTheTabStops) {
    Dialog dialog(everyKindTemplate());
    QtDialogView view(dialog);
    Control& list = dialog.control(32);
    list.addItem("12.1.\tMatti Virtanen\t55");
    list.addItem("19.1.\tPekka\t12");
    view.sync();
    auto* tree = static_cast<QTreeView*>(view.widgetOf(32));
    ASSERT_EQ(tree->model()->columnCount(), 3);
    EXPECT_EQ(tree->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Puhuja"));
    EXPECT_EQ(tree->model()->index(0, 1).data().toString(), QStringLiteral("Matti Virtanen"));
    EXPECT_EQ(tree->model()->index(1, 2).data().toString(), QStringLiteral("12"));
    // Column widths from the tab stops: 40 and 80 dialog units.
    EXPECT_NEAR(tree->header()->sectionSize(0), 40 * view.dialogUnit(), 1.0);
    EXPECT_NEAR(tree->header()->sectionSize(1), 40 * view.dialogUnit(), 1.0);
    // New tab stops and titles from the model.
    list.setTabStops({20});
    list.setColumnTitles({"A", "B"});
    view.sync();
    EXPECT_EQ(tree->model()->columnCount(), 2);
    EXPECT_NEAR(tree->header()->sectionSize(0), 20 * view.dialogUnit(), 1.0);
}

TEST(DialogViewRendering, widgetsFollowModelChanges) {
    Dialog dialog(everyKindTemplate());
    QtDialogView view(dialog);
    dialog.control(10).setText("Aura");
    dialog.control(60).show();
    dialog.control(1).enable(false);
    dialog.control(21).setChecked(1);
    dialog.control(13).setText("Uusi");
    dialog.setCaption("Uusi otsikko");
    Control& combo = dialog.control(40);
    combo.addItem("yksi");
    combo.addItem("kaksi");
    combo.setSelectedRow(1);
    Control& list = dialog.control(30);
    for (int i = 0; i < 40; ++i) list.addItem("rivi " + std::to_string(i));
    list.setSelectedRow(25);
    list.setTopRow(20);
    view.resize(600, 800);
    view.show();
    view.sync();
    EXPECT_EQ(static_cast<QLineEdit*>(view.widgetOf(10))->text(), QStringLiteral("Aura"));
    EXPECT_TRUE(view.widgetOf(60)->isVisible());
    EXPECT_FALSE(view.widgetOf(1)->isEnabled());
    EXPECT_TRUE(static_cast<QCheckBox*>(view.widgetOf(21))->isChecked());
    EXPECT_EQ(static_cast<QLabel*>(view.widgetOf(13))->text(), QStringLiteral("Uusi"));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("Uusi otsikko"));
    EXPECT_EQ(static_cast<QComboBox*>(view.widgetOf(40))->currentText(), QStringLiteral("kaksi"));
    auto* lv = static_cast<QAbstractItemView*>(view.widgetOf(30));
    EXPECT_EQ(lv->selectionModel()->selectedRows().value(0).row(), 25);
    EXPECT_EQ(lv->indexAt(QPoint(5, 2)).row(), 20) << "row 20 is the top row";
    // Focus requested by the model.
    dialog.setFocus(41);
    view.sync();
    QApplication::processEvents();
    EXPECT_TRUE(view.widgetOf(41)->hasFocus() || view.widgetOf(41)->isAncestorOf(QApplication::focusWidget()));
}

// Every dialog class of the program, after its own initialisation on a
// document, renders with its widgets showing the model's state.
TEST(DialogViewRendering, everyDialogClassRendersItsInitialState) {
    for (const DialogCatalogEntry& entry : dialogCatalog()) {
        SCOPED_TRACE(entry.className);
        test::DocFixture f;
        f.start();
        entry.withDialog(*f.doc, f.host, [&](Dialog& dialog) {
            if (!dialog.attached()) f.host.open(dialog);
            else dialog.init();
            QtDialogView view(dialog);
            for (Control* c : dialog.controls()) {
                if (c->id() <= 0) continue;
                QWidget* w = view.widgetOf(c->id());
                ASSERT_NE(w, nullptr) << c->id();
                EXPECT_EQ(w->isVisibleTo(&view), c->visible()) << c->id();
                EXPECT_EQ(w->isEnabled(), c->enabled()) << c->id();
                if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                    EXPECT_EQ(b->text(), qs(c->text())) << c->id();
                }
                if (auto* e = qobject_cast<QLineEdit*>(w)) {
                    EXPECT_EQ(e->text(), qs(c->text())) << c->id();
                }
                if (auto* v = qobject_cast<QAbstractItemView*>(w)) {
                    EXPECT_EQ(v->model()->rowCount(), c->count()) << c->id();
                }
            }
        });
    }
}

// ---- a dialog driven through its widgets ----

class DrivenDialog : public Dialog {
public:
    DrivenDialog() : Dialog(drivenTemplate()) {}
    int doubleClicks = 0;
    int lastDoubleClickRow = -1;
    int spins = 0;
    int swallowed = 0;
    std::vector<int> selectionChanges;

protected:
    void onInit() override {
        for (const char* n : {"Aura", "Halikko", "Kaarina", "Lieto", "Masku"}) {
            control(30).addItem(n);
            control(31).addItem(n);
        }
        setChecked(21, true);
    }
    void onEditChange(int id) override {
        // Names begin with a capital letter.
        if (id != 10) return;
        std::string t = text(10);
        if (!t.empty()) setText(10, toUpperText(leftChars(t, 1)) + t.substr(leftChars(t, 1).size()));
    }
    void onCommand(int id) override {
        if (id == 40) endDialog(7);
        else Dialog::onCommand(id);
    }
    void onSelectionChange(int id) override { selectionChanges.push_back(id); }
    void onDoubleClick(int id) override {
        ++doubleClicks;
        lastDoubleClickRow = control(id).selectedRow();
    }
    void onSpin(int, int delta) override { spins += delta; }
    bool onKey(int id, const KeyEvent& e) override {
        // Edit 11 takes no "x"; list 30 keeps its selection on Down.
        if ((id == 11 && e.key == Key::Character && e.character == U'x') || (id == 30 && e.key == Key::Down)) {
            ++swallowed;
            return true;
        }
        return false;
    }
};

struct Driven : ::testing::Test {
    void SetUp() override {
        host.open(dialog);
        view = std::make_unique<QtDialogView>(dialog);
        view->resize(500, 500);
        view->show();
        QApplication::processEvents();
    }
    template <class W>
    W* widget(int id) {
        return static_cast<W*>(view->widgetOf(id));
    }
    // A click on the box or circle of a check box or radio button.
    void clickIndicator(int id) {
        QWidget* w = view->widgetOf(id);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }
    void clickRow(int id, int row) {
        auto* v = widget<QAbstractItemView>(id);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(v->model()->index(row, 0)).center());
    }
    TestHost host;
    DrivenDialog dialog;
    std::unique_ptr<QtDialogView> view;
};

TEST_F(Driven, typingReachesTheModelAndItsRewriteShows) {
    auto* edit = widget<QLineEdit>(10);
    edit->setFocus();
    typeText(edit, QStringLiteral("äänekoski"));
    EXPECT_EQ(dialog.control(10).text(), "Äänekoski");
    EXPECT_EQ(edit->text(), QStringLiteral("Äänekoski"));
    EXPECT_EQ(dialog.focusedControl(), 10);
}

TEST_F(Driven, theLimitCountsCharacters) {
    auto* edit = widget<QLineEdit>(10);
    typeText(edit, QStringLiteral("ääääääääääääääää")); // 16 two-byte characters, limit 12
    EXPECT_EQ(charCount(dialog.control(10).text()), 12u);
    EXPECT_EQ(edit->text().size(), 12);
}

TEST_F(Driven, aCharacterWindows1252CannotHoldIsRefusedWithAHint) {
    auto* edit = widget<QLineEdit>(11);
    typeText(edit, QStringLiteral("ab"));
    typeText(edit, QStringLiteral("Ω"));
    typeText(edit, QStringLiteral("c"));
    EXPECT_EQ(dialog.control(11).text(), "abc");
    EXPECT_EQ(edit->text(), QStringLiteral("abc"));
    EXPECT_TRUE(view->lastHint().contains(QStringLiteral("Ω")));
    // Pasting a text with such a character keeps the old text whole.
    edit->insert(QStringLiteral("x€y✓"));
    typeText(edit, QStringLiteral("d"));
    EXPECT_EQ(dialog.control(11).text(), "abcd");
}

TEST_F(Driven, keysTheModelHandlesGoNoFurther) {
    typeText(widget<QLineEdit>(11), QStringLiteral("axb"));
    EXPECT_EQ(dialog.control(11).text(), "ab");
    clickRow(30, 1);
    QTest::keyClick(widget<QAbstractItemView>(30), Qt::Key_Down);
    EXPECT_EQ(dialog.control(30).selectedRow(), 1);
    EXPECT_EQ(dialog.swallowed, 2);
    // A key the model leaves alone does its usual work.
    QTest::keyClick(widget<QAbstractItemView>(30), Qt::Key_End);
    EXPECT_EQ(dialog.control(30).selectedRow(), 4);
}

TEST_F(Driven, checkBoxAndRadioButtonsAsTheModelDecides) {
    clickIndicator(20);
    EXPECT_TRUE(dialog.control(20).checked());
    EXPECT_TRUE(widget<QCheckBox>(20)->isChecked());
    clickIndicator(20);
    EXPECT_FALSE(dialog.control(20).checked());
    EXPECT_FALSE(widget<QCheckBox>(20)->isChecked());

    ASSERT_TRUE(widget<QRadioButton>(21)->isChecked());
    clickIndicator(22);
    EXPECT_EQ(dialog.control(21).checked(), 0);
    EXPECT_EQ(dialog.control(22).checked(), 1);
    EXPECT_FALSE(widget<QRadioButton>(21)->isChecked());
    EXPECT_TRUE(widget<QRadioButton>(22)->isChecked());
    // Clicking the checked radio button keeps it checked.
    clickIndicator(22);
    EXPECT_TRUE(widget<QRadioButton>(22)->isChecked());
}

TEST_F(Driven, singleSelectionAndDoubleClick) {
    clickRow(30, 2);
    EXPECT_EQ(dialog.control(30).selectedRow(), 2);
    clickRow(30, 4);
    EXPECT_EQ(dialog.control(30).selectedRows(), std::vector<int>{4});
    auto* v = widget<QAbstractItemView>(30);
    // A double click as the window system delivers it: a click, then the second press.
    const QPoint row3 = v->visualRect(v->model()->index(3, 0)).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, row3);
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, row3);
    EXPECT_EQ(dialog.doubleClicks, 1);
    EXPECT_EQ(dialog.lastDoubleClickRow, 3);
}

TEST_F(Driven, multipleSelectionToggles) {
    clickRow(31, 1);
    clickRow(31, 3);
    EXPECT_EQ(dialog.control(31).selectedRows(), (std::vector<int>{1, 3}));
    clickRow(31, 1);
    EXPECT_EQ(dialog.control(31).selectedRows(), std::vector<int>{3});
    EXPECT_EQ(dialog.control(31).selectedRow(), 1) << "the caret is on the row clicked last";
    // The model's own change shows in the widget.
    dialog.control(31).setSelected(0, true);
    view->sync();
    EXPECT_EQ(widget<QAbstractItemView>(31)->selectionModel()->selectedRows().size(), 2);
}

TEST_F(Driven, spinReportsDeltas) {
    auto* spin = view->widgetOf(41);
    auto buttons = spin->findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 2);
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_EQ(dialog.spins, 1);
}

TEST_F(Driven, returnInAnEditPressesTheDefaultButton) {
    QTest::keyClick(widget<QLineEdit>(10), Qt::Key_Return);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.result(), IDOK);
}

TEST_F(Driven, returnDoesNothingWhileTheDefaultButtonIsDisabled) {
    dialog.control(1).enable(false);
    view->sync();
    QTest::keyClick(widget<QLineEdit>(10), Qt::Key_Return);
    EXPECT_FALSE(dialog.ended());
}

TEST_F(Driven, escapeAsksTheModelToClose) {
    QTest::keyClick(widget<QLineEdit>(10), Qt::Key_Escape);
    EXPECT_TRUE(dialog.ended());
    EXPECT_EQ(dialog.result(), IDCANCEL);
}

TEST(DialogWindow, aModelThatEndsItselfClosesTheWindowWithItsResult) {
    TestHost host;
    DrivenDialog dialog;
    host.open(dialog);
    QtDialogWindow window(dialog);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Ohjattu"));
    QTimer::singleShot(0, &window, [&] { QTest::mouseClick(window.view().widgetOf(40), Qt::LeftButton); });
    EXPECT_EQ(window.exec(), 7);
    EXPECT_FALSE(window.isVisible());
}

TEST(DialogWindow, theCloseBoxGoesThroughTheModel) {
    // A dialog that refuses to close until its check box is ticked.
    struct Stubborn : DrivenDialog {
        void onCancel() override {
            if (checked(20)) endDialog(IDCANCEL);
        }
    };
    TestHost host;
    Stubborn dialog;
    host.open(dialog);
    QtDialogWindow window(dialog);
    window.show();
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    dialog.control(20).setChecked(1);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.result(), IDCANCEL);
}

} // namespace
} // namespace orvek

namespace orvek {
namespace {

TEST(DialogViewRendering, aOneRowListShowsOneRowAndReportsScrolling) {
    DialogTemplate t;
    t.id = 90010;
    t.controls = {{.id = 5, .kind = ControlKind::ListBox, .width = 4, .height = 1}};
    Dialog dialog(t);
    QtDialogView view(dialog);
    for (int v = 0; v < 100; ++v) dialog.control(5).addItem(std::to_string(v));
    dialog.control(5).setTopRow(40);
    view.sync();
    auto* list = static_cast<QAbstractItemView*>(view.widgetOf(5));
    EXPECT_EQ(list->height(), list->sizeHintForRow(0) + 2 * static_cast<QFrame*>(list)->frameWidth());
    // The wheel or the scroll bar moves the value the dialog reads.
    list->scrollTo(list->model()->index(73, 0), QAbstractItemView::PositionAtTop);
    EXPECT_EQ(dialog.control(5).topRow(), 73);
}

} // namespace
} // namespace orvek

namespace orvek {
namespace {

TEST(DialogViewRendering, focusingAListChoosesNothing) {
    DialogTemplate t;
    t.id = 90011;
    t.controls = {{.id = 5, .kind = ControlKind::ListBox, .height = 5},
                  {.id = 6, .kind = ControlKind::Edit}};
    Dialog dialog(t);
    QtDialogView view(dialog);
    for (const char* name : {"Etelä", "Pohjoinen"}) dialog.control(5).addItem(name);
    view.sync();
    view.show();
    view.widgetOf(6)->setFocus();
    view.widgetOf(5)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(dialog.control(5).selectedRow(), -1); // a picker opened with no row selected stays so
    QTest::keyClick(view.widgetOf(5), Qt::Key_Down);
    EXPECT_GE(dialog.control(5).selectedRow(), 0); // the arrow keys do choose
}

} // namespace
} // namespace orvek
