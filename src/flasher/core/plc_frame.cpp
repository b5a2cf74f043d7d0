#include "plc_frame.h"

#include "flash_texts.h"

#include <cstdio>

namespace quillet::plc {

namespace {

void appendHex(Frame &out, std::uint32_t value)
{
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", value & 0xFFu);
    out.push_back(static_cast<std::uint8_t>(hex[0]));
    out.push_back(static_cast<std::uint8_t>(hex[1]));
}

void appendAddress(Frame &out, std::uint32_t address)
{
    for (const char c : asciiAddress(address))
        out.push_back(static_cast<std::uint8_t>(c));
}

// Closes a frame: BCC over everything after ENQ, then EOT.
void finishFrame(Frame &frame, bool ascii)
{
    const std::uint8_t sum = bcc(std::span<const std::uint8_t>(frame).subspan(1));
    if (ascii)
        appendHex(frame, sum);
    else
        frame.push_back(sum);
    frame.push_back(EOT);
}

} // namespace

std::uint8_t bcc(std::span<const std::uint8_t> bytes)
{
    std::uint8_t sum = 0;
    for (const auto b : bytes)
        sum = static_cast<std::uint8_t>(sum + b);
    return sum;
}

std::string asciiAddress(std::uint32_t address)
{
    char text[8];
    std::snprintf(text, sizeof text, "%06X", address & 0xFFFFFFu);
    return {text[4], text[5], text[2], text[3], text[0], text[1]};
}

Frame loaderFrame()
{
    return {STX, 'b', '6', '2', ETX};
}

Frame asciiWrite(std::uint32_t address, std::span<const std::uint8_t> data, std::uint8_t letter)
{
    Frame frame{ENQ, letter};
    appendAddress(frame, address);
    appendHex(frame, static_cast<std::uint32_t>(data.size()));
    for (const auto b : data)
        appendHex(frame, b);
    finishFrame(frame, true);
    return frame;
}

Frame asciiErase(std::uint32_t address)
{
    Frame frame{ENQ, 'E'};
    appendAddress(frame, address);
    finishFrame(frame, true);
    return frame;
}

Frame binaryCommand()
{
    Frame frame{ENQ, 'C', 0x55};
    finishFrame(frame, false);
    return frame;
}

Frame binaryWrite(std::uint32_t address, std::span<const std::uint8_t> data, std::uint8_t letter)
{
    Frame frame;
    frame.reserve(data.size() + 8);
    frame.push_back(ENQ);
    frame.push_back(letter);
    frame.push_back(static_cast<std::uint8_t>(address));
    frame.push_back(static_cast<std::uint8_t>(address >> 8));
    frame.push_back(static_cast<std::uint8_t>(address >> 16));
    frame.push_back(static_cast<std::uint8_t>(data.size()));
    for (const auto b : data)
        frame.push_back(b);
    finishFrame(frame, false);
    return frame;
}

Frame binaryErase(std::uint32_t address)
{
    Frame frame{ENQ, 'E', static_cast<std::uint8_t>(address),
                static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address >> 16)};
    finishFrame(frame, false);
    return frame;
}

Frame answerFor(std::uint8_t letter, bool ascii)
{
    Frame frame{ACK, letter};
    if (ascii)
        appendHex(frame, letter);
    else
        frame.push_back(letter);
    frame.push_back(EOT);
    return frame;
}

std::string checkAnswer(std::span<const std::uint8_t> answer, std::uint8_t letter, bool ascii)
{
    const Frame expected = answerFor(letter, ascii);
    if (answer.size() == expected.size()
        && std::equal(answer.begin(), answer.end(), expected.begin()))
        return {};
    if (!answer.empty() && answer[0] == NAK) {
        const unsigned code = answer.size() > 1 ? answer[1] : 0;
        return withCode(ascii ? text::NakAscii : text::NakBinary, code);
    }
    if (answer.size() == expected.size() && answer[0] == ACK && answer[1] == letter)
        return std::string(text::BccError);
    return std::string(text::WrongFrame);
}

} // namespace quillet::plc
