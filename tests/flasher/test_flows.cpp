// The four device flows end to end against velmar-flash-sim over a pseudo-terminal, with images
// made by srec_cat; injected faults, Stop, quillet-cli, and the demo images of the program folder.

#include "flash_texts.h"
#include "flash_worker.h"
#include "sim_process.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <random>
#include <thread>

using quillet::CFlashWorker;
using quillet::FlashRequest;

namespace {

using Bytes = std::vector<unsigned char>;

// The simulator answers at once: the time-out only has to outlast a busy machine. Where silence
// is injected a shorter one keeps the test quick.
constexpr std::uint32_t kTestTimeoutMs = 2000;
constexpr std::uint32_t kSilenceTimeoutMs = 400;

class RecordingObserver : public quillet::IFlashObserver
{
public:
    void phase(std::string_view text) override
    {
        phases.emplace_back(text);
        sawPhase.store(true);
    }
    void speed(std::string_view text) override { speeds.emplace_back(text); }
    void progress(std::uint32_t total, std::uint32_t done) override
    {
        lastTotal = total;
        lastDone = done;
        if (onProgress)
            onProgress(total, done);
    }
    void message(std::string_view text) override { messages.emplace_back(text); }

    std::vector<std::string> phases, speeds, messages;
    std::uint32_t lastTotal = 0, lastDone = 0;
    std::function<void(std::uint32_t, std::uint32_t)> onProgress;
    std::atomic<bool> sawPhase{false};
};

Bytes randomBytes(std::size_t count, unsigned seed)
{
    std::mt19937 generator(seed);
    Bytes out(count);
    for (auto &b : out)
        b = static_cast<unsigned char>(generator() & 0xFF);
    return out;
}

struct Piece
{
    std::uint32_t address;
    Bytes data;
};

class FlowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = m_temp.path();
        m_out = m_dir + "/out";
        ASSERT_EQ(runCommand("mkdir -p " + m_out), 0);
    }

    // An S-record file of the pieces, written by srec_cat: S1 with 2 address bytes, else S2.
    std::string makeSRecords(const std::string &name, const std::vector<Piece> &pieces,
                             int addressBytes, bool crlf = true)
    {
        std::string command = "srec_cat";
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const std::string bin = m_dir + "/" + name + std::to_string(i) + ".bin";
            writeFileBytes(bin, pieces[i].data);
            command += " " + bin + " -binary -offset " + std::to_string(pieces[i].address);
        }
        const std::string path = m_dir + "/" + name;
        command += " -o " + path + " -motorola -address-length=" + std::to_string(addressBytes)
                + (crlf ? " -crlf" : "");
        EXPECT_EQ(runCommand(command), 0);
        return path;
    }

    std::string makeRaw(const std::string &name, const Bytes &data)
    {
        writeFileBytes(m_dir + "/" + name, data);
        return m_dir + "/" + name;
    }

    // The flash image the target should end with: erased, then the pieces at their addresses.
    static Bytes expectedFlash(std::size_t size, const std::vector<Piece> &pieces)
    {
        Bytes flash(size, 0xFF);
        for (const auto &p : pieces)
            std::copy(p.data.begin(), p.data.end(), flash.begin() + p.address);
        return flash;
    }

    bool run(CSimProcess &sim, int device, const std::string &boot, const std::string &os,
             std::uint32_t timeout = kTestTimeoutMs)
    {
        FlashRequest request;
        request.deviceIndex = device;
        request.portDevice = sim.port();
        request.bootPath = boot;
        request.osPath = os;
        request.timeoutMs = timeout;
        CFlashWorker worker(request, m_observer);
        m_workerRef = &worker;
        const bool ok = worker.run();
        m_workerRef = nullptr;
        EXPECT_FALSE(worker.portOpen());
        EXPECT_TRUE(worker.finished());
        return ok;
    }

    std::string lastMessage() const
    {
        return m_observer.messages.empty() ? std::string() : m_observer.messages.back();
    }

    CTempFolder m_temp{"quillet-flow-"};
    std::string m_dir;
    std::string m_out;
    RecordingObserver m_observer;
    CFlashWorker *m_workerRef = nullptr;
};

// The standard images of the boot-mode devices.
struct BootModeImages
{
    std::vector<Piece> boot;
    std::vector<Piece> os;
};

