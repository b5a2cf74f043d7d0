// The running panel: function keys, passwords, touch buttons, numeric entry, the screen links,
// alarms into a history the editor's reader understands, calculations, block transfers,
// reservations and trend samples.

#include "runtime_test_support.h"

#include "core/comm/alarm_history.h"
#include "core/download/global_area.h"
#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/func_key_record.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"
#include "core/runtime/panel_runtime.h"
#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"

#include <gtest/gtest.h>

using namespace core;
using runtimetest::point;

namespace {

std::tm at(int year, int month, int day, int hour, int minute, int second)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

class PanelRuntime : public ::testing::Test
{
protected:
    std::uint32_t word(const char *number) { return m_run->Value(point(0, "", number)); }
    std::uint32_t bit(const char *number) { return m_run->Value(point(0, "", number, kSizeBit)); }
    void set(const char *assignment) { ASSERT_TRUE(m_run->Memory().ApplySet(assignment).ok()); }

    void key(std::size_t k, std::uint16_t function, std::uint32_t value, const std::string &number,
             ValueType type = {}, bool password = false)
    {
        CFuncKeyRecord rec = CFuncKeyRecord::Default();
        rec.SetFunction(function);
        rec.SetValue(value);
        rec.SetPassword(password);
        if (function == CFuncKeyRecord::kBitControl) {
            m_project.address(rec.Bytes(), 0, kAddrBit, 0, "", number);
        } else if (function != CFuncKeyRecord::kScreenChange) {
            m_project.address(rec.Bytes(), 0, type.AddrKind(), 0, "", number);
            rec.SetType(type);
        }
        m_project.screen(0).FunctionKey(k) = rec.Bytes();
    }
    void start() { m_run = std::make_unique<CPanelRuntime>(m_project.doc); }
    void answer(std::optional<std::string> password)
    {
        m_asked = 0;
        m_run->SetPanelPassword("1234");
        m_run->SetPasswordPrompt([this, password] {
            ++m_asked;
            return password;
        });
    }

