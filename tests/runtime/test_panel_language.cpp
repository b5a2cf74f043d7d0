// Panel texts are read in the project's panel language on a computer set to any locale: the
// demo project as a panel holds it, drawn and named on an English system, a project whose
// language the catalogue does not list, and alarm texts of a panel whose menu is unknown.

#include "presenters/params_test_support.h"

#include "core/app/app_services.h"
#include "core/model/screen_data.h"
#include "core/presenters/alarm_hist_dlg.h"
#include "core/runtime/area_project.h"
#include "core/runtime/screen_renderer.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_tag.h"

#include "util/code_page.h"

#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>

namespace core {
namespace {

// The process's locale for one test, put back afterwards.
class ScopedLocale
{
public:
    explicit ScopedLocale(const char *name)
    {
        for (const char *var : kVars) {
            const char *old = std::getenv(var);
            m_saved.push_back(old ? std::optional<std::string>(old) : std::nullopt);
            ::setenv(var, name, 1);
        }
        std::setlocale(LC_ALL, "");
    }
    ~ScopedLocale()
    {
        for (std::size_t i = 0; i < std::size(kVars); ++i) {
            if (m_saved[i])
                ::setenv(kVars[i], m_saved[i]->c_str(), 1);
            else
                ::unsetenv(kVars[i]);
        }
        std::setlocale(LC_ALL, "");
    }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    static constexpr const char *kVars[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> m_saved;
};

// Both languages with their own faces, as the shipped APP.INI has them.
const char *const kResources
        = "[RESOURCE]\nTOTAL_RES=2\nRES0=한국어,ko.qm,412,ko.html\nRES1=English,en.qm,409,en.html\n"
          "[한국어]\nCharSet(16x16)=81\nCharSet(8x16)=81\n16x16=굴림\n8x16=굴림\n6x8=Arial\n"
          "[English]\n16x16=Arial\n8x16=Arial\n6x8=Arial\n";

class PanelLanguage : public ::testing::Test
{
protected:
    void SetUp() override { m_app.Load(m_folder.path(""), util::systemDefaultLangId()); }

    // The demo as a download leaves it in a panel: rebuilt from its four areas.
    std::unique_ptr<CDorvaneDoc> demoFromAreas()
    {
        std::string error;
        AreaImages areas;
        {
            const auto demo = support::importDemoProject(m_app, error);
            EXPECT_TRUE(demo) << error;
            if (!demo)
                return nullptr;
            for (int i = 0; i < 4; ++i)
                areas[std::size_t(i)] = m_app.Areas().BuildArea(ProjectArea(i), *demo);
        }
        auto doc = projectFromAreas(m_app, areas, error);
        EXPECT_TRUE(doc) << error;
        return doc;
    }

    ScopedLocale m_english{"en_US.UTF-8"};
    plctest::ProgramFolder m_folder{"panel_language", kResources};
    CAppServices m_app;
};

const CTextTag *firstTextTag(const CScreenData &screen)
{
    for (const auto &tag : screen.Tags())
        if (const auto *text = dynamic_cast<const CTextTag *>(tag.get()))
            return text;
    return nullptr;
}

// The display inside a rectangle, lit pixels as true.
std::vector<bool> pixels(const util::CMonoBitmap &bitmap, const CRect &r)
{
    std::vector<bool> out;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            out.push_back(!bitmap.pixel(x, y));
    return out;
}

TEST_F(PanelLanguage, KoreanDemoIsNamedAndDrawnInKoreanOnAnEnglishSystem)
{
    ASSERT_EQ(util::systemDefaultLangId(), util::kLangEnglish);
    const auto doc = demoFromAreas();
    ASSERT_TRUE(doc);
    const std::uint16_t lang = doc->PanelLangId();
    EXPECT_EQ(lang, util::kLangKorean);
    EXPECT_EQ(doc->Resources().panelLangId, util::kLangKorean) << "the tags follow the project";
    EXPECT_EQ(&doc->FindScreen(0)->Tags().front()->Resources(), &doc->Resources());
    EXPECT_EQ(projectNameFromScreens(*doc, lang), "메인");
    const CScreenData &first = *doc->FindScreen(0);
    EXPECT_EQ(util::toUtf8(first.Name(), lang), std::string("메인"));
    const CTextTag *title = firstTextTag(first);
    ASSERT_TRUE(title);
    EXPECT_EQ(util::toUtf8(title->Text(), lang), std::string("운전 현황"));

    // The display draws the title with the Korean faces and code page, as on a Korean system.
    const CRestingPanelState rest;
    const auto draw = [&](const PanelFonts &fonts) {
        util::CMonoBitmap shown;
        CScreenRenderer(*doc, fonts).Render(first, rest, shown);
        return pixels(shown, title->Rect().Normalized().Intersected({0, 0, 192, 64}));
    };
    CAppConfig korean;
    korean.load(m_folder.path(""), util::kLangKorean);
    const auto expected = draw(PanelFonts::fromConfig(korean, util::kLangKorean));
    EXPECT_EQ(draw(PanelFonts::fromConfig(m_app.Config(), lang)), expected);
    EXPECT_NE(draw(PanelFonts::fromConfig(m_app.Config(), util::kLangEnglish)), expected)
            << "the test tells the code pages apart";
}

TEST_F(PanelLanguage, UnknownLanguagesAreReadAsThePanelsOwnNotTheLocales)
{
    // A project whose language index the catalogue does not list.
    auto doc = m_app.NewDocument();
    util::setLe16(doc->Parameters(), kParamLanguage, 7);
    doc->ParametersLoaded();
    EXPECT_EQ(doc->PanelLangId(), util::kLangKorean);
    util::setLe16(doc->Parameters(), kParamLanguage, 1);
    doc->ParametersLoaded();
    EXPECT_EQ(doc->PanelLangId(), util::kLangEnglish) << "a listed language is its own";

    // Alarm texts of a panel whose menu names no language of the catalogue.
    util::Bytes menu(25, 0);
    std::copy_n("XYZ", 3, menu.begin() + 12);
    const comm::TextConverter convert = panelTextChooser(m_app.Config())(menu);
    EXPECT_EQ(convert(*util::fromUtf8("펌프 과열", util::kLangKorean)), "펌프 과열");
}

} // namespace
} // namespace core
