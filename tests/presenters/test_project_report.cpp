// The printed project document's content over the demo project, and the screen-list option.

#include "params_test_support.h"

#include "support/recording_prompt.h"

#include "core/app/app_services.h"
#include "core/functions/alarm_record.h"
#include "core/functions/user_text.h"
#include "core/plc/channel_params.h"
#include "core/presenters/alarm_dlg.h"
#include "core/presenters/used_sys_mem_dlg.h"
#include "core/project_json/project_json.h"
#include "core/report/picture_export_dlg.h"
#include "core/report/project_report.h"
#include "core/report/report_setup_dlg.h"
#include "core/tags/tag_points.h"
#include "core/tags/tag_resources.h"
#include "core/xref/cross_reference.h"
#include "core/xref/xref_text.h"
#include "util/file_io.h"

#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <optional>

using namespace core;

namespace {

class ProjectReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A program folder of its own (INI files and the real drivers): the sanitizer build has
        // no program folder of its own to read.
        m_app.Load(m_folder.path(""), 0x412);
        std::string error;
        m_doc = support::importDemoProject(m_app, error);
        ASSERT_TRUE(m_doc) << error;
        m_env.emplace(m_doc->Slots(), m_prompt, util::kLangKorean);
    }

    CProjectReport report(std::vector<std::uint16_t> screens = {}, bool crossReference = false)
    {
        ReportOptions options = reportOptionsFor(m_app.Config());
        options.screens = std::move(screens);
        options.crossReference = crossReference;
        options.date = "2026-01-02";
        return CProjectReport(*m_doc, *m_env, std::move(options));
    }

    plctest::ProgramFolder m_folder{"report"};
    CAppServices m_app;
    std::unique_ptr<CDorvaneDoc> m_doc;
    support::RecordingPrompt m_prompt;
    std::optional<FunctionEnv> m_env; // the project's driver slots, once it is open
};

const ReportField *field(const ReportSection &s, ReportLabel label)
{
    for (const ReportField &f : s.fields)
        if (f.name.label == label)
            return &f;
    return nullptr;
}

} // namespace

TEST_F(ProjectReportTest, CoverNamesTheFileThePlcsAndTheMemory)
{
    const CProjectReport r = report();
    const ReportSection cover = r.Section(0);
    EXPECT_EQ(cover.kind, ReportSection::Kind::Cover);
    EXPECT_EQ(field(cover, ReportLabel::Date)->value, "2026-01-02");
    ASSERT_EQ(cover.tables.size(), 2u);
    EXPECT_EQ(cover.tables[0].rows.at(0).at(0), "MODBUS RTU");
    ASSERT_EQ(cover.gauges.size(), 3u);
    EXPECT_EQ(cover.gauges[0].first, m_doc->ScreenMemoryUsed());
    EXPECT_GT(cover.gauges[1].first, 0u) << "the demo has messages";
    EXPECT_NE(field(cover, ReportLabel::PanelLanguage)->value, "");
}

TEST_F(ProjectReportTest, UnusedChannelShowsOnlyThatAndUsedOnesTheirSlaveStation)
{
    // A channel switched off keeps the serial settings it had; none of them is shown.
    CChannelParams off = CChannelParams::NewProject(2);
    off.SetOwnStation(3);
    off.SetRemoteStation(4);
    m_doc->SetChannel(2, off.Bytes());
    CChannelParams on(m_doc->Channel(1));
    on.SetConfiguration(CChannelParams::kNTo1);
    on.SetRemoteStation(7);
    m_doc->SetChannel(1, on.Bytes());

    const ReportSection cover = report().Section(0);
    ASSERT_EQ(cover.tables.size(), 2u);
    const ReportTable &ch2 = cover.tables[1];
    EXPECT_EQ(ch2.title, ReportText::of(ReportLabel::Channel2));
    EXPECT_EQ(ch2.header, std::vector<ReportText>{ReportText::of(ReportLabel::PlcType)});
    EXPECT_EQ(ch2.rows, (std::vector<std::vector<std::string>>{{""}}));
    EXPECT_EQ(ch2.rowLabels, std::vector<ReportLabel>{ReportLabel::ChannelUnused});

    const ReportTable &ch1 = cover.tables[0];
    ASSERT_EQ(ch1.rows.size(), 1u);
    ASSERT_EQ(ch1.rows[0].size(), ch1.header.size());
    EXPECT_TRUE(ch1.rowLabels.empty()) << "the PLC's name, not a fixed text";
    EXPECT_EQ(ch1.header.back(), ReportText::of(ReportLabel::SlaveStation));
    EXPECT_EQ(ch1.rows[0].back(), "7");
    EXPECT_EQ(ch1.rows[0][2], "9600") << "the demo's baud rate";

    // With several slaves there is no one slave station: a number left in the record is not shown.
    on.SetConfiguration(CChannelParams::k1ToN);
    m_doc->SetChannel(1, on.Bytes());
    EXPECT_EQ(report().Section(0).tables[0].rows.at(0).back(), "");
}

