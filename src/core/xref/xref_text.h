#pragma once

// The texts that show the cross-reference's users: sentences from the message table in the
// language the messages are shown in (for windows and the command line's text output), and fixed
// lower-case words for the command line's JSON and its filters.

#include "core/xref/address_users.h"

#include <optional>
#include <string>
#include <string_view>

namespace core::xref {

// "screen 1, tag 3 (Numeric at 10, 20)", "calculation 2, operand 1", ...; numbers are 1-based
// except screens, which keep their own numbers.
std::string userText(const User &user);
std::string roleText(UserRole role);

// "tag", "key", "alarm", "calculation", "transfer", "reservation", "parameters".
std::string_view kindWord(UserKind kind);
std::optional<UserKind> kindFromWord(std::string_view word);
// "point", "x", "y", "target", "operand1", "operand2", "result", "start", "plc", "panel",
// "screenChange", "screenNumber", "shows".
std::string_view roleWord(UserRole role);
// "", "R", "W" or "R/W", as the used-system-memory map writes it.
std::string_view accessText(Access access);

} // namespace core::xref
