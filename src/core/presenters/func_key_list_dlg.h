#pragma once

// The read-only overview of a screen's eight function keys: per key a title row with the
// function's name, then the rows the function needs (value, channel, station, address, password,
// size, radix, sign or screen number).

#include "core/functions/func_key_record.h"
#include "core/presenters/function_env.h"

#include <array>
#include <string>
#include <vector>

namespace core {

class CFuncKeyListDlg
{
public:
    struct Row
    {
        std::string label;
        std::string value;
        bool title = false; // the first row of a key
    };

    using Keys = std::array<CFuncKeyRecord::Raw, CFuncKeyRecord::kKeyCount>;

    // "%s : %s ( ID = %d )" with the dialog's title, the screen's name and number.
    static std::string Caption(const std::string &dialogTitle, const std::string &screenName,
                               int screenNumber);
    static std::vector<Row> Rows(const FunctionEnv &env, const Keys &keys);
};

} // namespace core
