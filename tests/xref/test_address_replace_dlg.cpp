// The address replace window's rules on the demo: the preview follows every entry, kinds narrow
// it, and OK shows a problem, asks about refused addresses and applies the rest as planned.

#include "test_demo_fixture.h"

#include "core/xref/address_replace_dlg.h"

#include "support/recording_prompt.h"
#include "util/message_ids.h"

using namespace core;
using namespace core::xref;

namespace {

class AddressReplaceDlg : public xreftest::DemoTest
{ };

TEST_F(AddressReplaceDlg, PreviewFollowsTheEntries)
{
    CAddressReplaceDlg dlg(*m_doc);
    // The demo's addresses are on channel 1, station 1.
    EXPECT_EQ(dlg.Channel(), 1);
    EXPECT_EQ(dlg.Stations(), std::vector<std::uint16_t>{1});
    // Nothing typed yet: no plan, no complaint, nothing to accept.
    EXPECT_TRUE(dlg.Plan().Empty());
    EXPECT_FALSE(dlg.Problem());
    EXPECT_FALSE(dlg.CanAccept());

    // No complaint while the new start is still to be typed; a start that does not read is one.
    dlg.SetFrom("4x1-4x10");
    EXPECT_FALSE(dlg.Entered());
    EXPECT_FALSE(dlg.Problem());
    dlg.SetTo("D7");
    EXPECT_EQ(dlg.Problem().value_or(Notice{}).id, util::msg::kReplaceBadRange);
    dlg.SetTo("4x1001");
    ASSERT_TRUE(dlg.CanAccept());
    const std::size_t all = dlg.Plan().changes.size();

    // The same move by an offset plans the same changes.
    dlg.SetByOffset(true);
    dlg.SetOffset(1000);
    EXPECT_EQ(dlg.Plan().changes.size(), all);

    dlg.SetKindChosen(UserKind::Tag, false);
    EXPECT_LT(dlg.Plan().changes.size(), all);
    for (const ReplaceChange &c : dlg.Plan().changes)
        EXPECT_NE(c.use.user.kind, UserKind::Tag);
    // No kind at all is nothing to replace, not every kind.
    for (int k = 0; k < kUserKindCount; ++k)
        dlg.SetKindChosen(UserKind(k), false);
    EXPECT_EQ(dlg.Problem().value_or(Notice{}).id, util::msg::kReplaceNothing);

    // Another channel forgets the station and lists its own.
    dlg.SetStation(1);
    dlg.SetChannel(0);
    EXPECT_FALSE(dlg.Station());
    EXPECT_EQ(dlg.Stations(), std::vector<std::uint16_t>{0});
}

TEST_F(AddressReplaceDlg, OkAsksAboutRefusedAddressesAndAppliesTheRest)
{
    const util::Bytes before = Saved();
    CAddressReplaceDlg dlg(*m_doc);
    support::RecordingPrompt prompt;
    EXPECT_FALSE(dlg.Ok(prompt));
    EXPECT_EQ(prompt.last(), util::msg::kReplaceNoRange);

    // Past the last register three of the new addresses do not exist.
    dlg.SetFrom("4x1-4x10");
    dlg.SetTo("4x65530");
    ASSERT_EQ(dlg.Plan().refused.size(), 3u);
    prompt.answers = {false};
    EXPECT_FALSE(dlg.Ok(prompt));
    ASSERT_EQ(prompt.asked, std::vector<int>{util::msg::kReplaceSkipRefused});
    EXPECT_NE(prompt.texts.back().find('3'), std::string::npos);
    EXPECT_EQ(Saved(), before);

    prompt.answers = {true};
    ASSERT_TRUE(dlg.Ok(prompt));
    ASSERT_FALSE(dlg.ApplyTo(*m_doc));
    EXPECT_NE(Saved(), before);
    // The window's plan is spent: applying it again finds the project changed.
    const auto again = dlg.ApplyTo(*m_doc);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->id, util::msg::kReplaceStale);

    // Every new address refused: nothing to ask, OK refuses.
    CAddressReplaceDlg none(*m_doc);
    none.SetFrom("4x8");
    none.SetTo("4x70000");
    ASSERT_TRUE(none.Plan().changes.empty());
    ASSERT_FALSE(none.Plan().refused.empty());
    EXPECT_FALSE(none.Ok(prompt));
    EXPECT_EQ(prompt.last(), util::msg::kReplaceRefusedCount);
}

} // namespace
