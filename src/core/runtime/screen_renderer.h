#pragma once

// The panel's display of a running project: one screen drawn at 192 x 64 from the document's
// screens, messages and images with the live values of an IPanelState. The background image comes
// first, then the tags in the order the screen's record keeps them (group by group), each drawn
// from its value: numbers formatted by their digits, decimals, base, sign and zero fill; messages
// chosen by value; lamps and buttons by their bit; graphs, pies and moving images by value and
// range; rotating images by speed and time; clocks from the panel clock; texts, image texts,
// shapes and images as placed.
//
// Pixel convention, as the editor's bare picture: in the returned util::CMonoBitmap a clear bit
// (black) is a lit panel pixel, a set bit (white) a dark one. Images of the project are read the
// way the editor shows them: a set (white) image bit is lit.
//
// Not thread-safe: glyphs and rendered image texts are cached inside; use one renderer per thread.

#include "core/runtime/panel_glyphs.h"
#include "core/runtime/panel_state.h"
#include "core/tags/geometry.h"

#include "util/mono_bitmap.h"

#include <cstdint>
#include <ctime>
#include <map>
#include <string>

namespace core {

class CDigitTag;
class CDorvaneDoc;
class CScreenData;
class CTag;

namespace render {
class CPanelCanvas;
}

class CScreenRenderer
{
public:
    static constexpr int kWidth = 192;
    static constexpr int kHeight = 64;

    // The document must outlive the renderer.
    CScreenRenderer(const CDorvaneDoc &doc, PanelFonts fonts);
    CScreenRenderer(const CScreenRenderer &) = delete;
    CScreenRenderer &operator=(const CScreenRenderer &) = delete;

    // The display of screen `screen`; all dark when the project has no such screen.
    // `elapsedMs` is the panel's running time, which turns the rotating images.
    util::CMonoBitmap Render(std::uint16_t screen, const IPanelState &state,
                             std::uint32_t elapsedMs = 0) const;
    // The same into `out` (re-sized to 192 x 64 when it is not); false, and `out` all dark, when
    // the screen does not exist.
    bool Render(std::uint16_t screen, const IPanelState &state, util::CMonoBitmap &out,
                std::uint32_t elapsedMs = 0) const;
    // A screen object of the document (the editor's open screen).
    void Render(const CScreenData &screen, const IPanelState &state, util::CMonoBitmap &out,
                std::uint32_t elapsedMs = 0) const;

    // Drops rendered image texts, e.g. after the project's texts or fonts changed.
    void ForgetRenderedTexts() const { m_bmpTexts.clear(); }

private:
    void drawTag(render::CPanelCanvas &canvas, const CTag &tag, const IPanelState &state,
                 std::uint32_t elapsedMs) const;
    const util::CMonoBitmap *bmpTextImage(const CTag &tag) const;
    const PanelGlyph &placeholder(int width, int height, const util::CLogFont &caption) const;
    void drawImage(render::CPanelCanvas &canvas, CPoint at, const CRect *fit, std::uint16_t imageId,
                   int magnification, bool inverse, const util::CLogFont &caption) const;

    const CDorvaneDoc &m_doc;
    CPanelGlyphs m_glyphs;
    mutable std::map<std::string, util::CMonoBitmap> m_bmpTexts; // by tag and what it shows
    mutable std::map<std::string, PanelGlyph> m_placeholders; // "No Bmp", by size and font
};

// The text a numeric tag shows for the raw value `raw`, as long as its sample (so it fills the
// same cells): DEC with the decimal point and, when signed, a sign position; HEX and BCD in
// digits. Leading positions are blanks, or zeros with zero fill. A value that does not fit the
// digits (or a BCD word with a nibble above 9) shows '*' in every position rather than a cut
// number.
std::string formatDigitValue(const CDigitTag &tag, std::uint32_t raw);

// What a numeric tag shows while its point's value is unknown (its PLC does not answer): '*' in
// every position, as a value too large for its digits.
std::string digitFailureText(const CDigitTag &tag);

// The value as a number with the point's size, sign and base: sign-extended when signed, BCD
// nibbles read as decimal digits.
std::int64_t pointNumber(const class CPointInfo &point, std::uint32_t raw);

// Where `raw` lies in the point's range from minimum to maximum, 0 to 1 (clamped), with the
// point's size, sign and base.
double pointFraction(const class CPointInfo &point, std::uint32_t raw);

// A panel at rest: every device value 0 and a fixed clock. The editor's bare picture draws with
// it.
class CRestingPanelState : public IPanelState
{
public:
    explicit CRestingPanelState(const std::tm &clock)
        : m_clock(clock)
    { }
    // The clock at the editor's sample time, 2004-12-31 12:59:59.
    CRestingPanelState();

    std::uint32_t Value(const CPointInfo &) const override { return 0; }
    std::tm Clock() const override { return m_clock; }

private:
    std::tm m_clock{};
};

} // namespace core
