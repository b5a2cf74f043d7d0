#pragma once

// Panel code pages. Texts of a project are bytes in the code page of its panel language; they
// are converted to and from UTF-8 only where people read or type them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace util {

// LANGIDs of the panel and program languages we know a code page for.
inline constexpr std::uint16_t kLangEnglish = 0x0409;
inline constexpr std::uint16_t kLangKorean = 0x0412;
inline constexpr std::uint16_t kLangJapanese = 0x0411;
inline constexpr std::uint16_t kLangChinese = 0x0804;

// "CP949", "CP1252", "CP932" or "CP936"; CP1252 for a LANGID we do not know.
const char *codePageName(std::uint16_t langId);

// Conversions; nothing when the input has a sequence the other side cannot represent.
std::optional<std::string> toUtf8(std::string_view bytes, std::uint16_t langId);
std::optional<std::string> fromUtf8(std::string_view utf8, std::uint16_t langId);
// Like the above, but never fails: what cannot be converted becomes '?'.
std::string toUtf8Lossy(std::string_view bytes, std::uint16_t langId);
std::string fromUtf8Lossy(std::string_view utf8, std::uint16_t langId);

// The panel's text rule: a byte of 128 or more starts a double-byte character together with the
// byte after it. Returns the byte length of the character that starts at `pos` (1 or 2; a lead
// byte at the very end counts as one byte).
std::size_t charLengthAt(std::string_view bytes, std::size_t pos);
inline bool isLeadByte(std::uint8_t byte)
{
    return byte >= 0x80;
}
// Number of characters by that rule.
std::size_t panelCharCount(std::string_view bytes);

// The system default LANGID from a locale name such as "ko_KR.UTF-8": ko 0x412, ja 0x411,
// zh 0x804, anything else 0x409.
std::uint16_t langIdFromLocale(std::string_view locale);
// The same for the running process (LC_ALL, LC_MESSAGES, LANG in that order).
std::uint16_t systemDefaultLangId();

} // namespace util
