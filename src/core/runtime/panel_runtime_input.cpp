// Operator input: function keys, touch buttons and numeric entry, each behind the panel
// password where the project asks for one.

#include "core/runtime/panel_runtime.h"

#include "core/functions/func_key_record.h"
#include "core/model/dorvane_doc.h"
#include "core/runtime/panel_runtime_items.h"
#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/tag_kinds.h"

#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

bool contains(const CTag &tag, int x, int y)
{
    const CRect r = tag.Rect().Normalized();
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// Entry compares values as numbers: signed ones as such, the others (hexadecimal and BCD too)
// as their raw bits.
bool signedEntry(const CPointInfo &p)
{
    return p.m_signed != 0 && p.m_base == kBaseDec;
}

std::int64_t entryNumber(const CPointInfo &p, std::uint32_t raw)
{
    return signedEntry(p) ? std::int64_t(std::int32_t(raw)) : std::int64_t(raw);
}

struct EntryBounds
{
    std::int64_t low = 0;
    std::int64_t high = 0;
};

// The tag's limits within what the cell holds: a word never holds more than 16 bits, whatever
// limits the tag was given.
EntryBounds entryBounds(const CPointInfo &p)
{
    std::uint32_t cellMin = 0;
    std::uint32_t cellMax = 0;
    const std::uint16_t size = p.m_dataSize == kSizeDWord ? kSizeDWord : kSizeWord;
    pointRange(size, signedEntry(p), p.m_base == kBaseBcd ? kBaseBcd : kBaseDec, cellMin, cellMax);
    return {std::max(entryNumber(p, cellMin), entryNumber(p, p.m_min)),
            std::min(entryNumber(p, cellMax), entryNumber(p, p.m_max))};
}

// A limit as it is typed: hexadecimal and BCD values are their digits.
std::string entryText(const CPointInfo &p, std::int64_t number)
{
    if (p.m_base == kBaseHex || p.m_base == kBaseBcd)
        return util::formatText("%llX", static_cast<unsigned long long>(number));
    return util::formatText("%lld", static_cast<long long>(number));
}

const CDigitTag *entryTag(const CTag &tag)
{
    if (tag.Kind() != kTagDigit || !static_cast<const CDigitTag &>(tag).IsWritable())
        return nullptr;
    return &static_cast<const CDigitTag &>(tag);
}

} // namespace

std::optional<EntryLimits> entryLimits(const CTag &tag)
{
    const CDigitTag *digit = entryTag(tag);
    if (!digit)
        return std::nullopt;
    const CPointInfo &point = digit->Point();
    const EntryBounds bounds = entryBounds(point);
    return EntryLimits{entryText(point, bounds.low), entryText(point, bounds.high)};
}

bool CPanelRuntime::CheckPassword()
{
    if (!m_prompt)
        return false;
    const std::optional<std::string> entered = m_prompt();
    return entered && *entered == m_password;
}

RuntimeResult CPanelRuntime::PressKey(int key)
{
    if (key < 0 || key >= int(kFunctionKeyCount))
        return RuntimeResult::NoTarget;
    return RunKey(std::size_t(key), true);
}

RuntimeResult CPanelRuntime::ReleaseKey(int key)
{
    if (key < 0 || key >= int(kFunctionKeyCount))
        return RuntimeResult::NoTarget;
    return RunKey(std::size_t(key), false);
}

