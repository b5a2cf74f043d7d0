// The communication menu against velmar-panel-sim on a pseudo-terminal: the demo project goes to
// the panel and comes back byte for byte, a protected panel asks for its password once, faults
// leave the open project alone, Stop ends a slow transfer at once and leaves the link usable,
// and the progress dialog counts the bytes the panel received without stalling the window.

#include "comm/sim_process.h"
#include "helpers/modal_script.h"
#include "helpers/ui_fixture.h"

#include "core/app/app_services.h"
#include "core/comm/comm_text.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_ui.h"
#include "core/model/dorvane_doc.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/canvas/tool_ids.h"
#include "ui/comm/comm_text.h"
#include "ui/comm/down_dialog.h"
#include "ui/comm/input_pwd_dialog.h"
#include "ui/comm/progress_dialog.h"
#include "ui/comm/sys_info_dialog.h"
#include "ui/common/port_slot_box.h"
#include "ui/preview/panel_preview_window.h"
#include "ui/view/dorvane_view.h"

#include "util/file_io.h"
#include "util/messages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>

using namespace ui;

namespace {

using uitest::ModalScript;

void clickOk(QWidget *w)
{
    auto *box = w->findChild<QDialogButtonBox *>();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void clickCancel(QWidget *w)
{
    auto *box = w->findChild<QDialogButtonBox *>();
    QTest::mouseClick(box->button(QDialogButtonBox::Cancel), Qt::LeftButton);
}

QString text(const comm::CommText &core)
{
    return commText(core);
}

bool anyContains(const std::vector<QString> &texts, const QString &part)
{
    for (const QString &t : texts)
        if (t.contains(part))
            return true;
    return false;
}

} // namespace

class TestCommMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;
    testsupport::SimProcess m_sim;
    QString m_trace;

    CMainFrame &frame() { return *m_app->mainFrame(); }

    bool startSim(std::vector<std::string> args = {})
    {
        m_trace = m_folder->file("trace.txt");
        args.insert(args.end(), {"--trace", m_trace.toStdString()});
        if (!m_sim.start(args))
            return false;
        // COM1 is the simulator's pseudo-terminal.
        return m_app->services().Config().setCommPortDevice(1, m_sim.port());
    }

