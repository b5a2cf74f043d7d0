// dorvane-cli new, check, info, areas: project files without the editor.

#include "cli/commands.h"

#include "core/download/memory_usage.h"
#include "core/editor/screen_rules.h"
#include "core/functions/record_text.h"
#include "core/model/memory_monitor.h"
#include "core/model/project_file.h"
#include "core/project_json/tag_schema.h"
#include "core/tags/tag_kinds.h"
#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <nlohmann/json.hpp>

#include <array>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace cli {

namespace {

using nlohmann::ordered_json;

[[noreturn]] void fail(const std::string &message)
{
    std::cerr << message << "\n";
    throw Exit{1};
}

void runNew(CliContext &ctx, const std::string &path, bool force)
{
    ctx.loadConfig();
    if (util::fileExists(path) && !force)
        fail(path + " exists already (use --force to replace it).");
    auto doc = ctx.app.NewDocument();
    if (!doc->NewProject(ctx.app.NewProjectDefaults(path)))
        fail(util::messageText(util::msg::kNoProjectName).data());
    std::string error;
    if (!doc->SaveDocument(path, ctx.app.Areas(), &error))
        fail("Cannot save " + path + ": " + (error.empty() ? ctx.app.Areas().LastError() : error));
    if (!ctx.json)
        std::cout << "created " << path << "\n";
}

void runCheck(CliContext &ctx, const std::string &path)
{
    ctx.loadConfig();
    // Every area is parsed as opening does, into a project of its own: a file that passes is
    // one the editor opens. The refusal and what was found are printed by openProject.
    const auto doc = ctx.openProject(path);
    if (!doc)
        throw Exit{1};
    // Tags that hang off the display open and compile (older files hold them), but the panel
    // cuts them off: each one is named, and the file still passes.
    for (const core::OffDisplayTag &t : core::offDisplayTags(*doc))
        std::cerr << util::formatText(
                "warning: screen %u, tag %zu (%s) at (%d, %d), %d x %d, "
                "runs off the %d x %d display\n",
                unsigned(t.screen), t.index + 1,
                core::pjson::tagKindName(t.kind) ? core::pjson::tagKindName(t.kind) : "?",
                t.rect.left, t.rect.top, t.rect.Width(), t.rect.Height(), core::kPanelWidth,
                core::kPanelHeight);
}

ordered_json memoryJson(const std::string &name, core::MemoryGauge gauge, std::uint32_t bytes)
{
    return {{"area", name},
            {"used", bytes},
            {"capacity", core::CMemoryMonitor::Capacity(gauge)},
            {"percent", core::CMemoryMonitor::Percent(gauge, bytes)}};
}

void runInfo(CliContext &ctx, const std::string &path)
{
    ctx.loadConfig();
    auto doc = ctx.openProject(path);
    const auto data = core::readProjectBytes(path);
    if (!doc || !data)
        throw Exit{1};
    ordered_json j;
    j["file"] = path;
    j["version"] = util::formatText("%d.%02d", (*data)[5], (*data)[4]);
    j["length"] = data->size();
    static const char *names[] = {"G", "S", "R", "C"};
    ordered_json areas = ordered_json::array();
    for (int i = 0; i < 4; ++i)
        areas.push_back({{"area", names[i]},
                         {"offset", util::le32(*data, 74 + 8 * std::size_t(i))},
                         {"size", util::le32(*data, 78 + 8 * std::size_t(i))}});
    j["areas"] = areas;

    std::array<int, core::kTagKindCount> kinds{};
    std::size_t tags = 0;
    for (const auto &s : doc->Screens())
        for (const auto &t : s->Tags()) {
            ++kinds[t->Kind()];
            ++tags;
        }
    ordered_json perKind = ordered_json::object();
    for (int k = 0; k < core::kTagKindCount; ++k)
        if (kinds[std::size_t(k)])
            perKind[core::tagKindNames(k)->word] = kinds[std::size_t(k)];
    j["counts"] = {{"screens", doc->Screens().size()},
                   {"tags", tags},
                   {"tagsPerKind", perKind},
                   {"messages", doc->Strings().Count()},
                   {"images", doc->Images().Count()},
                   {"alarms", doc->Alarms().size()},
                   {"calculations", doc->Calculations().size()},
                   {"blockTransfers", doc->Transfers().size()},
                   {"reservations", doc->Reservations().size()}};
    j["memory"] = {memoryJson("screen", core::MemoryGauge::Screen, doc->ScreenMemoryUsed()),
                   memoryJson("message", core::MemoryGauge::String, doc->Strings().UsedBytes()),
                   memoryJson("image", core::MemoryGauge::Image, doc->Images().UsedBytes())};
    if (ctx.json) {
        std::cout << j.dump(2) << "\n";
        return;
    }
    std::cout << path << ": version " << j["version"].get<std::string>() << ", " << data->size()
              << " bytes\n";
    for (const auto &a : areas)
        std::cout << "  area " << a["area"].get<std::string>() << " at " << a["offset"] << ", "
                  << a["size"] << " bytes\n";
    for (const auto &[key, value] : j["counts"].items())
        if (key != "tagsPerKind")
            std::cout << "  " << key << ": " << value << "\n";
    for (const auto &[key, value] : perKind.items())
        std::cout << "    " << key << ": " << value << "\n";
    for (const auto &m : j["memory"])
        std::cout << "  " << m["area"].get<std::string>() << " memory: " << m["used"] << " of "
                  << m["capacity"] << " bytes (" << m["percent"] << "%)\n";
}

void runAreas(CliContext &ctx, const std::string &path, const std::string &dir, bool withFiles)
{
    ctx.loadConfig();
    auto doc = ctx.openProject(path);
    if (!doc)
        throw Exit{1};
    auto &areas = ctx.app.Areas();
    areas.AssignTextImageIds(*doc);
    using core::AreaId;
    for (const auto &r : {areas.BuildGlobalArea(*doc), areas.BuildStringArea(doc->Strings()),
                          areas.BuildImageArea(*doc), areas.BuildScreenArea(*doc)})
        if (!r.ok)
            fail(r.error);
    if (withFiles) {
        const auto &cfg = ctx.config();
        const auto lang = doc->Param16(core::kParamLanguage);
        const auto menu = cfg.protocolsDir() + "/" + cfg.languages().constFileOf(lang);
        if (auto r = areas.LoadConstantArea(menu); !r.ok)
            fail(r.error);
        std::string drivers[2];
        for (int ch = 1; ch <= 2; ++ch) {
            const auto type = util::le16(doc->Channel(ch), 0);
            const auto *plc = cfg.findPlc(ch, type);
            drivers[ch - 1] = cfg.protocolsDir() + "/"
                    + (plc && !plc->panelDriver.empty() ? plc->panelDriver
                                                        : "ch" + std::to_string(ch) + "_nouse.drv");
        }
        if (auto r = areas.LoadDriverArea(drivers[0], drivers[1]); !r.ok)
            fail(r.error);
    }
    std::vector<util::FileWrite> files;
    const auto add = [&](const char *letter, AreaId id) {
        files.push_back({dir + "/" + letter + ".bin", areas.Image(id)});
    };
    add("G", AreaId::Global);
    add("S", AreaId::String);
    add("R", AreaId::Image);
    add("C", AreaId::Screen);
    if (withFiles) {
        add("P", AreaId::Constant);
        add("Z", AreaId::Driver);
    }
    // The areas only make sense together: all are replaced or none, and a folder made for
    // them goes again when they could not be written.
    const bool madeDir = ::mkdir(dir.c_str(), 0755) == 0;
    std::string error;
    if (!util::writeFilesAtomic(files, &error)) {
        if (madeDir)
            ::rmdir(dir.c_str());
        fail("Cannot write the areas to " + dir + ": " + error);
    }
}

void runSysmem(CliContext &ctx, const std::string &path)
{
    ctx.loadConfig();
    auto doc = ctx.openProject(path);
    if (!doc)
        throw Exit{1};
    const auto map = core::buildSystemMemoryMap(*doc);
    using Map = core::CSystemMemoryMap;
    if (ctx.json) {
        ordered_json words = ordered_json::object();
        for (int w = 0; w < Map::kWords; ++w)
            if (map.At(w))
                words[std::to_string(w)] = map.CellText(w);
        std::cout << ordered_json{{"words", words}}.dump(2) << "\n";
        return;
    }
    std::cout << "      ";
    for (int c = 1; c <= Map::kColumns; ++c)
        std::cout << util::formatText("%-4s", Map::ColumnHeader(c).c_str());
    std::cout << "\n";
    for (int r = 1; r <= Map::kRows; ++r) {
        std::cout << util::formatText("%-6s", Map::RowHeader(r).c_str());
        for (int c = 1; c <= Map::kColumns; ++c)
            std::cout << util::formatText("%-4s",
                                          map.CellText((r - 1) * Map::kColumns + c - 1).c_str());
        std::cout << "\n";
    }
    std::cout << "R: Read  W: Write\n";
}

} // namespace

