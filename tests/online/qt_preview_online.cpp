// The running panel against a Modbus slave: the simulator's picture of a demo screen read from
// the PLC equals the picture with the same values set into the simulated memory, pixel for pixel;
// the preview window connects a channel, shows each station's status, writes a value typed into
// its device table to the PLC and marks a point whose read fails.

#include "slave_process.h"

#include "ui/preview/panel_preview_window.h"
#include "ui/preview/plc_connect_dialog.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/online/online_channels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

const QString kRuntime = QStringLiteral(DORVANE_RUNTIME_DIR);
const QString kDemo = kRuntime + QStringLiteral("/Project/Demo.kvr");

// Demo screen 0's points on channel 1, as --set names them, and where the slave keeps them.
struct Value
{
    const char *point;
    const char *table;
    int address;
    std::vector<int> words; // the slave's registers (a double word: high word first)
};
const std::vector<Value> kScreen0 = {
        {"1-1-1x1", "di", 0, {1}},  {"1-1-4x1", "hr", 0, {2}},         {"1-1-4x2", "hr", 1, {1234}},
        {"1-1-4x3", "hr", 2, {55}}, {"1-1-4x10", "hr", 9, {1, 57920}}, // 123456
};

int run(const QString &program, const QStringList &args, QByteArray *err = nullptr)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000))
        return -1;
    if (err)
        *err = p.readAllStandardError();
    return p.exitCode();
}

} // namespace

class TestPreviewOnline : public QObject
{
    Q_OBJECT

private slots:
    void simulatorPictureFromThePlcEqualsTheOneFromSetValues()
    {
        onlinetest::SlaveProcess slave("tcp");
        QVERIFY(slave.running());
        QTemporaryDir dir;
        const QString areas = dir.filePath(QStringLiteral("areas"));
        QCOMPARE(run(kRuntime + QStringLiteral("/dorvane-cli"),
                     {QStringLiteral("areas"), kDemo, QStringLiteral("-o"), areas}),
                 0);
        QStringList setArgs;
        for (const Value &v : kScreen0) {
            std::string words;
            for (const int w : v.words)
                words += ' ' + std::to_string(w);
            slave.command(std::string("set ") + v.table + ' ' + std::to_string(v.address) + words);
            const std::uint32_t value = v.words.size() == 2
                    ? (std::uint32_t(v.words[0]) << 16) | std::uint32_t(v.words[1])
                    : std::uint32_t(v.words[0]);
            setArgs << QStringLiteral("--set")
                    << QStringLiteral("%1=%2").arg(QLatin1String(v.point)).arg(value);
        }
        const QString sim = kRuntime + QStringLiteral("/velmar-panel-sim");
        const QString live = dir.filePath(QStringLiteral("live.png"));
        const QString set = dir.filePath(QStringLiteral("set.png"));
        const QString zero = dir.filePath(QStringLiteral("zero.png"));
        const QStringList common{QStringLiteral("--render"), areas, QStringLiteral("--screen"),
                                 QStringLiteral("0")};
        const QStringList liveArgs = common
                + QStringList{QStringLiteral("--plc"),
                              QStringLiteral("1=%1").arg(QString::fromStdString(slave.tcp())),
                              QStringLiteral("-o"), live};
        QByteArray err;
        // Screen 0 shows the panel clock: a picture taken in another second differs there, so
        // the live picture is taken between two pictures of the set values and must equal one.
        bool same = false;
        for (int attempt = 0; attempt < 3 && !same; ++attempt) {
            QCOMPARE(run(sim, common + setArgs + QStringList{QStringLiteral("-o"), set}), 0);
            const QImage before(set);
            QCOMPARE(run(sim, liveArgs, &err), 0);
            QVERIFY2(err.isEmpty(), err.constData());
            QCOMPARE(run(sim, common + setArgs + QStringList{QStringLiteral("-o"), set}), 0);
            const QImage a(live);
            QCOMPARE(a.size(), QSize(192, 64));
            same = a == before || a == QImage(set);
        }
        QVERIFY2(same, "the picture from the PLC equals the one from the same values set");
        QCOMPARE(run(sim, common + QStringList{QStringLiteral("-o"), zero}), 0);
        const QImage a(live), c(zero);
        QVERIFY2(a != c, "the values change the picture");

        // A slave that stops answering: the picture still comes, its numbers as '*', status 1
        // and the failed points named.
        slave.command("silent on");
        QCOMPARE(run(sim,
                     common
                             + QStringList{QStringLiteral("--plc"),
                                           QStringLiteral("1=%1").arg(
                                                   QString::fromStdString(slave.tcp())),
                                           QStringLiteral("-o"), live},
                     &err),
                 1);
        QVERIFY2(err.contains("1-1-4x2: station 1, 4x1-11: no answer"), err.constData());
        QVERIFY(QImage(live) != c);
        // A channel without a Modbus PLC, or --plc for the bare link, is refused.
        QCOMPARE(run(sim,
                     common
                             + QStringList{QStringLiteral("--plc"), QStringLiteral("2=/dev/null"),
                                           QStringLiteral("-o"), live},
                     &err),
                 1);
        QVERIFY2(err.contains("--plc 2=/dev/null: channel 2 has no PLC"), err.constData());
        QCOMPARE(run(sim, {QStringLiteral("--plc"), QStringLiteral("1=/dev/null")}), 2);
    }

