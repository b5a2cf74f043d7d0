// The project settings windows driven through their widgets: the panel parameters' latch
// refusals, the master-station boxes and their file, the PLC type change answered No and Yes
// (one undo step back to the same bytes), and channel settings surviving save and reopen.

#include "helpers/ui_fixture.h"

#include "core/app/app_services.h"
#include "core/functions/alarm_record.h"
#include "core/functions/device_addr.h"
#include "core/model/dorvane_doc.h"
#include "core/plc/channel_params.h"
#include "core/project_json/project_json.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/app/project_controller.h"
#include "ui/common/port_slot_box.h"
#include "ui/dialogs/channel_choice_row.h"
#include "ui/dialogs/com_port_dialog.h"
#include "ui/dialogs/comm_basic_dialog.h"
#include "ui/dialogs/comm_para_dialog.h"
#include "ui/dialogs/plc_type_dialog.h"
#include "ui/dialogs/prj_mgn_dialog.h"

#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

using namespace ui;

namespace {

constexpr std::uint16_t kLetterType = 0x0020;

void clickOk(QDialog &dialog)
{
    auto *box = dialog.findChild<QDialogButtonBox *>();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// Runs `drive` on the next modal dialog of type D once the event loop is entered.
template<typename D, typename Fn>
void onModal(QObject *context, Fn drive)
{
    QTimer::singleShot(0, context, [drive] {
        auto *dialog = qobject_cast<D *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        drive(*dialog);
    });
}

util::Bytes saved(CMainFrame &frame, const QString &path)
{
    std::string error;
    if (!frame.controller().saveProject(path.toStdString(), &error))
        return {};
    return util::readFile(path.toStdString()).value_or(util::Bytes{});
}

} // namespace

class TestProjectSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        util::setMessageLanguage(0x412);
    }

    void latchRefusalsKeepTheDialogOpen()
    {
        core::CPlcSlots plcSlots;
        core::CLangInfo languages;
        CCommBasicDialog dialog(plcSlots, languages, core::CDorvaneDoc::NewProjectParameters(0));
        dialog.show();
        QVERIFY(uitest::everyInputLabelled(dialog));
        uitest::MessageRecorder messages;

        dialog.latchStartBox()->setValue(0);
        dialog.latchEndBox()->setValue(1000);
        clickOk(dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kAddressRange});
        QVERIFY(messages.texts.back().contains(QLatin1String("999")));

        dialog.latchStartBox()->setValue(10);
        dialog.latchEndBox()->setValue(5);
        clickOk(dialog);
        QVERIFY(dialog.isVisible());
        QCOMPARE(messages.ids.back(), util::msg::kStartAfterEnd);

        dialog.latchBox()->click();
        dialog.latchStartBox()->setValue(0);
        dialog.latchEndBox()->setValue(999);
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(messages.ids.size(), std::size_t(2));
        const core::CPanelParams result(dialog.presenter().Result());
        QVERIFY(result.LatchOn());
        QCOMPARE(result.LatchEnd(), std::uint16_t(999));
    }

    void ownStationStaysAMasterAndTheListRoundTripsThroughItsFile()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("masters.ini"));
        CCommParaDialog::setFileChooser([file](QWidget *, bool) { return file; });

        core::CChannelParams record = core::CChannelParams::NewProject(2);
        CCommParaDialog dialog(record, true);
        dialog.show();
        QVERIFY(uitest::everyInputLabelled(dialog));
        QCOMPARE(dialog.remoteLabel()->text(), messageString(util::msg::kSlaveNumberCaption));
        QVERIFY(!dialog.stationBox(0)->isEnabled());
        dialog.ownStationBox()->setCurrentIndex(3);
        dialog.configBox()->setCurrentIndex(core::CChannelParams::kNToM);
        QVERIFY(dialog.stationBox(3)->isEnabled());
        QVERIFY(dialog.stationBox(3)->isChecked());
        QVERIFY(!dialog.remoteBox()->isVisible());

        uitest::MessageRecorder messages;
        QTest::mouseClick(dialog.stationBox(3), Qt::LeftButton);
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kOwnStationKept});
        QVERIFY(dialog.stationBox(3)->isChecked());

        QTest::mouseClick(dialog.stationBox(1), Qt::LeftButton);
        QTest::mouseClick(dialog.stationBox(5), Qt::LeftButton);
        QCOMPARE(dialog.counterLabel()->text(), QStringLiteral("3"));
        QTest::mouseClick(dialog.saveStationsButton(), Qt::LeftButton);

        // Another dialog on the same channel loads them; a number beyond 31 is ignored.
        CCommParaDialog other(record, true);
        other.show();
        other.configBox()->setCurrentIndex(core::CChannelParams::kNTo1);
        QTest::mouseClick(other.loadStationsButton(), Qt::LeftButton);
        for (int s : {0, 1, 3, 5})
            QVERIFY2(other.stationBox(s)->isChecked(), qPrintable(QString::number(s)));
        QVERIFY(!other.stationBox(2)->isChecked());
        QVERIFY(other.stationBox(0)->isChecked()); // its own station 0 is added back

        // A file that is no station list (the program's settings) is refused with a word and
        // leaves the boxes alone.
        const QString foreign = dir.filePath(QStringLiteral("APP.INI"));
        QFile app(foreign);
        QVERIFY(app.open(QIODevice::WriteOnly));
        app.write("[DIR_INFO]\nProject=Project\n");
        app.close();
        CCommParaDialog::setFileChooser([foreign](QWidget *, bool) { return foreign; });
        messages.ids.clear();
        messages.texts.clear();
        QTest::mouseClick(other.loadStationsButton(), Qt::LeftButton);
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kNotStationList});
        QVERIFY(messages.texts.front().contains(foreign));
        for (int s : {0, 1, 3, 5})
            QVERIFY2(other.stationBox(s)->isChecked(), qPrintable(QString::number(s)));

        clickOk(dialog);
        const core::CChannelParams result = dialog.presenter().Result();
        QCOMPARE(result.Masters(), (std::vector<std::uint8_t>{1, 3, 5}));
        QCOMPARE(result.OwnStation(), std::uint16_t(3));
        CCommParaDialog::setFileChooser({});
    }

    void plcTypeChangeAnsweredNoChangesNothingAndYesIsOneUndoStep()
    {
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        QVERIFY(!frame.action(ui::MainAction::ProjectPlcType)->isEnabled());
        QVERIFY(frame.action(ui::MainAction::ProjectComPort)->isEnabled());
        QVERIFY(frame.newProject(app.services().NewProjectDefaults(
                QDir(folder.file("Project")).filePath("p.kvr").toStdString())));
        QVERIFY(frame.action(ui::MainAction::ProjectPlcType)->isEnabled());

        // Channel 2 on the letter PLC with an alarm on one of its words.
        core::CDorvaneDoc &doc = *frame.document();
        core::CChannelParams ch2(doc.Channel(2));
        ch2.SetPlcType(kLetterType);
        doc.SetChannel(2, ch2.Bytes());
        doc.RebindDrivers();
        core::CAlarmRecord alarm = core::CAlarmRecord::Default();
        const core::CDeviceAddr addr{2, 0, "M", "10"};
        QCOMPARE(addr.BuildInto(doc.Slots(), alarm.Bytes(), core::CAlarmRecord::kBlock,
                                core::kAddrBit),
                 2);
        doc.Alarms().push_back(alarm.Bytes());
        const util::Bytes before = saved(frame, folder.file("before.kvr"));
        QVERIFY(!before.empty());
        const int steps = frame.undoStack()->count();

        // 1 is "MODBUS RTU" after "미사용".
        const auto chooseModbus = [](CPlcTypeDialog &dialog) {
            dialog.row(2).combo()->setCurrentIndex(1);
            clickOk(dialog);
        };
        {
            uitest::MessageRecorder messages(ui::Answer::No);
            onModal<CPlcTypeDialog>(this, chooseModbus);
            frame.changePlcType();
            QCOMPARE(messages.ids, std::vector<int>{util::msg::kPlcTypeDiffers});
        }
        QCOMPARE(frame.undoStack()->count(), steps);
        QCOMPARE(saved(frame, folder.file("no.kvr")), before);

        {
            uitest::MessageRecorder messages(ui::Answer::Yes);
            onModal<CPlcTypeDialog>(this, chooseModbus);
            frame.changePlcType();
            QCOMPARE(messages.ids.front(), util::msg::kPlcTypeDiffers);
            // The user learns that the alarm's letter address took Modbus's default.
            QCOMPARE(messages.texts.size(), std::size_t(2));
            QVERIFY(messages.texts.back().contains(QLatin1Char('1')));
        }
        QCOMPARE(frame.undoStack()->count(), steps + 1);
        QCOMPARE(doc.Slots().slot(2).Type(), std::uint16_t(1));
        const util::Bytes after = saved(frame, folder.file("yes.kvr"));
        QVERIFY(after != before);

        frame.undoStack()->undo();
        QCOMPARE(doc.Slots().slot(2).Type(), kLetterType);
        QCOMPARE(saved(frame, folder.file("undone.kvr")), before);
        frame.undoStack()->redo();
        QCOMPARE(saved(frame, folder.file("redone.kvr")), after);
    }

    void channelSettingsSurviveSaveAndReopen()
    {
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        const QString path = QDir(folder.file("Project")).filePath("modbus.kvr");
        QVERIFY(frame.newProject(app.services().NewProjectDefaults(path.toStdString())));
        QCOMPARE(core::CChannelParams(frame.document()->Channel(1)).PlcType(), std::uint16_t(1));
        const util::Bytes untouched = saved(frame, folder.file("untouched.kvr"));

        // Cancel leaves the project alone.
        onModal<CCommParaDialog>(this, [](CCommParaDialog &dialog) {
            dialog.baudBox()->setCurrentIndex(0);
            dialog.reject();
        });
        frame.editChannelSettings(1);
        QCOMPARE(saved(frame, folder.file("cancelled.kvr")), untouched);

        const int steps = frame.undoStack()->count();
        onModal<CCommParaDialog>(this, [](CCommParaDialog &dialog) {
            dialog.baudBox()->setCurrentIndex(3); // 9600
            dialog.parityBox()->setCurrentIndex(1); // Even
            dialog.stopBitsBox()->setCurrentIndex(1);
            dialog.timeoutBox()->setValue(800);
            dialog.configBox()->setCurrentIndex(core::CChannelParams::k1To1);
            dialog.remoteBox()->setCurrentIndex(7);
            clickOk(dialog);
        });
        frame.editChannelSettings(1);
        QCOMPARE(frame.undoStack()->count(), steps + 1);
        QVERIFY(!saved(frame, path).empty());
        frame.closeProject();
        uitest::MessageRecorder messages;
        QVERIFY(frame.openFile(path));
        QVERIFY(messages.ids.empty());

        const core::CDorvaneDoc &doc = *frame.document();
        const auto json = core::exportProjectJson(doc, doc.PanelLangId());
        QVERIFY(json.ok);
        // A record's JSON keeps its named fields under "fields".
        const auto field = [](const QJsonObject &record, const char *name) {
            return record.value(QLatin1String("fields")).toObject().value(QLatin1String(name));
        };
        const QJsonObject root
                = QJsonDocument::fromJson(QByteArray::fromStdString(json.text)).object();
        const QJsonObject ch1
                = field(root.value(QLatin1String("parameters")).toObject(), "channel1").toObject();
        QVERIFY2(!ch1.isEmpty(), json.text.substr(0, 300).c_str());
        QCOMPARE(ch1.value(QLatin1String("baud")).toInt(), 3);
        QCOMPARE(ch1.value(QLatin1String("parity")).toInt(), 1);
        QCOMPARE(ch1.value(QLatin1String("stopBits")).toInt(), 1);
        QCOMPARE(ch1.value(QLatin1String("timeout")).toInt(), 800);
        QCOMPARE(ch1.value(QLatin1String("remoteStation")).toInt(), 7);
        QCOMPARE(doc.Slots().slot(1).Station(), std::uint16_t(7));
    }

    // The panel-port dialog maps a slot to a device with the same chooser as the transfer
    // dialog (a pseudo-terminal of the panel simulator, say), and OK stores port and speed.
    void panelPortSlotsMapToDevices()
    {
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        core::CAppConfig &config = app.services().Config();
        CComPortDialog dialog(config, app.mainFrame());
        QVERIFY(uitest::everyInputLabelled(dialog));
        dialog.portBox()->setCurrentIndex(2);
        dialog.portSlots()->mapCurrentSlot(QStringLiteral("/dev/pts/42"));
        QVERIFY(dialog.portBox()->itemText(2).contains(QStringLiteral("/dev/pts/42")));
        QCOMPARE(QString::fromStdString(config.commPortDevice(3)), QStringLiteral("/dev/pts/42"));
        dialog.accept();
        QVERIFY(dialog.presenter().Ok(config));
        QCOMPARE(config.commSetup().port, 3);
    }

    void newProjectChannelButtons()
    {
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CPrjMgnDialog dialog(app.services().Config(), 0, app.mainFrame());
        dialog.show();
        QVERIFY(uitest::everyInputLabelled(dialog));
        uitest::MessageRecorder messages;
        // Channel 2 starts unused: no settings, and no diagram to show.
        QVERIFY(!dialog.row(2).settingsButton()->isEnabled());
        QTest::mouseClick(dialog.row(2).wiringButton(), Qt::LeftButton);
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kNoFileName});
        // Channel 1's Modbus has its picture in the program folder.
        QTest::mouseClick(dialog.row(1).wiringButton(), Qt::LeftButton);
        QCOMPARE(messages.ids.size(), std::size_t(1));
        auto *picture = dialog.findChild<QDialog *>(QStringLiteral("wiringDiagram"));
        QVERIFY(picture);
        QVERIFY(!picture->findChild<QLabel *>(QStringLiteral("wiringPicture"))->pixmap().isNull());
    }
};

QTEST_MAIN(TestProjectSettings)
#include "test_project_settings.moc"
