// The running panel: the demo project downloaded from the editor to the panel simulator's
// window (the same window `velmar-panel-sim --show` opens, here in the test's process, serving
// a pseudo-terminal on its own thread), a function key changing the screen, an alarm bit set in
// the device table showing its alarm and coming back through the editor's alarm-history upload;
// the editor's own preview following an edit; the simulator on a computer of another locale
// (panel texts in the project's language, value entry, drivers, title); and the simulator's
// command line.

#include "helpers/modal_script.h"
#include "helpers/ui_fixture.h"

#include "sim/panel/panel_view.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/comm/alarm_hist_dialog.h"
#include "ui/comm/down_dialog.h"
#include "ui/preview/panel_display.h"
#include "ui/preview/panel_preview_window.h"
#include "ui/view/dorvane_view.h"

#include "core/functions/alarm_record.h"
#include "core/functions/user_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/runtime/area_project.h"
#include "core/tags/digit_tag.h"
#include "core/tags/text_tag.h"

#include "util/code_page.h"
#include "util/messages.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTableWidget>
#include <QUndoStack>
#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <thread>

using namespace ui;

namespace {

// The picture a display widget shows, as lit (true) and dark pixels.
std::vector<bool> litPixels(const QImage &image)
{
    std::vector<bool> lit;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lit.push_back(image.pixelIndex(x, y) == 1);
    return lit;
}

int rowOf(const QTableWidget &table, const QString &point)
{
    for (int row = 0; row < table.rowCount(); ++row)
        if (table.item(row, 0)->text() == point)
            return row;
    return -1;
}

// Types a value into the table's value cell as a user does.
void typeValue(QTableWidget &table, int row, const QString &value)
{
    QApplication::setActiveWindow(table.window());
    table.setCurrentCell(row, 2);
    table.editItem(table.item(row, 2));
    auto *editor = table.viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, value);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits what was typed from the event loop.
    QTRY_COMPARE(table.item(row, 2)->text(), value);
}

// The process's locale for one test, put back afterwards.
class ScopedLocale
{
public:
    explicit ScopedLocale(const char *name)
    {
        for (const char *var : kVars) {
            const char *old = std::getenv(var);
            m_saved.push_back(old ? std::optional<std::string>(old) : std::nullopt);
            ::setenv(var, name, 1);
        }
        std::setlocale(LC_ALL, "");
    }
    ~ScopedLocale()
    {
        for (std::size_t i = 0; i < std::size(kVars); ++i) {
            if (m_saved[i])
                ::setenv(kVars[i], m_saved[i]->c_str(), 1);
            else
                ::unsetenv(kVars[i]);
        }
        std::setlocale(LC_ALL, "");
    }
    ScopedLocale(const ScopedLocale &) = delete;
    ScopedLocale &operator=(const ScopedLocale &) = delete;

private:
    static constexpr const char *kVars[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::optional<std::string>> m_saved;
};

} // namespace