    bool openDemo()
    {
        const QString demo = m_folder->file("Project/Demo.kvr");
        QFile::copy(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"), demo);
        return frame().openFile(demo);
    }

    // Data bytes of the write requests the simulator served.
    quint64 bytesWritten() const
    {
        QFile f(m_trace);
        if (!f.open(QIODevice::ReadOnly))
            return 0;
        quint64 sum = 0;
        for (const QByteArray &line : f.readAll().split('\n'))
            if (line.size() > 3 && line[0] == 'w' && line[1] != 'A')
                sum += quint64((line.size() - 3) / 2 - 11);
        return sum;
    }

    static void answerDownDialog(QWidget *w, int speedIndex = 2)
    {
        auto *dialog = static_cast<CDownDialog *>(w);
        dialog->speedCombo()->setCurrentIndex(speedIndex);
        clickOk(dialog);
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
        m_app.reset();
        m_sim.stop();
        m_folder.reset();
    }

    // Erasing asks first; No sends nothing, Yes sends the erase request and says it is done.
    void eraseAsksAndReachesThePanel()
    {
        QVERIFY(startSim());
        const auto traced = [this](const QByteArray &request) {
            QFile f(m_trace);
            return f.open(QIODevice::ReadOnly) && f.readAll().contains("\n" + request);
        };
        {
            uitest::MessageRecorder no(ui::Answer::No);
            frame().eraseMemory();
            QCOMPARE(no.texts.size(), std::size_t(1)); // the question only
        }
        QVERIFY(!traced("yZ"));
        uitest::MessageRecorder yes;
        frame().eraseMemory();
        QVERIFY(anyContains(yes.texts, text(comm::CommTextId::EraseDone)));
        QVERIFY(traced("yZ"));
    }

    void menuHoldsTheCommandsAndDownloadNeedsAProject()
    {
        auto *menu = frame().findChild<QMenu *>(QStringLiteral("commMenu"));
        QVERIFY(menu);
        QStringList names;
        for (QAction *a : menu->actions())
            names << a->objectName();
        QCOMPARE(
                names,
                QStringList({"commDownload", "commUpload", "commFont", "commClock",
                             "commPasswordSet", "commPasswordRemove", "commErase", "commOsDownload",
                             "commAlarmRead", "commAlarmDelete", "commSysInfo"}));
        QCOMPARE(frame().action(ui::MainAction::CommDownload)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(frame().action(ui::MainAction::CommUpload)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_U));
        QVERIFY(!frame().action(ui::MainAction::CommDownload)->isEnabled());
        QVERIFY(frame().action(ui::MainAction::CommUpload)->isEnabled());
        QVERIFY(openDemo());
        QVERIFY(frame().action(ui::MainAction::CommDownload)->isEnabled());
    }

    void portSlotsShowTheirDevicesAndTheChoiceIsStored()
    {
        auto &config = m_app->services().Config();
        QVERIFY(config.setCommPortDevice(3, "/dev/pts/77"));
        CDownDialog dialog(config, core::CDownDlg::Mode::Upload, false, {});
        QVERIFY(uitest::everyInputLabelled(dialog));
        QVERIFY(!dialog.groupBox(core::CDownDlg::Menu)->isVisibleTo(&dialog));
        QVERIFY(dialog.portBox()->combo()->itemText(2).contains("/dev/pts/77"));
        dialog.portBox()->combo()->setCurrentIndex(4);
        dialog.portBox()->mapCurrentSlot(QStringLiteral("/dev/serial/by-id/usb-X"));
        QVERIFY(dialog.portBox()->combo()->itemText(4).contains("/dev/serial/by-id/usb-X"));
        QCOMPARE(dialog.portBox()->combo()->currentIndex(), 4);
        // "Select all" clears and checks the offered groups together.
        QTest::mouseClick(dialog.selectAllBox(), Qt::LeftButton);
        QVERIFY(!dialog.groupBox(core::CDownDlg::Screens)->isChecked());
        QVERIFY(!dialog.groupBox(core::CDownDlg::Parameters)->isChecked());
        {
            uitest::MessageRecorder messages;
            clickOk(&dialog); // nothing chosen: refused, the dialog stays
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted)); // no transfer set: OK closes
        QCOMPARE(config.commSetup().port, 5);
        QCOMPARE(QString::fromStdString(config.commPortDevice(5)),
                 QStringLiteral("/dev/serial/by-id/usb-X"));
    }

    void downloadThenUploadGivesBackTheSameBytes()
    {
        // At the pace of a 38400-baud cable: long enough to measure the window's beat.
        QVERIFY(startSim({"--baud", "38400"}));
        QVERIFY(openDemo());
        const QString before = m_folder->file("Project/before.kvr");
        QVERIFY(frame().saveAs(before));

        uitest::MessageRecorder messages;
        quint64 shownBytes = 0;
        std::vector<qint64> gaps;
        QElapsedTimer beat;
        QElapsedTimer shown;
        QTimer heartbeat;
        // Only while the progress dialog is up: the transfer runs on the worker. The window's
        // first layout and paint (fonts loaded once per process) are not part of the transfer.
        connect(&heartbeat, &QTimer::timeout, this, [&] {
            const bool transferring
                    = qobject_cast<CProgressDialog *>(QApplication::activeModalWidget());
            if (transferring && !shown.isValid())
                shown.start();
            if (transferring && beat.isValid() && shown.elapsed() > 200)
                gaps.push_back(beat.elapsed());
            if (transferring)
                beat.restart();
            else
                beat.invalidate();
        });
        heartbeat.start(5);
        ModalScript script({{"ui::CDownDialog", [](QWidget *w) { answerDownDialog(w, 1); }},
                            {"ui::CProgressDialog", [&](QWidget *w) {
                                 auto *p = static_cast<CProgressDialog *>(w);
                                 connect(p, &QDialog::finished, this,
                                         [&, p] { shownBytes = p->bytesMoved(); });
                             }}});
        frame().download();
        QCOMPARE(script.count["ui::CProgressDialog"], 1);
        QVERIFY2(!anyContains(messages.texts, text(comm::CommTextId::ErrTimeout)),
                 qPrintable(messages.texts.empty() ? QString() : messages.texts.back()));
        QVERIFY(shownBytes > 0);
        QCOMPARE(shownBytes, bytesWritten());
        // The window keeps its pace while the worker sends: nine beats in ten come within 40 ms
        // (a window waiting on each 1024-byte block, about 270 ms at 38400 baud, would not),
        // and no wait is long. A loaded machine may delay a single beat; that proves nothing.
        QVERIFY(gaps.size() > 20);
        std::sort(gaps.begin(), gaps.end());
        const qint64 p90 = gaps[gaps.size() * 9 / 10];
        QVERIFY2(p90 < 40, qPrintable(QString::number(p90)));
        QVERIFY2(gaps.back() < 500, qPrintable(QString::number(gaps.back())));

        frame().closeProject();
        QVERIFY(!frame().document());
        frame().upload();
        QVERIFY(frame().document());
        // A success, with the information icon, not a warning.
        const auto done
                = std::find_if(messages.texts.begin(), messages.texts.end(), [&](const QString &t) {
                      return t.contains(text(comm::CommTextId::TransferDone));
                  });
        QVERIFY(done != messages.texts.end());
        QCOMPARE(messages.kinds[std::size_t(done - messages.texts.begin())], ui::AskKind::Done);
        const QString back = m_folder->file("Project/back.kvr");
        QVERIFY(frame().saveAs(back));
        QCOMPARE(util::readFile(back.toStdString()), util::readFile(before.toStdString()));
    }

