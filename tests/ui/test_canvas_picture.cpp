// The canvas keeps its painted panel between paints: whatever changes what the panel shows (a
// tag's fields, the zoom, a message's text, the colours, the selection) must show at the next
// paint exactly as a fresh drawing would, and a dragged band must leave no trace behind.

#include "core/model/dorvane_doc.h"

#include "ui/canvas/canvas_overlay.h"
#include "ui/canvas/canvas_picture_cache.h"
#include "ui/canvas/screen_canvas.h"

#include "core/app/app_config.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/tags/message_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/text_tag.h"

#include <QPainter>
#include <QPicture>
#include <QScreen>
#include <QTest>

class TestCanvasPicture : public QObject
{
    Q_OBJECT

    core::CAppConfig m_config;
    std::unique_ptr<core::CDorvaneDoc> m_doc;
    core::CScreenData *m_screen = nullptr;
    std::unique_ptr<ui::CScreenCanvas> m_canvas;
    core::CTextTag *m_text = nullptr;
    core::CRectTag *m_rect = nullptr;

    // What a paint of the canvas shows (through its picture cache).
    QImage painted() const
    {
        QImage img(m_canvas->size(), QImage::Format_RGB32);
        m_canvas->render(&img);
        return img;
    }
    // The same drawn from the model without any cache.
    QImage drawnAfresh() const
    {
        QImage img(m_canvas->size(), QImage::Format_RGB32);
        QPainter p(&img);
        m_canvas->renderPanel(p, false);
        if (m_canvas->isActive())
            ui::paintSelectionMarks(p, m_canvas->selection(), m_canvas->mapping(),
                                    m_config.colors());
        return img;
    }
    // Paints, checks the paint against a fresh drawing and that it differs from `before`.
    QImage expectChangedFrom(const QImage &before) const
    {
        const QImage now = painted();
        if (now != drawnAfresh())
            return {};
        return now == before ? QImage() : now;
    }

private slots:
    void init()
    {
        m_doc = std::make_unique<core::CDorvaneDoc>();
        m_doc->AddScreen(0, &m_screen);
        auto text = std::make_unique<core::CTextTag>();
        text->SetText("AB");
        text->MoveTo(10, 10);
        m_text = text.get();
        m_screen->AddTag(std::move(text), false);
        auto rect = std::make_unique<core::CRectTag>();
        rect->MoveTo(60, 20);
        rect->SetWidth(20);
        rect->SetHeight(10);
        m_rect = rect.get();
        m_screen->AddTag(std::move(rect), false);
        m_canvas = std::make_unique<ui::CScreenCanvas>(*m_doc, *m_screen, m_config, nullptr);
    }
    void cleanup()
    {
        m_canvas.reset();
        m_doc.reset();
        m_config = core::CAppConfig();
    }

    void aChangedTagShowsAtTheNextPaint()
    {
        QImage shown = painted();
        QCOMPARE(shown, drawnAfresh());
        QCOMPARE(painted(), shown); // nothing changed: the same picture
        m_text->SetText("XY");
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_text->SetInverse(true);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_rect->SetFill(true);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_rect->MoveTo(61, 20);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_rect->SetLocked(true); // the lock mark
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        QVERIFY(m_screen->RemoveTag(m_rect));
        m_rect = nullptr;
        m_canvas->refresh();
        QVERIFY(!expectChangedFrom(shown).isNull());
    }

