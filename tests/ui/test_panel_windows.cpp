// The panel windows of the communication menu against velmar-panel-sim on a pseudo-terminal:
// the clock, the password, the alarm history with its database and the panel's history delete.

#include "helpers/ui_fixture.h"

#include "ui/comm/alarm_hist_dialog.h"
#include "ui/comm/alarm_search_dialog.h"
#include "ui/comm/comm_text.h"
#include "ui/comm/date_time_dialog.h"
#include "ui/comm/panel_windows.h"
#include "ui/comm/pwd_dialog.h"

#include "core/comm/alarm_database.h"
#include "core/comm/alarm_history.h"
#include "core/comm/comm_text.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_commands.h"
#include "core/comm/panel_ui.h"
#include "core/presenters/alarm_hist_dlg.h"

// The simulator runner of the link tests, built into this program.
#define PANEL_SIM_PATH DORVANE_RUNTIME_DIR "/velmar-panel-sim"
#include "comm/sim_process.cpp"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <algorithm>
#include <deque>

using namespace ui;

namespace {

// The panel commands' questions, messages and password prompt, answered by the test.
class ScriptedPanelUi : public comm::IPanelUi
{
public:
    // Texts are kept in Korean, the program's own.
    static std::string korean(const comm::CommText &text)
    {
        return comm::commTextIn(text, comm::CommLanguage::Korean);
    }
    bool ask(const comm::CommText &question) override
    {
        questions.push_back(korean(question));
        return answer;
    }
    void message(const comm::CommText &text, Icon, const comm::CommText &) override
    {
        messages.push_back(korean(text));
    }
    std::optional<std::string> askPanelPassword() override
    {
        if (passwords.empty())
            return std::nullopt;
        auto p = passwords.front();
        passwords.pop_front();
        return p;
    }
    bool said(std::string_view text) const
    {
        return std::find(messages.begin(), messages.end(), text) != messages.end();
    }

    bool answer = true;
    std::deque<std::string> passwords;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
};

// Runs `act` on the modal window of type W as soon as one is open (polled, since the click that
// opens it may process events before the window's own loop starts).
template<typename W, typename Act>
void whenModal(Act act, int attempts = 250)
{
    QTimer::singleShot(20, [act, attempts] {
        if (auto *w = qobject_cast<W *>(QApplication::activeModalWidget()))
            act(*w);
        else if (attempts > 0)
            whenModal<W>(act, attempts - 1);
    });
}

QPushButton *okButton(CPresenterDialog &dialog)
{
    return dialog.buttonBox()->button(QDialogButtonBox::Ok);
}

util::Bytes historyWithEntries()
{
    util::Bytes h(comm::kHistoryLength, 0xFF);
    auto entry = util::ByteSpan(h).subspan(0, comm::kWholeEntrySize);
    util::setFixedText(entry, 2, 37, "TANK LOW");
    const std::uint8_t when[7] = {0x20, 0x26, 0x12, 0x01, 0x10, 0x00, 0x00};
    std::copy_n(when, 7, entry.begin() + 40);
    auto own = util::ByteSpan(h).subspan(comm::kPerAlarmStart, comm::kPerAlarmEntrySize);
    const std::uint8_t first[7] = {0x20, 0x26, 0x11, 0x30, 0x09, 0x15, 0x00};
    const std::uint8_t cleared[7] = {0x20, 0x26, 0x11, 0x30, 0x09, 0x20, 0x00};
    std::copy_n(first, 7, own.begin());
    std::copy_n(cleared, 7, own.begin() + 7);
    return h;
}

} // namespace

