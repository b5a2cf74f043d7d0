// Quillet.ini: defaults, what is read and written, device changes, ports and the file dialog.

#include "flash_settings.h"
#include "sim_process.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

using quillet::CFlashSettings;

namespace {

class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override { m_dir = m_temp.path(); }
    void writeIni(const std::string &text)
    {
        writeFileBytes(m_dir + "/Quillet.ini",
                       std::vector<unsigned char>(text.begin(), text.end()));
    }
    std::string ini() const { return readFileText(m_dir + "/Quillet.ini"); }

    CTempFolder m_temp{"quillet-ini-"};
    std::string m_dir;
};

} // namespace

TEST_F(SettingsTest, MissingFileGivesTheDefaults)
{
    CFlashSettings settings(m_dir);
    settings.load();
    EXPECT_EQ(settings.portIndex(), 0);
    EXPECT_EQ(settings.deviceIndex(), 0);
    EXPECT_EQ(settings.bootPath(), m_dir + "/3062af3.sub");
    EXPECT_EQ(settings.osPath(), m_dir + "/Pellidor.mot");
}

TEST_F(SettingsTest, StoredValuesAreShown)
{
    writeIni("[CONFIG]\r\nComport=8\r\nProductType=BR12/OS7U\r\nOSFile=C:\\os\\new.mot\r\n"
             "[BR12/OS7U]\r\nBootFile=boot\\br12.sub\r\n");
    CFlashSettings settings(m_dir);
    settings.load();
    EXPECT_EQ(settings.portIndex(), 7);
    EXPECT_EQ(settings.deviceIndex(), 2);
    EXPECT_EQ(settings.bootPath(), m_dir + "/boot/br12.sub");
    EXPECT_EQ(settings.osPath(), "C:/os/new.mot");
}

TEST_F(SettingsTest, UnknownProductTypeSelectsFirstDeviceButReadsItsOwnSection)
{
    writeIni("[CONFIG]\r\nProductType=Old Panel\r\n[Old Panel]\r\nBootFile=old.sub\r\n"
             "[Velmar Panel]\r\nBootFile=velmar.sub\r\n");
    CFlashSettings settings(m_dir);
    settings.load();
    EXPECT_EQ(settings.deviceIndex(), 0);
    EXPECT_EQ(settings.bootPath(), m_dir + "/old.sub");
}

TEST_F(SettingsTest, ChangingTheDeviceReadsItsBootFileDefaultEmpty)
{
    writeIni("[BR12(E)]\r\nBootFile=br12e.sub\r\n");
    CFlashSettings settings(m_dir);
    settings.load();
    settings.selectDevice(3);
    EXPECT_EQ(settings.bootPath(), m_dir + "/br12e.sub");
    settings.selectDevice(1);
    EXPECT_EQ(settings.bootPath(), m_dir + "/"); // the bare program folder
}

TEST_F(SettingsTest, SavingWritesConfigKeysAndNeverBootFile)
{
    writeIni("; Quillet settings\r\n[CONFIG]\r\nComport=8\r\nOther=keep\r\n"
             "[Velmar Panel]\r\nBootFile=3062af3.sub\r\n");
    CFlashSettings settings(m_dir);
    settings.load();
    settings.setPortIndex(0);
    settings.selectDevice(2);
    settings.setOsPath(m_dir + "/x.mot");
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(ini(),
              "; Quillet settings\r\n[CONFIG]\r\nComport=1\r\nOther=keep\r\n"
              "ProductType=BR12/OS7U\r\nOSFile="
                      + m_dir
                      + "/x.mot\r\n"
                        "[Velmar Panel]\r\nBootFile=3062af3.sub\r\n");

    CFlashSettings again(m_dir);
    again.load();
    EXPECT_EQ(again.portIndex(), 0);
    EXPECT_EQ(again.deviceIndex(), 2);
    EXPECT_EQ(again.osPath(), m_dir + "/x.mot");
}

TEST_F(SettingsTest, KeysAndSectionsMatchWithoutCase)
{
    writeIni("[config]\ncomport = 3\nproducttype=BR12(E)\n");
    CFlashSettings settings(m_dir);
    settings.load();
    EXPECT_EQ(settings.portIndex(), 2);
    EXPECT_EQ(settings.deviceIndex(), 3);
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(ini().find('\r'), std::string::npos); // the file keeps its line ends
}