    runtimetest::Project m_project{"run"};
    std::unique_ptr<CPanelRuntime> m_run;
    int m_asked = 0;
};

TEST_F(PanelRuntime, BitKeysSwitchHoldAndToggle)
{
    key(kKeyF1, CFuncKeyRecord::kBitControl, CFuncKeyRecord::kBitOn, "100");
    key(kKeyF2, CFuncKeyRecord::kBitControl, CFuncKeyRecord::kBitOff, "100");
    key(kKeyF3, CFuncKeyRecord::kBitControl, CFuncKeyRecord::kBitToggle, "101");
    key(kKeyF4, CFuncKeyRecord::kBitControl, CFuncKeyRecord::kBitMomentary, "102");
    start();
    EXPECT_EQ(m_run->PressKey(kKeyF1), RuntimeResult::Ok);
    m_run->ReleaseKey(kKeyF1);
    EXPECT_EQ(bit("100"), 1u);
    m_run->PressKey(kKeyF2);
    EXPECT_EQ(bit("100"), 0u);
    m_run->PressKey(kKeyF3);
    EXPECT_EQ(bit("101"), 1u);
    m_run->PressKey(kKeyF3);
    EXPECT_EQ(bit("101"), 0u);
    m_run->PressKey(kKeyF4);
    EXPECT_EQ(bit("102"), 1u);
    m_run->ReleaseKey(kKeyF4);
    EXPECT_EQ(bit("102"), 0u);
    m_run->PressKey(kKeyF3);
    EXPECT_EQ(word("10"), 0b10u) << "bits of word 10, the others untouched";
    EXPECT_EQ(m_run->PressKey(kKeyUp), RuntimeResult::NoTarget);
    EXPECT_EQ(m_run->PressKey(8), RuntimeResult::NoTarget);
}

TEST_F(PanelRuntime, ValueKeysStayWithinTheirTypeAndScreenKeysNeedAScreen)
{
    const ValueType signedWord{kDataWord, kFormatDec, true};
    key(kKeyF1, CFuncKeyRecord::kValueSet, 0xFFFFFFF6u, "20", signedWord); // -10
    key(kKeyF2, CFuncKeyRecord::kValueDecrease, 30000, "20", signedWord);
    key(kKeyF3, CFuncKeyRecord::kValueIncrease, 40000, "21");
    key(kKeyF4, CFuncKeyRecord::kValueSet, 0x12345678, "30", {kDataLong, kFormatHex, false});
    key(kKeyUp, CFuncKeyRecord::kScreenChange, 1, "");
    key(kKeyDown, CFuncKeyRecord::kScreenChange, 7, "");
    start();
    m_run->PressKey(kKeyF1);
    EXPECT_EQ(word("20"), 0xFFF6u);
    m_run->PressKey(kKeyF2);
    EXPECT_EQ(word("20"), std::uint32_t(std::uint16_t(-30010)));
    m_run->PressKey(kKeyF2);
    EXPECT_EQ(word("20"), 0x8000u) << "stops at -32768";
    m_run->PressKey(kKeyF3);
    m_run->PressKey(kKeyF3);
    EXPECT_EQ(word("21"), 65535u) << "stops at the maximum";
    m_run->PressKey(kKeyF4);
    EXPECT_EQ(m_run->Value(point(0, "", "30", kSizeDWord)), 0x12345678u);
    EXPECT_EQ(m_run->PressKey(kKeyDown), RuntimeResult::UnknownScreen);
    EXPECT_EQ(m_run->CurrentScreen(), 0);
    EXPECT_EQ(m_run->PressKey(kKeyUp), RuntimeResult::Ok);
    EXPECT_EQ(m_run->CurrentScreen(), 1);
    EXPECT_FALSE(m_run->ShowScreen(2));
}

TEST_F(PanelRuntime, PasswordKeysActOnlyOnTheRightPassword)
{
    key(kKeyF1, CFuncKeyRecord::kBitControl, CFuncKeyRecord::kBitMomentary, "100", {}, true);
    key(kKeyF2, CFuncKeyRecord::kScreenChange, 1, "", {}, true);
    start();
    EXPECT_EQ(m_run->PressKey(kKeyF1), RuntimeResult::PasswordRefused) << "nobody to ask";
    answer(std::nullopt);
    EXPECT_EQ(m_run->PressKey(kKeyF2), RuntimeResult::PasswordRefused);
    answer("4321");
    EXPECT_EQ(m_run->PressKey(kKeyF2), RuntimeResult::PasswordRefused);
    EXPECT_EQ(m_run->CurrentScreen(), 0);

    set("1000=1"); // a refused press must not clear the bit on release
    EXPECT_EQ(m_run->PressKey(kKeyF1), RuntimeResult::PasswordRefused);
    m_run->ReleaseKey(kKeyF1);
    EXPECT_EQ(bit("1000"), 1u);

    answer("1234");
    EXPECT_EQ(m_run->PressKey(kKeyF2), RuntimeResult::Ok);
    EXPECT_EQ(m_run->CurrentScreen(), 1);
    EXPECT_EQ(m_asked, 1);
}

TEST_F(PanelRuntime, ButtonsActOnTheirBitByMode)
{
    const auto add = [&](std::uint16_t action, int x, const char *number, bool password = false) {
        auto b = std::make_unique<CButtonTag>();
        b->MoveTo(x, 0);
        b->SetAction(action);
        b->SetPassword(password);
        b->Point() = point(0, "", number, kSizeBit);
        ASSERT_EQ(m_project.screen(0).AddTag(std::move(b), false), kTagOk);
    };
    add(kButtonOn, 0, "500");
    add(kButtonOff, 40, "500");
    add(kButtonToggle, 80, "501");
    add(kButtonMomentary, 120, "502");
    add(kButtonOn, 130, "503", true); // in front of the momentary one where they overlap
    start();
    EXPECT_EQ(m_run->Press(5, 5), RuntimeResult::Ok);
    m_run->Release();
    EXPECT_EQ(bit("500"), 1u);
    m_run->Press(45, 5);
    EXPECT_EQ(bit("500"), 0u);
    m_run->Press(85, 5);
    EXPECT_EQ(bit("501"), 1u);
    m_run->Press(85, 5);
    EXPECT_EQ(bit("501"), 0u);
    m_run->Press(121, 5);
    EXPECT_EQ(bit("502"), 1u);
    m_run->Release();
    EXPECT_EQ(bit("502"), 0u);
    EXPECT_EQ(m_run->Press(140, 5), RuntimeResult::PasswordRefused);
    EXPECT_EQ(bit("503") + bit("502"), 0u);
    EXPECT_EQ(m_run->Press(5, 50), RuntimeResult::NoTarget);
}

TEST_F(PanelRuntime, NumericEntryKeepsToTheTagsBaseSignAndLimits)
{
    auto d = std::make_unique<CDigitTag>();
    d->SetWritable(true);
    d->Point() = point(1, "4x", "5");
    d->Point().m_signed = 1;
    d->Point().SetDefaultRange();
    d->Point().m_min = std::uint32_t(-100);
    d->Point().m_max = 100;
    const CTag *tag = d.get();
    ASSERT_EQ(m_project.screen(0).AddTag(std::move(d), false), kTagOk);
    auto ro = std::make_unique<CDigitTag>();
    ro->MoveTo(100, 0);
    const CTag *readOnly = ro.get();
    ASSERT_EQ(m_project.screen(0).AddTag(std::move(ro), false), kTagOk);
    start();
    const CPointInfo target = point(1, "4x", "5");
    EXPECT_EQ(m_run->EnterValue(*tag, "-100"), RuntimeResult::Ok);
    EXPECT_EQ(m_run->Value(target), 0xFF9Cu);
    EXPECT_EQ(m_run->EnterValue(*tag, "101"), RuntimeResult::OutOfRange);
    EXPECT_EQ(m_run->EnterValue(*tag, "-101"), RuntimeResult::OutOfRange);
    EXPECT_EQ(m_run->EnterValue(*tag, "1a"), RuntimeResult::BadValue);
    EXPECT_EQ(m_run->EnterValue(*tag, ""), RuntimeResult::BadValue);
    EXPECT_EQ(m_run->Value(target), 0xFF9Cu);
    EXPECT_EQ(m_run->EnterValue(*readOnly, "1"), RuntimeResult::NoTarget);
    EXPECT_EQ(m_run->InputAt(2, 2), tag);

    // Limits wider than a word never let more than 16 bits through; a password guards entry.
    auto *digit = const_cast<CDigitTag *>(static_cast<const CDigitTag *>(tag));
    digit->Point().m_signed = 0;
    digit->Point().m_min = 0;
    digit->Point().m_max = 100000;
    EXPECT_EQ(m_run->EnterValue(*tag, "70000"), RuntimeResult::OutOfRange);
    digit->SetPassword(true);
    answer("0000");
    EXPECT_EQ(m_run->EnterValue(*tag, "7"), RuntimeResult::PasswordRefused);
    answer("1234");
    EXPECT_EQ(m_run->EnterValue(*tag, "7"), RuntimeResult::Ok);
    EXPECT_EQ(m_run->Value(target), 7u);
}

TEST(EntryLimits, RefusalNamesWhatTheTagAcceptsAsItIsTyped)
{
    const auto limits = [](CPointInfo p, std::uint32_t min, std::uint32_t max) {
        CDigitTag digit;
        digit.SetWritable(true);
        p.m_min = min;
        p.m_max = max;
        digit.Point() = p;
        const auto l = entryLimits(digit);
        return l ? l->low + ".." + l->high : std::string("none");
    };
    CPointInfo p = point(1, "4x", "5");
    EXPECT_EQ(limits(p, 0, 1000), "0..1000");
    // Limits wider than a word: what the word holds.
    EXPECT_EQ(limits(p, 0, 100000), "0..65535");
    p.m_signed = 1;
    EXPECT_EQ(limits(p, std::uint32_t(-100), 100), "-100..100");
    EXPECT_EQ(limits(p, std::uint32_t(-100000), 100000), "-32768..32767");
    p.m_signed = 0;
    p.m_base = kBaseHex;
    EXPECT_EQ(limits(p, 0x10, 0x1FF), "10..1FF");
    p.m_base = kBaseBcd;
    EXPECT_EQ(limits(p, 0, 0x0500), "0..500");
    p.m_dataSize = kSizeDWord;
    p.m_base = kBaseDec;
    EXPECT_EQ(limits(p, 5, 999999), "5..999999");

    CDigitTag readOnly;
    EXPECT_FALSE(entryLimits(readOnly));
}

TEST_F(PanelRuntime, PlcChangesTheScreenAndHearsWhichIsShown)
{
    CDorvaneDoc &doc = m_project.doc;
    const auto group = [&](std::size_t on, std::size_t field, std::uint16_t device,
                           const std::string &area, const std::string &number) {
        DownAddr addr{};
        std::uint16_t bit = 0;
        ASSERT_GE(m_project.slots.slot(device).BuildDownAddr(kAddrWord, area, number, bit, addr),
                  0);
        std::copy(addr.begin(), addr.end(), doc.Parameters().begin() + std::ptrdiff_t(field));
        doc.SetParam16(field + 40, device);
        doc.SetParam16(on, 1);
    };
    group(26, 28, 1, "4x", "10");
    group(72, 74, 0, "", "300");
    key(kKeyF1, CFuncKeyRecord::kScreenChange, 0, "");
    m_project.screen(1).FunctionKey(kKeyF1) = m_project.screen(0).FunctionKey(kKeyF1);
    start();
    m_run->Scan(at(2026, 3, 2, 8, 0, 0));
    EXPECT_EQ(m_run->CurrentScreen(), 0);

    set("1-0-4x10=1");
    m_run->Scan(at(2026, 3, 2, 8, 0, 1));
    EXPECT_EQ(m_run->CurrentScreen(), 1);
    EXPECT_EQ(word("300"), 1u);
    EXPECT_EQ(word("914"), 1u);
    // The word still names screen 1: a key may leave it until the PLC writes again.
    m_run->PressKey(kKeyF1);
    m_run->Scan(at(2026, 3, 2, 8, 0, 2));
    EXPECT_EQ(m_run->CurrentScreen(), 0);
    EXPECT_EQ(word("300"), 0u);
    set("1-0-4x10=5"); // no such screen
    m_run->Scan(at(2026, 3, 2, 8, 0, 3));
    EXPECT_EQ(m_run->CurrentScreen(), 0);
}

TEST_F(PanelRuntime, AlarmFiresOncePerEdgeIntoTheHistoryTheEditorReads)
{
    CAlarmRecord on = CAlarmRecord::Default();
    m_project.address(on.Bytes(), 0, kAddrBit, 1, "0x", "3");
    on.SetMessage("Pump overload");
    CAlarmRecord hidden = CAlarmRecord::Default();
    m_project.address(hidden.Bytes(), 0, kAddrBit, 0, "", "1000");
    hidden.SetFlags(CAlarmRecord::kFlagOn | CAlarmRecord::kFlagHide);
    hidden.SetMessage("Door open");
    m_project.doc.Alarms() = {on.Bytes(), hidden.Bytes()};
    start();

    set("1-0-0x3=1");
    m_run->Scan(at(2026, 5, 17, 13, 45, 9));
    m_run->Scan(at(2026, 5, 17, 13, 45, 10)); // still on: no second occurrence
    ASSERT_EQ(m_run->ActiveAlarms().size(), 1u);
    EXPECT_EQ(m_run->ActiveAlarms()[0].text, "Pump overload");
    set("1-0-0x3=0");
    m_run->Scan(at(2026, 5, 17, 13, 46, 0));
    set("1000=1");
    m_run->Scan(at(2026, 5, 17, 14, 0, 0));
    set("1000=0");
    set("1-0-0x3=1");
    m_run->Scan(at(2026, 5, 17, 14, 0, 5));

    // The cleared "Door open" is gone from the display, the cleared pump alarm stays until
    // acknowledged, its second occurrence is shown.
    ASSERT_EQ(m_run->ActiveAlarms().size(), 2u);
    EXPECT_TRUE(m_run->ActiveAlarms()[0].cleared);
    m_run->AcknowledgeAlarms();
    ASSERT_EQ(m_run->ActiveAlarms().size(), 1u);
    EXPECT_FALSE(m_run->ActiveAlarms()[0].cleared);

    util::Bytes global(16384);
    std::uint32_t length = 0;
    ASSERT_TRUE(buildGlobalArea(m_project.doc, global, length).ok);
    const util::ConstByteSpan area = m_run->AlarmHistoryArea();
    const auto rows = comm::decodeAlarmHistory(util::ConstByteSpan(global).subspan(328, 2104),
                                               area.subspan(kHistoryOffset));
    const std::vector<comm::AlarmRow> expected{
            {"2026-05-17 13:45:09", "2026-05-17 13:46:00", "Pump overload"},
            {"2026-05-17 14:00:00", "2026-05-17 14:00:05", "Door open"},
            {"2026-05-17 14:00:05", "", "Pump overload"},
            {"2026-05-17 13:45:09", "2026-05-17 13:46:00", "Pump overload"},
            {"2026-05-17 14:00:05", "", "Pump overload"},
            {"2026-05-17 14:00:00", "2026-05-17 14:00:05", "Door open"}};
    EXPECT_EQ(rows, expected);
}

// The alarm list edited while the project runs: an alarm already on is not raised again when
// another is put before it, and an alarm shown leaves the display with its record.
TEST_F(PanelRuntime, EditedAlarmListKeepsWhatIsAlreadyOn)
{
    CAlarmRecord pump = CAlarmRecord::Default();
    m_project.address(pump.Bytes(), 0, kAddrBit, 0, "", "1000");
    pump.SetMessage("Pump overload");
    m_project.doc.Alarms() = {pump.Bytes()};
    start();
    set("1000=1");
    m_run->Scan(at(2026, 5, 17, 8, 0, 0));
    ASSERT_EQ(m_run->ActiveAlarms().size(), 1u);

    CAlarmRecord door = CAlarmRecord::Default();
    m_project.address(door.Bytes(), 0, kAddrBit, 0, "", "1001");
    door.SetMessage("Door open");
    m_project.doc.Alarms() = {door.Bytes(), pump.Bytes()};
    m_run->Reload();
    m_run->Scan(at(2026, 5, 17, 8, 0, 1));
    ASSERT_EQ(m_run->ActiveAlarms().size(), 1u) << "no second pump alarm";
    EXPECT_EQ(m_run->ActiveAlarms()[0].index, 1u);
    EXPECT_EQ(m_run->ActiveAlarms()[0].text, "Pump overload");
    const auto rows = comm::decodeAlarmHistory(
            {}, util::ConstByteSpan(m_run->AlarmHistoryArea()).subspan(kHistoryOffset));
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                            [](const comm::AlarmRow &r) { return r.message == "Pump overload"; }),
              1);

    m_project.doc.Alarms() = {door.Bytes()};
    m_run->Reload();
    EXPECT_TRUE(m_run->ActiveAlarms().empty());
}

