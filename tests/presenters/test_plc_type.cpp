// Changing a channel's PLC type, the channel choices shared with the new-project dialog, and the
// panel connection port.

#include "params_test_support.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_addr.h"
#include "core/functions/trans_record.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/panel_params.h"
#include "core/presenters/com_port_dlg.h"
#include "core/presenters/comm_para_dlg.h"
#include "core/presenters/plc_type_dlg.h"
#include "core/presenters/prj_mgn_dlg.h"

#include "util/byte_order.h"

#include <gtest/gtest.h>

using namespace core;
using plctest::kLetterNetType;
using plctest::kLetterType;
using plctest::kModbusType;
using plctest::RecordingPrompt;

namespace {

// A project with channel 1 on Modbus and channel 2 on the LX letter PLC, and common functions
// and a panel link on both channels.
class PlcTypeChange : public ::testing::Test
{
protected:
    PlcTypeChange()
    {
        CChannelParams ch1 = CChannelParams::NewProject(1);
        CChannelParams ch2 = CChannelParams::NewProject(2);
        ch2.SetPlcType(kLetterType);
        ch2.SetConfiguration(CChannelParams::k1ToN);
        ch2.SetRemoteStation(4);
        m_doc.SetChannel(1, ch1.Bytes());
        m_doc.SetChannel(2, ch2.Bytes());
        m_doc.RebindDrivers();

        m_doc.Alarms().push_back(alarm(1, "0x", "3"));
        m_doc.Alarms().push_back(alarm(2, "M", "10"));
        CCalcRecord calc = CCalcRecord::Default();
        build(calc.Bytes(), CCalcRecord::kOperand1, kAddrWord, 1, "4x", "5");
        build(calc.Bytes(), CCalcRecord::kResult, kAddrWord, 2, "D", "100");
        m_doc.Calculations().push_back(calc.Bytes());
        CTransRecord transfer = CTransRecord::Default(m_slots);
        build(transfer.Bytes(), CTransRecord::kPlcBlock, kAddrWord, 2, "W", "7");
        m_doc.Transfers().push_back(transfer.Bytes());

        CPanelParams params(m_doc.Parameters());
        PanelAddrGroup link;
        link.on = true;
        link.device = 2;
        std::uint16_t bit = 0;
        m_slots.slot(2).BuildDownAddr(kAddrWord, "D", "3", bit, link.field);
        params.SetAddrGroup(CPanelParams::kScreenChange, link);
        m_doc.Parameters() = params.Bytes();
        m_doc.SetModified(false);
    }

    DocConfig config() const
    {
        DocConfig s;
        s.ch1Plcs = &m_folder.config.plcList(1);
        s.ch2Plcs = &m_folder.config.plcList(2);
        s.protocolsDir = m_folder.config.protocolsDir();
        return s;
    }
    template<std::size_t N>
    void build(std::array<std::uint8_t, N> &record, std::size_t block, std::int32_t kind,
               std::uint16_t channel, const std::string &area, const std::string &number)
    {
        const CDeviceAddr addr{channel, 0, area, number};
        ASSERT_EQ(addr.BuildInto(m_slots, record, block, kind), 2) << area << number;
    }
    AlarmRecord alarm(std::uint16_t channel, const std::string &area, const std::string &number)
    {
        CAlarmRecord a = CAlarmRecord::Default();
        build(a.Bytes(), CAlarmRecord::kBlock, kAddrBit, channel, area, number);
        return a.Bytes();
    }
    // The download field the channel's current driver builds for its default address.
    DownAddr defaultField(int channel, std::int32_t kind) const
    {
        std::string area, number;
        m_slots.slot(channel).GetDefaultAddr(kind, 0, area, number);
        DownAddr out{};
        std::uint16_t bit = 0;
        m_slots.slot(channel).BuildDownAddr(kind, area, number, bit, out);
        return out;
    }
    static DownAddr fieldOf(util::ConstByteSpan record, std::size_t block)
    {
        DownAddr out{};
        std::copy_n(record.begin() + std::ptrdiff_t(block), out.size(), out.begin());
        return out;
    }