TEST_F(ProjectReportTest, EveryScreenHasItsHeaderKeysAndTagTable)
{
    const CProjectReport r = report();
    const auto &screens = m_doc->Screens();
    ASSERT_EQ(r.SectionCount(), 1 + screens.size() + 4);
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const CScreenData &screen = *screens[i];
        const ReportSection s = r.Section(1 + i);
        SCOPED_TRACE(screen.Name());
        EXPECT_EQ(s.kind, ReportSection::Kind::Screen);
        EXPECT_EQ(s.screenNumber, screen.Number());
        EXPECT_EQ(field(s, ReportLabel::Name)->value,
                  usertext::ToUser(screen.Name(), m_env->panelLang));
        ASSERT_EQ(s.tables.size(), 2u);
        EXPECT_FALSE(s.tables[0].rows.empty()) << "eight keys, one title row each at least";
        const ReportTable &tags = s.tables[1];
        ASSERT_EQ(tags.rows.size(), screen.TagCount());
        ASSERT_EQ(tags.rowLabels.size(), screen.TagCount());
        for (std::size_t t = 0; t < screen.TagCount(); ++t) {
            const CTag &tag = *screen.Tags()[t];
            EXPECT_EQ(int(tags.rowLabels[t]), int(ReportLabel::kKindFirst) + tag.Kind());
            ASSERT_EQ(tags.rows[t].size(), tags.header.size());
            // The address as the tag list shows it: area and number, a second point after "/".
            std::string address;
            for (const CPointInfo *p : devicePoints(tag))
                address += (address.empty() ? "" : "/") + p->m_address + p->m_second;
            EXPECT_EQ(tags.rows[t][5], address);
        }
    }
}

TEST_F(ProjectReportTest, ListsMatchTheirWindowsAndTheMemoryMap)
{
    const CProjectReport r = report();
    const std::size_t first = 1 + m_doc->Screens().size();
    const ReportSection functions = r.Section(first);
    ASSERT_EQ(functions.tables.size(), 4u);
    const ReportTable &alarms = functions.tables[0];
    ASSERT_EQ(alarms.rows.size(), m_doc->Alarms().size());
    ASSERT_FALSE(alarms.rows.empty()) << "the demo has alarms";
    EXPECT_EQ(alarms.header.size(), CAlarmDlg::Columns().size());
    for (std::size_t i = 0; i < alarms.rows.size(); ++i)
        for (int c = 0; c < CAlarmDlg::kColCount; ++c)
            EXPECT_EQ(alarms.rows[i][c],
                      AlarmText::Cell(m_env->plcSlots, m_env->panelLang,
                                      CAlarmRecord(m_doc->Alarms()[i]), c));
    EXPECT_EQ(functions.tables[1].rows.size(), m_doc->Calculations().size());
    EXPECT_EQ(functions.tables[2].rows.size(), m_doc->Transfers().size());
    EXPECT_EQ(functions.tables[3].rows.size(), m_doc->Reservations().size());

    EXPECT_EQ(r.Section(first + 1).tables.at(0).rows.size(), m_doc->Strings().Count());
    EXPECT_EQ(r.Section(first + 2).tables.at(0).rows.size(), m_doc->Images().Count());

    const ReportSection memory = r.Section(first + 3);
    const ReportTable &map = memory.tables.at(0);
    const CUsedSysMemDlg used(*m_doc);
    ASSERT_EQ(map.rows.size(), std::size_t(CUsedSysMemDlg::kRows));
    for (int row = 0; row < CUsedSysMemDlg::kRows; ++row)
        for (int c = 0; c < CUsedSysMemDlg::kColumns; ++c)
            ASSERT_EQ(map.rows[row][1 + c], used.CellText(row, c));
}

TEST_F(ProjectReportTest, ChosenScreensOnlyAndUnknownNumbersIgnored)
{
    const std::uint16_t last = m_doc->Screens().back()->Number();
    const CProjectReport r = report({last, 998});
    ASSERT_EQ(r.Screens(), std::vector<std::uint16_t>{last});
    EXPECT_EQ(r.SectionCount(), 1u + 1 + 4);
    EXPECT_EQ(r.Section(1).screenNumber, last);
}

