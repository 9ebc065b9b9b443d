#include "refdata/TalkEdit.h"

#include <algorithm>

#include "refdata/StorableText.h"
#include "refdata/TopicList.h"
#include "resources/StringTable.h"
#include "resources/Strings.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kNumber = 1027, kTitle = 244, kTalkTopics = 1030, kAllTopics = 1028, kHistory = 1060,
              kHistoryGroup = 1451, kTopicView = 1029, kEditTopics = 1031, kNext = 1025, kPrevious = 1026;
constexpr int kToTalk = 1028; // " esitelmään"
constexpr int kHistoryStyle = 26;
constexpr std::size_t kNumberChars = 5, kTitleChars = 91;
} // namespace

CTalkEdit::CTalkEdit(COvDoc& doc, std::vector<int> talkRows, int position)
    : Dialog(145), doc_(doc), talkRows_(std::move(talkRows)), position_(position) {}

int CTalkEdit::talkRow() const {
    if (position_ < 0 || static_cast<std::size_t>(position_) >= talkRows_.size()) return -1;
    int row = talkRows_[static_cast<std::size_t>(position_)];
    return row >= 0 && static_cast<std::size_t>(row) < doc_.talks.size() ? row : -1;
}

void CTalkEdit::onInit() {
    load(position_);
    setFocus(kTitle);
}

void CTalkEdit::load(int position) {
    position_ = position;
    int row = talkRow();
    work_ = row >= 0 ? doc_.talks[static_cast<std::size_t>(row)] : TalkRecord{};
    setText(kNumber, work_.numberText);
    setText(kTitle, work_.title);
    setCaption(doc_.talkText(work_.talkNumber, true, false));
    fillTopicLists();
    showTopicView(choosing_);
    fillHistory();
    bool many = talkRows_.size() > 1;
    enable(kNext, many);
    enable(kPrevious, many);
}

void CTalkEdit::showTopicView(bool choosing) {
    choosing_ = choosing;
    show(kTalkTopics, !choosing);
    show(kHistoryGroup, !choosing);
    show(kHistory, !choosing);
    show(kAllTopics, choosing);
    show(kEditTopics, choosing);
    int label = choosing ? sid::showListButton : sid::chooseTopics;
    setText(kTopicView, std::string(stringText(label)) + " " + std::string(stringText(kToTalk)) + " " +
                            work_.numberText);
}

// List 1030: the talk's topics; list 1028: every topic, the talk's selected.
// Both in topic-table order; item data = topic row.
void CTalkEdit::fillTopicLists() {
    Control& own = control(kTalkTopics);
    Control& all = control(kAllTopics);
    own.clear();
    all.clear();
    for (std::size_t i = 0; i < doc_.topics.size(); ++i) {
        int number = doc_.topics[i].topicNumber;
        bool has = number != 0 && std::find(work_.topics.begin(), work_.topics.end(), number) != work_.topics.end();
        if (has) own.addItem(doc_.topics[i].name, static_cast<std::intptr_t>(i));
        int r = all.addItem(doc_.topics[i].name, static_cast<std::intptr_t>(i));
        if (has) all.setSelected(r, true);
    }
}

void CTalkEdit::takeTopicSelection() {
    work_.topics.fill(0);
    std::size_t slot = 0;
    const Control& all = control(kAllTopics);
    for (int r : all.selectedRows()) {
        if (slot == work_.topics.size()) break; // the first 26 in topic-table order
        auto topicRow = static_cast<std::size_t>(all.itemData(r));
        if (topicRow < doc_.topics.size()) work_.topics[slot++] = doc_.topics[topicRow].topicNumber;
    }
}

// The weeks the talk was given here, newest first; item data = week index.
void CTalkEdit::fillHistory() {
    Control& list = control(kHistory);
    list.clear();
    for (int x : doc_.talkHistory(work_.talkNumber)) list.addItem(doc_.weekDateText(x + 1, kHistoryStyle), x);
    if (list.count() > 0) list.setSelectedRow(0);
}

void CTalkEdit::onSelectionChange(int id) {
    if (id != kHistory) return;
    const Control& list = control(kHistory);
    int r = list.selectedRow();
    if (r < 0) return;
    auto x = static_cast<int>(list.itemData(r));
    std::string caption = doc_.weekDateText(x + 1, kHistoryStyle);
    int speaker = doc_.weekRecord(x).inSpeaker;
    std::size_t b = doc_.findBrother(speaker);
    if (b != kNotFound) {
        caption += " - " + doc_.brotherName(b, false);
        std::string cong = doc_.congregationNameByNumber(doc_.brothers[b].congregationNumber, false);
        if (!cong.empty()) caption += " - " + cong;
    }
    setCaption(caption);
}

bool CTalkEdit::store() {
    if (choosing_) takeTopicSelection();
    std::string number = text(kNumber);
    std::string title = text(kTitle);
    if (trimText(number).empty()) {
        showMessage(std::string(stringText(sid::talkNumberMissing)), Buttons::Ok, IDOK, Icon::Warning);
        setFocus(kNumber);
        return false;
    }
    if (!acceptStorableText(host(), number)) {
        setFocus(kNumber);
        return false;
    }
    if (!acceptStorableText(host(), title)) {
        setFocus(kTitle);
        return false;
    }
    int row = talkRow();
    if (row < 0) return true;
    TalkRecord& t = doc_.talks[static_cast<std::size_t>(row)];
    t.numberText = leftChars(number, kNumberChars);
    t.title = leftChars(title, kTitleChars);
    t.topics = work_.topics;
    work_ = t;
    stored_ = true;
    doc_.dataChanged = 1;
    return true;
}

void CTalkEdit::step(int delta) {
    if (talkRows_.empty() || !store()) return;
    auto n = static_cast<int>(talkRows_.size());
    load(wrapRow(position_, delta, n));
}

void CTalkEdit::editTopics() {
    if (choosing_) takeTopicSelection();
    CTopicList topics(doc_);
    runChild(topics);
    // The talk being edited lets go of a deleted topic as the stored talks
    // did, even when a new topic has been given its number since.
    const auto& deleted = topics.deletedTopics();
    for (auto& slot : work_.topics)
        if (std::find(deleted.begin(), deleted.end(), slot) != deleted.end()) slot = 0;
    fillTopicLists();
}

void CTalkEdit::onCommand(int id) {
    switch (id) {
    case kTopicView:
        if (choosing_) takeTopicSelection();
        fillTopicLists();
        showTopicView(!choosing_);
        return;
    case kEditTopics: editTopics(); return;
    case kNext: step(1); return;
    case kPrevious: step(-1); return;
    case IDOK:
        if (store()) endDialog(IDOK);
        return;
    default: Dialog::onCommand(id);
    }
}

} // namespace orvek
