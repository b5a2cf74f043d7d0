// The display drawn from live values: what each tag kind shows for chosen device values, checked
// by the pixels its record fixes (cells of digits against the glyph drawn alone, a bar's filled
// rows, lamp images, positions of moving images).

#include "core/runtime/screen_renderer.h"

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/tags/bitmap_tag.h"
#include "core/tags/button_tag.h"
#include "core/tags/circle_tag.h"
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
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_tag.h"

#include "util/bmp_file.h"
#include "util/byte_order.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace core {
namespace {

// Device values by the point's number text; everything else reads 0.
class FakeState : public IPanelState
{
public:
    std::map<std::string, std::uint32_t> values;
    std::vector<std::uint32_t> samples;
    std::tm clock = CRestingPanelState().Clock();

    std::uint32_t Value(const CPointInfo &p) const override
    {
        const auto it = values.find(p.m_second);
        return it == values.end() ? 0 : it->second;
    }
    std::vector<std::uint32_t> TrendSamples(const CTag &) const override { return samples; }
    std::tm Clock() const override { return clock; }
};

PanelFonts testFonts()
{
    PanelFonts f;
    f.normal = util::CLogFont::make(16, 0, 0, "Arial");
    f.wide = util::CLogFont::make(16, 0, 0, "Arial");
    f.small = util::CLogFont::make(8, 0, 0, "Arial");
    return f;
}

// An image whose pixels are lit where `lit(x, y)` says: black ink on white, as a library file.
template<class F>
std::unique_ptr<CIndexedImage> image(std::uint32_t id, int w, int h, F lit)
{
    auto img = std::make_unique<CIndexedImage>();
    img->m_id = id;
    img->m_bitmap = util::CMonoBitmap(w, h, true);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img->m_bitmap.setPixel(x, y, !lit(x, y));
    return img;
}

class ScreenRendererTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(m_doc.AddScreen(1, &m_screen), kScreenOk); }

    template<class T>
    T &add(int kind, int x, int y)
    {
        CTag *t = nullptr;
        EXPECT_EQ(m_screen->CreateTag(kind, false, &t), TagResult::Ok);
        t->MoveTo(x, y);
        return *static_cast<T *>(t);
    }

    util::CMonoBitmap render(std::uint32_t elapsedMs = 0)
    {
        return CScreenRenderer(m_doc, testFonts()).Render(1, m_state, elapsedMs);
    }
    static bool lit(const util::CMonoBitmap &b, int x, int y) { return !b.pixel(x, y); }
    static int litIn(const util::CMonoBitmap &b, const CRect &r)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += lit(b, x, y) ? 1 : 0;
        return n;
    }
    // The lit pattern of a region, for comparing two renderings.
    static std::vector<bool> region(const util::CMonoBitmap &b, const CRect &r)
    {
        std::vector<bool> out;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                out.push_back(lit(b, x, y));
        return out;
    }
    // What a text tag with `text` shows at (x, y): the reference for live texts.
    std::vector<bool> textAlone(const std::string &text, const CRect &r, bool inverse = false)
    {
        CDorvaneDoc doc;
        CScreenData *s = nullptr;
        doc.AddScreen(0, &s);
        CTag *t = nullptr;
        s->CreateTag(kTagText, false, &t);
        auto &tt = static_cast<CTextTag &>(*t);
        tt.SetText(text);
        tt.SetInverse(inverse);
        tt.MoveTo(r.left, r.top);
        return region(CScreenRenderer(doc, testFonts()).Render(0, m_state), r);
    }

    CDorvaneDoc m_doc;
    CStrResMgr &m_strings = m_doc.Strings();
    CImgResMgr &m_images = m_doc.Images();
    CPlcSlots &m_slots = m_doc.Slots();
    CScreenData *m_screen = nullptr;
    FakeState m_state;
};

std::unique_ptr<CDigitTag> makeDigit(std::uint16_t size, std::uint16_t base, bool isSigned,
                                     std::uint32_t digits, std::uint32_t decimals, bool zeroFill)
{
    auto p = std::make_unique<CDigitTag>();
    CDigitTag &t = *p;
    t.Point().m_dataSize = size;
    t.SetBase(base);
    t.SetSigned(isSigned);
    t.SetDigits(digits);
    t.SetDecimals(decimals);
    t.SetZeroFill(zeroFill);
    return p;
}