    void zoomColoursAndGridRedrawThePicture()
    {
        QImage shown = painted();
        m_canvas->setZoomFactor(6.0, 6.0);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.size(), QSize(192 * 6, 64 * 6));
        core::EditorColors colours = m_config.colors();
        colours.fill = 0x0000FF; // red lit pixels
        m_config.setColors(colours); // kept in memory; this configuration has no APP.INI to write
        m_canvas->configChanged();
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        core::GridSettings grid = m_canvas->gridSettings();
        grid.showGrid = !grid.showGrid;
        m_canvas->setGridSettings(grid);
        QVERIFY(!expectChangedFrom(shown).isNull());
    }

    void aMessageTextChangeShows()
    {
        core::CStrResMgr &strings = m_doc->Strings();
        QCOMPARE(strings.Add(1, "PUMP ON"), 0);
        auto message = std::make_unique<core::CMessageTag>();
        message->MoveTo(10, 40);
        QCOMPARE(message->AddEntry(0, 1), int(core::kEntryAdded));
        QCOMPARE(m_screen->AddTag(std::move(message), false), core::kTagOk);
        m_screen->RefreshMessageTags(strings);
        QImage shown = painted();
        QCOMPARE(shown, drawnAfresh());
        strings.Remove(1);
        QCOMPARE(strings.Add(1, "VALVE SHUT"), 0);
        m_screen->RefreshMessageTags(strings);
        QVERIFY(!expectChangedFrom(shown).isNull());
    }

    void selectionMarksFollowTheSelectionAndTheActiveView()
    {
        QImage shown = painted();
        m_canvas->select(m_text, false);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_canvas->select(m_rect, true);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_canvas->setActive(false);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_canvas->setActive(true);
        shown = expectChangedFrom(shown);
        QVERIFY(!shown.isNull());
        m_canvas->clearSelection();
        QVERIFY(!expectChangedFrom(shown).isNull());
    }

    void aDraggedBandLeavesNoTrace()
    {
        m_canvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_canvas.get()));
        const auto window = [this] {
            return QGuiApplication::primaryScreen()
                    ->grabWindow(m_canvas->winId())
                    .toImage()
                    .convertToFormat(QImage::Format_RGB32);
        };
        const QPoint on = m_canvas->toDevice(m_rect->Rect()).center();
        QTest::mousePress(m_canvas.get(), Qt::LeftButton, {}, on);
        for (int step = 1; step <= 6; ++step) {
            QTest::mouseMove(m_canvas.get(), on + QPoint(step * 9, step * 3));
            QCoreApplication::processEvents();
        }
        // The band shows where the tags would go; the panel under it is untouched.
        const QImage dragging = window();
        QVERIFY(dragging != drawnAfresh());
        QTest::keyClick(m_canvas.get(), Qt::Key_Escape); // the drag is given up
        QCoreApplication::processEvents();
        QCOMPARE(window(), drawnAfresh());
        QCOMPARE(m_rect->Rect().left, 60);
    }

    void theCacheDrawsOnlyWhatANewKeyOrAnUncoveredPartNeeds()
    {
        ui::CCanvasPictureCache cache;
        std::vector<QRect> drawn;
        const auto draw = [&drawn](QPainter &p, const QRect &clip) {
            drawn.push_back(clip);
            p.fillRect(clip, drawn.size() == 1 ? Qt::red : Qt::blue);
        };
        QImage target(16, 8, QImage::Format_RGB32);
        const auto paint = [&](std::uint64_t key, const QRect &rect) {
            QPainter p(&target);
            return cache.paint(p, rect, QSize(16, 8), key, draw);
        };
        QVERIFY(paint(1, QRect(0, 0, 8, 8)));
        QVERIFY(paint(1, QRect(2, 2, 4, 4)));
        QCOMPARE(drawn, std::vector<QRect>{QRect(0, 0, 8, 8)});
        QCOMPARE(target.pixelColor(3, 3), QColor(Qt::red));
        // The right half was never drawn: only it is drawn now.
        QVERIFY(paint(1, QRect(0, 0, 16, 8)));
        QCOMPARE(drawn.back(), QRect(8, 0, 8, 8));
        QCOMPARE(target.pixelColor(12, 3), QColor(Qt::blue));
        QCOMPARE(target.pixelColor(3, 3), QColor(Qt::red));
        QVERIFY(paint(2, QRect(0, 0, 4, 4)));
        QCOMPARE(drawn.size(), std::size_t(3));
        QCOMPARE(drawn.back(), QRect(0, 0, 4, 4));
        cache.clear();
        QVERIFY(paint(2, QRect(0, 0, 4, 4)));
        QCOMPARE(drawn.size(), std::size_t(4));
        QCOMPARE(cache.drawCount(), 4);
        // A device that is no raster image (a recording) is painted by the caller.
        QPicture recording;
        QPainter p(&recording);
        QVERIFY(!cache.paint(p, QRect(0, 0, 8, 8), QSize(16, 8), 2, draw));
        QCOMPARE(drawn.size(), std::size_t(4));
    }

    void fingerprintsTellTagFacesApart()
    {
        const auto faceOf = [](const core::CTag &tag) {
            ui::CFingerprint sum;
            ui::addTagFace(sum, tag);
            return sum.value();
        };
        const std::uint64_t before = faceOf(*m_text);
        QCOMPARE(faceOf(*m_text), before);
        m_text->SetText("AC");
        QVERIFY(faceOf(*m_text) != before);
        m_text->SetText("AB");
        QCOMPARE(faceOf(*m_text), before);
        m_text->SetFont(1);
        QVERIFY(faceOf(*m_text) != before);
    }
};

QTEST_MAIN(TestCanvasPicture)
#include "test_canvas_picture.moc"
