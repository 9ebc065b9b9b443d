#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "platform/TestHost.h"

namespace orvek {
namespace {

DialogTemplate sample() {
    DialogTemplate t;
    t.id = 9001;
    t.caption = "Näyte";
    t.controls = {
        {.id = 10, .kind = ControlKind::Edit, .limit = 5},
        {.id = 11, .kind = ControlKind::CheckBox, .text = "Valinta"},
        {.id = 20, .kind = ControlKind::GroupBox, .text = "Ryhmä"},
        {.id = 21, .kind = ControlKind::RadioButton, .text = "A", .parent = 20},
        {.id = 22, .kind = ControlKind::RadioButton, .text = "B", .parent = 20},
        {.id = 23, .kind = ControlKind::RadioButton, .text = "C"},
        {.id = 30, .kind = ControlKind::ListBox},
        {.id = 31, .kind = ControlKind::ListBox, .style = cs::multiSelect},
        {.id = 40, .kind = ControlKind::Button, .text = "Lapsi"},
        {.id = 41, .kind = ControlKind::Button, .text = "Piilossa", .style = cs::hidden},
        {.id = IDOK, .kind = ControlKind::Button, .text = "OK", .style = cs::defaultButton},
        {.id = IDCANCEL, .kind = ControlKind::Button, .text = "Peruuta"},
        {.kind = ControlKind::Label, .text = "staattinen"},
    };
    return t;
}

const DialogTemplate& sampleTemplate() {
    static const DialogTemplate t = sample();
    return t;
}

struct Sample : Dialog {
    Sample() : Dialog(sampleTemplate()) {}
    std::vector<std::string> events;
    int childResult = 0;
    void onInit() override { events.push_back("init"); }
    void onCommand(int id) override {
        events.push_back("command " + std::to_string(id));
        if (id == 40) {
            Sample child;
            childResult = runChild(child);
        }
        Dialog::onCommand(id);
    }
    void onSelectionChange(int id) override { events.push_back("select " + std::to_string(id)); }
    void onEditChange(int id) override { events.push_back("edit " + std::to_string(id)); }
    void onFocus(int id, bool gained) override { events.push_back((gained ? "focus+ " : "focus- ") + std::to_string(id)); }
};

TEST(Dialog, controlsBehaveAsTheirKindsDo) {
    TestHost host;
    Sample d;
    host.open(d);
    EXPECT_EQ(d.caption(), "Näyte");
    d.press(11);
    EXPECT_EQ(d.control(11).checked(), 1);
    d.press(11);
    EXPECT_EQ(d.control(11).checked(), 0);
    // Radio buttons exclude each other within their group box only.
    d.press(21);
    d.press(23);
    d.press(22);
    EXPECT_EQ(d.control(21).checked(), 0);
    EXPECT_EQ(d.control(22).checked(), 1);
    EXPECT_EQ(d.control(23).checked(), 1);
    // An edit keeps at most its limit.
    d.type(10, "Mäkeläinen");
    EXPECT_EQ(d.control(10).text(), "Mäkel");
    // Single and multiple selection.
    for (auto* t : {"Aura", "Halikko", "Kaarina"}) {
        d.control(30).addItem(t);
        d.control(31).addItem(t);
    }
    d.select(30, 1);
    d.select(30, 2);
    EXPECT_EQ(d.control(30).selectedRows(), (std::vector<int>{2}));
    d.toggleRow(31, 0);
    d.toggleRow(31, 2);
    d.toggleRow(31, 0);
    EXPECT_EQ(d.control(31).selectedRows(), (std::vector<int>{2}));
    EXPECT_EQ(d.control(31).findPrefix("haL"), 1);
    d.focus(10);
    d.focus(30);
    EXPECT_EQ(d.events, (std::vector<std::string>{"init", "command 11", "command 11", "command 21", "command 23",
                                                  "command 22", "edit 10", "select 30", "select 30", "select 31",
                                                  "select 31", "select 31", "focus+ 10", "focus- 10", "focus+ 30"}));
}

TEST(Dialog, theUserCannotReachWhatIsHiddenOrMissing) {
    TestHost host;
    Sample d;
    host.open(d);
    EXPECT_THROW(d.press(41), std::logic_error);
    EXPECT_THROW(d.control(999), std::logic_error);
    d.control(10).enable(false);
    EXPECT_THROW(d.type(10, "x"), std::logic_error);
    EXPECT_FALSE(d.hasControl(-1));
}

TEST(Dialog, childDialogsRunTheirScripts) {
    TestHost host;
    Sample d;
    host.open(d);
    host.onChild<Sample>([](Sample& child) {
        child.type(10, "abc");
        child.press(IDOK);
    });
    d.press(40);
    EXPECT_EQ(d.childResult, IDOK);
    d.press(40); // no script: the child closes as Cancel
    EXPECT_EQ(d.childResult, IDCANCEL);
    ASSERT_EQ(host.dialogsShown().size(), 2u);
    EXPECT_EQ(host.dialogsShown()[0].templateId, 9001);
    EXPECT_FALSE(d.ended());
    d.press(IDCANCEL);
    EXPECT_TRUE(d.ended());
    EXPECT_EQ(d.result(), IDCANCEL);
}

} // namespace
} // namespace orvek
