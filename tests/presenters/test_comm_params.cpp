// Parameter block access and the panel and channel settings dialogs' logic.

#include "params_test_support.h"

#include "core/plc/panel_params.h"
#include "core/presenters/comm_basic_dlg.h"
#include "core/presenters/comm_para_dlg.h"

#include "util/byte_order.h"
#include "util/message_ids.h"

#include <gtest/gtest.h>

using namespace core;
using plctest::RecordingPrompt;

namespace {

// --- typed access -------------------------------------------------------------------------------

TEST(ChannelRecord, FieldsSitAtTheirOffsets)
{
    ChannelParams raw{};
    const std::uint16_t words[][2] = {{0, 0x8020}, {2, 3},  {4, 1},  {6, 2},  {8, 1},
                                      {10, 750},   {12, 7}, {14, 3}, {16, 2}, {50, 9}};
    for (const auto &w : words)
        util::setLe16(raw, w[0], w[1]);
    raw[18] = 3;
    raw[19] = 17;
    raw[20] = 30; // beyond the count: not listed
    const CChannelParams p(raw);
    EXPECT_EQ(p.PlcType(), 0x8020);
    EXPECT_TRUE(p.FixedLink());
    EXPECT_EQ(p.OwnStation(), 3);
    EXPECT_EQ(p.DataBits(), 1);
    EXPECT_EQ(p.Parity(), 2);
    EXPECT_EQ(p.StopBits(), 1);
    EXPECT_EQ(p.Timeout(), 750);
    EXPECT_EQ(p.Baud(), 7);
    EXPECT_EQ(p.Configuration(), CChannelParams::kNToM);
    EXPECT_EQ(p.RemoteStation(), 9);
    EXPECT_EQ(p.Masters(), (std::vector<std::uint8_t>{3, 17}));
}

TEST(ChannelRecord, MasterListReplacesCountAndClearsUnusedBytes)
{
    ChannelParams raw{};
    raw.fill(0xEE);
    CChannelParams p(raw);
    p.SetMasters({1, 4});
    EXPECT_EQ(util::le16(p.Bytes(), 16), 2);
    EXPECT_EQ(p.Bytes()[18], 1);
    EXPECT_EQ(p.Bytes()[19], 4);
    for (std::size_t i = 20; i < 50; ++i)
        EXPECT_EQ(p.Bytes()[i], 0) << i;
    EXPECT_EQ(p.Bytes()[50], 0xEE); // the remote station is not part of the list
}

TEST(ChannelRecord, NewProjectValues)
{
    const CChannelParams ch1 = CChannelParams::NewProject(1);
    const CChannelParams ch2 = CChannelParams::NewProject(2);
    EXPECT_EQ(ch1.PlcType(), 1);
    EXPECT_EQ(ch2.PlcType(), 0);
    for (const CChannelParams *p : {&ch1, &ch2}) {
        EXPECT_EQ(util::le16(p->Bytes(), 10), 500);
        EXPECT_EQ(util::le16(p->Bytes(), 12), 5);
        EXPECT_EQ(p->Configuration(), 0);
    }
}

TEST(PanelParams, AddressGroupsAndChannelsSitAtTheirOffsets)
{
    ParamBlock raw{};
    util::setLe16(raw, 72, 1);
    util::setFixedText(raw, 74, 40, "123");
    util::setLe16(raw, 114, 2);
    util::setLe16(raw, 116, 31);
    util::setLe16(raw, 262, 0x20);
    CPanelParams p(raw);
    const PanelAddrGroup g = p.AddrGroup(CPanelParams::kScreenTransfer);
    EXPECT_TRUE(g.on);
    EXPECT_EQ(util::fixedText(g.field, 0, 40), "123");
    EXPECT_EQ(g.device, 2);
    EXPECT_EQ(g.station, 31);
    EXPECT_FALSE(p.AddrGroup(CPanelParams::kScreenChange).on);
    EXPECT_EQ(p.Channel(2).PlcType(), 0x20);

    CChannelParams ch1;
    ch1.SetTimeout(0x1234);
    p.SetChannel(1, ch1);
    EXPECT_EQ(util::le16(p.Bytes(), 220), 0x1234);
    EXPECT_EQ(util::le16(p.Bytes(), 262), 0x20);
}

// --- panel settings -----------------------------------------------------------------------------

class PanelSettings : public ::testing::Test
{
protected:
    PanelSettings()
    {
        // Channel 1 a Modbus PLC (kind 3), channel 2 a bit-15 PLC (kind 2).
        m_slots.BindChannel(1, m_folder.config.plcList(1), plctest::kModbusType, 0,
                            m_folder.config.protocolsDir());
        m_slots.BindChannel(2, m_folder.config.plcList(2), plctest::kLetterNetType, 0,
                            m_folder.config.protocolsDir());
        m_block = CDorvaneDoc::NewProjectParameters(0);
    }

