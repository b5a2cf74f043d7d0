// The options dialog's rules: the colours it edits, the auto-save bounds and when choosing a
// resource language writes APP.INI and says so.

#include "params_test_support.h"

#include "core/presenters/env_config_dlg.h"

#include "util/ini_file.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

const std::string kResources = "[RESOURCE]\nTOTAL_RES=2\nRES0=Korean,ko.qm,412,ko.html\n"
                               "RES1=English,en.qm,409,en.html\nLoadResource=0x409\n"
                               "[Color]\nBack=1\nFill=2\nGrid=3\nSelect=4\nOutline=5\nFocus=6\n";

} // namespace

TEST(EnvConfig, ColoursInDialogOrderAndAsStored)
{
    plctest::ProgramFolder folder("env_colours", kResources);
    CEnvConfigDlg dlg(folder.config);
    for (int i = 0; i < CEnvConfigDlg::kColorCount; ++i)
        EXPECT_EQ(dlg.Color(i), std::uint32_t(i + 1)) << i;
    EXPECT_EQ(dlg.Color(CEnvConfigDlg::kColorCount), 0u);
    dlg.SetColor(CEnvConfigDlg::kColorCount, 99); // outside the list: nothing changes
    dlg.SetColor(CEnvConfigDlg::kFocus, CEnvConfigDlg::ColorRef(0x33, 0x22, 0x11));
    EXPECT_EQ(dlg.Colors().focus, 0x00112233u);
    EXPECT_EQ(CEnvConfigDlg::ColorRef(300, -1, 255), 0x00FF00FFu);
}

TEST(EnvConfig, EachColourGoesBackToTheColourTheProgramStartsWith)
{
    // The defaults are those a program folder without [Color] starts with.
    plctest::ProgramFolder fresh("env_fresh", "");
    const CEnvConfigDlg untouched(fresh.config);
    plctest::ProgramFolder folder("env_defaults", kResources);
    CEnvConfigDlg dlg(folder.config);
    for (int i = 0; i < CEnvConfigDlg::kColorCount; ++i) {
        EXPECT_EQ(CEnvConfigDlg::DefaultColor(i), untouched.Color(i)) << i;
        EXPECT_TRUE(untouched.IsDefaultColor(i)) << i;
        EXPECT_FALSE(dlg.IsDefaultColor(i)) << i;
    }
    EXPECT_EQ(CEnvConfigDlg::DefaultColor(CEnvConfigDlg::kBack), 2509065u);
    EXPECT_EQ(CEnvConfigDlg::DefaultColor(CEnvConfigDlg::kSelect), 8421504u);
    EXPECT_EQ(CEnvConfigDlg::DefaultColor(CEnvConfigDlg::kColorCount), 0u);

    // One colour goes back; the others keep theirs.
    dlg.ResetColor(CEnvConfigDlg::kOutline);
    EXPECT_EQ(dlg.Colors().outline, 3830045u);
    EXPECT_TRUE(dlg.IsDefaultColor(CEnvConfigDlg::kOutline));
    EXPECT_EQ(dlg.Colors().grid, 3u);
    dlg.ResetColor(-1); // outside the list: nothing changes
    EXPECT_EQ(dlg.Colors().back, 1u);
}

TEST(EnvConfig, AutoSaveStaysWithinItsRange)
{
    plctest::ProgramFolder folder("env_autosave", "[AutoSave]\nInterval=15\n");
    CEnvConfigDlg dlg(folder.config);
    EXPECT_EQ(dlg.AutoSave(), 15);
    dlg.SetAutoSave(kMaxAutoSaveMinutes + 1);
    EXPECT_EQ(dlg.AutoSave(), kMaxAutoSaveMinutes);
    dlg.SetAutoSave(-3);
    EXPECT_EQ(dlg.AutoSave(), 0);
}

TEST(EnvConfig, OnlyAnotherLanguageIsWrittenAndAnnounced)
{
    plctest::ProgramFolder folder("env_language", kResources);
    plctest::RecordingPrompt prompt;
    CEnvConfigDlg same(folder.config);
    ASSERT_EQ(same.LanguageNames(), (std::vector<std::string>{"Korean", "English"}));
    EXPECT_EQ(same.Language(), 1); // the running language
    same.SetLanguage(5); // not in the list: kept
    EXPECT_EQ(same.Language(), 1);
    same.SetColor(CEnvConfigDlg::kBack, 0x00112233);
    EXPECT_FALSE(same.Apply(folder.config, prompt));
    EXPECT_TRUE(prompt.shown.empty());
    EXPECT_EQ(folder.config.colors().back, 0x00112233u); // colours are stored all the same
    EXPECT_EQ(util::CIniFile(folder.path("APP.INI")).getString("RESOURCE", "LoadResource"),
              "0x409");

    CEnvConfigDlg other(folder.config);
    other.SetLanguage(0);
    EXPECT_TRUE(other.Apply(folder.config, prompt));
    EXPECT_EQ(prompt.shown, std::vector<int>{util::msg::kRestartForResources});
    EXPECT_EQ(util::CIniFile(folder.path("APP.INI")).getString("RESOURCE", "LoadResource"),
              "0x412");
}

TEST(EnvConfig, AFolderWithoutLanguagesChoosesNone)
{
    plctest::ProgramFolder folder("env_none");
    plctest::RecordingPrompt prompt;
    CEnvConfigDlg dlg(folder.config);
    EXPECT_EQ(dlg.Language(), -1);
    EXPECT_FALSE(dlg.Apply(folder.config, prompt));
    EXPECT_TRUE(prompt.shown.empty());
}
