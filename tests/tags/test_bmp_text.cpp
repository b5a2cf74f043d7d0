// Image texts: font mapping, measuring and rendering with installed fonts, the tag's size rules,
// record, clipboard body and text block. Pixel checks are by geometry, not by stored images, so
// they hold across FreeType versions.

#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_render.h"

#include "tag_test_support.h"

using namespace core;
using namespace testing_tags;

namespace {

util::CLogFont arial(std::int32_t height, std::int32_t escapement = 0)
{
    util::CLogFont font = CBmpTextTag::DefaultFont();
    font.setFaceName("Arial");
    font.setWidth(0);
    font.setHeight(height);
    font.setEscapement(escapement);
    return font;
}

int blackPixels(const util::CMonoBitmap &b)
{
    int count = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            count += b.pixel(x, y) ? 0 : 1;
    return count;
}

} // namespace

TEST(TextRender, WindowsFacesMapToInstalledFamilies)
{
    EXPECT_EQ(fontFamilyFor("굴림"), "NanumGothic");
    EXPECT_EQ(fontFamilyFor("돋움"), "NanumGothic");
    EXPECT_EQ(fontFamilyFor("바탕"), "NanumMyeongjo");
    EXPECT_EQ(fontFamilyFor("arial"), "Liberation Sans");
    EXPECT_EQ(fontFamilyFor("Times New Roman"), "Liberation Serif");
    EXPECT_EQ(fontFamilyFor("DejaVu Sans"), "DejaVu Sans");

    EXPECT_TRUE(canCreateFont(arial(16), util::kLangEnglish));
    util::CLogFont missing = arial(16);
    missing.setFaceName("No Such Face 123");
    EXPECT_FALSE(canCreateFont(missing, util::kLangEnglish));
    EXPECT_FALSE(measureText(missing, "A", util::kLangEnglish).has_value());
}

TEST(TextRender, CellHeightFollowsTheFontHeight)
{
    const auto cell = measureText(arial(16), "Hello", util::kLangEnglish);
    ASSERT_TRUE(cell.has_value());
    EXPECT_EQ(cell->height, 16) << "a positive height is the cell height";
    const auto longer = measureText(arial(16), "Hello Hello", util::kLangEnglish);
    ASSERT_TRUE(longer.has_value());
    EXPECT_GT(longer->width, 2 * cell->width);
    const auto em = measureText(arial(-16), "Hello", util::kLangEnglish);
    ASSERT_TRUE(em.has_value());
    EXPECT_GT(em->height, 16) << "a negative height is the character height";
    const auto korean = measureText(CBmpTextTag::DefaultFont(), "\xB0\xA1", util::kLangKorean);
    ASSERT_TRUE(korean.has_value());
    EXPECT_GE(korean->width, 12) << "한글 가 measured in NanumGothic";
}

TEST(TextRender, FontsTooLargeToDrawMeasureTheSameWhateverCameBefore)
{
    // FreeType takes no size above 65535 pixels; such a font must not be measured at the size of
    // whichever font the face was set to last.
    const auto huge = arial(100000);
    ASSERT_TRUE(measureText(arial(8), "Hello", util::kLangEnglish).has_value());
    const auto afterSmall = measureText(huge, "Hello", util::kLangEnglish);
    ASSERT_TRUE(measureText(arial(200), "Hello", util::kLangEnglish).has_value());
    const auto afterLarge = measureText(huge, "Hello", util::kLangEnglish);
    ASSERT_TRUE(afterSmall.has_value() && afterLarge.has_value());
    EXPECT_EQ(afterSmall->width, afterLarge->width);
    EXPECT_EQ(afterSmall->height, 100000);
    // Scaled from the largest drawn size: about 100000 / 200 times the width at 200 pixels.
    const auto at200 = measureText(arial(200), "Hello", util::kLangEnglish);
    EXPECT_NEAR(double(afterSmall->width), at200->width * 500.0, at200->width * 500.0 * 0.02);
}

using BmpTextTest = TagTest;

TEST_F(BmpTextTest, DefaultFontAndSize)
{
    CBmpTextTag tag;
    EXPECT_EQ(tag.Kind(), kTagBmpText);
    EXPECT_EQ(tag.Text(), "ImgText");
    EXPECT_EQ(tag.ImageId(), -1);
    const util::CLogFont &f = tag.WindowsFont();
    EXPECT_EQ(f.height(), 16);
    EXPECT_GT(f.width(), 0) << "the face's average character width";
    EXPECT_EQ(f.faceName(), "\xB1\xBC\xB8\xB2"); // 굴림 in CP949
    EXPECT_EQ(f.bytes()[24], 1);
    EXPECT_EQ(f.bytes()[25], 2);
    EXPECT_EQ(f.bytes()[26], 1);
    EXPECT_EQ(f.pitchAndFamily(), 0x12);
    const auto extent = measureText(f, "ImgText ", util::kLangKorean);
    ASSERT_TRUE(extent.has_value());
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, extent->width, 16}));
    EXPECT_EQ(tag.ImageBytes(), std::uint32_t(2 * extent->width + 12 + 7));
}

