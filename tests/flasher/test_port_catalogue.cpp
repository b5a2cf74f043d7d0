// The port catalogue over a made-up /dev and /sys: by-id links first, kernel names after them,
// descriptions from the USB device above each tty, and ttyS nodes without a UART left out.

#include "port_catalogue.h"
#include "sim_process.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using ports::CPortCatalogue;
using ports::PortEntry;

namespace {

namespace fs = std::filesystem;

class PortCatalogueTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dev = m_temp.path() + "/dev";
        m_sys = m_temp.path() + "/sys";
        fs::create_directories(m_dev);
        fs::create_directories(m_sys + "/class/tty");
    }

    void node(const std::string &name) { write(m_dev + "/" + name, ""); }
    static void write(const std::string &path, const std::string &text)
    {
        fs::create_directories(fs::path(path).parent_path());
        writeFileBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
    }
    // sysfs as the kernel lays it out: class/tty/<name> links into devices/, and the tty's
    // "device" link points at the port (usb-serial) or the interface (CDC-ACM).
    void ttyUnder(const std::string &name, const std::string &deviceDir)
    {
        const std::string ttyDir = m_sys + "/devices/" + deviceDir + "/tty/" + name;
        fs::create_directories(ttyDir);
        fs::create_symlink("../../devices/" + deviceDir + "/tty/" + name,
                           m_sys + "/class/tty/" + name);
        fs::create_directory_symlink("../..", ttyDir + "/device");
    }
    void usbDevice(const std::string &dir, const std::string &maker, const std::string &product,
                   const std::string &serial, const std::string &ids = "0403:6001")
    {
        const std::string base = m_sys + "/devices/" + dir;
        write(base + "/idVendor", ids.substr(0, 4) + "\n");
        write(base + "/idProduct", ids.substr(5) + "\n");
        if (!maker.empty())
            write(base + "/manufacturer", maker + "\n");
        if (!product.empty())
            write(base + "/product", product + "\n");
        if (!serial.empty())
            write(base + "/serial", serial + "\n");
    }

    static std::vector<std::string> paths(const std::vector<PortEntry> &entries)
    {
        std::vector<std::string> out;
        for (const auto &e : entries)
            out.push_back(e.path);
        return out;
    }

    CTempFolder m_temp{"quillet-ports-"};
    std::string m_dev, m_sys;
};

} // namespace

TEST_F(PortCatalogueTest, StableNamesFirstThenKernelNamesInNumberOrder)
{
    for (const char *name : {"ttyUSB10", "ttyUSB2", "ttyACM0", "ttyS1", "ttyUSB0", "tty1",
                             "ttyUSBx", "console", "ttyS0"})
        node(name);
    fs::create_directories(m_dev + "/serial/by-id");
    fs::create_symlink("../../ttyUSB0", m_dev + "/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0");
    // A link left behind by an adapter that has gone is not offered.
    fs::create_symlink("../../ttyUSB7", m_dev + "/serial/by-id/usb-gone-if00-port0");
    // ttyS0 has a UART, ttyS1 is a node the kernel made for an empty address.
    ttyUnder("ttyS0", "platform/serial8250/tty/ttyS0x");
    write(m_sys + "/class/tty/ttyS0/type", "4\n");
    ttyUnder("ttyS1", "platform/serial8250/tty/ttyS1x");
    write(m_sys + "/class/tty/ttyS1/type", "0\n");

    const auto entries = CPortCatalogue(m_dev, m_sys).list();
    EXPECT_EQ(paths(entries),
              (std::vector<std::string>{m_dev + "/serial/by-id/usb-FTDI_FT232R_A1B2-if00-port0",
                                        m_dev + "/ttyUSB2", m_dev + "/ttyUSB10", m_dev + "/ttyACM0",
                                        m_dev + "/ttyS0"}));
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0].kernelName, "ttyUSB0"); // the stable name stands for its node
}

TEST_F(PortCatalogueTest, DescriptionsComeFromTheUsbDeviceAboveTheTty)
{
    node("ttyUSB0");
    node("ttyACM0");
    node("ttyACM1");
    node("ttyS0");
    // usb-serial: tty -> port ttyUSB0 -> interface 1-1:1.0 -> device 1-1.
    usbDevice("usb1/1-1", "FTDI", "FT232R USB UART", "A1B2C3");
    ttyUnder("ttyUSB0", "usb1/1-1/1-1:1.0/ttyUSB0");
    // CDC-ACM: tty -> interface 1-2:1.0 -> device 1-2, which has no serial number.
    usbDevice("usb1/1-2", "", "Velmar Link", "");
    ttyUnder("ttyACM0", "usb1/1-2/1-2:1.0");
    // An adapter without strings is named by its ids, not by the hub it hangs on.
    usbDevice("usb1", "Linux", "xHCI Host Controller", "0000:00:14.0", "1d6b:0002");
    usbDevice("usb1/1-3", "", "", "", "1a86:7523");
    ttyUnder("ttyACM1", "usb1/1-3/1-3:1.0");
    // ttyS0 sits on no USB device; ttyS2 has no sysfs entry at all.
    ttyUnder("ttyS0", "platform/serial8250");
    node("ttyS2");

    const auto entries = CPortCatalogue(m_dev, m_sys).list();
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].path, m_dev + "/ttyUSB0");
    EXPECT_EQ(entries[0].description, "FTDI FT232R USB UART, S/N A1B2C3");
    EXPECT_EQ(entries[1].path, m_dev + "/ttyACM0");
    EXPECT_EQ(entries[1].description, "Velmar Link");
    EXPECT_EQ(entries[2].path, m_dev + "/ttyACM1");
    EXPECT_EQ(entries[2].description, "USB 1a86:7523");
    EXPECT_EQ(entries[3].path, m_dev + "/ttyS0");
    EXPECT_EQ(entries[3].description, "");
    EXPECT_EQ(entries[4].path, m_dev + "/ttyS2");
    EXPECT_EQ(entries[4].description, "");
}

TEST_F(PortCatalogueTest, NoSerialDevicesGiveAnEmptyList)
{
    node("tty0");
    EXPECT_TRUE(CPortCatalogue(m_dev, m_sys).list().empty());
    EXPECT_TRUE(CPortCatalogue(m_temp.path() + "/none", m_temp.path() + "/none").list().empty());
}
