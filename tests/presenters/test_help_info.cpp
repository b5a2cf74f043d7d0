// The Help menu's choices: the manual of the interface language, another language's when that
// one is missing, and the libraries the About box names.

#include "core/app/help_info.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <unistd.h>

using namespace core;

namespace {

class HelpFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path()
                / ("dorvane_help_" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        for (const auto &[name, langId, file] :
             {std::tuple{"한국어", 0x412u, "dorvane_ko.html"},
              std::tuple{"English", 0x409u, "dorvane_en.html"}}) {
            core::CIndexedRes res;
            res.name = name;
            res.langId = langId;
            res.helpFile = file;
            m_resources.add(res);
        }
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string touch(const std::string &name) const
    {
        std::ofstream(m_dir / name) << "<html></html>";
        return (m_dir / name).string();
    }
    std::string manual(std::uint32_t lang) const
    {
        return manualPath(m_resources, lang, m_dir.string());
    }

    std::filesystem::path m_dir;
    CResInfo m_resources;
};

} // namespace

TEST_F(HelpFolder, TheInterfaceLanguagesManualComesFirst)
{
    const std::string korean = touch("dorvane_ko.html");
    const std::string english = touch("dorvane_en.html");
    EXPECT_EQ(manual(0x412), korean);
    EXPECT_EQ(manual(0x409), english);
}

TEST_F(HelpFolder, AnotherLanguagesManualWhenItsOwnIsMissing)
{
    EXPECT_EQ(manual(0x412), ""); // none at all
    const std::string english = touch("dorvane_en.html");
    EXPECT_EQ(manual(0x412), english);
    // A language APP.INI does not list reads the first manual there is.
    EXPECT_EQ(manual(0x411), english);
    // A folder of the manual's name is no manual.
    std::filesystem::remove(english);
    std::filesystem::create_directories(m_dir / "dorvane_en.html");
    EXPECT_EQ(manual(0x409), "");
}

TEST(HelpLicences, EveryLibraryTheProgramsLinkIsNamedOnce)
{
    std::set<std::string> names;
    for (const LibraryLicence &library : libraryLicences()) {
        EXPECT_TRUE(names.insert(library.name).second) << library.name;
        EXPECT_NE(std::string(library.licence), "") << library.name;
        EXPECT_NE(std::string(library.usedBy), "") << library.name;
    }
    for (const char *linked : {"Qt 6", "FreeType", "SQLite", "nlohmann/json", "CLI11", "libmodbus"})
        EXPECT_EQ(names.count(linked), 1u) << linked;
}