TEST_F(PanelRuntime, FullHistoryDropsItsOldestEntries)
{
    util::Bytes area = emptyAlarmHistoryArea();
    for (int i = 0; i < 205; ++i)
        ASSERT_TRUE(AppendAlarmHistory(area, 0, "A" + std::to_string(i),
                                       at(2026, 1, 1, 0, i / 60, i % 60)));
    EXPECT_FALSE(AppendAlarmHistory(area, 20, "x", at(2026, 1, 1, 0, 0, 0)));
    const auto rows
            = comm::decodeAlarmHistory({}, util::ConstByteSpan(area).subspan(kHistoryOffset));
    ASSERT_EQ(rows.size(), 200u);
    EXPECT_EQ(rows.front().message, "A5");
    EXPECT_EQ(rows.back().message, "A204");
}

TEST_F(PanelRuntime, CalculationsRunOnTheirStartCondition)
{
    const ValueType plain{kDataWord, kFormatDec, false};
    CCalcRecord add = CCalcRecord::Default();
    add.SetOperator(0);
    add.SetCondition(1); // when the start bit turns On
    m_project.address(add.Bytes(), CCalcRecord::kOperand1, kAddrWord, 0, "", "10");
    util::setLe16(add.Bytes(), CCalcRecord::kOperand2 + devblock::kChannel,
                  devblock::kConstantChannel);
    devblock::setFieldText(add.Bytes(), CCalcRecord::kOperand2, "5");
    m_project.address(add.Bytes(), CCalcRecord::kResult, kAddrWord, 1, "4x", "1");
    m_project.address(add.Bytes(), CCalcRecord::kStart, kAddrBit, 0, "", "1000");
    CCalcRecord div = CCalcRecord::Default(); // always: 100 / word 11
    div.SetOperator(3);
    util::setLe16(div.Bytes(), CCalcRecord::kOperand1 + devblock::kChannel,
                  devblock::kConstantChannel);
    devblock::setFieldText(div.Bytes(), CCalcRecord::kOperand1, "100");
    m_project.address(div.Bytes(), CCalcRecord::kOperand2, kAddrWord, 0, "", "11");
    m_project.address(div.Bytes(), CCalcRecord::kResult, kAddrWord, 0, "", "12");
    CCalcRecord bcd = CCalcRecord::Default(); // always: BCD word 13 x 2
    bcd.SetOperator(2);
    m_project.address(bcd.Bytes(), CCalcRecord::kOperand1, kAddrWord, 0, "", "13");
    util::setLe16(bcd.Bytes(), CCalcRecord::kOperand2 + devblock::kChannel,
                  devblock::kConstantChannel);
    devblock::setFieldText(bcd.Bytes(), CCalcRecord::kOperand2, "2");
    m_project.address(bcd.Bytes(), CCalcRecord::kResult, kAddrWord, 0, "", "14");
    for (CCalcRecord *r : {&add, &div})
        for (std::size_t b : {CCalcRecord::kOperand1, CCalcRecord::kOperand2, CCalcRecord::kResult})
            r->SetBlockType(b, plain);
    for (std::size_t b : {CCalcRecord::kOperand1, CCalcRecord::kOperand2, CCalcRecord::kResult})
        bcd.SetBlockType(b, {kDataWord, kFormatBcd, false});
    m_project.doc.Calculations() = {add.Bytes(), div.Bytes(), bcd.Bytes()};
    start();
    const CPointInfo result = point(1, "4x", "1");

    set("10=7");
    set("12=9");
    set("13=0x4321");
    m_run->Scan(at(2026, 1, 1, 0, 0, 0));
    EXPECT_EQ(m_run->Value(result), 0u) << "start bit still off";
    EXPECT_EQ(word("12"), 9u) << "division by zero writes nothing";
    EXPECT_EQ(word("14"), 0x8642u);
    set("1000=1");
    set("11=8");
    m_run->Scan(at(2026, 1, 1, 0, 0, 1));
    EXPECT_EQ(m_run->Value(result), 12u);
    EXPECT_EQ(word("12"), 12u);
    set("10=20");
    set("13=0x6000"); // 12000 does not fit four BCD digits
    m_run->Scan(at(2026, 1, 1, 0, 0, 2));
    EXPECT_EQ(m_run->Value(result), 12u) << "only on the edge";
    EXPECT_EQ(word("14"), 0x8642u);
}

