#include "core/tags/digit_tag.h"

#include "core/model/address_block.h"
#include "core/plc/plc_slots.h"
#include "core/tags/panel_text.h"
#include "core/tags/point_record.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

namespace {

using util::Endian;

const char *digitSetOf(std::uint16_t base)
{
    switch (base) {
    case kBaseHex:
        return "FFFFFFFF";
    case kBaseBcd:
        return "01234567";
    default:
        return "0123456789";
    }
}

} // namespace

CDigitTag::CDigitTag()
{
    m_kind = kTagDigit;
    m_handleCount = 0;
    RecalcRect(0);
}

void CDigitTag::CopyFieldsFrom(const CDigitTag &o)
{
    m_point = o.m_point;
    m_x = o.m_x;
    m_y = o.m_y;
    m_font = o.m_font;
    m_inverse = o.m_inverse;
    m_writable = o.m_writable;
    m_password = o.m_password;
    m_decimals = o.m_decimals;
    m_digits = o.m_digits;
    m_reserved = o.m_reserved;
    m_border = o.m_border;
    m_zeroFill = o.m_zeroFill;
    m_digitSet = o.m_digitSet;
    m_sample = o.m_sample;
    m_rect = o.m_rect;
}

std::unique_ptr<CTag> CDigitTag::CloneFields() const
{
    auto copy = std::make_unique<CDigitTag>();
    copy->CopyFieldsFrom(*this);
    copy->m_inputNumber = m_inputNumber;
    copy->RecalcRect(0);
    copy->m_rect = m_rect;
    return copy;
}

void CDigitTag::RecalcRect(int)
{
    const PanelTextSize size = panelTextExtent(m_sample, m_font);
    const std::int32_t extra = m_border ? 2 : 0;
    m_rect = boundedRect(m_x, m_y, std::int64_t(m_x) + size.width + extra,
                         std::int64_t(m_y) + size.height + extra);
}

CRect CDigitTag::TextRect() const
{
    return m_border ? CRect{m_rect.left + 1, m_rect.top + 1, m_rect.right - 1, m_rect.bottom - 1}
                    : m_rect;
}

DigitDrawSpec CDigitTag::DrawSpec(std::uint32_t backColour, std::uint32_t fillColour,
                                  bool printing) const
{
    DigitDrawSpec spec;
    spec.boxColour = m_inverse ? fillColour : backColour;
    spec.textColour = m_inverse ? backColour : fillColour;
    spec.frame = m_border != 0;
    spec.textRect = TextRect();
    spec.outline = !printing && !m_border;
    return spec;
}

void CDigitTag::RebuildSample()
{
    m_sample = m_digitSet.substr(0, m_digits);
    if (m_point.m_base == kBaseDec && std::int64_t(m_digits) - std::int64_t(m_decimals) >= 1) {
        if (m_decimals > 0 && m_decimals <= m_sample.size())
            m_sample.insert(m_sample.size() - m_decimals, ".");
        if (m_point.m_signed)
            m_sample.insert(0, "-");
    }
    RecalcRect(0);
}

void CDigitTag::SetSigned(bool isSigned)
{
    m_point.m_signed = isSigned ? 1 : 0;
    RebuildSample();
}

void CDigitTag::SetBase(std::uint16_t base)
{
    m_point.m_base = base;
    m_digitSet = digitSetOf(base);
    RebuildSample();
}

void CDigitTag::SetFont(std::uint16_t font)
{
    m_font = font;
    RecalcRect(0);
}

void CDigitTag::SetDecimals(std::uint32_t count)
{
    m_decimals = count;
    RebuildSample();
}

void CDigitTag::SetDigits(std::uint32_t count)
{
    m_digits = count;
    RebuildSample();
}

void CDigitTag::SetBorder(bool on)
{
    m_border = on ? 1 : 0;
    RecalcRect(0);
}

void CDigitTag::SetZeroFill(bool on)
{
    m_zeroFill = on ? 1 : 0;
    RebuildSample();
}

SpinRange CDigitTag::DigitsRange(std::uint16_t dataSize, std::uint16_t base)
{
    const bool dword = dataSize == kSizeDWord;
    if (base == kBaseDec)
        return {1, dword ? 10u : 5u, true};
    return {1, dword ? 8u : 4u, true};
}

SpinRange CDigitTag::DecimalsRange(std::uint16_t dataSize, std::uint16_t base)
{
    const bool dword = dataSize == kSizeDWord;
    if (base == kBaseDec)
        return {0, dword ? 9u : 4u, true};
    return {0, dword ? 7u : 3u, false};
}

bool CDigitTag::ApplyDigits(std::uint32_t count)
{
    const SpinRange range = DigitsRange(m_point.m_dataSize, m_point.m_base);
    if (count < range.min || count > range.max)
        return false;
    SetDigits(count);
    if (count <= m_decimals && m_point.m_base == kBaseDec && m_decimals > 0)
        SetDecimals(m_decimals - 1);
    return true;
}

bool CDigitTag::ApplyDecimals(std::uint32_t count)
{
    const SpinRange range = DecimalsRange(m_point.m_dataSize, m_point.m_base);
    if (!range.enabled || count < range.min || count > range.max)
        return false;
    SetDecimals(count);
    if (count >= m_digits)
        SetDigits(m_digits + 1);
    return true;
}

