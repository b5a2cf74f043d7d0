#pragma once

// The system's messages, keyed by their string-table numbers. The Korean texts are the program's
// own; the English table is the translation shown when the resource language is 1033. Texts are
// UTF-8 (they are shown, never sent to the panel).

#include <cstdarg>
#include <cstdint>
#include <string>
#include <string_view>

namespace util {

inline constexpr std::uint16_t kResEnglish = 1033;

// The message's text in the resource language (English for 1033, Korean otherwise). An unknown
// number gives an empty text.
std::string_view messageText(int id, std::uint16_t resourceLangId);
bool hasMessage(int id);

// The resource language used by messageText() when none is passed explicitly.
void setMessageLanguage(std::uint16_t resourceLangId);
std::uint16_t messageLanguage();
std::string_view messageText(int id);

// printf-style formatting of a message text ("%d", "%s", "%02d", ...).
std::string formatText(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string vformatText(const char *format, std::va_list args);
std::string formatMessage(int id, ...);

} // namespace util