TEST_F(SettingsTest, PortsMapToDeviceFiles)
{
    // Quillet's own entry wins over the editor's APP.INI one folder up.
    const std::string own = "[comm_ports]\r\nCOM2=/dev/ttyS1\r\n";
    const std::string app = "[comm_ports]\r\nCOM2=/dev/ttyS9\r\nCOM3=/dev/ttyACM0\r\n";
    ASSERT_EQ(runCommand("mkdir -p " + m_dir + "/Quillet"), 0);
    writeFileBytes(m_dir + "/APP.INI", std::vector<unsigned char>(app.begin(), app.end()));
    writeFileBytes(m_dir + "/Quillet/Quillet.ini",
                   std::vector<unsigned char>(own.begin(), own.end()));
    CFlashSettings settings(m_dir + "/Quillet");
    EXPECT_EQ(settings.portDevice(2), "/dev/ttyACM0");
    EXPECT_EQ(settings.portDevice(1), "/dev/ttyS1");
    EXPECT_EQ(settings.portDevice(0), "/dev/ttyUSB0");
    EXPECT_EQ(settings.resolvePort("COM2"), "/dev/ttyS1");
    EXPECT_EQ(settings.resolvePort("com8"), "/dev/ttyUSB7");
    EXPECT_EQ(settings.resolvePort("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(CFlashSettings::portName(7), "COM8");
}

TEST_F(SettingsTest, ChosenPortDeviceIsStoredInItsSlotAndOverridesTheEditor)
{
    const std::string app = "[comm_ports]\r\nCOM3=/dev/ttyACM0\r\n";
    const std::string own = "[CONFIG]\r\nComport=3\r\n\r\n[comm_ports]\r\n;COM1=/dev/ttyS0\r\n";
    ASSERT_EQ(runCommand("mkdir -p " + m_dir + "/Quillet"), 0);
    writeFileBytes(m_dir + "/APP.INI", std::vector<unsigned char>(app.begin(), app.end()));
    writeFileBytes(m_dir + "/Quillet/Quillet.ini",
                   std::vector<unsigned char>(own.begin(), own.end()));
    CFlashSettings settings(m_dir + "/Quillet");
    ASSERT_TRUE(settings.setPortDevice(2, "/dev/pts/7"));
    EXPECT_EQ(settings.portDevice(2), "/dev/pts/7");
    EXPECT_EQ(settings.resolvePort("COM3"), "/dev/pts/7");
    EXPECT_EQ(settings.portDevice(1), "/dev/ttyUSB1"); // other slots keep their mapping
    EXPECT_EQ(readFileText(m_dir + "/Quillet/Quillet.ini"),
              "[CONFIG]\r\nComport=3\r\n\r\n[comm_ports]\r\n;COM1=/dev/ttyS0\r\n"
              "COM3=/dev/pts/7\r\n");
    // A new choice replaces the slot's line; nothing else is touched.
    ASSERT_TRUE(settings.setPortDevice(2, "/dev/serial/by-id/usb-X-if00"));
    EXPECT_EQ(readFileText(m_dir + "/Quillet/Quillet.ini"),
              "[CONFIG]\r\nComport=3\r\n\r\n[comm_ports]\r\n;COM1=/dev/ttyS0\r\n"
              "COM3=/dev/serial/by-id/usb-X-if00\r\n");
    EXPECT_FALSE(settings.setPortDevice(8, "/dev/ttyS0")); // there is no COM9 in the list
    EXPECT_FALSE(settings.setPortDevice(0, ""));
    EXPECT_EQ(settings.portDevice(0), "/dev/ttyUSB0");
}

TEST_F(SettingsTest, BrowseDefaultsFollowTheDevice)
{
    CFlashSettings settings(m_dir);
    settings.setOsPath("/images/os/panel.mot");
    auto d = settings.browseDefaults();
    EXPECT_EQ(d.filter, "OS Files (*.MOT)|*.MOT|OS Files (*.BIN)|*.BIN|All Files (*.*)|*.*|");
    EXPECT_EQ(d.selectedFilter, 0);
    EXPECT_EQ(d.defaultSuffix, "MOT");
    EXPECT_EQ(d.startFolder, "/images/os");

    settings.selectDevice(1);
    settings.setOsPath("");
    d = settings.browseDefaults();
    EXPECT_EQ(d.selectedFilter, 1);
    EXPECT_EQ(d.defaultSuffix, "BIN");
    EXPECT_EQ(d.startFolder, m_dir);
}
