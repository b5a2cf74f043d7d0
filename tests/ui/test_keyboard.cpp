// The main window from the keyboard: no shortcut or mnemonic used twice (in both interface
// languages, with a screen window open), the accelerators that clashed before reach their
// command, the edit menu follows the focus, the selection and the clipboard, and Ctrl and the
// wheel zoom.

#include "helpers/modal_script.h"
#include "helpers/ui_fixture.h"

#include "ui/app/dorvane_app.h"
#include "ui/app/main_actions.h"
#include "ui/app/main_frame.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/project/project_window.h"
#include "ui/view/dorvane_view.h"

#include "core/model/dorvane_doc.h"

#include "util/messages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QtTest>

#include <map>
#include <memory>

using namespace ui;

namespace {

// Every mnemonic used twice in `menu` or one of its submenus, as "menu: letter".
QStringList repeatedMnemonics(const QMenu *menu)
{
    QStringList repeated;
    std::map<QChar, QString> seen;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        const QChar m = uitest::mnemonicOf(a->text());
        if (!m.isNull() && !seen.emplace(m, a->text()).second)
            repeated << QStringLiteral("%1: %2 (%3, %4)").arg(menu->title(), m, seen[m], a->text());
        if (a->menu())
            repeated << repeatedMnemonics(a->menu());
    }
    return repeated;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }

    // Starts the editor in `lang` ("0x409", "0x412") on the demo with its first screen shown.
    void start(const char *lang)
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_folder->setLanguage(lang);
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        QVERIFY(frame().openFile(m_folder->demoCopy()));
        frame().show();
        frame().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frame()));
        QVERIFY(frame().activeView());
    }

    CScreenCanvas *canvas() { return frame().activeView()->canvas(); }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
        QApplication::clipboard()->clear();
    }

    void noShortcutOrMnemonicIsUsedTwice_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::newRow("Korean") << QByteArray("0x412");
        QTest::newRow("English") << QByteArray("0x409");
    }

    // Two actions on one key: Qt reports the key as ambiguous and runs neither.
    void noShortcutOrMnemonicIsUsedTwice()
    {
        QFETCH(QByteArray, lang);
        start(lang.constData());
        std::map<QKeySequence, QString> keys;
        QStringList clashes;
        const auto claim = [&](const QKeySequence &key, const QString &who) {
            const auto [it, fresh] = keys.emplace(key, who);
            if (!fresh)
                clashes << QStringLiteral("%1: %2 and %3").arg(key.toString(), it->second, who);
        };
        // The screen window's own menu (restore, close...) is a descendant of the frame too.
        for (const QAction *a : frame().findChildren<QAction *>()) {
            if (a->shortcutContext() == Qt::WidgetShortcut)
                continue; // shown in the menu, handled by the widget that has the focus
            for (const QKeySequence &key : a->shortcuts())
                claim(key, a->objectName().isEmpty() ? a->text() : a->objectName());
        }
        // The menu bar's letters are Alt shortcuts too.
        for (const QAction *a : frame().menuBar()->actions()) {
            const QChar m = uitest::mnemonicOf(a->text());
            QVERIFY2(!m.isNull(), qPrintable(a->text()));
            claim(QKeySequence(QStringLiteral("Alt+") + m), a->text());
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));

        QStringList repeated;
        for (const QAction *a : frame().menuBar()->actions())
            repeated << repeatedMnemonics(a->menu());
        QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(QLatin1Char('\n'))));
    }

    // Alt+M chooses the text tool; Ctrl+W opens the alarms instead of closing the screen window.
    void theAcceleratorsThatClashedReachTheirCommands()
    {
        start("0x412");
        canvas()->setFocus();
        QTest::keyClick(canvas(), Qt::Key_M, Qt::AltModifier);
        QCOMPARE(frame().actions().currentTool(), int(ToolText));
        QTest::keyClick(canvas(), Qt::Key_Escape);

        uitest::ModalScript script({{QStringLiteral("ui::CRecordListDialog"), [](QWidget *w) {
                                         uitest::clickButton(w, QDialogButtonBox::Cancel);
                                     }}});
        const int windows = frame().findChildren<CDorvaneView *>().size();
        QTest::keyClick(canvas(), Qt::Key_W, Qt::ControlModifier);
        QCOMPARE(script.count[QStringLiteral("ui::CRecordListDialog")], 1);
        QCOMPARE(frame().findChildren<CDorvaneView *>().size(), windows);
    }

    // Cut, copy and delete need something to act on; paste needs the clipboard to hold what
    // the focused side takes; select all needs a tag. The tree's focus turns them to screens.
    void theEditMenuFollowsFocusSelectionAndClipboard()
    {
        start("0x412");
        const auto enabled = [this](MainAction id) { return frame().action(id)->isEnabled(); };
        canvas()->setFocus();
        canvas()->setSelection({});
        QVERIFY(!enabled(MainAction::EditCut));
        QVERIFY(!enabled(MainAction::EditCopy));
        QVERIFY(!enabled(MainAction::EditPaste));
        QVERIFY(enabled(MainAction::EditDelete)); // the screen itself goes without a selection
        QVERIFY(enabled(MainAction::EditSelectAll));
        QVERIFY(enabled(MainAction::EditGrid));

        QTest::keyClick(canvas(), Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!canvas()->selection().empty());
        QVERIFY(enabled(MainAction::EditCut));
        QTest::keyClick(canvas(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(enabled(MainAction::EditPaste));

        // The tree: copied tags are nothing it can paste.
        QTreeWidget *tree = frame().projectWindow()->tree();
        tree->setFocus();
        QTRY_VERIFY(tree->hasFocus());
        tree->clearSelection();
        QVERIFY(!enabled(MainAction::EditCopy));
        QVERIFY(!enabled(MainAction::EditPaste));
        tree->topLevelItem(0)->setSelected(true);
        QVERIFY(enabled(MainAction::EditCopy));
        QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(enabled(MainAction::EditPaste));
        QVERIFY(!enabled(MainAction::EditSelectAll) || frame().activeView());
    }

    // Ctrl and the wheel step through the fixed zooms; the tool bar's zoom box follows.
    void ctrlWheelZooms()
    {
        start("0x412");
        CDorvaneView *view = frame().activeView();
        QComboBox *box = frame().findChild<QComboBox *>(QStringLiteral("zoomBox"));
        QVERIFY(box);
        // A turn over the canvas reaches the view's viewport (the canvas and the picture leave
        // the wheel alone); sent there directly, as a posted event would not propagate.
        const auto wheel = [view](int delta, Qt::KeyboardModifiers mods) {
            QWidget *port = view->viewport();
            const QPointF at(port->width() / 2.0, port->height() / 2.0);
            QWheelEvent event(at, port->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                              mods, Qt::NoScrollPhase, false);
            QApplication::sendEvent(port, &event);
        };
        QCOMPARE(view->zoom(), int(CDorvaneView::Zoom100));
        wheel(120, Qt::ControlModifier);
        QCOMPARE(view->zoom(), int(CDorvaneView::Zoom200));
        QCOMPARE(box->currentIndex(), int(CDorvaneView::Zoom200));
        wheel(120, Qt::ControlModifier); // no further in
        QCOMPARE(view->zoom(), int(CDorvaneView::Zoom200));
        wheel(-60, Qt::ControlModifier); // half a notch waits for the other half
        QCOMPARE(view->zoom(), int(CDorvaneView::Zoom200));
        wheel(-60, Qt::ControlModifier);
        QCOMPARE(view->zoom(), int(CDorvaneView::Zoom100));
        wheel(-120, Qt::ControlModifier);
        QCOMPARE(box->currentIndex(), int(CDorvaneView::Zoom50));
        wheel(-120, Qt::NoModifier); // scrolls, does not zoom
        QCOMPARE(view->zoom(), int(CDorvaneView::Zoom50));
    }

    // A screen window is needed for the grid, the function keys and the PLC type.
    void screenCommandsWaitForAScreenWindow()
    {
        start("0x412");
        for (MainAction id : {MainAction::EditGrid, MainAction::FunctionKeys,
                              MainAction::ProjectPlcType, MainAction::EditSelectAll})
            QVERIFY(frame().action(id)->isEnabled());
        frame().mdiArea()->closeAllSubWindows();
        QTRY_VERIFY(!frame().activeView());
        for (MainAction id : {MainAction::EditGrid, MainAction::FunctionKeys,
                              MainAction::ProjectPlcType, MainAction::EditSelectAll})
            QVERIFY(!frame().action(id)->isEnabled());
        QVERIFY(frame().action(MainAction::FunctionAlarms)->isEnabled());
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
