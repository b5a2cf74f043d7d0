#pragma once

// A prompt that records what the presenters show and answers questions from a queue, and a set
// of driver slots with PLCs configured as a test needs.

#include "core/functions/function_env.h"

#include <deque>
#include <string>
#include <vector>

namespace fntest {

class RecordingPrompt : public core::CFunctionPrompt
{
public:
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
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    int last() const { return shown.empty() ? 0 : shown.back(); }

    std::vector<int> shown;
    std::vector<int> asked;
    std::vector<std::string> texts;
    std::deque<bool> answers;
};

// Channel 1 holds a PLC (device kind 3, built-in address rules, station 5); channel 2 none.
struct Env
{
    Env()
    {
        slots.slot(1).SetType(1);
        slots.slot(1).SetStation(5);
    }
    core::CPlcSlots slots;
    RecordingPrompt prompt;
    core::FunctionEnv env{slots, prompt};
};

// Puts the LX letter-PLC plugin into channel 1: addresses with area prefixes ("D100"), at most
// 64 words per transfer.
inline bool loadLetterPlc(core::CPlcSlots &slots)
{
    return slots.slot(1).LoadDriver(DORVANE_PROTOCOLS_DIR, "libvelmar_letterplc.so");
}

} // namespace fntest

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/str_res_mgr.h"

namespace fntest {

// A project document with its managers, sharing the driver slots of an Env.
struct Project
{
    explicit Project(core::CPlcSlots &slots)
        : doc(core::DocServices{strings, images, slots, monitor})
    { }
    core::CMemoryMonitor monitor;
    core::CStrResMgr strings{&monitor};
    core::CImgResMgr images{&monitor};
    core::CDorvaneDoc doc;
};

} // namespace fntest
