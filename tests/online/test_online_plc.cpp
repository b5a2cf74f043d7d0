// A running panel against a Modbus slave that is not ours (pymodbus): reading every table over
// TCP and over a serial line, writes from numeric entry, buttons, function keys and block
// transfers, and the faults a real line has: a stopped slave, exception answers, a station that
// is not there, garbled answers. Time-outs are 100 ms, so that every case stays quick.

#include "slave_process.h"

#include "runtime/runtime_test_support.h"

#include "core/functions/func_key_record.h"
#include "core/functions/trans_record.h"
#include "core/online/online_channels.h"
#include "core/online/point_readings.h"
#include "core/runtime/panel_runtime.h"
#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace core;
using namespace core::online;
using namespace std::chrono_literals;
using runtimetest::point;

namespace {

// 100 ms time-outs keep every case quick; one retry keeps a slave slowed down by a busy machine
// from failing a point that it answers.
LinkOptions quick()
{
    LinkOptions o;
    o.timeout = 100ms;
    o.retries = 1;
    o.cycle = 10ms;
    return o;
}

LinkEndpoint endpointOf(const onlinetest::SlaveProcess &slave, bool tcp)
{
    std::string error;
    LinkEndpoint serial;
    const auto e = parseEndpoint(tcp ? slave.tcp() : slave.where(), serial, error);
    EXPECT_TRUE(e) << error;
    return e.value_or(LinkEndpoint{});
}

class Online : public ::testing::TestWithParam<bool> // true: TCP, false: RTU
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_slave.running()) << "python3-pymodbus and python3-serial are needed";
    }
    MemoryKey key(const char *area, std::uint32_t number, std::uint16_t size = kSizeWord,
                  std::uint16_t station = 1)
    {
        return m_memory.KeyOf(point(1, area, std::to_string(number), size, station)).value();
    }
    std::unique_ptr<COnlinePlc> start(const std::vector<MemoryKey> &keys,
                                      LinkOptions options = quick())
    {
        auto plc = std::make_unique<COnlinePlc>(1, endpointOf(m_slave, GetParam()), options);
        plc->SetPoints(keys);
        EXPECT_TRUE(plc->WaitForScan(3s));
        return plc;
    }
    // Polls until `done` holds (a few scans at most); false after two seconds.
    template<typename F>
    static bool eventually(F done)
    {
        for (int i = 0; i < 200; ++i) {
            if (done())
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    onlinetest::SlaveProcess m_slave{GetParam() ? "tcp" : "rtu",
                                     {"--units", "1,2", "--hole", "hr:5:7"}};
    runtimetest::Project m_project{"online"};
    CDeviceMemory m_memory{m_project.slots};
};

TEST_P(Online, ReadsEveryTableWordsAndDoubleWords)
{
    m_slave.command("set co 2 1");
    m_slave.command("set di 9 1");
    m_slave.command("set ir 0 4660");
    m_slave.command("set hr 0 65534 7");
    m_slave.command("set hr 10 1 2"); // double word 4x11: high word 1, low word 2
    const std::vector<MemoryKey> keys{
            key("0x", 3, kSizeBit), key("0x", 4, kSizeBit), key("1x", 10, kSizeBit),  key("3x", 1),
            key("4x", 1),           key("4x", 2),           key("4x", 11, kSizeDWord)};
    const auto plc = start(keys);
    EXPECT_EQ(plc->Read(keys[0]), 1u);
    EXPECT_EQ(plc->Read(keys[1]), 0u);
    EXPECT_EQ(plc->Read(keys[2]), 1u);
    EXPECT_EQ(plc->Read(keys[3]), 0x1234u);
    EXPECT_EQ(plc->Read(keys[4]), 0xFFFEu);
    EXPECT_EQ(plc->Read(keys[5]), 7u);
    EXPECT_EQ(plc->Read(keys[6]), 0x00010002u);
    for (const MemoryKey &k : keys)
        EXPECT_FALSE(plc->Failed(k)) << plc->FailureOf(k);
    const LinkStatus status = plc->Status();
    EXPECT_TRUE(status.connected);
    ASSERT_EQ(status.stations.size(), 1u);
    EXPECT_EQ(status.stations[0].state, StationState::Ok);
    // Coils, inputs, input registers, and the holding registers read around the slave's hole
    // at 4x6-4x8: 4x1-4x2 and 4x11-4x12.
    EXPECT_EQ(status.stations[0].requests, 5u);

    // Changes in the slave show within a scan or two.
    m_slave.command("set hr 1 8");
    EXPECT_TRUE(eventually([&] { return plc->Read(keys[5]) == 8u; }));
}

TEST_P(Online, ReadsDoubleWordsLowWordFirstWhenAsked)
{
    m_slave.command("set hr 10 1 2");
    LinkOptions options = quick();
    options.wordOrder = WordOrder::LowFirst;
    const MemoryKey dword = key("4x", 11, kSizeDWord);
    const auto plc = start({dword}, options);
    EXPECT_EQ(plc->Read(dword), 0x00020001u);
    plc->Write(dword, 0x00030004u);
    ASSERT_TRUE(plc->WaitForWrites(2s));
    EXPECT_EQ(m_slave.value("hr", 10), 4);
    EXPECT_EQ(m_slave.value("hr", 11), 3);
    // A point no scan reads (another screen's) holds what was written to it.
    const MemoryKey other = key("4x", 51);
    plc->Write(other, 9);
    EXPECT_FALSE(plc->Failed(other));
    EXPECT_EQ(plc->Read(other), 9u);
    ASSERT_TRUE(plc->WaitForWrites(2s));
    EXPECT_EQ(m_slave.value("hr", 50), 9);
}

TEST_P(Online, ShowsSignedAndBcdPointsAsTheirTagsDo)
{
    const auto addDigit = [&](const char *number, std::uint16_t base, bool isSigned, int x) {
        auto d = std::make_unique<CDigitTag>();
        d->MoveTo(x, 0);
        d->Point() = point(1, "4x", number, kSizeWord, 1);
        d->Point().m_base = base;
        d->Point().m_signed = isSigned ? 1 : 0;
        ASSERT_EQ(m_project.screen(0).AddTag(std::move(d), false), kTagOk);
    };
    addDigit("1", kBaseDec, true, 0);
    addDigit("2", kBaseBcd, false, 60);
    addDigit("3", kBaseHex, false, 120);
    m_slave.command("set hr 0 65534 4660 4660 4660");
    const CPointReadings readings(m_project.doc, m_memory);
    const auto plc = start({key("4x", 1), key("4x", 2), key("4x", 3), key("4x", 4)});
    EXPECT_EQ(readings.Text(key("4x", 1), plc->Read(key("4x", 1))), "-2");
    EXPECT_EQ(readings.Text(key("4x", 2), plc->Read(key("4x", 2))), "1234");
    EXPECT_EQ(readings.Text(key("4x", 3), plc->Read(key("4x", 3))), "0x1234");
    EXPECT_EQ(readings.Text(key("4x", 4), plc->Read(key("4x", 4))), "4660") << "no tag: unsigned";
    EXPECT_EQ(readings.Text(key("4x", 2), 0x12A4), "0x12A4 (no BCD)");
}

TEST_P(Online, PanelWritesReachTheSlaveBeforeTheNextRead)
{
    // A writable signed entry on 4x21, a toggle button on coil 3, F1 setting 4x31 to 500, and a
    // block transfer copying panel words 50-51 to 4x41-4x42 on every scan.
    auto entry = std::make_unique<CDigitTag>();
    entry->SetWritable(true);
    entry->Point() = point(1, "4x", "21", kSizeWord, 1);
    entry->Point().m_signed = 1;
    entry->Point().SetDefaultRange();
    const CTag *entryTag = entry.get();
    ASSERT_EQ(m_project.screen(0).AddTag(std::move(entry), false), kTagOk);
    auto button = std::make_unique<CButtonTag>();
    button->MoveTo(100, 0);
    button->SetAction(kButtonToggle);
    button->Point() = point(1, "0x", "3", kSizeBit, 1);
    ASSERT_EQ(m_project.screen(0).AddTag(std::move(button), false), kTagOk);
    CFuncKeyRecord fkey = CFuncKeyRecord::Default();
    fkey.SetFunction(CFuncKeyRecord::kValueSet);
    fkey.SetValue(500);
    m_project.address(fkey.Bytes(), 0, kAddrWord, 1, "4x", "31", 1);
    fkey.SetType(ValueType{});
    m_project.screen(0).FunctionKey(kKeyF1) = fkey.Bytes();
    CTransRecord out = CTransRecord::Default(m_project.slots);
    m_project.address(out.Bytes(), CTransRecord::kPlcBlock, kAddrWord, 1, "4x", "41", 1);
    out.SetPanelAddress("50");
    out.SetDataSize(2);
    out.SetDirection(CTransRecord::kToPlc);
    m_project.doc.Transfers() = {out.Bytes()};

    CPanelRuntime run(m_project.doc);
    COnlineChannels online(run.Memory(), m_project.doc);
    std::string error;
    ASSERT_TRUE(online.Connect(1, endpointOf(m_slave, GetParam()), quick(), error)) << error;
    online.Follow(run.CurrentScreen());
    COnlinePlc *plc = online.Plc(1);
    ASSERT_TRUE(plc->WaitForScan(3s));

    EXPECT_EQ(run.EnterValue(*entryTag, "-5"), RuntimeResult::Ok);
    EXPECT_EQ(run.Value(point(1, "4x", "21", kSizeWord, 1)), 0xFFFBu) << "shown at once";
    EXPECT_EQ(run.Press(105, 5), RuntimeResult::Ok);
    run.Release();
    EXPECT_EQ(run.PressKey(kKeyF1), RuntimeResult::Ok);
    run.ReleaseKey(kKeyF1);
    ASSERT_TRUE(run.Memory().ApplySet("50=11").ok());
    ASSERT_TRUE(run.Memory().ApplySet("51=12").ok());
    run.Scan(std::chrono::system_clock::now());
    ASSERT_TRUE(plc->WaitForWrites(2s));
    EXPECT_EQ(m_slave.value("hr", 20), 0xFFFB);
    EXPECT_EQ(m_slave.value("co", 2), 1);
    EXPECT_EQ(m_slave.value("hr", 30), 500);
    EXPECT_EQ(m_slave.value("hr", 40), 11);
    EXPECT_EQ(m_slave.value("hr", 41), 12);
    // A toggle reads what the PLC holds: the slave switched the coil off meanwhile.
    m_slave.command("set co 2 0");
    EXPECT_TRUE(eventually([&] { return run.Value(point(1, "0x", "3", kSizeBit, 1)) == 0u; }));
    run.Press(105, 5);
    run.Release();
    ASSERT_TRUE(plc->WaitForWrites(2s));
    EXPECT_EQ(m_slave.value("co", 2), 1);
    // The same transfer on the next scans is not sent again while the PLC holds it.
    const std::size_t sent = plc->Status().writes;
    run.Scan(std::chrono::system_clock::now());
    run.Scan(std::chrono::system_clock::now());
    ASSERT_TRUE(plc->WaitForWrites(2s));
    EXPECT_EQ(plc->Status().writes, sent);
}

TEST_P(Online, AnExceptionFailsOnlyTheRefusedPointsAndNamesTheirAddress)
{
    m_slave.command("set hr 0 1 2 3 4");
    m_slave.command("set hr 8 9");
    // 4x1-4x4 and 4x9 share one read across the hole 4x6-4x8; 4x7 lies in it.
    const std::vector<MemoryKey> keys{key("4x", 1), key("4x", 4), key("4x", 9), key("4x", 7)};
    const auto plc = start(keys);
    ASSERT_TRUE(plc->WaitForScan(2s));
    EXPECT_EQ(plc->Read(keys[0]), 1u);
    EXPECT_EQ(plc->Read(keys[1]), 4u);
    EXPECT_EQ(plc->Read(keys[2]), 9u);
    EXPECT_FALSE(plc->Failed(keys[0]));
    EXPECT_FALSE(plc->Failed(keys[2]));
    EXPECT_TRUE(plc->Failed(keys[3]));
    EXPECT_EQ(plc->FailureOf(keys[3]), "station 1, 4x7: illegal data address");
    EXPECT_EQ(plc->RequestCount(), 4u) << "the read was split into its runs of adjacent points";
    const LinkStatus status = plc->Status();
    ASSERT_EQ(status.stations.size(), 1u);
    EXPECT_EQ(status.stations[0].state, StationState::Partial);
    EXPECT_EQ(status.stations[0].lastError, "station 1, 4x7: illegal data address");
    m_slave.command("set hr 3 40");
    EXPECT_TRUE(eventually([&] { return plc->Read(keys[1]) == 40u; })) << "the rest updates";
}

TEST_P(Online, AStationThatDoesNotAnswerFailsAloneAndNothingBlocks)
{
    m_slave.command("set hr 0 5");
    const MemoryKey here = key("4x", 1);
    const MemoryKey absent = key("4x", 1, kSizeWord, 9);
    const auto plc = start({here, absent});
    ASSERT_TRUE(plc->WaitForScan(2s));
    EXPECT_FALSE(plc->Failed(here));
    EXPECT_EQ(plc->Read(here), 5u);
    EXPECT_TRUE(plc->Failed(absent));
    EXPECT_EQ(plc->FailureOf(absent), "station 9, 4x1: no answer");
    // Reading and writing never wait for the line.
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < 1000; ++i) {
        plc->Read(absent);
        plc->Failed(absent);
    }
    plc->Write(absent, std::uint32_t(1));
    EXPECT_LT(std::chrono::steady_clock::now() - t0, 50ms);
    const LinkStatus status = plc->Status();
    ASSERT_EQ(status.stations.size(), 2u);
    EXPECT_EQ(status.stations[0].state, StationState::Ok);
    EXPECT_EQ(status.stations[1].state, StationState::Failed);
    m_slave.command("set hr 0 6");
    EXPECT_TRUE(eventually([&] { return plc->Read(here) == 6u; }));
}

