#pragma once

// What the property dialogs of the drawn shapes share (line, rectangle, circle): the line kind
// and thickness lists and, for the closed shapes, the fill box.

#include "core/presenters/tag_prop_dlg.h"

#include <cstdint>
#include <vector>

namespace core {

class CShapeTagDlg : public CTagPropDlg
{
public:
    // The thickness list offers 1 to 8 pixels.
    static constexpr std::uint16_t kMaxListedThickness = 8;

    virtual std::uint16_t LineType() const = 0;
    virtual std::uint16_t Thickness() const = 0;
    // Solid, dotted or dashed; others are ignored.
    void SetLineType(std::uint16_t type);
    // 1 pixel and more; 0 is ignored.
    void SetThickness(std::uint16_t thickness);
    // The thickness list: 1 to 8, and the tag's own thickness when it lies beyond, so that the
    // list can show it.
    std::vector<std::uint16_t> ThicknessChoices() const;

    virtual bool HasFill() const { return false; }
    virtual bool IsFilled() const { return false; }
    virtual void SetFill(bool) { }

protected:
    using CTagPropDlg::CTagPropDlg;
    virtual void ApplyLineType(std::uint16_t type) = 0;
    virtual void ApplyThickness(std::uint16_t thickness) = 0;
};

} // namespace core
