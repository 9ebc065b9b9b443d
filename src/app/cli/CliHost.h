#pragma once

#include <iostream>

#include "platform/Host.h"

namespace orvek {

// The command line's host: messages go to standard error, and every question
// takes its default answer.
class CliHost : public Host {
public:
    explicit CliHost(std::ostream& err = std::cerr) : err_(err) {}
    int messageBox(const MessageBoxSpec& spec) override;
    int messagesShown() const { return shown_; }

private:
    std::ostream& err_;
    int shown_ = 0;
};

} // namespace orvek