// The text a numeric tag of that format shows for `raw`.
std::string shown(std::uint16_t size, std::uint16_t base, bool isSigned, std::uint32_t digits,
                  std::uint32_t decimals, bool zeroFill, std::uint32_t raw)
{
    return formatDigitValue(*makeDigit(size, base, isSigned, digits, decimals, zeroFill), raw);
}

TEST(DigitValueText, FillsTheSampleCellsByBaseSignAndDecimals)
{
    // Decimal: blanks or zeros in front, the point before the decimals, one sign position.
    EXPECT_EQ(shown(2, 1, false, 5, 0, false, 42), "   42");
    EXPECT_EQ(shown(2, 1, false, 5, 0, true, 42), "00042");
    EXPECT_EQ(shown(2, 1, false, 5, 2, false, 5), "  0.05");
    EXPECT_EQ(shown(2, 1, true, 5, 2, false, std::uint32_t(-1234)), " -12.34");
    EXPECT_EQ(shown(2, 1, true, 5, 2, true, std::uint32_t(-1234)), "-012.34");
    EXPECT_EQ(shown(2, 1, true, 5, 0, false, 7), "     7");
    // A word reads its low 16 bits; signed it is a 16-bit two's complement.
    EXPECT_EQ(shown(2, 1, true, 5, 0, false, 0xFFFF), "    -1");
    EXPECT_EQ(shown(2, 1, false, 5, 0, false, 0x1FFFF), "65535");
    EXPECT_EQ(shown(3, 1, true, 10, 0, false, 0x80000000u), "-2147483648");
    // Hexadecimal and BCD show the value's nibbles; neither has point or sign.
    EXPECT_EQ(shown(2, 2, false, 4, 0, false, 0xBEEF), "BEEF");
    EXPECT_EQ(shown(2, 2, false, 4, 0, false, 0x1F), "  1F");
    EXPECT_EQ(shown(2, 2, false, 4, 0, true, 0x1F), "001F");
    EXPECT_EQ(shown(2, 3, false, 4, 0, false, 0x1234), "1234");
    EXPECT_EQ(shown(2, 3, false, 4, 0, true, 0x0034), "0034");
}

TEST(DigitValueText, AValueThatDoesNotFitIsNeverShownCut)
{
    // 123456 in five digits would read 23456: every position shows '*' instead.
    EXPECT_EQ(shown(3, 1, false, 5, 0, false, 123456), "*****");
    EXPECT_EQ(shown(3, 1, true, 5, 2, false, std::uint32_t(-123456)), "*******");
    EXPECT_EQ(shown(2, 2, false, 2, 0, false, 0x1FF), "**");
    // A nibble above 9 is no BCD digit.
    EXPECT_EQ(shown(2, 3, false, 4, 0, false, 0x12A4), "****");
}

TEST(PointRange, FractionFollowsSignAndBcdAndClamps)
{
    CPointInfo p;
    p.m_min = 0;
    p.m_max = 200;
    EXPECT_DOUBLE_EQ(pointFraction(p, 50), 0.25);
    EXPECT_DOUBLE_EQ(pointFraction(p, 500), 1.0);
    p.m_signed = 1;
    p.m_min = std::uint32_t(-100);
    p.m_max = 100;
    EXPECT_DOUBLE_EQ(pointFraction(p, 0), 0.5);
    EXPECT_DOUBLE_EQ(pointFraction(p, 0xFFFF - 199), 0.0); // -200, below the range
    p = CPointInfo();
    p.m_base = kBaseBcd;
    p.m_max = 0x100;
    EXPECT_DOUBLE_EQ(pointFraction(p, 0x50), 0.5);
    p.m_max = p.m_min; // an empty range is full from its maximum on
    EXPECT_DOUBLE_EQ(pointFraction(p, 0), 1.0);
}

