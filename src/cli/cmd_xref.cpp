// dorvane-cli xref, replace-address: where the project uses its addresses, and moving them.

#include "cli/commands.h"

#include "core/functions/record_text.h"
#include "core/model/dorvane_doc.h"
#include "core/xref/address_replace.h"
#include "core/xref/cross_reference.h"
#include "core/xref/xref_text.h"
#include "util/file_io.h"
#include "util/message_ids.h"

#include <nlohmann/json.hpp>

#include <iostream>
#include <optional>

namespace cli {

namespace {

using nlohmann::ordered_json;
namespace xref = core::xref;

[[noreturn]] void fail(const std::string &message)
{
    std::cerr << message << "\n";
    throw Exit{1};
}

std::string kindName(const xref::PointEntry &p)
{
    if (p.words > 1)
        return std::to_string(p.words) + " words";
    return p.addrKind == core::kAddrBit ? "bit"
                                        : (p.addrKind == core::kAddrDWord ? "double word" : "word");
}

ordered_json userJson(const xref::User &u)
{
    ordered_json j{{"kind", xref::kindWord(u.kind)}, {"role", xref::roleWord(u.role)}};
    if (u.kind == xref::UserKind::Tag || u.kind == xref::UserKind::FunctionKey)
        j["screen"] = u.screen;
    if (u.kind != xref::UserKind::Parameters)
        j["number"] = u.index + 1;
    if (u.kind == xref::UserKind::Tag)
        j.update({{"tagKind",
                   core::tagKindNames(u.tagKind) ? core::tagKindNames(u.tagKind)->word : "?"},
                  {"x", u.rect.left},
                  {"y", u.rect.top}});
    j["access"] = xref::accessText(u.access);
    j["text"] = xref::userText(u);
    return j;
}

ordered_json pointJson(const xref::CCrossReference &x, const xref::PointEntry &p)
{
    ordered_json users = ordered_json::array();
    for (const xref::User &u : p.users)
        users.push_back(userJson(u));
    ordered_json overlaps = ordered_json::array();
    for (std::size_t i : p.overlaps)
        overlaps.push_back(x.Points()[i].text);
    ordered_json j{{"point", p.text},     {"channel", p.addr.channel}, {"station", p.addr.station},
                   {"area", p.addr.area}, {"number", p.addr.number},   {"size", kindName(p)}};
    if (!p.systemName.empty())
        j["systemName"] = p.systemName;
    j.update({{"access", xref::accessText(p.access)}, {"users", users}, {"overlaps", overlaps}});
    return j;
}

ordered_json resourcesJson(const std::vector<xref::ResourceEntry> &list)
{
    ordered_json out = ordered_json::array();
    for (const auto &r : list) {
        ordered_json users = ordered_json::array();
        for (const xref::User &u : r.users)
            users.push_back(userJson(u));
        out.push_back({{"id", r.id}, {"users", users}});
    }
    return out;
}

void printPoint(const xref::CCrossReference &x, const xref::PointEntry &p)
{
    std::cout << p.text << " (" << kindName(p);
    if (!p.systemName.empty())
        std::cout << ", " << p.systemName;
    std::cout << ") " << xref::accessText(p.access) << "\n";
    for (const xref::User &u : p.users)
        std::cout << "    " << xref::userText(u) << "  " << xref::accessText(u.access) << "\n";
    for (std::size_t i : p.overlaps)
        std::cout << "    = " << x.Points()[i].text << " (" << kindName(x.Points()[i]) << ")\n";
}

void printResources(const char *title, const std::vector<xref::ResourceEntry> &list)
{
    for (const auto &r : list) {
        std::cout << title << r.id << "\n";
        for (const xref::User &u : r.users)
            std::cout << "    " << xref::userText(u) << "\n";
    }
}

void runXref(CliContext &ctx, const std::string &path, const std::string &point)
{
    ctx.loadConfig();
    const auto doc = ctx.openProject(path);
    if (!doc)
        throw Exit{1};
    const auto x = xref::CCrossReference::Build(*doc);
    std::vector<std::size_t> shown;
    if (point.empty()) {
        shown = x.Filtered({{}, std::nullopt, std::nullopt});
    } else if (const auto found = x.Find(point)) {
        shown = {*found};
    } else if ((shown = x.Filtered({point, std::nullopt, std::nullopt})).empty()) {
        fail(core::Notice{util::msg::kXrefNoPoint, {point}}.Text());
    }
    if (ctx.json) {
        ordered_json points = ordered_json::array();
        for (std::size_t i : shown)
            points.push_back(pointJson(x, x.Points()[i]));
        ordered_json j{{"points", points}};
        if (point.empty())
            j.update({{"messages", resourcesJson(x.Messages())},
                      {"images", resourcesJson(x.Images())}});
        std::cout << j.dump(2) << "\n";
        return;
    }
    for (std::size_t i : shown)
        printPoint(x, x.Points()[i]);
    if (point.empty()) {
        printResources("M", x.Messages());
        printResources("I", x.Images());
    }
}

struct ReplaceOptions
{
    std::string file, out, from, to;
    std::uint16_t channel = 1;
    int station = -1;
    std::optional<std::int64_t> offset;
    std::vector<std::string> kinds;
    bool skipRefused = false, force = false;
};

xref::ReplaceRequest requestOf(const ReplaceOptions &o)
{
    xref::ReplaceRequest r{o.channel, std::nullopt, o.from, o.to, {}, o.offset};
    if (o.station >= 0)
        r.station = std::uint16_t(o.station);
    for (const std::string &word : o.kinds)
        r.kinds.push_back(*xref::kindFromWord(word));
    return r;
}

void runReplace(CliContext &ctx, const ReplaceOptions &o)
{
    if (o.to.empty() && !o.offset)
        fail("--to or --offset is required.");
    ctx.loadConfig();
    if (util::fileExists(o.out) && !o.force)
        fail(o.out + " exists already (use --force to replace it).");
    const auto doc = ctx.openProject(o.file);
    if (!doc)
        throw Exit{1};
    const xref::ReplacePlan plan = xref::planReplace(*doc, requestOf(o));
    for (const xref::ReplaceChange &c : plan.refused)
        std::cerr << xref::refusalNotice(doc->Slots(), c).Text() << "\n";
    if (const auto problem = xref::applyReplace(*doc, plan, o.skipRefused))
        fail(problem->Text());
    std::string error;
    if (!doc->SaveDocument(o.out, ctx.app.Areas(), &error))
        fail("Cannot save " + o.out + ": " + (error.empty() ? ctx.app.Areas().LastError() : error));
    for (const xref::ReplaceChange &c : plan.changes)
        if (!ctx.json)
            std::cout << c.use.addr.CellText(doc->Slots()) << " -> " << c.to.CellText(doc->Slots())
                      << "  " << xref::userText(c.use.user) << "\n";
}

CLI::Validator kindValidator()
{
    return CLI::Validator(
            [](std::string &word) {
                return xref::kindFromWord(word) ? std::string()
                                                : "tag, key, alarm, calculation, transfer, "
                                                  "reservation or parameters expected";
            },
            "KIND");
}

} // namespace

void addXrefCommands(CLI::App &app, CliContext &ctx)
{
    auto x = std::make_shared<std::pair<std::string, std::string>>();
    auto *xrefCmd = app.add_subcommand("xref",
                                       "Every device point, message and image the "
                                       "project uses, with all their users");
    xrefCmd->add_option("file", x->first, "The .kvr file")->required();
    xrefCmd->add_option("--point", x->second,
                        "Only this point (\"1-1-D100\", a system name, or part of a point)");
    xrefCmd->callback([&ctx, x] { runXref(ctx, x->first, x->second); });

    auto o = std::make_shared<ReplaceOptions>();
    auto *rep = app.add_subcommand("replace-address",
                                   "Move the addresses of a range onto a new start");
    rep->add_option("file", o->file, "The .kvr file")->required();
    rep->add_option("--channel", o->channel, "0 the panel's memory, 1 or 2 a PLC channel")
            ->required()
            ->check(CLI::Range(0, 2));
    rep->add_option("--station", o->station, "Only this station (default: every station)")
            ->check(CLI::Range(0, 65535));
    rep->add_option("--from", o->from, "The address or range: D100 or D100-D199")->required();
    auto *to = rep->add_option("--to", o->to, "The new start: D1100");
    auto *offset = rep->add_option("--offset", o->offset,
                                   "Move by this many words instead (1000, or -50)");
    to->excludes(offset);
    rep->add_option("--kind", o->kinds, "Only users of these kinds")->check(kindValidator());
    rep->add_option("-o,--out", o->out, "The .kvr file to write")->required();
    rep->add_flag("--skip-refused", o->skipRefused,
                  "Change the addresses the driver takes, leave the refused ones");
    rep->add_flag("--force", o->force, "Replace an existing output file");
    rep->callback([&ctx, o] { runReplace(ctx, *o); });
}

} // namespace cli
