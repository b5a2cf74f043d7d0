// The common-function windows driven through their widgets: the four record editors with their
// refusals, the lists opened from the main frame as one undo step each, saving and reopening,
// the message manager, the registered images and the used system memory.

#include "helpers/ui_fixture.h"

#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/common/qt_prompt.h"
#include "ui/dialogs/addr_group_box.h"
#include "ui/dialogs/alarm_edit_dialog.h"
#include "ui/dialogs/calc_edit_dialog.h"
#include "ui/dialogs/edit_strs_dialog.h"
#include "ui/dialogs/img_viewer_dialog.h"
#include "ui/dialogs/record_list_dialog.h"
#include "ui/dialogs/reserve_edit_dialog.h"
#include "ui/dialogs/sys_addr_dialog.h"
#include "ui/dialogs/trans_edit_dialog.h"
#include "ui/dialogs/used_sys_mem_dialog.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/indexed_image.h"
#include "core/model/str_res_mgr.h"
#include "core/project_json/project_json.h"

#include "ui/dialogs/image_lib_cell.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using namespace ui;

namespace {

void clickOk(QDialog *dialog)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void type(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    emit edit->editingFinished();
}

// A click on the box itself: a check box reacts only beside its indicator and text.
void tick(QCheckBox *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

template<typename Dialog>
Dialog *modal()
{
    return qobject_cast<Dialog *>(QApplication::activeModalWidget());
}

} // namespace

class TestCommonFunctions : public QObject
{
    Q_OBJECT

    core::CPlcSlots m_slots;

    // The list dialog behind `action`: each function fills the editor of one added record and
    // presses its OK; then the list's OK (or Cancel).
    template<typename Editor>
    void addThroughList(QAction *action, std::function<void(Editor &)> fill, bool ok = true)
    {
        QTimer::singleShot(0, this, [fill, ok] {
            auto *list = modal<CRecordListDialog>();
            QVERIFY(list);
            QTimer::singleShot(0, [fill] {
                auto *editor = modal<Editor>();
                QVERIFY(editor);
                fill(*editor);
                clickOk(editor);
                if (editor->isVisible())
                    editor->reject(); // refused: the check below fails on the count
            });
            QTest::mouseClick(list->addButton(), Qt::LeftButton);
            if (ok)
                clickOk(list);
            else
                list->reject();
        });
        action->trigger();
    }

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        util::setMessageLanguage(0x412);
        m_slots.slot(1).SetType(1); // channel 1 holds a PLC
    }

    void alarmEditorRefusalsAndBuzzer()
    {
        uitest::MessageRecorder messages;
        CQtPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt, 0x412};
        core::CAlarmEditDlg presenter(env);
        CAlarmEditDialog dlg(env, presenter);
        dlg.show();
        QVERIFY(uitest::everyInputLabelled(dlg));
        QCOMPARE(dlg.messageEdit()->text(), QStringLiteral("Alarm On"));
        QVERIFY(!dlg.secondsEdit()->isVisible());

        // Ch2 holds no PLC: its radio cannot be chosen. Ch1 takes the channel's station.
        QVERIFY(!dlg.addressBox()->channelButton(2)->isEnabled());
        QTest::mouseClick(dlg.addressBox()->channelButton(1), Qt::LeftButton);
        QCOMPARE(presenter.Address().Addr().channel, std::uint16_t(1));
        QVERIFY(dlg.addressBox()->stationBox()->isEnabled());

        dlg.buzzerGroup()->button(1)->click();
        QVERIFY(dlg.secondsEdit()->isVisible());
        QCOMPARE(dlg.secondsEdit()->text(), QStringLiteral("1"));
        type(dlg.secondsEdit(), QStringLiteral("5"));
        type(dlg.secondsEdit(), QStringLiteral("0")); // refused: the previous value comes back
        QCOMPARE(dlg.secondsEdit()->text(), QStringLiteral("5"));

