// Quillet's windows offscreen: the main dialog's settings, the port chooser, and the download
// dialog running a flow against velmar-flash-sim, stopped by its button or by closing it.

#include "about_dialog.h"
#include "download_dialog.h"
#include "port_chooser.h"
#include "quillet_dialog.h"
#include "sim_process.h"
#include "temp_folder.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>

using namespace quillet;
using ports::CPortCatalogue;
using ports::CPortChooser;

namespace {

// Records the download request instead of opening the dialog.
class RecordingDialog : public CQuilletDialog
{
public:
    using CQuilletDialog::CQuilletDialog;
    std::vector<FlashRequest> requests;

protected:
    void runDownload(const FlashRequest &request) override { requests.push_back(request); }
};

void writeText(const std::string &path, const std::string &text)
{
    writeFileBytes(path, std::vector<unsigned char>(text.begin(), text.end()));
}

// A small boot and OS image for device 2, made by srec_cat.
bool makeImages(const std::string &dir)
{
    std::vector<unsigned char> boot(64), os(0x900);
    for (std::size_t i = 0; i < boot.size(); ++i)
        boot[i] = static_cast<unsigned char>(i * 3);
    for (std::size_t i = 0; i < os.size(); ++i)
        os[i] = static_cast<unsigned char>(i * 5 + 1);
    writeFileBytes(dir + "/boot-in.bin", boot);
    writeFileBytes(dir + "/os-in.bin", os);
    return runCommand("srec_cat " + dir + "/boot-in.bin -binary -o " + dir
                      + "/boot.sub -motorola -address-length=2 -crlf")
            == 0
            && runCommand("srec_cat " + dir + "/os-in.bin -binary -offset 0x1000 -o " + dir
                          + "/os.mot -motorola -address-length=2 -crlf")
            == 0;
}

} // namespace

class TestQuilletUi : public QObject
{
    Q_OBJECT

private slots:
    void settingsAreLoadedShownAndSaved();
    void aboutBoxOpensFromTheMenuEntry();
    void portChooserMapsTheSelectedSlot();
    void downloadDialogRunsAFlow();
    void stopButtonStopsTheWorker();
    void closingWhileRunningActsAsStop();
    void imageWithoutDataEndsWithItsReason();

private:
    FlashRequest request(const CSimProcess &sim, const std::string &dir, std::uint32_t timeout);
};

void TestQuilletUi::settingsAreLoadedShownAndSaved()
{
    const CTempFolder temp("quillet-ui-");
    const std::string dir = temp.path();
    writeText(dir + "/Quillet.ini",
              "[CONFIG]\r\nComport=8\r\nProductType=BR12(E)\r\n"
              "OSFile=/images/os.mot\r\n[BR12(E)]\r\nBootFile=b.sub\r\n");
    RecordingDialog dialog(QString::fromStdString(dir));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Quillet(Version 2.1)..."));
    QCOMPARE(dialog.portList()->count(), 8);
    QCOMPARE(dialog.portList()->currentText(), QStringLiteral("COM8  (/dev/ttyUSB7)"));
    QCOMPARE(dialog.deviceList()->count(), 4);
    QCOMPARE(dialog.deviceList()->currentText(), QStringLiteral("BR12(E)"));
    QCOMPARE(dialog.bootText()->text(), QString::fromStdString(dir + "/b.sub"));
    QCOMPARE(dialog.osEdit()->text(), QStringLiteral("/images/os.mot"));

    // A device without a BootFile shows the bare program folder.
    dialog.deviceList()->setCurrentIndex(2);
    QCOMPARE(dialog.bootText()->text(), QString::fromStdString(dir + "/"));

    dialog.portList()->setCurrentIndex(0);
    dialog.osEdit()->setText(QStringLiteral("/images/new.mot"));
    QTest::mouseClick(dialog.downloadButton(), Qt::LeftButton);
    QCOMPARE(dialog.requests.size(), std::size_t(1));
    QCOMPARE(dialog.requests[0].deviceIndex, 2);
    QCOMPARE(dialog.requests[0].portDevice, std::string("/dev/ttyUSB0"));
    QCOMPARE(dialog.requests[0].osPath, std::string("/images/new.mot"));
    QCOMPARE(dialog.requests[0].bootPath, dir + "/");

    const std::string ini = readFileText(dir + "/Quillet.ini");
    QVERIFY(ini.find("Comport=1\r\n") != std::string::npos);
    QVERIFY(ini.find("ProductType=BR12/OS7U\r\n") != std::string::npos);
    QVERIFY(ini.find("OSFile=/images/new.mot\r\n") != std::string::npos);
    QVERIFY(ini.find("[BR12/OS7U]") == std::string::npos); // BootFile is never written
    QVERIFY(ini.find("BootFile=b.sub") != std::string::npos);
}

