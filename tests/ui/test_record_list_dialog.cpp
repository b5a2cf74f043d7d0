// The list dialog shared by the four common-function lists, driven over the alarm list.

#include "helpers/ui_fixture.h"
#include "support/recording_prompt.h"

#include "ui/dialogs/record_list_dialog.h"

#include "core/presenters/alarm_dlg.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace ui;

class TestRecordListDialog : public QObject
{
    Q_OBJECT

    static core::CAlarmRecord::Raw alarm(const std::string &message)
    {
        core::CAlarmRecord r = core::CAlarmRecord::Default();
        r.SetMessage(message);
        return r.Bytes();
    }
    static QString cell(const CRecordListDialog &dlg, int row)
    {
        return dlg.table()->item(row, core::CAlarmDlg::kColMessage)->text();
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void buttonsKeysAndDoubleClickEditCopiesUntilOk()
    {
        core::CPlcSlots plcSlots;
        support::RecordingPrompt prompt;
        const core::FunctionEnv env{plcSlots, prompt};
        std::vector<core::CAlarmRecord::Raw> document{alarm("A"), alarm("B")};
        core::CAlarmDlg list(env);
        list.Open(document);
        int edits = 0;
        CRecordListSourceOf<core::CAlarmDlg> source(list, [&](core::CAlarmEditDlg &editor) {
            core::CAlarmRecord held = editor.Held();
            held.SetMessage("E" + std::to_string(++edits));
            editor.Load(held);
            return true;
        });
        CRecordListDialog dlg(QStringLiteral("alarms"), source);
        QCOMPARE(dlg.table()->rowCount(), 2);
        QCOMPARE(dlg.table()->columnCount(), int(core::CAlarmDlg::Columns().size()));
        QCOMPARE(dlg.table()->horizontalHeaderItem(2)->text(),
                 QString::fromStdString(core::CAlarmDlg::Columns()[2].title));
        QCOMPARE(cell(dlg, 1), QStringLiteral("B"));
        // Nothing selected: nothing to modify or delete.
        QVERIFY(!dlg.modifyButton()->isEnabled());

        QTest::mouseClick(dlg.addButton(), Qt::LeftButton);
        QCOMPARE(dlg.table()->rowCount(), 3);
        QCOMPARE(cell(dlg, 2), QStringLiteral("E1"));

        dlg.table()->selectRow(0);
        QVERIFY(dlg.deleteButton()->isEnabled());
        QTest::keyClick(dlg.table(), Qt::Key_Delete);
        QCOMPARE(dlg.table()->rowCount(), 2);
        QCOMPARE(cell(dlg, 0), QStringLiteral("B"));

        dlg.table()->selectRow(1);
        QTest::mouseClick(dlg.modifyButton(), Qt::LeftButton);
        QCOMPARE(cell(dlg, 1), QStringLiteral("E2"));

        // A double click below the last row adds one; on a row it modifies that row.
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QWidget *port = dlg.table()->viewport();
        QTest::mouseDClick(port, Qt::LeftButton, {}, QPoint(20, port->height() - 5));
        QCOMPARE(dlg.table()->rowCount(), 3);
        QCOMPARE(cell(dlg, 2), QStringLiteral("E3"));

        // The document's list is untouched until the caller takes the result.
        QCOMPARE(document.size(), std::size_t(2));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        list.Ok(document);
        QCOMPARE(document.size(), std::size_t(3));
        QCOMPARE(core::CAlarmRecord(document[1]).Message(), std::string("E2"));
        QCOMPARE(core::CAlarmRecord(document[2]).Message(), std::string("E3"));
    }

    void aFullListRefusesAddWithItsMessageAndStaysOpen()
    {
        core::CPlcSlots plcSlots;
        support::RecordingPrompt prompt;
        const core::FunctionEnv env{plcSlots, prompt};
        core::CAlarmDlg list(env);
        list.Open(std::vector<core::CAlarmRecord::Raw>(20, alarm("A")));
        bool ran = false;
        CRecordListSourceOf<core::CAlarmDlg> source(
                list, [&](core::CAlarmEditDlg &) { return ran = true; });
        CRecordListDialog dlg(QStringLiteral("alarms"), source);
        dlg.show();
        QTest::mouseClick(dlg.addButton(), Qt::LeftButton);
        QVERIFY(!ran);
        QCOMPARE(prompt.shown, std::vector<int>{50300});
        QCOMPARE(dlg.table()->rowCount(), 20);
        QVERIFY(dlg.isVisible());
        dlg.reject();
    }
};

QTEST_MAIN(TestRecordListDialog)
#include "test_record_list_dialog.moc"