    void simulatorWindowReadsThePlcOfADownloadedProject()
    {
        onlinetest::SlaveProcess slave("tcp");
        QVERIFY(slave.running());
        QProcess show;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        show.setProcessEnvironment(env);
        show.start(kRuntime + QStringLiteral("/velmar-panel-sim"),
                   {QStringLiteral("--show"), QStringLiteral("--plc"),
                    QStringLiteral("1=%1").arg(QString::fromStdString(slave.tcp()))});
        QVERIFY(show.waitForReadyRead(10000));
        const QByteArray port = show.readLine().trimmed().mid(5);
        QVERIFY(port.startsWith("/dev/pts/"));
        QCOMPARE(run(kRuntime + QStringLiteral("/dorvane-cli"),
                     {QStringLiteral("download"), kDemo, QStringLiteral("--port"),
                      QString::fromLatin1(port), QStringLiteral("--yes")}),
                 0);
        // The project the download sent runs with channel 1 on the slave.
        const auto served = [&] {
            const std::string answer = slave.command("served");
            return answer.rfind("SERVED ", 0) == 0 ? std::stoi(answer.substr(7)) : -1;
        };
        bool polled = false;
        for (int i = 0; i < 100 && !polled; ++i) {
            QTest::qWait(100);
            polled = served() > 3;
        }
        QVERIFY2(polled, "the simulator's window reads the PLC");
        show.kill();
        show.waitForFinished();
    }

    void previewConnectsShowsStatusAndWrites()
    {
        onlinetest::SlaveProcess slave("tcp", {"--hole", "hr:9:10"});
        QVERIFY(slave.running());
        slave.command("set hr 1 4321");
        core::CAppServices app;
        app.Load(kRuntime.toStdString(), 0x412);
        auto doc = app.NewDocument();
        QVERIFY(doc->OpenDocument(kDemo.toStdString(), app.Areas()).ok);
        ui::CPanelPreviewWindow::Options options;
        options.fonts = core::PanelFonts::fromConfig(app.Config(), doc->PanelLangId());
        ui::CPanelPreviewWindow window(options);
        window.setDocument(doc.get());
        QVERIFY(!window.plcStatusLabel()->isVisibleTo(&window));

        core::online::LinkOptions link;
        link.timeout = 100ms;
        link.retries = 1;
        link.cycle = 20ms;
        std::string error;
        const auto endpoint = core::online::parseEndpoint(slave.tcp(), {}, error);
        QVERIFY(endpoint);
        QVERIFY(!window.connectPlc(2, *endpoint, link, error));
        QCOMPARE(QString::fromStdString(error), QStringLiteral("channel 2 has no PLC"));
        QVERIFY(window.connectPlc(1, *endpoint, link, error));
        QVERIFY(window.online()->Plc(1)->WaitForScan(3000ms));
        window.scanNow();
        const QString status = window.plcStatusLabel()->text();
        QVERIFY2(status.contains(QStringLiteral("국번 1: 일부 실패")), qPrintable(status));
        QVERIFY2(status.contains(QStringLiteral("4x10-11: illegal data address")),
                 qPrintable(status));

        // The device table reads the PLC: 4x2 its value, the double word in the hole '*'.
        QTableWidget *table = window.deviceTable();
        const auto rowOf = [&](const QString &point) {
            for (int row = 0; row < table->rowCount(); ++row)
                if (table->item(row, 0)->text() == point)
                    return row;
            return -1;
        };
        const int row2 = rowOf(QStringLiteral("1-1-4x2"));
        const int row10 = rowOf(QStringLiteral("1-1-4x10"));
        QVERIFY(row2 >= 0 && row10 >= 0);
        QCOMPARE(table->item(row2, 2)->text(), QStringLiteral("4321"));
        QCOMPARE(table->item(row10, 2)->text(), QStringLiteral("*"));
        // Screen 1's entry is not read while screen 0 shows: nothing failed there.
        const int row7 = rowOf(QStringLiteral("1-1-4x7"));
        QCOMPARE(table->item(row7, 2)->text(), QStringLiteral("0"));
        // Once screen 1 shows, it is read from the next scan on.
        slave.command("set hr 6 707");
        QVERIFY(window.runtime()->ShowScreen(1));
        window.scanNow();
        QVERIFY(window.online()->Plc(1)->WaitForScan(3000ms));
        window.scanNow();
        QCOMPARE(table->item(row7, 2)->text(), QStringLiteral("707"));
        QVERIFY(window.runtime()->ShowScreen(0));
        window.scanNow();

        // A value typed into the table goes to the PLC.
        const int row6 = rowOf(QStringLiteral("1-1-4x6"));
        QVERIFY(row6 >= 0);
        table->item(row6, 2)->setText(QStringLiteral("77"));
        QVERIFY(window.online()->Plc(1)->WaitForWrites(2000ms));
        QCOMPARE(slave.value("hr", 5), 77);

        // A new document (the editor reloads) keeps the channel online.
        window.setDocument(doc.get());
        QVERIFY(window.isPlcConnected(1));
        window.disconnectPlc(1);
        QVERIFY(!window.isPlcConnected(1));
        window.scanNow();
        QVERIFY(!window.plcStatusLabel()->isVisibleTo(&window));
        // Back on the simulated memory.
        QCOMPARE(table->item(rowOf(QStringLiteral("1-1-4x2")), 2)->text(), QStringLiteral("0"));
    }

