// The map of the panel's internal words that the project reads and writes.

#include "functions_test_support.h"

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_addr.h"
#include "core/functions/device_block.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/model/screen_data.h"
#include "core/plc/panel_params.h"
#include "core/presenters/used_sys_mem_dlg.h"
#include "core/tags/digit_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/point_tag.h"
#include "core/tags/tag_factory.h"
#include "core/tags/tag_kinds.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class UsedSysMemTest : public ::testing::Test
{
protected:
    UsedSysMemTest() { EXPECT_EQ(p.doc.AddScreen(0, &screen), kScreenOk); }

    // Builds a panel (or channel) address into a record's block.
    template<std::size_t N>
    void build(std::array<std::uint8_t, N> &record, std::size_t block, std::int32_t kind,
               const std::string &number, std::uint16_t channel = 0)
    {
        CDeviceAddr addr;
        addr.channel = channel;
        addr.number = number;
        addr.BuildInto(t.plcSlots, record, block, kind);
    }

    CPointInfo &addTag(int kind)
    {
        CTag *tag = nullptr;
        EXPECT_EQ(screen->AddTag(createTag(kind), false, &tag), kTagOk);
        if (kind == kTagDigit)
            return static_cast<CDigitTag *>(tag)->Point();
        if (kind == kTagMessage)
            return static_cast<CMessageTag *>(tag)->Point();
        return static_cast<CPointTag *>(tag)->Point();
    }

    static void place(CPointInfo &point, const std::string &number, std::uint16_t size = kSizeWord,
                      std::uint16_t channel = 0)
    {
        point.m_second = number;
        point.m_dataSize = size;
        point.m_channel = channel;
    }

    fntest::Env t;
    fntest::Project p;
    CScreenData *screen = nullptr;
};

TEST_F(UsedSysMemTest, GridHeadersAndCellTexts)
{
    EXPECT_EQ(CUsedSysMemDlg::RowHeader(0), "S000");
    EXPECT_EQ(CUsedSysMemDlg::RowHeader(49), "S980");
    EXPECT_EQ(CUsedSysMemDlg::ColumnHeader(0), "+00");
    EXPECT_EQ(CUsedSysMemDlg::ColumnHeader(19), "+19");

    CUsedSysMemDlg map;
    map.Mark("999", CUsedSysMemDlg::kDWord, CUsedSysMemDlg::kRead);
    EXPECT_EQ(map.CellText(49, 19), "R"); // S980 +19; word 1000 lies outside
    map.Mark("-3", CUsedSysMemDlg::kWord, CUsedSysMemDlg::kWrite);
    map.Mark("abc", CUsedSysMemDlg::kWord, CUsedSysMemDlg::kWrite);
    EXPECT_EQ(map.CellText(0), "W"); // no leading digits: word 0; the negative one marked nothing
    map.Mark("7", CUsedSysMemDlg::kBit, CUsedSysMemDlg::kRead); // one character: word 0
    EXPECT_EQ(map.CellText(0), "R/W");
    map.Mark("1234", CUsedSysMemDlg::kBit, CUsedSysMemDlg::kWrite); // word 123, bit 4
    EXPECT_EQ(map.CellText(123), "W");
    map.Mark("5000", CUsedSysMemDlg::kWord, CUsedSysMemDlg::kWrite);
    EXPECT_EQ(map.CellText(1000), "");
}

TEST_F(UsedSysMemTest, TagsAndFunctionKeysOfEveryScreen)
{
    place(addTag(kTagDigit), "10"); // shows only: read
    CPointInfo &input = addTag(kTagDigit);
    place(input, "10");
    static_cast<CDigitTag *>(screen->Tags().back().get())->SetWritable(true);
    place(addTag(kTagButton), "125", kSizeBit); // bit 5 of word 12
    place(addTag(kTagLamp), "12", kSizeWord);
    place(addTag(kTagMessage), "30", kSizeDWord);
    place(addTag(kTagMessage), "40", kSizeWord, 1); // a PLC's word, not the panel's
    CTag *mobile = nullptr;
    ASSERT_EQ(screen->AddTag(createTag(kTagMobile), false, &mobile), kTagOk);
    place(static_cast<CMobileTag *>(mobile)->XPoint(), "50");
    place(static_cast<CMobileTag *>(mobile)->YPoint(), "51");
    CTag *text = nullptr;
    ASSERT_EQ(screen->AddTag(createTag(kTagText), false, &text), kTagOk);

    CFuncKeyRecord key = CFuncKeyRecord::Default();
    key.SetFunction(CFuncKeyRecord::kBitControl);
    build(key.Bytes(), CFuncKeyRecord::kBlock, kAddrBit, "605");
    screen->FunctionKey(0) = key.Bytes();
    CFuncKeyRecord change = CFuncKeyRecord::Default();
    change.SetFunction(CFuncKeyRecord::kScreenChange);
    build(change.Bytes(), CFuncKeyRecord::kBlock, kAddrWord, "70");
    CScreenData *second = nullptr;
    ASSERT_EQ(p.doc.AddScreen(3, &second), kScreenOk);
    second->FunctionKey(1) = change.Bytes();

    const CUsedSysMemDlg map(p.doc);
    EXPECT_EQ(map.CellText(10), "R/W");
    EXPECT_EQ(map.CellText(12), "R/W");
    EXPECT_EQ(map.CellText(30), "R");
    EXPECT_EQ(map.CellText(31), "R");
    EXPECT_EQ(map.CellText(40), "");
    EXPECT_EQ(map.CellText(50), "R");
    EXPECT_EQ(map.CellText(51), "R");
    EXPECT_EQ(map.CellText(60), "W");
    EXPECT_EQ(map.CellText(70), ""); // a screen-change key has no device
    int marked = 0;
    for (int w = 0; w < CUsedSysMemDlg::kWords; ++w)
        marked += map.At(w) != CUsedSysMemDlg::kNone;
    EXPECT_EQ(marked, 7);
}

