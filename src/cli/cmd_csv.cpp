// dorvane-cli csv export, csv import: the tag list, the alarms and the messages as CSV.

#include "cli/commands.h"

#include "core/csv/csv_tables.h"
#include "core/model/dorvane_doc.h"
#include "util/file_io.h"
#include "util/message_ids.h"

#include <iostream>

namespace cli {

namespace {

[[noreturn]] void fail(const std::string &message)
{
    std::cerr << message << "\n";
    throw Exit{1};
}

core::csv::Table tableOf(const std::string &word)
{
    const auto table = core::csv::tableFromWord(word);
    if (!table)
        fail(core::Notice{util::msg::kCsvUnknownTable, {word}}.Text());
    return *table;
}

void runExport(CliContext &ctx, const std::string &path, const std::string &table,
               const std::string &out)
{
    ctx.loadConfig();
    const auto doc = ctx.openProject(path);
    if (!doc)
        throw Exit{1};
    const std::string text = core::csv::exportTable(*doc, tableOf(table));
    if (out.empty() || out == "-") {
        std::cout << text;
        return;
    }
    std::string error;
    const util::ConstByteSpan bytes(reinterpret_cast<const std::uint8_t *>(text.data()),
                                    text.size());
    if (!util::writeFileAtomic(out, bytes, &error))
        fail("Cannot write " + out + ": " + error);
}

void runImport(CliContext &ctx, const std::string &path, const std::string &table,
               const std::string &in, const std::string &out, bool force)
{
    ctx.loadConfig();
    if (util::fileExists(out) && !force)
        fail(out + " exists already (use --force to replace it).");
    const auto which = tableOf(table);
    const auto doc = ctx.openProject(path);
    if (!doc)
        throw Exit{1};
    const auto data = util::readFile(in);
    if (!data)
        fail("Cannot read " + in + ".");
    const std::string_view text(reinterpret_cast<const char *>(data->data()), data->size());
    const core::csv::ImportResult result = core::csv::importTable(*doc, which, text);
    for (const core::Notice &n : result.refusals)
        std::cerr << in << ": " << n.Text() << "\n";
    if (!result.Ok())
        throw Exit{1};
    std::string error;
    if (!doc->SaveDocument(out, ctx.app.Areas(), &error))
        fail("Cannot save " + out + ": " + (error.empty() ? ctx.app.Areas().LastError() : error));
    if (!ctx.json)
        std::cerr << "changed " << result.changed << ", written " << out << "\n";
}

} // namespace

void addCsvCommands(CLI::App &app, CliContext &ctx)
{
    struct Options
    {
        std::string file, table, in, out;
        bool force = false;
    };
    auto o = std::make_shared<Options>();
    auto *csv = app.add_subcommand("csv", "The tag list, alarms or messages as CSV");
    csv->require_subcommand(1);
    // The shared options (--program-dir, --json) are taken after "export" and "import" too.
    csv->fallthrough();

    auto *exp = csv->add_subcommand("export", "Write a table as CSV");
    exp->add_option("file", o->file, "The .kvr file")->required();
    exp->add_option("--table", o->table, "tags, alarms or messages")->required();
    exp->add_option("-o,--out", o->out, "The CSV file (default: standard output)");
    exp->callback([&ctx, o] { runExport(ctx, o->file, o->table, o->out); });

    auto *imp = csv->add_subcommand("import", "Take a table's texts or addresses from CSV");
    imp->add_option("file", o->file, "The .kvr file")->required();
    imp->add_option("--table", o->table, "tags, alarms or messages")->required();
    imp->add_option("csv", o->in, "The CSV file")->required();
    imp->add_option("-o,--out", o->out, "The .kvr file to write")->required();
    imp->add_flag("--force", o->force, "Replace an existing output file");
    imp->callback([&ctx, o] { runImport(ctx, o->file, o->table, o->in, o->out, o->force); });
}

} // namespace cli
