#pragma once

// The clock (kind 14): the panel's date and time in one of fourteen formats and a bitmap font.
// In the editor it shows a fixed sample time; its size follows from that text. No resize
// handles.

#include "core/tags/clock_format.h"
#include "core/tags/tag.h"

#include <cstdint>
#include <string>

namespace core {

class CClockTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 10;

    CClockTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void SetFont(std::uint16_t font);
    void SetBorder(bool on);
    void SetFormat(std::uint16_t format);
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    void SetSampleTime(const ClockTime &time);
    void CopyFieldsFrom(const CClockTag &other);

    // The sample time in the tag's format, as panel text.
    std::string SampleText() const;
    CRect TextRect() const;

    std::uint16_t Font() const { return m_font; }
    bool IsInverse() const { return m_inverse != 0; }
    bool HasBorder() const { return m_border != 0; }
    std::uint16_t Format() const { return m_format; }
    const ClockTime &SampleTime() const { return m_sample; }

private:
    std::uint16_t m_font = 0;
    std::uint32_t m_inverse = 0;
    std::uint32_t m_border = 0;
    std::uint16_t m_format = 0;
    ClockTime m_sample; // 2004-12-31 12:59:59
};

} // namespace core