RuntimeResult CPanelRuntime::RunKey(std::size_t k, bool press)
{
    const CScreenData *screen = Screen();
    if (!screen)
        return RuntimeResult::NoTarget;
    const CFuncKeyRecord rec(screen->FunctionKey(k));
    const std::uint16_t function = rec.Function();
    if (function == CFuncKeyRecord::kNotUsed || function > CFuncKeyRecord::kScreenChange)
        return RuntimeResult::NoTarget;
    const auto target = function == CFuncKeyRecord::kScreenChange
            ? std::nullopt
            : m_memory.KeyOfBlock(rec.Bytes(), CFuncKeyRecord::kBlock, rec.AddrKind());
    if (!press) {
        // Only a held "On while pressed" key does anything on release.
        if (m_heldKeys[k] && target)
            m_memory.Write(*target, 0);
        m_heldKeys[k] = false;
        return RuntimeResult::Ok;
    }
    if (function != CFuncKeyRecord::kScreenChange && !target)
        return RuntimeResult::NoTarget;
    if (rec.Password() && !CheckPassword())
        return RuntimeResult::PasswordRefused;
    switch (function) {
    case CFuncKeyRecord::kBitControl:
        switch (rec.Value()) {
        case CFuncKeyRecord::kBitOff:
            m_memory.Write(*target, 0);
            break;
        case CFuncKeyRecord::kBitOn:
            m_memory.Write(*target, 1);
            break;
        case CFuncKeyRecord::kBitToggle:
            m_memory.Write(*target, m_memory.Read(*target) ? 0 : 1);
            break;
        case CFuncKeyRecord::kBitMomentary:
            m_memory.Write(*target, 1);
            m_heldKeys[k] = true;
            break;
        default:
            return RuntimeResult::NoTarget;
        }
        return RuntimeResult::Ok;
    case CFuncKeyRecord::kValueSet:
        m_memory.Write(*target, rec.Value());
        return RuntimeResult::Ok;
    case CFuncKeyRecord::kValueIncrease:
    case CFuncKeyRecord::kValueDecrease: {
        const ValueType type = rec.Type();
        const std::int64_t current = *runtime::toNumber(m_memory.Read(*target), type);
        const std::int64_t step = *runtime::toNumber(rec.Value(), type);
        const std::int64_t min = *runtime::toNumber(type.Min(), type);
        const std::int64_t max = *runtime::toNumber(type.Max(), type);
        const std::int64_t next
                = function == CFuncKeyRecord::kValueIncrease ? current + step : current - step;
        m_memory.Write(*target, *runtime::fromNumber(std::clamp(next, min, max), type));
        return RuntimeResult::Ok;
    }
    default: // screen change
        return ShowScreen(std::uint16_t(std::min<std::uint32_t>(rec.Value(), 0xFFFF)))
                ? RuntimeResult::Ok
                : RuntimeResult::UnknownScreen;
    }
}

const CTag *CPanelRuntime::InputAt(int x, int y) const
{
    const CScreenData *screen = Screen();
    if (!screen)
        return nullptr;
    const auto &tags = screen->Tags();
    for (auto it = tags.rbegin(); it != tags.rend(); ++it) {
        const CTag &tag = **it;
        const bool input = tag.Kind() == kTagButton
                || (tag.Kind() == kTagDigit && static_cast<const CDigitTag &>(tag).IsWritable());
        if (input && contains(tag, x, y))
            return &tag;
    }
    return nullptr;
}

RuntimeResult CPanelRuntime::Press(int x, int y)
{
    const CTag *tag = InputAt(x, y);
    if (!tag || tag->Kind() != kTagButton)
        return RuntimeResult::NoTarget;
    const auto &button = static_cast<const CButtonTag &>(*tag);
    const auto key = m_memory.KeyOf(button.Point());
    if (!key)
        return RuntimeResult::NoTarget;
    if (button.UsesPassword() && !CheckPassword())
        return RuntimeResult::PasswordRefused;
    switch (button.Action()) {
    case kButtonOff:
        m_memory.Write(*key, 0);
        break;
    case kButtonOn:
        m_memory.Write(*key, 1);
        break;
    case kButtonToggle:
        m_memory.Write(*key, m_memory.Read(*key) ? 0 : 1);
        break;
    case kButtonMomentary:
        m_memory.Write(*key, 1);
        m_heldButton = key;
        break;
    default:
        return RuntimeResult::NoTarget;
    }
    return RuntimeResult::Ok;
}

void CPanelRuntime::Release()
{
    if (m_heldButton)
        m_memory.Write(*m_heldButton, 0);
    m_heldButton.reset();
}

RuntimeResult CPanelRuntime::EnterValue(const CTag &tag, std::string_view text)
{
    const CDigitTag *digit = entryTag(tag);
    if (!digit)
        return RuntimeResult::NoTarget;
    const CPointInfo &point = digit->Point();
    const auto key = m_memory.KeyOf(point);
    if (!key)
        return RuntimeResult::NoTarget;
    std::uint32_t value = 0;
    if (!parsePointValue(text, signedEntry(point), point.m_base, value))
        return RuntimeResult::BadValue;
    const EntryBounds bounds = entryBounds(point);
    const std::int64_t number = entryNumber(point, value);
    if (number < bounds.low || number > bounds.high)
        return RuntimeResult::OutOfRange;
    if (digit->UsesPassword() && !CheckPassword())
        return RuntimeResult::PasswordRefused;
    m_memory.Write(*key, value);
    return RuntimeResult::Ok;
}

} // namespace core
