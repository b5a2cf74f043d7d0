#pragma once

// A scripted IPanelUi for tests: answers and passwords come from queues, messages are recorded.

#include "core/comm/panel_ui.h"

#include <deque>
#include <string>
#include <vector>

namespace testsupport {

class FakeUi : public comm::IPanelUi
{
public:
    bool ask(std::string_view question) override
    {
        questions.emplace_back(question);
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void message(std::string_view text, Icon icon, std::string_view caption) override
    {
        messages.emplace_back(text);
        icons.push_back(icon);
        captions.emplace_back(caption);
    }
    std::optional<std::string> askPanelPassword() override
    {
        ++prompts;
        if (passwords.empty())
            return std::nullopt;
        auto p = passwords.front();
        passwords.pop_front();
        return p;
    }
    void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }

    std::deque<bool> answers;
    std::deque<std::optional<std::string>> passwords;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<Icon> icons;
    std::vector<std::string> captions;
    int prompts = 0;
    int busyDepth = 0;
};

} // namespace testsupport