TEST_P(Online, RecoversWhenASilentSlaveAnswersAgain)
{
    const MemoryKey k = key("4x", 1);
    m_slave.command("set hr 0 3");
    const auto plc = start({k});
    EXPECT_EQ(plc->Read(k), 3u);
    m_slave.command("silent on");
    EXPECT_TRUE(eventually([&] { return plc->Failed(k); }));
    EXPECT_EQ(plc->FailureOf(k), "station 1, 4x1: no answer");
    EXPECT_EQ(plc->Read(k), 3u) << "the last value stays for whoever wants it";
    m_slave.command("set hr 0 4");
    m_slave.command("silent off");
    EXPECT_TRUE(eventually([&] { return !plc->Failed(k) && plc->Read(k) == 4u; }));
}

INSTANTIATE_TEST_SUITE_P(Link, Online, ::testing::Values(true, false),
                         [](const auto &info) { return info.param ? "Tcp" : "Rtu"; });

TEST(OnlineTcp, AStoppedSlaveFailsEveryPointUntilItListensAgain)
{
    onlinetest::SlaveProcess slave("tcp");
    ASSERT_TRUE(slave.running());
    runtimetest::Project project("online_down");
    CDeviceMemory memory(project.slots);
    const MemoryKey k = memory.KeyOf(point(1, "4x", "1", kSizeWord, 1)).value();
    const MemoryKey coil = memory.KeyOf(point(1, "0x", "1", kSizeBit, 1)).value();
    slave.command("set hr 0 21");
    COnlinePlc plc(1, endpointOf(slave, true), quick());
    plc.SetPoints({k, coil});
    ASSERT_TRUE(plc.WaitForScan(3s));
    EXPECT_EQ(plc.Read(k), 21u);
    slave.command("down");
    ASSERT_TRUE(plc.WaitForScan(2s));
    // The read that found the connection gone, and the one after it in the same scan.
    EXPECT_TRUE(plc.Failed(coil));
    EXPECT_TRUE(plc.Failed(k));
    ASSERT_TRUE(plc.WaitForScan(2s));
    EXPECT_TRUE(plc.Failed(k));
    EXPECT_FALSE(plc.Status().connected);
    EXPECT_NE(plc.FailureOf(k).find("cannot open tcp 127.0.0.1:"), std::string::npos)
            << plc.FailureOf(k);
    slave.command("set hr 0 22");
    slave.command("up");
    for (int i = 0; i < 200 && (plc.Failed(k) || plc.Read(k) != 22u); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(plc.Failed(k));
    EXPECT_FALSE(plc.Failed(coil));
    EXPECT_EQ(plc.Read(k), 22u);
    EXPECT_TRUE(plc.Status().connected);
}

TEST(OnlineRtu, GarbledAnswersFailTheirPointsUntilTheLineIsClean)
{
    onlinetest::SlaveProcess slave("rtu");
    ASSERT_TRUE(slave.running());
    runtimetest::Project project("online_crc");
    CDeviceMemory memory(project.slots);
    const MemoryKey k = memory.KeyOf(point(1, "4x", "2", kSizeWord, 1)).value();
    const MemoryKey zero = memory.KeyOf(point(1, "4x", "2", kSizeWord, 0)).value();
    slave.command("set hr 1 31");
    COnlinePlc plc(1, endpointOf(slave, false), quick());
    plc.SetPoints({k, zero});
    ASSERT_TRUE(plc.WaitForScan(3s));
    EXPECT_EQ(plc.Read(k), 31u);
    EXPECT_NE(plc.FailureOf(zero).find("0 is the broadcast"), std::string::npos)
            << "station 0 is never asked on a serial line";
    slave.command("garbage on");
    ASSERT_TRUE(plc.WaitForScan(2s));
    ASSERT_TRUE(plc.WaitForScan(2s));
    EXPECT_TRUE(plc.Failed(k));
    EXPECT_EQ(plc.FailureOf(k), "station 1, 4x2: CRC error");
    slave.command("set hr 1 32");
    slave.command("garbage off");
    for (int i = 0; i < 200 && (plc.Failed(k) || plc.Read(k) != 32u); ++i)
        std::this_thread::sleep_for(10ms);
    EXPECT_FALSE(plc.Failed(k));
    EXPECT_EQ(plc.Read(k), 32u);
}

TEST(OnlineChannels, OnlyModbusChannelsGoOnline)
{
    runtimetest::Project project("online_refuse");
    EXPECT_FALSE(channelRefusal(project.doc, 1));
    EXPECT_EQ(channelRefusal(project.doc, 2).value_or(""), "channel 2 has no PLC");
    project.slots.BindChannel(2, project.folder.config.plcList(2), plctest::kLetterType, 0,
                              project.folder.config.protocolsDir());
    EXPECT_NE(channelRefusal(project.doc, 2).value_or("").find("not a Modbus PLC"),
              std::string::npos);
    EXPECT_TRUE(channelRefusal(project.doc, 3));
    CDeviceMemory memory(project.slots);
    COnlineChannels online(memory, project.doc);
    std::string error;
    EXPECT_FALSE(online.Connect(2, LinkEndpoint{}, quick(), error));
    EXPECT_FALSE(memory.IsOnline(2));
}

} // namespace
