#pragma once

// A prompt that records every message and question a presenter or a dialog shows, and answers the
// questions from a queue (then with `answer` once the queue is empty). Shared by the presenter
// tests and the QtTest suites.

#include "core/presenters/function_prompt.h"

#include <deque>
#include <string>
#include <vector>

namespace support {

class RecordingPrompt : public core::CFunctionPrompt
{
public:
    explicit RecordingPrompt(bool defaultAnswer = false)
        : answer(defaultAnswer)
    { }

    void ShowMessage(int id, const std::string &text) override
    {
        shown.push_back(id);
        texts.push_back(text);
    }
    bool AskYesNo(int id, const std::string &text) override
    {
        asked.push_back(id);
        texts.push_back(text);
        if (answers.empty())
            return answer;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    int last() const { return shown.empty() ? 0 : shown.back(); }

    std::vector<int> shown;
    std::vector<int> asked;
    std::vector<std::string> texts;
    std::deque<bool> answers;
    bool answer = false;
};

} // namespace support