    void protectedPanelAsksOnceAndRefusesAWrongPassword()
    {
        QVERIFY(startSim({"--password", "Secret7"}));
        QVERIFY(openDemo());
        uitest::MessageRecorder messages;
        ModalScript script({{"ui::CDownDialog", [](QWidget *w) { answerDownDialog(w); }},
                            {"ui::CInputPwdDialog", [](QWidget *w) {
                                 auto *d = static_cast<CInputPwdDialog *>(w);
                                 QTest::keyClicks(d->passwordEdit(), QStringLiteral("Wrong1"));
                                 clickOk(d);
                             }}});
        // After the refusal the transfer dialog stays open: leave it then.
        QTimer leave;
        connect(&leave, &QTimer::timeout, this, [&] {
            auto *d = qobject_cast<CDownDialog *>(QApplication::activeModalWidget());
            if (d && anyContains(messages.texts, text(comm::CommTextId::PwdMismatch)))
                clickCancel(d);
        });
        leave.start(50);
        frame().download();
        QCOMPARE(script.count["ui::CInputPwdDialog"], 1);
        QVERIFY(anyContains(messages.texts, text(comm::CommTextId::PwdMismatch)));
        QVERIFY(bytesWritten() == 0);
    }

    // An upload rebuilds the open project in place: the screen windows of the old one (a screen
    // added since, tags selected in two windows) must be gone before it is, and the editor goes
    // on with the panel's project.
    void uploadIntoAnOpenProjectWithEditedWindows()
    {
        const std::string state = m_folder->file("panel").toStdString();
        QVERIFY(startSim({"--state", state}));
        QVERIFY(openDemo());
        const QString before = m_folder->file("Project/before.kvr");
        QVERIFY(frame().saveAs(before));
        {
            uitest::MessageRecorder yes;
            ModalScript script({{"ui::CDownDialog", [](QWidget *w) { answerDownDialog(w); }}});
            frame().download();
            QVERIFY(bytesWritten() > 0);
        }
        core::CDorvaneDoc *doc = frame().document();
        const std::uint16_t first = doc->Screens().front()->Number();
        QCOMPARE(frame().addScreen(901, QStringLiteral("added")), 0);
        CDorvaneView *added = frame().findView(901);
        QVERIFY(added);
        added->canvas()->setTool(ToolText);
        const QPoint from(2 * 10 + 1, 2 * 10 + 1);
        const QPoint to(2 * 40 + 1, 2 * 20 + 1);
        QTest::mousePress(added->canvas(), Qt::LeftButton, {}, from);
        QTest::mouseMove(added->canvas(), to);
        QTest::mouseRelease(added->canvas(), Qt::LeftButton, {}, to);
        QCOMPARE(int(added->screen().TagCount()), 1);
        added->canvas()->setSelection({added->screen().Tags().front().get()});
        CDorvaneView *other = frame().showScreen(first);
        QVERIFY(other && other != added);
        std::vector<core::CTag *> all;
        for (const auto &tag : other->screen().Tags())
            all.push_back(tag.get());
        other->canvas()->setSelection(all);
        QVERIFY(!other->canvas()->selection().empty());
        frame().showPreview();
        QVERIFY(frame().previewWindow());

        // As in the running editor: the command runs from the main loop, and its questions and
        // the closing message are real message boxes with loops of their own.
        QStringList boxes;
        ModalScript script({{"ui::CDownDialog", [](QWidget *w) { answerDownDialog(w); }},
                            {"QMessageBox", [&boxes](QWidget *w) {
                                 auto *box = static_cast<QMessageBox *>(w);
                                 boxes << box->text();
                                 QAbstractButton *yesOrOk = box->button(QMessageBox::Yes);
                                 if (!yesOrOk)
                                     yesOrOk = box->button(QMessageBox::Ok);
                                 QTest::mouseClick(yesOrOk, Qt::LeftButton);
                             }}});
        QEventLoop running;
        QTimer::singleShot(0, &running, [&] {
            frame().upload();
            running.quit();
        });
        running.exec();
        QVERIFY(std::any_of(boxes.begin(), boxes.end(), [](const QString &t) {
            return t.contains(text(comm::CommTextId::TransferDone));
        }));
        QVERIFY(!frame().findView(901));
        // The preview shows the uploaded project.
        QVERIFY(frame().previewWindow() && frame().previewWindow()->isVisible());
        QVERIFY(frame().previewWindow()->runtime());
        // Every window left shows a screen of the project now open, and no closed one lives on
        // (it would still repaint on the next undo step, from screens that have gone).
        QVERIFY(!frame().mdiArea()->subWindowList().isEmpty());
        QCOMPARE(frame().findChildren<CDorvaneView *>().size(),
                 frame().mdiArea()->subWindowList().size());
        for (QMdiSubWindow *sub : frame().mdiArea()->subWindowList()) {
            auto *view = qobject_cast<CDorvaneView *>(sub->widget());
            QVERIFY(view);
            QCOMPARE(frame().document()->FindScreen(view->screenNumber()), &view->screen());
        }
        QCoreApplication::processEvents();
        const QString back = m_folder->file("Project/back.kvr");
        QVERIFY(frame().saveAs(back));
        QCOMPARE(util::readFile(back.toStdString()), util::readFile(before.toStdString()));
        // The editor goes on: undo has nothing of the old project, a tag can be placed again.
        QVERIFY(!frame().undoStack()->canUndo());
        CDorvaneView *view = frame().showScreen(first);
        const std::size_t tags = view->screen().TagCount();
        view->canvas()->setTool(ToolText);
        QTest::mousePress(view->canvas(), Qt::LeftButton, {}, from);
        QTest::mouseRelease(view->canvas(), Qt::LeftButton, {}, from);
        QCOMPARE(view->screen().TagCount(), tags + 1);
        frame().undoStack()->undo();
        QCOMPARE(view->screen().TagCount(), tags);
    }

