// The main window's modified mark is the project's undo stack's clean state: every edit shows it,
// an undo back to the saved state clears it, and maximizing or restoring a screen window (which
// hands its own mark to the main window) changes nothing.

#include "helpers/ui_fixture.h"

#include "core/model/dorvane_doc.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/view/dorvane_view.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QUndoStack>
#include <QWindow>
#include <QtTest>

#include <memory>

using namespace ui;

class TestModifiedMark : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }
    // The title as the window system shows it: "[*]" becomes "*" or goes.
    QString shownTitle() { return frame().windowHandle()->title(); }
    bool marked() { return frame().isWindowModified() && shownTitle().contains(QLatin1Char('*')); }
    bool unmarked()
    {
        return !frame().isWindowModified() && !shownTitle().contains(QLatin1Char('*'));
    }
    CDorvaneView *firstView()
    {
        return frame().findView(frame().document()->Screens().front()->Number());
    }
    // One canvas edit: a text tag placed with the mouse.
    void placeTag(CDorvaneView &view)
    {
        CScreenCanvas *canvas = view.canvas();
        canvas->setTool(ToolText);
        const QPoint at = canvas->toDevice({5, 5, 6, 6}).center();
        QTest::mousePress(canvas, Qt::LeftButton, {}, at);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, at);
    }
    static QMdiSubWindow *windowOf(CDorvaneView &view)
    {
        return qobject_cast<QMdiSubWindow *>(view.parentWidget());
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
    }

    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
    }

    void newProjectShowsTheMarkAfterCanvasEdits()
    {
        auto &s = m_app->services();
        QVERIFY(frame().newProject(
                s.NewProjectDefaults(m_folder->file("Project/new.kvr").toStdString())));
        // Unsaved from the start.
        QVERIFY(marked());
        CDorvaneView *view = firstView();
        QVERIFY(view);
        const int steps = frame().undoStack()->count();
        placeTag(*view);
        QCOMPARE(frame().undoStack()->count(), steps + 1);
        QVERIFY(marked());
        QVERIFY(frame().document()->IsModified());

        windowOf(*view)->showMaximized();
        QVERIFY(marked());
        placeTag(*view);
        QVERIFY(marked());
        windowOf(*view)->showNormal();
        QVERIFY(marked());

        QVERIFY(frame().save());
        QVERIFY(unmarked());
        QVERIFY(!frame().document()->IsModified());
    }

    void openedProjectKeepsTheMarkThroughMaximizeUntilUndoneToClean()
    {
        const QString demo = m_folder->file("Project/Demo.kvr");
        QVERIFY(QFile::copy(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"), demo));
        QVERIFY(frame().openFile(demo));
        QVERIFY(unmarked());
        CDorvaneView *view = firstView();
        QVERIFY(view);

        placeTag(*view);
        QVERIFY(marked());
        QMdiSubWindow *sub = windowOf(*view);
        sub->showMaximized();
        QVERIFY(sub->isMaximized());
        QVERIFY(marked());
        sub->showNormal();
        QVERIFY(marked());

        // Back at the state that was opened, maximized or not, the mark goes; a redo brings it.
        sub->showMaximized();
        frame().undoStack()->undo();
        QVERIFY(frame().undoStack()->isClean());
        QVERIFY(unmarked());
        QVERIFY(!frame().document()->IsModified());
        frame().undoStack()->redo();
        QVERIFY(marked());
        sub->showNormal();
        QVERIFY(marked());
        frame().undoStack()->undo();
        QVERIFY(unmarked());
    }
};

QTEST_MAIN(TestModifiedMark)
#include "test_modified_mark.moc"
