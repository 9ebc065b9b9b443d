#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Host.h"

namespace orvek {

// A scripted host for tests: message boxes take queued answers (or their
// default button when the queue is empty) and everything shown is recorded.
class TestHost : public Host {
public:
    int messageBox(const MessageBoxSpec& spec) override;

    // Queues the answer to the next message box.
    void answer(int id) { answers_.push_back(id); }

    const std::vector<MessageBoxSpec>& messages() const { return messages_; }
    std::string lastMessage() const { return messages_.empty() ? std::string() : messages_.back().text; }
    void clearMessages() { messages_.clear(); }
    // Answers queued but not used.
    std::size_t pendingAnswers() const { return answers_.size(); }

private:
    std::deque<int> answers_;
    std::vector<MessageBoxSpec> messages_;
};

} // namespace orvek
