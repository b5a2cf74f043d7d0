#pragma once

// A message for the user as the core hands it over: its number in the message table and the
// texts that fill its "%s" places. The window or the command line makes the sentence, once, in
// the language it shows.

#include "core/plc/plc_drv.h"

#include <string>
#include <vector>

namespace core {

struct Notice
{
    int id = 0;
    std::vector<std::string> args;

    std::string Text() const { return messageWithTexts(id, args); }
    bool operator==(const Notice &) const = default;
};

} // namespace core
