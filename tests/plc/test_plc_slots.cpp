// Driver slots: binding to catalogue entries, the device kind, and the substitutes a slot uses
// when its plugin lacks an entry point (checked with test plugins that export only a few).

#include "core/plc/plc_slots.h"
#include "plc_test_support.h"
#include "util/messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace core;
using namespace plctest;

namespace {

CPlcInfo entry(const std::string &name, std::uint16_t type, const std::string &dll,
               const std::string &panelDriver)
{
    CPlcInfo info;
    info.flag = (type & 0x8000) ? 1 : 0;
    info.driverDll = dll;
    info.panelDriver = panelDriver;
    info.wiringDiagram = name + ".bmp";
    info.name = name;
    info.type = type;
    return info;
}

PlcCatalogue catalogue()
{
    return {entry("MODBUS RTU", 0x0001, kModbusPlugin, "velmar_modbus.drv"),
            entry("LX LETTER PLC", 0x0020, kLetterPlugin, "velmar_letterplc.drv"),
            entry("LX NET", 0x8020, kLetterPlugin, "velmar_letterplc.drv"),
            entry("MODBUS RTU", 0x0002, "libsecond.so", "second.drv"),
            entry("GONE", 0x0030, "libvelmar_not_installed.so", "gone.drv")};
}

} // namespace

TEST(PlcCatalogue, LookupsTakeTheFirstMatch)
{
    const PlcCatalogue list = catalogue();
    ASSERT_NE(findPlcByName(list, "MODBUS RTU"), nullptr);
    EXPECT_EQ(findPlcByName(list, "MODBUS RTU")->type, 0x0001);
    EXPECT_EQ(findPlcByType(list, 0x8020)->name, "LX NET");
    EXPECT_EQ(findPlcByName(list, "modbus rtu"), nullptr);
    EXPECT_EQ(findPlcByType(list, 0x0042), nullptr);
    EXPECT_EQ(findPlcByType({}, 0x0001), nullptr);
}

TEST(PlcSlots, DeviceKindFollowsTheSlotAndType)
{
    CPlcSlots slots;
    EXPECT_EQ(slots.slot(0).DeviceKind(), kDevicePanel);
    EXPECT_EQ(slots.slot(1).DeviceKind(), kDeviceNone);
    EXPECT_EQ(slots.slot(2).SlotIndex(), 2);
    EXPECT_EQ(&slots.slot(7), &slots.slot(0));
    EXPECT_EQ(&slots.slot(-1), &slots.slot(0));

    CPlcDrv &drv = slots.slot(1);
    drv.SetType(0x0001);
    EXPECT_EQ(drv.DeviceKind(), kDevicePlc);
    drv.SetType(0x8000);
    EXPECT_EQ(drv.DeviceKind(), kDeviceKind2);
    drv.SetType(0xFFFF);
    EXPECT_EQ(drv.DeviceKind(), kDeviceKind2);
    drv.SetType(0);
    EXPECT_EQ(drv.DeviceKind(), kDeviceNone);
}

TEST(PlcSlots, BindingLoadsTheCataloguePlugin)
{
    CPlcSlots slots;
    const PlcCatalogue list = catalogue();
    ASSERT_TRUE(slots.BindChannel(1, list, 0x0001, 5, kProtocols));
    const CPlcDrv &ch1 = slots.slot(1);
    EXPECT_TRUE(ch1.HasModule());
    EXPECT_EQ(ch1.Type(), 0x0001);
    EXPECT_EQ(ch1.DeviceKind(), kDevicePlc);
    EXPECT_EQ(ch1.Station(), 5);
    EXPECT_EQ(ch1.PanelDriver(), "velmar_modbus.drv");
    EXPECT_EQ(ch1.GetTransSize(), 120);

    // Bit 15 of the type: device kind 2, with the plugin of its entry.
    ASSERT_TRUE(slots.BindChannel(2, list, 0x8020, 3, kProtocols));
    EXPECT_TRUE(slots.slot(2).HasModule());
    EXPECT_EQ(slots.slot(2).DeviceKind(), kDeviceKind2);
    EXPECT_EQ(slots.slot(2).GetTransSize(), 64);

    EXPECT_FALSE(slots.BindChannel(0, list, 0x0001, 0, kProtocols));
    EXPECT_FALSE(slots.BindChannel(3, list, 0x0001, 0, kProtocols));
    EXPECT_EQ(slots.slot(0).DeviceKind(), kDevicePanel);
}

TEST(PlcSlots, TypeWithoutCatalogueEntryLeavesTheSlotUnloaded)
{
    CPlcSlots slots;
    const PlcCatalogue list = catalogue();
    ASSERT_TRUE(slots.BindChannel(2, list, 0x0020, 4, kProtocols));
    ASSERT_TRUE(slots.slot(2).HasModule());

    ASSERT_TRUE(slots.BindChannel(2, list, 0x0042, 9, kProtocols));
    const CPlcDrv &ch2 = slots.slot(2);
    EXPECT_FALSE(ch2.HasModule());
    EXPECT_EQ(ch2.Type(), 0);
    EXPECT_EQ(ch2.DeviceKind(), kDeviceNone);
    EXPECT_EQ(ch2.PanelDriver(), "");
    EXPECT_EQ(ch2.GetTransSize(), 1);
}

