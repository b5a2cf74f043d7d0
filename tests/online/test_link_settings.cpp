// How the link is chosen: the --plc forms, the channel's serial settings and time-out from the
// project, and the silence kept between frames on a serial line.

#include "runtime/runtime_test_support.h"

#include "core/online/link_settings.h"

#include <gtest/gtest.h>

using namespace core::online;
using namespace std::chrono_literals;

namespace {

TEST(LinkSettings, ParsesSerialAndTcpChoicesAndRefusesTheRest)
{
    LinkEndpoint channel;
    channel.baud = 9600;
    channel.parity = 'N';
    std::string error;
    auto e = parseEndpoint("/dev/ttyUSB0", channel, error);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->kind, LinkEndpoint::Kind::Serial);
    EXPECT_EQ(e->Describe(), "/dev/ttyUSB0 9600 8N1") << "the channel's settings by default";
    e = parseEndpoint("/dev/ttyS1:19200:e", channel, error);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Describe(), "/dev/ttyS1 19200 8E1");
    e = parseEndpoint("tcp:plc.local:1502", channel, error);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->kind, LinkEndpoint::Kind::Tcp);
    EXPECT_EQ(e->host, "plc.local");
    EXPECT_EQ(e->port, 1502);
    EXPECT_EQ(e->Describe(), "tcp plc.local:1502");

    EXPECT_FALSE(parseEndpoint("tcp:host", channel, error));
    EXPECT_FALSE(parseEndpoint("tcp::502", channel, error));
    EXPECT_FALSE(parseEndpoint("tcp:host:0", channel, error));
    EXPECT_FALSE(parseEndpoint("/dev/ttyS0:19201", channel, error));
    EXPECT_EQ(error, "unknown baud rate \"19201\" (1200 to 115200)");
    EXPECT_FALSE(parseEndpoint("/dev/ttyS0:19200:X", channel, error));
    EXPECT_EQ(error, "unknown parity \"X\" (N, E or O)");
    EXPECT_FALSE(parseEndpoint(":19200", channel, error));
}

TEST(LinkSettings, TakesTheChannelsSerialSettingsAndTimeOutFromTheProject)
{
    runtimetest::Project project("link_settings");
    // Channel 1 of a new project: 38400 baud, 8 data bits, no parity, 1 stop bit, 500 ms.
    LinkEndpoint e = channelSerialSettings(project.doc, 1);
    EXPECT_EQ(e.baud, 38400u);
    EXPECT_EQ(e.parity, 'N');
    EXPECT_EQ(channelTimeout(project.doc, 1), 500ms);
    project.doc.SetParam16(262 + 12, 4); // channel 2: 19200
    project.doc.SetParam16(262 + 6, 2); // odd
    project.doc.SetParam16(262 + 4, 1); // 7 data bits
    project.doc.SetParam16(262 + 8, 1); // 2 stop bits
    project.doc.SetParam16(262 + 10, 250);
    e = channelSerialSettings(project.doc, 2);
    EXPECT_EQ(e.Describe(), " 19200 7O2");
    EXPECT_EQ(channelTimeout(project.doc, 2), 250ms);

    std::string error;
    const auto choice = parsePlcChoice("2=/dev/ttyUSB1", project.doc, error);
    ASSERT_TRUE(choice) << error;
    EXPECT_EQ(choice->channel, 2);
    EXPECT_EQ(choice->endpoint.Describe(), "/dev/ttyUSB1 19200 7O2");
    EXPECT_FALSE(parsePlcChoice("3=/dev/ttyUSB1", project.doc, error));
    EXPECT_EQ(error, "channel 3 does not exist (1 or 2)");
    EXPECT_FALSE(parsePlcChoice("/dev/ttyUSB1", project.doc, error));
}

TEST(LinkSettings, KeepsThreeAndAHalfCharactersBetweenSerialFramesOnly)
{
    LinkOptions options;
    LinkEndpoint e;
    e.baud = 19200; // 8E1: 11 bits a character
    EXPECT_EQ(options.DelayFor(e), 2005us);
    e.baud = 9600;
    e.parity = 'N'; // 10 bits
    EXPECT_EQ(options.DelayFor(e), 3645us);
    e.baud = 115200;
    EXPECT_EQ(options.DelayFor(e), 1750us) << "a fixed 1.75 ms above 19200 baud";
    e.kind = LinkEndpoint::Kind::Tcp;
    EXPECT_EQ(options.DelayFor(e), 0us);
    options.interRequestDelay = 5ms;
    EXPECT_EQ(options.DelayFor(e), 5000us);
}

} // namespace