TEST_F(ScreenRendererTest, NumericTagShowsTheLiveDigitsInTheSampleCells)
{
    auto &t = add<CDigitTag>(kTagDigit, 10, 20);
    t.SetDigits(3);
    t.Point().m_second = "5";
    m_state.values["5"] = 7;
    const CRect r = t.Rect();
    ASSERT_EQ(r.Width(), 24);
    util::CMonoBitmap shown = render();
    // Two blank cells, then exactly the glyph of "7".
    EXPECT_EQ(litIn(shown, {10, 20, 26, 36}), 0);
    EXPECT_EQ(region(shown, {26, 20, 34, 36}), textAlone("7", {26, 20, 34, 36}));
    EXPECT_GT(litIn(shown, {26, 20, 34, 36}), 0);

    t.SetZeroFill(true);
    shown = render();
    EXPECT_EQ(region(shown, {10, 20, 18, 36}), textAlone("0", {10, 20, 18, 36}));
    // Inverse: the box lit, the digits dark.
    t.SetInverse(true);
    shown = render();
    EXPECT_EQ(region(shown, {10, 20, 34, 36}), textAlone("007", {10, 20, 34, 36}, true));
    EXPECT_GT(litIn(shown, r), r.Width() * r.Height() / 2);
    // Nothing outside the tag.
    EXPECT_EQ(litIn(shown, {0, 0, 192, 64}), litIn(shown, r));
}

TEST_F(ScreenRendererTest, MessageTagShowsTheMessageOfTheValue)
{
    ASSERT_EQ(m_strings.Add(1, "AB"), 0);
    ASSERT_EQ(m_strings.Add(2, "CD"), 0);
    auto &t = add<CMessageTag>(kTagMessage, 0, 0);
    t.AddEntry(0, 1);
    t.AddEntry(5, 2);
    t.Point().m_second = "3";
    t.RefreshMessages(m_strings);
    const CRect cells{0, 0, 16, 16};
    EXPECT_EQ(region(render(), cells), textAlone("AB", cells));
    m_state.values["3"] = 5;
    EXPECT_EQ(region(render(), cells), textAlone("CD", cells));
    // A value without an entry leaves the box empty.
    m_state.values["3"] = 4;
    EXPECT_EQ(litIn(render(), cells), 0);
}

TEST_F(ScreenRendererTest, LampAndButtonShowTheImageOfTheirBit)
{
    ASSERT_EQ(m_images.Add(image(1000, 8, 8, [](int, int) { return true; })), 0);
    ASSERT_EQ(m_images.Add(image(1001, 8, 8, [](int, int y) { return y < 4; })), 0);
    auto &lamp = add<CLampTag>(kTagLamp, 0, 0);
    lamp.Point().m_second = "1";
    lamp.UpdateRect();
    ASSERT_EQ(lamp.Rect().Width(), 8);
    EXPECT_EQ(litIn(render(), {0, 0, 8, 8}), 64);
    m_state.values["1"] = 1;
    EXPECT_EQ(litIn(render(), {0, 0, 8, 8}), 32);
    EXPECT_TRUE(lit(render(), 3, 0));
    EXPECT_FALSE(lit(render(), 3, 7));
    // With on value 0 the cleared bit is the on state.
    lamp.SetOnValue(0);
    EXPECT_EQ(litIn(render(), {0, 0, 8, 8}), 64);
    m_state.values["1"] = 0;
    EXPECT_EQ(litIn(render(), {0, 0, 8, 8}), 32);

    // A button of doubled size; its display state inverts.
    auto &button = add<CButtonTag>(kTagButton, 40, 0);
    button.SetOffImage(1000);
    button.SetOnImage(1001);
    button.SetMagnification(2);
    button.Point().m_second = "2";
    m_state.values["2"] = 1;
    EXPECT_EQ(litIn(render(), {40, 0, 56, 16}), 128);
    button.SetDisplayState(1);
    EXPECT_EQ(litIn(render(), {40, 0, 56, 16}), 128);
    EXPECT_FALSE(lit(render(), 45, 2));
    EXPECT_TRUE(lit(render(), 45, 12));
}

