#pragma once

// The panel commands of the communication menu that exchange a few frames: password check, set
// and removal, alarm-history delete, whole-memory erase and font download. Each follows the same
// pattern: connect, pass the panel's password check, run its requests, show the outcome, end
// the connection. Questions and messages go through IPanelUi.

#include "util/byte_order.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace comm {

class CCommThread;
class IPanelUi;

enum class PasswordCheck { GoOn, Rejected, Failed, Cancelled };

// The 10-byte password field: the characters, zero padded, no terminator of their own.
util::Bytes passwordField(std::string_view password);
// The 18-byte password block: length 18, checksum over bytes 6-17, then the marker 0xF5 0xFA
// and the password field, or twelve zero bytes (an empty password removes it).
util::Bytes passwordBlock(std::string_view password);

// Sends "y" "A": nothing when the exchange failed, else whether the panel accepted it.
std::optional<bool> SendPanelPassword(CCommThread &link, std::string_view password);

// The shared step after Connect: with status 1 asks for the password and sends it.
PasswordCheck VerifyPanelPassword(CCommThread &link, IPanelUi &ui, std::uint8_t status);

// Shows the link's error text, if it has one.
void showLinkError(const CCommThread &link, IPanelUi &ui);

struct PasswordChange
{
    std::string oldPassword;
    std::string newPassword;
    std::string confirmation;
};
// OK of the password dialog; true when the dialog may close.
bool SetPanelPassword(CCommThread &link, IPanelUi &ui, const PasswordChange &entries);
// These three return true only when the panel did what was asked: a question answered no, a
// refused password or any link error gives false.
bool RemovePanelPassword(CCommThread &link, IPanelUi &ui);
bool DeletePanelAlarmHistory(CCommThread &link, IPanelUi &ui);
bool ErasePanelMemory(CCommThread &link, IPanelUi &ui);

inline constexpr std::size_t kFontAreaCapacity = 0x40000;
inline constexpr std::size_t kMaxFontFile = kFontAreaCapacity - 6;
// Builds the font area from a font file's bytes into `area` (at least the file + 6 bytes):
// header with length = file length + 6 and the checksum. Returns the image length.
std::size_t buildFontArea(util::ConstByteSpan file, util::ByteSpan area);
// A font file is named "*.BMA" (any case) and holds glyph bitmaps: binary bytes, never text.
bool isFontFile(std::string_view path, util::ConstByteSpan bytes);
// The bytes of a font file the panel can take; a file that cannot be read, is too large or is
// no font file is refused with a message naming it.
std::optional<util::Bytes> ReadFontFile(IPanelUi &ui, const std::string &path);
// Font download of a chosen file into the panel; `area` is the font-area buffer. The file is
// checked before the question and before the panel is reached; success is reported.
bool DownloadFont(CCommThread &link, IPanelUi &ui, const std::string &path, util::ByteSpan area);

} // namespace comm
