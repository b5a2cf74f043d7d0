// The address replace over every kind of user of the demo project, with the channel's Modbus
// driver refusing the registers past the last one; applying is all or nothing, and the plan of
// the way back gives the same project file again.

#include "test_demo_fixture.h"

#include "core/plc/panel_params.h"
#include "core/xref/address_replace.h"

#include "util/message_ids.h"

#include <set>

using namespace core;
using namespace core::xref;

namespace {

class AddressReplace : public xreftest::DemoTest
{
protected:
    // The panel settings' screen-change word on register 7 of channel 1.
    void LinkScreenChange()
    {
        CPanelParams params(m_doc->Parameters());
        PanelAddrGroup g = params.AddrGroup(CPanelParams::kScreenChange);
        g.on = true;
        g.device = 1;
        g.station = 1;
        std::uint16_t bit = 0;
        m_doc->Slots().slot(1).BuildDownAddr(kAddrWord, "4x", "7", bit, g.field);
        params.SetAddrGroup(CPanelParams::kScreenChange, g);
        m_doc->Parameters() = params.Bytes();
    }

    ReplacePlan Plan(const char *from, const char *to, std::uint16_t channel = 1,
                     std::vector<UserKind> kinds = {})
    {
        return planReplace(*m_doc, {channel, std::nullopt, from, to, std::move(kinds), {}});
    }

    static std::set<std::pair<UserKind, UserRole>> Users(const std::vector<ReplaceChange> &list)
    {
        std::set<std::pair<UserKind, UserRole>> out;
        for (const ReplaceChange &c : list)
            out.emplace(c.use.user.kind, c.use.user.role);
        return out;
    }

    std::string TextNow(UserKind kind, UserRole role, std::size_t index = 0)
    {
        for (const AddressUse &u : addressUses(*m_doc))
            if (u.user.kind == kind && u.user.role == role && u.user.index == index)
                return u.addr.CellText(m_doc->Slots());
        return {};
    }
};

TEST_F(AddressReplace, MovesEveryKindOfUserOfARange)
{
    LinkScreenChange();
    const util::Bytes before = Saved();
    const ReplacePlan words = Plan("4x1-4x10", "4x1001");
    ASSERT_FALSE(words.error);
    EXPECT_TRUE(words.refused.empty());
    EXPECT_EQ(Users(words.changes),
              (std::set<std::pair<UserKind, UserRole>>{
                      {UserKind::Tag, UserRole::Point},
                      {UserKind::Tag, UserRole::XPoint},
                      {UserKind::Tag, UserRole::YPoint},
                      {UserKind::FunctionKey, UserRole::Target},
                      {UserKind::Calculation, UserRole::Operand1},
                      {UserKind::Calculation, UserRole::Operand2},
                      {UserKind::Transfer, UserRole::PlcBlock},
                      {UserKind::Parameters, UserRole::ScreenChange}}));
    // Planning leaves the document alone.
    EXPECT_EQ(Saved(), before);

    ASSERT_FALSE(applyReplace(*m_doc, words, false));
    EXPECT_EQ(TextNow(UserKind::Calculation, UserRole::Operand1), "1-1-4x1006");
    EXPECT_EQ(TextNow(UserKind::Transfer, UserRole::PlcBlock), "1-1-4x1001");
    EXPECT_EQ(TextNow(UserKind::Parameters, UserRole::ScreenChange), "1-1-4x1007");
    EXPECT_EQ(TextNow(UserKind::FunctionKey, UserRole::Target, 4), "1-1-4x1006");

    // Bits: the lamps and the alarms on the inputs, the buttons, keys and reservation on coils.
    const ReplacePlan inputs = Plan("1x2-1x5", "1x102");
    EXPECT_EQ(Users(inputs.changes),
              (std::set<std::pair<UserKind, UserRole>>{{UserKind::Tag, UserRole::Point},
                                                       {UserKind::Alarm, UserRole::Target}}));
    const ReplacePlan coils = Plan("0x1-0x4", "0x101");
    EXPECT_EQ(Users(coils.changes),
              (std::set<std::pair<UserKind, UserRole>>{{UserKind::Tag, UserRole::Point},
                                                       {UserKind::FunctionKey, UserRole::Target},
                                                       {UserKind::Reservation, UserRole::Target}}));
    ASSERT_FALSE(applyReplace(*m_doc, inputs, false));
    ASSERT_FALSE(applyReplace(*m_doc, coils, false));
    EXPECT_EQ(TextNow(UserKind::Alarm, UserRole::Target, 3), "1-1-1x105");
    EXPECT_EQ(TextNow(UserKind::Reservation, UserRole::Target), "1-1-0x103");

    // The panel's own memory: the transfer's panel end and the calculation's result.
    const ReplacePlan panel = Plan("100-120", "500", 0);
    EXPECT_EQ(
            Users(panel.changes),
            (std::set<std::pair<UserKind, UserRole>>{{UserKind::Tag, UserRole::Point},
                                                     {UserKind::Calculation, UserRole::Result},
                                                     {UserKind::Transfer, UserRole::PanelBlock}}));
    ASSERT_FALSE(applyReplace(*m_doc, panel, false));
    EXPECT_EQ(TextNow(UserKind::Calculation, UserRole::Result), "0-0-505");

    // Taking the three back in reverse order gives the same file.
    for (const ReplacePlan *plan : {&panel, &coils, &inputs, &words})
        ASSERT_FALSE(applyReplace(*m_doc, reversePlan(*plan), false));
    EXPECT_EQ(Saved(), before);
}

TEST_F(AddressReplace, RefusedAddressesStopTheWholeReplaceUnlessSkipped)
{
    const util::Bytes before = Saved();
    // Registers past 65536 do not exist: the double word and the moving tag's two points fall off.
    const ReplacePlan plan = Plan("4x1-4x10", "4x65530");
    ASSERT_EQ(plan.refused.size(), 3u);
    for (const ReplaceChange &c : plan.refused)
        EXPECT_LT(c.result, 0);
    EXPECT_EQ(refusalNotice(m_doc->Slots(), plan.refused.front()).Text(),
              "1-1-4x10 cannot become 1-1-4x65539: the driver refuses it (screen 0, tag 2 "
              "(Numeric at 36, 48)).");

    const auto refused = applyReplace(*m_doc, plan, false);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->id, util::msg::kReplaceRefusedCount);
    EXPECT_EQ(Saved(), before);

