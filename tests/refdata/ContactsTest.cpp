// The contacts of a speaker and of his congregation's talk coordinator: which
// phones and addresses are shown, when the action button dials or copies,
// and the clipboard emptied on closing.

#include <gtest/gtest.h>

#include "refdata/Contacts.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;

constexpr int kAction = 286, kUpper = 1110, kLower = 1111;
constexpr int kUpperPhones[] = {103, 117, 118}, kUpperEmail = 119;
constexpr int kLowerPhones[] = {106, 107, 108}, kLowerEmail = 120;

struct Contacts : ::testing::Test {
    Contacts() {
        f.start();
        aura = f.addCongregation("Aura");
        kalle = addBrother("Kalle", "Koordinaattori", aura, "02 123 4567", "040 765 4321", "050 111 2222",
                           "kalle@aura.fi");
        matti = addBrother("Matti", "Virtanen", aura, "12345", "", "", "matti.virtanen");
        CongregationRecord c;
        std::size_t row = doc().findCongregation(aura) - 1;
        int slot = doc().readCongregation(row, c);
        c.talkCoordinatorBrother = static_cast<std::uint16_t>(kalle);
        doc().storeCongregation(row, slot, c);
    }
    COvDoc& doc() { return *f.doc; }
    int addBrother(const std::string& first, const std::string& last, int cong, const std::string& phone,
                   const std::string& phone2, const std::string& phone3, const std::string& email) {
        BrotherRecord r;
        r.firstName = first;
        r.lastName = last;
        r.congregationNumber = static_cast<std::uint16_t>(cong);
        r.phone = phone;
        BrotherExtensionRecord ext;
        ext.phone2 = phone2;
        ext.phone3 = phone3;
        ext.email = email;
        int n = doc().addBrother(r, ext);
        doc().sortBrothers();
        return n;
    }
    DocFixture f;
    int aura = 0, kalle = 0, matti = 0;
};

TEST_F(Contacts, bothPersonsAreShownWithTheirPackedPhones) {
    CContacts dlg(doc(), matti, 0);
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "Aura");
    EXPECT_EQ(dlg.control(kUpper).text(), " Yhdysmies - Kalle Koordinaattori ");
    EXPECT_EQ(dlg.control(kLower).text(), " Puhuja - Matti Virtanen ");
    EXPECT_EQ(dlg.control(kUpperPhones[0]).text(), "02 123 4567");
    EXPECT_EQ(dlg.control(kUpperPhones[1]).text(), "040 765 4321");
    EXPECT_EQ(dlg.control(kUpperPhones[2]).text(), "050 111 2222");
    EXPECT_EQ(dlg.control(kUpperEmail).text(), "kalle@aura.fi");
    for (int id : kLowerPhones) EXPECT_EQ(dlg.control(id).text(), "") << id; // "12345" is too short
    EXPECT_EQ(dlg.control(kLowerEmail).text(), "matti.virtanen");
    EXPECT_TRUE(dlg.control(kUpperEmail).style() & cs::readOnly);
    EXPECT_FALSE(dlg.control(kAction).visible());
}

TEST_F(Contacts, aSpeakerWithoutACongregationHasNoCoordinator) {
    int lauri = addBrother("Lauri", "Laine", 0, "0401234567", "", "", "");
    CContacts dlg(doc(), lauri, 0);
    f.host.open(dlg);
    EXPECT_EQ(dlg.caption(), "");
    EXPECT_EQ(dlg.control(kUpper).text(), " Yhdysmies ");
    for (int id : kUpperPhones) EXPECT_EQ(dlg.control(id).text(), "");
    EXPECT_EQ(dlg.control(kLowerPhones[0]).text(), "0401234567");
    // A congregation given by the caller stands for the speaker's.
    CContacts other(doc(), lauri, aura);
    f.host.open(other);
    EXPECT_EQ(other.caption(), "Aura");
    EXPECT_EQ(other.control(kUpperPhones[0]).text(), "02 123 4567");
}

TEST_F(Contacts, anAddressIsCopiedOnlyWithAnAtSignAndTheClipboardIsEmptiedOnClosing) {
    CContacts dlg(doc(), matti, 0);
    f.host.open(dlg);
    dlg.focus(kLowerEmail);
    EXPECT_FALSE(dlg.control(kAction).visible()); // "matti.virtanen" has no "@"
    dlg.focus(kUpperEmail);
    ASSERT_TRUE(dlg.control(kAction).visible());
    EXPECT_EQ(dlg.control(kAction).text(), "Kopioi kalle@aura.fi");
    dlg.focus(kAction); // the button taking the focus keeps its action
    dlg.press(kAction);
    EXPECT_EQ(f.host.clipboard, "kalle@aura.fi");
    dlg.press(IDCANCEL);
    EXPECT_FALSE(f.host.clipboard.has_value());
    // Closing without copying leaves the clipboard alone.
    f.host.clipboard = "muuta";
    CContacts again(doc(), matti, 0);
    f.host.open(again);
    again.close();
    EXPECT_EQ(f.host.clipboard, "muuta");
}

TEST_F(Contacts, aNumberIsDialledOnlyWhenDiallingIsOnAndTheNumberIsValid) {
    CContacts off(doc(), matti, 0);
    f.host.open(off);
    off.focus(kUpperPhones[0]);
    EXPECT_FALSE(off.control(kAction).visible()); // dialling is off at every start

    doc().settings.dialEnabled = 1;
    CContacts dlg(doc(), matti, 0);
    f.host.open(dlg);
    dlg.focus(kUpperPhones[1]);
    ASSERT_TRUE(dlg.control(kAction).visible());
    EXPECT_EQ(dlg.control(kAction).text(), "Soita 040 765 4321");
    dlg.press(kAction);
    ASSERT_EQ(f.host.dialled.size(), 1u);
    EXPECT_EQ(f.host.dialled[0], (std::pair<std::string, std::string>{"040 765 4321", "Kalle Koordinaattori"}));
    EXPECT_TRUE(f.host.messages().empty());
    f.host.dialWorks = false;
    dlg.press(kAction);
    EXPECT_EQ(f.host.lastMessage(), "Unable to dial the number");
    dlg.focus(kLowerPhones[0]); // an empty field offers nothing
    EXPECT_FALSE(dlg.control(kAction).visible());
}

TEST_F(Contacts, theDialRuleCountsTheStoredAndTheTrimmedLength) {
    doc().settings.dialEnabled = 1;
    // A phone field reads at most its 14 characters (what a save keeps), so a
    // stored number never reaches the 16 characters that are refused; the
    // trimmed length still decides.
    struct Case {
        std::string phone;
        bool offered;
    };
    for (const Case& c : {Case{"  12345678    ", true}, Case{"   123456", false},
                          Case{"1234567", true}}) {
        std::size_t row = doc().findBrother(kalle);
        auto key = f.path(datafile::speakers).lexically_normal().string();
        Bytes& file = f.fs.files[key];
        std::size_t at = static_cast<std::size_t>(doc().brothers[row].recordPosition) * 256 + 120;
        std::fill_n(file.begin() + static_cast<std::ptrdiff_t>(at), 16, 0);
        std::copy(c.phone.begin(), c.phone.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
        CContacts dlg(doc(), matti, 0);
        f.host.open(dlg);
        dlg.focus(kUpperPhones[0]);
        EXPECT_EQ(dlg.control(kAction).visible() && dlg.control(kAction).text().find("Soita") == 0, c.offered)
            << '"' << c.phone << '"';
    }
}

} // namespace
} // namespace orvek
