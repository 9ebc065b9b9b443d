// When each file is written, what goes into it, and what happens when it
// cannot be written.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Clock.h"
#include "platform/TestHost.h"
#include "resources/StringTable.h"
#include "store/Text.h"
#include "support/DocFixture.h"

namespace orvek {
namespace {

using test::DocFixture;
using test::encodeRecords;

TEST(DocumentSave, historyHoldsTheUsedWeeksInAscendingOrder) {
    DocFixture f;
    // A record before the window (history older than the window) is kept.
    WeekRecord old;
    old.week = 100;
    old.inTalk = 9;
    old.flags = weekflag::inUse;
    f.putFile(datafile::history, encodeRecords(std::vector{old}));
    COvDoc& doc = f.start();
    const int x = doc.currentWeek;
    WeekRecord a = doc.weekRecord(x + 2);
    a.inTalk = 5;
    doc.putWeek(a, x + 2);
    WeekRecord b = doc.weekRecord(x);
    b.reader = 3;
    doc.putWeek(b, x);
    WeekRecord c = doc.weekRecord(x + 1);
    c.hospitality = 30001;
    doc.putWeek(c, x + 1);
    c = doc.weekRecord(x + 1);
    c.hospitality = 0;
    doc.putWeek(c, x + 1); // cleared again: still written, with empty fields
    doc.putWeek(doc.weekRecord(x + 3), x + 3); // never held data: not written
    ASSERT_TRUE(doc.saveWeeks());
    Bytes file = *f.file(datafile::history);
    ASSERT_EQ(file.size(), 4u * 64);
    auto weekAt = [&](std::size_t i) {
        return WeekRecord::decode(std::span<const std::uint8_t, 64>(file.data() + 64 * i, 64));
    };
    EXPECT_EQ(weekAt(0).week, 100);
    EXPECT_EQ(weekAt(1).week, x + 1);
    EXPECT_EQ(weekAt(1).reader, 3);
    EXPECT_EQ(weekAt(2).week, x + 2);
    EXPECT_EQ(weekAt(2).flags, weekflag::inUse);
    EXPECT_EQ(weekAt(2).hospitality, 0);
    EXPECT_EQ(weekAt(3).inTalk, 5);
    // What was saved loads back the same.
    COvDoc& again = f.start();
    EXPECT_EQ(again.weekRecord(x + 2).inTalk, 5);
    EXPECT_TRUE(again.weekRecord(x + 1).inUse());
}

TEST(DocumentSave, unavailabilityIsWrittenOnlyAfterAChange) {
    DocFixture f;
    COvDoc& doc = f.start();
    ASSERT_TRUE(doc.saveUnavailability());
    EXPECT_FALSE(f.file(datafile::blackout)); // nothing changed, nothing written
    doc.addUnavailableWeek(4, doc.currentWeek + 2);
    doc.addUnavailableWeek(5, doc.currentWeek + 3);
    doc.removeUnavailableWeek(4, doc.currentWeek + 2);
    EXPECT_TRUE(doc.unavailabilityChanged);
    ASSERT_TRUE(doc.saveUnavailability());
    EXPECT_FALSE(doc.unavailabilityChanged);
    EXPECT_EQ(f.file(datafile::blackout)->size(), 8u); // the cleared row is not written
    int writes = f.fs.writes;
    ASSERT_TRUE(doc.saveUnavailability());
    EXPECT_EQ(f.fs.writes, writes);
    // Clearing the last row writes an empty file.
    doc.removeUnavailableWeek(5, doc.currentWeek + 3);
    ASSERT_TRUE(doc.saveUnavailability());
    EXPECT_EQ(f.file(datafile::blackout)->size(), 0u);
}

TEST(DocumentSave, anEmptiedTableIsSavedAsAnEmptyFile) {
    DocFixture f;
    COvDoc& doc = f.start();
    ASSERT_NE(doc.addCircuit({"Etelä", 0}), 0);
    ASSERT_TRUE(doc.saveCircuits());
    EXPECT_EQ(f.file(datafile::circuit)->size(), 32u);
    ASSERT_TRUE(doc.deleteCircuit(0));
    ASSERT_TRUE(doc.saveCircuits());
    EXPECT_EQ(f.file(datafile::circuit)->size(), 0u);
    EXPECT_TRUE(f.start().circuits.empty()); // it does not come back
    // The same for topics: once emptied, the ten defaults do not return.
    while (!f.doc->topics.empty()) f.doc->deleteTopic(0);
    ASSERT_TRUE(f.doc->saveTopics());
    EXPECT_TRUE(f.start().topics.empty());
}

TEST(DocumentSave, everyWholeFileSaveWritesItsTable) {
    DocFixture f;
    COvDoc& doc = f.start();
    ASSERT_TRUE(doc.saveTalks());
    EXPECT_EQ(f.file(datafile::talk)->size(), 256u * 154);
    ASSERT_TRUE(doc.saveTopics());
    EXPECT_EQ(f.file(datafile::topic)->size(), 10u * 48);
    ASSERT_TRUE(doc.saveWishList());
    EXPECT_EQ(f.file(datafile::wishlist)->size(), 96u);
    ASSERT_TRUE(doc.saveSpecialEvents());
    EXPECT_EQ(f.file(datafile::special)->size(), 0u);
    doc.addHost({"~Virtaset", 0});
    ASSERT_TRUE(doc.saveHospitality());
    EXPECT_EQ(f.file(datafile::hospital)->size(), 32u);
    EXPECT_TRUE(f.host.messages().empty());
}

TEST(DocumentSave, aFailedWriteIsReportedAndTheChangeStaysInMemory) {
    DocFixture f;
    COvDoc& doc = f.start();
    doc.wishList.wanted.set(33);
    f.fs.setReadOnly(true);
    EXPECT_FALSE(doc.saveWishList());
    ASSERT_EQ(f.host.messages().size(), 1u);
    std::string expected = substitute(stringText(1231), pathToUtf8(f.path(datafile::wishlist)));
    EXPECT_EQ(f.host.lastMessage(), expected);
    EXPECT_TRUE(doc.wishList.wanted.has(33));
    EXPECT_FALSE(f.file(datafile::wishlist));
    // Every save reports its own file.
    EXPECT_FALSE(doc.saveWeeks());
    EXPECT_FALSE(doc.saveSettings());
    EXPECT_EQ(f.host.messages().size(), 3u);
    // Once the folder is writable again a later save succeeds.
    f.fs.setReadOnly(false);
    EXPECT_TRUE(doc.saveWishList());
    EXPECT_TRUE(f.start().wishList.wanted.has(33));
}

TEST(DocumentSave, aRecordWriteThatFailsIsReported) {
    DocFixture f;
    COvDoc& doc = f.start();
    f.fs.failWritesTo(f.path(datafile::speakers));
    BrotherRecord r;
    r.firstName = "Matti";
    r.lastName = "Virtanen";
    BrotherExtensionRecord ext;
    doc.addBrother(r, ext);
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_NE(f.host.lastMessage().find(pathToUtf8(f.path(datafile::speakers))), std::string::npos);
    EXPECT_EQ(doc.brothers.size(), 1u); // the table keeps the change
}

TEST(DocumentSave, writingPositionZeroIsRefused) {
    DocFixture f;
    COvDoc& doc = f.start();
    BrotherRecord r;
    r.firstName = "X";
    EXPECT_FALSE(doc.writeBrother(0, r));
    ASSERT_EQ(f.host.messages().size(), 1u);
    EXPECT_EQ(f.host.lastMessage().rfind("Oh no!\n\nYou can't do that!\n\n", 0), 0u);
    EXPECT_EQ(f.file(datafile::speakers), Bytes(256, 0));
}

TEST(DocumentSave, rolesAreWrittenBackIntoTheRecords) {
    DocFixture f;
    COvDoc& doc = f.start();
    int own = f.addCongregation("Aura");
    doc.settings.ownCongregationNumber = own;
    int b = f.addBrother("Matti", "Virtanen", own);
    doc.buildLocalBrothers();
    ASSERT_EQ(doc.localBrothers.size(), 1u);
    doc.localBrothers[0].roles = role::chairman | role::reader;
    ASSERT_TRUE(doc.saveRoles());
    EXPECT_EQ(doc.readBrotherAt(b)->roles, role::chairman | role::reader);
    doc.localBrothers[0].roles = 0;
    doc.buildLocalBrothers(); // a rebuild restores what is stored
    EXPECT_EQ(doc.localBrothers[0].roles, role::chairman | role::reader);
}

TEST(DocumentSave, extensionRecordsAreReusedAndFreed) {
    DocFixture f;
    COvDoc& doc = f.start();
    BrotherRecord r;
    r.firstName = "Matti";
    r.lastName = "Virtanen";
    BrotherExtensionRecord ext;
    ext.email = "matti@example.fi";
    int n = doc.addBrother(r, ext);
    std::size_t row = doc.findBrother(n);
    EXPECT_EQ(doc.brothers[row].extensionNumber, 1);
    BrotherExtensionRecord back;
    EXPECT_EQ(doc.readExtension(1, n, back), 1);
    EXPECT_EQ(back.email, "matti@example.fi");
    EXPECT_EQ(doc.readExtension(1, n + 1, back), 0); // another owner
    EXPECT_EQ(back.email, "");
    // Clearing every extension text frees the record.
    BrotherRecord rec;
    int slot = doc.readBrother(row, rec);
    BrotherExtensionRecord none;
    doc.storeBrother(row, slot, rec, none);
    EXPECT_EQ(doc.brothers[row].extensionNumber, 0);
    EXPECT_EQ(doc.readExtension(1, n, back), 0);
    // The freed record is taken by the next brother who needs one.
    BrotherRecord r2;
    r2.firstName = "Antti";
    r2.lastName = "Aho";
    BrotherExtensionRecord ext2;
    ext2.notes = "Ajaa autoa";
    int n2 = doc.addBrother(r2, ext2);
    EXPECT_EQ(doc.brothers[doc.findBrother(n2)].extensionNumber, 1);
    EXPECT_EQ(doc.storeExtension(BrotherExtensionRecord{}), 0); // no owner
}

TEST(DocumentSave, realFilesAreReplacedWithoutTemporaryLeftovers) {
    auto dir = std::filesystem::temp_directory_path() / ("orvek-save-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    {
        LocalFileSystem fs;
        FixedClock clock({2026, 12, 11});
        TestHost host;
        COvDoc doc(fs, clock, host, dir);
        doc.startUp();
        doc.wishList.wanted.set(7);
        ASSERT_TRUE(doc.saveWishList());
        ASSERT_TRUE(doc.saveWeeks());
        BrotherRecord r;
        r.firstName = "Matti";
        r.lastName = "Virtanen";
        BrotherExtensionRecord ext;
        ASSERT_EQ(doc.addBrother(r, ext), 1);
        EXPECT_TRUE(host.messages().empty());
    }
    EXPECT_EQ(std::filesystem::file_size(dir / "wishlist.dat"), 96u);
    EXPECT_EQ(std::filesystem::file_size(dir / "speakers.dat"), 512u);
    for (auto& e : std::filesystem::directory_iterator(dir)) EXPECT_NE(e.path().extension(), ".tmp") << e.path();
    // A second program on the same folder is refused; the first one's lock
    // is released when it ends.
    DataFolderLock first, second;
    EXPECT_EQ(first.acquire(dir), DataFolderLock::Result::Locked);
    EXPECT_EQ(second.acquire(dir), DataFolderLock::Result::Busy);
    first.release();
    EXPECT_EQ(second.acquire(dir), DataFolderLock::Result::Locked);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace orvek
