#pragma once

// What the lamp's and the button's property dialogs share: the device bit (channel, station,
// address), the bit value that counts as on, the off and on images and the enlarge box. Every
// change lands on the tag at once.

#include "core/presenters/point_group.h"
#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/two_image_tag.h"

#include <cstdint>

namespace core {

class CTwoImageTagDlg : public CTagPropDlg
{
public:
    CPointGroup &Point() { return m_point; }
    const CPointGroup &Point() const { return m_point; }

    // 0 or 1; anything else changes nothing.
    std::uint16_t OnValue() const { return m_face.OnValue(); }
    void SetOnValue(std::uint16_t value);

    bool IsEnlarged() const { return m_face.Magnification() == 2; }
    void SetEnlarged(bool on) { m_face.SetMagnification(on ? 2 : 1); }

    std::uint16_t OffImage() const { return m_face.OffImage(); }
    std::uint16_t OnImage() const { return m_face.OnImage(); }
    // The image library's choice. No image (5000 and up) keeps the current one; an image the
    // image area has no room for is refused with its message.
    bool SetOffImage(std::uint32_t number);
    bool SetOnImage(std::uint32_t number);

    bool Ok() override { return m_point.Ok(); }

protected:
    // `mustWrite`: the panel writes the bit (buttons), so the address entry offers only
    // writable addresses.
    CTwoImageTagDlg(const FunctionEnv &env, CTwoImageTag &tag, bool mustWrite);

private:
    CTwoImageTag &m_face;
    CPointGroup m_point;
};

} // namespace core
