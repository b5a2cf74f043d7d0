// What the canvas paints: panel text in fixed cells, images and their placeholder, print output.

#include "core/model/dorvane_doc.h"

#include "ui/canvas/panel_text_painter.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tag_painter.h"

#include "core/app/app_config.h"
#include "core/model/img_res_mgr.h"
#include "core/model/indexed_image.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/tags/bitmap_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/tag_resources.h"
#include "core/tags/text_tag.h"

#include <QPainter>
#include <QTest>
#include <QUndoStack>

class TestCanvasPainting : public QObject
{
    Q_OBJECT

    core::CAppConfig m_config;
    std::unique_ptr<core::CDorvaneDoc> m_doc;
    core::CScreenData *m_screen = nullptr;
    std::unique_ptr<ui::CScreenCanvas> m_canvas;

    QColor fill() const { return ui::fromColorRef(m_config.colors().fill); }
    QColor back() const { return ui::fromColorRef(m_config.colors().back); }
    QColor outline() const { return ui::fromColorRef(m_config.colors().outline); }

    // Lit pixels in a device rectangle of the rendered canvas.
    static int litPixels(const QImage &img, const QRect &r, const QColor &lit)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += img.pixelColor(x, y) == lit;
        return n;
    }
    QImage render(bool printing)
    {
        QImage img(m_canvas->size(), QImage::Format_RGB32);
        QPainter p(&img);
        m_canvas->renderPanel(p, printing);
        return img;
    }
    template<class T>
    T *add(std::unique_ptr<T> tag)
    {
        T *raw = tag.get();
        m_screen->AddTag(std::move(tag), false);
        return raw;
    }

private slots:
    void init()
    {
        m_doc = std::make_unique<core::CDorvaneDoc>();
        m_doc->AddScreen(0, &m_screen);
        m_canvas = std::make_unique<ui::CScreenCanvas>(*m_doc, *m_screen, m_config, nullptr);
        core::GridSettings noGrid;
        noGrid.showGrid = false;
        m_canvas->setGridSettings(noGrid);
    }
    void cleanup()
    {
        m_canvas.reset();
        m_doc.reset();
    }

    void fontFacesMapToInstalledFamilies()
    {
        QCOMPARE(ui::familyForFace("\xB1\xBC\xB8\xB2"), QStringLiteral("NanumGothic")); // 굴림
        QCOMPARE(ui::familyForFace("\xB9\xD9\xC5\xC1"), QStringLiteral("NanumMyeongjo")); // 바탕
        QCOMPARE(ui::familyForFace("Arial"), QStringLiteral("Liberation Sans"));
        QCOMPARE(ui::familyForFace("Times New Roman"), QStringLiteral("Liberation Serif"));
    }

    void glyphsFillTheirCellsAndNothingBeyond()
    {
        // "A" then the double-byte "화" (CP949 C8 AD): cells 8 x 16 and 16 x 16 at (10, 10).
        QImage img(200, 40, QImage::Format_RGB32);
        img.fill(Qt::black);
        {
            QPainter p(&img);
            ui::CPanelTextPainter text(m_config);
            text.draw(p, 10, 10, "A\xC8\xAD", 0, util::kLangKorean, Qt::white, Qt::blue);
        }
        // Each cell is filled (background or glyph) and the glyphs leave lit pixels in both.
        QCOMPARE(img.pixelColor(9, 10), QColor(Qt::black));
        QCOMPARE(img.pixelColor(34, 10), QColor(Qt::black));
        QVERIFY(img.pixelColor(10, 10) != QColor(Qt::black));
        QVERIFY(img.pixelColor(33, 25) != QColor(Qt::black));
        QCOMPARE(img.pixelColor(33, 26), QColor(Qt::black));
        QVERIFY(litPixels(img, QRect(10, 10, 8, 16), Qt::white) > 4);
        QVERIFY(litPixels(img, QRect(18, 10, 16, 16), Qt::white) > 10);
        // The large font doubles every cell; the small font takes each byte as one 6 x 8 cell.
        img.fill(Qt::black);
        {
            QPainter p(&img);
            ui::CPanelTextPainter text(m_config);
            text.draw(p, 0, 0, "A", 1, util::kLangKorean, Qt::white, Qt::blue);
            text.draw(p, 100, 0, "AB", 2, util::kLangKorean, Qt::white, Qt::blue);
        }
        QVERIFY(img.pixelColor(15, 31) != QColor(Qt::black));
        QCOMPARE(img.pixelColor(16, 0), QColor(Qt::black));
        QVERIFY(img.pixelColor(111, 7) != QColor(Qt::black));
        QCOMPARE(img.pixelColor(112, 0), QColor(Qt::black));
        QCOMPARE(img.pixelColor(100, 8), QColor(Qt::black));
    }

    void textTagIsFilledOutlinedAndInverted()
    {
        auto text = std::make_unique<core::CTextTag>();
        text->SetText("AB");
        text->MoveTo(10, 10);
        core::CTextTag *t = add(std::move(text));
        QCOMPARE(t->Rect(), (core::CRect{10, 10, 26, 26}));
        QImage img = render(false);
        // Outline one panel pixel outside the rectangle; lit glyph pixels inside.
        QCOMPARE(img.pixelColor(19, 40), outline());
        QVERIFY(litPixels(img, QRect(20, 20, 32, 32), fill()) > 10);
        t->SetInverse(true);
        img = render(true);
        // Inverted: the background of the cells is lit; no outline when printing.
        QVERIFY(litPixels(img, QRect(20, 20, 32, 32), fill()) > 32 * 32 / 2);
        QCOMPARE(img.pixelColor(19, 40), back());
    }

    void imagesAndTheirPlaceholder()
    {
        auto tag = std::make_unique<core::CBitmapTag>();
        tag->SetImage(4321); // no such image: 32 x 32 with "No\nBmp"
        tag->MoveTo(0, 0);
        core::CBitmapTag *b = add(std::move(tag));
        QCOMPARE(b->Rect(), (core::CRect{0, 0, 32, 32}));
        QImage img = render(true);
        const int placeholder = litPixels(img, QRect(0, 0, 64, 64), fill());
        QVERIFY(placeholder > 10);
        QVERIFY(placeholder < 64 * 64 / 2);
    }

    void printingLeavesOutGridAndOutlines()
    {
        core::GridSettings grid; // dots every 8 x 8
        m_canvas->setGridSettings(grid);
        auto r = std::make_unique<core::CRectTag>();
        r->MoveTo(40, 20);
        add(std::move(r));
        m_canvas->select(m_screen->Tags().back().get(), false);
        const QImage screen = m_canvas->grab().toImage();
        QCOMPARE(screen.pixelColor(16, 16), ui::fromColorRef(m_config.colors().grid));
        const QImage print = render(true);
        QCOMPARE(print.pixelColor(16, 16), back());
        // The handle marks are drawn on screen only.
        const QColor sel = ui::fromColorRef(m_config.colors().select);
        QVERIFY(litPixels(screen, QRect(70, 30, 20, 20), sel) > 0);
        QCOMPARE(litPixels(print, QRect(70, 30, 20, 20), sel), 0);
    }
};

QTEST_MAIN(TestCanvasPainting)
#include "test_canvas_painting.moc"
