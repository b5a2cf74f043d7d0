// The display's character cells from faces whose sizes no panel can show.

#include "core/app/app_config.h"
#include "core/runtime/panel_glyphs.h"
#include "core/tags/panel_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

using namespace core;

namespace {

int inkOf(const PanelGlyph &g)
{
    return int(std::count(g.ink.begin(), g.ink.end(), std::uint8_t(1)));
}

} // namespace

// A face far larger than the display (as a damaged APP.INI gave it) leaves its cells empty at
// once instead of drawing the character at that size first.
TEST(PanelGlyphs, FacesLargerThanTheDisplayLeaveTheCellEmpty)
{
    CAppConfig config;
    config.load(std::filesystem::path(DORVANE_PROTOCOLS_DIR).parent_path().string(), 0x412);
    const PanelFonts sound = PanelFonts::fromConfig(config, 0x412);
    std::size_t length = 0;
    if (inkOf(CPanelGlyphs(sound).Glyph("A", kFontNormal, length)) == 0)
        GTEST_SKIP() << "the configured face is not installed";

    struct Row
    {
        const char *what;
        std::int32_t height, width;
    } rows[] = {{"height", 100000, 0}, {"width", 16, 2000000000}, {"negative", -100000, 0}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        PanelFonts fonts = sound;
        for (util::CLogFont *f : {&fonts.normal, &fonts.wide, &fonts.small}) {
            f->setHeight(row.height);
            f->setWidth(row.width);
        }
        const CPanelGlyphs glyphs(fonts);
        const auto t0 = std::chrono::steady_clock::now();
        const PanelGlyph &normal = glyphs.Glyph("A", kFontNormal, length);
        const PanelGlyph &large = glyphs.Glyph("A", kFontLarge, length);
        const PanelGlyph &wide = glyphs.Glyph("\xB0\xA1", kFontNormal, length);
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
        EXPECT_EQ(inkOf(normal), 0);
        EXPECT_EQ(inkOf(large), 0);
        EXPECT_EQ(inkOf(wide), 0);
        EXPECT_EQ(normal.width, panelCellWidth(kFontNormal, false)); // the cell keeps its size
    }
}
