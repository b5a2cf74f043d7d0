#pragma once

// How the common-function presenters talk to the user: a message box with OK, or a Yes/No
// question. The Qt dialogs implement it with message boxes; tests record what was asked.

#include <string>

namespace core {

class CFunctionPrompt
{
public:
    virtual ~CFunctionPrompt() = default;
    // `id` is the string-table number of the message, `text` the formatted text to show.
    virtual void ShowMessage(int id, const std::string &text) = 0;
    // True for Yes.
    virtual bool AskYesNo(int id, const std::string &text) = 0;
};

} // namespace core
