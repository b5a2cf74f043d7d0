#include "core/runtime/screen_renderer.h"

#include "core/runtime/screen_renderer_canvas.h"

#include "core/editor/z_order.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/tags/bitmap_tag.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/button_tag.h"
#include "core/tags/circle_tag.h"
#include "core/tags/clock_format.h"
#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/pie_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/text_render.h"
#include "core/tags/text_tag.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace core {

using render::CPanelCanvas;

namespace {

// A rotating image at full speed (the point's maximum) shows this many images a second.
constexpr double kMaxImagesPerSecond = 8.0;
constexpr int kMissingImageSize = 32;
constexpr std::size_t kMaxKeptTexts = 256;

int roundToInt(double v)
{
    return int(std::lround(v));
}

// A text box as the numeric, text, message and clock tags share it: the box in the background
// colour (lit when inverse), a lit frame, the text in the other colour.
void textBox(CPanelCanvas &canvas, const CRect &rect, std::string_view text, std::uint16_t font,
             bool inverse, bool border, const CPanelGlyphs &glyphs)
{
    const CRect r = rect.Normalized();
    canvas.fillRect(r, inverse);
    CRect inner = r;
    if (border) {
        canvas.frame(r, true);
        inner = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    }
    canvas.setClip(inner);
    canvas.text(inner.left, inner.top, text, font, glyphs, !inverse);
    canvas.resetClip();
}

ClockTime clockTime(const std::tm &tm)
{
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

// Degrees clockwise from the west point, as the pie's angles run, of the offset (dx, dy).
double pieAngle(double dx, double dy)
{
    const double a = 180.0 - std::atan2(-dy, dx) * 180.0 / std::numbers::pi;
    return std::fmod(a + 360.0, 360.0);
}

bool withinSweep(double angle, double start, double sweep)
{
    if (sweep >= 360.0)
        return true;
    const double rel = std::fmod(angle - start + 720.0, 360.0);
    return rel <= sweep + 1e-9;
}

CPoint onCircle(int cx, int cy, double radius, double angle)
{
    const double phi = (180.0 - angle) * std::numbers::pi / 180.0;
    return {cx + roundToInt(radius * std::cos(phi)), cy - roundToInt(radius * std::sin(phi))};
}

void drawBar(CPanelCanvas &canvas, const CGraphTag &g, double frac)
{
    const CRect rc = g.Rect().Normalized();
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, W = rc.Width(), H = rc.Height();
    canvas.fillRect(rc, false);
    const auto px = [&](int x, int y) { canvas.set(x, y, true); };
    const auto hline = [&](int x1, int x2, int y) {
        canvas.fillRect({x1, y, x2 + 1, y + 1}, true);
    };
    const auto vline = [&](int x, int y1, int y2) {
        canvas.fillRect({x, y1, x + 1, y2 + 1}, true);
    };
    const int dir = g.Direction();
    if (dir <= kGraphDown) {
        vline(L + 2, T, B - 1);
        vline(R - 1, T, B - 1);
        hline(L + 2, R - 1, dir == kGraphUp ? B - 1 : T);
        for (int k = 0; k <= 4; ++k) {
            const int y = T + (H - 1) * k / 4;
            k % 2 == 0 ? hline(L, L + 1, y) : px(L + 1, y);
        }
        // The bar grows from its base over the H - 1 rows beside it.
        const int n = roundToInt(frac * (H - 1));
        if (dir == kGraphUp)
            canvas.fillRect({L + 3, B - 1 - n, R - 2, B - 1}, true);
        else
            canvas.fillRect({L + 3, T + 1, R - 2, T + 1 + n}, true);
        return;
    }
    hline(L, R - 1, T + 2);
    hline(L, R - 1, B - 1);
    vline(dir == kGraphRight ? L : R - 1, T + 2, B - 1);
    for (int k = 0; k <= 4; ++k) {
        const int x = L + (W - 1) * k / 4;
        k % 2 == 0 ? vline(x, T, T + 1) : px(x, T + 1);
    }
    const int n = roundToInt(frac * (W - 1));
    if (dir == kGraphRight)
        canvas.fillRect({L + 1, T + 3, L + 1 + n, B - 2}, true);
    else
        canvas.fillRect({R - 1 - n, T + 3, R - 1, B - 2}, true);
}

void drawTrend(CPanelCanvas &canvas, const CGraphTag &g, const std::vector<std::uint32_t> &samples)
{
    const CRect rc = g.Rect().Normalized();
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom, W = rc.Width(), H = rc.Height();
    canvas.fillRect(rc, false);
    const int bottom = T + H - 3;
    canvas.line({L + 2, T}, {L + 2, bottom}, 1, 0, true);
    canvas.line({L + 2, bottom}, {L + W - 1, bottom}, 1, 0, true);
    for (int k = 0; k <= 4; ++k)
        canvas.line({L, T + (H - 3) * k / 4}, {L + 1, T + (H - 3) * k / 4}, 1, 0, true);
    if (g.HasBorder()) {
        canvas.line({L, T}, {R - 1, T}, 1, 0, true);
        canvas.line({R - 1, T}, {R - 1, B - 1}, 1, 0, true);
    }
    // The newest samples, as many as the graph shows, from the left.
    const std::size_t count = std::size_t(std::max(2, g.SamplingCount()));
    const std::size_t first = samples.size() > count ? samples.size() - count : 0;
    CPoint prev{};
    for (std::size_t i = first; i < samples.size(); ++i) {
        const int k = int(i - first);
        const CPoint p{L + 2 + int(std::int64_t(k) * (W - 3) / std::int64_t(count - 1)),
                       bottom - roundToInt(pointFraction(g.Point(), samples[i]) * (H - 3))};
        if (i == first)
            canvas.set(p.x, p.y, true);
        else
            canvas.line(prev, p, 1, 0, true);
        prev = p;
    }
}

void drawPie(CPanelCanvas &canvas, const CPieTag &pie, double frac)
{
    const bool fg = !pie.IsInverse();
    const CRect rc = pie.Rect().Normalized();
    canvas.setClip(rc);
    canvas.fillRect(rc, !fg);
    const int r = std::max<int>(1, pie.Radius());
    const int cx = pie.X() + r - 1, cy = pie.Y() + r - 1;
    const double radius = r - 1;
    const double start = pie.StartAngle(), sweep = std::min<double>(pie.Sweep(), 360.0);
    const double shown = sweep * frac;
    const bool filled = pie.Mode() == kPieFilled;
    // Only the panel's pixels are visited: a record may give any radius.
    for (int y = std::max(cy - r, 0); y <= std::min(cy + r, render::kPanelH - 1); ++y)
        for (int x = std::max(cx - r, 0); x <= std::min(cx + r, render::kPanelW - 1); ++x) {
            const double dx = x - cx, dy = y - cy;
            const double d = std::hypot(dx, dy);
            if (d > radius + 0.5)
                continue;
            const double a = pieAngle(dx, dy);
            const bool onArc = d >= radius - 0.5 && withinSweep(a, start, sweep);
            const bool inSector = filled && frac > 0 && (d < 0.5 || withinSweep(a, start, shown));
            if (onArc || inSector)
                canvas.set(x, y, fg);
        }
    if (sweep < 360.0) {
        // The range's two edges.
        canvas.line({cx, cy}, onCircle(cx, cy, radius, start), 1, 0, fg);
        canvas.line({cx, cy}, onCircle(cx, cy, radius, start + sweep), 1, 0, fg);
    }
    if (!filled)
        canvas.line({cx, cy}, onCircle(cx, cy, radius, start + shown), 1, 0, fg);
    canvas.resetClip();
}

void drawRectShape(CPanelCanvas &canvas, const CRectTag &t)
{
    const CRect rc = t.Rect().Normalized();
    if (t.IsFilled()) {
        canvas.fillRect(rc, true);
        return;
    }
    // The outline's thickness grows inward, so the shape stays within its rectangle. Edges are
    // cut just outside the panel and no more rings are drawn than the panel has columns: a
    // record may give any size and thickness.
    const int thickness = std::clamp<int>(t.Thickness(), 1, render::kPanelW);
    const auto clampX = [](int x) { return std::clamp(x, -1, render::kPanelW); };
    const auto clampY = [](int y) { return std::clamp(y, -1, render::kPanelH); };
    for (int i = 0; i < thickness && rc.Width() > 2 * i && rc.Height() > 2 * i; ++i) {
        const int L = clampX(rc.left + i), T = clampY(rc.top + i), R = clampX(rc.right - 1 - i),
                  B = clampY(rc.bottom - 1 - i);
        canvas.line({L, T}, {R, T}, 1, t.LineType(), true);
        canvas.line({R, T}, {R, B}, 1, t.LineType(), true);
        canvas.line({R, B}, {L, B}, 1, t.LineType(), true);
        canvas.line({L, B}, {L, T}, 1, t.LineType(), true);
    }
}

void drawCircleShape(CPanelCanvas &canvas, const CCircleTag &t)
{
    const CRect rc = t.Rect().Normalized();
    const double cx = (rc.left + rc.right) / 2.0, cy = (rc.top + rc.bottom) / 2.0;
    const double outer = rc.Width() / 2.0 - 0.25;
    const double inner = outer - std::max<int>(1, t.Thickness());
    const int thickness = std::max<int>(1, t.Thickness());
    const CRect visible = rc.Intersected({0, 0, render::kPanelW, render::kPanelH});
    for (int y = visible.top; y < visible.bottom; ++y)
        for (int x = visible.left; x < visible.right; ++x) {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double d = std::hypot(dx, dy);
            if (d > outer)
                continue;
            if (t.IsFilled()) {
                canvas.set(x, y, true);
                continue;
            }
            if (d <= inner)
                continue;
            // Dots and dashes along the circumference.
            const double arc = (std::atan2(dy, dx) + std::numbers::pi) * outer;
            if (render::linePatternOn(t.LineType(), int(arc), thickness))
                canvas.set(x, y, true);
        }
}

} // namespace

CScreenRenderer::CScreenRenderer(const CDorvaneDoc &doc, PanelFonts fonts)
    : m_doc(doc)
    , m_glyphs(std::move(fonts))
{ }

util::CMonoBitmap CScreenRenderer::Render(std::uint16_t screen, const IPanelState &state,
                                          std::uint32_t elapsedMs) const
{
    util::CMonoBitmap out;
    Render(screen, state, out, elapsedMs);
    return out;
}

bool CScreenRenderer::Render(std::uint16_t screen, const IPanelState &state, util::CMonoBitmap &out,
                             std::uint32_t elapsedMs) const
{
    if (const CScreenData *s = m_doc.FindScreen(screen)) {
        Render(*s, state, out, elapsedMs);
        return true;
    }
    CPanelCanvas().packInto(out);
    return false;
}

void CScreenRenderer::Render(const CScreenData &screen, const IPanelState &state,
                             util::CMonoBitmap &out, std::uint32_t elapsedMs) const
{
    CPanelCanvas canvas;
    if (screen.IsBackgroundOn())
        if (const util::CMonoBitmap *bg = m_doc.Images().Bitmap(screen.BackgroundImage()))
            canvas.image(*bg, {0, 0, bg->width(), bg->height()}, false);
    std::vector<const CTag *> order;
    order.reserve(screen.Tags().size());
    for (const auto &tag : screen.Tags())
        order.push_back(tag.get());
    for (const CTag *tag : editor::keptOrder(std::move(order)))
        drawTag(canvas, *tag, state, elapsedMs);
    canvas.packInto(out);
}

void CScreenRenderer::drawTag(CPanelCanvas &canvas, const CTag &tag, const IPanelState &state,
                              std::uint32_t elapsedMs) const
{
    if (auto *t = dynamic_cast<const CDigitTag *>(&tag))
        return textBox(canvas, t->Rect(),
                       state.Failed(t->Point()) ? digitFailureText(*t)
                                                : formatDigitValue(*t, state.Value(t->Point())),
                       t->Font(), t->IsInverse(), t->HasBorder(), m_glyphs);
    if (auto *t = dynamic_cast<const CMessageTag *>(&tag)) {
        // A value without an entry shows an empty box.
        std::string text;
        const auto value = std::uint16_t(state.Value(t->Point()));
        if (const MessageEntry *e = t->FindEntry(value); e && m_doc.Strings().Exists(e->message))
            text = m_doc.Strings().Text(e->message).substr(0, 24);
        return textBox(canvas, t->Rect(), text, t->Font(), t->IsInverse(), t->HasBorder(),
                       m_glyphs);
    }
    if (auto *t = dynamic_cast<const CTextTag *>(&tag))
        return textBox(canvas, t->Rect(), t->Text(), t->Font(), t->IsInverse(), t->HasBorder(),
                       m_glyphs);
    if (auto *t = dynamic_cast<const CClockTag *>(&tag)) {
        const PanelFonts &f = m_glyphs.Fonts();
        const std::string text = formatClockTime(clockTime(state.Clock()), t->Format(),
                                                 f.resourceLangId, f.panelLangId);
        return textBox(canvas, t->Rect(), text, t->Font(), t->IsInverse(), t->HasBorder(),
                       m_glyphs);
    }
    if (auto *t = dynamic_cast<const CTwoImageTag *>(&tag)) {
        const bool on = (state.Value(t->Point()) & 1u) == (t->OnValue() & 1u);
        const std::uint16_t id = on ? t->OnImage() : t->OffImage();
        const CRect fit = t->Rect();
        return drawImage(canvas, {t->X(), t->Y()}, on ? nullptr : &fit, id, t->Magnification(),
                         t->DisplayState() != 0, t->CaptionFont());
    }
    if (auto *t = dynamic_cast<const CMotorTag *>(&tag)) {
        const int count = std::clamp<int>(t->ImageCount(), CMotorTag::kMinImages,
                                          int(CMotorTag::kMaxImages));
        CPointInfo speed = t->Point();
        speed.m_min = 0; // the panel's record carries no minimum speed
        const double frac = pointFraction(speed, state.Value(t->Point()));
        auto step = int(std::fmod(elapsedMs / 1000.0 * kMaxImagesPerSecond * frac, count));
        if (t->Direction() != 0)
            step = (count - step) % count;
        std::uint16_t id = t->Images()[std::size_t(step)];
        if (id == kNoImage)
            id = t->Images()[0];
        const CRect fit = t->Rect();
        return drawImage(canvas, {t->X(), t->Y()}, step == 0 ? &fit : nullptr, id,
                         t->Magnification(), t->IsInverse(), t->CaptionFont());
    }
    if (auto *t = dynamic_cast<const CMobileTag *>(&tag)) {
        const CRect rc = t->Rect().Normalized();
        canvas.fillRect(rc, false);
        const int b = t->HasBorder() ? 1 : 0;
        if (b)
            canvas.frame(rc, true);
        const double fx = t->MovesX() ? pointFraction(t->XPoint(), state.Value(t->XPoint())) : 0;
        const double fy = t->MovesY() ? pointFraction(t->YPoint(), state.Value(t->YPoint())) : 0;
        const CPoint at{t->X() + b + roundToInt(fx * t->Width()),
                        t->Y() + b + roundToInt(fy * t->Height())};
        canvas.setClip({rc.left + b, rc.top + b, rc.right - b, rc.bottom - b});
        drawImage(canvas, at, nullptr, t->Image(), 1, false, t->CaptionFont());
        canvas.resetClip();
        return;
    }
    if (auto *t = dynamic_cast<const CBitmapTag *>(&tag)) {
        const CRect fit = t->Rect();
        return drawImage(canvas, {t->X(), t->Y()}, &fit, t->Image(), t->Magnification(),
                         t->IsInverse(), t->CaptionFont());
    }
    if (auto *t = dynamic_cast<const CBmpTextTag *>(&tag)) {
        const CRect rc = t->Rect().Normalized();
        if (const util::CMonoBitmap *img = bmpTextImage(*t))
            canvas.image(*img, {rc.left, rc.top, rc.left + img->width(), rc.top + img->height()},
                         t->IsInverse());
        else
            canvas.fillRect(rc, t->IsInverse());
        return;
    }
    if (auto *t = dynamic_cast<const CGraphTag *>(&tag)) {
        if (t->IsTrend())
            return drawTrend(canvas, *t, state.TrendSamples(*t));
        return drawBar(canvas, *t, pointFraction(t->Point(), state.Value(t->Point())));
    }
    if (auto *t = dynamic_cast<const CPieTag *>(&tag))
        return drawPie(canvas, *t, pointFraction(t->Point(), state.Value(t->Point())));
    if (auto *t = dynamic_cast<const CLineTag *>(&tag))
        return canvas.line(t->Start(), t->End(), t->Thickness(), t->LineType(), true);
    if (auto *t = dynamic_cast<const CRectTag *>(&tag))
        return drawRectShape(canvas, *t);
    if (auto *t = dynamic_cast<const CCircleTag *>(&tag))
        return drawCircleShape(canvas, *t);
}

void CScreenRenderer::drawImage(CPanelCanvas &canvas, CPoint at, const CRect *fit,
                                std::uint16_t imageId, int magnification, bool inverse,
                                const util::CLogFont &caption) const
{
    const int mag = magnification == 2 ? 2 : 1;
    const util::CMonoBitmap *bitmap = m_doc.Images().Bitmap(imageId);
    if (bitmap && !bitmap->isNull()) {
        // The face image fills the tag's rectangle; other images keep their own size.
        const CRect dst = fit
                ? fit->Normalized()
                : CRect{at.x, at.y, at.x + bitmap->width() * mag, at.y + bitmap->height() * mag};
        canvas.image(*bitmap, dst, inverse);
        return;
    }
    const CRect dst = fit
            ? fit->Normalized()
            : CRect{at.x, at.y, at.x + kMissingImageSize * mag, at.y + kMissingImageSize * mag};
    const PanelGlyph &g = placeholder(dst.Width(), dst.Height(), caption);
    canvas.ink(dst.left, dst.top, g.width, g.height, g.ink.data(), !inverse);
}

const PanelGlyph &CScreenRenderer::placeholder(int width, int height,
                                               const util::CLogFont &caption) const
{
    // A record may give any size: beyond the panel's reach nothing more would show.
    width = std::clamp(width, 0, 4 * render::kPanelW);
    height = std::clamp(height, 0, 4 * render::kPanelH);
    const auto &face = caption.bytes();
    const std::string key = std::to_string(width) + "x" + std::to_string(height) + ":"
            + std::string(face.begin(), face.end());
    auto it = m_placeholders.find(key);
    if (it != m_placeholders.end())
        return it->second;
    // "No" over "Bmp", centred, in the caption font at the editor's 96 dots per inch.
    PanelGlyph g;
    g.width = width;
    g.height = height;
    g.ink.assign(std::size_t(g.width * g.height), 0);
    util::CLogFont font = caption;
    const long long points = std::clamp(std::llabs(caption.height()), 1LL, 48LL);
    font.setHeight(-std::int32_t(points * 96 / 72));
    const std::uint16_t lang = m_glyphs.Fonts().panelLangId;
    const auto no = measureText(font, "No", lang);
    const auto bmp = measureText(font, "Bmp", lang);
    if (no && bmp && g.width > 0 && g.height > 0) {
        util::CMonoBitmap drawn(g.width, g.height, true);
        const int lineH = no->height;
        const int top = (g.height - 2 * lineH) / 2;
        const auto put = [&](std::string_view text, const TextExtent &e, int y) {
            const int x = (g.width - e.width) / 2;
            drawText(drawn, {x, y, x + e.width, y + lineH}, font, text, lang);
        };
        put("No", *no, top);
        put("Bmp", *bmp, top + lineH);
        for (int y = 0; y < g.height; ++y)
            for (int x = 0; x < g.width; ++x)
                g.ink[std::size_t(y * g.width + x)] = drawn.pixel(x, y) ? 0 : 1;
    }
    return m_placeholders.emplace(key, std::move(g)).first->second;
}

const util::CMonoBitmap *CScreenRenderer::bmpTextImage(const CTag &tag) const
{
    const auto &t = static_cast<const CBmpTextTag &>(tag);
    const CRect rc = t.Rect();
    const auto &font = t.WindowsFont().bytes();
    std::string key(reinterpret_cast<const char *>(&t), sizeof(&t));
    key += t.Text();
    key.push_back('\0');
    key.append(reinterpret_cast<const char *>(font.data()), font.size());
    for (const std::int32_t v : {rc.left, rc.top, rc.right, rc.bottom, std::int32_t(t.HasBorder())})
        key.append(reinterpret_cast<const char *>(&v), sizeof v);
    auto it = m_bmpTexts.find(key);
    if (it == m_bmpTexts.end()) {
        // Rendering goes through FreeType: keep the result while the tag shows the same.
        std::optional<util::CMonoBitmap> bits = t.RenderTextImage();
        if (!bits || bits->isNull()) {
            // The face is not installed here: the image the project carries, if any.
            if (t.ImageId() >= 0)
                if (const CBmpText *kept = m_doc.Images().FindBmpText(std::uint16_t(t.ImageId())))
                    bits = kept->m_bitmap;
        }
        // Edits leave old renderings behind; a long editing session must not pile them up.
        if (m_bmpTexts.size() >= kMaxKeptTexts)
            m_bmpTexts.clear();
        it = m_bmpTexts.emplace(key, bits.value_or(util::CMonoBitmap())).first;
    }
    return it->second.isNull() ? nullptr : &it->second;
}

} // namespace core
