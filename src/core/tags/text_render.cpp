#include "core/tags/text_render.h"

#include "util/code_page.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace core {

namespace {

// Windows face names and the families installed in their place.
struct FaceMapping
{
    const char *face;
    const char *family;
};

constexpr FaceMapping kFaceMap[] = {
        {"굴림", "NanumGothic"},
        {"굴림체", "NanumGothic"},
        {"돋움", "NanumGothic"},
        {"돋움체", "NanumGothic"},
        {"Gulim", "NanumGothic"},
        {"GulimChe", "NanumGothic"},
        {"Dotum", "NanumGothic"},
        {"DotumChe", "NanumGothic"},
        {"바탕", "NanumMyeongjo"},
        {"바탕체", "NanumMyeongjo"},
        {"Batang", "NanumMyeongjo"},
        {"BatangChe", "NanumMyeongjo"},
        {"Arial", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},
};

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                       == std::tolower(static_cast<unsigned char>(y));
           });
}

// FreeType and fontconfig state of the process; faces stay open once loaded.
class FontCache
{
public:
    static FontCache &instance()
    {
        static FontCache cache;
        return cache;
    }

    std::mutex &mutex() { return m_mutex; }

    // The face for a family, weight and slant, or null when the family is not installed.
    FT_Face find(const std::string &family, bool bold, bool italic)
    {
        const std::string key = family + (bold ? "|b" : "|") + (italic ? "i" : "");
        const auto it = m_faces.find(key);
        if (it != m_faces.end())
            return it->second;
        FT_Face face = load(family, bold, italic);
        m_faces.emplace(key, face);
        return face;
    }

    ~FontCache()
    {
        for (auto &entry : m_faces)
            if (entry.second)
                FT_Done_Face(entry.second);
        if (m_library)
            FT_Done_FreeType(m_library);
        FcFini(); // fontconfig keeps its configuration until told to let it go
    }
    FontCache(const FontCache &) = delete;
    FontCache &operator=(const FontCache &) = delete;

private:
    FontCache()
    {
        if (FT_Init_FreeType(&m_library) != 0)
            m_library = nullptr;
        FcInit();
    }

    FT_Face load(const std::string &family, bool bold, bool italic)
    {
        if (!m_library || family.empty())
            return nullptr;
        FcPattern *pattern = FcPatternCreate();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern *match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match)
            return nullptr;
        FT_Face face = nullptr;
        // fontconfig always offers something; only the asked-for family counts as found.
        bool familyFound = false;
        FcChar8 *name = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
            if (sameName(reinterpret_cast<const char *>(name), family))
                familyFound = true;
        FcChar8 *file = nullptr;
        int index = 0;
        if (familyFound && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            if (FT_New_Face(m_library, reinterpret_cast<const char *>(file), index, &face) != 0)
                face = nullptr;
        }
        FcPatternDestroy(match);
        return face;
    }

    std::mutex m_mutex;
    FT_Library m_library = nullptr;
    std::map<std::string, FT_Face> m_faces;
};

std::vector<std::string> faceCandidates(const util::CLogFont &font, std::uint16_t langId)
{
    const std::string raw = font.faceName();
    std::vector<std::string> names;
    if (auto utf8 = util::toUtf8(raw, langId))
        names.push_back(*utf8);
    // Projects made on Korean systems name Korean faces in CP949 whatever the panel language.
    if (auto korean = util::toUtf8(raw, util::kLangKorean))
        names.push_back(*korean);
    return names;
}

std::vector<char32_t> decodeUtf8(std::string_view s)
{
    std::vector<char32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || (extra > 0 && i + std::size_t(extra) >= s.size())) {
            out.push_back(U'?');
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? c : char32_t(c & (0x3F >> extra));
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + std::size_t(k)]) & 0x3F);
        out.push_back(cp);
        i += std::size_t(extra) + 1;
    }
    return out;
}

// Largest size, in pixels per em, that glyphs are rendered at: 128 times the panel's height, and
// a glyph bitmap of a few megabytes. A LOGFONT holds any int32, and FreeType would take up to
// 65535 pixels (half a gigabyte for one glyph).
constexpr double kMaxGlyphPixels = 8192;

// A face set to the font's size, with the cell metrics Windows would report. Beyond
// kMaxGlyphPixels the face is set to that size and advances are scaled up by `scaleX`; such a
// font is measured but not drawn.
struct SizedFace
{
    FT_Face face = nullptr;
    std::int32_t cellHeight = 0;
    std::int32_t ascent = 0;
    double ppem = 0;
    double scaleX = 1;
    bool drawable = true;
};

// Rounded and held within int32: a character height of INT32_MIN makes a cell of 2^31 and more.
std::int32_t toPixels(double value)
{
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    return std::int32_t(std::lround(std::clamp(value, -kMax, kMax)));
}

