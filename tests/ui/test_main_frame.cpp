// The main window driven offscreen: start-up, new/open/save, the project tree and its screen
// commands, undo, gauges, auto-save, recent files and dropped files.

#include "helpers/ui_fixture.h"

#include "core/editor/screen_rules.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/gauge_label.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_actions.h"
#include "ui/app/main_frame.h"
#include "ui/app/memory_gauges.h"
#include "ui/app/project_controller.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/prj_mgn_dialog.h"
#include "ui/project/new_screen_dialog.h"
#include "ui/project/project_window.h"
#include "ui/view/dorvane_view.h"
#include "util/messages.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSet>
#include <QSpinBox>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ui;

class TestMainFrame : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }
    QTreeWidget *tree() { return frame().projectWindow()->tree(); }
    bool newProject(const QString &name = QStringLiteral("p.kvr"))
    {
        auto &s = m_app->services();
        return frame().newProject(
                s.NewProjectDefaults(QDir(m_folder->file("Project")).filePath(name).toStdString()));
    }
    QString caption(std::uint16_t n)
    {
        return QString::fromStdString(
                core::screenCaption(*frame().document()->FindScreen(n), frame().panelLangId()));
    }

    // A program folder whose interface language is `lang` ("0x409", "0x412").
    static std::unique_ptr<uitest::ProgramFolder> folderIn(const char *lang)
    {
        auto folder = std::make_unique<uitest::ProgramFolder>();
        folder->setLanguage(lang);
        return folder;
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        util::setMessageLanguage(0x412);
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
    }

    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
    }

    // Whatever replaces the open project (Open, New, Close), its screen windows go at once:
    // none is left waiting for a later deletion, where the next command would find it and reach
    // screens that no longer exist.
    void replacingTheProjectLeavesNoWindowOfTheOldOne()
    {
        const QString demo = m_folder->file("Project/Demo.kvr");
        QVERIFY(QFile::copy(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"), demo));
        QVERIFY(frame().openFile(demo));
        const auto &screens = frame().document()->Screens();
        QVERIFY(screens.size() >= 2);
        const std::uint16_t first = screens.front()->Number();
        for (const std::uint16_t n : {first, screens[1]->Number()}) {
            CDorvaneView *view = frame().showScreen(n);
            QVERIFY(view);
            std::vector<core::CTag *> all;
            for (const auto &tag : view->screen().Tags())
                all.push_back(tag.get());
            view->canvas()->setSelection(all);
        }
        const auto windowsShowTheOpenProject = [this] {
            // A closed window still alive would still hear the undo stack and repaint a screen
            // that has gone with its project.
            if (frame().findChildren<CDorvaneView *>().size()
                != frame().mdiArea()->subWindowList().size())
                return false;
            for (QMdiSubWindow *sub : frame().mdiArea()->subWindowList()) {
                auto *view = qobject_cast<CDorvaneView *>(sub->widget());
                if (!view || sub->isHidden()
                    || frame().document()->FindScreen(view->screenNumber()) != &view->screen())
                    return false;
            }
            return true;
        };
        // No event is handled in between: nothing deferred may stand in for the new windows.
        QVERIFY(frame().openFile(demo));
        QVERIFY(windowsShowTheOpenProject());
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 1);
        QCOMPARE(frame().activeView()->screenNumber(), first);
        QVERIFY(newProject());
        QVERIFY(windowsShowTheOpenProject());
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 1);
        frame().closeProject();
        QVERIFY(frame().mdiArea()->subWindowList().isEmpty());
        // Undo of a screen's addition closes its window at once too.
        QVERIFY(frame().openFile(demo));
        QCOMPARE(frame().addScreen(902, QStringLiteral("new")), 0);
        QVERIFY(frame().findView(902));
        frame().undoStack()->undo();
        QVERIFY(!frame().findView(902));
        QVERIFY(windowsShowTheOpenProject());
    }

    void startUpEndsWithoutThePanelPicture()
    {
        uitest::ProgramFolder folder;
        QFile::remove(folder.file("Panel.bmp"));
        CDorvaneApp app(folder.path());
        QVERIFY(!app.start());
        QVERIFY(app.mainFrame() == nullptr);
    }

    // Every command exists, is reachable from the menu bar and has a name of its own (tests and
    // screen readers tell the actions apart by it).
    void everyCommandIsBuiltNamedOnceAndInAMenu()
    {
        QSet<QAction *> inMenus;
        std::function<void(const QList<QAction *> &)> collect = [&](const QList<QAction *> &list) {
            for (QAction *a : list) {
                inMenus.insert(a);
                if (a->menu())
                    collect(a->menu()->actions());
            }
        };
        collect(frame().menuBar()->actions());
        std::vector<QAction *> all;
        for (std::size_t i = 0; i < kMainActionCount; ++i)
            all.push_back(frame().action(MainAction(i)));
        for (int tool : {ToolSelect, ToolDigit, ToolMessage, ToolText, ToolLamp, ToolButton,
                         ToolPie, ToolBitmap, ToolBarGraph, ToolTrendGraph, ToolMotor, ToolMobile,
                         ToolRect, ToolLine, ToolCircle, ToolClock, ToolBmpText})
            all.push_back(frame().actions().tool(tool));
        for (const auto &[a, command] : frame().actions().canvasActions())
            all.push_back(frame().actions().canvasAction(command));
        QSet<QString> names;
        for (std::size_t i = 0; i < all.size(); ++i) {
            QAction *a = all[i];
            QVERIFY2(a, qPrintable(QString::number(i)));
            QVERIFY2(!a->objectName().isEmpty(), qPrintable(a->text()));
            QVERIFY2(!names.contains(a->objectName()), qPrintable(a->objectName()));
            names.insert(a->objectName());
            QVERIFY2(inMenus.contains(a), qPrintable(a->objectName()));
        }
        QCOMPARE(frame().actions().canvasActions().size(), std::size_t(16));
    }

    void resourceLanguagePicksTheTranslation()
    {
        m_app.reset(); // its translation would answer for the Korean run
        for (const auto &[lang, file] :
             {std::pair{"0x409", "&File"}, std::pair{"0x412", "파일(&F)"}}) {
            const auto folder = folderIn(lang);
            CDorvaneApp app(folder->path());
            QVERIFY(app.start());
            // Korean is built in: it has no translation file.
            QCOMPARE(app.translationLoaded(), QByteArray(lang) == "0x409");
            QCOMPARE(app.mainFrame()->menuBar()->actions().front()->text(),
                     QString::fromUtf8(file));
        }
    }

    void headlessGrabOfABadFileSaysWhyAndFails()
    {
        uitest::ProgramFolder folder;
        folder.write("junk.kvr", QByteArray(300, 'j'));
        const QString out = folder.file("out.png");
        CDorvaneApp app(folder.path());
        // A message box would wait for a click forever; the headless mode must not open one.
        QCOMPARE(app.run({QStringLiteral("--grab"), out, folder.file("junk.kvr")}), 1);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(app.run({QStringLiteral("--grab"), out}), 0);
        QVERIFY(QImage(out).width() > 0);
    }

    // Exports and grabs run without a user: the user's recent files stay as they were.
    void headlessRunsLeaveTheRecentFilesAlone()
    {
        const QStringList before = frame().recentFiles();
        const QString demo = m_folder->file("Project/Demo.kvr");
        QVERIFY(QFile::copy(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"), demo));
        uitest::ProgramFolder folder;
        {
            CDorvaneApp app(folder.path());
            QCOMPARE(app.run({QStringLiteral("--export-png"), demo, folder.file("pictures")}), 0);
        }
        {
            CDorvaneApp app(folder.path());
            QCOMPARE(app.run({QStringLiteral("--grab"), folder.file("main.png"), demo}), 0);
        }
        QCOMPARE(frame().recentFiles(), before);
        QVERIFY(!frame().recentFiles().contains(QFileInfo(demo).absoluteFilePath()));
        // The editor itself still remembers what the user opens.
        QVERIFY(frame().openFile(demo));
        QCOMPARE(frame().recentFiles().value(0), QFileInfo(demo).absoluteFilePath());
    }

    void koreanInterfaceHasKoreanButtonsAndEnglishOneEnglishGauges()
    {
        m_app.reset();
        for (const char *lang : {"0x412", "0x409"}) {
            const auto folder = folderIn(lang);
            CDorvaneApp app(folder->path());
            QVERIFY(app.start());
            const bool korean = QByteArray(lang) == "0x412";
            // Qt's own buttons speak the interface's language too.
            QDialogButtonBox box(QDialogButtonBox::Cancel);
            QCOMPARE(box.button(QDialogButtonBox::Cancel)->text() == QStringLiteral("Cancel"),
                     !korean);
            const QString gauge = app.mainFrame()->gauges()->label(core::MemoryGauge::Screen);
            QCOMPARE(gauge.startsWith(QStringLiteral("Screen")), !korean);
        }
    }

    void newProjectShowsScreenZeroInTreeAndView()
    {
        QVERIFY(newProject());
        QCOMPARE(tree()->topLevelItemCount(), 1);
        QCOMPARE(tree()->topLevelItem(0)->text(0), caption(0));
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 1);
        QCOMPARE(frame().mdiArea()->subWindowList().front()->windowTitle(), caption(0));
        // Unsaved until written once.
        QVERIFY(frame().isWindowModified());
        QVERIFY(frame().document()->IsModified());
    }

    void newProjectDialogProposesAFreeNameAndRefusesAnEmptyOne()
    {
        const QString untitled = util::messageLanguage() == util::kResEnglish
                ? QStringLiteral("Untitled")
                : QString::fromUtf8("제목없음");
        m_folder->write("Project/" + untitled + "1.kvr", "x");
        uitest::MessageRecorder messages;
        QString proposed;
        QTimer::singleShot(0, this, [&] {
            auto *dlg = qobject_cast<CPrjMgnDialog *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            proposed = QFileInfo(dlg->fileNameEdit()->text()).fileName();
            dlg->fileNameEdit()->setText(QStringLiteral("   "));
            dlg->accept(); // refused: 52000, the dialog stays
            QVERIFY(dlg->isVisible());
            dlg->fileNameEdit()->setText(m_folder->file("Project/mine.kvr"));
            dlg->accept();
        });
        frame().onNew();
        QCOMPARE(proposed, untitled + QStringLiteral("2.kvr"));
        QCOMPARE(messages.ids, std::vector<int>{52000});
        QVERIFY(frame().document());
        QCOMPARE(QString::fromStdString(frame().document()->Path()),
                 m_folder->file("Project/mine.kvr"));
        // The alarm database follows the project's name.
        QVERIFY(QString::fromStdString(m_app->services().Config().alarmDbPath())
                        .endsWith(QStringLiteral("/Alarm/mine.mdb")));
    }

    void newScreenDialogKeepsTypedEntriesAndStaysOpenOnATakenNumber()
    {
        QVERIFY(newProject());
        uitest::MessageRecorder messages;
        QTimer::singleShot(0, this, [&] {
            auto *dlg = qobject_cast<CNewScreenDialog *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->nameEdit()->selectAll();
            QTest::keyClicks(dlg->nameEdit(), QStringLiteral("Pumps"));
            dlg->numberSpin()->selectAll();
            QTest::keyClicks(dlg->numberSpin(), QStringLiteral("0"));
            // Typing a number keeps the typed name.
            QCOMPARE(dlg->nameEdit()->text(), QStringLiteral("Pumps"));
            dlg->accept(); // screen 0 exists: 52201, the dialog stays with the entry
            QVERIFY(dlg->isVisible());
            QCOMPARE(dlg->nameEdit()->text(), QStringLiteral("Pumps"));
            // The spin arrows rename after the number.
            QTest::keyClick(dlg->numberSpin(), Qt::Key_Up);
            QCOMPARE(dlg->numberSpin()->value(), 1);
            QCOMPARE(dlg->nameEdit()->text(), ui::messageString(50500) + QStringLiteral("1"));
            dlg->nameEdit()->selectAll();
            QTest::keyClicks(dlg->nameEdit(), QStringLiteral("Pumps"));
            dlg->accept();
        });
        frame().newScreen();
        QCOMPARE(messages.ids, std::vector<int>{52201});
        QVERIFY(frame().document()->FindScreen(1));
        QCOMPARE(frame().document()->FindScreen(1)->Name(), std::string("Pumps"));
    }

    void newScreenDialogAddsScreenAsOneUndoStep()
    {
        QVERIFY(newProject());
        uitest::MessageRecorder messages;
        bool sawProposal = false;
        QTimer::singleShot(0, this, [&] {
            auto *dlg = qobject_cast<CNewScreenDialog *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            sawProposal = dlg->numberSpin()->value() == 1;
            dlg->nameEdit()->clear();
            dlg->accept(); // refused: the dialog stays
            QVERIFY(dlg->isVisible());
            dlg->nameEdit()->setText(QStringLiteral("Alarm view"));
            dlg->accept();
        });
        frame().newScreen();
        QVERIFY(sawProposal);
        QCOMPARE(messages.ids, std::vector<int>{52200});
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QCOMPARE(frame().activeView()->screenNumber(), 1);

        frame().undoStack()->undo();
        QCOMPARE(tree()->topLevelItemCount(), 1);
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 1);
        frame().undoStack()->redo();
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QCOMPARE(frame().document()->FindScreen(1)->Name(), std::string("Alarm view"));
    }

    void addScreenReportsTakenNumbersAndFullArea()
    {
        QVERIFY(newProject());
        QCOMPARE(frame().addScreen(0, QStringLiteral("x")), 52201);
        QCOMPARE(frame().addScreen(1000, QStringLiteral("x")), 52300);
        QCOMPARE(frame().addScreen(3, QStringLiteral("three")), 0);
        QCOMPARE(tree()->topLevelItemCount(), 2);
    }

    void saveAndReopenKeepsScreensAndCleansTheFlag()
    {
        QVERIFY(newProject());
        QCOMPARE(frame().addScreen(5, QStringLiteral("five")), 0);
        const QString path = QString::fromStdString(frame().document()->Path());
        QVERIFY(frame().save());
        QVERIFY(QFile::exists(path));
        QVERIFY(!frame().isWindowModified());
        QCOMPARE(frame().recentFiles().value(0), path);

        // An undo after the save makes the project modified again, a redo clean.
        frame().undoStack()->undo();
        QVERIFY(frame().document()->IsModified());
        frame().undoStack()->redo();
        QVERIFY(!frame().document()->IsModified());

        frame().closeProject();
        QVERIFY(frame().document() == nullptr);
        QVERIFY(frame().openFile(path));
        QCOMPARE(tree()->topLevelItemCount(), 2);
        QCOMPARE(tree()->topLevelItem(1)->text(0), caption(5));
        QVERIFY(!frame().isWindowModified());
    }

    void openRefusesForeignFileAndKeepsTheProject()
    {
        QVERIFY(newProject());
        m_folder->write("junk.kvr", QByteArray(200, 'x'));
        uitest::MessageRecorder messages;
        QVERIFY(!frame().openFile(m_folder->file("junk.kvr")));
        QCOMPARE(messages.ids, std::vector<int>{52001});
        QVERIFY(frame().document() != nullptr);
        QCOMPARE(tree()->topLevelItemCount(), 1);
    }

    // A file whose header holds but with 64 bytes flipped in the middle of its screen area: the
    // window names what the parser found, as the command-line tool does, below the 52001 text.
    void damagedAreaIsNamedWhenOpeningIsRefused()
    {
        QFile demo(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"));
        QVERIFY(demo.open(QIODevice::ReadOnly));
        QByteArray bad = demo.readAll();
        const auto le32 = [&bad](int at) {
            return int(quint8(bad[at])) | int(quint8(bad[at + 1])) << 8
                    | int(quint8(bad[at + 2])) << 16 | int(quint8(bad[at + 3])) << 24;
        };
        const int middle = le32(74 + 8 * 3) + le32(74 + 8 * 3 + 4) / 2;
        for (int i = 0; i < 64; ++i)
            bad[middle + i] = char(~bad[middle + i]);
        m_folder->write("cut.kvr", bad);
        QVERIFY(frame().openFile(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr")));
        uitest::MessageRecorder messages;
        QVERIFY(!frame().openFile(m_folder->file("cut.kvr")));
        QCOMPARE(messages.ids, std::vector<int>{52001});
        const QString base = messageString(52001);
        QVERIFY2(messages.texts.back().startsWith(base + QStringLiteral("\n\n"))
                         && messages.texts.back().size() > base.size() + 10,
                 qPrintable(messages.texts.back()));
        QVERIFY2(frame().document()->Path().ends_with("Demo.kvr"), "the open project stays");
    }

    void cancelOnSaveQuestionKeepsTheProject()
    {
        QVERIFY(newProject());
        uitest::MessageRecorder messages(ui::Answer::Cancel);
        QVERIFY(!newProject(QStringLiteral("other.kvr")));
        QCOMPARE(QFileInfo(QString::fromStdString(frame().document()->Path())).fileName(),
                 QStringLiteral("p.kvr"));
        QCOMPARE(messages.ids.size(), 1u);
    }

    void deleteFromTreeAsksAndLeavesOneScreen()
    {
        QVERIFY(newProject());
        for (int n : {1, 2})
            QCOMPARE(frame().addScreen(n, QStringLiteral("s%1").arg(n)), 0);
        for (int i = 0; i < 3; ++i)
            tree()->topLevelItem(i)->setSelected(true);
        {
            uitest::MessageRecorder no(ui::Answer::No);
            frame().deleteScreens(frame().projectWindow()->selectedScreens(), 50502);
            QCOMPARE(no.ids, std::vector<int>{50502});
            QCOMPARE(tree()->topLevelItemCount(), 3);
        }
        uitest::MessageRecorder yes;
        frame().deleteScreens(frame().projectWindow()->selectedScreens(), 50502);
        // Three selected of three: the last two go, screen 0 stays.
        QCOMPARE(tree()->topLevelItemCount(), 1);
        QVERIFY(frame().document()->FindScreen(0));
        QVERIFY(frame().findView(2) == nullptr);
        frame().undoStack()->undo();
        QCOMPARE(tree()->topLevelItemCount(), 3);
    }

    void deleteFromTheViewRemovesTheActiveScreen()
    {
        QVERIFY(newProject());
        frame().onDelete(); // the last screen is never deleted
        QCOMPARE(tree()->topLevelItemCount(), 1);
        QCOMPARE(frame().addScreen(6, QStringLiteral("six")), 0);
        QCOMPARE(frame().activeView()->screenNumber(), 6);
        uitest::MessageRecorder yes;
        frame().onDelete();
        QCOMPARE(yes.ids, std::vector<int>{50501});
        QVERIFY(frame().document()->FindScreen(6) == nullptr);
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 1);
    }

    void pastedScreenTakesTheNextFreeNumber()
    {
        QVERIFY(newProject());
        QCOMPARE(frame().addScreen(1, QStringLiteral("one")), 0);
        frame().controller().copyScreens({1});
        frame().controller().pasteScreens();
        QCOMPARE(tree()->topLevelItemCount(), 3);
        QCOMPARE(frame().document()->FindScreen(2)->Name(), std::string("one"));
        frame().undoStack()->undo();
        QCOMPARE(tree()->topLevelItemCount(), 2);
    }

    void treeOpensAndRaisesScreenViews()
    {
        QVERIFY(newProject());
        QCOMPARE(frame().addScreen(2, QStringLiteral("two")), 0);
        frame().findView(2)->parentWidget()->close();
        QApplication::processEvents();
        QVERIFY(frame().findView(2) == nullptr);
        QTreeWidgetItem *item = tree()->topLevelItem(1);
        emit tree()->itemDoubleClicked(item, 0);
        QVERIFY(frame().findView(2) != nullptr);
        QCOMPARE(frame().mdiArea()->subWindowList().size(), 2);
        // Selecting screen 0 brings its open view to the front.
        tree()->setCurrentItem(tree()->topLevelItem(0));
        QCOMPARE(frame().mdiArea()->activeSubWindow()->widget(), frame().findView(0));
    }

    void modifiedMarkStaysThroughScreenDeletesAndNew()
    {
        QVERIFY(newProject());
        QCOMPARE(frame().addScreen(1, QStringLiteral("one")), 0);
        QVERIFY(frame().save());
        QVERIFY(!frame().isWindowModified());
        // The screen's window is open while it goes.
        QVERIFY(frame().findView(1));
        uitest::MessageRecorder yes;
        frame().deleteScreens({1}, 50501);
        QVERIFY(frame().isWindowModified());
        QVERIFY(frame().windowTitle().contains(QStringLiteral("[*]")));
        QCOMPARE(frame().addScreen(2, QStringLiteral("two")), 0);
        QVERIFY(frame().isWindowModified());

        QVERIFY(frame().save());
        QVERIFY(newProject(QStringLiteral("second.kvr")));
        QVERIFY(frame().isWindowModified());
        QCOMPARE(frame().addScreen(3, QStringLiteral("three")), 0);
        QVERIFY(frame().isWindowModified());
    }

    void recentFilesAreStoredAbsolute()
    {
        QVERIFY(newProject());
        QVERIFY(frame().save());
        const QString path = QString::fromStdString(frame().document()->Path());
        frame().closeProject();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(QFileInfo(path).absolutePath());
        QVERIFY(frame().openFile(QFileInfo(path).fileName()));
        QDir::setCurrent(previous);
        QCOMPARE(frame().recentFiles().value(0), QFileInfo(path).absoluteFilePath());
        QVERIFY(QFileInfo(frame().recentFiles().value(0)).isAbsolute());
    }

    void closingTheProjectClearsTheGauges()
    {
        QVERIFY(newProject());
        CMemoryGauges *gauges = frame().gauges();
        QCOMPARE(gauges->percent(core::MemoryGauge::Screen), 1);
        // Messages and images of the project count too.
        QCOMPARE(frame().document()->Strings().Add(1, std::string(3000, 'm')), 0);
        QVERIFY(gauges->percent(core::MemoryGauge::String) > 0);
        frame().closeProject();
        QCOMPARE(gauges->percent(core::MemoryGauge::Screen), 0);
        QCOMPARE(gauges->percent(core::MemoryGauge::String), 0);
        QCOMPARE(gauges->percent(core::MemoryGauge::Image), 0);
        QCOMPARE(gauges->label(core::MemoryGauge::Screen),
                 QString::fromStdString(core::gaugeLabel(core::MemoryGauge::Screen, 0)));
    }

    void refusedRecentFileLeavesTheList()
    {
        QVERIFY(newProject());
        QVERIFY(frame().save());
        const QString path = QString::fromStdString(frame().document()->Path());
        QCOMPARE(frame().recentFiles().value(0), path);
        frame().closeProject();
        m_folder->write("Project/p.kvr", QByteArray(300, 'z'));
        uitest::MessageRecorder messages;
        QVERIFY(!frame().openFile(path));
        QCOMPARE(messages.ids, std::vector<int>{52001});
        QVERIFY(!frame().recentFiles().contains(path));
    }

    void gaugesFollowTheMonitor()
    {
        CMemoryGauges *gauges = frame().gauges();
        // A new project's screen total reaches the gauge: 10 + 704 bytes.
        QVERIFY(newProject());
        QCOMPARE(gauges->percent(core::MemoryGauge::Screen), 1);
        core::CMemoryMonitor &monitor = frame().document()->Monitor();
        monitor.Publish(core::MemoryGauge::Screen, 32768);
        QCOMPARE(gauges->percent(core::MemoryGauge::Screen), 50);
        QCOMPARE(gauges->label(core::MemoryGauge::Screen),
                 QString::fromStdString(core::gaugeLabel(core::MemoryGauge::Screen, 50)));
        monitor.Publish(core::MemoryGauge::String, 40000);
        QCOMPARE(gauges->percent(core::MemoryGauge::String), 100);
        // The next project brings its own totals; the closed one's are gone with it.
        QVERIFY(frame().saveAs(m_folder->file("Project/p.kvr")));
        QVERIFY(newProject(QStringLiteral("q.kvr")));
        QCOMPARE(gauges->percent(core::MemoryGauge::Screen), 1);
        QVERIFY(gauges->percent(core::MemoryGauge::String) < 100);
    }

    void autoSaveRunsInWholeMinutesOnlyWithAPath()
    {
        frame().setAutoSaveInterval(3);
        QVERIFY(frame().autoSaveTimer().isActive());
        QCOMPARE(frame().autoSaveTimer().interval(), 180000);
        frame().onAutoSave(); // no project: nothing happens
        QVERIFY(newProject());
        const QString path = QString::fromStdString(frame().document()->Path());
        QVERIFY(!QFile::exists(path));
        frame().onAutoSave();
        QVERIFY(QFile::exists(path));
        QVERIFY(!frame().isWindowModified());
        frame().setAutoSaveInterval(0);
        QVERIFY(!frame().autoSaveTimer().isActive());
    }

    void recentFilesHoldFourLatestFirst()
    {
        QStringList saved;
        for (int i = 0; i < 5; ++i) {
            QVERIFY(newProject(QStringLiteral("r%1.kvr").arg(i)));
            QVERIFY(frame().save());
            saved.prepend(QString::fromStdString(frame().document()->Path()));
        }
        QCOMPARE(frame().recentFiles(), saved.mid(0, 4));
    }

    void droppedProjectFileIsOpened()
    {
        QVERIFY(newProject());
        QVERIFY(frame().save());
        const QString path = QString::fromStdString(frame().document()->Path());
        frame().closeProject();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QMimeData other;
        other.setUrls({QUrl::fromLocalFile(m_folder->file("Panel.bmp"))});
        QVERIFY(CMainFrame::droppedProject(&other).isEmpty());
        // The offscreen platform delivers no drops; the handler's own work is driven here.
        QVERIFY(frame().openDropped(&mime));
        QVERIFY(frame().document() != nullptr);
        QCOMPARE(QString::fromStdString(frame().document()->Path()), path);
    }
};

QTEST_MAIN(TestMainFrame)
#include "test_main_frame.moc"