void TestQuilletUi::aboutBoxOpensFromTheMenuEntry()
{
    const CTempFolder temp("quillet-ui-");
    const std::string dir = temp.path();
    CQuilletDialog dialog(QString::fromStdString(dir));
    QCOMPARE(dialog.aboutAction()->text(), QStringLiteral("Quillet 정보(&A)..."));
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto *about = qobject_cast<CAboutDialog *>(QApplication::activeModalWidget())) {
            title = about->windowTitle();
            text = about->findChild<QLabel *>(QStringLiteral("aboutText"))->text();
            about->accept();
        }
    });
    dialog.aboutAction()->trigger();
    QCOMPARE(title, QStringLiteral("About Quillet"));
    QCOMPARE(text, QStringLiteral("Quillet Version 2.1"));
}

void TestQuilletUi::portChooserMapsTheSelectedSlot()
{
    namespace fs = std::filesystem;
    const CTempFolder temp("quillet-ui-");
    const std::string dir = temp.path();
    writeText(dir + "/Quillet.ini",
              "[CONFIG]\r\nComport=3\r\n\r\n[comm_ports]\r\nCOM1=/dev/ttyS0\r\n");
    // One CDC-ACM device in a made-up /dev and /sys.
    const std::string dev = dir + "/dev", sys = dir + "/sys";
    const std::string usb = sys + "/devices/usb1/1-2";
    fs::create_directories(dev);
    fs::create_directories(usb + "/1-2:1.0");
    fs::create_directories(sys + "/class/tty/ttyACM0");
    fs::create_directory_symlink(usb + "/1-2:1.0", sys + "/class/tty/ttyACM0/device");
    writeText(dev + "/ttyACM0", "");
    writeText(usb + "/idVendor", "1a86\n");
    writeText(usb + "/product", "Velmar Link\n");

    RecordingDialog dialog(QString::fromStdString(dir));
    dialog.setPortCatalogue(CPortCatalogue(dev, sys));
    QCOMPARE(dialog.portList()->itemText(0), QStringLiteral("COM1  (/dev/ttyS0)"));
    QCOMPARE(dialog.portList()->currentText(), QStringLiteral("COM3  (/dev/ttyUSB2)"));
    QVERIFY(!dialog.portButton()->text().isEmpty());

    // Typing a path the list does not offer, as for the simulator's pseudo-terminal.
    QStringList listed;
    QString title;
    QString pathAtOpen;
    bool listHadFocus = false;
    bool tabReachedPath = false;
    QTimer::singleShot(0, [&] {
        auto *chooser = qobject_cast<CPortChooser *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        title = chooser->windowTitle();
        for (int i = 0; i < chooser->deviceList()->count(); ++i)
            listed << chooser->deviceList()->item(i)->text();
        listHadFocus = chooser->focusWidget() == chooser->deviceList();
        pathAtOpen = chooser->pathEdit()->text();
        QTest::keyClick(chooser->deviceList(), Qt::Key_Tab); // from the list to the path line
        tabReachedPath = chooser->focusWidget() == chooser->pathEdit();
        chooser->pathEdit()->selectAll();
        QTest::keyClicks(chooser->pathEdit(), QStringLiteral("/dev/pts/7"));
        QTest::keyClick(chooser->pathEdit(), Qt::Key_Return);
    });
    QTest::mouseClick(dialog.portButton(), Qt::LeftButton);
    QVERIFY(title.contains(QStringLiteral("COM3")));
    QCOMPARE(listed, QStringList{QString::fromStdString(dev + "/ttyACM0  —  Velmar Link")});
    QVERIFY(listHadFocus);
    QCOMPARE(pathAtOpen, QStringLiteral("/dev/ttyUSB2")); // the slot's device, not the first row
    QVERIFY(tabReachedPath);
    QCOMPARE(dialog.portList()->currentText(), QStringLiteral("COM3  (/dev/pts/7)"));
    QCOMPARE(dialog.settings().portDevice(2), std::string("/dev/pts/7"));
    std::string ini = readFileText(dir + "/Quillet.ini");
    QVERIFY(ini.find("[comm_ports]\r\nCOM1=/dev/ttyS0\r\nCOM3=/dev/pts/7\r\n")
            != std::string::npos);
    QCOMPARE(CFlashSettings(dir).resolvePort("COM3"), std::string("/dev/pts/7"));
    QTest::mouseClick(dialog.downloadButton(), Qt::LeftButton);
    QCOMPARE(dialog.requests.size(), std::size_t(1));
    QCOMPARE(dialog.requests[0].portDevice, std::string("/dev/pts/7"));

    // Keyboard only: down to the listed device and Enter, for another slot.
    dialog.portList()->setCurrentIndex(1);
    QTimer::singleShot(0, [&] {
        if (auto *chooser = qobject_cast<CPortChooser *>(QApplication::activeModalWidget())) {
            QTest::keyClick(chooser->deviceList(), Qt::Key_Down);
            QTest::keyClick(chooser->deviceList(), Qt::Key_Return);
        }
    });
    QTest::mouseClick(dialog.portButton(), Qt::LeftButton);
    QCOMPARE(dialog.settings().portDevice(1), dev + "/ttyACM0");
    QCOMPARE(dialog.portList()->itemText(1), QString::fromStdString("COM2  (" + dev + "/ttyACM0)"));

    // Escape leaves the mapping as it was, even after typing.
    QTimer::singleShot(0, [&] {
        if (auto *chooser = qobject_cast<CPortChooser *>(QApplication::activeModalWidget())) {
            chooser->pathEdit()->setFocus();
            QTest::keyClicks(chooser->pathEdit(), QStringLiteral("/dev/pts/9"));
            QTest::keyClick(chooser, Qt::Key_Escape);
        }
    });
    QTest::mouseClick(dialog.portButton(), Qt::LeftButton);
    QCOMPARE(dialog.settings().portDevice(1), dev + "/ttyACM0");
    ini = readFileText(dir + "/Quillet.ini");
    QVERIFY(ini.find("pts/9") == std::string::npos);
}

