// Draws the wiring diagrams of the program folder's Connect directory: one per PLC driver of
// PLC.INI (its third field names the file) and the cable between the PC and the panel's download
// port (APP.INI [comm_setup] Connect). Each is a schematic of the two connectors with their pin
// numbers and signal names and the wires between them. Plain 24-bit BMP, a built-in 5x7 font:
// the pictures come out the same on every build machine.

#include "rgb_picture.h"
#include "util/byte_order.h"
#include "util/file_io.h"

#include <array>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using util::Bytes;

using tools::Rgb;

constexpr Rgb kPaper{255, 255, 255};
constexpr Rgb kInk{24, 24, 24};
constexpr Rgb kBody{220, 226, 234};
constexpr Rgb kTx{190, 40, 40};
constexpr Rgb kRx{30, 90, 180};
constexpr Rgb kGnd{40, 130, 60};
constexpr Rgb kGrey{120, 120, 120};

// 5x7 glyphs, one string of 7 rows of 5 cells each ('#' set).
struct Glyph
{
    char c;
    const char *rows;
};
constexpr Glyph kFont[] = {
        {'A', ".###.#...##...#######...##...##...#"}, {'B', "####.#...##...#####.#...##...#####."},
        {'C', ".###.#...##....#....#....#...#.###."}, {'D', "####.#...##...##...##...##...#####."},
        {'E', "######....#....####.#....#....#####"}, {'F', "######....#....####.#....#....#...."},
        {'G', ".###.#...##....#.####...##...#.####"}, {'H', "#...##...##...#######...##...##...#"},
        {'I', ".###...#....#....#....#....#...###."}, {'J', "..###...#....#....#....#.#..#..##.."},
        {'K', "#...##..#.#.#..##...#.#..#..#.#...#"}, {'L', "#....#....#....#....#....#....#####"},
        {'M', "#...###.###.#.##...##...##...##...#"}, {'N', "#...###..##.#.##..###...##...##...#"},
        {'O', ".###.#...##...##...##...##...#.###."}, {'P', "####.#...##...#####.#....#....#...."},
        {'Q', ".###.#...##...##...##.#.##..#..##.#"}, {'R', "####.#...##...#####.#.#..#..#.#...#"},
        {'S', ".#####....#.....###.....#....#####."}, {'T', "#####..#....#....#....#....#....#.."},
        {'U', "#...##...##...##...##...##...#.###."}, {'V', "#...##...##...##...##...#.#.#...#.."},
        {'W', "#...##...##...##.#.##.#.##.#.#.#.#."}, {'X', "#...##...#.#.#...#...#.#.#...##...#"},
        {'Y', "#...##...#.#.#...#....#....#....#.."}, {'Z', "#####....#...#...#...#...#....#####"},
        {'0', ".###.#...##..###.#.###..##...#.###."}, {'1', "..#...##....#....#....#....#...###."},
        {'2', ".###.#...#....#...#...#...#...#####"}, {'3', "#####...#...#.....#.....##...#.###."},
        {'4', "...#...##..#.#.#..#.#####...#....#."}, {'5', "######....####.....#....##...#.###."},
        {'6', "..##..#...#....####.#...##...#.###."}, {'7', "#####....#...#...#...#....#....#..."},
        {'8', ".###.#...##...#.###.#...##...#.###."}, {'9', ".###.#...##...#.####....#...#..##.."},
        {'-', "...............#####..............."}, {'+', ".......#....#..#####..#....#......."},
        {'(', "...#...#...#....#....#.....#.....#."}, {')', ".#.....#.....#....#....#...#...#..."},
        {'/', ".........#...#...#...#...#........."}, {':', "......##...##........##...##......."},
        {'.', "..........................##...##.."}, {',', ".....................##....#...#..."},
        {' ', "..................................."},
};

const char *glyph(char c)
{
    for (const Glyph &g : kFont)
        if (g.c == c)
            return g.rows;
    return kFont[sizeof(kFont) / sizeof(kFont[0]) - 1].rows;
}

class Picture : public tools::RgbPicture
{
public:
    Picture(int w, int h)
        : RgbPicture(w, h, kPaper)
    { }
    // Text at scale `s` (each font cell s x s pixels), 6 cells per character.
    void text(int x, int y, const std::string &s, Rgb c, int scale = 2)
    {
        for (char ch : s) {
            const char *rows = glyph(ch);
            const std::size_t n = std::char_traits<char>::length(rows);
            for (std::size_t i = 0; i < n && i < 35; ++i)
                if (rows[i] == '#')
                    rect(x + int(i % 5) * scale, y + int(i / 5) * scale, x + int(i % 5 + 1) * scale,
                         y + int(i / 5 + 1) * scale, c);
            x += 6 * scale;
        }
    }
    static int textWidth(const std::string &s, int scale = 2) { return int(s.size()) * 6 * scale; }
};

// One wire: pin and signal on each side, in the wire's colour.
struct Wire
{
    int leftPin;
    const char *leftSignal;
    int rightPin;
    const char *rightSignal;
    Rgb colour;
};

struct Link
{
    std::string title; // e.g. "CH1 RS-232C"
    std::string left; // connector captions
    std::string right;
    std::vector<Wire> wires;
};

constexpr int kWidth = 640;
constexpr int kConnectorW = 150;
constexpr int kPinPitch = 30;

