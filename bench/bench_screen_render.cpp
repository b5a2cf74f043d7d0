// Full redraw of the busiest screen of the demo project (every tag kind) with values that change
// from frame to frame, as the simulator and the editor's preview redraw the panel.

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/project_json/project_json.h"
#include "core/runtime/screen_renderer.h"
#include "core/tags/point_info.h"

#include "util/file_io.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>

namespace {

// Each point reads a value of its own that moves on every frame.
class MovingState : public core::IPanelState
{
public:
    std::uint32_t frame = 0;

    std::uint32_t Value(const core::CPointInfo &p) const override
    {
        return std::uint32_t(std::hash<std::string>()(p.m_address + p.m_second)) + frame * 37;
    }
    std::vector<std::uint32_t> TrendSamples(const core::CTag &) const override
    {
        std::vector<std::uint32_t> s(20);
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = (frame + std::uint32_t(i) * 1000) % 65536;
        return s;
    }
    std::tm Clock() const override
    {
        std::tm t{};
        t.tm_year = 126;
        t.tm_mday = 1;
        t.tm_sec = int(frame % 60);
        return t;
    }
};

void BM_RenderBusyDemoScreen(benchmark::State &st)
{
    core::CAppServices app;
    app.Load(DORVANE_RUNTIME_DIR, 0x412);
    std::unique_ptr<core::CDorvaneDoc> doc = app.NewDocument();
    const auto json = util::readFile(std::string(DORVANE_SOURCE_DIR) + "/demo/demo_project.json");
    const core::ProjectJsonResult imported = json
            ? core::importProjectJson(std::string(json->begin(), json->end()), *doc)
            : core::ProjectJsonResult{false, {}, "demo/demo_project.json not read"};
    if (!imported.ok) {
        st.SkipWithError(imported.error.c_str());
        return;
    }
    const core::CScreenData *busiest = nullptr;
    for (const auto &s : doc->Screens())
        if (!busiest || s->TagCount() > busiest->TagCount())
            busiest = s.get();
    core::CScreenRenderer renderer(*doc,
                                   core::PanelFonts::fromConfig(app.Config(), doc->PanelLangId()));
    MovingState state;
    util::CMonoBitmap out;
    for (auto _ : st) {
        ++state.frame;
        renderer.Render(*busiest, state, out, state.frame * 20);
        benchmark::DoNotOptimize(out);
    }
    st.counters["tags"] = double(busiest->TagCount());
}
BENCHMARK(BM_RenderBusyDemoScreen)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