FlashRequest TestQuilletUi::request(const CSimProcess &sim, const std::string &dir,
                                    std::uint32_t timeout)
{
    FlashRequest r;
    r.deviceIndex = 2;
    r.portDevice = sim.port();
    r.bootPath = dir + "/boot.sub";
    r.osPath = dir + "/os.mot";
    r.timeoutMs = timeout;
    return r;
}

void TestQuilletUi::downloadDialogRunsAFlow()
{
    const CTempFolder temp("quillet-ui-");
    const std::string dir = temp.path();
    QVERIFY(makeImages(dir));
    CSimProcess sim(2, dir);
    QVERIFY(sim.started());
    CDownloadDialog dialog(request(sim, dir, 3000));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Downloading..."));
    QCOMPARE(dialog.phaseText(), QStringLiteral("Download Boot and OS"));
    QStringList messages;
    dialog.setMessageSink([&](const QString &text) { messages << text; });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(messages, QStringList{QStringLiteral("Complete!!!")});
    QCOMPARE(dialog.phaseText(), QStringLiteral("Downloading O/S"));
    QCOMPARE(dialog.speedText(), QStringLiteral("57600 bit/s"));
    QCOMPARE(dialog.progressValue(), 100);
    // The target holds the image at its address.
    const auto flash = readFileBytes(dir + "/os.bin");
    const auto os = readFileBytes(dir + "/os-in.bin");
    QCOMPARE(flash.size(), std::size_t(0x40000));
    QVERIFY(std::equal(os.begin(), os.end(), flash.begin() + 0x1000));
}

void TestQuilletUi::stopButtonStopsTheWorker()
{
    const CTempFolder temp("quillet-ui-");
    const std::string dir = temp.path();
    QVERIFY(makeImages(dir));
    CSimProcess sim(2, "", {"--fault", "silence", "--fault-phase", "os"});
    CDownloadDialog dialog(request(sim, dir, 60000)); // only Stop ends the wait
    QStringList messages;
    dialog.setMessageSink([&](const QString &text) { messages << text; });
    dialog.show();
    QTRY_COMPARE(dialog.phaseText(), QStringLiteral("Downloading O/S"));
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(dialog.stopButton(), Qt::LeftButton);
    QVERIFY(!dialog.running());
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(messages, QStringList{QStringLiteral("Stopped!!")});
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestQuilletUi::closingWhileRunningActsAsStop()
{
    const CTempFolder temp("quillet-ui-");
    const std::string dir = temp.path();
    QVERIFY(makeImages(dir));
    CSimProcess sim(2, "", {"--fault", "silence", "--fault-phase", "os"});
    CDownloadDialog dialog(request(sim, dir, 60000));
    QStringList messages;
    dialog.setMessageSink([&](const QString &text) { messages << text; });
    dialog.show();
    QTRY_COMPARE(dialog.phaseText(), QStringLiteral("Downloading O/S"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.running());
    QTRY_VERIFY(!dialog.isVisible());
    QCOMPARE(messages, QStringList{QStringLiteral("Stopped!!")});
}

void TestQuilletUi::imageWithoutDataEndsWithItsReason()
{
    const CTempFolder temp("quillet-ui-");
    const std::string dir = temp.path();
    QVERIFY(makeImages(dir));
    // Binary data under an S-record name: no record at all.
    const std::string os = dir + "/os-in.bin";
    CSimProcess sim(2, "");
    FlashRequest plain = request(sim, dir, 3000);
    plain.osPath = os;
    CDownloadDialog dialog(plain);
    QStringList messages;
    dialog.setMessageSink([&](const QString &text) { messages << text; });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(
            messages,
            QStringList{QString::fromStdString("no S1 or S2 data record in the file[" + os + "]")});
}

QTEST_MAIN(TestQuilletUi)
#include "test_quillet_ui.moc"
