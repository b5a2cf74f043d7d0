// The demo project as a user first meets it: channel 1 talks Modbus RTU, every address (of tags,
// function keys and the common functions) is one its channel's driver accepts, what the project
// refers to (messages, images, screens) exists, the tags fit the display without covering each
// other, and the built demo goes to the panel simulator and comes back unchanged.

#include "comm/sim_process.h"

#include "core/app/app_services.h"
#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_block.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/plc/panel_params.h"
#include "core/project_json/project_json.h"
#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"
#include "util/file_io.h"

#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <set>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;

namespace {

const std::string kDir = DORVANE_RUNTIME_DIR;

std::int32_t addrKind(const CPointInfo &point)
{
    return point.m_dataSize == kSizeBit ? kAddrBit : point.ByteWidth();
}

// Empty when the channel's driver refuses the texts.
std::string checked(const CPlcSlots &slots, std::uint16_t channel, std::int32_t kind,
                    const std::string &area, std::string number)
{
    if (number.empty() || slots.slot(channel).ValidCheck(kind, area, number) != 0)
        return {};
    return area + number;
}

// The address of a record's block as its channel's driver reads it back and checks it again;
// empty when either step refuses it.
std::string blockAddress(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t block,
                         std::int32_t kind)
{
    const std::uint16_t channel = util::le16(record, block + devblock::kChannel);
    std::string area, number;
    std::uint16_t bit = 0;
    if (slots.slot(channel).BuildUpAddr(kind, devblock::field(record, block), area, number, bit)
        != 2)
        return {};
    return checked(slots, channel, kind, area, number);
}

bool overlap(const CRect &a, const CRect &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class DemoProject : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_app.Load(kDir, 0x412);
        std::string error;
        m_doc = support::importDemoProject(m_app, error);
        ASSERT_TRUE(m_doc) << error;
    }

    const CPlcSlots &slots() { return m_doc->Slots(); }

    CAppServices m_app;
    std::unique_ptr<CDorvaneDoc> m_doc;
};

} // namespace

TEST_F(DemoProject, ChannelOneIsTheModbusPlcAtStationOne)
{
    const CPlcInfo *modbus = findPlcByName(m_app.Config().plcList(1), "MODBUS RTU");
    ASSERT_NE(modbus, nullptr);
    const CChannelParams ch1 = CPanelParams(m_doc->Parameters()).Channel(1);
    EXPECT_EQ(ch1.PlcType(), modbus->type);
    EXPECT_EQ(ch1.RemoteStation(), 1);
    EXPECT_TRUE(slots().slot(1).HasModule()) << "the driver plugin is loaded";
    EXPECT_EQ(slots().slot(1).DeviceKind(), kDevicePlc);
    EXPECT_EQ(CPanelParams(m_doc->Parameters()).Channel(2).PlcType(), 0);
}

TEST_F(DemoProject, EveryTagAddressIsOneItsDriverAccepts)
{
    const std::uint16_t station = CPanelParams(m_doc->Parameters()).Channel(1).RemoteStation();
    int plcPoints = 0, panelPoints = 0;
    for (const auto &screen : m_doc->Screens())
        for (const auto &tag : screen->Tags())
            for (const CPointInfo *point : devicePoints(*tag)) {
                SCOPED_TRACE("screen " + std::to_string(screen->Number()) + ", tag kind "
                             + std::to_string(tag->Kind()) + " at "
                             + std::to_string(tag->Rect().left) + ","
                             + std::to_string(tag->Rect().top));
                ASSERT_LE(point->m_channel, 1) << "channel 2 has no PLC";
                const std::string address = checked(slots(), point->m_channel, addrKind(*point),
                                                    point->m_address, point->m_second);
                EXPECT_FALSE(address.empty()) << point->m_address << point->m_second;
                if (point->m_channel == 1) {
                    ++plcPoints;
                    EXPECT_FALSE(point->m_address.empty()) << "a Modbus area is named";
                    EXPECT_EQ(point->m_station, station);
                } else {
                    ++panelPoints;
                }
                // What the operator writes must land in a writable area, never on a system word.
                const auto *digit = dynamic_cast<const CDigitTag *>(tag.get());
                if (dynamic_cast<const CButtonTag *>(tag.get()) || (digit && digit->IsWritable())) {
                    std::uint32_t readOnly = 1;
                    slots().slot(point->m_channel)
                            .GetAreaReadOnly(addrKind(*point), point->m_address, readOnly);
                    EXPECT_EQ(readOnly, 0u) << address;
                    if (point->m_channel == 0) {
                        EXPECT_LT(std::stoul(point->m_second), 900u) << address;
                    }
                }
            }
    EXPECT_GE(plcPoints, 20);
    EXPECT_GE(panelPoints, 5);
}

