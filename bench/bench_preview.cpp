// One scan and redraw of the preview on the demo's busiest screen, as its timer does it ten
// times a second: the runtime's scan (alarms, calculations, transfers, reservations), the
// renderer's picture of the screen, the device table's values and the display widget's paint.
// The goal is one 60 Hz frame (16 ms); the preview shares the editor's thread.

#include "core/model/dorvane_doc.h" // before Qt: the document has a member named "slots"

#include "ui/preview/panel_display.h"
#include "ui/preview/panel_preview_window.h"

#include "core/app/app_services.h"
#include "core/model/screen_data.h"
#include "core/project_json/project_json.h"
#include "core/runtime/panel_glyphs.h"
#include "core/runtime/panel_runtime.h"

#include "util/file_io.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

std::unique_ptr<core::CDorvaneDoc> demo(core::CAppServices &app, std::string &error)
{
    std::unique_ptr<core::CDorvaneDoc> doc = app.NewDocument();
    const auto json = util::readFile(std::string(DORVANE_SOURCE_DIR) + "/demo/demo_project.json");
    if (!json) {
        error = "demo/demo_project.json not read";
        return nullptr;
    }
    const core::ProjectJsonResult imported
            = core::importProjectJson(std::string(json->begin(), json->end()), *doc);
    if (!imported.ok) {
        error = imported.error;
        return nullptr;
    }
    return doc;
}

void BM_PreviewScanAndRedraw(benchmark::State &state)
{
    core::CAppServices app;
    app.Load(DORVANE_RUNTIME_DIR, 0x412);
    std::string error;
    const auto doc = demo(app, error);
    if (!doc) {
        state.SkipWithError(error.c_str());
        return;
    }
    const core::CScreenData *busiest = nullptr;
    for (const auto &s : doc->Screens())
        if (!busiest || s->TagCount() > busiest->TagCount())
            busiest = s.get();

    ui::CPanelPreviewWindow::Options options;
    options.fonts = core::PanelFonts::fromConfig(app.Config(), doc->PanelLangId());
    options.textLangId = doc->PanelLangId();
    ui::CPanelPreviewWindow window(options);
    window.setDocument(doc.get());
    window.runtime()->ShowScreen(busiest->Number());
    window.show();
    if (!window.display()->isVisible()) {
        state.SkipWithError("the preview window is not shown: its display would not paint");
        return;
    }
    window.scanNow();
    window.display()->repaint();

    double total = 0;
    std::int64_t n = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        window.scanNow();
        // The paint the timer's update would bring, done now so that it is measured.
        window.display()->repaint();
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                         .count();
        ++n;
    }
    const double ms = n ? total / double(n) : 0;
    state.counters["tags"] = double(busiest->TagCount());
    state.counters["ms_per_scan"] = ms;
    std::printf("preview scan + redraw, screen %u with %zu tags: %.3f ms (goal < 16 ms)\n",
                unsigned(busiest->Number()), busiest->TagCount(), ms);
}
BENCHMARK(BM_PreviewScanAndRedraw)->Unit(benchmark::kMillisecond);

} // namespace