class TestPanelWindows : public QObject
{
    Q_OBJECT

private:
    void startPanel(const std::vector<std::string> &args = {})
    {
        QVERIFY(m_sim.start(args));
        m_link = std::make_unique<comm::CCommThread>();
        m_link->SetDevicePath(m_sim.port());
        m_link->SetReceiveTimeout(300);
        m_link->SetCommandPause(10);
        m_ui = ScriptedPanelUi();
    }
    bool transfer(std::uint8_t main, std::uint8_t sub, std::uint32_t address, util::Bytes &data)
    {
        comm::COMM_CMD c{main, sub, data, std::uint32_t(data.size()), address, address};
        return m_link->Run(c);
    }
    // Puts an alarm table with one alarm and a history of two entries into the panel.
    void preloadHistory()
    {
        std::uint8_t status = 0;
        QVERIFY(m_link->Connect(status));
        util::Bytes alarms(comm::kAlarmBlockLength, 0);
        util::setBe16(alarms, 0, 1);
        util::setFixedText(alarms, comm::kAlarmTableSize + comm::kAlarmMessageOffset, 38,
                           "PRESSURE HIGH");
        QVERIFY(transfer('w', 'G', comm::kAlarmBlockAddress, alarms));
        util::Bytes history = historyWithEntries();
        QVERIFY(transfer('w', 'W', comm::kHistoryAddress, history));
        m_link->Disconnect();
    }

    // Drives the search range dialog; true when it was confirmed with the message "TANK LOW".
    bool chooseStoredMessage(CAlarmSearchDialog &range)
    {
        if (!uitest::everyInputLabelled(range) || range.storedBox()->count() != 2)
            return false;
        range.endEdit()->setDateTime(range.startEdit()->dateTime().addDays(-1));
        QTest::mouseClick(okButton(range), Qt::LeftButton);
        if (m_ui.messages.empty()
            || m_ui.messages.back()
                    != ScriptedPanelUi::korean(comm::CommTextId::SearchEndBeforeStart)
            || !range.isVisible())
            return false;
        range.endEdit()->setDateTime(range.startEdit()->dateTime());
        range.messageBox()->click();
        range.dateBox()->click(); // only the message condition
        if (range.endEdit()->isEnabled())
            return false;
        range.storedBox()->setFocus();
        QTest::keyClick(range.storedBox(), Qt::Key_Down);
        if (range.messageEdit()->text() != QStringLiteral("TANK LOW"))
            return false;
        QTest::mouseClick(okButton(range), Qt::LeftButton);
        return range.result() == QDialog::Accepted;
    }

    testsupport::SimProcess m_sim;
    std::unique_ptr<comm::CCommThread> m_link;
    ScriptedPanelUi m_ui;

private slots:
    void initTestCase() { uitest::isolateSettings(); }
    void cleanup()
    {
        m_link.reset();
        m_sim.stop();
    }

    void clockShowsThePanelTimeAndSetsIt()
    {
        startPanel();
        CDateTimeDialog dialog(*m_link, m_ui);
        dialog.show();
        QVERIFY(uitest::everyInputLabelled(dialog));
        QVERIFY(!dialog.dateEdit()->isEnabled());
        dialog.startReading();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.panelClock()->text().isEmpty(), 5000);
        // The simulator keeps this computer's time.
        QCOMPARE(dialog.panelClock()->text().left(10), dialog.pcClock()->text().left(10));

        dialog.fieldsChoice()->click();
        QVERIFY(dialog.dateEdit()->isEnabled());
        dialog.dateEdit()->setDate(QDate(2031, 7, 15));
        dialog.timeEdit()->setTime(QTime(8, 30, 0));
        QTest::mouseClick(dialog.setTimeButton(), Qt::LeftButton);
        QVERIFY2(m_ui.messages.empty(), m_ui.messages.empty() ? "" : m_ui.messages[0].c_str());
        // The day's name comes in the interface language, as the system information shows it.
        const QString tuesday = commText(comm::weekdayText(2));
        QTRY_VERIFY_WITH_TIMEOUT(
                dialog.panelClock()->text().startsWith("2031-07-15 " + tuesday + " 08:30"), 5000);

