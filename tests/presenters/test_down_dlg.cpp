// The download/upload dialog's logic: groups and "select all" per direction, the menu group's
// language, the port and speed handed to the link, and OK storing only the port.

#include "params_test_support.h"

#include "core/presenters/down_dlg.h"

#include <gtest/gtest.h>

namespace {

using core::CDownDlg;

TEST(DownDialog, SelectAllFollowsTheGroupsOfEachDirection)
{
    plctest::ProgramFolder folder("downdlg", "[comm_setup]\nPort=2\nBaudRate=9600\nStopBit=1\n");
    CDownDlg down(CDownDlg::Mode::Download, folder.config.commSetup(), true, "한국어");
    EXPECT_EQ(down.Title(), "다운로드...");
    EXPECT_EQ(down.MenuText(), "메뉴 ( 한국어 )");
    EXPECT_TRUE(down.AllChecked());
    down.SetChecked(CDownDlg::Menu, false);
    EXPECT_FALSE(down.AllChecked());
    down.SelectAll(false);
    EXPECT_FALSE(down.Groups().screens || down.Groups().parameters || down.Groups().menu);
    down.SelectAll(true);
    EXPECT_TRUE(down.Groups().screens && down.Groups().parameters && down.Groups().menu);

    // An upload offers no menu group: "select all" is complete without it.
    CDownDlg up(CDownDlg::Mode::Upload, folder.config.commSetup(), false, "");
    EXPECT_EQ(up.Title(), "업로드...");
    EXPECT_FALSE(up.MenuOffered());
    up.SelectAll(true);
    EXPECT_TRUE(up.AllChecked());
    EXPECT_FALSE(up.Groups().menu);
}

TEST(DownDialog, OkStoresThePortAndTheLinkGetsPortSpeedAndStoredFormat)
{
    plctest::ProgramFolder folder("downdlg2", "[comm_setup]\nPort=2\nBaudRate=9600\nStopBit=1\n");
    CDownDlg dlg(CDownDlg::Mode::Download, folder.config.commSetup(), true, "");
    EXPECT_EQ(dlg.Port().PortIndex(), 1);
    EXPECT_EQ(dlg.Port().SpeedIndex(), 0);
    dlg.Port().SelectPort(5);
    dlg.Port().SelectSpeed(1);
    const auto link = dlg.PortSetting();
    EXPECT_EQ(link.port, 6u);
    EXPECT_EQ(link.baud, 38400u);
    EXPECT_EQ(link.stopBits, 1);
    ASSERT_TRUE(dlg.Ok(folder.config));
    EXPECT_EQ(folder.config.commSetup().port, 6);
    // The speed chosen for a transfer is not the stored one.
    EXPECT_EQ(folder.config.commSetup().baudRate, 9600);
    const std::string ini = folder.read("APP.INI");
    EXPECT_NE(ini.find("Port=6"), std::string::npos) << ini;
    EXPECT_NE(ini.find("BaudRate=9600"), std::string::npos) << ini;
}

TEST(DownDialog, PortSlotsMapToDeviceFiles)
{
    plctest::ProgramFolder folder("downdlg3", "[comm_setup]\nPort=1\n");
    EXPECT_EQ(folder.config.commPortDevice(3), "/dev/ttyUSB2");
    ASSERT_TRUE(folder.config.setCommPortDevice(3, "/dev/pts/9"));
    EXPECT_EQ(folder.config.commPortDevice(3), "/dev/pts/9");
    EXPECT_EQ(folder.config.commPortDevice(4), "/dev/ttyUSB3");
}

} // namespace