SizedFace sizedFace(const util::CLogFont &font, std::uint16_t langId)
{
    FontCache &cache = FontCache::instance();
    SizedFace sized;
    for (const std::string &name : faceCandidates(font, langId)) {
        sized.face = cache.find(fontFamilyFor(name), font.weight() >= 600, font.italic());
        if (sized.face)
            break;
    }
    if (!sized.face)
        return sized;
    FT_Face face = sized.face;
    const double upem = face->units_per_EM ? face->units_per_EM : 1000;
    double ascUnits = face->ascender;
    double cellUnits = double(face->ascender) - face->descender;
    const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->usWinAscent + os2->usWinDescent > 0) {
        ascUnits = os2->usWinAscent;
        cellUnits = double(os2->usWinAscent) + os2->usWinDescent;
    }
    if (cellUnits <= 0)
        cellUnits = upem;
    std::int32_t height = font.height();
    if (height == 0)
        height = 16;
    if (height > 0) { // cell height
        sized.ppem = height * upem / cellUnits;
        sized.cellHeight = height;
    } else { // character height
        sized.ppem = -double(height);
        sized.cellHeight = toPixels(cellUnits * sized.ppem / upem);
    }
    sized.ascent = toPixels(ascUnits * sized.ppem / upem);
    double ppemX = sized.ppem;
    if (font.width() > 0 && os2 && os2->xAvgCharWidth > 0) {
        const double average = os2->xAvgCharWidth * sized.ppem / upem;
        if (std::lround(average) != font.width())
            ppemX = sized.ppem * font.width() / average;
    }
    const double setX = std::min(ppemX, kMaxGlyphPixels);
    const double setY = std::min(sized.ppem, kMaxGlyphPixels);
    sized.drawable = setX == ppemX && setY == sized.ppem;
    if (!sized.drawable && setX > 0)
        sized.scaleX = ppemX / setX;
    FT_Set_Char_Size(face, FT_F26Dot6(std::lround(setX * 64)), FT_F26Dot6(std::lround(setY * 64)),
                     72, 72);
    return sized;
}

// The text laid out along its baseline: ink pixels of a width x cellHeight strip.
struct InkStrip
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> ink;

    void set(std::int32_t x, std::int32_t y)
    {
        if (x >= 0 && y >= 0 && x < width && y < height)
            ink[std::size_t(y) * std::size_t(width) + std::size_t(x)] = 1;
    }
};

