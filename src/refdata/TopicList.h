#pragma once

#include <vector>

#include "platform/Dialog.h"

namespace orvek {

class COvDoc;

// The topics list (dialog 146 "Aiheet"): adds, renames and deletes the
// topics the talks are grouped under. Every change is written at once.
class CTopicList : public Dialog {
public:
    explicit CTopicList(COvDoc& doc);
    // The numbers of the topics deleted while the list was open (a number
    // may have been given to a new topic since).
    const std::vector<int>& deletedTopics() const { return deleted_; }

protected:
    void onInit() override;
    void onCommand(int id) override;
    void onSelectionChange(int id) override;
    bool onKey(int id, const KeyEvent& e) override;

private:
    void fill();
    void startTyping(int entry, const std::string& name);
    void endTyping();
    void commitTyping();

    COvDoc& doc_;
    // The topic being typed: -1 none, -2 a new topic, else the row being renamed.
    int editing_ = -1;
    std::vector<int> deleted_;
};

} // namespace orvek
