#include "core/presenters/dlg_func_key.h"

#include "core/functions/device_block.h"
#include "core/functions/function_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::uint32_t kMaxScreen = 999;

bool isValueFunction(std::uint16_t f)
{
    return f == CFuncKeyRecord::kValueSet || f == CFuncKeyRecord::kValueIncrease
            || f == CFuncKeyRecord::kValueDecrease;
}

std::string message(int id)
{
    return std::string(util::messageText(id));
}

// Decimal digits only, at most 999.
bool screenNumberValid(const std::string &text)
{
    if (text.empty() || text.size() > 9
        || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stoul(text) <= kMaxScreen;
}

} // namespace

CDlgFuncKey::CDlgFuncKey(const FunctionEnv &env)
    : m_env(env)
    , m_address(env.plcSlots, kAddrWord)
{
    Load(0, CFuncKeyRecord::Default(), false);
}

void CDlgFuncKey::Load(int key, const CFuncKeyRecord &record, bool shared)
{
    m_key = std::clamp(key, 0, CFuncKeyRecord::kKeyCount - 1);
    m_record = record;
    m_function = record.Function() < CFuncKeyRecord::kFunctionCount ? record.Function()
                                                                    : std::uint16_t(0);
    m_type = record.Type();
    if (!SignedEnabled())
        m_type.isSigned = false;
    m_password = record.Password();
    m_action = m_function == CFuncKeyRecord::kBitControl
            ? std::min<std::uint32_t>(record.Value(), 3)
            : std::uint32_t(CFuncKeyRecord::kBitMomentary);
    m_valueText = ValueTextOf(record);
    const std::int32_t kind
            = m_function == CFuncKeyRecord::kBitControl ? kAddrBit : m_type.AddrKind();
    m_address.SetKind(kind);
    m_address.Load(
            CDeviceAddr::FromBlock(m_env.plcSlots, record.Bytes(), CFuncKeyRecord::kBlock, kind));
    m_applyAll = shared;
    m_settingsEnabled = !shared;
}

std::string CDlgFuncKey::ValueTextOf(const CFuncKeyRecord &record) const
{
    const std::uint32_t v = record.Value();
    if (isValueFunction(m_function)) {
        if (m_type.format == kFormatHex)
            return util::formatText("%X", v);
        if (m_type.isSigned)
            return std::to_string(std::int32_t(v));
    }
    if (isValueFunction(m_function) || m_function == CFuncKeyRecord::kScreenChange)
        return std::to_string(v);
    return "0";
}

void CDlgFuncKey::SetFunction(std::uint16_t function)
{
    if (function >= CFuncKeyRecord::kFunctionCount || function == m_function)
        return;
    m_function = function;
    m_valueText.assign(1, '0'); // not the literal: GCC 12 warns falsely (-Wrestrict)
    m_type = ValueType{};
    m_action = CFuncKeyRecord::kBitMomentary;
    m_address.SetKind(function == CFuncKeyRecord::kBitControl ? kAddrBit : kAddrWord);
    m_address.Load(CDeviceAddr{});
}

std::vector<std::string> CDlgFuncKey::FunctionNames()
{
    std::vector<std::string> names;
    for (int f = 0; f < CFuncKeyRecord::kFunctionCount; ++f)
        names.push_back(message(CFuncKeyRecord::FunctionNameId(f)));
    return names;
}

CDlgFuncKey::Controls CDlgFuncKey::Visible() const
{
    Controls c;
    switch (m_function) {
    case CFuncKeyRecord::kBitControl:
        c.bitActions = c.address = c.password = true;
        break;
    case CFuncKeyRecord::kValueSet:
    case CFuncKeyRecord::kValueIncrease:
    case CFuncKeyRecord::kValueDecrease:
        c.value = c.format = c.dataType = c.sign = c.address = c.password = true;
        break;
    case CFuncKeyRecord::kScreenChange:
        c.value = c.password = true;
        break;
    default:
        break;
    }
    return c;
}

std::string CDlgFuncKey::ValueLabel() const
{
    return message(m_function == CFuncKeyRecord::kScreenChange ? util::msg::kScreenNumberCaption
                                                               : util::msg::kValueCaption);
}