std::int64_t advanceOf(const SizedFace &sized, char32_t cp)
{
    if (FT_Load_Char(sized.face, cp, FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
        return 0;
    const FT_Pos advance = sized.face->glyph->advance.x;
    if (sized.scaleX != 1)
        return std::llround(double(advance) * sized.scaleX / 64);
    return (advance + 32) >> 6;
}

// Summed in 64 bits: a font's width is untrusted; the sum is held at the int32 limit.
std::int32_t textAdvance(const SizedFace &sized, const std::vector<char32_t> &text)
{
    std::int64_t width = 0;
    for (const char32_t cp : text)
        width += advanceOf(sized, cp);
    return std::int32_t(std::min<std::int64_t>(width, std::numeric_limits<std::int32_t>::max()));
}

// Only the first `maxWidth` x `maxHeight` pixels of the strip are kept: the part that can land in
// the caller's clip, so the strip is never larger than the image it is drawn into.
InkStrip layOut(const SizedFace &sized, const util::CLogFont &font,
                const std::vector<char32_t> &text, std::int32_t maxWidth, std::int32_t maxHeight)
{
    FT_Face face = sized.face;
    InkStrip strip;
    // Room for italic overhang.
    const std::int64_t full = std::int64_t(textAdvance(sized, text)) + sized.cellHeight;
    strip.width = std::int32_t(std::clamp<std::int64_t>(full, 0, std::max(maxWidth, 0)));
    strip.height = std::clamp(sized.cellHeight, 0, std::max(maxHeight, 0));
    strip.ink.assign(std::size_t(strip.width) * std::size_t(strip.height), 0);
    std::int64_t pen = 0;
    for (const char32_t cp : text) {
        if (FT_Load_Char(face, cp, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
            continue;
        const FT_GlyphSlot g = face->glyph;
        const FT_Bitmap &bm = g->bitmap;
        if (bm.pixel_mode == FT_PIXEL_MODE_MONO) {
            const std::int64_t left = pen + g->bitmap_left;
            const std::int64_t top = std::int64_t(sized.ascent) - g->bitmap_top;
            // Only the rows and columns that fall into the strip.
            const auto rows = unsigned(std::clamp<std::int64_t>(strip.height - top, 0, bm.rows));
            const auto cols = unsigned(std::clamp<std::int64_t>(strip.width - left, 0, bm.width));
            const auto row0 = unsigned(std::clamp<std::int64_t>(-top, 0, rows));
            const auto col0 = unsigned(std::clamp<std::int64_t>(-left, 0, cols));
            for (unsigned row = row0; row < rows; ++row) {
                const unsigned char *line = bm.buffer + std::ptrdiff_t(row) * bm.pitch;
                for (unsigned col = col0; col < cols; ++col)
                    if (line[col >> 3] & (0x80 >> (col & 7)))
                        strip.set(std::int32_t(left + col), std::int32_t(top + row));
            }
        }
        pen += (g->advance.x + 32) >> 6;
    }
    const std::int32_t lineWidth = std::max<std::int32_t>(1, std::lround(sized.ppem / 14.0));
    const auto ruleEnd = std::int32_t(std::min<std::int64_t>(pen, strip.width));
    auto rule = [&](std::int32_t y) {
        for (std::int32_t t = 0; t < lineWidth && y + t < strip.height; ++t)
            for (std::int32_t x = 0; x < ruleEnd; ++x)
                strip.set(x, y + t);
    };
    if (font.underline())
        rule(sized.ascent + 1);
    if (font.strikeOut())
        rule(sized.ascent - sized.ascent / 3);
    return strip;
}

} // namespace

std::string fontFamilyFor(std::string_view faceUtf8)
{
    for (const FaceMapping &m : kFaceMap)
        if (sameName(faceUtf8, m.face))
            return m.family;
    return std::string(faceUtf8);
}

bool canCreateFont(const util::CLogFont &font, std::uint16_t langId)
{
    std::lock_guard lock(FontCache::instance().mutex());
    return sizedFace(font, langId).face != nullptr;
}

std::optional<TextExtent> measureText(const util::CLogFont &font, std::string_view bytes,
                                      std::uint16_t langId)
{
    std::lock_guard lock(FontCache::instance().mutex());
    const SizedFace sized = sizedFace(font, langId);
    if (!sized.face)
        return std::nullopt;
    const auto text = decodeUtf8(util::toUtf8Lossy(bytes, langId));
    return TextExtent{textAdvance(sized, text), sized.cellHeight};
}

std::string renderedFamily(const util::CLogFont &font, std::uint16_t langId)
{
    std::lock_guard lock(FontCache::instance().mutex());
    FontCache &cache = FontCache::instance();
    for (const std::string &name : faceCandidates(font, langId)) {
        std::string family = fontFamilyFor(name);
        if (cache.find(family, font.weight() >= 600, font.italic()))
            return family;
    }
    return {};
}

std::int32_t characterHeight(const util::CLogFont &font, std::uint16_t langId)
{
    std::lock_guard lock(FontCache::instance().mutex());
    const SizedFace sized = sizedFace(font, langId);
    return sized.face ? toPixels(sized.ppem) : 0;
}

std::int32_t averageCharWidth(const util::CLogFont &font, std::uint16_t langId)
{
    std::lock_guard lock(FontCache::instance().mutex());
    util::CLogFont natural = font;
    natural.setWidth(0);
    const SizedFace sized = sizedFace(natural, langId);
    if (!sized.face)
        return 0;
    const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(sized.face, FT_SFNT_OS2));
    const double upem = sized.face->units_per_EM ? sized.face->units_per_EM : 1000;
    if (os2 && os2->xAvgCharWidth > 0)
        return std::int32_t(std::lround(os2->xAvgCharWidth * sized.ppem / upem));
    return std::int32_t(advanceOf(sized, U'x'));
}

bool drawText(util::CMonoBitmap &bitmap, const CRect &clip, const util::CLogFont &font,
              std::string_view bytes, std::uint16_t langId)
{
    std::lock_guard lock(FontCache::instance().mutex());
    const SizedFace sized = sizedFace(font, langId);
    if (!sized.face || !sized.drawable)
        return false;
    const std::int32_t escapement = font.escapement();
    if (escapement != 0 && escapement != 900 && escapement != 1800 && escapement != 2700)
        return true;
    const CRect c = clip.Normalized();
    // Along the baseline the strip runs across the clip, or up and down it when turned.
    const bool turned = escapement == 900 || escapement == 2700;
    const InkStrip strip = layOut(sized, font, decodeUtf8(util::toUtf8Lossy(bytes, langId)),
                                  turned ? c.Height() : c.Width(), turned ? c.Width() : c.Height());
    for (std::int32_t v = 0; v < strip.height; ++v) {
        for (std::int32_t u = 0; u < strip.width; ++u) {
            if (!strip.ink[std::size_t(v) * std::size_t(strip.width) + std::size_t(u)])
                continue;
            CPoint p;
            switch (escapement) {
            case 900: // reads upwards from the bottom-left corner
                p = {c.left + v, c.bottom - 1 - u};
                break;
            case 1800:
                p = {c.right - 1 - u, c.bottom - 1 - v};
                break;
            case 2700: // reads downwards from the top-right corner
                p = {c.right - 1 - v, c.top + u};
                break;
            default:
                p = {c.left + u, c.top + v};
                break;
            }
            if (c.Contains(p))
                bitmap.setPixel(p.x, p.y, false);
        }
    }
    return true;
}

} // namespace core
