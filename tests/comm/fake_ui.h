#pragma once

// A scripted IPanelUi for tests: answers and passwords come from queues, messages are recorded
// as codes and as their Korean texts (the program's own, which must not change).

#include "core/comm/comm_text.h"
#include "core/comm/panel_ui.h"

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace comm {

// Test failures name a text in Korean.
inline std::ostream &operator<<(std::ostream &out, const CommText &text)
{
    return out << commTextIn(text, CommLanguage::Korean);
}

} // namespace comm

namespace testsupport {

inline std::string korean(const comm::CommText &text)
{
    return comm::commTextIn(text, comm::CommLanguage::Korean);
}

inline std::string english(const comm::CommText &text)
{
    return comm::commTextIn(text, comm::CommLanguage::English);
}

class FakeUi : public comm::IPanelUi
{
public:
    bool ask(const comm::CommText &question) override
    {
        questions.push_back(korean(question));
        if (answers.empty())
            return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    void message(const comm::CommText &text, Icon icon, const comm::CommText &caption) override
    {
        texts.push_back(text);
        messages.push_back(korean(text));
        icons.push_back(icon);
        captions.push_back(korean(caption));
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
    std::vector<comm::CommText> texts;
    std::vector<std::string> messages;
    std::vector<Icon> icons;
    std::vector<std::string> captions;
    int prompts = 0;
    int busyDepth = 0;
};

} // namespace testsupport
