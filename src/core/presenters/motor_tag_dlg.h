#pragma once

// The logic of the rotation tag's property dialog ("회전 속성"): the number of images (2 to 8)
// and the image of each slot in use, the direction, the enlarge and invert boxes, and the speed
// value's device point with its maximum entered as the maximum RPM. Every change lands on the
// tag at once.

#include "core/presenters/point_group.h"
#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/motor_tag.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace core {

enum MotorDirection : std::uint16_t { kClockwise = 0, kCounterClockwise = 1 };

class CMotorTagDlg : public CTagPropDlg
{
public:
    CMotorTagDlg(const FunctionEnv &env, CMotorTag &tag);

    CPointGroup &Point() { return m_point; }
    const CPointGroup &Point() const { return m_point; }

    std::uint16_t ImageCount() const { return m_motor.ImageCount(); }
    // 2 to 8: the slots beyond the count lose their images. False outside.
    bool SetImageCount(std::int64_t count);
    // Only the slots within the count can take an image.
    bool ImageEnabled(std::size_t slot) const { return slot < ImageCount(); }
    std::uint16_t Image(std::size_t slot) const;
    // The image library's choice for a slot in use. No image (5000 and up) keeps the current
    // one; an image the image area has no room for is refused with its message.
    bool SetImage(std::size_t slot, std::uint32_t number);

    std::uint16_t Direction() const { return m_motor.Direction(); }
    void SetDirection(std::uint16_t direction);

    bool IsEnlarged() const { return m_motor.Magnification() == 2; }
    void SetEnlarged(bool on) { m_motor.SetMagnification(on ? 2 : 1); }
    bool IsInverse() const { return m_motor.IsInverse(); }
    void SetInverse(bool on) { m_motor.SetInverse(on); }

    // The point's maximum, in the point's sign and width; outside the range the range message
    // and no change.
    std::string MaxRpmText() const { return m_point.MaxText(); }
    bool SetMaxRpmText(const std::string &text) { return m_point.SetMaxText(text); }

    bool Ok() override { return m_point.Ok(); }

private:
    CMotorTag &m_motor;
    CPointGroup m_point;
};

} // namespace core
