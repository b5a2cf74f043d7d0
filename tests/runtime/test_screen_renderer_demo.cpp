// The demo project (every tag kind on real screens) drawn at rest: every tag shows something
// inside its rectangle and nothing is drawn outside the tags.

#include "presenters/params_test_support.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/project_json/project_json.h"
#include "core/runtime/screen_renderer.h"
#include "core/tags/line_tag.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_render.h"
#include "util/code_page.h"
#include "util/file_io.h"

#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <set>

namespace core {
namespace {

class DemoRenderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_app.Load(m_folder.path(""), 0x412);
        std::string error;
        m_doc = support::importDemoProject(m_app, error);
        ASSERT_TRUE(m_doc) << error;
    }

    plctest::ProgramFolder m_folder{"render_demo"};
    CAppServices m_app;
    std::unique_ptr<CDorvaneDoc> m_doc;
};

TEST_F(DemoRenderTest, EveryTagOfEveryScreenShowsInsideItsRectangle)
{
    const CScreenRenderer renderer(*m_doc,
                                   PanelFonts::fromConfig(m_app.Config(), m_doc->PanelLangId()));
    const CRestingPanelState rest;
    std::set<std::uint16_t> kinds;
    for (const auto &screen : m_doc->Screens()) {
        util::CMonoBitmap shown;
        renderer.Render(*screen, rest, shown);
        ASSERT_EQ(shown.width(), 192);
        std::vector<CRect> rects;
        for (const auto &tag : screen->Tags()) {
            kinds.insert(tag->Kind());
            CRect r = tag->Rect().Normalized();
            if (auto *line = dynamic_cast<const CLineTag *>(tag.get())) {
                // A line's rectangle runs between its end points; its pixels include them.
                const int t = line->Thickness();
                r = {r.left - t, r.top - t, r.right + t + 1, r.bottom + t + 1};
            }
            r = r.Intersected({0, 0, 192, 64});
            rects.push_back(r);
            bool any = false;
            for (int y = r.top; y < r.bottom && !any; ++y)
                for (int x = r.left; x < r.right && !any; ++x)
                    any = !shown.pixel(x, y);
            EXPECT_TRUE(any) << "screen " << screen->Number() << " kind " << tag->Kind() << " at "
                             << r.left << "," << r.top;
        }
        if (screen->IsBackgroundOn())
            continue;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 192; ++x)
                if (!shown.pixel(x, y)) {
                    ASSERT_TRUE(std::any_of(rects.begin(), rects.end(),
                                            [&](const CRect &r) {
                                                return r.Contains({x, y});
                                            }))
                            << "screen " << screen->Number() << " lit at " << x << "," << y;
                }
    }
    EXPECT_EQ(kinds.size(), 16u);
}

TEST(PanelFontsTest, PanelLanguageFacesAreTakenAndNameAnInstalledFamily)
{
    // The program runs in English; the Korean panel's faces are written in UTF-8.
    const plctest::ProgramFolder folder(
            "render_fonts",
            "[RESOURCE]\nTOTAL_RES=2\nRES0=한국어,ko.qm,412,ko.html\nRES1=English,en.qm,409,en."
            "html\n"
            "[한국어]\nCharSet(16x16)=81\nCharSet(8x16)=81\n16x16=굴림\n8x16=굴림\n6x8=Arial\n"
            "Height(16x16)=16\nHeight(8x16)=16\nHeight(6x8)=8\n"
            "[English]\n16x16=Arial\n8x16=Arial\n6x8=Arial\n"
            "Height(16x16)=16\nHeight(8x16)=16\nHeight(6x8)=8\n");
    CAppConfig config;
    config.load(folder.path(""), 0x409);
    const PanelFonts fonts = PanelFonts::fromConfig(config, util::kLangKorean);
    EXPECT_TRUE(canCreateFont(fonts.wide, util::kLangKorean));
    EXPECT_EQ(renderedFamily(fonts.wide, util::kLangKorean), "NanumGothic");
    EXPECT_EQ(util::toUtf8(fonts.wide.faceName(), util::kLangKorean), std::string("굴림"));
    EXPECT_EQ(fonts.resourceLangId, 0x409);
}

} // namespace
} // namespace core
