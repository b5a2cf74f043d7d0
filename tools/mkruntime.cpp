// Writes the sample data of the program folder. Nothing here comes from a panel maker: every
// file is drawn or composed by this program and says so where it has room for words.

#include "rgb_picture.h"
#include "util/bmp_file.h"
#include "util/byte_order.h"
#include "util/file_io.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

using util::Bytes;
using util::CMonoBitmap;

bool ensureDir(const std::string &dir)
{
    return ::mkdir(dir.c_str(), 0755) == 0 || errno == EEXIST;
}

bool save(const std::string &path, const Bytes &data)
{
    if (!util::writeFileAtomic(path, data)) {
        std::fprintf(stderr, "mkruntime: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// --- the panel picture: a 24-bit front view with a 384 x 128 display and eight keys ---------

using tools::Rgb;

class Picture : public tools::RgbPicture
{
public:
    using RgbPicture::RgbPicture;
    // A raised key: light top-left edge, dark bottom-right edge.
    void key(int x0, int y0, int x1, int y1)
    {
        rect(x0, y0, x1, y1, {196, 200, 204});
        rect(x0, y0, x1, y0 + 2, {240, 240, 240});
        rect(x0, y0, x0 + 2, y1, {240, 240, 240});
        rect(x0, y1 - 2, x1, y1, {96, 100, 104});
        rect(x1 - 2, y0, x1, y1, {96, 100, 104});
    }
};

// Geometry shared with GUI.INI: display at (88, 40) 384 x 128; keys 48 x 32 from (88, 200),
// 56 pixels apart.
bool writePanelPicture(const std::string &dir)
{
    Picture p(560, 260, {150, 156, 162});
    p.frame(0, 0, 560, 260, 3, {70, 74, 78});
    p.rect(8, 8, 552, 24, {44, 62, 96}); // maker band
    p.rect(76, 30, 484, 178, {40, 44, 48}); // bezel
    p.frame(84, 36, 476, 172, 4, {20, 22, 24}); // display frame
    p.rect(88, 40, 472, 168, {9, 73, 38}); // display area
    for (int k = 0; k < 8; ++k)
        p.key(88 + 56 * k - 4, 200, 88 + 56 * k + 44, 232);
    p.rect(500, 60, 540, 76, {30, 140, 60}); // run lamp
    p.rect(500, 90, 540, 106, {180, 40, 40}); // error lamp
    return save(dir + "/Panel.bmp", p.bmp());
}

// --- the image library --------------------------------------------------------------------------

void disc(CMonoBitmap &b, double cx, double cy, double r, bool filled)
{
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (filled ? d <= r : std::fabs(d - r) <= 0.8)
                b.setPixel(x, y, false);
        }
}

void box(CMonoBitmap &b, int x0, int y0, int x1, int y1, bool filled)
{
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (filled || x == x0 || y == y0 || x == x1 - 1 || y == y1 - 1)
                b.setPixel(x, y, false);
}

// A bar through the centre at the given angle (a fan blade for the rotation frames).
void blade(CMonoBitmap &b, double angle)
{
    const double c = b.width() / 2.0, len = c - 2;
    for (double t = -len; t <= len; t += 0.25)
        for (double s = -2; s <= 2; s += 0.5)
            b.setPixel(int(c + t * std::cos(angle) - s * std::sin(angle)),
                       int(c + t * std::sin(angle) + s * std::cos(angle)), false);
}

bool writeImages(const std::string &dir)
{
    bool ok = true;
    const auto put = [&](int id, const CMonoBitmap &b) {
        ok = util::writeBmpFile(dir + "/" + std::to_string(id) + ".bmp", b) && ok;
    };
    CMonoBitmap lampOff(24, 24), lampOn(24, 24);
    disc(lampOff, 12, 12, 10.5, false);
    disc(lampOn, 12, 12, 10.5, true);
    put(1000, lampOff);
    put(1001, lampOn);
    CMonoBitmap up(32, 24), down(32, 24);
    box(up, 0, 0, 32, 24, false);
    box(up, 2, 2, 30, 22, false);
    box(up, 28, 4, 30, 22, true);
    box(up, 4, 20, 30, 22, true);
    box(down, 0, 0, 32, 24, false);
    box(down, 3, 3, 31, 23, true);
    put(1002, up);
    put(1003, down);
    for (int f = 0; f < 4; ++f) {
        CMonoBitmap fan(32, 32);
        disc(fan, 16, 16, 15, false);
        blade(fan, f * M_PI / 4);
        disc(fan, 16, 16, 3, true);
        put(3000 + f, fan);
    }
    CMonoBitmap cart(24, 16);
    box(cart, 2, 2, 22, 11, true);
    disc(cart, 7, 13, 2.5, true);
    disc(cart, 17, 13, 2.5, true);
    put(4000, cart);
    return ok;
}

// --- panel-side files: "no driver" images and menu files ----------------------------------------

bool writeNoUseDriver(const std::string &path, const char *note)
{
    Bytes d(64, 0);
    util::setFixedText(d, 6, 7, "NO USE"); // with its terminating zero at byte 12
    util::setFixedText(d, 16, 48, note);
    return save(path, d);
}

// A menu file reserves its first six bytes for the area header; the language text lies at
// 12-14 and the version text at 20-23. What follows are the panel's own menu texts.
bool writeMenuFile(const std::string &path, const char *lang, const char *const *items, int n)
{
    Bytes d(6, 0);
    const char *title = "MENU  ";
    d.insert(d.end(), title, title + 6);
    d.insert(d.end(), lang, lang + 3);
    d.insert(d.end(), 5, 0);
    const char *version = "1.00";
    d.insert(d.end(), version, version + 4);
    d.insert(d.end(), 4, 0);
    const char *note = "Dorvane sample panel menu";
    d.insert(d.end(), note, note + std::strlen(note) + 1);
    for (int i = 0; i < n; ++i)
        d.insert(d.end(), items[i], items[i] + std::strlen(items[i]) + 1);
    d.resize((d.size() + 15) / 16 * 16, 0);
    return save(path, d);
}

bool writeMenus(const std::string &dir)
{
    // Korean texts in CP949.
    static const char *const kor[] = {"\xBC\xB3\xC1\xA4", // 설정
                                      "\xBD\xC3\xB0\xE8", // 시계
                                      "\xBE\xCF\xC8\xA3", // 암호
                                      "\xB0\xE6\xBA\xB8\xC0\xCC\xB7\xC2", // 경보이력
                                      "\xC1\xBE\xB7\xE1"}; // 종료
    static const char *const eng[] = {"SETUP", "CLOCK", "PASSWORD", "ALARM HISTORY", "EXIT"};
    return writeMenuFile(dir + "/menu_kor.mnu", "KOR", kor, 5)
            && writeMenuFile(dir + "/menu_eng.mnu", "ENG", eng, 5);
}

// --- a sample panel font: 8 x 16 cells of printable ASCII rendered from an installed face -------

std::string findFontFile(const char *family)
{
    std::string file;
    FcPattern *pattern = FcNameParse(reinterpret_cast<const FcChar8 *>(family));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    if (FcPattern *match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8 *path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch)
            file = reinterpret_cast<const char *>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

bool writeSampleFont(const std::string &path)
{
    Bytes d(6, 0); // area header, filled in by the font download
    const char *magic = "DORVANE SAMPLE FONT 8x16 ASCII 0x20-0x7E";
    d.insert(d.end(), magic, magic + std::strlen(magic) + 1);
    d.resize(64, 0);
    Bytes glyphs(95 * 16, 0);
    FT_Library lib = nullptr;
    FT_Face face = nullptr;
    const std::string file = findFontFile("Liberation Mono");
    if (!file.empty() && FT_Init_FreeType(&lib) == 0
        && FT_New_Face(lib, file.c_str(), 0, &face) == 0 && FT_Set_Pixel_Sizes(face, 0, 13) == 0) {
        for (int c = 0x20; c < 0x7F; ++c) {
            if (FT_Load_Char(face, FT_ULong(c), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
                continue;
            const FT_Bitmap &bm = face->glyph->bitmap;
            const int top = 12 - face->glyph->bitmap_top;
            const int left = face->glyph->bitmap_left;
            for (unsigned y = 0; y < bm.rows; ++y)
                for (unsigned x = 0; x < bm.width; ++x) {
                    const bool on = (bm.buffer[y * unsigned(bm.pitch) + x / 8] >> (7 - x % 8)) & 1;
                    const int row = top + int(y), col = left + int(x);
                    if (on && row >= 0 && row < 16 && col >= 0 && col < 8)
                        glyphs[std::size_t(c - 0x20) * 16 + std::size_t(row)]
                                |= std::uint8_t(0x80 >> col);
                }
        }
    }
    if (face)
        FT_Done_Face(face);
    if (lib)
        FT_Done_FreeType(lib);
    d.insert(d.end(), glyphs.begin(), glyphs.end());
    return save(path, d);
}

// --- the empty alarm-history database
// -------------------------------------------------------------

bool writeAlarmTemplate(const std::string &path)
{
    const std::string temp = path + ".new";
    std::remove(temp.c_str());
    sqlite3 *db = nullptr;
    bool ok = sqlite3_open(temp.c_str(), &db) == SQLITE_OK
            && sqlite3_exec(db, "CREATE TABLE Alarm (AlarmDate TEXT, ClearDate TEXT, Message TEXT)",
                            nullptr, nullptr, nullptr)
                    == SQLITE_OK;
    sqlite3_close(db);
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok)
        std::fprintf(stderr, "mkruntime: cannot create %s\n", path.c_str());
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkruntime PROGRAM-FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    for (const char *sub : {"", "/Protocols", "/Fonts", "/Images", "/Project", "/Alarm"})
        if (!ensureDir(dir + sub)) {
            std::fprintf(stderr, "mkruntime: cannot create %s%s\n", dir.c_str(), sub);
            return 1;
        }
    const bool ok = writePanelPicture(dir) && writeImages(dir + "/Images")
            && writeNoUseDriver(dir + "/Protocols/ch1_nouse.drv", "Dorvane: channel 1 has no PLC")
            && writeNoUseDriver(dir + "/Protocols/ch2_nouse.drv", "Dorvane: channel 2 has no PLC")
            && writeMenus(dir + "/Protocols") && writeSampleFont(dir + "/Fonts/SAMPLE.BMA")
            && writeAlarmTemplate(dir + "/AlarmHist.MAC");
    return ok ? 0 : 1;
}