    void connectWindowConnectsOverTcpAndTheButtonDisconnects()
    {
        onlinetest::SlaveProcess slave("tcp");
        QVERIFY(slave.running());
        slave.command("set hr 1 77");
        core::CAppServices app;
        app.Load(kRuntime.toStdString(), 0x412);
        auto doc = app.NewDocument();
        QVERIFY(doc->OpenDocument(kDemo.toStdString(), app.Areas()).ok);
        ui::CPanelPreviewWindow::Options options;
        options.fonts = core::PanelFonts::fromConfig(app.Config(), doc->PanelLangId());
        ui::CPanelPreviewWindow window(options);
        QVERIFY2(!window.plcConnectButton()->isEnabled(), "no project, nothing to connect");
        window.setDocument(doc.get());
        QVERIFY(window.plcConnectButton()->isEnabled());
        QVERIFY(!window.plcDisconnectButton()->isEnabled());

        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<ui::CPlcConnectDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = true;
            // The demo's channel 1 only; its time-out from the project; no device yet.
            QCOMPARE(dialog->channelCombo()->count(), 1);
            QCOMPARE(dialog->timeoutSpin()->value(), 500);
            QVERIFY(!dialog->okButton()->isEnabled());
            QVERIFY(!dialog->hostEdit()->isEnabled());
            dialog->tcpRadio()->click();
            QVERIFY(dialog->hostEdit()->isEnabled());
            QTest::keyClicks(dialog->hostEdit(), QStringLiteral("127.0.0.1"));
            dialog->portSpin()->setValue(std::stoi(slave.where()));
            dialog->timeoutSpin()->setValue(300);
            QVERIFY(dialog->okButton()->isEnabled());
            dialog->okButton()->click();
        });
        QTest::mouseClick(window.plcConnectButton(), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(window.isPlcConnected(1));
        QVERIFY(window.online()->Plc(1)->WaitForScan(3000ms));
        window.scanNow();
        QVERIFY(window.plcDisconnectButton()->isEnabled());
        QVERIFY2(window.plcStatusLabel()->text().contains(QStringLiteral("국번 1: 정상")),
                 qPrintable(window.plcStatusLabel()->text()));
        QCOMPARE(window.online()->Plc(1)->Options().timeout, 300ms);

        // The window remembers the choice for the next time.
        QTest::mouseClick(window.plcDisconnectButton(), Qt::LeftButton);
        QVERIFY(!window.isPlcConnected(1));
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<ui::CPlcConnectDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->hostEdit()->text(), QStringLiteral("127.0.0.1"));
            dialog->reject();
        });
        QTest::mouseClick(window.plcConnectButton(), Qt::LeftButton);
        QVERIFY(!window.isPlcConnected(1));
    }

    void connectWindowSaysWhichChannelsKeepTheSimulatedMemory()
    {
        core::CAppServices app;
        app.Load(kRuntime.toStdString(), 0x412);
        auto doc = app.NewDocument();
        QVERIFY(doc->OpenDocument(kDemo.toStdString(), app.Areas()).ok);
        QVERIFY(doc->Slots().BindChannel(2, app.Config().plcList(2), 0x0020, 0,
                                         app.Config().protocolsDir()));
        ui::CPlcConnectDialog dialog(*doc, core::online::PlcConnectForm::ForChannel(*doc, 1));
        QCOMPARE(dialog.channelCombo()->count(), 1);
        auto *note = dialog.findChild<QLabel *>(QStringLiteral("simulatedNote2"));
        QVERIFY(note);
        QVERIFY(note->text().contains(QStringLiteral("CH2")));
        QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("simulatedNote1")));
    }
};

QTEST_MAIN(TestPreviewOnline)
#include "qt_preview_online.moc"