void CDlgFuncKey::SetBitAction(std::uint32_t action)
{
    if (action <= CFuncKeyRecord::kBitMomentary)
        m_action = action;
}

bool CDlgFuncKey::ValueValid() const
{
    if (isValueFunction(m_function))
        return m_type.Parse(m_valueText).has_value();
    if (m_function == CFuncKeyRecord::kScreenChange)
        return screenNumberValid(m_valueText);
    return true;
}

bool CDlgFuncKey::ValueFocusLost(const std::string &text)
{
    m_valueText = text;
    if (ValueValid())
        return true;
    m_env.Show(util::msg::kBadValue);
    return false;
}

void CDlgFuncKey::SetDataKind(std::uint16_t kind)
{
    if (kind != kDataWord && kind != kDataLong)
        return;
    m_type.kind = kind;
    if (m_function != CFuncKeyRecord::kBitControl)
        m_address.SetKind(m_type.AddrKind());
}

void CDlgFuncKey::SetFormat(std::uint16_t format)
{
    if (format != kFormatDec && format != kFormatHex)
        return;
    m_type.format = format;
    if (!SignedEnabled())
        m_type.isSigned = false;
}

void CDlgFuncKey::SetSigned(bool isSigned)
{
    if (SignedEnabled())
        m_type.isSigned = isSigned;
}

void CDlgFuncKey::SetApplyAll(bool on)
{
    m_applyAll = on;
    m_settingsEnabled = true;
}

bool CDlgFuncKey::Ok()
{
    if (!ValueValid()) {
        m_env.Show(util::msg::kBadValue);
        return false;
    }
    CFuncKeyRecord r = CFuncKeyRecord::Default();
    r.SetFunction(m_function);
    if (m_function != CFuncKeyRecord::kNotUsed) {
        r.SetPassword(m_password);
        if (isValueFunction(m_function)) {
            r.SetType(m_type);
            r.SetValue(*m_type.Parse(m_valueText));
        } else if (m_function == CFuncKeyRecord::kBitControl) {
            util::setLe16(r.Bytes(), CFuncKeyRecord::kBlock + devblock::kDataKind, kDataBit);
            r.SetValue(m_action);
        } else {
            r.SetValue(std::uint32_t(std::stoul(m_valueText)));
        }
        if (!m_address.BuildInto(m_env.prompt, r.Bytes(), CFuncKeyRecord::kBlock, r.AddrKind()))
            return false;
    }
    if (m_applyAll
        && !m_env.prompt.AskYesNo(util::msg::kApplyToAllScreens,
                                  message(util::msg::kApplyToAllScreens)))
        return false;
    m_record = r;
    return true;
}

void CDlgFuncKey::Store(CDorvaneDoc &doc, CScreenData &current) const
{
    const auto key = std::size_t(m_key);
    doc.SetCommonKey(key, m_applyAll);
    if (m_applyAll)
        doc.ShareFunctionKey(key, m_record.Bytes());
    else
        current.FunctionKey(key) = m_record.Bytes();
    doc.SetModified();
}

std::string CDlgFuncKey::Describe(const FunctionEnv &env, const CFuncKeyRecord &record)
{
    const std::uint16_t f = record.Function();
    const std::string name = message(CFuncKeyRecord::FunctionNameId(f));
    if (f == CFuncKeyRecord::kNotUsed || f >= CFuncKeyRecord::kFunctionCount)
        return name;
    if (f == CFuncKeyRecord::kScreenChange) {
        std::string label = message(util::msg::kScreenNumberCaption);
        std::erase_if(label, [](char c) { return c == '\n' || c == '\r'; });
        return util::formatText("%s: %s = %u", name.c_str(), label.c_str(), record.Value());
    }
    const std::string address = CDeviceAddr::FromBlock(env.plcSlots, record.Bytes(),
                                                       CFuncKeyRecord::kBlock, record.AddrKind())
                                        .CellText(env.plcSlots);
    std::string value;
    if (f == CFuncKeyRecord::kBitControl)
        value = FuncKeyText::BitAction(record.Value());
    else if (record.Type().isSigned)
        value = std::to_string(std::int32_t(record.Value()));
    else
        value = std::to_string(record.Value());
    return util::formatText("%s: %s = %s", name.c_str(), address.c_str(), value.c_str());
}

} // namespace core