TEST_F(BmpTextTest, TurnedByNinetyDegreesStandsOnItsSide)
{
    CBmpTextTag tag;
    tag.SetWindowsFont(arial(16));
    const std::int32_t width = tag.Rect().Width();
    tag.SetBorder(true);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, width + 2, 18}));
    tag.SetWindowsFont(arial(16, 900));
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 18, width + 2}));
    tag.SetWindowsFont(arial(16, 2700));
    EXPECT_EQ(tag.Rect().Width(), 18);
    tag.SetWindowsFont(arial(16, 1800));
    EXPECT_EQ(tag.Rect().Width(), width + 2);
}

TEST_F(BmpTextTest, MissingFontGivesTheFallbackSize)
{
    CBmpTextTag tag;
    util::CLogFont font = arial(16);
    font.setFaceName("No Such Face 123");
    tag.SetWindowsFont(font);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 128, 32}));
    EXPECT_FALSE(tag.RenderTextImage().has_value());
    font.setEscapement(900);
    tag.SetWindowsFont(font);
    EXPECT_EQ(tag.Rect(), (CRect{0, 0, 32, 128}));
}

TEST_F(BmpTextTest, RenderedImageHasTheTagsSizeAndInk)
{
    CBmpTextTag tag;
    tag.SetWindowsFont(arial(16));
    tag.SetText("HH");
    const auto image = tag.RenderTextImage();
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width(), tag.Rect().Width());
    EXPECT_EQ(image->height(), 16);
    EXPECT_GT(blackPixels(*image), 20);
    EXPECT_TRUE(image->pixel(0, 0)) << "background white";
    const auto hh = measureText(arial(16), "HH", util::kLangEnglish);
    ASSERT_TRUE(hh.has_value());
    for (int y = 0; y < 16; ++y)
        for (int x = hh->width + 1; x < image->width(); ++x)
            EXPECT_TRUE(image->pixel(x, y)) << "the trailing space stays white at " << x;
    // The H's stems: a full-height vertical run of black in the left half.
    int longestRun = 0;
    for (int x = 0; x < hh->width / 2; ++x) {
        int run = 0;
        for (int y = 0; y < 16; ++y) {
            run = image->pixel(x, y) ? 0 : run + 1;
            longestRun = std::max(longestRun, run);
        }
    }
    EXPECT_GE(longestRun, 9);
}

TEST_F(BmpTextTest, DirectionsTurnTheSameInk)
{
    CBmpTextTag tag;
    tag.SetText("Ab");
    tag.SetWindowsFont(arial(16));
    const auto flat = tag.RenderTextImage();
    tag.SetWindowsFont(arial(16, 900));
    const auto up = tag.RenderTextImage();
    tag.SetWindowsFont(arial(16, 1800));
    const auto down = tag.RenderTextImage();
    tag.SetWindowsFont(arial(16, 2700));
    const auto right = tag.RenderTextImage();
    ASSERT_TRUE(flat && up && down && right);
    const int w = flat->width();
    const int h = flat->height();
    ASSERT_EQ(up->width(), h);
    ASSERT_EQ(up->height(), w);
    for (int v = 0; v < h; ++v) {
        for (int u = 0; u < w; ++u) {
            const bool ink = flat->pixel(u, v);
            ASSERT_EQ(up->pixel(v, w - 1 - u), ink) << u << "," << v;
            ASSERT_EQ(down->pixel(w - 1 - u, h - 1 - v), ink) << u << "," << v;
            ASSERT_EQ(right->pixel(h - 1 - v, u), ink) << u << "," << v;
        }
    }
}

TEST_F(BmpTextTest, BorderAndPanelEdgeClipping)
{
    CBmpTextTag tag;
    tag.SetWindowsFont(arial(16));
    tag.SetBorder(true);
    tag.MoveTo(180, 50);
    const auto image = tag.RenderTextImage();
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->width(), 12);
    EXPECT_EQ(image->height(), 14);
    for (int x = 0; x < 12; ++x) {
        EXPECT_FALSE(image->pixel(x, 0));
        EXPECT_FALSE(image->pixel(x, 13));
    }
    for (int y = 0; y < 14; ++y)
        EXPECT_FALSE(image->pixel(11, y));

    util::CLogFont odd = arial(16);
    odd.setEscapement(450);
    tag.SetWindowsFont(odd);
    tag.MoveTo(0, 0);
    tag.SetBorder(false);
    const auto blank = tag.RenderTextImage();
    ASSERT_TRUE(blank.has_value());
    EXPECT_EQ(blackPixels(*blank), 0) << "other escapements draw no text";
}

TEST_F(BmpTextTest, ImagesLargerThanTheImageAreaAreNotRendered)
{
    // Far above the panel the image keeps its whole height: 3064 rows of 180 columns would need
    // more than the image area's 64 KiB and could never be stored.
    CBmpTextTag tag;
    tag.SetWindowsFont(arial(3100));
    tag.MoveTo(12, -3000);
    ASSERT_EQ(tag.Rect().top, -3000);
    ASSERT_EQ(tag.Rect().Height(), 3100);
    EXPECT_FALSE(tag.RenderTextImage().has_value());

    // Hanging off the panel by a few rows, the same tag is drawn.
    tag.SetWindowsFont(arial(40));
    tag.MoveTo(12, -10);
    const auto image = tag.RenderTextImage();
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->height(), 40);
    EXPECT_GT(blackPixels(*image), 0);
}