class TestPanelPreview : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;
    std::unique_ptr<sim::CPanelMemory> m_memory;
    std::unique_ptr<sim::CPanelServer> m_server;
    std::thread m_serving;
    std::unique_ptr<sim::CPanelShow> m_show;
    std::string m_port;

    CMainFrame &frame() { return *m_app->mainFrame(); }

    // The simulated panel serving its pseudo-terminal, with its window.
    bool servePanel()
    {
        m_memory = std::make_unique<sim::CPanelMemory>(sim::CPanelMemory::Options{});
        m_server = std::make_unique<sim::CPanelServer>(*m_memory, 0, std::vector<sim::Fault>{});
        if (!m_server->open(m_port))
            return false;
        m_serving = std::thread([this] { m_server->serve(); });
        m_show = std::make_unique<sim::CPanelShow>(
                *m_memory, sim::ShowOptions{m_folder->path().toStdString(), 2, 0, m_port, {}});
        return true;
    }

    bool startPanel()
    {
        return servePanel() && m_app->services().Config().setCommPortDevice(1, m_port);
    }

    // Uploads the panel's alarm history in the editor's window: does a row show `message`?
    bool uploadedHistoryHas(const QString &message)
    {
        bool found = false;
        uitest::ModalScript history({{"ui::CAlarmHistDialog", [&](QWidget *w) {
                                          auto *d = static_cast<CAlarmHistDialog *>(w);
                                          QTest::mouseClick(d->uploadButton(), Qt::LeftButton);
                                          for (int r = 0; r < d->grid()->rowCount(); ++r)
                                              for (int c = 0; c < d->grid()->columnCount(); ++c)
                                                  if (auto *item = d->grid()->item(r, c);
                                                      item && item->text().contains(message))
                                                      found = true;
                                          d->reject();
                                      }}});
        frame().showAlarmHistory();
        return history.count["ui::CAlarmHistDialog"] == 1 && found;
    }

    // The demo's areas G, S, R, C as a download sends them, built by the editor.
    core::AreaImages demoAreas()
    {
        core::AreaImages areas;
        if (!openDemo())
            return areas;
        for (int i = 0; i < 4; ++i)
            areas[std::size_t(i)] = m_app->services().Areas().BuildArea(core::ProjectArea(i),
                                                                        *frame().document());
        return areas;
    }

    // The simulator alone, as `velmar-panel-sim --show` runs it (the editor gone, its
    // translations with it), with `areas` in its memory once its window is up.
    bool startSimulator(const core::AreaImages &areas)
    {
        m_app.reset();
        if (!servePanel())
            return false;
        const QString title = m_show->window().windowTitle();
        if (!title.contains(QString::fromStdString(m_port)) || !title.contains(noProject()))
            return false;
        const char letters[] = {'G', 'S', 'R', 'C'};
        for (int i = 0; i < 4; ++i)
            if (m_memory->write(std::uint8_t(letters[i]), 0, areas[std::size_t(i)]))
                return false;
        m_show->reload();
        return m_show->document() && m_show->window().runtime();
    }

    static QString noProject()
    {
        return QCoreApplication::translate("ui::CPanelPreviewWindow", "프로젝트 없음");
    }

    bool openDemo()
    {
        const QString demo = m_folder->file(QStringLiteral("Project/Demo.kvr"));
        QFile::copy(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"), demo);
        return frame().openFile(demo);
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        util::setMessageLanguage(0x412);
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        frame().link().SetCommandPause(20);
        frame().link().SetReceiveTimeout(1500);
    }

    void cleanup()
    {
        m_show.reset();
        if (m_server)
            m_server->stop();
        if (m_serving.joinable())
            m_serving.join();
        m_server.reset();
        m_memory.reset();
        m_app.reset();
        m_folder.reset();
    }

    void downloadRunsOnThePanelWithKeysAlarmsAndHistory()
    {
        QVERIFY(startPanel());
        CPanelPreviewWindow &panel = m_show->window();
        QVERIFY(!m_show->document());
        QVERIFY2(!panel.alarmLabel()->text().isEmpty(), "asks for a download");

        QVERIFY(openDemo());
        uitest::MessageRecorder messages; // the download's questions are answered Yes
        uitest::ModalScript script(
                {{"ui::CDownDialog", [](QWidget *w) {
                      static_cast<CDownDialog *>(w)->speedCombo()->setCurrentIndex(2);
                      uitest::clickButton(w, QDialogButtonBox::Ok);
                  }}});
        frame().download();
        QCOMPARE(script.count["ui::CDownDialog"], 1);
        // The panel restarts with the project once the download is over.
        QTRY_VERIFY_WITH_TIMEOUT(m_show->document() && panel.runtime(), 5000);
        const core::CDorvaneDoc &doc = *m_show->document();
        QCOMPARE(doc.Screens().size(), frame().document()->Screens().size());
        QCOMPARE(panel.runtime()->CurrentScreen(), std::uint16_t(0));

        // F2 of the first screen changes to screen 1: the display shows that screen.
        const std::vector<bool> first = litPixels(panel.display()->image());
        QTest::mousePress(panel.keyButton(core::kKeyF2), Qt::LeftButton);
        QTest::mouseRelease(panel.keyButton(core::kKeyF2), Qt::LeftButton);
        QCOMPARE(panel.runtime()->CurrentScreen(), std::uint16_t(1));
        panel.scanNow();
        const std::vector<bool> second = litPixels(panel.display()->image());
        QVERIFY(second != first);
        const QString name = QString::fromStdString(
                core::usertext::ToUser(doc.FindScreen(1)->Name(), frame().panelLangId()));
        QVERIFY(panel.findChild<QLabel *>(QStringLiteral("screenLabel"))->text().contains(name));
        // The keyboard's F1 goes back.
        QTest::keyClick(&panel, Qt::Key_F1);
        QCOMPARE(panel.runtime()->CurrentScreen(), std::uint16_t(0));

        // The first alarm's bit set in the device table: the panel shows its message.
        const core::CAlarmRecord alarm(doc.Alarms().at(0));
        const auto key = panel.runtime()->Memory().KeyOfBlock(
                doc.Alarms().at(0), core::CAlarmRecord::kBlock, core::kAddrBit);
        QVERIFY(key);
        const QString point = QString::fromStdString(panel.runtime()->Memory().KeyText(*key));
        const int row = rowOf(*panel.deviceTable(), point);
        QVERIFY2(row >= 0, qPrintable(point));
        typeValue(*panel.deviceTable(), row, QStringLiteral("1"));
        QCOMPARE(panel.runtime()->Memory().Read(*key), 1u);
        const QString message = QString::fromStdString(
                core::usertext::ToUser(alarm.Message(), frame().panelLangId()));
        QTRY_VERIFY(panel.alarmLabel()->text().contains(message));

        // The editor's alarm-history upload finds it.
        QVERIFY(uploadedHistoryHas(message));

        // Deleted from the editor, it stays deleted when the next alarm fires on the panel.
        frame().deleteAlarmHistory();
        QTest::qWait(300); // the window takes the panel's history again on its next poll
        const core::CAlarmRecord next(doc.Alarms().at(1));
        const auto nextKey = panel.runtime()->Memory().KeyOfBlock(
                doc.Alarms().at(1), core::CAlarmRecord::kBlock, core::kAddrBit);
        QVERIFY(nextKey);
        const int nextRow
                = rowOf(*panel.deviceTable(),
                        QString::fromStdString(panel.runtime()->Memory().KeyText(*nextKey)));
        QVERIFY(nextRow >= 0);
        typeValue(*panel.deviceTable(), nextRow, QStringLiteral("1"));
        const QString nextMessage = QString::fromStdString(
                core::usertext::ToUser(next.Message(), frame().panelLangId()));
        QTRY_VERIFY(panel.alarmLabel()->text().contains(nextMessage));
        QTest::qWait(150); // into area W on the window's next scan
        QVERIFY(uploadedHistoryHas(nextMessage));
        QVERIFY(!uploadedHistoryHas(message));
    }

    void editorPreviewRunsTheOpenProjectAndFollowsEdits()
    {
        QVERIFY(openDemo());
        QAction *preview = frame().action(ui::MainAction::ScreenPreview);
        QVERIFY(preview && preview->isEnabled());
        QCOMPARE(preview->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
        preview->trigger();
        CPanelPreviewWindow *panel = frame().previewWindow();
        QVERIFY(panel && panel->isVisible() && panel->runtime());
        QVERIFY(panel->windowTitle().contains(QStringLiteral("Demo.kvr")));
        QVERIFY(uitest::everyInputLabelled(*panel));

        // A numeric tag of the open screen shows what the device table is given.
        const core::CScreenData *screen
                = frame().document()->FindScreen(panel->runtime()->CurrentScreen());
        const core::CDigitTag *digit = nullptr;
        for (const auto &tag : screen->Tags())
            if (tag->Kind() == core::kTagDigit && !digit)
                digit = static_cast<const core::CDigitTag *>(tag.get());
        QVERIFY(digit);
        const auto key = panel->runtime()->Memory().KeyOf(digit->Point());
        QVERIFY(key);
        const int row = rowOf(*panel->deviceTable(),
                              QString::fromStdString(panel->runtime()->Memory().KeyText(*key)));
        QVERIFY(row >= 0);
        const std::vector<bool> before = litPixels(panel->display()->image());
        typeValue(*panel->deviceTable(), row, QStringLiteral("7"));
        QCOMPARE(panel->runtime()->Memory().Read(*key), 7u);
        panel->scanNow();
        QVERIFY(litPixels(panel->display()->image()) != before);

        // A ramp moves the value without anyone typing.
        auto *driver = qobject_cast<QComboBox *>(panel->deviceTable()->cellWidget(row, 3));
        QVERIFY(driver);
        driver->setCurrentIndex(1);
        const std::uint32_t start = panel->runtime()->Memory().Read(*key);
        QTRY_VERIFY_WITH_TIMEOUT(panel->runtime()->Memory().Read(*key) != start, 3000);

        // Cutting every tag of the open screen (one undo step) leaves only its background; undo
        // brings the tags back on the panel too.
        auto *view = frame().activeView();
        QVERIFY(view);
        frame().action(ui::MainAction::EditSelectAll)->trigger();
        frame().action(ui::MainAction::EditCut)->trigger();
        const core::CScreenData *open = frame().document()->FindScreen(view->screenNumber());
        QVERIFY(open->Tags().empty());
        panel->scanNow();
        const std::vector<bool> bare = litPixels(panel->display()->image());
        if (!open->IsBackgroundOn())
            QVERIFY(std::none_of(bare.begin(), bare.end(), [](bool lit) { return lit; }));
        frame().undoStack()->undo();
        QVERIFY(!open->Tags().empty());
        panel->scanNow();
        QVERIFY(litPixels(panel->display()->image()) != bare);

        frame().closeProject();
        QVERIFY2(!frame().previewWindow(), "goes with its project");
    }

    // The preview starts where the panel does, on the project's initial screen, whichever
    // window is open; "이 화면부터 미리보기" starts on the open window's screen.
    void previewStartsOnTheInitialScreenOrOnTheOpenOneWhenAsked()
    {
        QVERIFY(openDemo());
        core::CDorvaneDoc *doc = frame().document();
        const std::uint16_t initial = doc->Param16(core::kParamInitialScreen);
        QVERIFY(doc->FindScreen(initial));
        std::uint16_t other = initial;
        for (const auto &screen : doc->Screens())
            if (screen->Number() != initial)
                other = screen->Number();
        QVERIFY(other != initial);
        QVERIFY(frame().showScreen(other));
        QAction *here = frame().action(ui::MainAction::ScreenPreviewHere);
        QVERIFY(here && here->isEnabled());
        QCOMPARE(here->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F5));

        frame().action(ui::MainAction::ScreenPreview)->trigger();
        QVERIFY(frame().previewWindow());
        QCOMPARE(frame().previewWindow()->runtime()->CurrentScreen(), initial);
        here->trigger();
        QCOMPARE(frame().previewWindow()->runtime()->CurrentScreen(), other);
    }

    void editorClosingWithThePreviewOpen()
    {
        QVERIFY(openDemo());
        frame().showPreview();
        QVERIFY(frame().previewWindow());
        auto *driver = qobject_cast<QComboBox *>(
                frame().previewWindow()->deviceTable()->cellWidget(0, 3));
        QVERIFY(driver);
        driver->setCurrentIndex(3); // random values while the editor goes
        QTest::qWait(250);
        m_app.reset();
    }

    void simulatorDrawsAndNamesPanelTextsInTheProjectsLanguageUnderAnEnglishLocale()
    {
        const core::AreaImages areas = demoAreas();
        const ScopedLocale english("en_US.UTF-8");
        QVERIFY(startSimulator(areas));
        CPanelPreviewWindow &panel = m_show->window();
        const core::CDorvaneDoc &doc = *m_show->document();
        panel.runtime()->ShowScreen(0);
        panel.scanNow();

        // The screen's name and the project's in the labels and the title.
        const QString name = QStringLiteral("메인");
        QVERIFY(panel.findChild<QLabel *>(QStringLiteral("screenLabel"))->text().contains(name));
        QVERIFY2(panel.windowTitle().contains(name), qPrintable(panel.windowTitle()));
        QVERIFY(panel.windowTitle().contains(QString::fromStdString(m_port)));

        // The display draws the screen's title as a Korean system does.
        const core::CScreenData &first = *doc.FindScreen(0);
        const core::CTextTag *title = nullptr;
        for (const auto &tag : first.Tags())
            if (!title)
                title = dynamic_cast<const core::CTextTag *>(tag.get());
        QVERIFY(title);
        QCOMPARE(QString::fromStdString(util::toUtf8Lossy(title->Text(), util::kLangKorean)),
                 QStringLiteral("운전 현황"));
        core::CAppConfig korean;
        korean.load(m_folder->path().toStdString(), util::kLangKorean);
        util::CMonoBitmap expected;
        core::CScreenRenderer(doc, core::PanelFonts::fromConfig(korean, util::kLangKorean))
                .Render(first, *panel.runtime(), expected);
        const QImage shown = panel.display()->image();
        const core::CRect r = title->Rect().Normalized().Intersected({0, 0, 192, 64});
        int differing = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                differing += (shown.pixelIndex(x, y) == 1) != !expected.pixel(x, y);
        QCOMPARE(differing, 0);
    }

    void simulatorValueEntryNamesItsRangeAndDriversRunOverIt()
    {
        const core::AreaImages areas = demoAreas();
        const ScopedLocale korean("ko_KR.UTF-8");
        QVERIFY(startSimulator(areas));
        CPanelPreviewWindow &panel = m_show->window();
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        // Screen 1 has a writable numeric tag at (152, 32) for 0 to 1000.
        QVERIFY(panel.runtime()->ShowScreen(1));
        panel.scanNow();

        QStringList buttons;
        QString refusal;
        uitest::ModalScript script(
                {{"QInputDialog",
                  [&](QWidget *w) {
                      auto *entry = static_cast<QInputDialog *>(w);
                      for (const QPushButton *b : entry->findChildren<QPushButton *>())
                          buttons << b->text();
                      entry->setTextValue(QStringLiteral("1001"));
                      entry->accept();
                  }},
                 {"QMessageBox", [&](QWidget *w) {
                      auto *box = static_cast<QMessageBox *>(w);
                      refusal = box->text();
                      for (const QPushButton *b : box->findChildren<QPushButton *>())
                          buttons << b->text();
                      box->accept();
                  }}});
        const int zoom = panel.display()->zoom();
        QTest::mouseDClick(panel.display(), Qt::LeftButton, {},
                           QPoint((152 + 4) * zoom, (32 + 4) * zoom));
        QCOMPARE(script.count["QInputDialog"], 1);
        QTRY_COMPARE(script.count["QMessageBox"], 1);
        QVERIFY2(refusal.contains(QStringLiteral("0 ~ 1000")), qPrintable(refusal));
        // The program's Korean standard buttons, as the editor's dialogs have them.
        QVERIFY2(buttons.contains(QStringLiteral("확인"))
                         && buttons.contains(QStringLiteral("취소")),
                 qPrintable(buttons.join(QLatin1Char(','))));
        QVERIFY(!buttons.contains(QStringLiteral("OK"))
                && !buttons.contains(QStringLiteral("Cancel")));

        // A ramp on that point climbs past 100 towards the tag's 1000.
        const core::CTag *input = panel.runtime()->InputAt(152 + 4, 32 + 4);
        QVERIFY(input);
        const auto key = panel.runtime()->Memory().KeyOf(
                static_cast<const core::CDigitTag *>(input)->Point());
        QVERIFY(key);
        const int row = rowOf(*panel.deviceTable(),
                              QString::fromStdString(panel.runtime()->Memory().KeyText(*key)));
        QVERIFY(row >= 0);
        auto *driver = qobject_cast<QComboBox *>(panel.deviceTable()->cellWidget(row, 3));
        QVERIFY(driver);
        driver->setCurrentIndex(1);
        QTRY_VERIFY_WITH_TIMEOUT(panel.runtime()->Memory().Read(*key) > 150, 5000);
    }

    void simulatorCommandLineRendersAndShows()
    {
        // --render on the areas of the demo, with a value set as the tag list names it.
        const QString areas = m_folder->file(QStringLiteral("areas"));
        QProcess cli;
        cli.start(QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane-cli"),
                  {QStringLiteral("areas"), QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"),
                   QStringLiteral("-o"), areas});
        QVERIFY(cli.waitForFinished(30000) && cli.exitCode() == 0);
        const QString sim = QStringLiteral(DORVANE_RUNTIME_DIR "/velmar-panel-sim");
        const QString png = m_folder->file(QStringLiteral("s0.png"));
        QProcess render;
        render.start(sim,
                     {QStringLiteral("--render"), areas, QStringLiteral("--screen"),
                      QStringLiteral("0"), QStringLiteral("-o"), png, QStringLiteral("--scale"),
                      QStringLiteral("2")});
        QVERIFY(render.waitForFinished(30000));
        QCOMPARE(render.exitCode(), 0);
        QCOMPARE(QImage(png).size(), QSize(384, 128));

        QProcess bad;
        bad.start(sim,
                  {QStringLiteral("--render"), areas, QStringLiteral("--screen"),
                   QStringLiteral("0"), QStringLiteral("--set"), QStringLiteral("no-such=1"),
                   QStringLiteral("-o"), png});
        QVERIFY(bad.waitForFinished(30000));
        QCOMPARE(bad.exitCode(), 1);
        QVERIFY(bad.readAllStandardError().contains("no-such"));

        // --show serves a pseudo-terminal and opens its window (offscreen here).
        QProcess show;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        show.setProcessEnvironment(env);
        show.start(sim, {QStringLiteral("--show")});
        QVERIFY(show.waitForReadyRead(10000));
        QVERIFY(show.readLine().startsWith("PORT /dev/pts/"));
        QTest::qWait(300);
        QCOMPARE(show.state(), QProcess::Running);
        show.kill();
        show.waitForFinished();
    }
};

QTEST_MAIN(TestPanelPreview)
#include "test_panel_preview.moc"