// The shipped lamp pictures (black ink on white files): the ink is what the panel lights, so
// the running lamp (a filled disc) is brighter than the stopped one (a ring), and white stays
// dark. An inverted image swaps the two.
TEST_F(ScreenRendererTest, LibraryLampInkIsLitAndOnIsBrighterThanOff)
{
    if (!std::filesystem::exists(DORVANE_RUNTIME_DIR "/Images/1000.bmp"))
        GTEST_SKIP() << "no program folder in this build";
    for (const int id : {1000, 1001}) {
        const auto bmp
                = util::readBmpFile(DORVANE_RUNTIME_DIR "/Images/" + std::to_string(id) + ".bmp");
        ASSERT_TRUE(bmp.ok) << id << ": " << bmp.error;
        auto img = std::make_unique<CIndexedImage>();
        img->m_id = std::uint32_t(id);
        img->m_bitmap = bmp.bitmap;
        ASSERT_EQ(m_images.Add(std::move(img)), 0);
    }
    auto &lamp = add<CLampTag>(kTagLamp, 0, 0);
    lamp.SetOffImage(1000);
    lamp.SetOnImage(1001);
    lamp.Point().m_second = "1";
    lamp.UpdateRect();
    const CRect r = lamp.Rect();
    ASSERT_EQ(r.Width(), 24);
    const util::CMonoBitmap off = render();
    m_state.values["1"] = 1;
    const util::CMonoBitmap on = render();
    EXPECT_GT(litIn(on, r), 2 * litIn(off, r));
    EXPECT_FALSE(lit(off, 12, 12)) << "inside the ring is dark";
    EXPECT_TRUE(lit(on, 12, 12));
    EXPECT_FALSE(lit(off, 0, 0)) << "the file's white corner is dark";
    EXPECT_FALSE(lit(on, 0, 0));
    lamp.SetDisplayState(1);
    EXPECT_TRUE(lit(render(), 0, 0)) << "inverted";
}

TEST_F(ScreenRendererTest, BarFillsItsRangeFromTheBase)
{
    auto &bar = add<CGraphTag>(kTagGraph1, 0, 0); // 16 x 48, growing up
    bar.Point().m_second = "7";
    bar.Point().m_max = 100;
    const int column = 5; // inside the bar
    const auto filledRows = [&] {
        const util::CMonoBitmap b = render();
        int n = 0;
        for (int y = 0; y < 47; ++y)
            n += lit(b, column, y) ? 1 : 0;
        return n;
    };
    EXPECT_EQ(filledRows(), 0);
    m_state.values["7"] = 50;
    EXPECT_EQ(filledRows(), 24); // half of the 47 rows above the base, rounded
    EXPECT_TRUE(lit(render(), column, 46));
    EXPECT_FALSE(lit(render(), column, 10));
    m_state.values["7"] = 100;
    EXPECT_EQ(filledRows(), 47);
    m_state.values["7"] = 1000; // beyond the maximum: full, not past the frame
    EXPECT_EQ(filledRows(), 47);

    // Growing right: columns from the left base.
    bar.SetDirection(kGraphRight); // 48 x 16
    m_state.values["7"] = 50;
    const util::CMonoBitmap b = render();
    EXPECT_TRUE(lit(b, 2, 8));
    EXPECT_TRUE(lit(b, 24, 8));
    EXPECT_FALSE(lit(b, 30, 8));
}

TEST_F(ScreenRendererTest, TrendDrawsItsSamplesAcrossTheGraph)
{
    auto &trend = add<CGraphTag>(kTagGraph2, 0, 0); // 75 x 35
    trend.Point().m_max = 100;
    trend.SetSamplingCount(2);
    m_state.samples = {0, 100};
    const util::CMonoBitmap b = render();
    // The curve runs from the bottom left (the axis corner) to the top right.
    EXPECT_TRUE(lit(b, 74, 0));
    EXPECT_TRUE(lit(b, 38, 16) || lit(b, 38, 15) || lit(b, 38, 17));
    m_state.samples = {100, 100, 0}; // only the newest two count
    const util::CMonoBitmap c = render();
    EXPECT_TRUE(lit(c, 2, 0));
    EXPECT_FALSE(lit(c, 74, 0));
}

TEST_F(ScreenRendererTest, PieSweepsWithTheValue)
{
    auto &pie = add<CPieTag>(kTagPie, 0, 0); // start 0, sweep 180: the upper half, radius 16
    pie.Point().m_second = "9";
    pie.Point().m_max = 100;
    const CPoint upperLeft{6, 8}, upperRight{24, 8};
    const int empty = litIn(render(), pie.Rect());
    EXPECT_GT(empty, 0); // the range's outline stays visible
    EXPECT_FALSE(lit(render(), upperLeft.x, upperLeft.y));
    m_state.values["9"] = 50; // from west to straight up
    util::CMonoBitmap b = render();
    EXPECT_TRUE(lit(b, upperLeft.x, upperLeft.y));
    EXPECT_FALSE(lit(b, upperRight.x, upperRight.y));
    m_state.values["9"] = 100;
    b = render();
    EXPECT_TRUE(lit(b, upperRight.x, upperRight.y));
    // A needle: only a line from the centre, towards the value's angle.
    pie.SetMode(kPieNeedle);
    m_state.values["9"] = 50;
    b = render();
    EXPECT_TRUE(lit(b, 15, 5)); // straight above the centre (15, 15)
    EXPECT_FALSE(lit(b, upperLeft.x, upperLeft.y));
}