TEST_F(ProjectReportTest, TheCrossReferenceClosesTheReportWhenAskedFor)
{
    const CProjectReport plain = report();
    const CProjectReport r = report({}, true);
    ASSERT_EQ(r.SectionCount(), plain.SectionCount() + 1);
    EXPECT_NE(plain.Section(plain.SectionCount() - 1).kind, ReportSection::Kind::CrossReference);
    const ReportSection s = r.Section(r.SectionCount() - 1);
    ASSERT_EQ(s.kind, ReportSection::Kind::CrossReference);
    ASSERT_EQ(s.tables.size(), 1u);
    const ReportTable &t = s.tables[0];
    ASSERT_EQ(t.header.size(), 3u);

    // A row per user: as many as the cross-reference has users, each point named once.
    const auto x = xref::CCrossReference::Build(*m_doc);
    std::size_t users = 0;
    for (const auto &p : x.Points())
        users += p.users.size();
    for (const auto &m : x.Messages())
        users += m.users.size();
    for (const auto &i : x.Images())
        users += i.users.size();
    ASSERT_EQ(t.rows.size(), users);
    // The lamp's input read by a lamp and by alarm 1: its two users under it.
    const auto at = std::find_if(t.rows.begin(), t.rows.end(),
                                 [](const auto &row) { return row[0] == "1-1-1x2"; });
    ASSERT_NE(at, t.rows.end());
    EXPECT_EQ((*at)[1], "R");
    const auto &point = x.Points()[*x.Find("1-1-1x2")];
    ASSERT_EQ(point.users.size(), 2u);
    EXPECT_EQ((*at)[2], xref::userText(point.users[0]));
    EXPECT_EQ((*(at + 1))[0], "");
    EXPECT_EQ((*(at + 1))[2], xref::userText(point.users[1]));
    // Messages close the list with their users.
    EXPECT_TRUE(std::any_of(t.rows.begin(), t.rows.end(),
                            [](const auto &row) { return row[0].rfind("M", 0) == 0; }));
}

TEST(ScreenList, ReadsNumbersAndRanges)
{
    std::vector<std::uint16_t> out{7};
    ASSERT_TRUE(parseScreenList("3, 0-2,2,999", out));
    EXPECT_EQ(out, (std::vector<std::uint16_t>{0, 1, 2, 3, 999}));
    for (const char *bad : {"", "1,", "5-2", "1000", "-1", "a", "1;2", "1-"}) {
        EXPECT_FALSE(parseScreenList(bad, out)) << bad;
        EXPECT_EQ(out, (std::vector<std::uint16_t>{0, 1, 2, 3, 999})) << "left as it was";
    }
}

TEST(PictureExport, ChoosesScreensAndRefusesBadInput)
{
    support::RecordingPrompt prompt;
    CPlcSlots slots;
    const FunctionEnv env{slots, prompt};
    CPictureExportDlg dlg(env, {0, 1, 5}, -1);
    EXPECT_EQ(dlg.GetScope(), CPictureExportDlg::kAll) << "no open screen";
    dlg.SetScope(CPictureExportDlg::kCurrent);
    EXPECT_EQ(dlg.GetScope(), CPictureExportDlg::kAll);
    EXPECT_FALSE(dlg.Ok()) << "no folder";
    EXPECT_EQ(prompt.last(), util::msg::kNoFileName);
    dlg.SetFolder("/tmp/out");
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Chosen(), (std::vector<std::uint16_t>{0, 1, 5}));

    dlg.SetScope(CPictureExportDlg::kList);
    for (const char *bad : {"0-5", "2", "x", ""}) {
        dlg.SetListText(bad);
        EXPECT_FALSE(dlg.Ok()) << bad;
        EXPECT_EQ(prompt.last(), util::msg::kBadValue);
    }
    dlg.SetListText("5, 0");
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Chosen(), (std::vector<std::uint16_t>{0, 5}));

    CPictureExportDlg open(env, {0, 1}, 1);
    open.SetFolder("d");
    ASSERT_TRUE(open.Ok());
    EXPECT_EQ(open.Chosen(), std::vector<std::uint16_t>{1});
    open.SetScale(40);
    EXPECT_EQ(open.Scale(), CPictureExportDlg::kMaxScale);
    EXPECT_EQ(CPictureExportDlg::FileName(7, CPictureExportDlg::kSvg), "screen_007.svg");
}

TEST(ReportSetup, CoversEveryScreenUntilToldOtherwise)
{
    support::RecordingPrompt prompt;
    CPlcSlots slots;
    const FunctionEnv env{slots, prompt};
    CReportSetupDlg dlg(env, {0, 3, 4}, 3);
    EXPECT_EQ(dlg.Scope().GetScope(), CScreenScope::kAll) << "even with a screen open";
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Chosen(), (std::vector<std::uint16_t>{0, 3, 4}));
    dlg.Scope().SetScope(CScreenScope::kCurrent);
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Chosen(), std::vector<std::uint16_t>{3});

    // A refused list keeps the last good choice and says why.
    dlg.Scope().SetScope(CScreenScope::kList);
    dlg.Scope().SetListText("1-3");
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(prompt.last(), util::msg::kBadValue);
    EXPECT_EQ(dlg.Chosen(), std::vector<std::uint16_t>{3});
    dlg.Scope().SetListText("4,0");
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Chosen(), (std::vector<std::uint16_t>{0, 4}));

    dlg.SetPictureWidth(5);
    EXPECT_EQ(dlg.PictureWidth(), CReportSetupDlg::kMinPictureWidth);
    dlg.SetPictureWidth(250);
    EXPECT_EQ(dlg.PictureWidth(), CReportSetupDlg::kMaxPictureWidth);
}
