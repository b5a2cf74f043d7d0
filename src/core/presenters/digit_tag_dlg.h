#pragma once

// The logic of the numeric tag's property dialog ("숫자 속성"): digits and decimals with their
// spin ranges and push rules, DEC / HEX / BCD and Word / Long with the default limits, the
// signed box, the device point, the writable and password boxes, the look (inverse, border,
// zero fill, font). Every change lands on the tag at once.

#include "core/presenters/point_group.h"
#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/digit_tag.h"

namespace core {

class CDigitTagDlg : public CTagPropDlg
{
public:
    CDigitTagDlg(const FunctionEnv &env, CDigitTag &tag);

    CDigitTag &Digit() { return m_digit; }
    const CDigitTag &Digit() const { return m_digit; }
    CPointGroup &Point() { return m_point; }
    const CPointGroup &Point() const { return m_point; }

    SpinRange DigitsRange() const;
    SpinRange DecimalsRange() const;
    // Outside the spin range nothing changes (the view shows the tag's value again).
    bool SetDigits(std::int64_t count);
    bool SetDecimals(std::int64_t count);

    std::uint16_t Base() const { return m_digit.Point().m_base; }
    std::uint16_t DataSize() const { return m_digit.Point().m_dataSize; }
    void SetBase(std::uint16_t base);
    void SetDataSize(std::uint16_t dataSize);
    // Only DEC has a sign and decimals.
    bool SignedEnabled() const { return Base() == kBaseDec; }
    bool IsSigned() const { return m_digit.Point().m_signed != 0; }
    void SetSigned(bool isSigned);

    // Writable enables the limits and the password box; the address entry then offers only
    // writable addresses.
    bool IsWritable() const { return m_digit.IsWritable(); }
    void SetWritable(bool on);
    bool LimitsEnabled() const { return IsWritable(); }
    bool PasswordEnabled() const { return IsWritable(); }
    void SetPassword(bool on) { m_digit.SetPassword(on); }

    void SetInverse(bool on) { m_digit.SetInverse(on); }
    void SetBorder(bool on) { m_digit.SetBorder(on); }
    void SetZeroFill(bool on) { m_digit.SetZeroFill(on); }
    // 0 normal, 1 large, 2 small.
    void SetFont(std::uint16_t font) { m_digit.SetFont(font); }

    bool Ok() override;

private:
    CDigitTag &m_digit;
    CPointGroup m_point;
};

} // namespace core
