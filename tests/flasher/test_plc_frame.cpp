// The PLC loader's frames byte for byte, and how answers are judged.

#include "plc_frame.h"

#include <gtest/gtest.h>

namespace plc = quillet::plc;

namespace {

std::string chars(const plc::Frame &frame, std::size_t from, std::size_t count)
{
    return std::string(frame.begin() + static_cast<std::ptrdiff_t>(from),
                       frame.begin() + static_cast<std::ptrdiff_t>(from + count));
}

} // namespace

TEST(PlcFrame, AsciiWriteOf64BytesAt1F0200)
{
    std::vector<std::uint8_t> data(64);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(i);
    const auto frame = plc::asciiWrite(0x1F0200, data);
    ASSERT_EQ(frame.size(), 2u * 64u + 13u);
    EXPECT_EQ(frame.front(), plc::ENQ);
    EXPECT_EQ(frame[1], 'W');
    EXPECT_EQ(chars(frame, 2, 6), "00021F"); // "1F0200" sent low byte first
    EXPECT_EQ(chars(frame, 8, 2), "40");
    EXPECT_EQ(chars(frame, 10, 4), "0001");
    EXPECT_EQ(chars(frame, 10 + 126, 2), "3F");
    std::uint8_t sum = 0;
    for (std::size_t i = 1; i < frame.size() - 3; ++i)
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    char expected[3];
    std::snprintf(expected, sizeof expected, "%02X", sum);
    EXPECT_EQ(chars(frame, frame.size() - 3, 2), expected);
    EXPECT_EQ(frame.back(), plc::EOT);
}

TEST(PlcFrame, ShortFramesByteForByte)
{
    EXPECT_EQ(plc::loaderFrame(), (plc::Frame{0x02, 'b', '6', '2', 0x03}));
    // 'C' + 0x55 = 0x98
    EXPECT_EQ(plc::binaryCommand(), (plc::Frame{0x05, 'C', 0x55, 0x98, 0x04}));
    // 'E' 0x20 0x08 0x00 -> 0x45 + 0x20 + 0x08 = 0x6D
    EXPECT_EQ(plc::binaryErase(0x820), (plc::Frame{0x05, 'E', 0x20, 0x08, 0x00, 0x6D, 0x04}));
    // "E" "00021F": 0x45 + 3 * 0x30 + 0x32 + 0x31 + 0x46 = 0x17E -> "7E"
    EXPECT_EQ(plc::asciiErase(0x1F0200),
              (plc::Frame{0x05, 'E', '0', '0', '0', '2', '1', 'F', '7', 'E', 0x04}));
    // 'F' 0x00 0x08 0x00 0x02 0xAA 0x01 -> 0x46+0x08+0x02+0xAA+0x01 = 0xFB
    const std::uint8_t data[] = {0xAA, 0x01};
    EXPECT_EQ(plc::binaryWrite(0x800, data),
              (plc::Frame{0x05, 'F', 0x00, 0x08, 0x00, 0x02, 0xAA, 0x01, 0xFB, 0x04}));
}

TEST(PlcAnswer, SuccessAnswersRepeatLetterAndItsBcc)
{
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x06, 'W', '5', '7', 0x04}, 'W', true), "");
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x06, 'F', 'F', 0x04}, 'F', false), "");
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x06, 'C', 'C', 0x04}, 'C', false), "");
    EXPECT_EQ(plc::answerFor('F', true), (plc::Frame{0x06, 'F', '4', '6', 0x04}));
    EXPECT_EQ(plc::answerFor('W', false), (plc::Frame{0x06, 'W', 'W', 0x04}));
}

TEST(PlcAnswer, FailuresGetTheirMessages)
{
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x15, 0x3A, 0x04}, 'W', true),
              "NAK Received from PLC.\nError Code : 3A");
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x15, 0x07, 0x04}, 'F', false),
              "NAK Received from PLC.\r\n\r\n Error code : 07");
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x06, 'W', '5', '8', 0x04}, 'W', true),
              "BCC Error Occur!!.");
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x06, 'F', 'G', 0x04}, 'F', false), "BCC Error Occur!!.");
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x06, 'F', '4', '6', 0x04}, 'W', true),
              "Wrong Frame received from PLC!!.");
    EXPECT_EQ(plc::checkAnswer(plc::Frame{0x06, 'W', '5', '7', 0x00, 0x04}, 'W', true),
              "Wrong Frame received from PLC!!.");
}