TEST_F(DemoProject, TagsFitTheDisplayAndDoNotCoverEachOther)
{
    for (const auto &screen : m_doc->Screens()) {
        const auto &tags = screen->Tags();
        for (std::size_t i = 0; i < tags.size(); ++i) {
            const CRect r = tags[i]->Rect();
            SCOPED_TRACE("screen " + std::to_string(screen->Number()) + ", tag at "
                         + std::to_string(r.left) + "," + std::to_string(r.top));
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= kPanelWidth
                        && r.bottom <= kPanelHeight)
                    << r.right << "," << r.bottom;
            for (std::size_t j = i + 1; j < tags.size(); ++j)
                EXPECT_FALSE(overlap(r, tags[j]->Rect()))
                        << "with the tag at " << tags[j]->Rect().left << "," << tags[j]->Rect().top;
        }
    }
}

// The demo carries every tag kind, so that a transfer of it exercises every record form.
TEST_F(DemoProject, HoldsEveryTagKind)
{
    std::set<int> kinds;
    for (const auto &screen : m_doc->Screens())
        for (const auto &tag : screen->Tags())
            kinds.insert(tag->Kind());
    EXPECT_EQ(int(kinds.size()), kTagKindCount);
}

TEST_F(DemoProject, MessagesImagesAndScreensReferredToExist)
{
    int entries = 0;
    for (const auto &screen : m_doc->Screens()) {
        SCOPED_TRACE("screen " + std::to_string(screen->Number()));
        EXPECT_NE(m_doc->FindScreen(screen->NextScreen()), nullptr);
        EXPECT_NE(m_doc->FindScreen(screen->PrevScreen()), nullptr);
        for (const auto &tag : screen->Tags()) {
            if (const auto *message = dynamic_cast<const CMessageTag *>(tag.get()))
                for (const MessageEntry &entry : message->Entries()) {
                    ++entries;
                    EXPECT_TRUE(m_doc->Strings().Exists(entry.message)) << entry.message;
                }
            for (std::uint16_t id : tag->ImageIds()) {
                EXPECT_NE(m_doc->Images().Find(id), nullptr) << id;
                EXPECT_TRUE(util::fileExists(kDir + "/Images/" + std::to_string(id) + ".bmp"))
                        << "image " << id << " comes from the program folder's library";
            }
        }
    }
    EXPECT_GE(entries, 3);
}

TEST_F(DemoProject, FunctionKeysChangeScreensOrReachValidAddresses)
{
    int screenChanges = 0, deviceKeys = 0;
    for (const auto &screen : m_doc->Screens())
        for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
            SCOPED_TRACE("screen " + std::to_string(screen->Number()) + ", key "
                         + std::to_string(k));
            const CFuncKeyRecord key(screen->FunctionKey(k));
            if (key.Function() == CFuncKeyRecord::kScreenChange) {
                ++screenChanges;
                EXPECT_NE(m_doc->FindScreen(std::uint16_t(key.Value())), nullptr) << key.Value();
            } else if (key.Function() != CFuncKeyRecord::kNotUsed) {
                ++deviceKeys;
                EXPECT_EQ(key.Channel(), 1);
                EXPECT_FALSE(
                        blockAddress(slots(), key.Bytes(), CFuncKeyRecord::kBlock, key.AddrKind())
                                .empty());
            }
        }
    EXPECT_GT(screenChanges, 0);
    EXPECT_GT(deviceKeys, 0);
}

