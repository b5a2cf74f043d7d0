// The numeric tag's property dialog driven through its widgets, and a tag dialog opened from a
// screen's canvas as one undo step.

#include "helpers/ui_fixture.h"
#include "support/recording_prompt.h"

#include "core/model/dorvane_doc.h"
#include "core/tags/digit_tag.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/tags/digit_tag_dialog.h"
#include "ui/tags/point_group_box.h"
#include "ui/view/dorvane_view.h"

#include "core/app/app_services.h"

#include "util/message_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using namespace ui;

class TestNumericTagDialog : public QObject
{
    Q_OBJECT

private:
    core::CPlcSlots m_slots;
    std::vector<std::string> m_addressAsked;

    TagDialogContext context(const std::string &answer = "40010")
    {
        TagDialogContext c;
        c.plcSlots = &m_slots;
        c.editAddress = [this, answer](QWidget *, int device, std::int32_t kind, bool mustWrite,
                                       std::string &area, std::string &number) {
            m_addressAsked.push_back(std::to_string(device) + "/" + std::to_string(kind) + "/"
                                     + (mustWrite ? "w" : "r"));
            area.clear();
            number = answer;
            return true;
        };
        return c;
    }

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        // Channel 1 holds a PLC type (device kind 3): its radio can be chosen.
        m_slots.slot(1).SetType(1);
        m_slots.slot(1).SetStation(2);
    }

    void formatControlsEnableAndResetAsTheRulesSay()
    {
        core::CDigitTag tag;
        CDigitTagDialog dialog(context(), tag);
        dialog.show();
        QVERIFY(uitest::everyInputLabelled(dialog));
        QVERIFY(!dialog.pointBox()->channelButton(2)->isEnabled());
        QVERIFY(dialog.pointBox()->channelButton(1)->isEnabled());

        QTest::mouseClick(dialog.baseButton(core::kBaseHex), Qt::LeftButton);
        QCOMPARE(tag.Sample(), std::string("FFFF"));
        QVERIFY(!dialog.decimalsEdit()->isEnabled());
        QVERIFY(!dialog.signedBox()->isEnabled());
        QCOMPARE(dialog.digitsEdit()->maximum(), 4);

        QTest::mouseClick(dialog.sizeButton(core::kSizeDWord), Qt::LeftButton);
        QCOMPARE(dialog.digitsEdit()->maximum(), 8);
        QTest::mouseClick(dialog.baseButton(core::kBaseDec), Qt::LeftButton);
        QVERIFY(dialog.decimalsEdit()->isEnabled());
        dialog.digitsEdit()->setValue(10);
        QCOMPARE(tag.Digits(), 10u);

        QVERIFY(!dialog.pointBox()->minEdit()->isEnabled());
        QVERIFY(!dialog.passwordBox()->isEnabled());
        QTest::mouseClick(dialog.writableBox(), Qt::LeftButton);
        QVERIFY(dialog.pointBox()->minEdit()->isEnabled());
        QVERIFY(dialog.passwordBox()->isEnabled());
        QTest::mouseClick(dialog.signedBox(), Qt::LeftButton);
        QCOMPARE(dialog.pointBox()->minEdit()->text(), QStringLiteral("-2147483648"));
    }

    void refusedLimitKeepsTheStoredValue()
    {
        core::CDigitTag tag;
        uitest::MessageRecorder messages;
        CDigitTagDialog dialog(context(), tag);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::mouseClick(dialog.writableBox(), Qt::LeftButton);
        QLineEdit *max = dialog.pointBox()->maxEdit();
        max->setFocus();
        max->selectAll();
        QTest::keyClicks(max, QStringLiteral("70000"));
        QTest::keyClick(max, Qt::Key_Tab);
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kIntegerRange});
        QCOMPARE(max->text(), QStringLiteral("65535"));
        QCOMPARE(tag.Point().m_max, 65535u);

        max->setFocus();
        max->selectAll();
        QTest::keyClicks(max, QStringLiteral("500"));
        QTest::keyClick(max, Qt::Key_Tab);
        QCOMPARE(tag.Point().m_max, 500u);
    }

    void addressButtonAsksForAWritablePointAndOkChecksTheDriver()
    {
        core::CDigitTag tag;
        uitest::MessageRecorder messages;
        m_addressAsked.clear();
        CDigitTagDialog dialog(context("XYZ"), tag);
        dialog.show();
        QTest::mouseClick(dialog.pointBox()->channelButton(1), Qt::LeftButton);
        QCOMPARE(tag.Point().m_station, std::uint16_t(2));
        QVERIFY(dialog.pointBox()->stationBox()->isEnabled());
        QTest::mouseClick(dialog.writableBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.pointBox()->addressButton(), Qt::LeftButton);
        QCOMPARE(m_addressAsked, std::vector<std::string>{"1/2/w"});
        QCOMPARE(tag.Point().m_second, std::string("XYZ"));
        dialog.accept();
        QVERIFY(dialog.isVisible()); // the driver refuses the address
        QCOMPARE(messages.ids, std::vector<int>{52350});
    }

    void cancelRestoresEveryField()
    {
        core::CDigitTag tag;
        tag.MoveTo(30, 20);
        const util::Bytes before = core::CTagPropDlg::Body(tag);
        int repaints = 0;
        TagDialogContext c = context();
        c.tagChanged = [&repaints] { ++repaints; };
        CDigitTagDialog dialog(c, tag);
        dialog.show();
        dialog.xEdit()->setValue(100);
        QCOMPARE(tag.X(), 100);
        QTest::mouseClick(dialog.borderBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.zeroFillBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.inverseBox(), Qt::LeftButton);
        QTest::mouseClick(dialog.fontButton(1), Qt::LeftButton);
        QTest::mouseClick(dialog.pointBox()->channelButton(1), Qt::LeftButton);
        dialog.digitsEdit()->setValue(3);
        QVERIFY(repaints >= 7); // the canvas follows every change
        QVERIFY(core::CTagPropDlg::Body(tag) != before);
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(core::CTagPropDlg::Body(tag), before);
    }

    void dialogFromTheCanvasIsOneUndoStep()
    {
        util::setMessageLanguage(0x412);
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        auto &services = app.services();
        QVERIFY(frame.newProject(services.NewProjectDefaults(
                QDir(folder.file("Project")).filePath("n.kvr").toStdString())));
        core::CTag *tag = nullptr;
        frame.document()->FindScreen(0)->AddTag(std::make_unique<core::CDigitTag>(), false, &tag);
        CScreenCanvas *canvas = frame.activeView()->canvas();
        canvas->refresh();
        canvas->select(tag, false);
        const util::Bytes before = core::CTagPropDlg::Body(*tag);
        const int steps = frame.undoStack()->count();

        // OK without a change pushes nothing.
        QTimer::singleShot(0, this, [] {
            auto *dlg = qobject_cast<CDigitTagDialog *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->accept();
        });
        QTest::keyClick(canvas, Qt::Key_Return);
        QCOMPARE(frame.undoStack()->count(), steps);

        QTimer::singleShot(0, this, [] {
            auto *dlg = qobject_cast<CDigitTagDialog *>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->digitsEdit()->setValue(3);
            QTest::mouseClick(dlg->borderBox(), Qt::LeftButton);
            dlg->accept();
        });
        QTest::keyClick(canvas, Qt::Key_Return);
        QCOMPARE(frame.undoStack()->count(), steps + 1);
        const util::Bytes after = core::CTagPropDlg::Body(*tag);
        QVERIFY(after != before);
        frame.undoStack()->undo();
        QCOMPARE(core::CTagPropDlg::Body(*tag), before);
        frame.undoStack()->redo();
        QCOMPARE(core::CTagPropDlg::Body(*tag), after);
    }
};

QTEST_MAIN(TestNumericTagDialog)
#include "test_numeric_tag_dialog.moc"
