// The download/upload dialog's logic: groups and "select all" per direction, the menu group's
// language, the port and speed handed to the link, and OK storing only the port, once a transfer
// has opened it.

#include "comm/fake_ui.h"
#include "params_test_support.h"

#include "core/app/app_services.h"
#include "core/comm/comm_thread.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/down_dlg.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

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

// A port that cannot be opened never replaces the stored one, even when the dialog that chose it
// is left; a port that opened is stored whether or not a panel answered on it; a transfer whose
// port no dialog chose (the command line's) stores nothing.
TEST(DownDialog, ThePortIsStoredOnlyOnceATransferOpenedIt)
{
    plctest::ProgramFolder folder("downdlg4", "[comm_setup]\nPort=2\n");
    core::CAppServices app;
    app.Load(std::filesystem::path(folder.path("APP.INI")).parent_path().string(), 0x412);
    core::CAppConfig &config = app.Config();
    CDownDlg dlg(CDownDlg::Mode::Upload, config.commSetup(), false, "");
    dlg.Port().SelectPort(4);
    dlg.OfferPort(config);
    EXPECT_EQ(config.commSetup().port, 2);

    comm::CCommThread link;
    link.SetPortSetting(dlg.PortSetting());
    link.SetReceiveTimeout(100);
    link.SetDevicePath("/nonexistent/tty");
    testsupport::FakeUi ui;
    core::CProjectTransfer transfer(app, link, ui);
    std::unique_ptr<core::CDorvaneDoc> created;
    EXPECT_EQ(transfer.Upload(nullptr, {true, true, false}, created), core::TransferOutcome::Stay);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_NE(ui.messages[0].find("/nonexistent/tty"), std::string::npos);
    EXPECT_EQ(config.commSetup().port, 2);
    EXPECT_NE(folder.read("APP.INI").find("Port=2"), std::string::npos);

    // A pseudo-terminal opens; nothing answers on it.
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ::grantpt(master);
    ::unlockpt(master);
    link.SetDevicePath(::ptsname(master));
    EXPECT_EQ(transfer.Upload(nullptr, {true, true, false}, created), core::TransferOutcome::Stay);
    EXPECT_EQ(config.commSetup().port, 5);
    EXPECT_NE(folder.read("APP.INI").find("Port=5"), std::string::npos);
    EXPECT_EQ(config.pendingCommPort(), 0);

    comm::PORT_SETTING other = link.GetPortSetting();
    other.port = 7;
    link.SetPortSetting(other);
    transfer.Upload(nullptr, {true, true, false}, created);
    EXPECT_EQ(config.commSetup().port, 5);
    ::close(master);
}

} // namespace
