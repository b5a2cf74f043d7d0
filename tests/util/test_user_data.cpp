// The user's folder beside an installed program folder: a build folder stays its own user
// folder; an installed one sends the user's files to the XDG data folder, copied once, and a
// file the user already has is never replaced.

#include "util/user_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>

using namespace util;
namespace fs = std::filesystem;

namespace {

void writeText(const fs::path &path, const std::string &text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string readText(const fs::path &path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class UserDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() / ("dorvane_user_" + std::to_string(::getpid()));
        fs::remove_all(m_root);
        m_program = m_root / "lib" / "dorvane";
        writeText(m_program / "APP.INI", "[DIR_INFO]\n");
        writeText(m_program / "gui.ini", "[SCREEN_IMAGE]\n");
        writeText(m_program / "Panel.bmp", "BM");
        writeText(m_program / "Project" / "Demo.kvr", "demo");
        writeText(m_program / "Protocols" / "ch1.drv", "driver");
        fs::create_directories(m_program / "Alarm");
        saveEnv("HOME", m_home);
        saveEnv("XDG_DATA_HOME", m_xdg);
        ::setenv("HOME", (m_root / "home").c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
    }
    void TearDown() override
    {
        restoreEnv("HOME", m_home);
        restoreEnv("XDG_DATA_HOME", m_xdg);
        fs::permissions(m_program, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_root);
    }
    void install() { writeText(m_program / kInstalledMarker, ""); }

    fs::path m_root, m_program;

private:
    static void saveEnv(const char *name, std::optional<std::string> &into)
    {
        if (const char *v = std::getenv(name))
            into = v;
    }
    static void restoreEnv(const char *name, const std::optional<std::string> &value)
    {
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
    }
    std::optional<std::string> m_home, m_xdg;
};

TEST_F(UserDataTest, BuildFolderIsItsOwnUserFolder)
{
    EXPECT_EQ(userDataDir(m_program.string()), m_program.string());
}

TEST_F(UserDataTest, InstalledFolderUsesXdgDataHomeThenHome)
{
    install();
    EXPECT_EQ(userDataDir(m_program.string()), (m_root / "home/.local/share/dorvane").string());
    ::setenv("XDG_DATA_HOME", (m_root / "xdg").c_str(), 1);
    EXPECT_EQ(userDataDir(m_program.string()), (m_root / "xdg/dorvane").string());
    // A relative XDG_DATA_HOME is ignored, as the XDG rules say.
    ::setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(userDataDir(m_program.string()), (m_root / "home/.local/share/dorvane").string());
    ::unsetenv("HOME");
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(userDataDir(m_program.string()), m_program.string());
}

TEST_F(UserDataTest, CopiesWhatTheUserMayChangeAndNothingElse)
{
    install();
    // The installed folder is read-only, as under /usr.
    fs::permissions(m_program,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    fs::permissions(m_program / "APP.INI", fs::perms::owner_read);
    const fs::path user = m_root / "home/.local/share/dorvane";
    ASSERT_TRUE(prepareUserData(m_program.string(), user.string()));
    EXPECT_EQ(readText(user / "APP.INI"), "[DIR_INFO]\n");
    EXPECT_TRUE(fs::exists(user / "gui.ini"));
    EXPECT_EQ(readText(user / "Project/Demo.kvr"), "demo");
    EXPECT_TRUE(fs::is_directory(user / "Alarm"));
    EXPECT_FALSE(fs::exists(user / "Panel.bmp"));
    EXPECT_FALSE(fs::exists(user / "Protocols"));
    // The user's copy can be written although the installed file could not.
    EXPECT_TRUE((fs::status(user / "APP.INI").permissions() & fs::perms::owner_write)
                != fs::perms::none);
}

TEST_F(UserDataTest, TheUsersFileWinsAndMissingOnesAreAdded)
{
    install();
    const fs::path user = m_root / "home/.local/share/dorvane";
    writeText(user / "APP.INI", "changed");
    writeText(user / "Project/Demo.kvr", "edited");
    ASSERT_TRUE(prepareUserData(m_program.string(), user.string()));
    EXPECT_EQ(readText(user / "APP.INI"), "changed");
    EXPECT_EQ(readText(user / "Project/Demo.kvr"), "edited");
    EXPECT_TRUE(fs::exists(user / "gui.ini"));
}

TEST_F(UserDataTest, UnwritableUserFolderFails)
{
    install();
    fs::create_directories(m_root / "home");
    writeText(m_root / "home/file", "");
    EXPECT_FALSE(prepareUserData(m_program.string(), (m_root / "home/file/dorvane").string()));
}

} // namespace