    ASSERT_FALSE(applyReplace(*m_doc, plan, true));
    EXPECT_EQ(TextNow(UserKind::Calculation, UserRole::Operand1), "1-1-4x65535");
    EXPECT_EQ(TextNow(UserKind::Tag, UserRole::XPoint, 13), "1-1-4x8");
    ASSERT_FALSE(applyReplace(*m_doc, reversePlan(plan), false));
    EXPECT_EQ(Saved(), before);
}

TEST_F(AddressReplace, KeepsToTheChosenKindsAndStation)
{
    const ReplacePlan calcOnly = Plan("4x1-4x10", "4x101", 1, {UserKind::Calculation});
    EXPECT_EQ(
            Users(calcOnly.changes),
            (std::set<std::pair<UserKind, UserRole>>{{UserKind::Calculation, UserRole::Operand1},
                                                     {UserKind::Calculation, UserRole::Operand2}}));
    const ReplacePlan otherStation = planReplace(*m_doc, {1, 7, "4x1-4x10", "4x101", {}, {}});
    EXPECT_TRUE(otherStation.Empty());
    ASSERT_TRUE(otherStation.error);
    EXPECT_EQ(otherStation.error->id, util::msg::kReplaceNothing);
}

TEST_F(AddressReplace, RefusesRangesItCannotReadAndPlansThatNoLongerFit)
{
    for (const char *from : {"D1-D10", "4x10-4x1", "4x1-3x5", "", "4x"})
        EXPECT_EQ(Plan(from, "4x100").error.value_or(Notice{}).id, util::msg::kReplaceBadRange)
                << from;
    EXPECT_EQ(Plan("4x1", "D1").error.value_or(Notice{}).id, util::msg::kReplaceBadRange);
    // The end may leave out its area.
    EXPECT_FALSE(Plan("4x1-10", "4x101").error);

    const ReplacePlan plan = Plan("4x6", "4x106");
    ASSERT_FALSE(applyReplace(*m_doc, plan, false));
    const util::Bytes after = Saved();
    const auto stale = applyReplace(*m_doc, plan, false);
    ASSERT_TRUE(stale);
    EXPECT_EQ(stale->id, util::msg::kReplaceStale);
    EXPECT_EQ(Saved(), after);
}

TEST_F(AddressReplace, AnOffsetMovesLikeTheStartItNames)
{
    const auto byOffset = [&](const char *from, std::int64_t offset) {
        return planReplace(*m_doc, {1, std::nullopt, from, "", {}, offset});
    };
    const ReplacePlan start = Plan("4x1-4x10", "4x101");
    const ReplacePlan offset = byOffset("4x1-4x10", 100);
    ASSERT_FALSE(offset.error);
    ASSERT_EQ(offset.changes.size(), start.changes.size());
    for (std::size_t i = 0; i < start.changes.size(); ++i)
        EXPECT_EQ(offset.changes[i].to, start.changes[i].to) << i;

    // Back down again, but never below the area's first address.
    EXPECT_FALSE(byOffset("4x6", -5).error);
    EXPECT_EQ(byOffset("4x6", -7).error.value_or(Notice{}).id, util::msg::kReplaceBadRange);
}

} // namespace
