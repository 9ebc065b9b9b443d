// Type-ahead selection, driven through the congregation list.

#include <gtest/gtest.h>

#include "refdata/CongList.h"
#include "refdata/TypeAheadList.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

struct TypeAhead : ::testing::Test {
    TypeAhead() {
        for (const char* name : {"Aura", "Halikko", "Hamina", "Kaarina", "Åland"}) f.addCongregation(name);
        f.host.open(list);
        list.focus(248);
    }
    bool type(const std::string& keys) {
        bool consumed = true;
        for (char c : keys) consumed = list.key(248, KeyEvent::ch(static_cast<unsigned char>(c))) && consumed;
        return consumed;
    }
    int selected() { return list.control(248).selectedRow(); }
    test::DocFixture f;
    COvDoc& started = f.start();
    CCongList list{started, true};
};

TEST_F(TypeAhead, lettersBuildAPrefixAndRestartWhenNothingMatches) {
    struct Case {
        const char* keys;
        int row;
        const char* prefix;
    };
    for (Case c : {Case{"h", 1, "h"},
                   {"ham", 2, "ham"},
                   {"HAL", 1, "HAL"},
                   {"hk", 3, "k"},
                   {"hx", 1, ""},
                   {"ka", 3, "ka"},
                   {"kh", 1, "h"}}) {
        SCOPED_TRACE(c.keys);
        list.control(248).setSelectedRow(0);
        list.focus(IDOK);
        list.focus(248); // a new prefix
        EXPECT_TRUE(type(c.keys));
        EXPECT_EQ(selected(), c.row);
        EXPECT_EQ(list.control(248).topRow(), c.row);
    }
}

TEST_F(TypeAhead, otherCharactersAreSwallowedAndNavigationKeysPassOn) {
    type("h");
    EXPECT_TRUE(list.key(248, KeyEvent::ch('1')));
    EXPECT_TRUE(list.key(248, KeyEvent::ch(' ')));
    EXPECT_EQ(selected(), 1);
    type("m"); // the prefix is still "h": "hm" matches nothing and "m" neither
    EXPECT_EQ(selected(), 1);
    EXPECT_FALSE(list.key(248, KeyEvent::of(Key::Down)));
    EXPECT_FALSE(list.key(248, KeyEvent::of(Key::Return)));
    KeyEvent shortcut = KeyEvent::ch('a');
    shortcut.control = true;
    EXPECT_FALSE(list.key(248, shortcut));
}

TEST_F(TypeAhead, lettersBeyondAsciiMatchToo) {
    EXPECT_TRUE(list.key(248, KeyEvent::ch(U'å')));
    EXPECT_EQ(selected(), 4);
}

TEST(TypeAheadList, thePrefixHoldsAtMostFortyCharacters) {
    Control list(ControlTemplate{.id = 1, .kind = ControlKind::ListBox});
    list.addItem(std::string(45, 'a'));
    list.addItem(std::string(40, 'a') + "c");
    TypeAheadList typeAhead;
    for (int i = 0; i < 45; ++i) typeAhead.key(list, KeyEvent::ch('a'));
    EXPECT_EQ(typeAhead.prefix(), std::string(40, 'a'));
    typeAhead.key(list, KeyEvent::ch('c')); // not taken into the full prefix
    EXPECT_EQ(list.selectedRow(), 0);
    typeAhead.focus(true);
    EXPECT_EQ(typeAhead.prefix(), "");
}

} // namespace
} // namespace orvek
