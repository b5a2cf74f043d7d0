// Screen views (zoom, canvas placement, key areas) and the dialogs around screens and options,
// driven offscreen.

#include "helpers/modal_script.h"
#include "helpers/ui_fixture.h"

#include "core/editor/screen_rules.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/dlg_func_key.h"
#include "core/presenters/function_env.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/tag_kinds.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_actions.h"
#include "ui/app/main_frame.h"
#include "ui/app/project_controller.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/common/qt_prompt.h"
#include "ui/dialogs/env_config_dialog.h"
#include "ui/dialogs/func_key_dialog.h"
#include "ui/dialogs/grid_snap_dialog.h"
#include "ui/dialogs/memory_use_dialog.h"
#include "ui/project/project_window.h"
#include "ui/project/screen_prop_dialog.h"
#include "ui/project/tag_list_dialog.h"
#include "ui/view/dorvane_view.h"
#include "ui/view/panel_picture.h"
#include "ui/view/zoom_wnd.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using namespace ui;

class TestViewsDialogs : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }
    CDorvaneView *view() { return frame().findView(0); }
    QString caption(std::uint16_t n)
    {
        return QString::fromStdString(
                core::screenCaption(*frame().document()->FindScreen(n), frame().panelLangId()));
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        auto &s = m_app->services();
        QVERIFY(frame().newProject(
                s.NewProjectDefaults(m_folder->file("Project/v.kvr").toStdString())));
        frame().show();
        QVERIFY(view());
    }

    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
    }

    void fixedZoomsPlaceTheCanvasTwoByTwoAtHundredPercent()
    {
        // GUI.INI: display at (88, 40), 384 x 128 picture pixels.
        view()->setZoom(CDorvaneView::Zoom100);
        QCOMPARE(view()->canvas()->geometry(), QRect(88, 40, 384, 128));
        QCOMPARE(view()->canvas()->mapping().sx(), 2.0);
        QCOMPARE(view()->canvas()->mapping().sy(), 2.0);
        QCOMPARE(view()->picture()->size(), m_app->panelPicture().size());
        // The child frame shows the whole picture.
        QVERIFY(view()->viewport()->width() >= m_app->panelPicture().width());

        view()->setZoom(CDorvaneView::Zoom200);
        QCOMPARE(view()->canvas()->geometry(), QRect(176, 80, 768, 256));
        QCOMPARE(view()->canvas()->mapping().sx(), 4.0);
        view()->setZoom(CDorvaneView::Zoom50);
        QCOMPARE(view()->canvas()->geometry(), QRect(44, 20, 192, 64));
        QCOMPARE(view()->canvas()->mapping().sx(), 1.0);
    }

    void fitStretchesEachAxisOnItsOwn()
    {
        view()->setZoom(CDorvaneView::ZoomFit);
        auto *sub = qobject_cast<QMdiSubWindow *>(view()->parentWidget());
        sub->resize(900, 300);
        QApplication::processEvents();
        const QSize client = view()->viewport()->size();
        const QSize pic = m_app->panelPicture().size();
        QCOMPARE(view()->fx(), double(client.width()) / pic.width());
        QCOMPARE(view()->fy(), double(client.height()) / pic.height());
        QVERIFY(view()->fx() != view()->fy());
        QCOMPARE(view()->canvas()->mapping().sx(), view()->fx() * 2);
        QCOMPARE(view()->canvas()->mapping().sy(), view()->fy() * 2);
    }

    void cascadeAndTileSetTheZoomOfEveryView()
    {
        QCOMPARE(frame().addScreen(1, QStringLiteral("one")), 0);
        frame().action(ui::MainAction::WindowTile)->trigger();
        QCOMPARE(frame().findView(0)->zoom(), int(CDorvaneView::ZoomFit));
        QCOMPARE(frame().findView(1)->zoom(), int(CDorvaneView::ZoomFit));
        QCOMPARE(frame().zoomBox()->currentIndex(), int(CDorvaneView::ZoomFit));
        frame().action(ui::MainAction::WindowCascade)->trigger();
        QCOMPARE(frame().findView(0)->zoom(), int(CDorvaneView::Zoom100));
        QCOMPARE(frame().zoomBox()->currentIndex(), int(CDorvaneView::Zoom100));
        QCOMPARE(frame().zoomBox()->itemText(3),
                 QString::fromStdString(std::string(util::messageText(51703))));
        // Cascaded frames show the whole picture at 100 %: no scroll bars, no key row cut off.
        QCoreApplication::processEvents();
        for (std::uint16_t n : {0, 1}) {
            CDorvaneView *v = frame().findView(n);
            QVERIFY2(v->viewport()->width() >= v->scaledPictureSize().width()
                             && v->viewport()->height() >= v->scaledPictureSize().height(),
                     qPrintable(QStringLiteral("screen %1").arg(n)));
        }
    }

    void keyAreasHoverPressAndClick()
    {
        CPanelPicture *picture = view()->picture();
        // Key 3 of GUI.INI: (252, 200) 48 x 32; at 100 % device = picture pixels.
        const QPoint key3(276, 216);
        QCOMPARE(picture->keyAt(key3), 3);
        QCOMPARE(picture->keyAt(QPoint(10, 10)), -1);
        QTest::mouseMove(picture, key3);
        QCOMPARE(picture->hoverKey(), 3);
        QSignalSpy clicked(view(), &CDorvaneView::functionKeyClicked);
        QTest::mousePress(picture, Qt::LeftButton, {}, key3);
        QCOMPARE(picture->pressedKey(), 3);
        QCOMPARE(picture->pressState(), 2);
        // The click opens the key's function-key dialog; cancel it.
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (auto *dialog = qobject_cast<CFuncKeyDialog *>(QApplication::activeModalWidget())) {
                opened = dialog->windowTitle();
                dialog->reject();
            }
        });
        QTest::mouseRelease(picture, Qt::LeftButton, {}, key3);
        QCOMPARE(picture->pressState(), 1);
        QCOMPARE(clicked.count(), 1);
        QVERIFY(!opened.isEmpty());
        QCOMPARE(clicked.front().front().toInt(), 3);
        // Released elsewhere: no click.
        QTest::mousePress(picture, Qt::LeftButton, {}, key3);
        QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(picture->pressedKey(), -1);
    }

    void keyToolTipDescribesTheKeysFunction()
    {
        CPanelPicture *picture = view()->picture();
        const QPoint key0(112, 216);
        QHelpEvent help(QEvent::ToolTip, key0, picture->mapToGlobal(key0));
        QApplication::sendEvent(picture, &help);
        const core::CFuncKeyRecord record(frame().document()->FindScreen(0)->FunctionKey(0));
        uitest::MessageRecorder none;
        CQtPrompt prompt;
        const core::FunctionEnv env{frame().document()->Slots(), prompt, util::kLangKorean};
        const QString expected
                = QString::fromStdString(core::CDlgFuncKey::Describe(env, record)).left(80);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(QToolTip::text(), expected);
    }

    void screenPropertiesActAtOnceAndUndoAsOneStep()
    {
        QCOMPARE(frame().addScreen(4, QStringLiteral("four")), 0);
        core::CScreenData &screen = *frame().document()->FindScreen(0);
        uitest::MessageRecorder messages;
        const int steps = frame().undoStack()->count();
        // What the windows showed while the dialog was open, checked once it is closed.
        QString viewTitle, treeText, renamedCaption, renumberedCaption;
        int refusedNumber = -1, refusedPrev = -1;
        const auto drive = [&](QWidget *w) {
            auto &dlg = *qobject_cast<CScreenPropDialog *>(w);
            dlg.nameEdit()->setText(QStringLiteral("Main"));
            dlg.nameEdited();
            viewTitle = frame().findView(0)->parentWidget()->windowTitle();
            renamedCaption = caption(0);
            // A number in use is refused and put back.
            dlg.numberEdit()->setValue(4);
            dlg.numberEdited();
            refusedNumber = dlg.numberEdit()->value();
            dlg.numberEdit()->setValue(9);
            dlg.numberEdited();
            treeText = frame().projectWindow()->tree()->topLevelItem(1)->text(0);
            if (frame().document()->FindScreen(9))
                renumberedCaption = caption(9);
            dlg.prevEdit()->setValue(1200); // out of range: the old value comes back
            dlg.prevEdited();
            refusedPrev = dlg.prevEdit()->value();
            dlg.passwordCheck()->setChecked(true);
            dlg.done(QDialog::Accepted);
        };
        uitest::ModalScript script({{"ui::CScreenPropDialog", drive}});
        frame().editScreenProperties(0);
        QCOMPARE(script.count["ui::CScreenPropDialog"], 1);
        QCOMPARE(viewTitle, renamedCaption);
        QVERIFY(renamedCaption.endsWith(QStringLiteral(":Main")));
        QCOMPARE(messages.ids, std::vector<int>{52603});
        QCOMPARE(refusedNumber, 0);
        QCOMPARE(treeText, renumberedCaption);
        QCOMPARE(refusedPrev, 0);
        QCOMPARE(screen.Number(), 9);
        QVERIFY(screen.IsPasswordOn());
        QCOMPARE(frame().undoStack()->count(), steps + 1);
        frame().undoStack()->undo();
        QVERIFY(frame().document()->FindScreen(0) == &screen);
        QCOMPARE(screen.Name(), core::defaultScreenName(0, frame().document()->PanelLangId()));
        QVERIFY(!screen.IsPasswordOn());
        QCOMPARE(frame().findView(0)->parentWidget()->windowTitle(), caption(0));
    }

    void screenPropertiesCancelPutsTheScreenBack()
    {
        core::CScreenData &screen = *frame().document()->FindScreen(0);
        const int steps = frame().undoStack()->count();
        QString treeText, renumberedCaption, keptName;
        const auto drive = [&](QWidget *w) {
            auto &dlg = *qobject_cast<CScreenPropDialog *>(w);
            dlg.numberEdit()->setValue(12);
            dlg.numberEdited();
            treeText = frame().projectWindow()->tree()->topLevelItem(0)->text(0);
            if (frame().document()->FindScreen(12))
                renumberedCaption = caption(12);
            dlg.nameEdit()->setText(QString()); // empty: refused at once
            dlg.nameEdited();
            keptName = dlg.nameEdit()->text();
            dlg.backgroundCheck()->setChecked(true);
            dlg.done(QDialog::Rejected);
        };
        uitest::ModalScript script({{"ui::CScreenPropDialog", drive}});
        frame().editScreenProperties(0);
        QCOMPARE(script.count["ui::CScreenPropDialog"], 1);
        // The new number showed while the dialog was open.
        QVERIFY(!renumberedCaption.isEmpty());
        QCOMPARE(treeText, renumberedCaption);
        QVERIFY(!keptName.isEmpty());
        QCOMPARE(screen.Number(), 0);
        QVERIFY(!screen.IsBackgroundOn());
        QCOMPARE(frame().undoStack()->count(), steps);
        QCOMPARE(frame().projectWindow()->tree()->topLevelItem(0)->text(0), caption(0));
    }

    void whatTheCanvasShowsIsWhatTheFileKeeps()
    {
        core::CScreenData &screen = *frame().document()->FindScreen(0);
        core::CTag *clock = nullptr, *image = nullptr;
        QCOMPARE(screen.CreateTag(core::kTagClock, false, &clock), core::kTagOk);
        clock->MoveTo(20, 20);
        clock->UpdateRect();
        QCOMPARE(screen.CreateTag(core::kTagBmpText, false, &image), core::kTagOk);
        image->MoveTo(22, 22); // placed later, over the clock
        image->UpdateRect();
        view()->canvas()->refresh();
        const QImage shown = view()->canvas()->grab().toImage();
        QVERIFY(frame().save());
        const QString path = QString::fromStdString(frame().document()->Path());
        frame().closeProject();
        QVERIFY(frame().openFile(path));
        view()->canvas()->setGridSettings(m_app->services().Config().grid());
        QCOMPARE(view()->canvas()->grab().toImage(), shown);

        // Bringing the image text to the front cannot be kept: the status bar says so.
        core::CScreenData &reopened = *frame().document()->FindScreen(0);
        core::CTag *text = nullptr;
        for (const auto &tag : reopened.Tags())
            if (tag->Kind() == core::kTagBmpText)
                text = tag.get();
        QVERIFY(text);
        QSignalSpy notice(view()->canvas(), &CScreenCanvas::statusMessage);
        view()->canvas()->select(text, false);
        view()->canvas()->actions().bringToFront();
        QCOMPARE(notice.count(), 1);
        QCOMPARE(view()->canvas()->drawingOrder().back()->Kind(), std::uint16_t(core::kTagClock));
    }

    void backgroundBoxNeedsAnImage()
    {
        core::CScreenData &screen = *frame().document()->FindScreen(0);
        CScreenPropDialog dlg(*frame().document(), frame().panelLangId(), screen, &frame());
        // The screen has no background image: the box cannot pretend to show one.
        QVERIFY(!dlg.backgroundCheck()->isEnabled());
    }

    void toolAndArrangeCommandsHaveTheirMenusAndKeys()
    {
        QMenu *tags = frame().findChild<QMenu *>(QStringLiteral("tagMenu"));
        QMenu *draw = frame().findChild<QMenu *>(QStringLiteral("drawMenu"));
        QVERIFY(tags && draw);
        std::vector<int> tagKinds, drawKinds;
        for (QAction *a : tags->actions())
            tagKinds.push_back(a->data().toInt());
        for (QAction *a : draw->actions())
            drawKinds.push_back(a->data().toInt());
        QCOMPARE(tagKinds, (std::vector<int>{0, 1, 4, 3, 7, 8, 5, 9, 10, 14}));
        QCOMPARE(drawKinds, (std::vector<int>{100, 2, 15, 6, 12, 11, 13}));
        QCOMPARE(frame().actions().tool(ui::ToolLamp)->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(frame().actions().tool(ui::ToolBmpText)->shortcut(),
                 QKeySequence(Qt::ALT | Qt::Key_G));
        QCOMPARE(frame().actions().canvasAction(ui::CanvasCommand::LockSelection)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_L));

        // F4 chooses the button tool for the canvas; the menu shows it checked.
        frame().show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame()));
        QApplication::setActiveWindow(&frame());
        view()->canvas()->setFocus();
        QTest::keyClick(view()->canvas(), Qt::Key_F4);
        QCOMPARE(view()->canvas()->tool(), int(ui::ToolButton));
        QVERIFY(frame().actions().tool(ui::ToolButton)->isChecked());

        // The screen-edge alignments are reachable and follow the selection rule.
        QAction *screenLeft = frame().actions().canvasAction(ui::CanvasCommand::AlignScreenLeft);
        QVERIFY(screenLeft);
        QVERIFY(!screenLeft->isEnabled());
        core::CTag *tag = nullptr;
        QCOMPARE(view()->screen().CreateTag(core::kTagLine, false, &tag), core::kTagOk);
        tag->MoveTo(40, 20);
        view()->canvas()->select(tag, false);
        QVERIFY(screenLeft->isEnabled());
        screenLeft->trigger();
        QCOMPARE(tag->Rect().Normalized().left, 0);
    }

    void optionsWriteLanguageOnlyWhenItChanges()
    {
        core::CAppConfig &config = m_app->services().Config();
        uitest::MessageRecorder messages;
        {
            CEnvConfigDialog same(config);
            QVERIFY(!same.apply());
            QVERIFY(messages.ids.empty());
        }
        CEnvConfigDialog dlg(config);
        const int other = dlg.languageCombo()->currentIndex() == 0 ? 1 : 0;
        dlg.languageCombo()->setCurrentIndex(other);
        dlg.setColor(0, 0x00112233);
        QVERIFY(dlg.apply());
        QCOMPARE(messages.ids, std::vector<int>{50900});
        QCOMPARE(config.colors().back, 0x00112233u);
        QFile ini(m_folder->file("APP.INI"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY(text.contains("LoadResource=0x"));
        QVERIFY(text.contains("Back=1122867"));
        QCOMPARE(dlg.autoSaveSpin()->maximum(), 120);
    }

    void changedBackgroundColourRepaintsOpenScreens()
    {
        uitest::MessageRecorder messages;
        CScreenCanvas *canvas = view()->canvas();
        const QPoint corner(1, 1);
        const QColor before = canvas->grab().toImage().pixelColor(corner);
        QTimer::singleShot(0, this, [] {
            auto *dlg = qobject_cast<CEnvConfigDialog *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->setColor(0, 0x00112233); // COLORREF: red 0x33, green 0x22, blue 0x11
            dlg->accept();
        });
        frame().onOptions();
        const QColor after = canvas->grab().toImage().pixelColor(corner);
        QVERIFY(after != before);
        QCOMPARE(after, QColor(0x33, 0x22, 0x11));
    }

    void refusedToolDoesNotStayChosen()
    {
        frame().closeProject();
        uitest::MessageRecorder messages;
        frame().actions().tool(ui::ToolDigit)->trigger();
        QCOMPARE(messages.ids, std::vector<int>{52604});
        QVERIFY(!frame().actions().tool(ui::ToolDigit)->isChecked());
        QVERIFY(frame().actions().tool(ui::ToolSelect)->isChecked());
    }

    void gridAndMemoryDialogsShowTheSettings()
    {
        core::GridSettings grid;
        grid.style = 2;
        grid.xDot = 4;
        CGridSnapDialog dlg(grid);
        // 4 x 8 is not in the list: nothing is preselected and the pitch stays.
        QCOMPARE(dlg.pitchCombo()->currentIndex(), -1);
        QCOMPARE(dlg.pitchCombo()->itemText(3), QStringLiteral("12x16"));
        QVERIFY(dlg.snapCheck()->text().contains(QLatin1Char('&'))); // a mnemonic
        dlg.snapCheck()->setChecked(true);
        core::GridSettings result = dlg.result();
        QCOMPARE(result.style, 2);
        QCOMPARE(result.xDot, 4);
        QCOMPARE(result.yDot, 8);
        QVERIFY(result.snap);
        dlg.pitchCombo()->setCurrentIndex(5);
        QCOMPARE(dlg.result().xDot, 24);
        QCOMPARE(dlg.result().yDot, 16);
        QTest::mouseClick(dlg.defaultsButton(), Qt::LeftButton);
        QCOMPARE(dlg.pitchCombo()->currentText(), QStringLiteral("8x8"));
        QCOMPARE(dlg.styleCombo()->currentIndex(), 0);
        QVERIFY(!dlg.snapCheck()->isChecked());
        QVERIFY(dlg.showCheck()->isChecked());
        grid.xDot = 16;
        grid.yDot = 16;
        QCOMPARE(CGridSnapDialog(grid).pitchCombo()->currentText(), QStringLiteral("16x16"));

        core::CMemoryMonitor monitor;
        monitor.Publish(core::MemoryGauge::Screen, 714); // a new project's one screen
        monitor.Publish(core::MemoryGauge::Image, 65536);
        CMemoryUseDialog memory(monitor);
        QCOMPARE(memory.table()->item(1, 0)->text(), QStringLiteral("32 kbyte"));
        QCOMPARE(memory.table()->item(0, 1)->text(), QStringLiteral("714 byte"));
        QCOMPARE(memory.table()->item(2, 2)->text(), QStringLiteral("100 %"));
    }

    void tagListShowsTheScreensTagsByKind()
    {
        core::CScreenData &screen = *frame().document()->FindScreen(0);
        core::CTag *line = nullptr;
        QCOMPARE(screen.CreateTag(core::kTagLine, false, &line), core::kTagOk);
        line->MoveTo(20, 10);
        core::CTag *mobile = nullptr;
        QCOMPARE(screen.CreateTag(core::kTagMobile, false, &mobile), core::kTagOk);
        auto &moving = static_cast<core::CMobileTag &>(*mobile);
        moving.XPoint().m_second = "120";
        moving.YPoint().m_second = "121";
        moving.YPoint().m_channel = 1;
        CTagListDialog dlg(screen);
        // A device tag lists channel, station, address, size and radix of its points; a moving
        // tag also its border.
        QCOMPARE(dlg.table(core::kTagMobile)->columnCount(), 10);
        QCOMPARE(dlg.table(core::kTagMobile)->item(0, 4)->text(), QStringLiteral("S/Ch1"));
        QCOMPARE(dlg.table(core::kTagMobile)->item(0, 6)->text(), QStringLiteral("120/121"));
        QCOMPARE(dlg.table(core::kTagLine)->columnCount(), 4);
        QCOMPARE(dlg.tabs()->count(), core::kTagKindCount);
        QCOMPARE(dlg.table(core::kTagLine)->rowCount(), 1);
        QCOMPARE(dlg.table(core::kTagLine)->item(0, 0)->text(), QString::number(line->X()));
        QCOMPARE(dlg.table(core::kTagDigit)->rowCount(), 0);
        QVERIFY(frame().action(ui::MainAction::ScreenTagList)->isEnabled());

        // The arrange commands follow the selection of the active canvas.
        view()->canvas()->refresh();
        view()->canvas()->clearSelection();
        QVERIFY(!frame().actions().canvasAction(ui::CanvasCommand::AlignLeft)->isEnabled());
        view()->canvas()->actions().selectAll();
        QCOMPARE(frame().actions().canvasAction(ui::CanvasCommand::BringToFront)->isEnabled(),
                 view()->canvas()->actions().canRun(ui::CanvasCommand::BringToFront));
    }

    void magnifierKeepsItsSourceOnTheScreen()
    {
        const QRect screen(0, 0, 1000, 800);
        const QSize client(144, 140);
        QCOMPARE(CZoomWnd::sourceRect(QPoint(500, 400), client, screen), QRect(482, 383, 36, 35));
        QCOMPARE(CZoomWnd::sourceRect(QPoint(2, 799), client, screen), QRect(0, 765, 36, 35));
        QAction *toggle = frame().action(ui::MainAction::ViewZoomWnd);
        toggle->setChecked(true);
        auto *wnd = frame().findChild<CZoomWnd *>();
        QVERIFY(wnd && wnd->isVisible());
        wnd->close(); // only hides it
        QVERIFY(!toggle->isChecked());
        QVERIFY(frame().findChild<CZoomWnd *>());
    }

    void grabWritesAPicture()
    {
        QVERIFY(frame().save());
        const QString project = QString::fromStdString(frame().document()->Path());
        const QString out = m_folder->file("grab.png");
        QVERIFY(m_app->openForGrab(project));
        QVERIFY(m_app->grab(out));
        QImage png(out);
        QVERIFY(!png.isNull());
        QCOMPARE(png.size(), frame().size());
    }
};

QTEST_MAIN(TestViewsDialogs)
#include "test_views_dialogs.moc"
