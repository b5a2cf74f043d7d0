#pragma once

// The logic of the lamp's property dialog ("램프 속성"): the shared two-image controls only. The
// panel never writes a lamp's bit, so every address is offered.

#include "core/presenters/two_image_tag_dlg.h"
#include "core/tags/lamp_tag.h"

namespace core {

class CLampTagDlg : public CTwoImageTagDlg
{
public:
    CLampTagDlg(const FunctionEnv &env, CLampTag &tag)
        : CTwoImageTagDlg(env, tag, false)
    { }
};

} // namespace core