    // The panel keeps ten characters: a longer password (pasted) is refused, never cut.
    void passwordLongerThanThePanelKeepsIsRefused()
    {
        CInputPwdDialog dialog;
        dialog.show();
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("password"));
        QVERIFY(edit);
        edit->insert(QString(36, QLatin1Char('a')));
        QCOMPARE(dialog.password().size(), 36);
        {
            uitest::MessageRecorder messages;
            clickOk(&dialog);
            QVERIFY(dialog.isVisible());
            QCOMPARE(messages.texts.size(), std::size_t(1));
            QCOMPARE(messages.texts.front(), text(comm::CommTextId::PwdTooLong));
        }
        edit->setText(QStringLiteral("abcdefghij"));
        clickOk(&dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(comm::passwordEntryError(std::string(11, 'a')) == comm::CommTextId::PwdTooLong);
    }

    void faultsShowTheirTextAndLeaveTheOpenProjectAlone_data()
    {
        QTest::addColumn<QString>("fault");
        // The core's text, made when the row runs: the interface language is set by then.
        QTest::addColumn<std::function<comm::CommText()>>("core");
        using comm::CommTextId;
        const auto id = [](CommTextId textId) {
            return std::function<comm::CommText()>([textId] { return comm::CommText{textId}; });
        };
        QTest::newRow("nak") << "nak:4:4" << std::function<comm::CommText()>([] {
            return comm::CCommThread::ErrorText(0x30004);
        });
        QTest::newRow("bcc") << "bcc:4" << id(CommTextId::ErrBcc);
        QTest::newRow("frame") << "frame:4" << id(CommTextId::ErrFrame);
        QTest::newRow("silent") << "silent:4" << id(CommTextId::ErrTimeout);
        QTest::newRow("drop") << "drop:4" << id(CommTextId::ErrTimeout);
        QTest::newRow("cut") << "cut:4" << id(CommTextId::ErrTimeout);
    }

