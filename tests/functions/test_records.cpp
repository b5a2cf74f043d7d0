// Byte layouts of the five common-function records and the value rule they share.

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/functions/value_type.h"
#include "core/model/dorvane_doc.h"
#include "core/plc/plc_slots.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace core;

namespace {

template<std::size_t N>
std::string textAt(const std::array<std::uint8_t, N> &raw, std::size_t offset)
{
    return std::string(reinterpret_cast<const char *>(raw.data() + offset));
}

} // namespace

TEST(AlarmRecord, DefaultIsBitZeroOfThePanelWithAlarmOnMessage)
{
    const auto raw = CAlarmRecord::Default().Bytes();
    EXPECT_EQ(textAt(raw, 0), "0");
    EXPECT_EQ(raw[40], 1); // data kind, little-endian
    EXPECT_EQ(raw[41], 0);
    EXPECT_EQ(raw[44], 1); // count
    EXPECT_EQ(raw[58], 0); // channel S
    EXPECT_EQ(raw[62], 1); // condition On, message kept, no buzzer
    EXPECT_EQ(raw[63], 0);
    EXPECT_EQ(textAt(raw, 66), "Alarm On");
}

TEST(AlarmRecord, DownloadFormSwapsNumbersAfterTheAddressField)
{
    CAlarmRecord r = CAlarmRecord::Default();
    r.SetFlags(0x0201);
    r.SetBuzzerSeconds(5);
    util::setLe16(r.Bytes(), 58, 1);
    util::setLe16(r.Bytes(), 60, 3);
    const auto panel = r.DownloadForm();
    EXPECT_EQ(panel[0], '0'); // the field stays as the driver built it
    EXPECT_EQ(panel[40], 0);
    EXPECT_EQ(panel[41], 1);
    EXPECT_EQ(panel[58], 0);
    EXPECT_EQ(panel[59], 1);
    EXPECT_EQ(panel[61], 3);
    EXPECT_EQ(panel[62], 0x02);
    EXPECT_EQ(panel[63], 0x01);
    EXPECT_EQ(panel[64], 0);
    EXPECT_EQ(panel[65], 5);
    EXPECT_EQ(textAt(panel, 66), "Alarm On");
    EXPECT_EQ(CAlarmRecord::FromDownloadForm(panel), r);
}

TEST(AlarmRecord, MessageOfThirtySevenBytesKeepsItsTerminator)
{
    CAlarmRecord r;
    const std::string text(37, 'M');
    r.SetMessage(text);
    EXPECT_EQ(r.Message(), text);
    EXPECT_EQ(r.Bytes()[66 + 37], 0);
    r.SetMessage(std::string(40, 'X')); // never runs over into the next record
    EXPECT_EQ(r.Message().size(), 37u);
}

TEST(CalcRecord, DefaultOperandsAreUnsignedDecimalWords)
{
    const CCalcRecord r = CCalcRecord::Default();
    for (std::size_t block : {0u, 62u, 124u}) {
        EXPECT_EQ(textAt(r.Bytes(), block), "0");
        EXPECT_EQ(util::le16(r.Bytes(), block + 40), 2);
        EXPECT_EQ(util::le16(r.Bytes(), block + 44), 1);
        EXPECT_EQ(util::le16(r.Bytes(), block + 46), 0);
        EXPECT_EQ(util::le32(r.Bytes(), block + 50), 0u);
        EXPECT_EQ(util::le32(r.Bytes(), block + 54), 65535u);
    }
    EXPECT_EQ(util::le16(r.Bytes(), 190 + 40), 1);
    EXPECT_EQ(util::le16(r.Bytes(), 190 + 44), 1);
    EXPECT_EQ(r.Operator(), 0);
    EXPECT_EQ(r.Condition(), 0);
}

