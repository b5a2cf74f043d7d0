#pragma once

// The logic of the moving tag's property dialog ("이동 속성"): the device points of the
// horizontal and the vertical position, the movement range (width and height) with the x and y
// axis boxes, the border box and the moving image. Every change lands on the tag at once.

#include "core/presenters/point_group.h"
#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/mobile_tag.h"

#include <cstdint>

namespace core {

class CMobileTagDlg : public CTagPropDlg
{
public:
    CMobileTagDlg(const FunctionEnv &env, CMobileTag &tag);

    CPointGroup &XPoint() { return m_xPoint; }
    CPointGroup &YPoint() { return m_yPoint; }
    const CPointGroup &XPoint() const { return m_xPoint; }
    const CPointGroup &YPoint() const { return m_yPoint; }

    std::int32_t Width() const { return m_mobile.Width(); }
    std::int32_t Height() const { return m_mobile.Height(); }
    // 1 (0 when the image does not move along the axis) to 192 and 64; outside, the range
    // message and no change.
    bool SetWidth(std::int64_t width);
    bool SetHeight(std::int64_t height);

    bool MovesX() const { return m_mobile.MovesX(); }
    bool MovesY() const { return m_mobile.MovesY(); }
    // Switching an axis on makes its range 1, switching it off 0.
    void SetMoveX(bool on);
    void SetMoveY(bool on);

    bool HasBorder() const { return m_mobile.HasBorder(); }
    void SetBorder(bool on) { m_mobile.SetBorder(on); }

    std::uint16_t Image() const { return m_mobile.Image(); }
    // The image library's choice. No image (5000 and up) keeps the current one; an image the
    // image area has no room for is refused with its message.
    bool SetImage(std::uint32_t number);

    // Both points' checks, the horizontal one first.
    bool Ok() override { return m_xPoint.Ok() && m_yPoint.Ok(); }

private:
    CMobileTag &m_mobile;
    CPointGroup m_xPoint;
    CPointGroup m_yPoint;
};

} // namespace core
