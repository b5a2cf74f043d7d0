// The preview's PLC connection form: which channels may go online, the project's settings as the
// start, switching channels, and the link it turns into.

#include "runtime/runtime_test_support.h"

#include "core/online/plc_connect_form.h"

#include <gtest/gtest.h>

using namespace core::online;
using namespace std::chrono_literals;

namespace {

TEST(PlcConnectForm, OffersModbusChannelsWithTheirSettings)
{
    runtimetest::Project project("connect_form");
    EXPECT_EQ(PlcConnectForm::OnlineChannels(project.doc), std::vector<int>{1});
    EXPECT_TRUE(PlcConnectForm::SimulatedChannels(project.doc).empty()) << "channel 2 unused";
    project.slots.BindChannel(2, project.folder.config.plcList(2), plctest::kLetterType, 0,
                              project.folder.config.protocolsDir());
    EXPECT_EQ(PlcConnectForm::SimulatedChannels(project.doc), std::vector<int>{2});
    EXPECT_EQ(PlcConnectForm::OnlineChannels(project.doc), std::vector<int>{1});
    project.slots.BindChannel(2, project.folder.config.plcList(2), plctest::kModbusType, 0,
                              project.folder.config.protocolsDir());
    EXPECT_EQ(PlcConnectForm::OnlineChannels(project.doc), (std::vector<int>{1, 2}));
    EXPECT_TRUE(PlcConnectForm::SimulatedChannels(project.doc).empty());
    project.doc.SetParam16(262 + 12, 3); // channel 2: 9600 baud
    project.doc.SetParam16(262 + 6, 1); // even
    project.doc.SetParam16(262 + 8, 1); // 2 stop bits
    project.doc.SetParam16(262 + 10, 1000);

    PlcConnectForm form = PlcConnectForm::ForChannel(project.doc, 1);
    EXPECT_EQ(form.baud, 38400u);
    EXPECT_EQ(form.parity, 'N');
    EXPECT_EQ(form.timeoutMs, 500);
    EXPECT_FALSE(form.Ok()) << "no device yet";
    form.device = "/dev/ttyUSB0";
    EXPECT_TRUE(form.Ok());
    form.SelectChannel(project.doc, 2);
    EXPECT_EQ(form.device, "/dev/ttyUSB0") << "what was typed stays";
    EXPECT_EQ(form.Endpoint().Describe(), "/dev/ttyUSB0 9600 8E2");
    EXPECT_EQ(form.Options().timeout, 1000ms);
    EXPECT_EQ(form.Options().wordOrder, WordOrder::HighFirst);

    form.tcp = true;
    EXPECT_FALSE(form.Ok()) << "no host yet";
    form.host = "10.0.0.5";
    form.lowWordFirst = true;
    form.timeoutMs = 0;
    EXPECT_FALSE(form.Ok());
    form.timeoutMs = 200;
    ASSERT_TRUE(form.Ok());
    EXPECT_EQ(form.Endpoint().Describe(), "tcp 10.0.0.5:502");
    EXPECT_EQ(form.Options().wordOrder, WordOrder::LowFirst);
}

} // namespace