TEST_F(PanelRuntime, BlockTransfersCopyWordsBothWays)
{
    CTransRecord in = CTransRecord::Default(m_project.slots);
    m_project.address(in.Bytes(), CTransRecord::kPlcBlock, kAddrWord, 1, "4x", "100");
    in.SetPanelAddress("50");
    in.SetDataSize(3);
    CTransRecord out = in;
    out.SetDirection(CTransRecord::kToPlc);
    out.SetPanelAddress("998"); // only words 998 and 999 exist
    out.SetCondition(4); // while the start bit is on
    m_project.address(out.Bytes(), CTransRecord::kStart, kAddrBit, 0, "", "1000");
    m_project.doc.Transfers() = {in.Bytes(), out.Bytes()};
    start();
    set("1-0-4x100=1");
    set("1-0-4x101=2");
    set("1-0-4x102=3");
    set("998=8");
    set("999=9");
    m_run->Scan(at(2026, 1, 1, 0, 0, 0));
    EXPECT_EQ(word("50") * 100 + word("51") * 10 + word("52"), 123u);
    EXPECT_EQ(m_run->Value(point(1, "4x", "100")), 1u);
    set("1000=1");
    m_run->Scan(at(2026, 1, 1, 0, 0, 1));
    EXPECT_EQ(m_run->Value(point(1, "4x", "100")), 8u);
    EXPECT_EQ(m_run->Value(point(1, "4x", "101")), 9u);
    EXPECT_EQ(m_run->Value(point(1, "4x", "102")), 3u);
}

