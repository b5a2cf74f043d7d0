#include "core/presenters/digit_tag_dlg.h"

namespace core {

CDigitTagDlg::CDigitTagDlg(const FunctionEnv &env, CDigitTag &tag)
    : CTagPropDlg(env, tag)
    , m_digit(tag)
    , m_point(env, tag.Point())
{
    m_point.SetMustWrite(tag.IsWritable());
}

SpinRange CDigitTagDlg::DigitsRange() const
{
    return CDigitTag::DigitsRange(DataSize(), Base());
}

SpinRange CDigitTagDlg::DecimalsRange() const
{
    return CDigitTag::DecimalsRange(DataSize(), Base());
}

bool CDigitTagDlg::SetDigits(std::int64_t count)
{
    return count >= 0 && count <= 0xFFFF && m_digit.ApplyDigits(std::uint32_t(count));
}

bool CDigitTagDlg::SetDecimals(std::int64_t count)
{
    return count >= 0 && count <= 0xFFFF && m_digit.ApplyDecimals(std::uint32_t(count));
}

void CDigitTagDlg::SetBase(std::uint16_t base)
{
    if (base < kBaseDec || base > kBaseBcd || base == Base())
        return;
    m_digit.ApplyFormat(DataSize(), base);
}

void CDigitTagDlg::SetDataSize(std::uint16_t dataSize)
{
    if ((dataSize != kSizeWord && dataSize != kSizeDWord) || dataSize == DataSize())
        return;
    m_digit.ApplyFormat(dataSize, Base());
    m_point.KeepAddressValid();
}

void CDigitTagDlg::SetSigned(bool isSigned)
{
    if (!SignedEnabled() || isSigned == IsSigned())
        return;
    m_digit.ApplySigned(isSigned);
}

void CDigitTagDlg::SetWritable(bool on)
{
    m_digit.SetWritable(on);
    m_point.SetMustWrite(on);
}

bool CDigitTagDlg::Ok()
{
    return m_point.Ok();
}

} // namespace core