BootModeImages h8Images()
{
    BootModeImages images;
    images.boot = {{0x0, randomBytes(300, 1)}};
    images.os = {{0x0000, randomBytes(0x400, 2)}, // one whole small block
                 {0x0400, randomBytes(129, 3)}, // two pieces, the second mostly padding
                 {0x1000, randomBytes(0x2345, 4)}, // a large block, partly filled
                 {0x18000, randomBytes(0x800, 5)}}; // the last block
    return images;
}

} // namespace

TEST_F(FlowTest, VelmarPanelWritesBootAndOsAndVerifies)
{
    const auto images = h8Images();
    const auto boot = makeSRecords("boot.sub", images.boot, 2);
    const auto os = makeSRecords("os.mot", images.os, 3);
    CSimProcess sim(0, m_out);
    ASSERT_TRUE(sim.started());
    ASSERT_TRUE(run(sim, 0, boot, os)) << lastMessage();
    sim.stop();

    EXPECT_EQ(m_observer.messages, std::vector<std::string>{"Complete!!!"});
    EXPECT_EQ(m_observer.phases, (std::vector<std::string>{"Downloading BOOT", "Downloading O/S"}));
    EXPECT_EQ(m_observer.speeds, (std::vector<std::string>{"19200 bit/s", "115200 bit/s"}));
    EXPECT_EQ(m_observer.lastDone, m_observer.lastTotal);
    EXPECT_EQ(readFileBytes(m_out + "/boot.bin"), images.boot[0].data);
    EXPECT_EQ(readFileBytes(m_out + "/os.bin"), expectedFlash(0x20000, images.os));
    const std::string events = readFileText(m_out + "/events.txt");
    EXPECT_NE(events.find("boot-length 012C\n"), std::string::npos); // 300 bytes: 0x01 0x2C
    EXPECT_NE(events.find("speed 115200 25000 01 00 01\n"), std::string::npos);
    EXPECT_NE(events.find("block 000400 000100\n"), std::string::npos);
    EXPECT_EQ(events.find(" bad"), std::string::npos);
}

TEST_F(FlowTest, Br12EUsesItsOwnSpeedAndClock)
{
    const auto images = h8Images();
    const auto boot = makeSRecords("boot.sub", images.boot, 3);
    const auto os = makeSRecords("os.mot", images.os, 3);
    CSimProcess sim(3, m_out);
    ASSERT_TRUE(run(sim, 3, boot, os)) << lastMessage();
    sim.stop();
    EXPECT_EQ(m_observer.speeds, (std::vector<std::string>{"19200 bit/s", "57600 bit/s"}));
    EXPECT_NE(readFileText(m_out + "/events.txt").find("speed 57600 20000 01 00 01\n"),
              std::string::npos);
    EXPECT_EQ(readFileBytes(m_out + "/os.bin"), expectedFlash(0x20000, images.os));
}

TEST_F(FlowTest, Br12WritesTwelveBlockMapWithoutVerification)
{
    const std::vector<Piece> bootPieces = {{0x100, randomBytes(200, 6)}, {0x0, randomBytes(50, 7)}};
    // S1 records up to 0x0FF0, then 0x1000: the 16 bytes between stay erased.
    const std::vector<Piece> osPieces = {{0x0000, randomBytes(0x0FF0, 8)},
                                         {0x1000, randomBytes(0x300, 9)},
                                         {0x9000, randomBytes(0x100, 10)}};
    const auto boot = makeSRecords("boot.sub", bootPieces, 2);
    const auto os = makeSRecords("os.mot", osPieces, 2);
    CSimProcess sim(2, m_out);
    ASSERT_TRUE(run(sim, 2, boot, os)) << lastMessage();
    sim.stop();
    EXPECT_EQ(m_observer.messages, std::vector<std::string>{"Complete!!!"});
    EXPECT_EQ(m_observer.speeds, (std::vector<std::string>{"19200 bit/s", "57600 bit/s"}));
    // srec_cat sorts by address; the boot image is the data in file order.
    Bytes bootImage = bootPieces[1].data;
    bootImage.insert(bootImage.end(), bootPieces[0].data.begin(), bootPieces[0].data.end());
    EXPECT_EQ(readFileBytes(m_out + "/boot.bin"), bootImage);
    const Bytes flash = readFileBytes(m_out + "/os.bin");
    EXPECT_EQ(flash, expectedFlash(0x40000, osPieces));
    const std::string events = readFileText(m_out + "/events.txt");
    EXPECT_NE(events.find("block 000000 001000\n"), std::string::npos);
    EXPECT_EQ(events.find("speed"), std::string::npos);
    EXPECT_EQ(events.find("verify"), std::string::npos);
}