TEST_F(ScreenRendererTest, ClockShowsThePanelClock)
{
    auto &clock = add<CClockTag>(kTagClock, 0, 0);
    clock.SetFormat(1); // HH:MM:SS
    const CRect cells{0, 0, 64, 16};
    EXPECT_EQ(region(render(), cells), textAlone("12:59:59", cells));
    m_state.clock.tm_hour = 13;
    m_state.clock.tm_min = 0;
    m_state.clock.tm_sec = 0;
    EXPECT_EQ(region(render(), cells), textAlone("13:00:00", cells));
}

TEST_F(ScreenRendererTest, MovingImageFollowsItsTwoValues)
{
    ASSERT_EQ(m_images.Add(image(4000, 4, 4, [](int, int) { return true; })), 0);
    auto &mobile = add<CMobileTag>(kTagMobile, 10, 10); // range 32 x 32, border
    mobile.UpdateRect();
    mobile.XPoint().m_second = "x";
    mobile.XPoint().m_max = 100;
    mobile.YPoint().m_second = "y";
    mobile.YPoint().m_max = 100;
    const auto imageAt = [&](int x, int y) { return litIn(render(), {x, y, x + 4, y + 4}) == 16; };
    EXPECT_TRUE(imageAt(11, 11));
    m_state.values["x"] = 100;
    EXPECT_TRUE(imageAt(43, 11));
    EXPECT_FALSE(imageAt(11, 11));
    m_state.values["x"] = 50;
    m_state.values["y"] = 25;
    EXPECT_TRUE(imageAt(27, 19));
    // An axis that does not move keeps the image at its start.
    mobile.SetMoveY(false);
    EXPECT_TRUE(imageAt(27, 11));
}

TEST_F(ScreenRendererTest, RotatingImageTurnsWithSpeedAndTime)
{
    for (std::uint32_t id = 3000; id < 3004; ++id) {
        m_images.Remove(id);
        // Image k lights its row k.
        ASSERT_EQ(m_images.Add(image(id, 4, 4, [id](int, int y) { return y == int(id - 3000); })),
                  0);
    }
    auto &motor = add<CMotorTag>(kTagMotor, 0, 0);
    motor.UpdateRect();
    motor.Point().m_second = "s";
    motor.Point().m_max = 100;
    const auto row = [&](std::uint32_t ms) {
        const util::CMonoBitmap b = render(ms);
        for (int y = 0; y < 4; ++y)
            if (lit(b, 0, y))
                return y;
        return -1;
    };
    EXPECT_EQ(row(5000), 0); // standing still
    m_state.values["s"] = 100;
    EXPECT_EQ(row(0), 0);
    EXPECT_EQ(row(130), 1); // one image on at full speed
    EXPECT_EQ(row(260), 2);
    motor.SetDirection(1);
    EXPECT_EQ(row(130), 3);
}

