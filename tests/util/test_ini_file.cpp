#include "util/file_io.h"
#include "util/ini_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace util;

namespace {

class IniFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-ini-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
        m_path = m_dir + "/TEST.INI";
    }
    void TearDown() override { std::system(("rm -rf " + m_dir).c_str()); }
    void write(const std::string &text)
    {
        std::ofstream(m_path, std::ios::binary) << text;
    }
    std::string read() const
    {
        std::ifstream in(m_path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    std::string m_dir, m_path;
};

} // namespace

TEST_F(IniFileTest, MissingFileOrKeyGivesTheDefault)
{
    CIniFile missing(m_path);
    EXPECT_FALSE(missing.exists());
    EXPECT_EQ(missing.getString("A", "B", "def"), "def");
    EXPECT_EQ(missing.getInt("A", "B", 42), 42);

    write("[Sec]\nKey=1\n");
    CIniFile ini(m_path);
    EXPECT_EQ(ini.getInt("Sec", "Other", 7), 7);
    EXPECT_EQ(ini.getInt("Nope", "Key", 7), 7);
}

TEST_F(IniFileTest, NamesMatchWithoutCaseAndFirstWins)
{
    write("[comm_setup]\r\n  Port = 3 \r\nport=9\r\n[COMM_SETUP]\r\nBaudRate=9600\r\n");
    CIniFile ini(m_path);
    EXPECT_EQ(ini.getInt("COMM_SETUP", "PORT", 1), 3);
    // The second section of the same name is never consulted.
    EXPECT_EQ(ini.getInt("comm_setup", "BaudRate", 115200), 115200);
}

TEST_F(IniFileTest, IntegerReadsLikeThePrivateProfile)
{
    write("[S]\nplain=120\nneg=-5\nhex=0x1F\nlead=12abc\nword=abc\nempty=\n");
    CIniFile ini(m_path);
    EXPECT_EQ(ini.getInt("S", "plain", 0), 120);
    EXPECT_EQ(ini.getInt("S", "neg", 0), -5);
    EXPECT_EQ(ini.getInt("S", "hex", 0), 31);
    EXPECT_EQ(ini.getInt("S", "lead", 0), 12);
    EXPECT_EQ(ini.getInt("S", "word", 9), 0); // present but not a number
    EXPECT_EQ(ini.getInt("S", "empty", 9), 9); // empty value counts as missing
}

TEST_F(IniFileTest, StringsAreTrimmedUnquotedAndCut)
{
    write("[S]\nq=\"  spaced  \"\nlong=0123456789\n");
    CIniFile ini(m_path);
    EXPECT_EQ(ini.getString("S", "q"), "  spaced  ");
    EXPECT_EQ(ini.getString("S", "long", "", 5), "0123");
}

TEST_F(IniFileTest, WritingKeepsEverythingElse)
{
    write("; settings\r\n[Color]\r\nGrid=1\r\nBack=2\r\n\r\n[Other]\r\nX=1\r\n");
    CIniFile ini(m_path);
    ASSERT_TRUE(ini.writeString("color", "BACK", "99"));
    ASSERT_TRUE(ini.writeString("Color", "Fill", "5"));
    ASSERT_TRUE(ini.writeInt("New", "Key", 3));
    EXPECT_EQ(read(), "; settings\r\n[Color]\r\nGrid=1\r\nBACK=99\r\nFill=5\r\n\r\n[Other]\r\nX=1\r\n"
                      "\r\n[New]\r\nKey=3\r\n");
    CIniFile again(m_path);
    EXPECT_EQ(again.getInt("Color", "Back", 0), 99);
    EXPECT_EQ(again.getInt("Other", "X", 0), 1);
}

TEST_F(IniFileTest, WritingCreatesAMissingFile)
{
    CIniFile ini(m_path);
    ASSERT_TRUE(ini.writeString("AutoSave", "Interval", "10"));
    EXPECT_EQ(CIniFile(m_path).getInt("AutoSave", "Interval", 0), 10);
}

TEST_F(IniFileTest, FailedWriteLeavesFileAndMemoryUnchanged)
{
    CIniFile ini(m_dir + "/no/such/folder/X.INI");
    EXPECT_FALSE(ini.writeString("S", "K", "V"));
    EXPECT_EQ(ini.getString("S", "K", "none"), "none");
}

TEST(IniFields, SplitAtTheFirstCommasOnly)
{
    EXPECT_EQ(splitFields("a,b,c,d", 3), (std::vector<std::string>{"a", "b", "c,d"}));
    EXPECT_EQ(splitFields("a,b", 4), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitFields("", 3), (std::vector<std::string>{""}));
    EXPECT_EQ(splitFields(",x", 2), (std::vector<std::string>{"", "x"}));
}

TEST(IniFields, PathsAndHex)
{
    EXPECT_EQ(nativePath("\\Images\\lib"), "/Images/lib");
    EXPECT_EQ(parseHex("412"), 0x412u);
    EXPECT_EQ(parseHex(" 0x8001 "), 0x8001u);
    EXPECT_EQ(parseHex("12G4"), 0x12u);
    EXPECT_EQ(parseHex("zz"), 0u);
}
