#include "core/xref/xref_text.h"

#include "core/functions/func_key_record.h"
#include "core/functions/record_text.h"
#include "core/plc/plc_drv.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <array>

namespace core::xref {

namespace {

constexpr std::array<std::string_view, kUserKindCount> kKindWords
        = {"tag", "key", "alarm", "calculation", "transfer", "reservation", "parameters"};
constexpr std::array<std::string_view, 13> kRoleWords
        = {"point", "x",   "y",     "target",       "operand1",     "operand2", "result",
           "start", "plc", "panel", "screenChange", "screenNumber", "shows"};

std::string number(std::size_t index)
{
    return std::to_string(index + 1);
}

} // namespace

std::string roleText(UserRole role)
{
    return std::string(util::messageText(util::msg::kXrefRolePoint + int(role)));
}

std::string userText(const User &user)
{
    using namespace util::msg;
    const std::string role = roleText(user.role);
    switch (user.kind) {
    case UserKind::Tag: {
        std::string text = messageWithTexts(
                kXrefTagUser,
                {std::to_string(user.screen), number(user.index), tagKindText(user.tagKind),
                 util::formatText("%d, %d", int(user.rect.left), int(user.rect.top))});
        // The moving tag has two points: say which one.
        if (user.role == UserRole::XPoint || user.role == UserRole::YPoint)
            text += ", " + role;
        return text;
    }
    case UserKind::FunctionKey:
        return messageWithTexts(
                kXrefKeyUser,
                {std::to_string(user.screen), CFuncKeyRecord::KeyTitle(int(user.index))});
    case UserKind::Alarm:
        return messageWithTexts(kXrefAlarmUser, {number(user.index)});
    case UserKind::Calculation:
        return messageWithTexts(kXrefCalcUser, {number(user.index), role});
    case UserKind::Transfer:
        return messageWithTexts(kXrefTransferUser, {number(user.index), role});
    case UserKind::Reservation:
        return messageWithTexts(kXrefReservationUser, {number(user.index), role});
    case UserKind::Parameters:
        return messageWithTexts(kXrefParameterUser, {role});
    }
    return {};
}

std::string_view kindWord(UserKind kind)
{
    return kKindWords[std::size_t(kind)];
}

std::optional<UserKind> kindFromWord(std::string_view word)
{
    for (std::size_t i = 0; i < kKindWords.size(); ++i)
        if (kKindWords[i] == word)
            return UserKind(i);
    return std::nullopt;
}

std::string_view roleWord(UserRole role)
{
    return kRoleWords[std::size_t(role)];
}

std::string_view accessText(Access access)
{
    switch (access) {
    case kRead:
        return "R";
    case kWrite:
        return "W";
    case kReadWrite:
        return "R/W";
    default:
        return "";
    }
}

} // namespace core::xref