TEST_F(BmpTextTest, RecordMarksTheImageTextGroup)
{
    CBmpTextTag tag;
    tag.MoveTo(3, 4);
    tag.SetTextImageId(5001);
    tag.SetBorder(true);
    tag.SetInverse(true);
    const util::Bytes want = {0, 3, 0, 4, 0x13, 0x89, 1, 1, 0, 1};
    EXPECT_EQ(record(tag, 10, m_slots), want);
    CBmpTextTag back;
    ASSERT_TRUE(back.LoadRecord(m_slots, want));
    EXPECT_EQ(back.ImageId(), 5001);
    EXPECT_TRUE(back.HasBorder());
    EXPECT_TRUE(back.IsInverse());
    EXPECT_EQ(back.X(), 3);
}

TEST_F(BmpTextTest, ClipboardBodyAndTextBlock)
{
    CBmpTextTag tag;
    tag.SetText("Hi");
    tag.SetWindowsFont(arial(20, 900));
    tag.SetInverse(true);
    const util::Bytes body = storeBody(tag);
    ASSERT_EQ(body.size(), 8u + 4 + 4 + 60 + 25);
    EXPECT_EQ(util::le32(body, 8), 1u);
    EXPECT_TRUE(std::equal(tag.WindowsFont().bytes().begin(), tag.WindowsFont().bytes().end(),
                           body.begin() + 16));
    EXPECT_EQ(body[76], 'H');
    CBmpTextTag pasted;
    ASSERT_TRUE(loadBody(pasted, body));
    EXPECT_EQ(pasted.Rect(), tag.Rect());
    EXPECT_EQ(pasted.WindowsFont(), tag.WindowsFont());

    const util::Bytes block = tag.TextBlock();
    ASSERT_EQ(block.size(), 62u + 2);
    EXPECT_EQ(block[0], 2);
    EXPECT_EQ(block[1], 0);
    EXPECT_EQ(block[62], 'H');
    CBmpTextTag restored;
    ASSERT_TRUE(restored.ApplyTextBlock(block));
    EXPECT_EQ(restored.Text(), "Hi");
    EXPECT_EQ(restored.WindowsFont(), tag.WindowsFont());
    EXPECT_FALSE(restored.ApplyTextBlock(util::ConstByteSpan(block).first(63)));
}

TEST_F(BmpTextTest, RenderedTextGoesToTheImageManager)
{
    CBmpTextTag tag;
    bind(tag);
    EXPECT_FALSE(tag.UpdateBmpText()) << "no identifier yet";
    tag.SetTextImageId(5000);
    ASSERT_TRUE(tag.UpdateBmpText());
    const CBmpText *entry = m_images.FindBmpText(5000);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->m_bitmap.width(), tag.Rect().Width());
}

#include "core/download/bmp_text_images.h"
#include "core/tags/text_tag.h"

TEST_F(BmpTextTest, AreaRendererAndTextBlockHandOver)
{
    CBmpTextTag tag;
    tag.SetText("Go");
    EXPECT_FALSE(renderBmpTextTag(tag).has_value()) << "not numbered yet";
    tag.SetTextImageId(5002);
    const auto image = renderBmpTextTag(tag);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->id, 5002);
    EXPECT_EQ(image->text, "Go");
    EXPECT_EQ(image->font, tag.WindowsFont());
    EXPECT_EQ(image->bitmap.width(), tag.Rect().Width());

    CTextTag other;
    EXPECT_FALSE(renderBmpTextTag(other).has_value());
    TextBlock block;
    block.text = "Back";
    block.font = arial(12);
    EXPECT_FALSE(applyTextBlock(other, block));
    CBmpTextTag reloaded;
    ASSERT_TRUE(applyTextBlock(reloaded, block));
    EXPECT_EQ(reloaded.Text(), "Back");
    EXPECT_EQ(reloaded.WindowsFont(), block.font);
    EXPECT_EQ(reloaded.Rect().Height(), 12);
}

TEST(BmpTextMemory, NewTextOrFontCorrectsTheImageTotal)
{
    CMemoryMonitor monitor;
    CImgResMgr images(&monitor);
    TagResources resources;
    resources.images = &images;
    CBmpTextTag tag;
    tag.BindResources(resources);
    const std::uint32_t start = images.UsedBytes();
    const std::uint32_t bytesBefore = tag.ImageBytes();
    tag.SetText("A much longer image text");
    EXPECT_EQ(std::int64_t(images.UsedBytes()) - start,
              std::int64_t(tag.ImageBytes()) - bytesBefore);
    EXPECT_EQ(monitor.Total(MemoryGauge::Image), images.UsedBytes());
    tag.SetText("ImgText");
    EXPECT_EQ(images.UsedBytes(), start + tag.ImageBytes() - bytesBefore);
}
