#pragma once

// The read-only overview of a screen's eight function keys; its rows are FuncKeyText's.

#include "core/functions/function_text.h"
#include "core/presenters/function_env.h"

#include <array>
#include <string>
#include <vector>

namespace core {

class CFuncKeyListDlg
{
public:
    using Row = FuncKeyText::Row;
    using Keys = FuncKeyText::Keys;

    // "%s : %s ( ID = %d )" with the dialog's title, the screen's name and number.
    static std::string Caption(const std::string &dialogTitle, const std::string &screenName,
                               int screenNumber);
    static std::vector<Row> Rows(const FunctionEnv &env, const Keys &keys)
    {
        return FuncKeyText::Rows(env.plcSlots, keys);
    }
};

} // namespace core
