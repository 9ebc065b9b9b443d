// A data folder saved by the document and loaded again gives the tables it
// held: nothing read from a file is lost or changed by the next save.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <string>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Host.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"

#include <unistd.h>

namespace orvek {
namespace {

namespace fs = std::filesystem;

class DefaultAnswers : public Host {
public:
    int messageBox(const MessageBoxSpec& spec) override {
        ++shown;
        return spec.defaultButton ? spec.defaultButton : IDOK;
    }
    int shown = 0;
};

class SaveReload : public ::testing::Test {
protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        folder = fs::temp_directory_path() /
                 ("orvek-save-reload-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    void put(int fileNameId, const Bytes& data) {
        ASSERT_EQ(files.writeFileAtomic(folder / pathFromUtf8(stringText(fileNameId)), data), WriteError::None);
    }

    fs::path folder;
    LocalFileSystem files;
    FixedClock clock{{2019, 5, 10}}; // the window holds weeks 521..1520
    DefaultAnswers host;
};

TEST_F(SaveReload, aWeekHoldingDataWithoutItsInUseBitIsKept) {
    WeekRecord r;
    r.week = 600;
    r.inSpeaker = 5;
    r.inTalk = 12;
    WeekRecord empty; // a week record with nothing in it stays out of use
    empty.week = 601;
    Bytes data;
    for (const auto& w : {r, empty}) {
        auto e = w.encode();
        data.insert(data.end(), e.begin(), e.end());
    }
    put(datafile::history, data);

    COvDoc doc(files, clock, host, folder);
    ASSERT_TRUE(doc.startUp());
    WeekRecord loaded = doc.weekRecord(599);
    EXPECT_TRUE(loaded.inUse());
    EXPECT_EQ(loaded.inSpeaker, 5);
    EXPECT_EQ(loaded.inTalk, 12);
    EXPECT_FALSE(doc.weekRecord(600).inUse());

    ASSERT_TRUE(doc.saveWeeks());
    EXPECT_EQ(files.fileSize(doc.filePath(datafile::history)), WeekRecord::kSize);
    ASSERT_TRUE(doc.reload());
    EXPECT_TRUE(doc.weekRecord(599) == loaded);
}

TEST_F(SaveReload, overlongTextFieldsReloadAsSaved) {
    TalkRecord t;
    t.talkNumber = 1;
    auto bytes = t.encode();
    for (std::size_t i = 0; i < 92; ++i) bytes[i] = 'T'; // one character over the title's limit
    put(datafile::talk, Bytes(bytes.begin(), bytes.end()));
    TopicRecord topic;
    topic.topicNumber = 4;
    auto topicBytes = topic.encode();
    for (std::size_t i = 0; i < 46; ++i) topicBytes[i] = 'n'; // no terminator at all
    put(datafile::topic, Bytes(topicBytes.begin(), topicBytes.end()));

    COvDoc doc(files, clock, host, folder);
    ASSERT_TRUE(doc.startUp());
    auto talks = doc.talks;
    auto topics = doc.topics;
    ASSERT_TRUE(doc.saveTalks());
    ASSERT_TRUE(doc.saveTopics());
    ASSERT_TRUE(doc.reload());
    EXPECT_TRUE(doc.talks == talks);
    EXPECT_TRUE(doc.topics == topics);
    EXPECT_EQ(doc.talks[0].title, std::string(91, 'T'));
}

TEST_F(SaveReload, theDefaultScheduleTitleKeepsItsTrailingBlank) {
    COvDoc doc(files, clock, host, folder);
    ASSERT_TRUE(doc.startUp());
    const std::string title(stringText(sid::scheduleTitleDefault));
    ASSERT_EQ(title.back(), ' ');
    EXPECT_EQ(doc.settings.scheduleTitle, title);
    ASSERT_TRUE(doc.saveSettings());
    Settings saved = doc.settings;
    ASSERT_TRUE(doc.reload());
    EXPECT_EQ(doc.settings.scheduleTitle, title);
    EXPECT_TRUE(doc.settings == saved);
    EXPECT_EQ(host.shown, 0);
}

} // namespace
} // namespace orvek
