#include "refdata/TopicList.h"

#include "refdata/StorableText.h"
#include "store/Document.h"
#include "store/Text.h"

namespace orvek {

namespace {
constexpr int kList = 167, kName = 166, kAdd = 1026;
constexpr int kNotTyping = -1, kNewEntry = -2;
constexpr std::size_t kNameChars = 45;
} // namespace

CTopicList::CTopicList(COvDoc& doc) : Dialog(146), doc_(doc) {}

void CTopicList::onInit() {
    fill();
    setFocus(kList);
}

void CTopicList::fill() {
    Control& list = control(kList);
    list.clear();
    for (std::size_t i = 0; i < doc_.topics.size(); ++i)
        list.addItem(doc_.topics[i].name, static_cast<std::intptr_t>(i));
}

void CTopicList::startTyping(int entry, const std::string& name) {
    editing_ = entry;
    setText(kName, name);
    show(kName);
    show(IDOK);
    show(kAdd, false);
    setFocus(kName);
}

void CTopicList::endTyping() {
    editing_ = kNotTyping;
    setText(kName, "");
    show(kName, false);
    show(IDOK, false);
    show(kAdd);
    setFocus(kList);
}

void CTopicList::onSelectionChange(int id) {
    if (id != kList) return;
    int row = control(kList).selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= doc_.topics.size()) return;
    startTyping(row, doc_.topics[static_cast<std::size_t>(row)].name);
}

bool CTopicList::onKey(int id, const KeyEvent& e) {
    // Escape in the name field gives the entry up without closing the list.
    if (id == kName && e.key == Key::Escape && editing_ != kNotTyping) {
        endTyping();
        return true;
    }
    return false;
}

void CTopicList::onCommand(int id) {
    switch (id) {
    case kAdd: startTyping(kNewEntry, ""); return;
    case IDOK:
        if (editing_ != kNotTyping) commitTyping();
        return;
    default: Dialog::onCommand(id);
    }
}

void CTopicList::commitTyping() {
    std::string name = trimText(leftChars(text(kName), kNameChars));
    if (!name.empty() && !acceptStorableText(host(), name)) {
        setFocus(kName);
        return;
    }
    if (editing_ == kNewEntry) {
        if (!name.empty()) {
            TopicRecord r;
            r.name = name;
            doc_.addTopic(r);
        }
    } else if (editing_ >= 0 && static_cast<std::size_t>(editing_) < doc_.topics.size()) {
        auto row = static_cast<std::size_t>(editing_);
        if (name.empty()) {
            deleted_.push_back(doc_.topics[row].topicNumber);
            doc_.deleteTopic(row);
            // The talks lose the topic on disk at once too: its number may be
            // given to the next new topic, and a talk.dat still naming it would
            // then put the talks under that topic.
            doc_.saveTalks();
        } else if (doc_.checkTopicName(name, false, row) == 0) {
            doc_.topics[row].name = name;
        }
    }
    doc_.sortTopics();
    doc_.saveTopics();
    endTyping();
    fill();
}

} // namespace orvek
