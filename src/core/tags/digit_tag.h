#pragma once

// The numeric display and input tag (kind 0): one device word or double word shown as a number
// of a fixed count of digits, optionally with decimal point and sign, in decimal, hexadecimal or
// BCD, and optionally writable by the operator. In the editor it shows a sample number whose
// cells give the tag its size; it has no resize handles.
//
// Setters change the model only; the editor repaints the rectangle before and after a call. The
// Apply* operations are the property dialog's rules (push rules, spin ranges, default limits).

#include "core/tags/point_info.h"
#include "core/tags/tag.h"

#include <cstdint>
#include <string>

namespace core {

struct SpinRange
{
    std::uint32_t min = 0;
    std::uint32_t max = 0;
    bool enabled = true;
};

// How the editor paints the tag, from its two panel colours (background and lit pixels).
struct DigitDrawSpec
{
    std::uint32_t boxColour = 0; // fills the whole rectangle
    std::uint32_t textColour = 0; // the sample
    bool frame = false; // one-pixel frame in the lit colour
    CRect textRect; // the sample's top-left is drawn here
    bool outline = false; // the unselected-outline frame marking the extent on screen
};

class CDigitTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 80;

    CDigitTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed) override;
    void ChangeStation(std::uint16_t channel, std::uint16_t station) override;
    void SwapChannels(bool oneToTwo, bool twoToOne) override;
    bool AcceptsInput() const override { return m_writable != 0; }
    void SetInputNumber(std::uint16_t number) override { m_inputNumber = number; }
    std::uint16_t InputNumber() const override { return m_inputNumber; }
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    // The tag's own operations.
    void SetSigned(bool isSigned);
    void RebuildSample();
    // Digit set from the base (1 "0123456789", 2 "FFFFFFFF", 3 "01234567"); also the point's base.
    void SetBase(std::uint16_t base);
    void SetFont(std::uint16_t font);
    void SetDecimals(std::uint32_t count);
    void SetDigits(std::uint32_t count);
    void SetBorder(bool on);
    void SetZeroFill(bool on);

    // Property dialog rules.
    static SpinRange DigitsRange(std::uint16_t dataSize, std::uint16_t base);
    static SpinRange DecimalsRange(std::uint16_t dataSize, std::uint16_t base);
    // A value outside the spin range is not applied (false). Digits not above the decimals (DEC)
    // lowers the decimals by one; decimals not below the digits raises the digits by one.
    bool ApplyDigits(std::uint32_t count);
    bool ApplyDecimals(std::uint32_t count);
    // Data size and base: BCD clears the sign, values beyond the new spin ranges take the new
    // maxima, and the limits take the default range.
    void ApplyFormat(std::uint16_t dataSize, std::uint16_t base);
    // Sign: the limits take the default range.
    void ApplySigned(bool isSigned);
    // Channel: the panel (0) has station 0.
    void ApplyChannel(std::uint16_t channel);

    // Takes every field the property dialog may change (for cancel-restore and Clone).
    void CopyFieldsFrom(const CDigitTag &other);

    // What the editor draws: the sample at the text rectangle's top-left, in the font.
    CRect TextRect() const;
    // Inverse swaps box and text colours; the frame always takes the lit colour. Without a
    // frame the editor (not the printout) outlines the extent.
    DigitDrawSpec DrawSpec(std::uint32_t backColour, std::uint32_t fillColour, bool printing) const;

    CPointInfo &Point() { return m_point; }
    const CPointInfo &Point() const { return m_point; }
    const std::string &Sample() const { return m_sample; }
    const std::string &DigitSet() const { return m_digitSet; }
    std::uint16_t Font() const { return m_font; }
    std::uint32_t Digits() const { return m_digits; }
    std::uint32_t Decimals() const { return m_decimals; }
    bool IsInverse() const { return m_inverse != 0; }
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    bool IsWritable() const { return m_writable != 0; }
    void SetWritable(bool on) { m_writable = on ? 1 : 0; }
    bool UsesPassword() const { return m_password != 0; }
    void SetPassword(bool on) { m_password = on ? 1 : 0; }
    bool HasBorder() const { return m_border != 0; }
    bool IsZeroFill() const { return m_zeroFill != 0; }
    std::uint32_t Reserved() const { return m_reserved; }

private:
    std::uint16_t m_font = 0;
    std::uint32_t m_inverse = 0;
    CPointInfo m_point;
    std::string m_digitSet = "0123456789";
    std::string m_sample = "01234";
    std::uint32_t m_writable = 0;
    std::uint32_t m_password = 0;
    std::uint32_t m_decimals = 0;
    std::uint32_t m_digits = 5;
    std::uint32_t m_reserved = 0;
    std::uint32_t m_border = 0;
    std::uint32_t m_zeroFill = 0;
    // Position in the panel's input order; not part of the clipboard body or the record.
    std::uint16_t m_inputNumber = 0;
};

} // namespace core
