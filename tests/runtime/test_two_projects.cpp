// Two projects in one process: each document holds its own messages, images, driver slots and
// panel language, so a change to one, or its end, leaves the other's pictures and areas alone,
// and a project rebuilt from uploaded areas can be read while another is open and previewed.

#include "presenters/params_test_support.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/runtime/area_project.h"
#include "core/runtime/panel_runtime.h"
#include "core/runtime/screen_renderer.h"

#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <vector>

namespace core {
namespace {

using Pictures = std::vector<util::CMonoBitmap>;

class TwoProjects : public ::testing::Test
{
protected:
    void SetUp() override { m_app.Load(m_folder.path(""), 0x412); }

    std::unique_ptr<CDorvaneDoc> demo()
    {
        std::string error;
        auto doc = support::importDemoProject(m_app, error);
        EXPECT_TRUE(doc) << error;
        return doc;
    }

    // Every screen of `doc` at rest, as the preview shows it.
    Pictures pictures(const CDorvaneDoc &doc) const
    {
        const CScreenRenderer renderer(doc,
                                       PanelFonts::fromConfig(m_app.Config(), doc.PanelLangId()));
        const CRestingPanelState rest;
        Pictures out;
        for (const auto &screen : doc.Screens()) {
            util::CMonoBitmap shown;
            renderer.Render(*screen, rest, shown);
            out.push_back(shown);
        }
        return out;
    }

    // The four areas a download sends, image texts numbered first as the download does.
    AreaImages areas(CDorvaneDoc &doc)
    {
        m_app.Areas().AssignTextImageIds(doc);
        AreaImages out;
        for (int i = 0; i < 4; ++i)
            out[std::size_t(i)] = m_app.Areas().BuildArea(ProjectArea(i), doc);
        return out;
    }

    plctest::ProgramFolder m_folder{"two_projects"};
    CAppServices m_app;
};

TEST_F(TwoProjects, AChangeToOneLeavesTheOtherAsItWas)
{
    auto first = demo();
    auto second = demo();
    ASSERT_TRUE(first && second);
    ASSERT_NE(&first->Strings(), &second->Strings());
    ASSERT_NE(&first->Images(), &second->Images());
    ASSERT_NE(&first->Slots(), &second->Slots());
    ASSERT_GT(first->Images().Count(), 0u) << "the demo shows images";
    ASSERT_GT(first->Strings().Count(), 0u) << "the demo shows messages";
    const Pictures before = pictures(*second);
    EXPECT_EQ(pictures(*first), before);
    const AreaImages secondAreas = areas(*second);
    EXPECT_EQ(areas(*first), secondAreas);

    // The first loses its messages and images: its screens change, the second's do not.
    first->Strings().Clear();
    first->Images().Clear();
    EXPECT_NE(pictures(*first), before);
    EXPECT_GT(second->Images().Count(), 0u);
    EXPECT_GT(second->Strings().Count(), 0u);
    EXPECT_EQ(pictures(*second), before);
    EXPECT_EQ(areas(*second), secondAreas);

    // Its end takes nothing of the second with it.
    first.reset();
    EXPECT_EQ(pictures(*second), before);
    EXPECT_EQ(areas(*second), secondAreas);
}

TEST_F(TwoProjects, AnUploadIsReadWhileAnotherProjectIsPreviewed)
{
    auto open = demo();
    ASSERT_TRUE(open);
    const Pictures shown = pictures(*open);
    const AreaImages uploaded = areas(*open);
    // The preview of the open project runs while the upload is parsed beside it.
    CPanelRuntime preview(*open);
    preview.Scan(std::tm{});

    std::string error;
    const auto parsed = projectFromAreas(m_app, uploaded, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_NE(&parsed->Images(), &open->Images());
    EXPECT_EQ(areas(*parsed), uploaded) << "the panel's project, byte for byte";
    EXPECT_EQ(pictures(*parsed), shown);

    // Changing the uploaded project leaves the previewed one alone.
    parsed->Images().Clear();
    preview.Scan(std::tm{});
    EXPECT_EQ(pictures(*open), shown);
    EXPECT_EQ(areas(*open), uploaded);
}

} // namespace
} // namespace core
