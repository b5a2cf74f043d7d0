// The communication menu's refusals on the real main frame: a file that is no font is named and
// never reaches the panel while a font file is sent and reported; a port that cannot be opened is
// named with its reason and is not kept when the transfer dialog is left, while one that opened
// is kept.

#include "helpers/modal_script.h"
#include "helpers/ui_fixture.h"

#include "core/app/app_services.h"
#include "core/comm/comm_thread.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/comm/down_dialog.h"
#include "ui/common/port_slot_box.h"

#include "util/message_ids.h"
#include "util/messages.h"

// The simulator runner of the link tests, built into this program.
#define PANEL_SIM_PATH DORVANE_RUNTIME_DIR "/velmar-panel-sim"
#include "comm/sim_process.cpp"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace ui;

namespace {

bool anyContains(const std::vector<QString> &texts, const QString &part)
{
    for (const QString &t : texts)
        if (t.contains(part))
            return true;
    return false;
}

QString message(int id, const QString &argument)
{
    return QString::fromStdString(util::formatMessage(id, argument.toUtf8().constData()));
}

// A pseudo-terminal whose far end nobody answers: the port opens, no panel replies.
struct SilentPort
{
    int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    SilentPort()
    {
        ::grantpt(master);
        ::unlockpt(master);
    }
    ~SilentPort() { ::close(master); }
    QString path() const { return QString::fromLatin1(::ptsname(master)); }
};

} // namespace

class TestCommRefusals : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;
    testsupport::SimProcess m_sim;
    QString m_trace;

    CMainFrame &frame() { return *m_app->mainFrame(); }
    core::CAppConfig &config() { return m_app->services().Config(); }

    QByteArray trace() const
    {
        QFile f(m_trace);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Uploads through the transfer dialog on slot `slot` (1-8); the dialog is left once a
    // message came back, as a user leaves it after a failure.
    void uploadOnSlot(int slot, uitest::MessageRecorder &messages)
    {
        uitest::ModalScript script({{"ui::CDownDialog", [slot](QWidget *w) {
                                         auto *d = static_cast<CDownDialog *>(w);
                                         d->portBox()->combo()->setCurrentIndex(slot - 1);
                                         uitest::clickButton(d, QDialogButtonBox::Ok);
                                     }}});
        QTimer leave;
        connect(&leave, &QTimer::timeout, this, [&] {
            auto *d = qobject_cast<CDownDialog *>(QApplication::activeModalWidget());
            if (d && !messages.texts.empty())
                uitest::clickButton(d, QDialogButtonBox::Cancel);
        });
        leave.start(50);
        frame().upload();
        QCOMPARE(script.count["ui::CDownDialog"], 1);
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        frame().link().SetCommandPause(20);
        frame().link().SetReceiveTimeout(300);
    }

    void cleanup()
    {
        m_app.reset();
        m_sim.stop();
        m_folder.reset();
    }

    void fontDownloadSendsOnlyFontFiles()
    {
        m_trace = m_folder->file("trace.txt");
        QVERIFY(m_sim.start({"--trace", m_trace.toStdString()}));
        QVERIFY(config().setCommPortDevice(1, m_sim.port()));
        const QString ini = m_folder->file("APP.INI");
        {
            uitest::MessageRecorder messages;
            frame().downloadFont(ini);
            // Named at once: no question, and the panel is never reached.
            QCOMPARE(messages.texts, std::vector<QString>{message(util::msg::kNotFontFile, ini)});
        }
        QVERIFY(trace().isEmpty());

        const QString font = QStringLiteral(DORVANE_RUNTIME_DIR "/Fonts/SAMPLE.BMA");
        uitest::MessageRecorder messages;
        frame().downloadFont(font);
        QVERIFY(messages.texts.size() >= 2); // the question, then the outcome
        QCOMPARE(messages.texts.back(), message(util::msg::kFontDownloaded, font));
        QVERIFY(trace().contains("\nwF") || trace().startsWith("wF"));
    }

    void aPortThatCannotBeOpenedIsNamedAndNotKept()
    {
        const int stored = config().commSetup().port;
        QVERIFY(stored != 3);
        QVERIFY(config().setCommPortDevice(3, "/nonexistent/ttyPanel"));
        {
            uitest::MessageRecorder messages;
            uploadOnSlot(3, messages);
            const QString why = QString::fromStdString(comm::portOpenReason(ENOENT));
            QVERIFY2(anyContains(messages.texts, QStringLiteral("[/nonexistent/ttyPanel]\n") + why),
                     qPrintable(messages.texts.empty() ? QString() : messages.texts.front()));
        }
        QCOMPARE(config().commSetup().port, stored);
        QFile ini(m_folder->file("APP.INI"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QVERIFY(!ini.readAll().contains("Port=3"));

        // A port that opens is kept, though no panel answers on it.
        SilentPort silent;
        QVERIFY(config().setCommPortDevice(4, silent.path().toStdString()));
        uitest::MessageRecorder messages;
        uploadOnSlot(4, messages);
        QCOMPARE(config().commSetup().port, 4);
    }
};

QTEST_MAIN(TestCommRefusals)
#include "test_comm_refusals.moc"