TEST(PlcSlots, DriverThatCannotBeLoadedFallsBackToBuiltInRules)
{
    CPlcSlots slots;
    ASSERT_TRUE(slots.BindChannel(1, catalogue(), 0x0030, 0, kProtocols));
    const CPlcDrv &ch1 = slots.slot(1);
    EXPECT_FALSE(ch1.HasModule());
    EXPECT_EQ(ch1.DeviceKind(), kDevicePlc);
    EXPECT_EQ(ch1.PanelDriver(), "gone.drv");
    std::string number = "999";
    EXPECT_EQ(ch1.ValidCheck(kAddrWord, "4x", number), 0);
    number = "1000";
    EXPECT_EQ(ch1.ValidCheck(kAddrWord, "4x", number), -1);
}

TEST(PlcSlots, OnlyPlainFileNamesFromTheProtocolsFolderAreLoaded)
{
    CPlcDrv drv(1);
    EXPECT_FALSE(drv.LoadDriver(kProtocols, std::string("../Protocols/") + kModbusPlugin));
    EXPECT_FALSE(drv.LoadDriver(kProtocols, kProtocols + "/" + kModbusPlugin));
    EXPECT_FALSE(drv.LoadDriver(kProtocols, std::string("..\\") + kModbusPlugin));
    EXPECT_FALSE(drv.LoadDriver(kProtocols, ""));
    EXPECT_FALSE(drv.HasModule());
    EXPECT_TRUE(drv.LoadDriver(kProtocols, kModbusPlugin));
    // A failed load of another driver frees the one held before.
    EXPECT_FALSE(drv.LoadDriver(kProtocols, "libvelmar_not_installed.so"));
    EXPECT_FALSE(drv.HasModule());
}

TEST(PlcSlots, UnloadClearsTheBinding)
{
    CPlcSlots slots;
    ASSERT_TRUE(slots.BindChannel(1, catalogue(), 0x0001, 2, kProtocols));
    slots.slot(1).Unload();
    EXPECT_FALSE(slots.slot(1).HasModule());
    EXPECT_EQ(slots.slot(1).Type(), 0);
    EXPECT_EQ(slots.slot(1).DeviceKind(), kDeviceNone);
    EXPECT_EQ(slots.slot(1).PanelDriver(), "");
}

// The partial plugin exports GetTypeAreaList and BuildDownAddr1 only.
TEST(PluginMissingExports, EachMissingEntryPointTakesItsSubstitute)
{
    CPlcDrv drv(1);
    ASSERT_TRUE(drv.LoadDriver(kTestPlugins, "libvelmar_test_partial.so"));
    drv.SetType(0x0001);

    std::vector<std::string> areas;
    EXPECT_EQ(drv.GetTypeAreaList(kAddrWord, areas), 2);
    EXPECT_EQ(areas, (std::vector<std::string>{"P", "Q"}));

    std::uint32_t readOnly = 0;
    EXPECT_EQ(drv.GetAreaReadOnly(kAddrWord, "P", readOnly), 0);

    std::string number = "not an address";
    EXPECT_EQ(drv.ValidCheck(kAddrWord, "P", number), 0);
    EXPECT_EQ(number, "not an address");

    std::string area = "stale";
    number = "stale";
    EXPECT_EQ(drv.GetDefaultAddr(kAddrWord, 0, area, number), 0);
    EXPECT_EQ(area, "");
    EXPECT_EQ(number, "");

    // BuildDownAddr is missing: BuildDownAddr1 is called with the extra value 0.
    DownAddr out;
    out.fill(0xEE);
    std::uint16_t bit = 0;
    EXPECT_EQ(drv.BuildDownAddr(kAddrWord, "P", "100", bit, out), 5);
    EXPECT_EQ(out, textField("2|P|100|0"));
    EXPECT_EQ(bit, 7);
    EXPECT_EQ(drv.BuildDownAddr1(kAddrBit, "Q", "7", bit, out, 4711), 5);
    EXPECT_EQ(out, textField("1|Q|7|4711"));

    number = "kept";
    EXPECT_EQ(drv.BuildUpAddr(kAddrWord, out, area, number, bit), 0);
    EXPECT_EQ(drv.GetTransSize(), 1);

    const PlcCommSetting comm = GetCommSetting(kTestPlugins, "libvelmar_test_partial.so");
    EXPECT_TRUE(comm.editable);
    EXPECT_EQ(comm.baudIndex, 5);
    EXPECT_EQ(comm.dataBits, 0);
    EXPECT_EQ(comm.stopBits, 0);
    EXPECT_EQ(comm.parity, 0);
}