TEST_F(ScreenRendererTest, ShapesAndImagesAreDrawnAsPlaced)
{
    auto &line = add<CLineTag>(kTagLine, 0, 0);
    line.SetStart(0, 10);
    line.SetEnd(20, 10);
    auto &dashed = add<CLineTag>(kTagLine, 0, 0);
    dashed.SetStart(0, 20);
    dashed.SetEnd(30, 20);
    dashed.SetLineType(kLineDashed);
    auto &rect = add<CRectTag>(kTagRect, 40, 0); // 16 x 16
    auto &filled = add<CRectTag>(kTagRect, 60, 0);
    filled.SetFill(true);
    auto &circle = add<CCircleTag>(kTagCircle, 80, 0); // radius 8
    ASSERT_EQ(m_images.Add(image(7, 3, 2, [](int x, int) { return x == 0; })), 0);
    auto &bitmap = add<CBitmapTag>(kTagBitmap, 100, 0);
    bitmap.SetImage(7);
    bitmap.SetMagnification(2);
    (void)rect;
    (void)circle;
    const util::CMonoBitmap b = render();
    EXPECT_EQ(litIn(b, {0, 10, 21, 11}), 21);
    EXPECT_EQ(litIn(b, {0, 9, 21, 10}) + litIn(b, {0, 11, 21, 12}), 0);
    const int dashes = litIn(b, {0, 20, 31, 21});
    EXPECT_GT(dashes, 10);
    EXPECT_LT(dashes, 31);
    EXPECT_EQ(litIn(b, {40, 0, 56, 16}), 60); // the one-pixel outline
    EXPECT_EQ(litIn(b, {60, 0, 76, 16}), 256);
    EXPECT_TRUE(lit(b, 80, 8));
    EXPECT_TRUE(lit(b, 87, 0));
    EXPECT_FALSE(lit(b, 88, 8)); // hollow
    EXPECT_FALSE(lit(b, 80, 0)); // round
    EXPECT_EQ(litIn(b, {100, 0, 106, 4}), 8); // column 0 of the image, doubled
    EXPECT_TRUE(lit(b, 101, 3));
    EXPECT_FALSE(lit(b, 102, 0));
}

TEST_F(ScreenRendererTest, BackgroundMissingImagesAndUnknownScreens)
{
    ASSERT_EQ(m_images.Add(image(50, 192, 64, [](int x, int y) { return x == 100 && y == 60; })),
              0);
    m_screen->SetBackgroundImage(50);
    EXPECT_EQ(litIn(render(), {0, 0, 192, 64}), 0);
    m_screen->SetBackgroundOn(true);
    util::CMonoBitmap b = render();
    EXPECT_EQ(litIn(b, {0, 0, 192, 64}), 1);
    EXPECT_TRUE(lit(b, 100, 60));
    // A tag drawn later covers the background.
    auto &t = add<CRectTag>(kTagRect, 90, 50);
    t.SetFill(true);
    EXPECT_EQ(litIn(render(), {0, 0, 192, 64}), 16 * 14); // cut at the bottom edge
    // An image that is not in the project shows its placeholder inside the tag only.
    m_screen->RemoveTag(&t);
    auto &missing = add<CBitmapTag>(kTagBitmap, 0, 0);
    missing.SetImage(999);
    b = render();
    EXPECT_GT(litIn(b, {0, 0, 32, 32}), 0);
    EXPECT_EQ(litIn(b, {32, 0, 192, 64}), 1);

    // No such screen: the display is dark and the call says so.
    util::CMonoBitmap out(5, 5);
    EXPECT_FALSE(CScreenRenderer(m_doc, testFonts()).Render(2, m_state, out));
    ASSERT_EQ(out.width(), 192);
    EXPECT_EQ(litIn(out, {0, 0, 192, 64}), 0);
}

// A record may carry any size: drawing stays within the panel's pixels, so a pie or circle of
// radius 65535 from a malformed download draws at once instead of for hours.
TEST_F(ScreenRendererTest, HugeShapesFromRecordsDrawOnlyWhatThePanelShows)
{
    CPlcSlots slots;
    auto &pie = add<CPieTag>(kTagPie, 0, 0);
    std::vector<std::uint8_t> record(CPieTag::kRecordSize);
    ASSERT_TRUE(pie.BuildDownloadRecord(slots, record));
    util::setBe16(record, 68, 0xFFFF); // radius
    ASSERT_TRUE(pie.LoadRecord(slots, record));
    ASSERT_EQ(pie.Radius(), 0xFFFF);

    auto &circle = add<CCircleTag>(kTagCircle, 100, 0);
    std::vector<std::uint8_t> round(CCircleTag::kRecordSize);
    ASSERT_TRUE(circle.BuildDownloadRecord(slots, round));
    util::setBe16(round, 4, 0xFFFF); // radius
    ASSERT_TRUE(circle.LoadRecord(slots, round));

    auto &box = add<CRectTag>(kTagRect, 170, 40); // 16 x 16, drawn after the two
    box.SetFill(true);

    const auto shown = render();
    EXPECT_EQ(litIn(shown, {170, 40, 186, 56}), 16 * 16);
}

} // namespace
} // namespace core
