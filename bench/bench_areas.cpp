// Compiling, opening and saving a project that fills the panel's areas: a screen area near
// 65536 bytes, a string area near 32768 and an image area near 65536.

#include "core/download/download_images.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/project_file.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/project_json/json_reader.h"
#include "core/tags/tag_kinds.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {

struct Project
{
    core::CDorvaneDoc doc;
    core::CStrResMgr &strings = doc.Strings();
    core::CImgResMgr &images = doc.Images();
    core::CDownloadImages areas;

    Project() { fill(); }

    void fill()
    {
        // Screens of 50 numeric tags each while the screen budget allows.
        for (std::uint16_t n = 0;; ++n) {
            core::CScreenData *s = nullptr;
            if (doc.AddScreen(n, &s) != core::kScreenOk)
                break;
            for (int i = 0; i < 50; ++i) {
                core::CTag *t = nullptr;
                if (s->CreateTag(core::kTagDigit, false, &t) != core::kTagOk)
                    break;
                t->MoveTo((i % 4) * 44, (i / 4) % 4 * 16);
            }
        }
        // Messages of 64 bytes until the string area is full.
        for (std::uint32_t id = 0; strings.Add(id, std::string(64, char('A' + id % 26))) == 0;)
            ++id;
        // Full-panel images until the image area is full.
        for (std::uint32_t id = 1000;; ++id) {
            auto img = std::make_unique<core::CIndexedImage>();
            img->m_id = id;
            img->m_bitmap = util::CMonoBitmap(192, 64, true);
            for (int x = 0; x < 192; x += 3)
                img->m_bitmap.setPixel(x, int(id % 64), false);
            if (images.Add(std::move(img)) != 0)
                break;
        }
    }

    std::array<util::Bytes, 4> build()
    {
        std::array<util::Bytes, 4> out;
        for (int a = core::kAreaGlobal; a <= core::kAreaScreen; ++a)
            out[std::size_t(a)] = areas.BuildArea(core::ProjectArea(a), doc);
        return out;
    }
};

std::size_t totalSize(const std::array<util::Bytes, 4> &areas)
{
    std::size_t n = 0;
    for (const auto &a : areas)
        n += a.size();
    return n;
}

void BM_CompileAllAreas(benchmark::State &state)
{
    Project p;
    std::size_t bytes = 0;
    for (auto _ : state) {
        auto built = p.build();
        bytes = totalSize(built);
        benchmark::DoNotOptimize(built);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["screen_bytes"] = double(p.areas.Length(core::AreaId::Screen));
    state.counters["string_bytes"] = double(p.areas.Length(core::AreaId::String));
    state.counters["image_bytes"] = double(p.areas.Length(core::AreaId::Image));
}
BENCHMARK(BM_CompileAllAreas)->Unit(benchmark::kMillisecond);

void BM_OpenProject(benchmark::State &state)
{
    Project p;
    const util::Bytes file = core::buildProjectFile(p.build());
    char path[] = "/tmp/dorvane-bench-XXXXXX";
    const int fd = ::mkstemp(path);
    if (fd < 0 || ::write(fd, file.data(), file.size()) != ssize_t(file.size())) {
        state.SkipWithError("cannot write the project file");
        return;
    }
    ::close(fd);
    for (auto _ : state) {
        core::CDorvaneDoc doc;
        const auto r = doc.OpenDocument(path, p.areas);
        if (!r.ok)
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.Screens().size());
    }
    std::remove(path);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size()));
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

void BM_SaveProject(benchmark::State &state)
{
    Project p;
    const std::string path = "/tmp/dorvane-bench-save.kvr";
    std::size_t size = 0;
    for (auto _ : state) {
        std::string error;
        if (!p.doc.SaveDocument(path, p.areas, &error))
            state.SkipWithError(error.c_str());
        size = p.areas.Length(core::AreaId::Screen);
    }
    (void)size;
    const auto file = totalSize(p.build()) + core::kProjectHeaderSize;
    std::remove(path.c_str());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file));
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

// Reading a project text whose list holds as many objects as a list may: the time must grow with
// the text, not with its square.
void BM_ParseLongObjectList(benchmark::State &state)
{
    std::string text = "{\"messages\":[{}";
    for (std::int64_t i = 1; i < state.range(0); ++i)
        text += ",{\"a\":1}";
    text += "]}";
    for (auto _ : state) {
        core::pjson::Json json;
        std::string error;
        if (!core::pjson::parseBounded(text, json, error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(json);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseLongObjectList)
        ->RangeMultiplier(4)
        ->Range(1024, 65536)
        ->Complexity()
        ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
