#pragma once

// The shared recording prompt and a set of driver slots with PLCs configured as a test needs.

#include "core/presenters/function_env.h"
#include "support/recording_prompt.h"

namespace fntest {

using RecordingPrompt = support::RecordingPrompt;

// Channel 1 holds a PLC (device kind 3, built-in address rules, station 5); channel 2 none.
struct Env
{
    Env()
    {
        plcSlots.slot(1).SetType(1);
        plcSlots.slot(1).SetStation(5);
    }
    core::CPlcSlots plcSlots;
    RecordingPrompt prompt;
    core::FunctionEnv env{plcSlots, prompt};
};

// Puts the LX letter-PLC plugin into channel 1: addresses with area prefixes ("D100"), at most
// 64 words per transfer.
inline bool loadLetterPlc(core::CPlcSlots &slots)
{
    return slots.slot(1).LoadDriver(DORVANE_PROTOCOLS_DIR, "libvelmar_letterplc.so");
}

} // namespace fntest

#include "core/model/dorvane_doc.h"

namespace fntest {

// A project document whose channel 1 holds the PLC of an Env.
struct Project
{
    Project()
    {
        doc.Slots().slot(1).SetType(1);
        doc.Slots().slot(1).SetStation(5);
    }
    core::CDorvaneDoc doc;
    core::CStrResMgr &strings = doc.Strings();
    core::CImgResMgr &images = doc.Images();
};

} // namespace fntest
