#pragma once

// What every common-function presenter needs from the application: the driver slots that build
// and read device addresses, the prompt that shows messages and asks questions, and the panel
// language whose code page the records' texts are stored in.

#include "core/plc/plc_slots.h"
#include "core/presenters/function_prompt.h"

#include "util/code_page.h"

#include <cstdint>

namespace core {

struct FunctionEnv
{
    const CPlcSlots &plcSlots;
    CFunctionPrompt &prompt;
    std::uint16_t panelLang = util::kLangKorean;

    // Shows a message of the string table, formatted with the given arguments.
    template<typename... Args>
    void Show(int id, Args... args) const;
};

} // namespace core

#include "util/messages.h"

namespace core {

template<typename... Args>
void FunctionEnv::Show(int id, Args... args) const
{
    prompt.ShowMessage(id, util::formatMessage(id, args...));
}

} // namespace core