TEST_F(UsedSysMemTest, ParameterLinksAndCommonFunctionLists)
{
    CPanelParams params(p.doc.Parameters());
    std::uint16_t bit = 0;
    PanelAddrGroup link;
    link.on = true;
    t.plcSlots.slot(0).BuildDownAddr(kAddrWord, "", "95", bit, link.field);
    params.SetAddrGroup(CPanelParams::kScreenChange, link);
    link.on = false; // a link that is off marks nothing
    t.plcSlots.slot(0).BuildDownAddr(kAddrWord, "", "96", bit, link.field);
    params.SetAddrGroup(CPanelParams::kScreenTransfer, link);
    p.doc.Parameters() = params.Bytes();

    CAlarmRecord alarm = CAlarmRecord::Default();
    build(alarm.Bytes(), CAlarmRecord::kBlock, kAddrBit, "405");
    p.doc.Alarms().push_back(alarm.Bytes());

    CCalcRecord always = CCalcRecord::Default();
    build(always.Bytes(), CCalcRecord::kStart, kAddrBit, "415"); // condition always: unused
    build(always.Bytes(), CCalcRecord::kOperand1, kAddrWord, "100");
    build(always.Bytes(), CCalcRecord::kOperand2, kAddrWord, "101");
    build(always.Bytes(), CCalcRecord::kResult, kAddrWord, "102");
    p.doc.Calculations().push_back(always.Bytes());
    CCalcRecord wide = CCalcRecord::Default();
    util::setLe16(wide.Bytes(), CCalcRecord::kCondition, 1);
    build(wide.Bytes(), CCalcRecord::kStart, kAddrBit, "425");
    for (std::size_t block : {CCalcRecord::kOperand1, CCalcRecord::kOperand2, CCalcRecord::kResult})
        util::setLe16(wide.Bytes(), block + devblock::kDataKind, 3);
    build(wide.Bytes(), CCalcRecord::kOperand1, kAddrDWord, "110");
    util::setLe16(wide.Bytes(), CCalcRecord::kOperand2 + devblock::kChannel,
                  devblock::kConstantChannel);
    devblock::setFieldText(wide.Bytes(), CCalcRecord::kOperand2, "5");
    build(wide.Bytes(), CCalcRecord::kResult, kAddrDWord, "120");
    p.doc.Calculations().push_back(wide.Bytes());

    CTransRecord toPanel = CTransRecord::Default(t.plcSlots);
    devblock::setFieldText(toPanel.Bytes(), CTransRecord::kPanelBlock, "200");
    util::setLe16(toPanel.Bytes(), CTransRecord::kDataSize, 3);
    p.doc.Transfers().push_back(toPanel.Bytes());
    CTransRecord toPlc = toPanel;
    util::setLe16(toPlc.Bytes(), CTransRecord::kDirection, 1);
    devblock::setFieldText(toPlc.Bytes(), CTransRecord::kPanelBlock, "998");
    util::setLe16(toPlc.Bytes(), CTransRecord::kDataSize, 5);
    util::setLe16(toPlc.Bytes(), CTransRecord::kCondition, 2);
    build(toPlc.Bytes(), CTransRecord::kStart, kAddrBit, "435");
    p.doc.Transfers().push_back(toPlc.Bytes());

    CReserveRecord reservation;
    build(reservation.Bytes(), CReserveRecord::kExecBlock, kAddrBit, "445");
    build(reservation.Bytes(), CReserveRecord::kStart, kAddrBit, "455"); // always: unused
    p.doc.Reservations().push_back(reservation.Bytes());

    const CUsedSysMemDlg map(p.doc);
    EXPECT_EQ(map.CellText(95), "R");
    EXPECT_EQ(map.CellText(96), "");
    EXPECT_EQ(map.CellText(40), "R");
    EXPECT_EQ(map.CellText(41), "");
    EXPECT_EQ(map.CellText(42), "R");
    EXPECT_EQ(map.CellText(100), "R");
    EXPECT_EQ(map.CellText(101), "R");
    // The panel stores a calculation's result.
    EXPECT_EQ(map.CellText(102), "W");
    EXPECT_EQ(map.CellText(110), "R");
    EXPECT_EQ(map.CellText(111), "R");
    EXPECT_EQ(map.CellText(120), "W");
    EXPECT_EQ(map.CellText(121), "W");
    EXPECT_EQ(map.CellText(5), ""); // the constant 5 is no address
    for (int w : {200, 201, 202})
        EXPECT_EQ(map.CellText(w), "W") << w; // PLC to panel: the panel's words are written
    EXPECT_EQ(map.CellText(203), "");
    EXPECT_EQ(map.CellText(43), "R");
    EXPECT_EQ(map.CellText(998), "R");
    EXPECT_EQ(map.CellText(999), "R"); // the words beyond 999 are left out
    EXPECT_EQ(map.CellText(44), "W");
    EXPECT_EQ(map.CellText(45), "");
}

} // namespace
