// dorvane-cli export, import: the whole project as JSON, for keeping projects in version control.

#include "cli/commands.h"

#include "core/project_json/project_json.h"
#include "util/file_io.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <string_view>

namespace cli {

namespace {

[[noreturn]] void fail(const std::string &message)
{
    std::cerr << message << "\n";
    throw Exit{1};
}

void runExport(CliContext &ctx, const std::string &path, const std::string &out)
{
    ctx.loadConfig();
    auto doc = ctx.openProject(path);
    if (!doc)
        throw Exit{1};
    const auto result = core::exportProjectJson(*doc, doc->PanelLangId());
    if (!result.ok)
        fail("Cannot export " + path + ": " + result.error);
    if (out.empty() || out == "-") {
        std::cout << result.text;
        return;
    }
    std::string error;
    const util::ConstByteSpan bytes(reinterpret_cast<const std::uint8_t *>(result.text.data()),
                                    result.text.size());
    if (!util::writeFileAtomic(out, bytes, &error))
        fail("Cannot write " + out + ": " + error);
}

void runImport(CliContext &ctx, const std::string &in, const std::string &out, bool force)
{
    ctx.loadConfig();
    if (util::fileExists(out) && !force)
        fail(out + " exists already (use --force to replace it).");
    // A file beyond what any project exports to is not even read.
    std::error_code ec;
    if (const auto size = std::filesystem::file_size(in, ec);
        !ec && size > core::kMaxProjectJsonBytes)
        fail(in + ": the document has " + std::to_string(size) + " bytes, at most "
             + std::to_string(core::kMaxProjectJsonBytes) + " are read");
    const auto data = util::readFile(in);
    if (!data)
        fail("Cannot read " + in + ".");
    auto doc = ctx.app.NewDocument();
    const std::string_view text(reinterpret_cast<const char *>(data->data()), data->size());
    const auto result = core::importProjectJson(text, *doc);
    if (!result.ok)
        fail(in + ": " + result.error);
    std::string error;
    if (!doc->SaveDocument(out, ctx.app.Areas(), &error))
        fail("Cannot save " + out + ": " + (error.empty() ? ctx.app.Areas().LastError() : error));
    if (!ctx.json)
        std::cerr << "imported " << in << " into " << out << "\n";
}

} // namespace

void addJsonCommands(CLI::App &app, CliContext &ctx)
{
    struct Options
    {
        std::string in, out;
        bool force = false;
    };
    auto o = std::make_shared<Options>();

    auto *exp = app.add_subcommand("export", "Write a project file as JSON (docs/project-json.md)");
    exp->add_option("file", o->in, "The .kvr file")->required();
    exp->add_option("-o,--out", o->out, "JSON file to write (default: standard output)");
    exp->callback([&ctx, o] { runExport(ctx, o->in, o->out); });

    auto *imp = app.add_subcommand("import", "Build a project file from its JSON form");
    imp->add_option("json", o->in, "JSON made by export (and edited)")->required();
    imp->add_option("-o,--out", o->out, "The .kvr file to write")->required();
    imp->add_flag("--force", o->force, "Replace an existing file");
    imp->callback([&ctx, o] { runImport(ctx, o->in, o->out, o->force); });
}

} // namespace cli
