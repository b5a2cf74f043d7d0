// dorvane-cli config: the configuration read from the program folder.

#include "cli/commands.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

namespace cli {

namespace {

using nlohmann::ordered_json;

std::string hex4(unsigned v)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", v);
    return text;
}

ordered_json rectJson(const core::Rect &r)
{
    return {{"left", r.left}, {"top", r.top}, {"width", r.width()}, {"height", r.height()}};
}

ordered_json colorJson(std::uint32_t c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return {{"value", c}, {"rgb", text}};
}

ordered_json fontJson(const util::CLogFont &f)
{
    return {{"face", f.faceName()},
            {"height", f.height()},
            {"width", f.width()},
            {"charSet", f.charSet()}};
}

ordered_json configJson(const core::CAppConfig &c)
{
    ordered_json j;
    j["programDir"] = c.exeDir();
    j["userDir"] = c.userDir();
    j["paths"] = {{"project", c.projectDir()},
                  {"appIni", c.appIni()},
                  {"plcIni", c.plcIni()},
                  {"guiIni", c.guiIni()},
                  {"alarmDatabase", c.alarmDbPath()},
                  {"connectDir", c.connectDir()},
                  {"connectFile", c.connectFile()},
                  {"images", c.imagesDir()},
                  {"panelPicture", c.panelPictureFile()}};
    for (int ch = 1; ch <= 2; ++ch) {
        ordered_json list = ordered_json::array();
        for (const auto &p : c.plcList(ch))
            list.push_back({{"name", p.name},
                            {"type", hex4(p.type)},
                            {"flag", p.flag},
                            {"driver", p.driverDll},
                            {"panelDriver", p.panelDriver},
                            {"wiringDiagram", p.wiringDiagram}});
        j["plcLists"]["channel" + std::to_string(ch)] = list;
    }
    ordered_json langs = ordered_json::array();
    for (const auto &l : c.languages().entries())
        langs.push_back({{"index", l.index},
                         {"name", l.name},
                         {"constFile", l.constFile},
                         {"langId", hex4(l.langId)}});
    j["panelLanguages"] = langs;
    ordered_json res = ordered_json::array();
    for (const auto &r : c.resources().entries())
        res.push_back({{"name", r.name},
                       {"translation", r.dllFile},
                       {"langId", hex4(r.langId)},
                       {"help", r.helpFile},
                       {"dbcs", r.dbcs}});
    j["resourceLanguages"] = res;
    j["systemLangId"] = hex4(c.systemLangId());
    j["resourceLang"] = c.resourceLang();
    j["panelFonts"] = {{"16x16", fontJson(c.panelFont(core::PanelFontSize::Font16x16))},
                       {"8x16", fontJson(c.panelFont(core::PanelFontSize::Font8x16))},
                       {"6x8", fontJson(c.panelFont(core::PanelFontSize::Font6x8))}};
    const auto &comm = c.commSetup();
    j["commSetup"]
            = {{"port", comm.port},     {"baudRate", comm.baudRate}, {"stopBit", comm.stopBit},
               {"parity", comm.parity}, {"dataBit", comm.dataBit},   {"connect", comm.connect}};
    j["autoSaveMinutes"] = c.autoSaveInterval();
    const auto &col = c.colors();
    j["colors"] = {{"grid", colorJson(col.grid)},       {"back", colorJson(col.back)},
                   {"outline", colorJson(col.outline)}, {"fill", colorJson(col.fill)},
                   {"select", colorJson(col.select)},   {"focus", colorJson(col.focus)}};
    const auto &g = c.grid();
    j["grid"] = {{"snap", g.snap},
                 {"showGrid", g.showGrid},
                 {"xDot", g.xDot},
                 {"yDot", g.yDot},
                 {"style", g.style}};
    j["screen"] = rectJson(c.screenRect());
    ordered_json keys = ordered_json::array();
    for (int k = 1; k <= 8; ++k)
        keys.push_back(rectJson(c.functionKeyRect(k)));
    j["functionKeys"] = keys;
    return j;
}

} // namespace

void addConfigCommand(CLI::App &app, CliContext &ctx)
{
    auto *cmd
            = app.add_subcommand("config", "Print the configuration read from the program folder");
    cmd->callback([&ctx] {
        ctx.loadConfig();
        std::cout << configJson(ctx.config()).dump(2) << "\n";
    });
}

} // namespace cli
