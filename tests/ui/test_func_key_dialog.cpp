// The function-key dialog: the presenter's rules through the widgets, and a key changed from the
// main window as one undo step.

#include "helpers/ui_fixture.h"
#include "support/recording_prompt.h"

#include "core/model/dorvane_doc.h"
#include "core/presenters/dlg_func_key.h"
#include "core/presenters/function_env.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/dialogs/func_key_dialog.h"
#include "ui/dialogs/func_key_list_dialog.h"
#include "ui/dialogs/sys_addr_dialog.h"
#include "ui/view/dorvane_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using namespace ui;

using RecordingPrompt = support::RecordingPrompt;

// Types `number` into the address entry dialog the address button opens, and confirms it.
void enterAddress(CFuncKeyDialog &dialog, const QString &number)
{
    QTimer::singleShot(0, [number] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *entry = qobject_cast<CSysAddrDialog *>(modal);
        if (!entry) {
            if (modal)
                modal->close(); // rather than hang
            QFAIL("the address entry dialog is not open");
        }
        entry->numberEdit()->setText(number);
        entry->accept();
        if (entry->isVisible())
            entry->reject(); // refused: the test fails on the address, rather than hangs
    });
    QTest::mouseClick(dialog.addressButton(), Qt::LeftButton);
}

class TestFuncKeyDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void screenChangeKeepsItsNumberRule()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(true);
        const core::FunctionEnv env{driverSlots, prompt};
        CFuncKeyDialog dialog(env, 2, core::CFuncKeyRecord::Default(), false);
        dialog.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kScreenChange);
        QCOMPARE(dialog.presenter().Function(), std::uint16_t(core::CFuncKeyRecord::kScreenChange));
        QVERIFY(dialog.valueEdit()->isVisibleTo(&dialog));

        dialog.valueEdit()->setText(QStringLiteral("1000"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // stays open
        QVERIFY(std::find(prompt.shown.begin(), prompt.shown.end(), 52601) != prompt.shown.end());

        dialog.valueEdit()->setText(QStringLiteral("999"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(util::le16(dialog.presenter().Held().Bytes(), core::CFuncKeyRecord::kFunction),
                 std::uint16_t(core::CFuncKeyRecord::kScreenChange));
        QCOMPARE(util::le32(dialog.presenter().Held().Bytes(), core::CFuncKeyRecord::kValue), 999u);
    }

    void addressTheDriverRefusesKeepsTheDialogOpen()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(true);
        const core::FunctionEnv env{driverSlots, prompt};
        CFuncKeyDialog dialog(env, 0, core::CFuncKeyRecord::Default(), false);
        dialog.show();
        dialog.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kValueSet);
        QTest::keyClicks(dialog.valueEdit(), QStringLiteral("100"));
        QVERIFY(dialog.addressEdit()->isReadOnly());
        // Word 899 is a writable panel word; as a double word it would reach into the system
        // words, which the panel's rules refuse when OK builds the address.
        enterAddress(dialog, QStringLiteral("899"));
        QCOMPARE(dialog.addressEdit()->text(), QStringLiteral("899"));
        QTest::mouseClick(dialog.dataKindButton(core::kDataLong), Qt::LeftButton);
        dialog.accept();
        QVERIFY(dialog.isVisible());
        QCOMPARE(prompt.shown, std::vector<int>{52350});

        enterAddress(dialog, QStringLiteral("100"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void refusedValueKeepsTheFocus()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(true);
        const core::FunctionEnv env{driverSlots, prompt};
        CFuncKeyDialog dialog(env, 0, core::CFuncKeyRecord::Default(), false);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        dialog.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kValueSet);
        dialog.valueEdit()->setFocus();
        QTest::keyClicks(dialog.valueEdit(), QStringLiteral("65536"));
        QTest::keyClick(dialog.valueEdit(), Qt::Key_Tab); // leaves the edit: refused
        QVERIFY(!prompt.shown.empty());
        QTRY_VERIFY(dialog.valueEdit()->hasFocus());
        QCOMPARE(dialog.valueEdit()->selectedText(), dialog.valueEdit()->text());
    }

    void sharedKeyAsksBeforeApplyingToAllScreens()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(false);
        const core::FunctionEnv env{driverSlots, prompt};
        CFuncKeyDialog dialog(env, 0, core::CFuncKeyRecord::Default(), false);
        dialog.applyAllBox()->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(std::find(prompt.asked.begin(), prompt.asked.end(), 51915) != prompt.asked.end());
    }

    void keyFromTheMainWindowIsOneUndoStep()
    {
        uitest::ProgramFolder folder;
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        auto &s = app.services();
        QVERIFY(frame.newProject(s.NewProjectDefaults(
                QDir(folder.file("Project")).filePath("k.kvr").toStdString())));
        core::CScreenData *screen = frame.document()->FindScreen(0);
        QVERIFY(screen);

        frame.resize(900, 700);
        frame.show();
        QWidget *screenWindow = frame.findView(0)->parentWidget();
        QRect dialogFrame, area;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<CFuncKeyDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialogFrame = dialog->frameGeometry();
            area = dialog->screen()->availableGeometry();
            dialog->functionBox()->setCurrentIndex(core::CFuncKeyRecord::kScreenChange);
            dialog->valueEdit()->setText(QStringLiteral("7"));
            dialog->accept();
        });
        const int before = frame.undoStack()->count();
        frame.editFunctionKey(0, 1);
        // Under the screen's window, its left edges in line, and whole on the screen.
        const QRect window(screenWindow->mapToGlobal(QPoint(0, 0)), screenWindow->size());
        const QString where = QStringLiteral("dialog %1,%2 window %3,%4-%5")
                                      .arg(dialogFrame.left())
                                      .arg(dialogFrame.top())
                                      .arg(window.left())
                                      .arg(window.top())
                                      .arg(window.bottom());
        QVERIFY2(dialogFrame.left() == window.left(), qPrintable(where));
        QVERIFY2(dialogFrame.top() == window.bottom() + 1 || dialogFrame.bottom() == area.bottom(),
                 qPrintable(where));
        QVERIFY2(area.contains(dialogFrame), qPrintable(where));
        QCOMPARE(util::le16(screen->FunctionKey(1), core::CFuncKeyRecord::kFunction),
                 std::uint16_t(core::CFuncKeyRecord::kScreenChange));
        QCOMPARE(util::le32(screen->FunctionKey(1), core::CFuncKeyRecord::kValue), 7u);
        QCOMPARE(frame.undoStack()->count(), before + 1);
        frame.undoStack()->undo();
        QCOMPARE(util::le16(screen->FunctionKey(1), core::CFuncKeyRecord::kFunction),
                 std::uint16_t(0));
        frame.undoStack()->redo();
        QCOMPARE(util::le32(screen->FunctionKey(1), core::CFuncKeyRecord::kValue), 7u);
    }

    void onlyTheControlsOfTheFunctionAreShown()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(true);
        const core::FunctionEnv env{driverSlots, prompt};
        CFuncKeyDialog dialog(env, 0, core::CFuncKeyRecord::Default(), false);
        dialog.show();
        QCOMPARE(dialog.applyAllBox()->text(), QStringLiteral("전체화면 적용"));
        struct Shown
        {
            bool bit, value, type, address, password;
        };
        const auto shown = [&dialog] {
            const auto visible = [&dialog](QWidget *w) { return w->isVisibleTo(&dialog); };
            return Shown{visible(dialog.bitActionButton(core::CFuncKeyRecord::kBitOff)),
                         visible(dialog.valueEdit()),
                         visible(dialog.dataKindButton(core::kDataWord))
                                 && visible(dialog.formatButton(core::kFormatHex))
                                 && visible(dialog.signedBox()),
                         visible(dialog.addressButton()) && visible(dialog.channelButton(1)),
                         visible(dialog.passwordBox())};
        };
        const auto expect = [&](int function, Shown want) {
            dialog.functionBox()->setCurrentIndex(function);
            const Shown got = shown();
            const QString f = QString::number(function);
            QVERIFY2(got.bit == want.bit, qPrintable(f));
            QVERIFY2(got.value == want.value, qPrintable(f));
            QVERIFY2(got.type == want.type, qPrintable(f));
            QVERIFY2(got.address == want.address, qPrintable(f));
            QVERIFY2(got.password == want.password, qPrintable(f));
        };
        expect(core::CFuncKeyRecord::kBitControl, {true, false, false, true, true});
        expect(core::CFuncKeyRecord::kValueIncrease, {false, true, true, true, true});
        expect(core::CFuncKeyRecord::kScreenChange, {false, true, false, false, true});
        expect(core::CFuncKeyRecord::kNotUsed, {false, false, false, false, false});
        // Fewer rows, a smaller dialog.
        const int empty = dialog.height();
        dialog.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kValueSet);
        QVERIFY(dialog.height() > empty);
    }

    void radioButtonsChooseWhatTheRecordHolds()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(true);
        const core::FunctionEnv env{driverSlots, prompt};
        CFuncKeyDialog dialog(env, 0, core::CFuncKeyRecord::Default(), false);
        dialog.show();
        dialog.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kBitControl);
        // A new bit function starts with "On while pressed".
        QVERIFY(dialog.bitActionButton(core::CFuncKeyRecord::kBitMomentary)->isChecked());
        QTest::mouseClick(dialog.bitActionButton(core::CFuncKeyRecord::kBitToggle), Qt::LeftButton);
        enterAddress(dialog, QStringLiteral("12"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.presenter().Held().Value(),
                 std::uint32_t(core::CFuncKeyRecord::kBitToggle));

        CFuncKeyDialog value(env, 0, core::CFuncKeyRecord::Default(), false);
        value.show();
        value.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kValueSet);
        QVERIFY(value.dataKindButton(core::kDataWord)->isChecked());
        QVERIFY(value.formatButton(core::kFormatDec)->isChecked());
        QTest::mouseClick(value.signedBox(), Qt::LeftButton);
        QVERIFY(value.presenter().Type().isSigned);
        // HEX has no sign: the box is cleared and greyed out.
        QTest::mouseClick(value.formatButton(core::kFormatHex), Qt::LeftButton);
        QVERIFY(!value.signedBox()->isChecked());
        QVERIFY(!value.signedBox()->isEnabled());
        QTest::mouseClick(value.dataKindButton(core::kDataLong), Qt::LeftButton);
        enterAddress(value, QStringLiteral("100"));
        value.valueEdit()->setText(QStringLiteral("1FFFF")); // beyond a word, within a long
        value.accept();
        QCOMPARE(value.result(), int(QDialog::Accepted));
        const core::ValueType type = value.presenter().Held().Type();
        QCOMPARE(type.kind, std::uint16_t(core::kDataLong));
        QCOMPARE(type.format, std::uint16_t(core::kFormatHex));
        QVERIFY(!type.isSigned);
        QCOMPARE(value.presenter().Held().Value(), 0x1FFFFu);
    }

    void sharedKeyOpensWithItsSettingsGreyedOut()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(true);
        const core::FunctionEnv env{driverSlots, prompt};
        core::CFuncKeyRecord record = core::CFuncKeyRecord::Default();
        record.SetFunction(core::CFuncKeyRecord::kScreenChange);
        record.SetValue(3);
        CFuncKeyDialog dialog(env, 5, record, true);
        dialog.show();
        QVERIFY(dialog.applyAllBox()->isChecked());
        QVERIFY(!dialog.functionBox()->isEnabled());
        QVERIFY(!dialog.valueEdit()->isEnabled());
        QTest::mouseClick(dialog.applyAllBox(), Qt::LeftButton, {},
                          QPoint(8, dialog.applyAllBox()->height() / 2));
        QVERIFY(dialog.functionBox()->isEnabled());
        QVERIFY(dialog.valueEdit()->isVisibleTo(&dialog));
        QVERIFY(!dialog.addressButton()->isVisibleTo(&dialog));
    }

    void listShowsOneBlockPerKey()
    {
        core::CPlcSlots driverSlots;
        RecordingPrompt prompt(true);
        const core::FunctionEnv env{driverSlots, prompt};
        core::CScreenData screen(4);
        screen.SetName("Main");
        util::setLe16(screen.FunctionKey(2), core::CFuncKeyRecord::kFunction,
                      core::CFuncKeyRecord::kScreenChange);
        util::setLe32(screen.FunctionKey(2), core::CFuncKeyRecord::kValue, 12);
        CFuncKeyListDialog dialog(env, screen, 0x412);
        QVERIFY(dialog.windowTitle().endsWith(QStringLiteral("Main ( ID = 4 )")));
        int titles = 0;
        bool screenNumberShown = false;
        for (int r = 0; r < dialog.table()->rowCount(); ++r) {
            titles += dialog.table()->item(r, 0)->font().bold() ? 1 : 0;
            screenNumberShown = screenNumberShown || dialog.table()->item(r, 1)->text() == "12";
        }
        QCOMPARE(titles, 8);
        QVERIFY(screenNumberShown);
    }
};

QTEST_MAIN(TestFuncKeyDialog)
#include "test_func_key_dialog.moc"