TEST_F(FlowTest, PlcLoaderWritesRawImagesWithFrames)
{
    const Bytes bootData = randomBytes(0x50C, 11);
    const Bytes osData = randomBytes(5000, 12); // shorter than 0x1F800: the rest goes as 0xFF
    const auto boot = makeRaw("boot.bin", bootData);
    const auto os = makeRaw("os.bin", osData);
    CSimProcess sim(1, m_out);
    ASSERT_TRUE(run(sim, 1, boot, os)) << lastMessage();
    EXPECT_TRUE(sim.waitExit(5000)); // the final erase frame ends the simulated flow
    EXPECT_EQ(m_observer.messages, std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(m_observer.speeds, (std::vector<std::string>{"38400 bit/s", "115200 bit/s"}));
    EXPECT_EQ(readFileBytes(m_out + "/boot.bin"), bootData);
    Bytes expectedOs = osData;
    expectedOs.resize(0x1F800, 0xFF);
    EXPECT_EQ(readFileBytes(m_out + "/os.bin"), expectedOs);
    // The frames that get no answer still reach the PLC, in order.
    EXPECT_EQ(readFileText(m_out + "/events.txt"),
              "loader\nerase-ascii 1F0200\nbinary\nerase-binary 000820\n");
}

TEST_F(FlowTest, MissingFilesAndEmptyOsImages)
{
    const auto images = h8Images();
    const auto boot = makeSRecords("boot.sub", images.boot, 2);
    {
        CSimProcess sim(0, m_out);
        EXPECT_FALSE(run(sim, 0, m_dir + "/nothing.sub", m_dir + "/os.mot"));
        EXPECT_EQ(lastMessage(), "failed to open the file[" + m_dir + "/nothing.sub]");
    }
    {
        // A device without a BootFile leaves the bare program folder as boot path.
        m_observer.messages.clear();
        CSimProcess sim(0, m_out);
        EXPECT_FALSE(run(sim, 0, m_dir + "/", m_dir + "/os.mot"));
        EXPECT_EQ(lastMessage(), "failed to open the file[" + m_dir + "/]");
    }
    {
        // The only record lies outside the map: nothing to write, and the flow says so before
        // the boot program goes out.
        m_observer.messages.clear();
        const auto os = makeSRecords("far.mot", {{0x20000, randomBytes(64, 13)}}, 3);
        CSimProcess sim(0, m_out);
        EXPECT_FALSE(run(sim, 0, boot, os));
        EXPECT_EQ(m_observer.messages,
                  std::vector<std::string>{"no data for the target's flash memory in the file[" + os
                                           + "]"});
        EXPECT_EQ(readFileText(m_out + "/events.txt").find("block"), std::string::npos);
        EXPECT_EQ(readFileText(m_out + "/events.txt").find("boot"), std::string::npos);
    }
    {
        m_observer.messages.clear();
        CSimProcess sim(1, "");
        EXPECT_FALSE(run(sim, 1, m_dir + "/none.bin", boot));
        EXPECT_EQ(lastMessage(), "failed to open the file[" + m_dir + "/none.bin]");
    }
    {
        // The boot length goes out in 16 bits: a longer image is refused, not cut short.
        m_observer.messages.clear();
        const auto big = makeSRecords("big.sub", {{0x0, randomBytes(0x10000, 14)}}, 3);
        CSimProcess sim(0, "");
        EXPECT_FALSE(run(sim, 0, big, boot));
        EXPECT_EQ(lastMessage(), "boot image larger than 65535 bytes[" + big + "]");
    }
}

TEST_F(FlowTest, ImagesWithoutDataRecordsAreRefusedBeforeThePortOpens)
{
    // A port that cannot open: had the flow tried, it would say so instead.
    const std::string noPort = m_dir + "/no-such-tty";
    const auto images = h8Images();
    const auto boot = makeSRecords("boot.sub", images.boot, 2);
    const auto os = makeSRecords("os.mot", images.os, 3);
    const auto empty = makeRaw("empty.mot", {});
    const std::string headerOnly = "S00600004844521B\r\nS9030000FC\r\n";
    const auto noData = makeRaw("header.mot", Bytes(headerOnly.begin(), headerOnly.end()));
    const auto binary = makeRaw("image.bin", randomBytes(512, 20));
    struct Case
    {
        int device;
        std::string boot, os, refused;
    };
    const Case cases[]
            = {{0, empty, os, empty},   {0, noData, os, noData},   {0, binary, os, binary},
               {0, boot, empty, empty}, {2, boot, noData, noData}, {3, boot, binary, binary}};
    for (const auto &c : cases) {
        m_observer.messages.clear();
        FlashRequest request;
        request.deviceIndex = c.device;
        request.portDevice = noPort;
        request.bootPath = c.boot;
        request.osPath = c.os;
        CFlashWorker worker(request, m_observer);
        EXPECT_FALSE(worker.run());
        EXPECT_EQ(
                m_observer.messages,
                std::vector<std::string>{"no S1 or S2 data record in the file[" + c.refused + "]"})
                << c.boot << " " << c.os;
    }
}

TEST_F(FlowTest, NoPortGivesOpenFailure)
{
    FlashRequest request;
    request.deviceIndex = 0;
    request.portDevice = m_dir + "/no-such-tty";
    request.bootPath = makeSRecords("boot.sub", h8Images().boot, 2);
    request.osPath = makeSRecords("os.mot", h8Images().os, 3);
    CFlashWorker worker(request, m_observer);
    EXPECT_FALSE(worker.run());
    EXPECT_EQ(m_observer.messages,
              std::vector<std::string>{"Can not Open the Communication Port!!."});
}

struct FaultCase
{
    int device;
    std::vector<std::string> simArgs;
    std::vector<std::string> messages;
};

class FaultTest : public FlowTest, public ::testing::WithParamInterface<FaultCase>
{ };

TEST_P(FaultTest, EndsWithItsMessageAndThePortClosed)
{
    const FaultCase &c = GetParam();
    std::string boot;
    std::string os;
    if (c.device == 1) {
        boot = makeRaw("boot.bin", randomBytes(0x50C, 20));
        os = makeRaw("os.bin", randomBytes(1000, 21));
    } else {
        const auto images = h8Images();
        boot = makeSRecords("boot.sub", images.boot, 2);
        os = makeSRecords("os.mot", images.os, 3);
    }
    CSimProcess sim(c.device, m_out, c.simArgs);
    ASSERT_TRUE(sim.started());
    const bool silence
            = std::find(c.simArgs.begin(), c.simArgs.end(), "silence") != c.simArgs.end();
    EXPECT_FALSE(run(sim, c.device, boot, os, silence ? kSilenceTimeoutMs : kTestTimeoutMs));
    EXPECT_EQ(m_observer.messages, c.messages);
}

INSTANTIATE_TEST_SUITE_P(
        Faults, FaultTest,
        ::testing::Values(
                FaultCase{0, {"--fault", "silence"}, {"Timeout!!"}},
                FaultCase{2, {"--fault", "silence"}, {"Timeout!!."}},
                FaultCase{0, {"--fault", "echo"}, {"receive data error!!"}},
                FaultCase{0, {"--fault", "nak"}, {"baudrate & frequency setup error!!"}},
                FaultCase{2, {"--fault", "nak"}, {"receive data error!!"}},
                FaultCase{0, {"--fault", "checksum"}, {"Checksum error!!"}},
                FaultCase{3, {"--fault", "nak", "--fault-phase", "os"}, {"receive data error!!"}},
                FaultCase{3, {"--fault", "echo", "--fault-phase", "os"}, {"receive data error!!"}},
                FaultCase{2, {"--fault", "silence", "--fault-phase", "os"}, {"cannot receive!!"}},
                FaultCase{1,
                          {"--fault", "nak"},
                          {"NAK Received from PLC.\nError Code : 21", "failed to download BOOT"}},
                FaultCase{1, {"--fault", "bcc"}, {"BCC Error Occur!!.", "failed to download BOOT"}},
                FaultCase{1,
                          {"--fault", "echo"},
                          {"Wrong Frame received from PLC!!.", "failed to download BOOT"}},
                FaultCase{
                        1, {"--fault", "silence"}, {"cannot receive!!", "failed to download BOOT"}},
                FaultCase{1,
                          {"--fault", "nak", "--fault-phase", "os"},
                          {"NAK Received from PLC.\r\n\r\n Error code : 21",
                           "failed to download O/S"}},
                FaultCase{1,
                          {"--fault", "bcc", "--fault-phase", "os"},
                          {"BCC Error Occur!!.", "failed to download O/S"}}));

TEST_F(FlowTest, StopDuringTheOsTransferEndsWithStopped)
{
    const auto images = h8Images();
    const auto boot = makeSRecords("boot.sub", images.boot, 2);
    const auto os = makeSRecords("os.mot", images.os, 3);
    CSimProcess sim(0, m_out);
    m_observer.onProgress = [this](std::uint32_t total, std::uint32_t done) {
        if (m_observer.phases.size() == 2 && done * 2 >= total && m_workerRef)
            m_workerRef->requestStop();
    };
    EXPECT_FALSE(run(sim, 0, boot, os));
    EXPECT_EQ(m_observer.messages, std::vector<std::string>{"Stopped!!"});
    EXPECT_LT(m_observer.lastDone, m_observer.lastTotal);
}

TEST_F(FlowTest, StopWhileWaitingForAnAnswer)
{
    const auto images = h8Images();
    CSimProcess sim(2, m_out, {"--fault", "silence"});
    FlashRequest request;
    request.deviceIndex = 2;
    request.portDevice = sim.port();
    request.bootPath = makeSRecords("boot.sub", images.boot, 2);
    request.osPath = makeSRecords("os.mot", images.os, 3);
    request.timeoutMs = 60000; // only Stop can end this wait
    CFlashWorker worker(request, m_observer);
    std::thread thread([&worker] { worker.run(); });
    while (!m_observer.sawPhase.load())
        std::this_thread::yield();
    worker.requestStop();
    thread.join();
    EXPECT_EQ(m_observer.messages, std::vector<std::string>{"Stopped!!"});
}

TEST_F(FlowTest, CommandLineProgramRunsAFlowThroughQuilletIni)
{
    const std::vector<Piece> bootPieces = {{0x0, randomBytes(100, 30)}};
    const std::vector<Piece> osPieces = {{0x2000, randomBytes(0x500, 31)}};
    makeSRecords("br12.sub", bootPieces, 2);
    const auto os = makeSRecords("os.mot", osPieces, 2);
    CSimProcess sim(2, m_out);
    const std::string ini = "[CONFIG]\r\nComport=3\r\nProductType=BR12/OS7U\r\nOSFile=" + os
            + "\r\n[BR12/OS7U]\r\nBootFile=br12.sub\r\n[comm_ports]\r\nCOM3=" + sim.port() + "\r\n";
    writeFileBytes(m_dir + "/Quillet.ini", Bytes(ini.begin(), ini.end()));
    const std::string log = m_dir + "/cli.txt";
    EXPECT_EQ(runCommand(std::string(QUILLET_CLI_PATH) + " --folder " + m_dir + " > " + log), 0);
    const std::string output = readFileText(log);
    for (const char *text : {"Downloading BOOT", "19200 bit/s", "Downloading O/S", "57600 bit/s",
                             "100%", "Complete!!!"})
        EXPECT_NE(output.find(text), std::string::npos) << text;
    EXPECT_EQ(readFileBytes(m_out + "/os.bin"), expectedFlash(0x40000, osPieces));

    // What srec_cat writes without -crlf: lines that end with LF alone. A block whose data
    // ends on a piece boundary goes out without an extra piece.
    const std::vector<Piece> lfPieces = {{0x1000, randomBytes(0x100, 32)}};
    const auto lfBoot = makeSRecords("lf.sub", bootPieces, 2, false);
    const auto lfOs = makeSRecords("lf.mot", lfPieces, 2, false);
    ASSERT_EQ(readFileText(lfOs).find('\r'), std::string::npos);
    {
        CSimProcess lfSim(2, m_out);
        EXPECT_EQ(runCommand(std::string(QUILLET_CLI_PATH) + " --folder " + m_dir + " --port "
                             + lfSim.port() + " --boot " + lfBoot + " --os " + lfOs + " > " + log),
                  0)
                << readFileText(log);
        EXPECT_NE(readFileText(log).find("Complete!!!"), std::string::npos);
    }
    EXPECT_EQ(readFileBytes(m_out + "/os.bin"), expectedFlash(0x40000, lfPieces));
    EXPECT_NE(readFileText(m_out + "/events.txt").find("block 001000 000100\n"), std::string::npos)
            << readFileText(m_out + "/events.txt");

    // A file without data records is refused with its reason, before the port is touched.
    const auto empty = makeRaw("empty.mot", {});
    EXPECT_EQ(runCommand(std::string(QUILLET_CLI_PATH) + " --folder " + m_dir
                         + " --port /nonexistent/tty --boot " + lfBoot + " --os " + empty + " > "
                         + log),
              1);
    EXPECT_NE(readFileText(log).find("no S1 or S2 data record in the file[" + empty + "]"),
              std::string::npos)
            << readFileText(log);

    // A failing flow ends with its message and a non-zero exit.
    EXPECT_EQ(runCommand(std::string(QUILLET_CLI_PATH) + " --folder " + m_dir + " --port "
                         + sim.port() + " --boot " + m_dir + "/none.sub > " + log),
              1);
    EXPECT_NE(readFileText(log).find("failed to open the file[" + m_dir + "/none.sub]"),
              std::string::npos);
}

#ifdef QUILLET_DEMO_IMAGES
// The demo images laid out beside Quillet each flash their device through quillet-cli, and the
// target ends with exactly their data.
TEST_F(FlowTest, DemoImagesFlashEveryDevice)
{
    struct Demo
    {
        int device;
        std::string boot, os;
        std::size_t flashSize; // 0: a raw image of this fixed length
        std::size_t bootSize; // raw boot length, 0 for S-records
        std::string complete;
    };
    const std::vector<Demo> demos
            = {{0, "demo_boot_velmar.sub", "demo_os_velmar.mot", 0x20000, 0, "Complete!!!"},
               {1, "demo_boot_br10.bin", "demo_os_br10.bin", 0, 0x50C, "Complete!!"},
               {2, "demo_boot_br12.sub", "demo_os_br12.mot", 0x40000, 0, "Complete!!!"},
               {3, "demo_boot_br12e.sub", "demo_os_br12e.mot", 0x20000, 0, "Complete!!!"}};
    const std::string folder = std::string(DORVANE_RUNTIME_DIR) + "/Quillet";
    const std::string log = m_dir + "/cli.txt";
    for (const Demo &demo : demos) {
        SCOPED_TRACE(demo.os);
        const std::string boot = folder + "/" + demo.boot;
        const std::string os = folder + "/" + demo.os;
        ASSERT_FALSE(readFileBytes(boot).empty());
        ASSERT_FALSE(readFileBytes(os).empty());
        runCommand("rm -f " + m_out + "/*");
        {
            CSimProcess sim(demo.device, m_out);
            ASSERT_TRUE(sim.started());
            // --folder keeps the test away from the program folder's own Quillet.ini.
            EXPECT_EQ(runCommand(std::string(QUILLET_CLI_PATH) + " --folder " + m_dir + " --device "
                                 + std::to_string(demo.device) + " --port " + sim.port()
                                 + " --boot " + boot + " --os " + os + " > " + log),
                      0)
                    << readFileText(log);
            EXPECT_NE(readFileText(log).find(demo.complete), std::string::npos);
            if (demo.flashSize == 0) {
                EXPECT_TRUE(sim.waitExit(5000)); // the PLC flow's last frame ends the target
            }
        }
        Bytes wantBoot, wantOs;
        if (demo.flashSize == 0) {
            wantBoot = readFileBytes(boot);
            wantBoot.resize(demo.bootSize, 0xFF);
            wantOs = readFileBytes(os);
            wantOs.resize(0x1F800, 0xFF);
        } else {
            // srec_cat's view of the same files: the boot data, and the OS laid over erased flash.
            ASSERT_EQ(runCommand("srec_cat " + boot + " -motorola -o " + m_dir
                                 + "/want-boot.bin -binary"),
                      0);
            ASSERT_EQ(runCommand("srec_cat " + os + " -motorola -fill 0xFF 0 "
                                 + std::to_string(demo.flashSize) + " -o " + m_dir
                                 + "/want-os.bin -binary"),
                      0);
            wantBoot = readFileBytes(m_dir + "/want-boot.bin");
            wantOs = readFileBytes(m_dir + "/want-os.bin");
        }
        EXPECT_EQ(readFileBytes(m_out + "/boot.bin"), wantBoot);
        EXPECT_EQ(readFileBytes(m_out + "/os.bin"), wantOs);
    }
}
#endif
