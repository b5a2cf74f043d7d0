#include "core/functions/func_key_record.h"

#include "core/functions/device_block.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <utility>

namespace core {

CFuncKeyRecord CFuncKeyRecord::Default()
{
    CFuncKeyRecord r;
    std::uint16_t bit = 0;
    DownAddr field{};
    builtin::BuildDownAddr(kAddrWord, "0", bit, field);
    devblock::setField(r.m_raw, kBlock, field);
    r.SetType(ValueType{});
    return r;
}

CFuncKeyRecord::Raw CFuncKeyRecord::DownloadForm() const
{
    Raw out = m_raw;
    devblock::swap(out, kBlock);
    devblock::swap16(out, kPassword);
    devblock::swap16(out, kFunction);
    std::swap(out[kValue], out[kValue + 3]);
    std::swap(out[kValue + 1], out[kValue + 2]);
    return out;
}

CFuncKeyRecord CFuncKeyRecord::FromDownloadForm(const Raw &panel)
{
    return CFuncKeyRecord(CFuncKeyRecord(panel).DownloadForm());
}

std::uint16_t CFuncKeyRecord::DataKind() const
{
    return util::le16(m_raw, kBlock + devblock::kDataKind);
}

ValueType CFuncKeyRecord::Type() const
{
    ValueType t;
    t.kind = DataKind() == kDataWord ? kDataWord : kDataLong;
    t.format = util::le16(m_raw, kBlock + devblock::kCount) == kFormatHex ? kFormatHex : kFormatDec;
    t.isSigned = util::le16(m_raw, kBlock + devblock::kSigned) != 0;
    return t;
}

void CFuncKeyRecord::SetType(const ValueType &type)
{
    util::setLe16(m_raw, kBlock + devblock::kDataKind, type.kind);
    util::setLe16(m_raw, kBlock + devblock::kCount, type.format);
    util::setLe16(m_raw, kBlock + devblock::kSigned, type.isSigned ? 1 : 0);
    util::setLe32(m_raw, kBlock + devblock::kMin, type.Min());
    util::setLe32(m_raw, kBlock + devblock::kMax, type.Max());
}

std::uint16_t CFuncKeyRecord::Channel() const
{
    return util::le16(m_raw, kBlock + devblock::kChannel);
}

std::uint16_t CFuncKeyRecord::Station() const
{
    return util::le16(m_raw, kBlock + devblock::kStation);
}

std::int32_t CFuncKeyRecord::AddrKind() const
{
    if (Function() == kBitControl)
        return kAddrBit;
    return DataKind() == kDataWord ? kAddrWord : kAddrDWord;
}

int CFuncKeyRecord::FunctionNameId(int function)
{
    return function >= 0 && function < kFunctionCount ? 51900 + function : 51900;
}

std::string CFuncKeyRecord::KeyTitle(int key)
{
    const std::string label(util::messageText(util::msg::kFunctionKeyCaption));
    if (key >= 0 && key < 4)
        return util::formatText("[ %s F%d ]", label.c_str(), key + 1);
    if (key < 4 || key >= kKeyCount)
        return {};
    const std::string arrow(util::messageText(util::msg::kArrowKeyFirst + (key - 4)));
    return util::formatText("[ %s %s ]", label.c_str(), arrow.c_str());
}

} // namespace core
