// The project report of a project whose screen area is full (screens of about 20 tags of mixed
// kinds until no further screen fits) written as a PDF: time per
// report and the process's peak memory before and after, which stays flat because pages are drawn
// one at a time.

#include "full_project.h" // before Qt: the document has a member named "slots"

#include "ui/canvas/tag_painter.h"
#include "ui/print/report_renderer.h"

#include "core/app/app_config.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/report/project_report.h"
#include "core/tags/tag_resources.h"

#include "support/recording_prompt.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace {

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

using bench::FullProject;

std::size_t reportScreens(const FullProject &project, std::int64_t limit)
{
    return limit == 0 ? project.doc.Screens().size() : std::size_t(limit);
}

void BM_ReportPdfOfAFullProject(benchmark::State &state)
{
    FullProject project;
    support::RecordingPrompt prompt;
    const core::FunctionEnv env{project.doc.Slots(), prompt};
    const QString path = QDir::temp().filePath(QStringLiteral("dorvane_bench_report.pdf"));
    // Arg 0: every screen; otherwise the first N (run one at a time to compare peaks).
    std::vector<std::uint16_t> chosen;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        chosen.push_back(std::uint16_t(i));
    core::ReportOptions options;
    options.screens = chosen;
    const long before = peakKiB();
    double total = 0;
    std::int64_t n = 0;
    int pages = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        const core::CProjectReport report(project.doc, env, options);
        ui::CTagPainter painter(project.config);
        const ui::CReportRenderer renderer(report, painter, project.doc.Images(),
                                           QStringLiteral("Full.kvr"));
        pages = ui::writeReportPdf(renderer, path);
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                         .count();
        ++n;
    }
    const long after = peakKiB();
    const double ms = n ? total / double(n) : 0;
    state.counters["screens"] = double(project.doc.Screens().size());
    state.counters["pages"] = pages;
    state.counters["ms_per_report"] = ms;
    state.counters["peak_rss_kib"] = double(after);
    state.counters["peak_growth_kib"] = double(after - before);
    std::printf("report of %zu screens of %zu (%zu tags, screen area %u of %u bytes): %d pages, "
                "%.1f ms, peak RSS %ld KiB (%+ld KiB while reporting), PDF %lld bytes\n",
                reportScreens(project, state.range(0)), project.doc.Screens().size(), project.tags,
                project.doc.ScreenMemoryUsed(), core::kScreenAreaSize, pages, ms, after,
                after - before, static_cast<long long>(QFile(path).size()));
    QFile::remove(path);
}
BENCHMARK(BM_ReportPdfOfAFullProject)
        ->Arg(0)
        ->Arg(10)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);

} // namespace
