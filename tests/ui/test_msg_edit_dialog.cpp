// The message-table editor over a real message tag, the message manager over a real message
// store, and the manager's session undone as one step.

#include "helpers/ui_fixture.h"
#include "support/recording_prompt.h"

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/presenters/message_tag_table.h"
#include "core/tags/message_tag.h"
#include "core/tags/tag_resources.h"
#include "ui/dialogs/edit_strs_dialog.h"
#include "ui/dialogs/msg_edit_dialog.h"
#include "ui/undo/messages_command.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

using namespace ui;

using RecordingPrompt = support::RecordingPrompt;

namespace {

// Types `text` into a grid cell through its editor and confirms with Enter.
void typeIntoCell(QTableWidget *grid, int row, int col, const QString &text)
{
    grid->setCurrentCell(row, col);
    grid->editItem(grid->item(row, col));
    QLineEdit *editor = nullptr;
    for (auto *edit : grid->viewport()->findChildren<QLineEdit *>())
        if (edit->isVisible())
            editor = edit;
    QVERIFY(editor);
    editor->selectAll();
    if (text.isEmpty())
        QTest::keyClick(editor, Qt::Key_Delete);
    else
        QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits on the next round of events, a refused cell takes the focus back on
    // the round after.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QString cell(const QTableWidget *grid, int row, int col)
{
    return grid->item(row, col)->text();
}

void clickRow(QTreeWidget *list, int row)
{
    const QRect rect = list->visualItemRect(list->topLevelItem(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList listColumn(const QTreeWidget *list, int col)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(col);
    return out;
}

} // namespace

class TestMsgEditDialog : public QObject
{
    Q_OBJECT

    core::CPlcSlots m_slots;
    core::CMemoryMonitor m_monitor;
    core::CStrResMgr m_strings{&m_monitor};
    core::TagResources m_resources{nullptr, &m_strings};

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        m_strings.Clear();
        m_strings.Add(5, "five");
        m_strings.Add(6, "six");
        m_strings.Add(9, "nine");
    }

    void cellEditsAreCheckedAndRefusalsRevert()
    {
        RecordingPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt};
        core::CMessageTag tag;
        tag.BindResources(m_resources);
        tag.AddEntry(10, 5);
        core::CMessageTagTable table(tag);
        CMsgEditDialog dialog(env, m_strings, table);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget *grid = dialog.tableGrid();
        QCOMPARE(grid->rowCount(), 50);
        QCOMPARE(cell(grid, 0, 0), QStringLiteral("10"));
        QCOMPARE(cell(grid, 0, 2), QStringLiteral("five"));
        QVERIFY(!(grid->item(0, 2)->flags() & Qt::ItemIsEditable));

        typeIntoCell(grid, 1, 0, QStringLiteral("20"));
        QCOMPARE(cell(grid, 1, 0), QStringLiteral("20"));
        typeIntoCell(grid, 1, 1, QStringLiteral("9"));
        QCOMPARE(cell(grid, 1, 2), QStringLiteral("nine"));
        QVERIFY(prompt.shown.empty());

        typeIntoCell(grid, 1, 0, QStringLiteral("70000"));
        QCOMPARE(prompt.last(), 52601);
        QCOMPARE(cell(grid, 1, 0), QStringLiteral("20"));
        typeIntoCell(grid, 1, 0, QStringLiteral("10")); // row 0 holds it
        QCOMPARE(prompt.last(), 52602);
        QCOMPARE(cell(grid, 1, 0), QStringLiteral("20"));
        QTRY_COMPARE(grid->currentRow(), 1);
        QCOMPARE(grid->currentColumn(), 0);
        typeIntoCell(grid, 1, 1, QStringLiteral("0")); // not registered
        QCOMPARE(prompt.last(), 52614);
        QCOMPARE(cell(grid, 1, 1), QStringLiteral("9"));
        QTRY_COMPARE(grid->currentColumn(), 1);
        QCOMPARE(prompt.shown.size(), std::size_t(3));

        typeIntoCell(grid, 1, 1, QStringLiteral("77")); // accepted, no text yet
        QCOMPARE(cell(grid, 1, 2), QString());
        typeIntoCell(grid, 1, 1, QString());
        QCOMPARE(cell(grid, 1, 1), QString());
        QCOMPARE(prompt.shown.size(), std::size_t(3));
        QCOMPARE(tag.Entries().size(), std::size_t(1)); // nothing reaches the tag before OK
    }

    void copySortAndOkRebuildTheTag()
    {
        RecordingPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt};
        core::CMessageTag tag;
        tag.BindResources(m_resources);
        tag.AddEntry(10, 5);
        core::CMessageTagTable table(tag);
        CMsgEditDialog dialog(env, m_strings, table);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTableWidget *grid = dialog.tableGrid();
        QTableWidget *registered = dialog.registeredGrid();
        QCOMPARE(registered->rowCount(), 3);
        QCOMPARE(registered->item(1, 1)->text(), QStringLiteral("six"));

        typeIntoCell(grid, 3, 0, QStringLiteral("2"));
        grid->setCurrentCell(3, 1);
        registered->setCurrentCell(1, 0);
        QTest::mouseClick(dialog.copyButton(), Qt::LeftButton);
        QCOMPARE(cell(grid, 3, 1), QStringLiteral("6"));
        QCOMPARE(cell(grid, 3, 2), QStringLiteral("six"));

        typeIntoCell(grid, 5, 0, QStringLiteral("7"));
        typeIntoCell(grid, 5, 1, QStringLiteral("9"));
        QTest::mouseClick(dialog.sortButton(), Qt::LeftButton);
        QCOMPARE(cell(grid, 0, 0), QStringLiteral("2"));
        QCOMPARE(cell(grid, 1, 0), QStringLiteral("7"));
        QCOMPARE(cell(grid, 1, 2), QStringLiteral("nine"));
        QCOMPARE(cell(grid, 2, 0), QStringLiteral("10"));
        QCOMPARE(cell(grid, 3, 0), QString());

        // A value without its ID: refused at OK, the tag as it was.
        typeIntoCell(grid, 4, 0, QStringLiteral("99"));
        QTest::mouseClick(dialog.buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(prompt.last(), 52600);
        QVERIFY(dialog.isVisible());
        QCOMPARE(tag.Entries(), (std::vector<core::MessageEntry>{{10, 5}}));

        typeIntoCell(grid, 4, 0, QString());
        QTest::mouseClick(dialog.buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(tag.Entries(), (std::vector<core::MessageEntry>{{2, 6}, {7, 9}, {10, 5}}));
        QCOMPARE(tag.ShownText(), std::string("six"));
        QVERIFY(!dialog.messagesChanged());
    }

    void managerOpenedFromTheTableEditor()
    {
        RecordingPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt};
        core::CMessageTag tag;
        tag.BindResources(m_resources);
        tag.AddEntry(1, 6);
        core::CMessageTagTable table(tag);
        CMsgEditDialog dialog(env, m_strings, table);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        bool driven = false;
        QTimer::singleShot(0, &dialog, [&] {
            auto *manager = dialog.findChild<CEditStrsDialog *>();
            QVERIFY(manager);
            clickRow(manager->list(), 1); // ID 6
            manager->textEdit()->selectAll();
            QTest::keyClicks(manager->textEdit(), QStringLiteral("half a dozen"));
            QTest::mouseClick(manager->changeButton(), Qt::LeftButton);
            manager->idSpin()->setValue(12);
            QTest::mouseClick(manager->addButton(), Qt::LeftButton);
            driven = true;
            manager->reject();
        });
        QSignalSpy edited(&dialog, &CMsgEditDialog::messagesEdited);
        QTest::mouseClick(dialog.manageButton(), Qt::LeftButton);
        QVERIFY(driven);
        QCOMPARE(edited.count(), 2);
        QCOMPARE(cell(dialog.tableGrid(), 0, 2), QStringLiteral("half a dozen"));
        QCOMPARE(dialog.registeredGrid()->rowCount(), 4);
        QVERIFY(dialog.messagesChanged());
        const auto before = dialog.messagesBefore();
        QCOMPARE(before.size(), std::size_t(3));
        QCOMPARE(before[1].second, std::string("six"));
    }

    void managerAddsChangesAndDeletes()
    {
        RecordingPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt};
        CEditStrsDialog dialog(env, m_strings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTreeWidget *list = dialog.list();
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(dialog.textEdit()->text(), QStringLiteral("text"));
        QCOMPARE(list->columnWidth(0), 50);
        QCOMPARE(list->columnWidth(1), 373);

        dialog.idSpin()->setFocus();
        dialog.idSpin()->selectAll();
        QTest::keyClicks(dialog.idSpin(), QStringLiteral("3"));
        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QStringLiteral("three"));
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(m_strings.Text(3), std::string("three"));
        QCOMPARE(listColumn(list, 0), (QStringList{"3", "5", "6", "9"}));

        dialog.idSpin()->setValue(9); // used
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(prompt.last(), 52607);
        QCOMPARE(m_strings.Text(9), std::string("nine"));
        QCOMPARE(list->topLevelItemCount(), 4);

        QTest::mouseClick(dialog.changeButton(), Qt::LeftButton); // nothing selected
        QCOMPARE(prompt.last(), 52606);

        clickRow(list, 2);
        QCOMPARE(dialog.idSpin()->value(), 6);
        QCOMPARE(dialog.textEdit()->text(), QStringLiteral("six"));
        dialog.idSpin()->setValue(60);
        dialog.textEdit()->selectAll();
        QTest::keyClicks(dialog.textEdit(), QStringLiteral("sixty"));
        QTest::mouseClick(dialog.changeButton(), Qt::LeftButton);
        QVERIFY(!m_strings.Exists(6));
        QCOMPARE(m_strings.Text(60), std::string("sixty"));
        QCOMPARE(listColumn(list, 0), (QStringList{"3", "5", "9", "60"}));

        clickRow(list, 0);
        QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
        QVERIFY(!m_strings.Exists(3));
        QCOMPARE(list->topLevelItemCount(), 3);
        QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
        QCOMPARE(prompt.last(), 52606);

        // The header sorts by its column, the list stays sorted after a change.
        const QHeaderView *header = list->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
        QCOMPARE(listColumn(list, 1), (QStringList{"five", "nine", "sixty"}));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 10, header->height() / 2));
        QCOMPARE(listColumn(list, 0), (QStringList{"5", "9", "60"}));
        QCOMPARE(prompt.shown, (std::vector<int>{52607, 52606, 52606}));
    }

    void messageTextStopsAtTheLimit()
    {
        RecordingPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt};
        CEditStrsDialog dialog(env, m_strings);
        dialog.show();
        QLineEdit *text = dialog.textEdit();
        text->setFocus();
        text->selectAll();
        QTest::keyClicks(text, QString(30, QLatin1Char('m')));
        QCOMPARE(text->text(), QString(24, QLatin1Char('m')));
        // Hangul takes two bytes of the panel's code page: twelve of them fill the edit.
        text->selectAll();
        for (int i = 0; i < 13; ++i) {
            QTest::sendKeyEvent(QTest::Press, text, Qt::Key_unknown, QString(QChar(0xAC00)), {});
            QTest::sendKeyEvent(QTest::Release, text, Qt::Key_unknown, QString(QChar(0xAC00)), {});
        }
        QCOMPARE(text->text(), QString(12, QChar(0xAC00)));
        dialog.idSpin()->setValue(40);
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(m_strings.Text(40).size(), std::size_t(24));
    }

    void managerSessionIsOneUndoStep()
    {
        core::CDorvaneDoc doc;
        core::CStrResMgr &strings = doc.Strings();
        for (const std::uint32_t id : {5u, 6u, 9u})
            strings.Add(id, m_strings.Text(id));
        core::CScreenData *screen = nullptr;
        QCOMPARE(doc.AddScreen(1, &screen), int(core::kScreenOk));
        auto owned = std::make_unique<core::CMessageTag>();
        owned->AddEntry(0, 6);
        core::CTag *added = nullptr;
        screen->AddTag(std::move(owned), false, &added);
        auto *tag = static_cast<core::CMessageTag *>(added);
        tag->RecalcRect(0);
        QCOMPARE(tag->ShownText(), std::string("six"));

        RecordingPrompt prompt;
        const core::FunctionEnv env{m_slots, prompt};
        CEditStrsDialog dialog(env, strings);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!dialog.messagesChanged());
        clickRow(dialog.list(), 1);
        QTest::mouseClick(dialog.deleteButton(), Qt::LeftButton);
        dialog.idSpin()->setValue(30);
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QVERIFY(dialog.messagesChanged());

        int repaints = 0;
        QUndoStack undo;
        undo.push(new CMessagesCommand(doc, dialog.messagesBefore(),
                                       CMessagesCommand::Capture(strings),
                                       [&repaints] { ++repaints; }));
        QCOMPARE(tag->ShownText(), std::string("Message"));
        undo.undo();
        QCOMPARE(CMessagesCommand::Capture(strings), dialog.messagesBefore());
        QCOMPARE(tag->ShownText(), std::string("six"));
        undo.redo();
        QVERIFY(!strings.Exists(6));
        QCOMPARE(strings.Text(30), std::string("six")); // the deleted row's text stayed
        QCOMPARE(strings.UsedBytes(), 10u + (4 + 8) * 2 + (3 + 8));
        QCOMPARE(repaints, 3);
    }
};

QTEST_MAIN(TestMsgEditDialog)
#include "test_msg_edit_dialog.moc"