TEST(CalcRecord, DownloadFormSwapsAllFourBlocksAndTheTwoWords)
{
    CCalcRecord r = CCalcRecord::Default();
    r.SetOperator(12);
    r.SetCondition(3);
    r.SetBlockType(CCalcRecord::kResult, ValueType{kDataWord, kFormatDec, true});
    const auto panel = r.DownloadForm();
    EXPECT_EQ(panel[186], 0);
    EXPECT_EQ(panel[187], 12);
    EXPECT_EQ(panel[189], 3);
    // -32768 as a big-endian 32-bit minimum, 32767 as the maximum
    EXPECT_EQ(util::be32(panel, 124 + 50), 0xFFFF8000u);
    EXPECT_EQ(util::be32(panel, 124 + 54), 32767u);
    EXPECT_EQ(util::be16(panel, 190 + 40), 1);
    EXPECT_EQ(CCalcRecord::FromDownloadForm(panel), r);
    EXPECT_STREQ(CCalcRecord::OperatorText(7), "^");
    EXPECT_STREQ(CCalcRecord::OperatorText(12), "==");
}

TEST(TransRecord, LayoutAndDownloadForm)
{
    CPlcSlots slots;
    slots.slot(1).SetType(1); // a PLC without plugin: built-in address rules
    slots.slot(1).SetStation(4);
    CTransRecord r = CTransRecord::Default(slots);
    EXPECT_EQ(r.Direction(), CTransRecord::kToPanel);
    EXPECT_EQ(r.DataSize(), 2);
    EXPECT_EQ(util::le16(r.Bytes(), 58), 1); // PLC block on channel 1
    EXPECT_EQ(util::le16(r.Bytes(), 60), 4);
    EXPECT_EQ(util::le16(r.Bytes(), 40), 0); // only address, bit, channel, station are set
    EXPECT_EQ(r.PanelAddress(), "0");
    EXPECT_EQ(util::le16(r.Bytes(), 130 + 40), 1);
    r.SetDataSize(899);
    const auto panel = r.DownloadForm();
    EXPECT_EQ(util::be16(panel, 126), 899);
    EXPECT_EQ(util::be16(panel, 58), 1);
    EXPECT_EQ(CTransRecord::FromDownloadForm(panel), r);
}

TEST(TransRecord, DefaultFallsBackToChannelTwo)
{
    CPlcSlots slots;
    slots.slot(2).SetType(7);
    EXPECT_EQ(util::le16(CTransRecord::Default(slots).Bytes(), 58), 2);
}

TEST(TransRecord, PanelAreaLimitDependsOnTheDirection)
{
    EXPECT_TRUE(CTransRecord::FitsPanelArea(CTransRecord::kToPlc, 990, 10));
    EXPECT_FALSE(CTransRecord::FitsPanelArea(CTransRecord::kToPlc, 990, 11));
    EXPECT_TRUE(CTransRecord::FitsPanelArea(CTransRecord::kToPanel, 890, 10));
    EXPECT_FALSE(CTransRecord::FitsPanelArea(CTransRecord::kToPanel, 890, 11));
}

TEST(ReserveRecord, BcdFieldsAndDownloadForm)
{
    EXPECT_EQ(CReserveRecord::ToBcd(2026), 0x2026);
    EXPECT_EQ(CReserveRecord::ToBcd(59), 0x59);
    EXPECT_EQ(CReserveRecord::FromBcd(0x2026), 2026u);
    EXPECT_EQ(CReserveRecord::FromBcd(0x0009), 9u);

    CReserveRecord r;
    r.SetWord(CReserveRecord::kRepeat, CReserveRecord::kWeekly);
    r.SetWord(CReserveRecord::kDay, 0x2A);
    r.SetWord(CReserveRecord::kHour, 0x23);
    r.SetWord(CReserveRecord::kCondition, 2);
    const auto panel = r.DownloadForm();
    EXPECT_EQ(util::be16(panel, 62), 2);
    EXPECT_EQ(util::be16(panel, 68), 0x2A);
    EXPECT_EQ(util::be16(panel, 70), 0x23);
    EXPECT_EQ(util::be16(panel, 78), 2);
    EXPECT_EQ(CReserveRecord::FromDownloadForm(panel), r);
}

