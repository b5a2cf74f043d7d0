#pragma once

// The logic of the clock's property dialog ("시계 속성"): display format, inverse colour,
// border, font and position. The tag's size follows each change.

#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/clock_tag.h"

namespace core {

class CClockTagDlg : public CTagPropDlg
{
public:
    CClockTagDlg(const FunctionEnv &env, CClockTag &tag);

    CClockTag &Clock() { return m_clock; }
    const CClockTag &Clock() const { return m_clock; }

    // 0 to 13 (the order of the list); others are ignored.
    void SetFormat(int format);
    void SetInverse(bool on) { m_clock.SetInverse(on); }
    void SetBorder(bool on) { m_clock.SetBorder(on); }
    // 0 normal, 1 large, 2 small; others are ignored.
    void SetFont(std::uint16_t font);

private:
    CClockTag &m_clock;
};

} // namespace core