void addProjectCommands(CLI::App &app, CliContext &ctx)
{
    struct Options
    {
        std::string file, out;
        bool force = false, withFiles = false;
    };
    auto o = std::make_shared<Options>();

    auto *create = app.add_subcommand("new", "Create a new project as the editor's New does");
    create->add_option("file", o->file, "The .kvr file to create")->required();
    create->add_flag("--force", o->force, "Replace an existing file");
    create->callback([&ctx, o] { runNew(ctx, o->file, o->force); });

    auto *check = app.add_subcommand("check",
                                     "Check that a project file opens: header, areas and records");
    check->add_option("file", o->file)->required();
    check->callback([&ctx, o] { runCheck(ctx, o->file); });

    auto *info = app.add_subcommand("info", "Header, areas, counts and memory use of a project");
    info->add_option("file", o->file)->required();
    info->callback([&ctx, o] { runInfo(ctx, o->file); });

    auto *areas = app.add_subcommand("areas", "Write the project's area images G, S, R, C");
    areas->add_option("file", o->file)->required();
    areas->add_option("-o,--out", o->out, "Folder for G.bin, S.bin, R.bin, C.bin")->required();
    areas->add_flag("--with-files", o->withFiles,
                    "Also P.bin (menu file) and Z.bin (drivers) from the program folder");
    areas->callback([&ctx, o] { runAreas(ctx, o->file, o->out, o->withFiles); });

    auto *sysmem = app.add_subcommand("sysmem", "Which internal panel words the project uses");
    sysmem->add_option("file", o->file)->required();
    sysmem->callback([&ctx, o] { runSysmem(ctx, o->file); });
}

} // namespace cli