TEST_F(DemoProject, CommonFunctionsUseValidAddresses)
{
    ASSERT_FALSE(m_doc->Alarms().empty());
    for (const AlarmRecord &alarm : m_doc->Alarms()) {
        const CAlarmRecord record(alarm);
        SCOPED_TRACE(record.Message());
        EXPECT_EQ(util::le16(alarm, devblock::kChannel), 1) << "alarms watch bits of the PLC";
        EXPECT_FALSE(blockAddress(slots(), alarm, CAlarmRecord::kBlock, kAddrBit).empty());
        EXPECT_FALSE(record.Message().empty());
    }
    ASSERT_FALSE(m_doc->Calculations().empty());
    for (const CalcRecord &calc : m_doc->Calculations()) {
        const std::int32_t kind = util::le16(calc, CCalcRecord::kResult + devblock::kDataKind) == 3
                ? kAddrDWord
                : kAddrWord;
        for (std::size_t block : {CCalcRecord::kOperand1, CCalcRecord::kOperand2})
            if (util::le16(calc, block + devblock::kChannel) != devblock::kConstantChannel) {
                EXPECT_FALSE(blockAddress(slots(), calc, block, kind).empty()) << block;
            }
        EXPECT_FALSE(blockAddress(slots(), calc, CCalcRecord::kResult, kind).empty());
        EXPECT_FALSE(blockAddress(slots(), calc, CCalcRecord::kStart, kAddrBit).empty());
    }
    ASSERT_FALSE(m_doc->Transfers().empty());
    for (const TransferRecord &transfer : m_doc->Transfers()) {
        EXPECT_NE(util::le16(transfer, CTransRecord::kPlcBlock + devblock::kChannel), 0);
        EXPECT_FALSE(blockAddress(slots(), transfer, CTransRecord::kPlcBlock, kAddrWord).empty());
        EXPECT_FALSE(blockAddress(slots(), transfer, CTransRecord::kStart, kAddrBit).empty());
        std::string panel = devblock::fieldText(transfer, CTransRecord::kPanelBlock);
        ASSERT_FALSE(checked(slots(), 0, kAddrWord, "", panel).empty()) << panel;
        // Words the PLC fills must stay below the system words.
        EXPECT_LT(std::stoul(panel) + util::le16(transfer, CTransRecord::kDataSize), 901u);
    }
    for (const ReservationRecord &reservation : m_doc->Reservations()) {
        EXPECT_FALSE(
                blockAddress(slots(), reservation, CReserveRecord::kExecBlock, kAddrBit).empty());
        EXPECT_FALSE(blockAddress(slots(), reservation, CReserveRecord::kStart, kAddrBit).empty());
    }
}

// The demo the build lays out in the program folder goes to the panel and comes back unchanged.
TEST(DemoProjectOnThePanel, DownloadThenUploadGivesTheSameFile)
{
    char tmpl[] = "/tmp/dorvane-demo-XXXXXX";
    const std::string dir = ::mkdtemp(tmpl);
    testsupport::SimProcess sim;
    ASSERT_TRUE(sim.start());
    const std::string demo = kDir + "/Project/Demo.kvr", back = dir + "/back.kvr";
    const std::string cli = "'" + kDir + "/dorvane-cli' ";
    const std::string port = " --yes --port '" + sim.port() + "' >/dev/null 2>&1";
    const auto run = [](const std::string &cmd) {
        const int s = std::system(cmd.c_str());
        return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    };
    EXPECT_EQ(run(cli + "download '" + demo + "'" + port), 0);
    EXPECT_EQ(run(cli + "upload -o '" + back + "'" + port), 0);
    EXPECT_EQ(util::readFile(back), util::readFile(demo));
    std::filesystem::remove_all(dir);
}
