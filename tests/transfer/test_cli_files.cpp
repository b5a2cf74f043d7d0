// dorvane-cli on project files whatever the user's locale: a Korean project compiles to the same
// areas under an English locale, and the demo project's JSON imports to a project that exports
// back to the same JSON.

#include "core/app/app_services.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/text_tag.h"
#include "util/code_page.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace core;

namespace {

const std::string kDir = DORVANE_RUNTIME_DIR;

int run(const std::string &cmd)
{
    const int s = std::system(cmd.c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
}

class CliFiles : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-clifiles-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string m_dir;
};

} // namespace

TEST_F(CliFiles, AreasDoNotDependOnTheLocale)
{
    const std::string project = m_dir + "/korean.kvr";
    {
        CAppServices app;
        app.Load(kDir, 0x412);
        auto doc = app.NewDocument();
        ASSERT_TRUE(doc->NewProject(app.NewProjectDefaults(project)));
        CTag *t = nullptr;
        ASSERT_EQ(doc->FindScreen(0)->CreateTag(kTagBmpText, false, &t), kTagOk);
        static_cast<CBmpTextTag &>(*t).SetText(util::fromUtf8Lossy("운전 중", 0x412));
        ASSERT_EQ(doc->FindScreen(0)->CreateTag(kTagText, false, &t), kTagOk);
        static_cast<CTextTag &>(*t).SetText(util::fromUtf8Lossy("라인 1", 0x412));
        t->MoveTo(10, 30);
        std::string error;
        ASSERT_TRUE(doc->SaveDocument(project, app.Areas(), &error)) << error;
    }
    const auto file = util::readFile(project);
    ASSERT_TRUE(file);
    for (const char *locale : {"en_US.UTF-8", "ko_KR.UTF-8", "C"}) {
        const std::string out = m_dir + "/" + locale;
        ASSERT_EQ(run("LC_ALL= LANG=" + std::string(locale) + " '" + kDir + "/dorvane-cli' areas '"
                      + project + "' -o '" + out + "'"),
                  0);
        const auto r = util::readFile(out + "/R.bin");
        ASSERT_TRUE(r);
        const std::uint32_t at = util::le32(*file, 74 + 16), size = util::le32(*file, 78 + 16);
        EXPECT_EQ(*r, util::Bytes(file->begin() + at, file->begin() + at + size)) << locale;
    }
}

TEST_F(CliFiles, DemoProjectImportsAndExportsBack)
{
    const std::string source = std::string(DORVANE_SOURCE_DIR) + "/demo/demo_project.json";
    const std::string kvr = m_dir + "/demo.kvr", json = m_dir + "/demo.json";
    ASSERT_EQ(run("'" + kDir + "/dorvane-cli' import '" + source + "' -o '" + kvr + "' >/dev/null"),
              0);
    ASSERT_EQ(run("'" + kDir + "/dorvane-cli' export '" + kvr + "' -o '" + json + "'"), 0);
    EXPECT_EQ(util::readFile(json), util::readFile(source));
    EXPECT_TRUE(util::fileExists(kDir + "/Project/Demo.kvr")) << "the build lays out the demo";
}