TEST_F(PanelRuntime, WeeklyReservationSetsItsBitAtItsTime)
{
    CReserveRecord r;
    m_project.address(r.Bytes(), CReserveRecord::kExecBlock, kAddrBit, 0, "", "2000");
    r.SetWord(CReserveRecord::kRepeat, CReserveRecord::kWeekly);
    r.SetWord(CReserveRecord::kDay, 0x2A); // Monday, Wednesday, Friday
    r.SetWord(CReserveRecord::kHour, 0x09);
    r.SetWord(CReserveRecord::kMinute, 0x05);
    r.SetWord(CReserveRecord::kValue, 1);
    m_project.doc.Reservations() = {r.Bytes()};
    start();
    // 2026-03-03 is a Tuesday: nothing.
    m_run->Scan(at(2026, 3, 3, 9, 4, 59));
    m_run->Scan(at(2026, 3, 3, 9, 5, 0));
    EXPECT_EQ(bit("2000"), 0u);
    // Wednesday: due even when no scan falls on the exact second.
    m_run->Scan(at(2026, 3, 4, 9, 4, 59));
    EXPECT_EQ(bit("2000"), 0u);
    m_run->Scan(at(2026, 3, 4, 9, 5, 1));
    EXPECT_EQ(bit("2000"), 1u);
    set("2000=0");
    m_run->Scan(at(2026, 3, 4, 9, 5, 2));
    EXPECT_EQ(bit("2000"), 0u) << "once per day";
}

TEST_F(PanelRuntime, TrendsSampleByTheirTimeAndKeepTheirCount)
{
    auto g = std::make_unique<CGraphTag>(8);
    g->SetSamplingTime(2);
    g->SetSamplingCount(3);
    g->Point() = point(0, "", "60");
    const CTag *trend = g.get();
    ASSERT_EQ(m_project.screen(1).AddTag(std::move(g), false), kTagOk);
    start();
    for (int s = 0; s < 10; ++s) {
        m_run->Memory().Write(CDeviceMemory::PanelWord(60), std::uint32_t(s));
        m_run->Scan(at(2026, 1, 1, 0, 0, s));
    }
    EXPECT_EQ(m_run->TrendSamples(*trend), (std::vector<std::uint32_t>{4, 6, 8}));
    EXPECT_EQ(m_run->Clock().tm_sec, 9);
}

} // namespace
