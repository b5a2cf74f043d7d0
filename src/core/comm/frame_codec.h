#pragma once

// Byte layout of the panel link's frames, shared by the link and the panel simulator: requests
// (STX main sub payload BCC ETX), responses (ACK main sub data BCC EOT) and the 7-byte NAK frame
// (NAK main sub code BCC EOT). The BCC is the 16-bit sum of the bytes from the main letter to the
// last payload byte, sent high byte first. Depends on nothing but util/byte_order.

#include "util/byte_order.h"

#include <cstddef>
#include <cstdint>

namespace comm {

inline constexpr std::uint8_t kStx = 0x02;
inline constexpr std::uint8_t kEtx = 0x03;
inline constexpr std::uint8_t kEot = 0x04;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;

inline constexpr std::size_t kMaxBlock = 1024;
inline constexpr std::size_t kFrameBufferSize = kMaxBlock + 11;
inline constexpr std::size_t kNakFrameLength = 7;
// Request and response overhead: lead byte, main, sub, BCC (2), trailer.
inline constexpr std::size_t kFrameOverhead = 6;

// Panel error codes carried by a NAK frame.
enum NakCode : std::uint8_t {
    NakBcc = 0,
    NakFrame = 1,
    NakCommand = 2,
    NakSubCommand = 3,
    NakAddress = 4,
    NakRtcRead = 5,
    NakRtcWrite = 6,
    NakNoRtc = 7,
};

// Sum of frame[1] .. frame[length - 4]; 0 for frames shorter than the overhead.
std::uint16_t frameBcc(util::ConstByteSpan frame);

// STX main sub payload BCC ETX.
util::Bytes buildRequest(std::uint8_t main, std::uint8_t sub, util::ConstByteSpan payload);
// ACK main sub data BCC EOT.
util::Bytes buildResponse(std::uint8_t main, std::uint8_t sub, util::ConstByteSpan data);
// NAK main sub code BCC EOT.
util::Bytes buildNak(std::uint8_t main, std::uint8_t sub, std::uint8_t code);

// Letters: a sound frame whose command letters are not those of the request it should answer.
enum class FrameCheck { Ok, Format, Bcc, Nak, Letters };

// Result of checking a frame's lead and trailer bytes and its BCC. A response leads with ACK or
// NAK and ends with EOT; a request leads with STX and ends with ETX.
struct FrameCheckResult
{
    FrameCheck result = FrameCheck::Format;
    std::uint16_t computed = 0;
    std::uint16_t received = 0;
};
FrameCheckResult checkResponse(util::ConstByteSpan frame);
// The same for the answer to the request `main` `sub`: an ACK or NAK for any other request is
// not this request's answer, whatever it carries.
FrameCheckResult checkResponse(util::ConstByteSpan frame, std::uint8_t main, std::uint8_t sub);
FrameCheckResult checkRequest(util::ConstByteSpan frame);

// 24-bit big-endian panel address.
std::uint32_t be24(util::ConstByteSpan data, std::size_t offset);
void setBe24(util::ByteSpan data, std::size_t offset, std::uint32_t value);

} // namespace comm