// The single-export plugin has GetTransSize only, so both download builders are missing.
TEST(PluginMissingExports, BothDownloadBuildersMissingGiveAZeroedField)
{
    CPlcDrv drv(2);
    ASSERT_TRUE(drv.LoadDriver(kTestPlugins, "libvelmar_test_single.so"));
    EXPECT_EQ(drv.GetTransSize(), 33);
    DownAddr out;
    out.fill(0xEE);
    std::uint16_t bit = 0;
    EXPECT_EQ(drv.BuildDownAddr(kAddrWord, "D", "1", bit, out), 0);
    EXPECT_EQ(out, DownAddr{});
    out.fill(0xEE);
    EXPECT_EQ(drv.BuildDownAddr1(kAddrWord, "D", "1", bit, out, 9), 0);
    EXPECT_EQ(out, DownAddr{});
    std::vector<std::string> areas{"stale"};
    EXPECT_EQ(drv.GetTypeAreaList(kAddrBit, areas), 0);
    EXPECT_TRUE(areas.empty());
}

TEST(PluginMissingExports, CommSettingOfADriverThatCannotBeLoadedIsEditable)
{
    const PlcCommSetting comm = GetCommSetting(kProtocols, "libvelmar_not_installed.so");
    EXPECT_TRUE(comm.editable);
    EXPECT_EQ(comm.baudIndex, 5);
}

// A text a plugin's 40-byte buffer cannot hold is refused, never passed on cut short.
TEST(PluginMissingExports, OverlongTextsNeverReachAPlugin)
{
    CPlcDrv drv(1);
    ASSERT_TRUE(drv.LoadDriver(kProtocols, kModbusPlugin));
    std::string number = std::string(39, '0') + "1";
    EXPECT_EQ(drv.ValidCheck(kAddrWord, "4x", number), -1);
    DownAddr out;
    std::uint16_t bit = 0;
    EXPECT_EQ(drv.BuildDownAddr(kAddrWord, "4x", number, bit, out), -1);
    EXPECT_EQ(out, DownAddr{});
    number = std::string(38, '0') + "1";
    EXPECT_EQ(drv.ValidCheck(kAddrWord, "4x", number), 0);
    EXPECT_EQ(number, "1");
}

// The loader maps a driver file; one cut short used to kill the whole program with SIGBUS when
// the loader touched a page past its end. Such files are refused before they are mapped, and a
// slot bound to one is left without a module, saying why.
TEST(PlcSlots, DamagedDriverFilesAreRefusedBeforeTheyAreMapped)
{
    namespace fs = std::filesystem;
    const fs::path dir
            = fs::temp_directory_path() / ("dorvane_drivers_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path whole = fs::path(kProtocols) / kModbusPlugin;
    const auto size = fs::file_size(whole);
    std::string bytes(size, '\0');
    std::ifstream(whole, std::ios::binary).read(bytes.data(), std::streamsize(size));
    const auto put = [&](const std::string &name, const std::string &content) {
        std::ofstream(dir / name, std::ios::binary) << content;
    };
    put("libwhole.so", bytes);
    put("libhalf.so", bytes.substr(0, size / 2));
    put("libnearly.so", bytes.substr(0, size - 100));
    put("libheader.so", bytes.substr(0, 64));
    put("libtext.so", "this is no library\n");
    put("libempty.so", "");

    util::setMessageLanguage(util::kResEnglish);
    EXPECT_FALSE(CheckDriverFile((dir / "libwhole.so").string()));
    const struct
    {
        const char *file;
        const char *why;
    } rows[] = {{"libhalf.so", "cut short"},   {"libnearly.so", "cut short"},
                {"libheader.so", "cut short"}, {"libtext.so", "no library"},
                {"libempty.so", "no library"}, {"libmissing.so", "missing"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.file);
        const DriverFileFault fault = CheckDriverFile((dir / row.file).string());
        EXPECT_NE(fault.text().find(row.why), std::string::npos) << fault.text();
        CPlcSlots slots;
        const PlcCatalogue list{entry("DAMAGED", 0x0001, row.file, "damaged.drv")};
        ASSERT_TRUE(slots.BindChannel(1, list, 0x0001, 0, dir.string()));
        EXPECT_FALSE(slots.slot(1).HasModule());
        EXPECT_NE(slots.slot(1).LoadError().find(row.why), std::string::npos);
        EXPECT_EQ(slots.slot(1).DeviceKind(), kDevicePlc); // still typed, as for a missing file
    }
    CPlcDrv drv(1);
    EXPECT_TRUE(drv.LoadDriver(dir.string(), "libwhole.so")) << drv.LoadError();
    EXPECT_EQ(drv.LoadError(), "");
    util::setMessageLanguage(0x412);
    fs::remove_all(dir);
}