void CDigitTag::ApplyFormat(std::uint16_t dataSize, std::uint16_t base)
{
    m_point.m_dataSize = dataSize;
    if (base == kBaseBcd)
        m_point.m_signed = 0;
    const SpinRange digits = DigitsRange(dataSize, base);
    const SpinRange decimals = DecimalsRange(dataSize, base);
    if (m_digits > digits.max)
        m_digits = digits.max;
    if (m_decimals > decimals.max)
        m_decimals = decimals.max;
    SetBase(base); // sets the point's base and rebuilds the sample
    m_point.SetDefaultRange();
}

void CDigitTag::ApplySigned(bool isSigned)
{
    SetSigned(isSigned);
    m_point.SetDefaultRange();
}

void CDigitTag::ApplyChannel(std::uint16_t channel)
{
    m_point.m_channel = channel;
    if (channel == 0)
        m_point.m_station = 0;
}

void CDigitTag::Serialize(util::CArchive &ar)
{
    CTag::Serialize(ar);
    m_point.Serialize(ar);
    ar.io(m_font);
    ar.io(m_inverse);
    ar.io(m_writable);
    ar.io(m_password);
    ar.io(m_decimals);
    ar.io(m_digits);
    ar.io(m_reserved);
    ar.io(m_border);
    ar.io(m_zeroFill);
    ar.io(m_digitSet);
    ar.io(m_sample);
    if (ar.IsLoading())
        RecalcRect(0);
}

// The numeric tag addresses its point by byte width, a bit point included.
void CDigitTag::RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed)
{
    revalidatePoint(slots, m_point, m_writable, ch1Changed, ch2Changed, m_point.ByteWidth());
}

void CDigitTag::ChangeStation(std::uint16_t channel, std::uint16_t station)
{
    changePointStation(m_point, channel, station);
}

void CDigitTag::SwapChannels(bool oneToTwo, bool twoToOne)
{
    swapPointChannel(m_point, oneToTwo, twoToOne);
}

bool CDigitTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    if (out.size() < kRecordSize)
        return false;
    std::fill_n(out.begin(), kRecordSize, std::uint8_t(0));
    CAddressBlock block;
    std::uint16_t bit = 0;
    buildPointAddress(slots, m_point, m_point.ByteWidth(), m_decimals, block.field, bit);
    block.word40 = m_point.m_dataSize;
    block.word42 = m_point.m_flag; // the point flag replaces the builder's bit number
    block.word44 = m_point.m_base;
    block.word46 = m_point.m_signed;
    block.word48 = m_point.m_option;
    block.min = m_point.m_min;
    block.max = m_point.m_max;
    block.channel = m_point.m_channel;
    block.station = m_point.m_station;
    block.Write(out, 0, Endian::Big);
    util::setBe16(out, 62, std::uint16_t(m_x));
    util::setBe16(out, 64, std::uint16_t(m_y));
    util::setBe16(out, 66, m_font);
    out[68] = m_border ? 1 : 0;
    out[69] = std::uint8_t(m_inverse);
    out[70] = m_zeroFill ? 1 : 0;
    out[71] = std::uint8_t(m_writable);
    util::setBe16(out, 72, std::uint16_t(m_password));
    util::setBe16(out, 74, std::uint16_t(m_digits));
    util::setBe16(out, 76, std::uint16_t(m_decimals));
    util::setBe16(out, 78, std::uint16_t(m_reserved));
    return true;
}

bool CDigitTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (record.size() < kRecordSize)
        return false;
    const CAddressBlock block = CAddressBlock::Read(record, 0, Endian::Big);
    m_point.m_dataSize = block.word40;
    m_point.m_base = block.word44;
    m_point.m_signed = block.word46;
    m_point.m_option = block.word48;
    m_point.m_min = block.min;
    m_point.m_max = block.max;
    m_point.m_channel = block.channel;
    m_point.m_station = block.station;

    const CPlcDrv &drv = slots.slot(block.channel);
    if (block.channel != 0 && drv.HasModule() && drv.DeviceKind() == kDevicePlc) {
        std::uint16_t bit = 0;
        drv.BuildUpAddr(m_point.ByteWidth(), block.field, m_point.m_address, m_point.m_second, bit);
    } else {
        m_point.m_address.clear();
        m_point.m_second = util::fixedText(block.field, 0, block.field.size() + 1);
    }
    m_point.m_flag = block.word42;

    m_x = std::int16_t(util::be16(record, 62));
    m_y = std::int16_t(util::be16(record, 64));
    m_font = util::be16(record, 66) & 0xFF;
    m_border = record[68] == 1 ? 1 : 0;
    m_inverse = record[69];
    m_zeroFill = record[70] == 1 ? 1 : 0;
    m_writable = record[71];
    m_password = util::be16(record, 72);
    m_digits = util::be16(record, 74);
    m_decimals = util::be16(record, 76);
    m_reserved = util::be16(record, 78);
    m_digitSet = digitSetOf(m_point.m_base);
    RebuildSample();
    return true;
}

} // namespace core