    plctest::ProgramFolder m_folder{"plctype"};
    CDorvaneDoc m_doc{config()};
    CPlcSlots &m_slots = m_doc.Slots();
    RecordingPrompt m_prompt;
};

TEST_F(PlcTypeChange, AnsweringNoChangesNothing)
{
    const ParamBlock params = m_doc.Parameters();
    const auto alarms = m_doc.Alarms();
    const auto calcs = m_doc.Calculations();
    CPlcTypeDlg dlg(m_folder.config, m_prompt, m_doc);
    dlg.Choice(2).Select(1); // MODBUS RTU
    m_prompt.answer = false;
    EXPECT_FALSE(dlg.Ok(m_doc));
    EXPECT_EQ(m_prompt.asked, std::vector<int>{52103});
    EXPECT_EQ(m_doc.Parameters(), params);
    EXPECT_EQ(m_doc.Alarms(), alarms);
    EXPECT_EQ(m_doc.Calculations(), calcs);
    EXPECT_EQ(m_slots.slot(2).Type(), kLetterType);
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(PlcTypeChange, RejectedAddressesOfTheChangedChannelTakeTheNewDefault)
{
    const auto ch1Alarm = m_doc.Alarms()[0];
    const DownAddr ch1Operand = fieldOf(m_doc.Calculations()[0], CCalcRecord::kOperand1);
    CPlcTypeDlg dlg(m_folder.config, m_prompt, m_doc);
    dlg.Choice(2).Select(1);
    ASSERT_TRUE(dlg.Ok(m_doc));
    EXPECT_EQ(m_slots.slot(2).Type(), kModbusType);
    EXPECT_EQ(CChannelParams(m_doc.Channel(2)).PlcType(), kModbusType);
    EXPECT_TRUE(m_doc.IsModified());

    // Letter-PLC addresses mean nothing to Modbus.
    EXPECT_EQ(fieldOf(m_doc.Alarms()[1], 0), defaultField(2, kAddrBit));
    EXPECT_EQ(fieldOf(m_doc.Calculations()[0], CCalcRecord::kResult), defaultField(2, kAddrWord));
    EXPECT_EQ(fieldOf(m_doc.Transfers()[0], CTransRecord::kPlcBlock), defaultField(2, kAddrWord));
    EXPECT_EQ(CPanelParams(m_doc.Parameters()).AddrGroup(CPanelParams::kScreenChange).field,
              defaultField(2, kAddrWord));
    // What the user is told: the alarm, the result, the transfer and the panel link.
    EXPECT_EQ(dlg.ResetCount(), 4u);
    // Channel 1 did not change.
    EXPECT_EQ(m_doc.Alarms()[0], ch1Alarm);
    EXPECT_EQ(fieldOf(m_doc.Calculations()[0], CCalcRecord::kOperand1), ch1Operand);
}

TEST_F(PlcTypeChange, AddressesTheNewDriverAcceptsAreKept)
{
    const auto before = m_doc.Alarms()[1];
    CPlcTypeDlg dlg(m_folder.config, m_prompt, m_doc);
    dlg.Choice(2).Select(3); // LX NET: the same address syntax
    ASSERT_TRUE(dlg.Ok(m_doc));
    EXPECT_EQ(m_slots.slot(2).DeviceKind(), kDeviceKind2);
    EXPECT_EQ(m_doc.Alarms()[1], before);
    EXPECT_EQ(dlg.ResetCount(), 0u);
    const CDeviceAddr addr = CDeviceAddr::FromBlock(m_slots, m_doc.Transfers()[0],
                                                    CTransRecord::kPlcBlock, kAddrWord);
    EXPECT_EQ(addr.area, "W");
}

TEST_F(PlcTypeChange, RemoteStationsReachTheAddressesOfTheirChannel)
{
    CPlcTypeDlg dlg(m_folder.config, m_prompt, m_doc);
    auto settings = dlg.Choice(1).OpenSettings(m_prompt);
    ASSERT_TRUE(settings);
    settings->SetRemoteStation(7);
    dlg.Choice(1).AcceptSettings(settings->Result());
    ASSERT_TRUE(dlg.Ok(m_doc));
    EXPECT_TRUE(m_prompt.asked.empty()); // no type changed
    EXPECT_EQ(util::le16(m_doc.Alarms()[0], 60), 7);
    EXPECT_EQ(util::le16(m_doc.Calculations()[0], CCalcRecord::kOperand1 + 60), 7);
    EXPECT_EQ(m_slots.slot(1).Station(), 7);
    // Channel 2 runs 1:N: its remote station 4 is not applied.
    EXPECT_EQ(util::le16(m_doc.Alarms()[1], 60), 0);
    EXPECT_EQ(CPanelParams(m_doc.Parameters()).AddrGroup(CPanelParams::kScreenChange).station, 0);

    CChannelParams ch2(m_doc.Channel(2));
    ch2.SetConfiguration(CChannelParams::kNTo1);
    m_doc.SetChannel(2, ch2.Bytes());
    CPlcTypeDlg again(m_folder.config, m_prompt, m_doc);
    ASSERT_TRUE(again.Ok(m_doc));
    EXPECT_EQ(util::le16(m_doc.Alarms()[1], 60), 4);
    EXPECT_EQ(CPanelParams(m_doc.Parameters()).AddrGroup(CPanelParams::kScreenChange).station, 4);
}

TEST_F(PlcTypeChange, ChannelSettingsOkStoresTheRecordAndItsStation)
{
    CCommParaDlg dlg(m_prompt, CChannelParams(m_doc.Channel(2)), true);
    dlg.SetConfiguration(CChannelParams::kNTo1);
    dlg.SetRemoteStation(9);
    dlg.ApplyTo(m_doc, 2);
    EXPECT_EQ(CChannelParams(m_doc.Channel(2)).Configuration(), CChannelParams::kNTo1);
    EXPECT_EQ(m_slots.slot(2).Station(), 9);
    EXPECT_EQ(util::le16(m_doc.Alarms()[1], 60), 9);
    EXPECT_EQ(util::le16(m_doc.Alarms()[0], 60), 0);
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(PlcTypeChange, ChoicesListUnusedFirstAndTakeFixedSettings)
{
    CPlcTypeDlg dlg(m_folder.config, m_prompt, m_doc);
    CChannelChoice &ch1 = dlg.Choice(1);
    ASSERT_EQ(ch1.Names().size(), 4u);
    EXPECT_EQ(ch1.Names()[0], "미사용");
    EXPECT_EQ(ch1.Selection(), 1);
    EXPECT_STREQ(dlg.Choice(2).PortLabel(), "(RS-422/485)");
    EXPECT_TRUE(ch1.SettingsEnabled());

    ch1.Select(2); // the LX link has fixed settings: 19200, 7 bits, 1 stop bit, even
    EXPECT_FALSE(ch1.SettingsEnabled());
    EXPECT_EQ(ch1.OpenSettings(m_prompt), nullptr);
    EXPECT_EQ(ch1.Record().PlcType(), kLetterType);
    EXPECT_EQ(ch1.Record().Baud(), 4);
    EXPECT_EQ(ch1.Record().DataBits(), 1);
    EXPECT_EQ(ch1.Record().StopBits(), 0);
    EXPECT_EQ(ch1.Record().Parity(), 1);

    ch1.Select(0);
    EXPECT_EQ(ch1.Record().PlcType(), 0);
    EXPECT_FALSE(ch1.SettingsEnabled());
    EXPECT_TRUE(ch1.WiringDiagram(m_prompt).empty());
    EXPECT_EQ(m_prompt.shown, std::vector<int>{51810});
    ch1.Select(1);
    EXPECT_EQ(ch1.WiringDiagram(m_prompt), m_folder.path("Connect/modbus_rtu.bmp"));

    // A type without a catalogue entry shows "미사용".
    CChannelParams odd(m_doc.Channel(2));
    odd.SetPlcType(0x0777);
    EXPECT_EQ(CChannelChoice(m_folder.config, 2, odd).Selection(), 0);
}

// --- new project and port -------------------------------------------------------------------

TEST(NewProjectDialog, ProposesFreeNameAndHandsBackChannelsAndPort)
{
    plctest::ProgramFolder folder("prjmgn", "[comm_setup]\nPort=2\nBaudRate=38400\n");
    folder.write("Project/제목없음1.kvr", "x");
    RecordingPrompt prompt;
    CPrjMgnDlg dlg(folder.config, prompt, 1);
    EXPECT_EQ(dlg.FileName(), folder.path("Project/제목없음2.kvr"));
    EXPECT_EQ(dlg.Port().PortIndex(), 1);
    EXPECT_EQ(dlg.Port().SpeedIndex(), 1);
    EXPECT_EQ(dlg.Choice(1).Selection(), 1); // type 1, Modbus
    EXPECT_EQ(dlg.Choice(2).Selection(), 0);

    dlg.SetFileName("   ");
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(prompt.shown, std::vector<int>{52000});

    dlg.SetFileName(" /tmp/p.kvr ");
    dlg.Choice(2).Select(2);
    dlg.Port().SelectSpeed(2);
    ASSERT_TRUE(dlg.Ok());
    const NewProjectSettings s = dlg.Settings();
    EXPECT_EQ(s.path, "/tmp/p.kvr");
    EXPECT_EQ(s.panelLanguage, 1);
    EXPECT_EQ(CChannelParams(s.channel1).PlcType(), 1);
    EXPECT_EQ(util::le16(s.channel1, 10), 500);
    EXPECT_EQ(CChannelParams(s.channel2).PlcType(), kLetterType);
    EXPECT_EQ(dlg.PortSetup().baudRate, 115200);
    EXPECT_EQ(dlg.PortSetup().port, 2);
}

TEST(PortDialog, SpeedOutsideTheListBecomes115200AndOkWritesTheConfiguration)
{
    plctest::ProgramFolder folder("comport", "[comm_setup]\nPort=12\nBaudRate=57600\n");
    CComPortDlg dlg(folder.config.commSetup());
    EXPECT_EQ(dlg.PortIndex(), 0);
    EXPECT_EQ(dlg.SpeedIndex(), -1);
    EXPECT_EQ(CComPortDlg::PortName(7), "COM8");
    dlg.SelectPort(2);
    EXPECT_EQ(dlg.Result().baudRate, 115200);
    ASSERT_TRUE(dlg.Ok(folder.config));
    EXPECT_EQ(folder.config.commSetup().port, 3);
    const std::string ini = folder.read("APP.INI");
    EXPECT_NE(ini.find("Port=3"), std::string::npos) << ini;
    EXPECT_NE(ini.find("BaudRate=115200"), std::string::npos) << ini;

    RecordingPrompt prompt;
    EXPECT_TRUE(CComPortDlg::WiringDiagram(folder.config, prompt).empty());
    EXPECT_EQ(prompt.shown, std::vector<int>{51810});
}

} // namespace
