// The address replace window and the CSV commands of the project menu on the demo: the preview
// lists every change before OK, Cancel changes nothing, OK and an import are one undo step each,
// and a refused table changes nothing.

#include "helpers/modal_script.h"
#include "helpers/ui_fixture.h"

#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/project/address_replace_dialog.h"

#include "core/csv/csv_tables.h"
#include "core/model/dorvane_doc.h"
#include "core/xref/address_users.h"

#include "util/file_io.h"
#include "util/message_ids.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using namespace ui;

namespace {

const QString kDialog = QStringLiteral("ui::CAddressReplaceDialog");

// Every device address of the project as the tag list writes it, in walk order.
std::vector<std::string> addresses(const core::CDorvaneDoc &doc)
{
    std::vector<std::string> out;
    for (const auto &use : core::xref::addressUses(doc))
        out.push_back(use.addr.CellText(doc.Slots()));
    return out;
}

QPushButton *okButton(CAddressReplaceDialog &d)
{
    return d.buttonBox()->button(QDialogButtonBox::Ok);
}

} // namespace

class TestAddressReplace : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }
    core::CDorvaneDoc &doc() { return *frame().document(); }

    void start()
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        QVERIFY(frame().openFile(m_folder->demoCopy()));
        frame().show();
    }

    // Opens the window from the project menu and lets `fill` drive it; it must close it.
    void runWindow(const std::function<void(CAddressReplaceDialog &)> &fill)
    {
        bool ran = false;
        uitest::ModalScript script({{kDialog, [&](QWidget *w) {
                                         ran = true;
                                         auto &d = *static_cast<CAddressReplaceDialog *>(w);
                                         QVERIFY(QTest::qWaitForWindowActive(&d));
                                         fill(d);
                                         // A failed check leaves the window open: close it.
                                         if (d.isVisible())
                                             d.reject();
                                     }}});
        frame().action(MainAction::ProjectReplace)->trigger();
        QVERIFY(ran);
    }

    // Types the range and the new start as a user does, from the first field on.
    static void typeMove(CAddressReplaceDialog &d, const QString &from, const QString &to)
    {
        QCOMPARE(QApplication::focusWidget(), d.fromEdit());
        QTest::keyClicks(d.fromEdit(), from);
        // The choice's mnemonic leads to its field: typing goes on there.
        QTest::keyClick(&d, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), d.toEdit());
        QTest::keyClicks(QApplication::focusWidget(), to);
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
    }

    void thePreviewListsEveryChangeAndCancelKeepsTheProject()
    {
        start();
        const auto before = addresses(doc());
        const int steps = frame().undoStack()->count();
        runWindow([&](CAddressReplaceDialog &d) {
            QVERIFY(!okButton(d)->isEnabled());
            typeMove(d, QStringLiteral("4x1-4x10"), QStringLiteral("4x1001"));
            const auto &plan = d.presenter().Plan();
            QVERIFY(!plan.changes.empty());
            QCOMPARE(d.preview()->topLevelItemCount(), int(plan.changes.size()));
            QCOMPARE(d.preview()->topLevelItem(0)->text(1).left(9), QStringLiteral("1-1-4x100"));
            QVERIFY(okButton(d)->isEnabled());
            // Only calculations: the list shrinks to them.
            for (int k = 0; k < core::xref::kUserKindCount; ++k)
                if (core::xref::UserKind(k) != core::xref::UserKind::Calculation)
                    d.kindCheck(core::xref::UserKind(k))->setChecked(false);
            QCOMPARE(d.preview()->topLevelItemCount(), 2);
            uitest::clickButton(&d, QDialogButtonBox::Cancel);
        });
        QCOMPARE(addresses(doc()), before);
        QCOMPARE(frame().undoStack()->count(), steps);
    }

    void okIsOneUndoStepAndRefusedAddressesAreAskedAbout()
    {
        start();
        const auto before = addresses(doc());
        const int steps = frame().undoStack()->count();
        uitest::MessageRecorder messages(Answer::Yes);
        runWindow([&](CAddressReplaceDialog &d) {
            typeMove(d, QStringLiteral("4x1-4x10"), QStringLiteral("4x65530"));
            // The refused ones come first, marked.
            QCOMPARE(d.preview()->topLevelItem(0)->text(3), CAddressReplaceDialog::tr("거부"));
            QVERIFY(d.summary()->text().contains(QLatin1Char('3')));
            QTest::keyClick(&d, Qt::Key_Return);
        });
        QCOMPARE(messages.ids, std::vector<int>{util::msg::kReplaceSkipRefused});
        const auto after = addresses(doc());
        QVERIFY(after != before);
        QCOMPARE(frame().undoStack()->count(), steps + 1);
        frame().undoStack()->undo();
        QCOMPARE(addresses(doc()), before);
        frame().undoStack()->redo();
        QCOMPARE(addresses(doc()), after);
    }

    void anOffsetMovesTheRange()
    {
        start();
        runWindow([&](CAddressReplaceDialog &d) {
            QTest::keyClicks(d.fromEdit(), QStringLiteral("4x6"));
            QTest::mouseClick(d.offsetRadio(), Qt::LeftButton);
            QVERIFY(!d.toEdit()->isEnabled());
            QCOMPARE(QApplication::focusWidget(), d.offsetBox());
            d.offsetBox()->setValue(100);
            QVERIFY(okButton(d)->isEnabled());
            QTest::mouseClick(okButton(d), Qt::LeftButton);
        });
        const auto now = addresses(doc());
        QVERIFY(std::find(now.begin(), now.end(), "1-1-4x106") != now.end());
        QVERIFY(std::find(now.begin(), now.end(), "1-1-4x6") == now.end());
    }

    void csvImportIsOneUndoStepAndARefusedFileChangesNothing()
    {
        start();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("messages.csv"));
        const int messages = int(core::csv::Table::Messages);
        QVERIFY(frame().exportCsv(messages, path));
        const auto written = util::readFile(path.toStdString());
        QVERIFY(written && !written->empty());
        QCOMPARE(std::string(written->begin(), written->end()),
                 core::csv::exportTable(doc(), core::csv::Table::Messages));

        // A translator's file: the first message changed.
        const auto rows = core::csv::exportRows(doc(), core::csv::Table::Messages);
        QVERIFY(rows.size() > 1);
        std::vector<core::csv::Row> changed = rows;
        changed[1].back() = "Translated";
        QVERIFY(util::writeFileAtomic(path.toStdString(), [&] {
            const std::string t = core::csv::write(changed);
            return util::Bytes(t.begin(), t.end());
        }()));
        const std::string before = core::csv::exportTable(doc(), core::csv::Table::Messages);
        const int steps = frame().undoStack()->count();
        QVERIFY(frame().importCsv(messages, path));
        QCOMPARE(frame().undoStack()->count(), steps + 1);
        QVERIFY(core::csv::exportTable(doc(), core::csv::Table::Messages) != before);
        frame().undoStack()->undo();
        QCOMPARE(core::csv::exportTable(doc(), core::csv::Table::Messages), before);

        // A number the project does not have: refused, named, nothing changed.
        changed[1].front() = "9999";
        const std::string bad = core::csv::write(changed);
        QVERIFY(util::writeFileAtomic(path.toStdString(), util::Bytes(bad.begin(), bad.end())));
        uitest::MessageRecorder recorder(Answer::Ok);
        QVERIFY(!frame().importCsv(messages, path));
        QCOMPARE(recorder.ids, std::vector<int>{util::msg::kCsvNoEntry});
        QVERIFY(recorder.texts.front().contains(QStringLiteral("9999")));
        QCOMPARE(core::csv::exportTable(doc(), core::csv::Table::Messages), before);
        QCOMPARE(frame().undoStack()->count(), steps + 1);
    }
};

QTEST_MAIN(TestAddressReplace)
#include "test_address_replace.moc"