        // An empty message keeps the editor open with its inputs.
        dlg.messageEdit()->clear();
        emit dlg.messageEdit()->textEdited(QString());
        clickOk(&dlg);
        QVERIFY(dlg.isVisible());
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kNoAlarmMessage});
        QCOMPARE(dlg.secondsEdit()->text(), QStringLiteral("5"));

        QTest::keyClicks(dlg.messageEdit(), QStringLiteral("Pump"));
        dlg.displayGroup()->button(1)->click();
        clickOk(&dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const core::CAlarmRecord &held = presenter.Held();
        QCOMPARE(held.BuzzerMode(), std::uint16_t(1));
        QCOMPARE(held.BuzzerSeconds(), std::uint16_t(5));
        QVERIFY(held.HideAfterClear());
        QCOMPARE(held.Message(), std::string("Pump"));
        QCOMPARE(held.Channel(), std::uint16_t(1));
    }

    void calculationConstantRefusals()
    {
        uitest::MessageRecorder messages;
        CQtPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt, 0x412};
        core::CCalcEditDlg presenter(env);
        CCalcEditDialog dlg(env, presenter);
        dlg.show();
        QVERIFY(uitest::everyInputLabelled(dlg));
        // "Always" leaves the start address unused.
        QVERIFY(!dlg.startBox()->addressButton()->isEnabled());
        dlg.conditionBox()->setCurrentIndex(1);
        QVERIFY(dlg.startBox()->addressButton()->isEnabled());

        tick(dlg.constantBox(1));
        QVERIFY(dlg.constantEdit(1)->isVisible());
        QVERIFY(!dlg.operandBox(1)->isVisible());
        dlg.formatGroup()->button(2)->click(); // BCD: no sign
        QVERIFY(!dlg.signedBox()->isEnabled());
        type(dlg.constantEdit(1), QStringLiteral("A000"));
        QCOMPARE(messages.ids, std::vector<int>{52601});
        clickOk(&dlg);
        QVERIFY(dlg.isVisible());
        QCOMPARE(messages.ids.size(), std::size_t(2));

        dlg.constantEdit(1)->setText(QStringLiteral("9999"));
        clickOk(&dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(presenter.Held().IsConstant(1));
        QCOMPARE(presenter.Held().ConstantText(1), std::string("9999"));
    }

    void transferEditorRules()
    {
        uitest::MessageRecorder messages;
        CQtPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt, 0x412};
        core::CTransEditDlg presenter(env);
        CTransEditDialog dlg(env, presenter);
        dlg.show();
        QVERIFY(uitest::everyInputLabelled(dlg));
        QVERIFY(!dlg.plcBox()->channelButton(0)); // a PLC address only
        // Without a driver the channel moves one word at a time: the limit stands beside the
        // field, and a larger size is cut to it with a word.
        const auto labels = dlg.findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel *l) {
            return l->text() == CTransEditDialog::tr("Word (1 ~ %1)").arg(1);
        }));
        type(dlg.sizeEdit(), QStringLiteral("10"));
        QCOMPARE(dlg.sizeEdit()->text(), QStringLiteral("1"));
        QCOMPARE(messages.ids.back(), util::msg::kTransSizeRange);
        // An emptied field is not taken as 1 at OK: the dialog stays, showing the size.
        dlg.sizeEdit()->clear();
        messages.ids.clear();
        clickOk(&dlg);
        QVERIFY(dlg.isVisible());
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kTransSizeRange});
        QCOMPARE(dlg.sizeEdit()->text(), QStringLiteral("1"));
        dlg.directionGroup()->button(1)->click();
        QCOMPARE(dlg.panelEdit()->text(), deviceAddressText(m_slots, 0, "", "0"));
        dlg.conditionGroup()->button(1)->click();
        QVERIFY(dlg.startBox()->addressButton()->isEnabled());
        clickOk(&dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(presenter.Held().DataSize(), std::uint16_t(1));
        QCOMPARE(presenter.Held().Direction(), std::uint16_t(1));
    }

    void reservationNeedsAWeekday()
    {
        uitest::MessageRecorder messages;
        CQtPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt, 0x412};
        core::CReserveEditDlg presenter(env);
        CReserveEditDialog dlg(env, presenter);
        dlg.show();
        QVERIFY(uitest::everyInputLabelled(dlg));
        QVERIFY(dlg.dateEdit()->isVisible());
        QVERIFY(!dlg.weekdayBox(0)->isVisible());
        dlg.repeatGroup()->button(3)->click();
        QVERIFY(dlg.dayEdit()->isVisible());
        type(dlg.dayEdit(), QStringLiteral("32")); // refused: the previous day comes back
        QCOMPARE(dlg.dayEdit()->text(), QStringLiteral("1"));
        dlg.repeatGroup()->button(2)->click();
        QVERIFY(dlg.weekdayBox(0)->isVisible());
        QVERIFY(!dlg.dayEdit()->isVisible());
        clickOk(&dlg);
        QVERIFY(dlg.isVisible());
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kNoWeekday});
        for (int d : {1, 3, 5})
            QTest::mouseClick(dlg.weekdayBox(d), Qt::LeftButton);
        dlg.timeEdit()->setTime(QTime(9, 5, 0));
        clickOk(&dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(presenter.Held().WeekdayMask(), std::uint16_t(0x2A));
        QCOMPARE(util::le16(presenter.Held().Bytes(), core::CReserveRecord::kHour),
                 std::uint16_t(0x09));
        QCOMPARE(util::le16(presenter.Held().Bytes(), core::CReserveRecord::kMinute),
                 std::uint16_t(0x05));
    }

    void listsFromTheFrameSaveAndReopen()
    {
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        auto &services = app.services();
        QVERIFY(!frame.action(ui::MainAction::FunctionAlarms)->isEnabled());
        const QString path = QDir(folder.file("Project")).filePath("f.kvr");
        QVERIFY(frame.newProject(services.NewProjectDefaults(path.toStdString())));
        QVERIFY(frame.action(ui::MainAction::FunctionAlarms)->isEnabled());
        QVERIFY(frame.action(ui::MainAction::FunctionSystemMemory)->isEnabled());
        core::CDorvaneDoc &doc = *frame.document();
        QUndoStack &undo = *frame.undoStack();

        // Cancel of the list leaves the document alone, whatever was added.
        addThroughList<CAlarmEditDialog>(
                frame.action(ui::MainAction::FunctionAlarms), [](CAlarmEditDialog &) {}, false);
        QVERIFY(doc.Alarms().empty());
        QCOMPARE(undo.count(), 0);

        addThroughList<CAlarmEditDialog>(
                frame.action(ui::MainAction::FunctionAlarms), [](CAlarmEditDialog &e) {
                    QTest::mouseClick(e.addressBox()->channelButton(1), Qt::LeftButton);
                    e.buzzerGroup()->button(1)->click();
                    type(e.secondsEdit(), QStringLiteral("5"));
                });
        QCOMPARE(doc.Alarms().size(), std::size_t(1));
        QCOMPARE(undo.count(), 1);
        const auto alarms = doc.Alarms();
        undo.undo();
        QVERIFY(doc.Alarms().empty());
        undo.redo();
        QCOMPARE(doc.Alarms(), alarms);

        addThroughList<CCalcEditDialog>(frame.action(ui::MainAction::FunctionCalculations),
                                        [](CCalcEditDialog &e) {
                                            tick(e.constantBox(1));
                                            type(e.constantEdit(1), QStringLiteral("7"));
                                            e.operatorBox()->setCurrentIndex(2);
                                        });
        addThroughList<CTransEditDialog>(
                frame.action(ui::MainAction::FunctionTransfers),
                [](CTransEditDialog &e) { type(e.sizeEdit(), QStringLiteral("10")); });
        addThroughList<CReserveEditDialog>(frame.action(ui::MainAction::FunctionReservations),
                                           [](CReserveEditDialog &e) {
                                               e.repeatGroup()->button(2)->click();
                                               QTest::mouseClick(e.weekdayBox(1), Qt::LeftButton);
                                               e.timeEdit()->setTime(QTime(9, 5, 0));
                                           });
        QCOMPARE(doc.Calculations().size(), std::size_t(1));
        QCOMPARE(doc.Transfers().size(), std::size_t(1));
        QCOMPARE(core::CTransRecord(doc.Transfers()[0]).DataSize(), std::uint16_t(10));
        QVERIFY(core::CCalcRecord(doc.Calculations()[0]).IsConstant(1));
        QCOMPARE(doc.Reservations().size(), std::size_t(1));
        QCOMPARE(undo.count(), 4);

        const auto exported = core::exportProjectJson(doc, frame.panelLangId());
        QVERIFY(exported.ok);
        const QString json = QString::fromStdString(exported.text);
        QVERIFY(json.contains(QRegularExpression(QStringLiteral("\"buzzerSeconds\":\\s*5"))));
        QVERIFY(frame.saveAs(path));
        frame.closeProject();
        QVERIFY(frame.openFile(path));
        const auto reopened = core::exportProjectJson(*frame.document(), frame.panelLangId());
        QVERIFY(reopened.ok);
        QCOMPARE(QString::fromStdString(reopened.text), json);
        QCOMPARE(frame.document()->Alarms(), alarms);

        // The command line compiles the saved project and counts the same records.
        const auto cli = [&folder](const QStringList &args) {
            QProcess p;
            p.start(QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane-cli"),
                    QStringList{QStringLiteral("--program-dir"), folder.path()} + args);
            p.waitForFinished(60000);
            return std::pair{p.exitCode(), p.readAllStandardOutput()};
        };
        QTemporaryDir out;
        QCOMPARE(cli({QStringLiteral("areas"), path, QStringLiteral("-o"), out.path()}).first, 0);
        const auto [rc, info] = cli({QStringLiteral("info"), QStringLiteral("--json"), path});
        QCOMPARE(rc, 0);
        const QJsonObject summary = QJsonDocument::fromJson(info).object();
        const QJsonObject counts = summary.value("counts").toObject();
        QCOMPARE(counts.value("alarms").toInt(), int(alarms.size()));
        QCOMPARE(counts.value("calculations").toInt(), 1);
        QCOMPARE(counts.value("blockTransfers").toInt(), 1);
        QCOMPARE(counts.value("reservations").toInt(), 1);
        QCOMPARE(QFileInfo(out.filePath(QStringLiteral("G.bin"))).size(),
                 qint64(summary.value("areas").toArray()[0].toObject().value("size").toInt()));
    }

    void messagesImagesAndSystemMemoryFromTheFrame()
    {
        uitest::MessageRecorder messages;
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        auto &services = app.services();
        QVERIFY(frame.newProject(services.NewProjectDefaults(
                QDir(folder.file("Project")).filePath("m.kvr").toStdString())));
        QUndoStack &undo = *frame.undoStack();
        const int steps = undo.count();
        core::CDorvaneDoc &doc = *frame.document();

        QTimer::singleShot(0, this, [] {
            auto *dlg = modal<CEditStrsDialog>();
            QVERIFY(dlg);
            dlg->idSpin()->setValue(7);
            dlg->textEdit()->setText(QStringLiteral("seven"));
            QTest::mouseClick(dlg->addButton(), Qt::LeftButton);
            dlg->reject();
        });
        frame.action(ui::MainAction::FunctionMessages)->trigger();
        QCOMPARE(undo.count(), steps + 1);
        QVERIFY(doc.Strings().Exists(7));
        undo.undo();
        QVERIFY(!doc.Strings().Exists(7));

        // An image that no screen shows goes with the button, as one step.
        auto image = std::make_unique<core::CIndexedImage>();
        image->m_id = 12;
        image->m_bitmap = util::CMonoBitmap(8, 4);
        QCOMPARE(doc.Images().Add(std::move(image)), 0);
        const std::uint32_t used = doc.Images().UsedBytes();
        QTimer::singleShot(0, this, [] {
            auto *dlg = modal<CImgViewerDialog>();
            QVERIFY(dlg);
            QTest::mouseClick(dlg->cell(0), Qt::LeftButton);
            QCOMPARE(dlg->widthLabel()->text(), QStringLiteral("8"));
            QTest::mouseClick(dlg->removeUnusedButton(), Qt::LeftButton);
            QVERIFY(!dlg->cell(0)->hasImage());
            dlg->reject();
        });
        frame.action(ui::MainAction::FunctionImages)->trigger();
        QCOMPARE(doc.Images().Count(), std::size_t(0));
        QCOMPARE(undo.count(), steps + 1);
        undo.undo();
        QCOMPARE(doc.Images().Count(), std::size_t(1));
        QCOMPARE(doc.Images().UsedBytes(), used);

        QTimer::singleShot(0, this, [] {
            auto *dlg = modal<CUsedSysMemDialog>();
            QVERIFY(dlg);
            QCOMPARE(dlg->table()->rowCount(), 50);
            QCOMPARE(dlg->table()->verticalHeaderItem(49)->text(), QStringLiteral("S980"));
            dlg->reject();
        });
        frame.action(ui::MainAction::FunctionSystemMemory)->trigger();
    }
};

QTEST_MAIN(TestCommonFunctions)
#include "test_common_functions.moc"