    void faultsShowTheirTextAndLeaveTheOpenProjectAlone()
    {
        QFETCH(QString, fault);
        QFETCH(std::function<comm::CommText()>, core);
        const QString shown = text(core());
        // The panel holds the demo project, then answers with the fault.
        const std::string state = m_folder->file("panel").toStdString();
        QVERIFY(startSim({"--state", state}));
        QVERIFY(openDemo());
        {
            uitest::MessageRecorder yes;
            ModalScript script({{"ui::CDownDialog", [](QWidget *w) { answerDownDialog(w); }}});
            frame().download();
            QVERIFY(bytesWritten() > 0);
        }
        m_sim.stop();
        QVERIFY(startSim({"--state", state, "--fault", fault.toStdString()}));
        core::CDorvaneDoc *doc = frame().document();
        const auto screens = doc->Screens().size();
        const QString before = m_folder->file("Project/before.kvr");
        QVERIFY(frame().saveAs(before));
        uitest::MessageRecorder messages;
        int downDialogs = 0;
        ModalScript script({{"ui::CDownDialog", [&](QWidget *w) {
                                 if (++downDialogs == 1)
                                     answerDownDialog(w);
                                 else
                                     clickCancel(w); // the failed run brought it back
                             }}});
        frame().upload();
        QCOMPARE(downDialogs, 2);
        QVERIFY2(anyContains(messages.texts, shown),
                 qPrintable(shown + QStringLiteral(" | ")
                            + (messages.texts.empty() ? QString() : messages.texts.back())));
        QVERIFY(!anyContains(messages.texts, text(comm::CommTextId::TransferDone)));
        QCOMPARE(frame().document(), doc);
        QCOMPARE(doc->Screens().size(), screens);
        QVERIFY(!doc->IsModified());
        const QString after = m_folder->file("Project/after.kvr");
        QVERIFY(frame().saveAs(after));
        QCOMPARE(util::readFile(after.toStdString()), util::readFile(before.toStdString()));
    }

    void stopEndsASlowTransferAtOnceAndTheLinkStaysUsable()
    {
        QVERIFY(startSim({"--baud", "9600"}));
        QVERIFY(openDemo());
        uitest::MessageRecorder messages;
        qint64 stopTook = -1;
        ModalScript script({{"ui::CDownDialog", [](QWidget *w) { answerDownDialog(w, 0); }},
                            {"ui::CProgressDialog", [&](QWidget *w) {
                                 auto *p = static_cast<CProgressDialog *>(w);
                                 // Stop in the middle of a block of the first area.
                                 QTimer::singleShot(1500, p, [&, p] {
                                     auto clock = std::make_shared<QElapsedTimer>();
                                     connect(p, &QDialog::finished, this,
                                             [&, clock] { stopTook = clock->elapsed(); });
                                     clock->start();
                                     QTest::mouseClick(p->stopButton(), Qt::LeftButton);
                                 });
                             }}});
        frame().download();
        QVERIFY(stopTook >= 0);
        QVERIFY2(stopTook < 1000, qPrintable(QString::number(stopTook)));
        QVERIFY(anyContains(messages.texts, text(comm::CommTextId::CommStopped)));

        // The next command finds the link free and the panel answering.
        QString osVersion;
        ModalScript info({{"ui::CSysInfoDialog", [&](QWidget *w) {
                               auto *d = static_cast<CSysInfoDialog *>(w);
                               QTest::mouseClick(d->readButton(), Qt::LeftButton);
                               osVersion = d->field(CSysInfoDialog::OsVersion)->text();
                               d->accept();
                           }}});
        frame().showSystemInfo();
        QCOMPARE(osVersion, QStringLiteral("1.01"));
    }
};

QTEST_MAIN(TestCommMenu)
#include "test_comm_menu.moc"