        dialog.accept();
        QVERIFY(m_link->IsIdle());
        QVERIFY(!m_link->IsPortOpen());
    }

    void clockOfAPanelWithoutRealTimeClockCannotBeSet()
    {
        startPanel({"--no-rtc"});
        CDateTimeDialog dialog(*m_link, m_ui);
        dialog.show();
        dialog.startReading();
        QTest::mouseClick(dialog.setTimeButton(), Qt::LeftButton);
        const std::string noRtc = ScriptedPanelUi::korean(
                comm::CCommThread::ErrorText((std::uint32_t(comm::ErrNak) << 16) | 7));
        QVERIFY(m_ui.said(noRtc));
        QVERIFY(dialog.panelClock()->text().isEmpty());
        dialog.reject();
        QVERIFY(m_link->IsIdle());
    }

    void passwordIsSetAndAWrongOneRefused()
    {
        startPanel();
        {
            CPwdDialog dialog(*m_link, m_ui);
            dialog.show();
            QVERIFY(uitest::everyInputLabelled(dialog));
            QTest::keyClicks(dialog.newEdit(), "abc");
            QTest::keyClicks(dialog.confirmEdit(), "abd");
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            QCOMPARE(m_ui.messages.back(), ScriptedPanelUi::korean(comm::CommTextId::PwdMismatch));
            QVERIFY(dialog.isVisible());
            QVERIFY(!m_link->IsPortOpen()); // refused before the panel is asked

            dialog.confirmEdit()->clear();
            QTest::keyClicks(dialog.confirmEdit(), "abc");
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            QCOMPARE(m_ui.messages.back(), ScriptedPanelUi::korean(comm::CommTextId::PwdChanged));
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
        {
            CPwdDialog dialog(*m_link, m_ui);
            dialog.show();
            QTest::keyClicks(dialog.oldEdit(), "abd");
            QTest::keyClicks(dialog.newEdit(), "xyz");
            QTest::keyClicks(dialog.confirmEdit(), "xyz");
            QTest::mouseClick(okButton(dialog), Qt::LeftButton);
            QCOMPARE(m_ui.messages.back(), ScriptedPanelUi::korean(comm::CommTextId::PwdMismatch));
            QVERIFY(dialog.isVisible());
            QVERIFY(!m_link->IsPortOpen());
        }
        // Removing: a wrong password is refused, the right one removes it.
        m_ui.passwords = {"abd"};
        QVERIFY(!removePanelPassword(*m_link, m_ui));
        QCOMPARE(m_ui.messages.back(), ScriptedPanelUi::korean(comm::CommTextId::PwdMismatch));
        m_ui.passwords = {"abc"};
        QVERIFY(removePanelPassword(*m_link, m_ui));
        QCOMPARE(m_ui.messages.back(), ScriptedPanelUi::korean(comm::CommTextId::PwdRemoved));
        std::uint8_t status = 0xEE;
        QVERIFY(m_link->Connect(status));
        QCOMPARE(int(status), 0);
        m_link->Disconnect();
    }

    void alarmHistoryReachesTheDatabaseAndIsFound()
    {
        startPanel();
        preloadHistory();
        QTemporaryDir dir;
        const std::string dbPath = dir.filePath("Alarm/Project1.mdb").toStdString();
        core::CAlarmHistDlg presenter(dbPath, DORVANE_RUNTIME_DIR, {});
        CAlarmHistDialog dialog(presenter, *m_link, m_ui);
        dialog.show();
        QVERIFY(uitest::everyInputLabelled(dialog));
        QCOMPARE(dialog.pathEdit()->text(), QString::fromStdString(dbPath));

        QTest::mouseClick(dialog.uploadButton(), Qt::LeftButton);
        QVERIFY2(m_ui.messages.empty(), m_ui.messages.empty() ? "" : m_ui.messages[0].c_str());
        QCOMPARE(dialog.grid()->rowCount(), 2);
        QCOMPARE(dialog.grid()->item(0, 0)->text(), QStringLiteral("0"));
        QCOMPARE(dialog.grid()->item(0, 3)->text(), QStringLiteral("TANK LOW"));
        QCOMPARE(dialog.grid()->item(1, 2)->text(), QStringLiteral("2026-11-30 09:20:00"));
        QTest::mouseClick(dialog.uploadButton(), Qt::LeftButton);
        QCOMPARE(dialog.grid()->rowCount(), 2); // no row twice

        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);
        comm::CAlarmDatabase db(dbPath, DORVANE_RUNTIME_DIR "/AlarmHist.MAC");
        comm::AlarmSearch everything;
        everything.useMessage = false;
        everything.start = comm::ClockTime{1900, 1, 1};
        everything.end = comm::ClockTime{9999, 12, 31};
        QCOMPARE(db.search(everything)->size(), std::size_t(2));

        // The range dialog: an end before the start is refused, then a stored message is chosen.
        bool searched = false;
        whenModal<CAlarmSearchDialog>([&](CAlarmSearchDialog &range) {
            searched = chooseStoredMessage(range);
            if (range.isVisible())
                range.reject(); // a failed step must not leave the window open
        });
        QTest::mouseClick(dialog.searchButton(), Qt::LeftButton);
        QVERIFY(searched);
        QCOMPARE(dialog.grid()->rowCount(), 1);
        QCOMPARE(dialog.grid()->item(0, 1)->text(), QStringLiteral("2026-12-01 10:00:00"));

        dialog.grid()->selectRow(0);
        QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
        QCOMPARE(m_ui.questions.back(), ScriptedPanelUi::korean(comm::CommTextId::AskDeleteRows));
        QCOMPARE(dialog.grid()->rowCount(), 0);
        const auto left = db.search(everything);
        QCOMPARE(left->size(), std::size_t(1));
        QCOMPARE(left->front().message, std::string("PRESSURE HIGH"));
        QVERIFY(!m_link->IsPortOpen());
    }

    // The first search offers the whole history loaded with any message: accepting it as
    // offered finds every saved alarm.
    void searchAsOfferedFindsTheWholeHistory()
    {
        startPanel();
        preloadHistory();
        QTemporaryDir dir;
        core::CAlarmHistDlg presenter(dir.filePath("Alarm/P.mdb").toStdString(),
                                      DORVANE_RUNTIME_DIR, {});
        CAlarmHistDialog dialog(presenter, *m_link, m_ui);
        dialog.show();
        QTest::mouseClick(dialog.uploadButton(), Qt::LeftButton);
        QCOMPARE(dialog.grid()->rowCount(), 2);
        QTest::mouseClick(dialog.saveButton(), Qt::LeftButton);

        QString offered;
        whenModal<CAlarmSearchDialog>([&](CAlarmSearchDialog &range) {
            offered = range.startEdit()->dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                    + QLatin1Char('|')
                    + range.endEdit()->dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                    + (range.dateBox()->isChecked() ? "|date" : "")
                    + (range.messageBox()->isChecked() ? "|message" : "");
            QTest::mouseClick(okButton(range), Qt::LeftButton);
            if (range.isVisible())
                range.reject();
        });
        QTest::mouseClick(dialog.searchButton(), Qt::LeftButton);
        QCOMPARE(offered, QStringLiteral("2026-11-30 09:15:00|2026-12-01 10:00:00|date"));
        QVERIFY2(m_ui.messages.empty(), m_ui.messages.empty() ? "" : m_ui.messages[0].c_str());
        QCOMPARE(dialog.grid()->rowCount(), 2);
        QCOMPARE(dialog.grid()->item(0, 1)->text(), QStringLiteral("2026-12-01 10:00:00"));
    }

    void deletingThePanelHistoryEmptiesIt()
    {
        startPanel();
        preloadHistory();
        m_ui.answer = false;
        QVERIFY(!deleteAlarmHistory(*m_link, m_ui));
        QCOMPARE(m_ui.questions.back(),
                 ScriptedPanelUi::korean(comm::CommTextId::AskDeleteHistory));
        m_ui.answer = true;
        QVERIFY(deleteAlarmHistory(*m_link, m_ui));
        QCOMPARE(m_ui.messages.back(), ScriptedPanelUi::korean(comm::CommTextId::HistoryDeleted));

        QTemporaryDir dir;
        core::CAlarmHistDlg presenter(dir.filePath("a.mdb").toStdString(), DORVANE_RUNTIME_DIR, {});
        CAlarmHistDialog dialog(presenter, *m_link, m_ui);
        QTest::mouseClick(dialog.uploadButton(), Qt::LeftButton);
        QCOMPARE(dialog.grid()->rowCount(), 0);
    }
};

QTEST_MAIN(TestPanelWindows)
#include "test_panel_windows.moc"