// Draws one link (two connectors and their wires) from `top`; returns the height it took.
int drawLink(Picture &p, int top, const Link &link)
{
    p.text(20, top, link.title, kInk, 2);
    const int boxTop = top + 50;
    const int boxH = int(link.wires.size()) * kPinPitch + 20;
    const int leftX = 20;
    const int rightX = kWidth - 20 - kConnectorW;
    p.text(leftX, top + 26, link.left, kGrey, 1);
    p.text(rightX + kConnectorW - Picture::textWidth(link.right, 1), top + 26, link.right, kGrey,
           1);
    for (int x : {leftX, rightX}) {
        p.rect(x, boxTop, x + kConnectorW, boxTop + boxH, kBody);
        p.frame(x, boxTop, x + kConnectorW, boxTop + boxH, 2, kInk);
    }
    for (std::size_t i = 0; i < link.wires.size(); ++i) {
        const Wire &w = link.wires[i];
        const int y = boxTop + 14 + int(i) * kPinPitch;
        const std::string lp = w.leftPin > 0 ? std::to_string(w.leftPin) : std::string("-");
        const std::string rp = w.rightPin > 0 ? std::to_string(w.rightPin) : std::string("-");
        p.text(leftX + 10, y, w.leftSignal, kInk);
        p.text(leftX + kConnectorW - 10 - Picture::textWidth(lp), y, lp, kInk);
        p.text(rightX + 10, y, rp, kInk);
        p.text(rightX + kConnectorW - 10 - Picture::textWidth(w.rightSignal), y, w.rightSignal,
               kInk);
        // Pin dots and the wire between them.
        const int wy = y + 6;
        const int x0 = leftX + kConnectorW;
        const int x1 = rightX;
        p.rect(x0 - 4, wy - 4, x0 + 4, wy + 4, w.colour);
        p.rect(x1 - 4, wy - 4, x1 + 4, wy + 4, w.colour);
        p.rect(x0, wy - 1, x1, wy + 2, w.colour);
    }
    return 50 + boxH + 30;
}

bool writeDiagram(const std::string &path, const std::string &heading,
                  const std::vector<Link> &links, const std::string &note)
{
    int height = 60 + 30;
    for (const Link &l : links)
        height += 50 + int(l.wires.size()) * kPinPitch + 20 + 30;
    Picture p(kWidth, height);
    p.frame(0, 0, kWidth, height, 2, kGrey);
    p.text(20, 20, heading, kInk, 3);
    int y = 70;
    for (const Link &l : links)
        y += drawLink(p, y, l);
    p.text(20, height - 24, note, kGrey, 1);
    if (!util::writeFileAtomic(path, p.bmp())) {
        std::fprintf(stderr, "mkwiring: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// The panel's channel 1 is a DB9 female with the usual DTE pins; channel 2 is a terminal block.
Link panelRs232(const std::string &plcSide, std::vector<Wire> wires)
{
    return {"CH1 RS-232C", "PANEL CH1 DB9 FEMALE", plcSide, std::move(wires)};
}

Link panelRs485(const std::string &plcSide, std::vector<Wire> wires)
{
    return {"CH2 RS-485 (2-WIRE)", "PANEL CH2 TERMINAL", plcSide, std::move(wires)};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mkwiring <Connect directory>\n");
        return 2;
    }
    const std::string dir = argv[1];
    ::mkdir(dir.c_str(), 0755);
    bool ok = true;
    ok &= writeDiagram(
            dir + "/modbus_rtu.bmp", "MODBUS RTU",
            {panelRs232("PLC DB9 MALE",
                        {{2, "RXD", 3, "TXD", kRx},
                         {3, "TXD", 2, "RXD", kTx},
                         {5, "GND", 5, "GND", kGnd}}),
             panelRs485(
                     "PLC RS-485 PORT",
                     {{1, "A+", 0, "D+", kTx}, {2, "B-", 0, "D-", kRx}, {3, "SG", 0, "SG", kGnd}})},
            "TWISTED PAIR FOR A/B. TERMINATE BOTH ENDS OF THE LINE WITH 120 OHM.");
    ok &= writeDiagram(
            dir + "/letterplc.bmp", "LX LETTER PLC",
            {panelRs232("PLC CPU PORT DB9 MALE",
                        {{2, "RXD", 7, "TXD", kRx},
                         {3, "TXD", 4, "RXD", kTx},
                         {5, "GND", 5, "SG", kGnd}}),
             panelRs485("PLC CNET MODULE",
                        {{1, "A+", 0, "RDA+", kTx},
                         {2, "B-", 0, "RDB-", kRx},
                         {3, "SG", 0, "SG", kGnd}})},
            "CPU PORT: PINS 7 TXD, 4 RXD, 5 SG. CNET IN 2-WIRE MODE: LINK RDA-SDA AND RDB-SDB.");
    ok &= writeDiagram(
            dir + "/panel_cable.bmp", "PC - PANEL DOWNLOAD CABLE",
            {{"RS-232C",
              "PC COM PORT DB9 FEMALE",
              "PANEL DOWNLOAD DB9 MALE",
              {{2, "RXD", 3, "TXD", kRx}, {3, "TXD", 2, "RXD", kTx}, {5, "GND", 5, "GND", kGnd}}}},
            "A NULL-MODEM CABLE: TXD AND RXD CROSSED, GROUND STRAIGHT. SHIELD TO THE PC SIDE "
            "ONLY.");
    return ok ? 0 : 1;
}
