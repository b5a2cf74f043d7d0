// The screen canvas driven with real mouse and key events on the offscreen platform.

#include "core/model/dorvane_doc.h"

#include "helpers/stack_sink.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tag_painter.h"
#include "ui/canvas/tool_ids.h"
#include "ui/common/message_box.h"

#include "core/app/app_config.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/tags/circle_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_resources.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using core::CRect;
using ui::AlignEdge;
using ui::CanvasCommand;
using ui::CScreenCanvas;

class TestCanvas : public QObject
{
    Q_OBJECT

    core::CAppConfig m_config;
    std::unique_ptr<core::CDorvaneDoc> m_doc;
    std::unique_ptr<QUndoStack> m_undo;
    std::unique_ptr<uitest::StackSink> m_sink;
    std::unique_ptr<CScreenCanvas> m_canvas;
    core::CScreenData *m_screen = nullptr;
    QList<int> m_messages;

    // Device point of a panel pixel's centre at 100 %.
    static QPoint dev(int x, int y) { return QPoint(2 * x + 1, 2 * y + 1); }

    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(m_canvas.get(), Qt::LeftButton, mods, from);
        QTest::mouseMove(m_canvas.get(), (from + to) / 2);
        QTest::mouseMove(m_canvas.get(), to);
        QTest::mouseRelease(m_canvas.get(), Qt::LeftButton, mods, to);
    }
    void click(QPoint at, Qt::KeyboardModifiers mods = {})
    {
        QTest::mousePress(m_canvas.get(), Qt::LeftButton, mods, at);
        QTest::mouseRelease(m_canvas.get(), Qt::LeftButton, mods, at);
    }
    core::CRectTag *addRect(int x, int y, int w, int h)
    {
        auto tag = std::make_unique<core::CRectTag>();
        tag->MoveTo(x, y);
        tag->SetWidth(w);
        tag->SetHeight(h);
        tag->SetFill(true);
        core::CTag *raw = nullptr;
        m_screen->AddTag(std::move(tag), false, &raw);
        return static_cast<core::CRectTag *>(raw);
    }
    static CRect box(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }

private slots:
    void init()
    {
        m_doc = std::make_unique<core::CDorvaneDoc>();
        m_doc->AddScreen(0, &m_screen);
        m_undo = std::make_unique<QUndoStack>();
        m_sink = std::make_unique<uitest::StackSink>(*m_undo);
        m_canvas = std::make_unique<CScreenCanvas>(*m_doc, *m_screen, m_config, m_sink.get());
        // As the main frame refreshes its views on every undo step.
        connect(m_undo.get(), &QUndoStack::indexChanged, m_canvas.get(), &CScreenCanvas::refresh);
        m_messages.clear();
        ui::setMessageHandler([this](int id, const QString &, ui::AskKind) {
            m_messages << id;
            return ui::Answer::Ok;
        });
        core::GridSettings grid;
        grid.snap = false;
        m_canvas->setGridSettings(grid);
        m_canvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_canvas.get()));
    }
    void cleanup()
    {
        ui::setMessageHandler({});
        m_canvas.reset();
        m_sink.reset();
        m_undo.reset();
        m_doc.reset();
    }

    void pointToolsPlaceOneTagEachAndReturnToSelect()
    {
        QSignalSpy finished(m_canvas.get(), &CScreenCanvas::toolFinished);
        int expected = 0;
        for (int kind : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14}) {
            m_canvas->setTool(kind);
            click(dev(5 + kind * 3, 5));
            QCOMPARE(m_canvas->tool(), int(ui::ToolSelect));
            QCOMPARE(int(m_screen->TagCount()), ++expected);
            const core::CTag *tag = m_screen->Tags().back().get();
            QCOMPARE(int(tag->Kind()), kind);
            // Every tag starts on the display: the clock's long default format would run past
            // the right edge where it was put down, so it starts against that edge.
            const core::CRect r = tag->Rect();
            QVERIFY2(r.left >= 0 && r.top >= 0
                             && (r.right <= core::kPanelWidth || r.Width() > core::kPanelWidth)
                             && (r.bottom <= core::kPanelHeight || r.Height() > core::kPanelHeight),
                     qPrintable(QStringLiteral("kind %1").arg(kind)));
            if (kind == core::kTagClock)
                QCOMPARE(tag->Rect().right, core::kPanelWidth);
            else
                QCOMPARE(tag->X(), 5 + kind * 3);
            QCOMPARE(m_canvas->selection().size(), std::size_t(1));
        }
        QCOMPARE(finished.count(), expected);
        // One undo step per tag, restoring the memory total each time.
        const auto full = m_doc->ScreenMemoryUsed();
        m_undo->undo();
        QCOMPARE(int(m_screen->TagCount()), expected - 1);
        QVERIFY(m_doc->ScreenMemoryUsed() < full);
        QVERIFY(m_canvas->selection().empty());
        m_undo->redo();
        QCOMPARE(m_doc->ScreenMemoryUsed(), full);
    }

    // Each creation tool shows its own cursor, from the moment it is chosen; select the arrow.
    void eachCreationToolShowsItsCursor()
    {
        QSet<QByteArray> pictures;
        for (int tool = ui::ToolDigit; tool <= ui::ToolBmpText; ++tool) {
            m_canvas->setTool(tool);
            const QCursor cursor = m_canvas->cursor();
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.hotSpot(), QPoint(8, 8));
            const QImage picture = cursor.pixmap().toImage();
            pictures.insert(QByteArray(reinterpret_cast<const char *>(picture.constBits()),
                                       picture.sizeInBytes()));
        }
        QCOMPARE(pictures.size(), ui::ToolBmpText - ui::ToolDigit + 1);
        m_canvas->setTool(ui::ToolSelect);
        QCOMPARE(m_canvas->cursor().shape(), Qt::ArrowCursor);
    }

    // The keyboard alone: F2's tool, the arrows move the cross, Enter puts the tag there and
    // returns to select with it selected, and a second Enter asks for its properties.
    void enterPlacesTheToolsTagAtTheCross()
    {
        m_canvas->show();
        m_canvas->setFocus();
        m_canvas->setTool(ui::ToolDigit);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(m_canvas.get(), Qt::Key_Right);
        QTest::keyClick(m_canvas.get(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_canvas.get(), Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyClick(m_canvas.get(), Qt::Key_Up); // stays on the display
        QTest::keyClick(m_canvas.get(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(m_canvas.get(), Qt::Key_Return);
        QCOMPARE(int(m_screen->TagCount()), 1);
        QCOMPARE(m_screen->Tags().back()->X(), 3);
        QCOMPARE(m_screen->Tags().back()->Y(), 8);
        QCOMPARE(m_canvas->tool(), int(ui::ToolSelect));
        QCOMPARE(m_canvas->selection().size(), std::size_t(1));
        QCOMPARE(m_undo->count(), 1);
        QSignalSpy properties(m_canvas.get(), &ui::CScreenCanvas::editTagProperties);
        QTest::keyClick(m_canvas.get(), Qt::Key_Return);
        QCOMPARE(properties.count(), 1);
        QCOMPARE(int(m_screen->TagCount()), 1);
    }

    void placedTagLandsWhereTheButtonComesUp()
    {
        m_canvas->setTool(ui::ToolText);
        drag(dev(10, 10), dev(30, 20));
        QCOMPARE(m_screen->Tags().back()->X(), 30);
        QCOMPARE(m_screen->Tags().back()->Y(), 20);
        QCOMPARE(m_undo->count(), 1);
        // Outside the panel nothing is made.
        m_canvas->setTool(ui::ToolText);
        click(QPoint(390, 10));
        QCOMPARE(int(m_screen->TagCount()), 1);
    }

    void aRefusedTagShowsTheLimitMessageAndLeavesTheScreen()
    {
        // Fifty device tags fill the screen's device-tag allowance.
        for (int i = 0; i < core::kMaxDeviceTags; ++i)
            QCOMPARE(m_screen->CreateTag(core::kTagDigit, false), core::kTagOk);
        const auto used = m_doc->ScreenMemoryUsed();
        m_canvas->setTool(ui::ToolDigit);
        click(dev(10, 10));
        QCOMPARE(int(m_screen->TagCount()), core::kMaxDeviceTags);
        QCOMPARE(m_doc->ScreenMemoryUsed(), used);
        QCOMPARE(m_messages, QList<int>{52301});
        QCOMPARE(m_canvas->tool(), int(ui::ToolSelect));
        QCOMPARE(m_undo->count(), 0);
        // A shape is no device tag and still fits.
        m_canvas->setTool(ui::ToolBmpText);
        click(dev(10, 10));
        QCOMPARE(int(m_screen->Tags().back()->Kind()), int(core::kTagBmpText));
    }

    void shapesAreDraggedOut()
    {
        m_canvas->setTool(ui::ToolLine);
        drag(dev(40, 30), dev(10, 5));
        auto *line = dynamic_cast<core::CLineTag *>(m_screen->Tags().back().get());
        QVERIFY(line);
        QCOMPARE(line->Start(), (core::CPoint{40, 30}));
        QCOMPARE(line->End(), (core::CPoint{10, 5}));

        m_canvas->setTool(ui::ToolRect);
        drag(QPoint(20, 20), QPoint(80, 40));
        auto *rect = dynamic_cast<core::CRectTag *>(m_screen->Tags().back().get());
        QVERIFY(rect);
        QCOMPARE(rect->Rect(), box(10, 10, 30, 10));

        // A wide, flat drag: the diameter is the width.
        m_canvas->setTool(ui::ToolCircle);
        drag(QPoint(100, 10), QPoint(160, 20));
        auto *circle = dynamic_cast<core::CCircleTag *>(m_screen->Tags().back().get());
        QVERIFY(circle);
        QCOMPARE(int(circle->Radius()), 15);
        QCOMPARE(circle->Rect(), box(50, 5, 30, 30));
        QCOMPARE(m_undo->count(), 3);

        // Press and release on one device point: nothing.
        m_canvas->setTool(ui::ToolRect);
        click(QPoint(200, 60));
        QCOMPARE(int(m_screen->TagCount()), 3);
        QCOMPARE(m_canvas->tool(), int(ui::ToolSelect));
    }

    // A bar graph put down near the bottom, or a rectangle dragged past the right edge, ends up
    // on the display: the panel would cut off what lies beyond it.
    void newTagsStartOnTheDisplay()
    {
        m_canvas->setTool(core::kTagGraph1);
        click(dev(100, 50));
        const core::CTag *bar = m_screen->Tags().back().get();
        QCOMPARE(int(bar->Kind()), int(core::kTagGraph1));
        QCOMPARE(bar->Rect().bottom, core::kPanelHeight);
        QCOMPARE(bar->Rect().left, 100);
        m_canvas->setTool(ui::ToolRect);
        drag(dev(180, 10), dev(250, 30));
        const core::CTag *rect = m_screen->Tags().back().get();
        QCOMPARE(int(rect->Kind()), int(core::kTagRect));
        QCOMPARE(rect->Rect().left, 180);
        QVERIFY2(rect->Rect().right <= core::kPanelWidth,
                 qPrintable(QString::number(rect->Rect().right)));
        QCOMPARE(m_undo->count(), 2);
    }

    void selectByClickShiftAndNet()
    {
        core::CTag *a = addRect(10, 10, 10, 10);
        core::CTag *b = addRect(40, 10, 10, 10);
        core::CTag *c = addRect(100, 40, 10, 10);
        click(dev(12, 12));
        QCOMPARE(m_canvas->selection(), (std::vector<core::CTag *>{a}));
        click(dev(42, 12), Qt::ShiftModifier);
        QCOMPARE(m_canvas->selection(), (std::vector<core::CTag *>{a, b}));
        click(dev(12, 12), Qt::ShiftModifier); // deselects
        QCOMPARE(m_canvas->selection(), (std::vector<core::CTag *>{b}));
        // Shift net on empty canvas keeps the selection and adds what it meets.
        drag(dev(90, 35), dev(120, 60), Qt::ShiftModifier);
        QCOMPARE(m_canvas->selection(), (std::vector<core::CTag *>{b, c}));
        // Plain click on empty canvas clears.
        click(dev(150, 5));
        QVERIFY(m_canvas->selection().empty());
        drag(dev(0, 0), dev(45, 15));
        QCOMPARE(m_canvas->selection(), (std::vector<core::CTag *>{a, b}));
        QCOMPARE(m_undo->count(), 0); // selecting changes nothing
    }

    void moveWithAndWithoutSnap()
    {
        core::CTag *a = addRect(100, 0, 20, 10);
        drag(dev(105, 3), dev(115, 8)); // the body, away from the handles
        QCOMPARE(a->Rect(), box(110, 5, 20, 10));
        QCOMPARE(m_undo->count(), 1);
        m_undo->undo();
        QCOMPARE(a->Rect(), box(100, 0, 20, 10));

        core::GridSettings grid;
        grid.snap = true;
        m_canvas->setGridSettings(grid);
        // Past the right edge: 192 - 20 = 172, rounded down to 168.
        drag(dev(105, 3), dev(190, 3));
        QCOMPARE(a->Rect(), box(168, 0, 20, 10));
        // A click without movement never moves.
        click(dev(178, 5));
        QCOMPARE(a->Rect(), box(168, 0, 20, 10));
    }

    void aMovedLineKeepsItsDirectionAndUndoRestoresBothEnds()
    {
        auto tag = std::make_unique<core::CLineTag>();
        tag->SetStart(60, 40);
        tag->SetEnd(20, 10);
        core::CLineTag *line = tag.get();
        m_screen->AddTag(std::move(tag), false);
        m_canvas->select(line, false);
        QTest::keyClick(m_canvas.get(), Qt::Key_Up);
        QCOMPARE(line->Start(), (core::CPoint{60, 39}));
        QCOMPARE(line->End(), (core::CPoint{20, 9}));
        m_canvas->actions().align(AlignEdge::ScreenLeft);
        QCOMPARE(line->End(), (core::CPoint{0, 9}));
        QCOMPARE(line->Start(), (core::CPoint{40, 39}));
        m_undo->undo();
        m_undo->undo();
        QCOMPARE(line->Start(), (core::CPoint{60, 40}));
        QCOMPARE(line->End(), (core::CPoint{20, 10}));
        QCOMPARE(line->Rect(), box(20, 10, 40, 30));
    }

    void ctrlDragMovesACopyInOneStep()
    {
        core::CTag *a = addRect(10, 10, 10, 10);
        const auto before = m_doc->ScreenMemoryUsed();
        drag(dev(12, 12), dev(42, 22), Qt::ControlModifier);
        QCOMPARE(int(m_screen->TagCount()), 2);
        QCOMPARE(a->Rect(), box(10, 10, 10, 10));
        QCOMPARE(m_screen->Tags().back()->Rect(), box(40, 20, 10, 10));
        QCOMPARE(m_undo->count(), 1);
        m_undo->undo();
        QCOMPARE(int(m_screen->TagCount()), 1);
        QCOMPARE(m_doc->ScreenMemoryUsed(), before);
    }

    void resizeByAHandle()
    {
        core::CTag *a = addRect(10, 10, 20, 10);
        click(dev(15, 15));
        // Handle 5 (bottom-right) at (30, 20).
        drag(QPoint(60, 40), dev(40, 30));
        QCOMPARE(a->Rect(), box(10, 10, 30, 20));
        QCOMPARE(static_cast<core::CRectTag *>(a)->Width(), std::uint16_t(30));
        m_undo->undo();
        QCOMPARE(a->Rect(), box(10, 10, 20, 10));
        QCOMPARE(static_cast<core::CRectTag *>(a)->Width(), std::uint16_t(20));
    }

    void arrowKeysMoveAllOrNone()
    {
        core::CTag *a = addRect(0, 10, 10, 10);
        core::CTag *b = addRect(50, 10, 10, 10);
        m_canvas->actions().selectAll();
        QTest::keyClick(m_canvas.get(), Qt::Key_Right);
        QTest::keyClick(m_canvas.get(), Qt::Key_Down);
        QCOMPARE(a->Rect(), box(1, 11, 10, 10));
        QCOMPARE(m_undo->count(), 1); // consecutive arrow moves merge
        QTest::keyClick(m_canvas.get(), Qt::Key_Left);
        QTest::keyClick(m_canvas.get(), Qt::Key_Left); // a refuses x = -1: nobody moves
        QCOMPARE(a->Rect(), box(0, 11, 10, 10));
        QCOMPARE(b->Rect(), box(50, 11, 10, 10));
        m_undo->undo();
        QCOMPARE(b->Rect(), box(50, 10, 10, 10));
    }

    void escapeAndDelete()
    {
        addRect(0, 10, 10, 10);
        const auto empty = m_doc->ScreenMemoryUsed();
        addRect(50, 10, 10, 10);
        const auto full = m_doc->ScreenMemoryUsed();
        m_canvas->actions().selectAll();
        QTest::keyClick(m_canvas.get(), Qt::Key_Escape);
        QVERIFY(m_canvas->selection().empty());
        click(dev(55, 15));
        QTest::keyClick(m_canvas.get(), Qt::Key_Delete);
        QCOMPARE(int(m_screen->TagCount()), 1);
        QCOMPARE(m_doc->ScreenMemoryUsed(), empty);
        m_undo->undo();
        QCOMPARE(int(m_screen->TagCount()), 2);
        QCOMPARE(m_screen->Tags().back()->Rect(), box(50, 10, 10, 10));
        QCOMPARE(m_doc->ScreenMemoryUsed(), full);
    }

    void copyPasteWithinAndAcrossScreens()
    {
        addRect(10, 10, 10, 10);
        addRect(188, 60, 4, 4);
        m_canvas->actions().selectAll();
        m_canvas->actions().copy();
        m_canvas->actions().paste();
        QCOMPARE(int(m_screen->TagCount()), 4);
        QCOMPARE(m_screen->Tags()[2]->Rect(), box(14, 14, 10, 10));
        QCOMPARE(m_screen->Tags()[3]->Rect(), box(184, 56, 4, 4));
        QCOMPARE(m_canvas->selection().size(), std::size_t(2));
        m_undo->undo();
        QCOMPARE(int(m_screen->TagCount()), 2);

        core::CScreenData *other = nullptr;
        m_doc->AddScreen(1, &other);
        CScreenCanvas second(*m_doc, *other, m_config, m_sink.get());
        second.actions().paste();
        QCOMPARE(int(other->TagCount()), 2);
        QCOMPARE(other->Tags()[0]->Rect(), box(10, 10, 10, 10));

        m_canvas->clearSelection();
        click(dev(12, 12));
        m_canvas->actions().cut();
        QCOMPARE(int(m_screen->TagCount()), 1);
    }

    void aPasteThatDoesNotFitLeavesNothing()
    {
        for (int i = 0; i < core::kMaxDeviceTags - 1; ++i)
            QCOMPARE(m_screen->CreateTag(core::kTagDigit, false), core::kTagOk);
        m_canvas->select(m_screen->Tags()[0].get(), false);
        m_canvas->select(m_screen->Tags()[1].get(), true);
        m_canvas->actions().copy();
        const auto used = m_doc->ScreenMemoryUsed();
        m_canvas->actions().paste(); // the second of the two breaks the device-tag limit
        QCOMPARE(int(m_screen->TagCount()), core::kMaxDeviceTags - 1);
        QCOMPARE(m_doc->ScreenMemoryUsed(), used);
        QCOMPARE(m_messages, QList<int>{52301});
        QCOMPARE(m_undo->count(), 0);
    }

    void escapeCancelsADragAndTheContextMenuFollowsTheSelection()
    {
        core::CTag *a = addRect(10, 10, 10, 10);
        QTest::mousePress(m_canvas.get(), Qt::LeftButton, {}, dev(14, 14));
        QTest::mouseMove(m_canvas.get(), dev(40, 30));
        QCOMPARE(m_canvas->band(), CScreenCanvas::Band::Outline);
        QTest::keyClick(m_canvas.get(), Qt::Key_Escape);
        QCOMPARE(m_canvas->band(), CScreenCanvas::Band::None);
        QTest::mouseRelease(m_canvas.get(), Qt::LeftButton, {}, dev(40, 30));
        QCOMPARE(a->Rect(), box(10, 10, 10, 10));
        QCOMPARE(m_undo->count(), 0);

        auto menu = m_canvas->buildContextMenu();
        const auto actions = menu->actions();
        const auto find = [&](const QString &text) {
            for (QAction *act : actions)
                if (act->text() == text)
                    return act;
            return static_cast<QAction *>(nullptr);
        };
        QVERIFY(find(QStringLiteral("삭제하기(&D)")));
        QVERIFY(find(QStringLiteral("삭제하기(&D)"))->isEnabled());
        find(QStringLiteral("맨 뒤로 보내기(&B)"))->trigger();
        QCOMPARE(m_undo->count(), 0); // a single tag is already backmost
        m_canvas->clearSelection();
        menu = m_canvas->buildContextMenu();
        for (QAction *act : menu->actions())
            if (act->text() == QStringLiteral("삭제하기(&D)"))
                QVERIFY(!act->isEnabled());
    }

    void alignAndDistributeCommands()
    {
        core::CTag *a = addRect(31, 0, 10, 4);
        core::CTag *b = addRect(0, 20, 10, 4);
        core::CTag *c = addRect(12, 40, 10, 4);
        m_canvas->actions().selectAll();
        m_canvas->actions().align(AlignEdge::SpreadH);
        QCOMPARE(c->Rect().left, 15);
        QCOMPARE(a->Rect().left, 30);
        m_canvas->actions().align(AlignEdge::Left);
        QCOMPARE(a->Rect().left, 0);
        QCOMPARE(c->Rect().left, 0);
        m_canvas->actions().align(AlignEdge::Bottom);
        QCOMPARE(b->Rect().bottom, 44);
        m_canvas->actions().align(AlignEdge::ScreenRight);
        QCOMPARE(a->Rect().right, 192);
        m_canvas->actions().align(AlignEdge::ScreenTop);
        QCOMPARE(c->Rect().top, 0);
        m_canvas->actions().align(AlignEdge::ScreenCentreV);
        QCOMPARE(a->Rect().top, 30);
        const int steps = m_undo->count();
        m_canvas->actions().align(AlignEdge::Right); // all end at 192: nothing, no step
        QCOMPARE(m_undo->count(), steps);
        for (int i = 0; i < steps; ++i)
            m_undo->undo();
        QCOMPARE(m_undo->index(), 0);
        QCOMPARE(a->Rect(), box(31, 0, 10, 4));
        QCOMPARE(c->Rect(), box(12, 40, 10, 4));

        // No room between the tags.
        b->SetBounds(box(5, 20, 30, 4));
        m_canvas->actions().align(AlignEdge::SpreadH);
        QCOMPARE(m_messages, QList<int>{52303});
        QCOMPARE(m_undo->index(), 0);
        QCOMPARE(a->Rect(), box(31, 0, 10, 4));
    }

    void updateRulesFollowTheSelection()
    {
        QVERIFY(!m_canvas->actions().canRun(CanvasCommand::SelectAll));
        addRect(0, 0, 4, 4);
        addRect(10, 0, 4, 4);
        addRect(20, 0, 4, 4);
        QVERIFY(m_canvas->actions().canRun(CanvasCommand::SelectAll));
        QVERIFY(!m_canvas->actions().canRun(CanvasCommand::BringToFront));
        click(dev(1, 1));
        QVERIFY(m_canvas->actions().canRun(CanvasCommand::AlignScreenRight));
        QVERIFY(!m_canvas->actions().canRun(CanvasCommand::AlignLeft));
        m_canvas->actions().selectAll();
        QVERIFY(m_canvas->actions().canRun(CanvasCommand::DistributeVertically));
        m_canvas->actions().copy();
        QVERIFY(m_canvas->actions().canRun(CanvasCommand::Paste));
    }

    void lockAndZOrder()
    {
        core::CTag *a = addRect(10, 10, 10, 10);
        core::CTag *b = addRect(30, 10, 10, 10);
        m_canvas->actions().selectAll();
        m_canvas->actions().sendToBack(); // a then b: b ends backmost
        QCOMPARE(m_screen->Tags().front().get(), b);
        m_canvas->actions().bringToFront();
        QCOMPARE(m_screen->Tags().back().get(), b);
        m_undo->undo();
        QCOMPARE(m_screen->Tags().front().get(), b);

        m_canvas->actions().lockSelection();
        QVERIFY(a->IsLocked() && b->IsLocked());
        click(dev(12, 12));
        QVERIFY(m_canvas->selection().empty());
        m_canvas->actions().unlockAll();
        click(dev(12, 12));
        QCOMPARE(m_canvas->selection(), (std::vector<core::CTag *>{a}));
        m_undo->undo();
        QVERIFY(a->IsLocked());
    }

    void lockedTagsCarryAMarkAndEveryKindShowsItsSelection()
    {
        core::CTag *a = addRect(20, 20, 30, 20); // device 40..100 x 40..80
        const QPoint mark(2 * 50 - 3, 2 * 20 + 6); // inside the top-right corner
        const QColor before = m_canvas->grab().toImage().pixelColor(mark);
        m_canvas->select(a, false);
        m_canvas->actions().lockSelection();
        const QImage locked = m_canvas->grab().toImage();
        QVERIFY(locked.pixelColor(mark) != before);
        m_canvas->actions().unlockAll();
        QCOMPARE(m_canvas->grab().toImage().pixelColor(mark), before);

        // A text tag has no handles: its selection still shows a handle at each corner.
        m_canvas->setTool(ui::ToolText);
        click(dev(100, 30));
        core::CTag *text = m_screen->Tags().back().get();
        QCOMPARE(m_canvas->selection(), (std::vector<core::CTag *>{text}));
        QCOMPARE(text->GetHandleCount(), 0);
        const core::CRect r = text->Rect().Normalized();
        const QPoint corner(2 * (r.left - 1), 2 * (r.top - 1));
        const QImage selected = m_canvas->grab().toImage();
        QCOMPARE(selected.pixelColor(corner), ui::fromColorRef(m_config.colors().focus));
        m_canvas->clearSelection();
        QVERIFY(m_canvas->grab().toImage().pixelColor(corner)
                != ui::fromColorRef(m_config.colors().focus));
    }

    void dragsAndKeysKeepTagsOnTheDisplay()
    {
        core::CTag *a = addRect(150, 10, 30, 20);
        // Dragged 40 pixels right, the tag lands at the right edge.
        drag(dev(160, 20), dev(200, 20));
        QCOMPARE(a->Rect(), box(162, 10, 30, 20));
        // At the edge, the arrow key moves nothing.
        m_canvas->select(a, false);
        QTest::keyClick(m_canvas.get(), Qt::Key_Right);
        QCOMPARE(a->Rect().right, 192);
        QTest::keyClick(m_canvas.get(), Qt::Key_Left);
        QCOMPARE(a->Rect().right, 191);

        // A tag hanging off (as a file may hold it) carries a warning mark.
        core::CTag *off = addRect(180, 50, 30, 10); // 180..210 x 50..60
        const QPoint mark(2 * 180 + 4, 2 * 50 + 6); // inside the triangle at the top-left
        const QImage shown = m_canvas->grab().toImage();
        QCOMPARE(shown.pixelColor(mark), QColor(255, 200, 0));
        m_canvas->select(off, false);
        for (int i = 0; i < 18; ++i)
            QTest::keyClick(m_canvas.get(), Qt::Key_Left);
        QCOMPARE(off->Rect().right, 192);
        QVERIFY(m_canvas->grab().toImage().pixelColor(QPoint(2 * 162 + 4, 2 * 50 + 6))
                != QColor(255, 200, 0));
    }

    void zoomMapsMouseAndSize()
    {
        m_canvas->setZoomFactor(4.0, 1.0);
        QCOMPARE(m_canvas->size(), QSize(768, 64));
        m_canvas->setTool(ui::ToolText);
        click(QPoint(41, 21));
        QCOMPARE(m_screen->Tags().back()->X(), 10);
        QCOMPARE(m_screen->Tags().back()->Y(), 21);
    }

    void paintsTagsGridAndBackground()
    {
        addRect(10, 10, 10, 10);
        const QImage img = m_canvas->grab().toImage();
        const QColor fill = ui::fromColorRef(m_config.colors().fill);
        const QColor back = ui::fromColorRef(m_config.colors().back);
        QCOMPARE(img.pixelColor(dev(15, 15)), fill);
        QCOMPARE(img.pixelColor(dev(3, 3)), back);
        // A grid dot at (8, 8) is one device pixel.
        QCOMPARE(img.pixelColor(16, 16), ui::fromColorRef(m_config.colors().grid));
        QCOMPARE(img.pixelColor(17, 17), back);
        core::GridSettings hidden;
        hidden.showGrid = false;
        m_canvas->setGridSettings(hidden);
        QCOMPARE(m_canvas->grab().toImage().pixelColor(16, 16), back);
    }

    void doubleClickAsksForProperties()
    {
        core::CTag *a = addRect(10, 10, 10, 10);
        QSignalSpy screenProps(m_canvas.get(), &CScreenCanvas::editScreenProperties);
        QSignalSpy tagProps(m_canvas.get(), &CScreenCanvas::editTagProperties);
        QTest::mouseDClick(m_canvas.get(), Qt::LeftButton, {}, dev(100, 40));
        QCOMPARE(screenProps.count(), 1);
        click(dev(12, 12));
        QTest::mouseDClick(m_canvas.get(), Qt::LeftButton, {}, dev(12, 12));
        QCOMPARE(tagProps.count(), 1);
        QCOMPARE(tagProps.at(0).at(0).value<core::CTag *>(), a);
    }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
