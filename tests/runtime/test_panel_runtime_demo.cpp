// The demo project running: every point listed once, and a scan cheap enough for a 100 ms cycle.

#include "presenters/params_test_support.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/project_json/project_json.h"
#include "core/runtime/panel_runtime.h"
#include "core/tags/tag_resources.h"

#include "util/file_io.h"

#include "support/demo_project.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>

using namespace core;

namespace {

TEST(PanelRuntimeDemo, ListsEachPointOnceAndScansQuickly)
{
    plctest::ProgramFolder folder("runtime_demo");
    CAppServices app;
    app.Load(folder.path(""), 0x412);
    std::string error;
    std::unique_ptr<CDorvaneDoc> doc = support::importDemoProject(app, error);
    ASSERT_TRUE(doc) << error;

    CPanelRuntime run(*doc);
    const auto &points = run.Memory().Points();
    ASSERT_GT(points.size(), 10u);
    std::set<std::string> texts;
    for (const MemoryPoint &p : points) {
        EXPECT_TRUE(texts.insert(p.text).second) << p.text;
        std::uint16_t size = 0;
        EXPECT_EQ(run.Memory().ParsePoint(p.text, size), p.key) << p.text;
    }

    std::tm now{};
    now.tm_year = 126;
    now.tm_mday = 1;
    const auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < 100; ++i) {
        now.tm_sec = i % 60;
        now.tm_min = i / 60;
        run.Scan(now);
    }
    const auto elapsed = std::chrono::steady_clock::now() - begin;
    EXPECT_LT(elapsed, std::chrono::milliseconds(1000)) << "100 scans";
}

} // namespace
