#pragma once

// The frames of the PLC loader (device 1): ASCII frames carry bytes as two upper-case hex
// characters, binary frames carry them as they are; each ends in an 8-bit sum (BCC) and EOT.
// The answer of a write or command repeats its letter and that letter's BCC.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillet::plc {

inline constexpr std::uint8_t ENQ = 0x05;
inline constexpr std::uint8_t ACK = 0x06;
inline constexpr std::uint8_t NAK = 0x15;
inline constexpr std::uint8_t EOT = 0x04;
inline constexpr std::uint8_t STX = 0x02;
inline constexpr std::uint8_t ETX = 0x03;

inline constexpr std::size_t kAsciiPiece = 64;
inline constexpr std::size_t kBinaryPiece = 128;

using Frame = std::vector<std::uint8_t>;

// 8-bit sum of the bytes.
std::uint8_t bcc(std::span<const std::uint8_t> bytes);
// The 24-bit address as "%06X", sent low byte first: characters 5-6, 3-4, then 1-2.
std::string asciiAddress(std::uint32_t address);

Frame loaderFrame();
Frame asciiWrite(std::uint32_t address, std::span<const std::uint8_t> data,
                 std::uint8_t letter = 'W');
Frame asciiErase(std::uint32_t address);
Frame binaryCommand();
Frame binaryWrite(std::uint32_t address, std::span<const std::uint8_t> data,
                  std::uint8_t letter = 'F');
Frame binaryErase(std::uint32_t address);

// The success answer to a write or command frame with `letter`.
Frame answerFor(std::uint8_t letter, bool ascii);

// Judges an answer: empty text when it is the success answer, else the message to show.
std::string checkAnswer(std::span<const std::uint8_t> answer, std::uint8_t letter, bool ascii);

} // namespace quillet::plc