TEST(FuncKeyRecord, LayoutAndDownloadForm)
{
    CFuncKeyRecord r = CFuncKeyRecord::Default();
    EXPECT_EQ(textAt(r.Bytes(), 0), "0");
    EXPECT_EQ(util::le16(r.Bytes(), 40), 2);
    EXPECT_EQ(util::le16(r.Bytes(), 44), 1);
    EXPECT_EQ(util::le32(r.Bytes(), 54), 65535u);
    r.SetFunction(CFuncKeyRecord::kScreenChange);
    r.SetValue(999);
    r.SetPassword(true);
    const auto panel = r.DownloadForm();
    EXPECT_EQ(util::be16(panel, 62), 1);
    EXPECT_EQ(util::be16(panel, 64), 5);
    EXPECT_EQ(util::be32(panel, 66), 999u);
    EXPECT_EQ(CFuncKeyRecord::FromDownloadForm(panel), r);
    EXPECT_EQ(CFuncKeyRecord::KeyTitle(0), "[ 기능키 F1 ]");
    EXPECT_EQ(CFuncKeyRecord::KeyTitle(7), "[ 기능키 우(▶) ]");
}

TEST(ValueType, RangeTable)
{
    EXPECT_EQ(ValueType({kDataWord, kFormatDec, true}).Min(), 0xFFFF8000u);
    EXPECT_EQ(ValueType({kDataLong, kFormatDec, true}).Min(), 0x80000000u);
    EXPECT_EQ(ValueType({kDataLong, kFormatDec, false}).Max(), 4294967295u);
    EXPECT_EQ(ValueType({kDataWord, kFormatHex, true}).Min(), 0u); // sign only counts for DEC
    EXPECT_EQ(ValueType({kDataWord, kFormatBcd, false}).Max(), 39321u);
    EXPECT_EQ(ValueType({kDataLong, kFormatBcd, false}).Max(), 0x99999999u);
}

TEST(ValueType, ParsesInTheFormatWithinTheRange)
{
    const ValueType wordSigned{kDataWord, kFormatDec, true};
    const ValueType wordUnsigned{kDataWord, kFormatDec, false};
    const ValueType wordBcd{kDataWord, kFormatBcd, false};
    EXPECT_EQ(wordSigned.Parse("-1"), 0xFFFFFFFFu);
    EXPECT_FALSE(wordUnsigned.Parse("-1"));
    EXPECT_EQ(wordSigned.Parse("-32768"), 0xFFFF8000u);
    EXPECT_FALSE(wordSigned.Parse("-32769"));
    EXPECT_FALSE(wordSigned.Parse("32768"));
    EXPECT_EQ(wordUnsigned.Parse("65535"), 65535u);
    EXPECT_FALSE(wordUnsigned.Parse("65536"));
    EXPECT_EQ(wordBcd.Parse("9999"), 0x9999u);
    EXPECT_FALSE(wordBcd.Parse("A000"));
    EXPECT_FALSE(wordBcd.Parse("10000"));
    EXPECT_EQ(ValueType({kDataWord, kFormatHex, false}).Parse("ffff"), 0xFFFFu);
    EXPECT_FALSE(ValueType({kDataWord, kFormatHex, false}).Parse("10000"));
    EXPECT_EQ(ValueType({kDataLong, kFormatDec, true}).Parse("-2147483648"), 0x80000000u);
    EXPECT_EQ(ValueType({kDataLong, kFormatDec, false}).Parse("4294967295"), 0xFFFFFFFFu);
    EXPECT_FALSE(ValueType({kDataLong, kFormatDec, false}).Parse("4294967296"));
    EXPECT_FALSE(ValueType({kDataLong, kFormatDec, false}).Parse("99999999999999999999999"));
    EXPECT_FALSE(wordUnsigned.Parse(""));
    EXPECT_FALSE(wordUnsigned.Parse("1 2"));
    EXPECT_FALSE(wordSigned.Parse("-"));
}

// The document keeps each list as raw records of exactly these layouts.
static_assert(std::is_same_v<CCalcRecord::Raw, CalcRecord>);
static_assert(std::is_same_v<CTransRecord::Raw, TransferRecord>);
static_assert(std::is_same_v<CReserveRecord::Raw, ReservationRecord>);
static_assert(std::is_same_v<CFuncKeyRecord::Raw, FunctionKeyRecord>);