    CCommBasicDlg open()
    {
        return CCommBasicDlg(m_slots, m_prompt, m_folder.config.languages(), m_block);
    }
    void setGroup(int group, const PanelAddrGroup &g)
    {
        CPanelParams p(m_block);
        p.SetAddrGroup(group, g);
        m_block = p.Bytes();
    }

    plctest::ProgramFolder m_folder{"basic"};
    CPlcSlots m_slots;
    RecordingPrompt m_prompt;
    ParamBlock m_block{};
};

TEST_F(PanelSettings, LatchRangeZeroTo999IsAccepted)
{
    CCommBasicDlg dlg = open();
    dlg.latchOn = true;
    dlg.latchStart = 0;
    dlg.latchEnd = 999;
    ASSERT_TRUE(dlg.Ok());
    EXPECT_TRUE(m_prompt.shown.empty());
    const CPanelParams p(dlg.Result());
    EXPECT_TRUE(p.LatchOn());
    EXPECT_EQ(p.LatchStart(), 0);
    EXPECT_EQ(p.LatchEnd(), 999);
}

TEST_F(PanelSettings, LatchOutOfRangeOrReversedIsRefusedAndNothingStored)
{
    CCommBasicDlg dlg = open();
    dlg.initialScreen = 7;
    dlg.latchEnd = 1000;
    EXPECT_FALSE(dlg.Ok());
    ASSERT_EQ(m_prompt.shown, std::vector<int>{50202});
    EXPECT_NE(m_prompt.texts[0].find("0 ~ 999"), std::string::npos) << m_prompt.texts[0];

    dlg.latchStart = 70000; // beyond a 16-bit word as well
    dlg.latchEnd = 5;
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(m_prompt.shown.back(), 50202);

    dlg.latchStart = 10;
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(m_prompt.shown.back(), 50201);
    EXPECT_EQ(dlg.Result(), m_block);
}

TEST_F(PanelSettings, PlainFieldsAndSwitchedOffWaitsAreStored)
{
    util::setLe16(m_block, CPanelParams::kSaverWait, 15);
    util::setLe16(m_block, CPanelParams::kLanguage, 9); // beyond the two languages
    CCommBasicDlg dlg = open();
    EXPECT_TRUE(dlg.saverOn);
    EXPECT_EQ(dlg.saverWait, 15);
    EXPECT_TRUE(dlg.backlightOn); // new project: 20 minutes
    ASSERT_EQ(dlg.Languages().size(), 2u);
    EXPECT_EQ(dlg.LanguageIndex(), 0);

    dlg.saverOn = false;
    dlg.backlightWait = 30;
    dlg.saverScreen = 4;
    dlg.SelectLanguage(1);
    ASSERT_TRUE(dlg.Ok());
    const CPanelParams p(dlg.Result());
    EXPECT_EQ(p.SaverWait(), 0);
    EXPECT_EQ(p.SaverScreen(), 4);
    EXPECT_EQ(p.BacklightWait(), 30);
    EXPECT_EQ(p.Language(), 1);
    // Fields without a control pass through.
    EXPECT_EQ(util::le16(dlg.Result(), 0), kParamSignatureValue);
}

TEST_F(PanelSettings, ChannelRadiosFollowTheDeviceKind)
{
    PanelAddrGroup g;
    g.on = true;
    g.device = 2; // kind 2: not selectable
    g.station = 40; // outside the combo
    util::setFixedText(g.field, 0, 40, "D100");
    setGroup(CPanelParams::kScreenChange, g);

    CCommBasicDlg dlg = open();
    EXPECT_TRUE(dlg.DeviceEnabled(1));
    EXPECT_FALSE(dlg.DeviceEnabled(2));
    EXPECT_EQ(dlg.GroupDevice(CPanelParams::kScreenChange), 0);
    EXPECT_EQ(dlg.GroupStation(CPanelParams::kScreenChange), 0);
    EXPECT_EQ(dlg.GroupText(CPanelParams::kScreenChange), "0");
    EXPECT_FALSE(dlg.ChooseDevice(CPanelParams::kScreenTransfer, 2));
    EXPECT_EQ(dlg.GroupDevice(CPanelParams::kScreenTransfer), 0);
}

TEST_F(PanelSettings, PanelSystemWordIsShownByName)
{
    PanelAddrGroup g;
    util::setFixedText(g.field, 0, 40, "914");
    setGroup(CPanelParams::kScreenChange, g);
    const CCommBasicDlg dlg = open();
    EXPECT_EQ(dlg.GroupText(CPanelParams::kScreenChange), "CUR_SCR");
    EXPECT_EQ(dlg.GroupText(CPanelParams::kScreenTransfer), "0");
}

TEST_F(PanelSettings, PlcAddressIsReadBackAndBuiltOnOk)
{
    const CPlcDrv &modbus = m_slots.slot(1);
    PanelAddrGroup g;
    g.device = 1;
    g.station = 5;
    std::uint16_t bit = 0;
    ASSERT_EQ(modbus.BuildDownAddr(kAddrWord, "4x", "100", bit, g.field), 2);
    setGroup(CPanelParams::kScreenTransfer, g);

    CCommBasicDlg dlg = open();
    std::string area, number;
    modbus.BuildUpAddr(kAddrWord, g.field, area, number, bit);
    EXPECT_EQ(dlg.GroupText(CPanelParams::kScreenTransfer), area + number);
    EXPECT_EQ(dlg.GroupStation(CPanelParams::kScreenTransfer), 5);

    // The transfer writes to the PLC: the address entry offers writable areas only.
    RecordingPrompt entryPrompt;
    auto entry = dlg.OpenAddressEntry(CPanelParams::kScreenTransfer, entryPrompt);
    EXPECT_EQ(entry->Areas(), std::vector<std::string>{"4x"});
    entry->SetNumberText("250");
    ASSERT_TRUE(entry->Ok());
    dlg.AcceptAddress(CPanelParams::kScreenTransfer, *entry);
    dlg.SetGroupOn(CPanelParams::kScreenTransfer, true);
    ASSERT_TRUE(dlg.Ok());

    DownAddr expected{};
    modbus.BuildDownAddr(kAddrWord, "4x", "250", bit, expected);
    const PanelAddrGroup stored
            = CPanelParams(dlg.Result()).AddrGroup(CPanelParams::kScreenTransfer);
    EXPECT_TRUE(stored.on);
    EXPECT_EQ(stored.device, 1);
    EXPECT_EQ(stored.field, expected);
}

TEST_F(PanelSettings, NewDeviceStartsFromItsDefaultAndPanelNumbersStayText)
{
    CCommBasicDlg dlg = open();
    ASSERT_TRUE(dlg.ChooseDevice(CPanelParams::kScreenChange, 1));
    EXPECT_EQ(dlg.GroupText(CPanelParams::kScreenChange), "4x1"); // the Modbus default word

    ASSERT_TRUE(dlg.ChooseDevice(CPanelParams::kScreenChange, 0));
    RecordingPrompt entryPrompt;
    auto entry = dlg.OpenAddressEntry(CPanelParams::kScreenChange, entryPrompt);
    entry->SelectSystem(10); // HMI_TYPE, 910
    ASSERT_TRUE(entry->Ok());
    dlg.AcceptAddress(CPanelParams::kScreenChange, *entry);
    EXPECT_EQ(dlg.GroupText(CPanelParams::kScreenChange), "HMI_TYPE");
    dlg.SetGroupOn(CPanelParams::kScreenChange, true);
    ASSERT_TRUE(dlg.Ok());
    const PanelAddrGroup stored = CPanelParams(dlg.Result()).AddrGroup(CPanelParams::kScreenChange);
    EXPECT_EQ(util::fixedText(stored.field, 0, 40), "910");
    EXPECT_EQ(stored.device, 0);
}

// --- channel settings ---------------------------------------------------------------------------

CChannelParams channel(std::uint16_t config, std::uint16_t own, std::uint16_t type = 1)
{
    CChannelParams p = CChannelParams::NewProject(1);
    p.SetPlcType(type);
    p.SetConfiguration(config);
    p.SetOwnStation(own);
    return p;
}

TEST(ChannelSettings, OwnStationBoxCannotBeUncheckedInNToM)
{
    RecordingPrompt prompt;
    CCommParaDlg dlg(prompt, channel(CChannelParams::k1To1, 3), true);
    EXPECT_FALSE(dlg.StationBoxesEnabled());
    dlg.SetConfiguration(CChannelParams::kNToM);
    EXPECT_TRUE(dlg.StationBoxesEnabled());
    EXPECT_TRUE(dlg.StationChecked(3));

    EXPECT_FALSE(dlg.SetStationChecked(3, false));
    EXPECT_EQ(prompt.shown, std::vector<int>{52102});
    EXPECT_TRUE(dlg.StationChecked(3));
    EXPECT_TRUE(dlg.SetStationChecked(8, true));
    EXPECT_TRUE(dlg.SetStationChecked(8, false));

    // Clearing "모두선택" keeps the own station as well.
    dlg.SetSelectAll(true);
    EXPECT_EQ(dlg.CheckedCount(), 32);
    dlg.SetSelectAll(false);
    EXPECT_EQ(dlg.CheckedCount(), 1);
    EXPECT_TRUE(dlg.StationChecked(3));
}

TEST(ChannelSettings, OwnStationMovesItsCheckAndOneToOneClearsTheList)
{
    RecordingPrompt prompt;
    CCommParaDlg dlg(prompt, channel(CChannelParams::kNTo1, 3), true);
    dlg.SetConfiguration(CChannelParams::kNTo1);
    dlg.SetStationChecked(20, true);
    dlg.SetOwnStation(6);
    EXPECT_FALSE(dlg.StationChecked(3));
    EXPECT_TRUE(dlg.StationChecked(6));
    EXPECT_TRUE(dlg.StationChecked(20));

    dlg.SetSelectAll(true);
    dlg.SetConfiguration(CChannelParams::k1ToN);
    EXPECT_FALSE(dlg.SelectAll());
    EXPECT_EQ(dlg.CheckedCount(), 0);
    EXPECT_FALSE(dlg.SetStationChecked(4, true)); // disabled boxes
}

TEST(ChannelSettings, OkRebuildsTheRecord)
{
    RecordingPrompt prompt;
    CChannelParams start = channel(CChannelParams::k1To1, 0);
    start.SetRemoteStation(12);
    CCommParaDlg dlg(prompt, start, true);
    EXPECT_TRUE(dlg.RemoteVisible());
    dlg.SetConfiguration(CChannelParams::kNToM);
    EXPECT_FALSE(dlg.RemoteVisible());
    dlg.SetOwnStation(9);
    dlg.SetStationChecked(30, true);
    dlg.SetStationChecked(2, true);
    dlg.SetBaud(7);
    dlg.SetParity(1);
    dlg.SetDataBits(1);
    dlg.SetStopBits(1);
    dlg.SetTimeout(65535);

    const CChannelParams r = dlg.Result();
    const ChannelParams &b = r.Bytes();
    EXPECT_EQ(util::le16(b, 0), 1); // the PLC type is not the dialog's
    EXPECT_EQ(util::le16(b, 2), 9);
    EXPECT_EQ(util::le16(b, 4), 1);
    EXPECT_EQ(util::le16(b, 6), 1);
    EXPECT_EQ(util::le16(b, 8), 1);
    EXPECT_EQ(util::le16(b, 10), 65535);
    EXPECT_EQ(util::le16(b, 12), 7);
    EXPECT_EQ(util::le16(b, 14), 3);
    EXPECT_EQ(util::le16(b, 16), 3);
    EXPECT_EQ(b[18], 2);
    EXPECT_EQ(b[19], 9);
    EXPECT_EQ(b[20], 30);
    EXPECT_EQ(util::le16(b, 50), 0); // no remote station in N:M
}

TEST(ChannelSettings, FixedLinkHidesControlsAndLabelsFollowTheFlag)
{
    RecordingPrompt prompt;
    const CCommParaDlg fixed(prompt, channel(0, 0, 0x8020), true);
    EXPECT_FALSE(fixed.TimeoutVisible());
    EXPECT_FALSE(fixed.RemoteVisible());
    EXPECT_FALSE(fixed.ConfigVisible());
    EXPECT_EQ(fixed.RemoteLabel(), "슬레이브 번호:");

    const CCommParaDlg plain(prompt, channel(0, 0), false);
    EXPECT_TRUE(plain.TimeoutVisible());
    EXPECT_TRUE(plain.RemoteVisible());
    EXPECT_FALSE(plain.ConfigVisible());
    EXPECT_EQ(plain.RemoteLabel(), "상대국 번호:");
    EXPECT_TRUE(CCommParaDlg(prompt, channel(0, 0), true).ConfigVisible());
}

TEST(ChannelSettings, CounterShowsTwoDigitsUntilChanged)
{
    RecordingPrompt prompt;
    CChannelParams start = channel(CChannelParams::kNToM, 1);
    start.SetMasters({1, 4, 6});
    CCommParaDlg dlg(prompt, start, true);
    EXPECT_EQ(dlg.CounterText(), "03");
    dlg.SetStationChecked(4, false);
    EXPECT_EQ(dlg.CounterText(), "2");
}

TEST(ChannelSettings, StationFileRoundTripAndForeignNumbers)
{
    plctest::ProgramFolder folder("stations");
    RecordingPrompt prompt;
    CCommParaDlg dlg(prompt, channel(CChannelParams::kNToM, 3), true);
    dlg.SetConfiguration(CChannelParams::kNToM);
    dlg.SetStationChecked(0, true);
    dlg.SetStationChecked(17, true);
    ASSERT_TRUE(dlg.SaveStations(folder.path("m.ini")));
    EXPECT_NE(folder.read("m.ini").find("StationList=0,3,17"), std::string::npos)
            << folder.read("m.ini");

    // A hand-written list: 40 is no station, the own station comes back.
    folder.write("hand.ini", "[MasterStation]\nStationList=1,5,40,-2,x\n");
    ASSERT_TRUE(dlg.LoadStations(folder.path("hand.ini")));
    std::vector<int> checked;
    for (std::size_t s = 0; s < 32; ++s)
        if (dlg.StationChecked(s))
            checked.push_back(int(s));
    EXPECT_EQ(checked, (std::vector<int>{1, 3, 5}));

    EXPECT_FALSE(dlg.LoadStations(folder.path("missing.ini")));
    EXPECT_TRUE(dlg.StationChecked(5)); // a failed load changes nothing
    EXPECT_EQ(prompt.last(), util::msg::kCannotOpenFile);
    // Some other INI file is no list: said, and nothing changes.
    folder.write("other.ini", "[comm_setup]\nPort=1\n");
    EXPECT_FALSE(dlg.LoadStations(folder.path("other.ini")));
    EXPECT_EQ(prompt.last(), util::msg::kNotStationList);
    EXPECT_TRUE(dlg.StationChecked(5));
}

} // namespace
