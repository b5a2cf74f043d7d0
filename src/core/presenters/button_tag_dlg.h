#pragma once

// The logic of the button's property dialog ("버튼 속성"): the shared two-image controls, the
// action the panel takes on a press and the password box. The panel writes the button's bit, so
// the address entry offers only writable addresses.

#include "core/presenters/two_image_tag_dlg.h"
#include "core/tags/button_tag.h"

#include <cstdint>

namespace core {

class CButtonTagDlg : public CTwoImageTagDlg
{
public:
    CButtonTagDlg(const FunctionEnv &env, CButtonTag &tag)
        : CTwoImageTagDlg(env, tag, true)
        , m_button(tag)
    { }

    // kButtonOff to kButtonMomentary; anything else changes nothing.
    std::uint16_t Action() const { return m_button.Action(); }
    void SetAction(std::uint16_t action)
    {
        if (action <= kButtonMomentary)
            m_button.SetAction(action);
    }
    bool UsesPassword() const { return m_button.UsesPassword(); }
    void SetPassword(bool on) { m_button.SetPassword(on); }

private:
    CButtonTag &m_button;
};

} // namespace core
