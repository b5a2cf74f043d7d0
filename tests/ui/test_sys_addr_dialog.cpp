// The address entry dialog through its widgets, over both driver plugins and the panel's own
// memory, and the function-key dialog editing its target address through it.

#include "helpers/ui_fixture.h"
#include "support/recording_prompt.h"

#include "core/app/app_config.h"
#include "core/functions/device_addr.h"
#include "core/functions/func_key_record.h"
#include "core/plc/plc_slots.h"
#include "core/presenters/function_env.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/func_key_dialog.h"
#include "ui/dialogs/sys_addr_dialog.h"

#include "util/message_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace ui;

namespace {

constexpr std::uint16_t kModbusType = 0x0001;
constexpr std::uint16_t kLetterType = 0x0020;

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

void clickOk(const CPresenterDialog &dialog)
{
    QTest::mouseClick(dialog.buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

void typeNumber(CSysAddrDialog &dialog, const QString &text)
{
    dialog.numberEdit()->selectAll();
    QTest::keyClicks(dialog.numberEdit(), text);
}

// Runs `step` on the address entry dialog once it is the modal window. Whatever modal window is
// still open afterwards is closed, so a failing test does not hang.
void whenAddressDialogOpens(std::function<void(CSysAddrDialog &)> step)
{
    QTimer::singleShot(0, [step = std::move(step)] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<CSysAddrDialog *>(modal);
        if (!dialog) {
            if (modal)
                modal->close();
            QFAIL("the address entry dialog is not open");
        }
        step(*dialog);
        if (dialog->isVisible())
            dialog->reject(); // a step that failed half-way
    });
}

} // namespace

class TestSysAddrDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        m_config.load(m_folder.path().toStdString(), 0x412);
        // Channel 1 Modbus, channel 2 the letter PLC.
        QVERIFY(m_slots.BindChannel(1, m_config.plcList(1), kModbusType, 0,
                                    m_config.protocolsDir()));
        QVERIFY(m_slots.BindChannel(2, m_config.plcList(2), kLetterType, 0,
                                    m_config.protocolsDir()));
    }

    void areasFollowKindAndWriting_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("mustWrite");
        QTest::addColumn<QStringList>("areas");
        QTest::newRow("modbus word read") << 1 << 2 << false << QStringList{"3x", "4x"};
        QTest::newRow("modbus word write") << 1 << 2 << true << QStringList{"4x"};
        QTest::newRow("modbus bit read") << 1 << 1 << false << QStringList{"0x", "1x"};
        QTest::newRow("modbus bit write") << 1 << 1 << true << QStringList{"0x"};
        QTest::newRow("letter word read")
                << 2 << 2 << false << QStringList{"D", "W", "SD", "X", "Y", "M", "L"};
        QTest::newRow("letter word write")
                << 2 << 2 << true << QStringList{"D", "W", "Y", "M", "L"};
        QTest::newRow("letter bit read")
                << 2 << 1 << false << QStringList{"X", "Y", "M", "L", "SM"};
        QTest::newRow("letter bit write") << 2 << 1 << true << QStringList{"Y", "M", "L"};
    }

    void areasFollowKindAndWriting()
    {
        QFETCH(int, device);
        QFETCH(int, kind);
        QFETCH(bool, mustWrite);
        QFETCH(QStringList, areas);
        CSysAddrDialog dialog(m_slots, device, kind, mustWrite, "", "1");
        QCOMPARE(items(dialog.areaBox()), areas);
        QVERIFY(dialog.areaBox()->isEnabled());
        QVERIFY(!dialog.systemBox()->isEnabled());
        // Every control is reachable by its label.
        for (QWidget *field :
             {static_cast<QWidget *>(dialog.areaBox()), static_cast<QWidget *>(dialog.systemBox()),
              static_cast<QWidget *>(dialog.numberEdit())}) {
            const auto labels = dialog.findChildren<QLabel *>();
            QVERIFY(std::any_of(labels.begin(), labels.end(),
                                [field](QLabel *l) { return l->buddy() == field; }));
        }
    }

    void refusedNumberKeepsTheDialogOpen_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("bad");
        QTest::addColumn<QString>("good");
        QTest::newRow("modbus") << 1 << "4x"
                                << "0"
                                << "100";
        QTest::newRow("letter") << 2 << "W"
                                << "2048"
                                << "2047";
    }

    void refusedNumberKeepsTheDialogOpen()
    {
        QFETCH(int, device);
        QFETCH(QString, area);
        QFETCH(QString, bad);
        QFETCH(QString, good);
        uitest::MessageRecorder messages;
        CSysAddrDialog dialog(m_slots, device, core::kAddrWord, true, "", "1");
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        dialog.areaBox()->setCurrentIndex(dialog.areaBox()->findText(area));
        typeNumber(dialog, bad);
        clickOk(dialog);
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kBadAddress});
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY(dialog.numberEdit()->hasFocus());
        QCOMPARE(dialog.numberEdit()->selectedText(), bad);

        QTest::keyClicks(dialog.numberEdit(), good); // replaces the selected text
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dialog.area()), area);
        QCOMPARE(QString::fromStdString(dialog.number()), good);
        QCOMPARE(deviceAddressText(m_slots, device, dialog.area(), dialog.number()), area + good);
        QCOMPARE(messages.ids.size(), std::size_t(1));
    }

    void modbusAddressIsEchoedWhileTypingAndAmbiguityRefused()
    {
        uitest::MessageRecorder messages;
        CSysAddrDialog dialog(m_slots, 1, core::kAddrWord, true, "4x", "1");
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QVERIFY(uitest::everyInputLabelled(dialog));
        QVERIFY(dialog.readingLabel()->isVisible());
        QCOMPARE(dialog.readingLabel()->text(), QStringLiteral("4x1 = 40001"));

        typeNumber(dialog, QStringLiteral("40001"));
        QVERIFY(dialog.readingLabel()->text().contains(QStringLiteral("4x40001 = 440001")));
        QVERIFY(dialog.readingLabel()->text().contains(QStringLiteral("4x1 = 40001")));
        clickOk(dialog);
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kAmbiguousAddress});
        QVERIFY(messages.texts.front().contains(QStringLiteral("4x40001")));
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY(dialog.numberEdit()->hasFocus());
        QCOMPARE(dialog.numberEdit()->selectedText(), QStringLiteral("40001"));

        // The 6-digit reference replaces the selection; Enter confirms it.
        QTest::keyClicks(dialog.numberEdit(), QStringLiteral("400001"));
        QCOMPARE(dialog.readingLabel()->text(), QStringLiteral("4x1 = 40001"));
        QTest::keyClick(dialog.numberEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.area(), std::string("4x"));
        QCOMPARE(dialog.number(), std::string("1"));
        QCOMPARE(messages.ids.size(), std::size_t(1));
    }

    void echoFollowsTheAreaAndIsHiddenForThePanel()
    {
        CSysAddrDialog read(m_slots, 1, core::kAddrBit, false, "0x", "1");
        read.show();
        typeNumber(read, QStringLiteral("10001"));
        QVERIFY(read.readingLabel()->text().contains(QStringLiteral("0x10001 = 010001")));
        QVERIFY(read.readingLabel()->text().contains(QStringLiteral("1x1 = 10001")));
        read.areaBox()->setCurrentIndex(read.areaBox()->findText(QStringLiteral("1x")));
        QVERIFY(read.readingLabel()->text().contains(QStringLiteral("1x10001 = 110001")));
        typeNumber(read, QStringLiteral("17"));
        QCOMPARE(read.readingLabel()->text(), QStringLiteral("1x17 = 10017"));
        typeNumber(read, QStringLiteral("x"));
        QVERIFY(read.readingLabel()->text().isEmpty());

        CSysAddrDialog panel(m_slots, 0, core::kAddrWord, false, "", "0");
        panel.show();
        QVERIFY(!panel.readingLabel()->isVisible());
    }

    void panelSystemWordOnlyForReadOnlyPoints()
    {
        uitest::MessageRecorder messages;
        CSysAddrDialog writable(m_slots, 0, core::kAddrWord, true, "", "0");
        writable.show();
        QVERIFY(!writable.areaBox()->isEnabled());
        QVERIFY(!writable.systemBox()->isEnabled());
        typeNumber(writable, QStringLiteral("950"));
        clickOk(writable);
        QVERIFY(writable.isVisible());
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kBadAddress});

        CSysAddrDialog readOnly(m_slots, 0, core::kAddrWord, false, "", "0");
        readOnly.show();
        QVERIFY(readOnly.systemBox()->isEnabled());
        QCOMPARE(readOnly.systemBox()->count(), 53); // none and the 52 names
        QCOMPARE(readOnly.systemBox()->currentIndex(), 0);
        typeNumber(readOnly, QStringLiteral("950"));
        QCOMPARE(readOnly.systemBox()->currentText(), QStringLiteral("CALC_L_ERR"));
        clickOk(readOnly);
        QCOMPARE(readOnly.result(), int(QDialog::Accepted));
        QCOMPARE(readOnly.number(), std::string("950"));
        QCOMPARE(deviceAddressText(m_slots, 0, readOnly.area(), readOnly.number()),
                 QStringLiteral("CALC_L_ERR"));
        QCOMPARE(messages.ids.size(), std::size_t(1));
    }

    void systemComboAndNumberFollowEachOther()
    {
        CSysAddrDialog dialog(m_slots, 0, core::kAddrWord, false, "", "5");
        dialog.systemBox()->setCurrentIndex(dialog.systemBox()->findText("KEY_F1"));
        QCOMPARE(dialog.numberEdit()->text(), QStringLiteral("928"));
        // Back to none: the number stays and can be typed on.
        dialog.systemBox()->setCurrentIndex(0);
        QCOMPARE(dialog.numberEdit()->text(), QStringLiteral("928"));
        typeNumber(dialog, QStringLiteral("12"));
        QCOMPARE(dialog.systemBox()->currentIndex(), 0);
    }

    void bitAddressSelectsTheSystemWordOfItsWordPart()
    {
        CSysAddrDialog dialog(m_slots, 0, core::kAddrBit, false, "", "0");
        dialog.show();
        typeNumber(dialog, QStringLiteral("9003"));
        QCOMPARE(dialog.systemBox()->currentText(), QStringLiteral("RTC_C_Y"));
        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.number(), std::string("9003")); // the typed bit stays
        QCOMPARE(deviceAddressText(m_slots, 0, "", dialog.number(), core::kAddrBit),
                 QStringLiteral("RTC_C_Y"));
    }

    void cancelLeavesTheAddressAlone()
    {
        std::string area = "4x", number = "7";
        whenAddressDialogOpens([](CSysAddrDialog &dialog) {
            typeNumber(dialog, QStringLiteral("8"));
            dialog.reject();
        });
        QVERIFY(!editDeviceAddress(nullptr, m_slots, 1, core::kAddrWord, true, area, number));
        QCOMPARE(number, std::string("7"));
    }

    void functionKeyAddressGoesThroughTheEntryDialog()
    {
        support::RecordingPrompt prompt(true);
        const core::FunctionEnv env{m_slots, prompt};
        CFuncKeyDialog dialog(env, 0, core::CFuncKeyRecord::Default(), false);
        dialog.show();
        dialog.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kValueSet);
        dialog.valueEdit()->setText(QStringLiteral("5"));
        QVERIFY(dialog.addressEdit()->isReadOnly());
        QVERIFY(dialog.addressButton()->isEnabled());
        QTest::mouseClick(dialog.channelButton(1), Qt::LeftButton);

        // A word the key writes: only the writable register area is offered.
        QStringList offered;
        whenAddressDialogOpens([&offered](CSysAddrDialog &entry) {
            offered = items(entry.areaBox());
            typeNumber(entry, QStringLiteral("123"));
            clickOk(entry);
        });
        QTest::mouseClick(dialog.addressButton(), Qt::LeftButton);
        QCOMPARE(offered, QStringList{"4x"});
        QCOMPARE(dialog.addressEdit()->text(), QStringLiteral("4x123"));

        clickOk(dialog);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const auto built
                = core::CDeviceAddr::FromBlock(m_slots, dialog.presenter().Held().Bytes(),
                                               core::CFuncKeyRecord::kBlock, core::kAddrWord);
        QCOMPARE(built.channel, std::uint16_t(1));
        QCOMPARE(built.area, std::string("4x"));
        QCOMPARE(built.number, std::string("123"));
    }

    void functionKeyPanelBitRefusesSystemWords()
    {
        support::RecordingPrompt prompt(true);
        const core::FunctionEnv env{m_slots, prompt};
        CFuncKeyDialog dialog(env, 1, core::CFuncKeyRecord::Default(), false);
        dialog.show();
        dialog.functionBox()->setCurrentIndex(core::CFuncKeyRecord::kBitControl);

        uitest::MessageRecorder messages;
        bool stayedOpen = false;
        whenAddressDialogOpens([&stayedOpen](CSysAddrDialog &entry) {
            // A key writes: no system names, and a system word's bit is refused.
            QVERIFY(!entry.systemBox()->isEnabled());
            typeNumber(entry, QStringLiteral("9003"));
            clickOk(entry);
            stayedOpen = entry.isVisible();
            typeNumber(entry, QStringLiteral("12a"));
            clickOk(entry);
        });
        QTest::mouseClick(dialog.addressButton(), Qt::LeftButton);
        QVERIFY(stayedOpen);
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kBadAddress});
        QCOMPARE(dialog.addressEdit()->text(), QStringLiteral("12A"));
        QCOMPARE(dialog.presenter().Address().Addr().number, std::string("12A"));
    }

    void functionKeyShowsAPanelSystemWordByName()
    {
        // A stored target on a system word (a key that only reads it) is shown by its name.
        core::CFuncKeyRecord record = core::CFuncKeyRecord::Default();
        record.SetFunction(core::CFuncKeyRecord::kValueSet);
        const core::CDeviceAddr target{0, 0, "", "950"};
        target.BuildInto(m_slots, record.Bytes(), core::CFuncKeyRecord::kBlock, core::kAddrWord);
        support::RecordingPrompt prompt(true);
        const core::FunctionEnv env{m_slots, prompt};
        const CFuncKeyDialog dialog(env, 0, record, false);
        QCOMPARE(dialog.addressEdit()->text(), QStringLiteral("CALC_L_ERR"));
    }

private:
    uitest::ProgramFolder m_folder;
    core::CAppConfig m_config;
    core::CPlcSlots m_slots;
};

QTEST_MAIN(TestSysAddrDialog)
#include "test_sys_addr_dialog.moc"
