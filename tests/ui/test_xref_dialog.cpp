// The cross-reference window over the demo: the project menu opens it, a point lists its users,
// the filter narrows the list, and a double click on a user leads to its tag or its list.

#include "helpers/modal_script.h"
#include "helpers/ui_fixture.h"

#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/canvas/screen_canvas.h"
#include "ui/project/xref_dialog.h"
#include "ui/view/dorvane_view.h"

#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/xref/cross_reference.h"
#include "core/xref/xref_text.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

using namespace ui;

namespace {

// A point of the demo read by a lamp of screen 3 and by alarm 1.
const QString kPoint = QStringLiteral("1-1-1x2");

QTreeWidgetItem *topItem(const QTreeWidget &tree, const QString &text)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (tree.topLevelItem(i)->text(0) == text)
            return tree.topLevelItem(i);
    return nullptr;
}

void doubleClick(QTreeWidget &tree, QTreeWidgetItem *item)
{
    tree.scrollToItem(item);
    const QPoint at = tree.visualItemRect(item).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestXrefDialog : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;

    CMainFrame &frame() { return *m_app->mainFrame(); }

    void start()
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        QVERIFY(frame().openFile(m_folder->demoCopy()));
        frame().show();
    }

    // Opens the window through the project menu.
    CXrefDialog *openWindow()
    {
        QAction *command = frame().action(MainAction::ProjectXref);
        if (!command->isEnabled())
            return nullptr;
        command->trigger();
        auto *dialog = frame().findChild<CXrefDialog *>();
        if (dialog && !QTest::qWaitForWindowExposed(dialog))
            return nullptr;
        return dialog;
    }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
    }

    void theProjectMenuOpensItWhileAProjectIsOpen()
    {
        start();
        QAction *command = frame().action(MainAction::ProjectXref);
        const auto *menu = frame().menuBar()->findChild<QMenu *>(QStringLiteral("projectMenu"));
        QVERIFY(menu);
        const QList<QAction *> items = menu->actions();
        const qsizetype plcType = items.indexOf(frame().action(MainAction::ProjectPlcType));
        // The project-wide tools follow the settings, after a separator.
        QVERIFY(items[plcType + 1]->isSeparator());
        QCOMPARE(items.indexOf(command), plcType + 2);
        QCOMPARE(items.indexOf(frame().action(MainAction::ProjectReplace)), plcType + 3);
        CXrefDialog *dialog = openWindow();
        QVERIFY(dialog);
        QCOMPARE(QApplication::focusWidget(), dialog->filterEdit());
        // Closing the project closes the window, whose lines name its places.
        QPointer<CXrefDialog> guard(dialog);
        frame().closeProject();
        QVERIFY(!command->isEnabled());
        QTRY_VERIFY(!guard || !guard->isVisible());
    }

    void aPointListsItsUsersAndTheFilterNarrowsTheList()
    {
        start();
        CXrefDialog *dialog = openWindow();
        QVERIFY(dialog);
        QTreeWidget &tree = *dialog->tree();
        const int everything = tree.topLevelItemCount();
        const QTreeWidgetItem *point = topItem(tree, kPoint);
        QVERIFY(point);
        QCOMPARE(point->text(3), QStringLiteral("R"));
        const auto x = core::xref::CCrossReference::Build(*frame().document());
        const auto &users = x.Points()[*x.Find(kPoint.toStdString())].users;
        QCOMPARE(point->childCount(), int(users.size()));
        QCOMPARE(users.size(), std::size_t(2));
        for (std::size_t i = 0; i < users.size(); ++i)
            QCOMPARE(point->child(int(i))->text(0),
                     QString::fromStdString(core::xref::userText(users[i])));
        // A word and a block transfer's words at one address: the size tells them apart.
        QStringList sizes;
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            if (tree.topLevelItem(i)->text(0) == QStringLiteral("1-1-4x1"))
                sizes << tree.topLevelItem(i)->text(1);
        QCOMPARE(sizes.size(), 2);
        QVERIFY(sizes[0] != sizes[1]);
        // Overlapping points are named under each other.
        const QTreeWidgetItem *block = topItem(tree, QStringLiteral("0-0-101"));
        QVERIFY(block);
        QVERIFY(block->child(block->childCount() - 1)->text(0).contains(QStringLiteral("0-0-100")));

        QTest::keyClicks(dialog->filterEdit(), QStringLiteral("1x2"));
        QVERIFY(tree.topLevelItemCount() >= 1 && tree.topLevelItemCount() < everything);
        QVERIFY(topItem(tree, kPoint));
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            QVERIFY(tree.topLevelItem(i)->text(0).contains(QStringLiteral("1x2")));
        dialog->filterEdit()->clear();
        QCOMPARE(tree.topLevelItemCount(), everything);
        // The kind of user: only points an alarm reads.
        dialog->kindBox()->setCurrentIndex(1 + int(core::xref::UserKind::Alarm));
        QCOMPARE(tree.topLevelItemCount(),
                 int(x.Filtered({{}, {}, core::xref::UserKind::Alarm}).size()));
        QVERIFY(topItem(tree, kPoint));
        QVERIFY(!topItem(tree, QStringLiteral("0-0-101")));
    }

    void aDoubleClickedUserLeadsToItsTagOrItsList()
    {
        start();
        CXrefDialog *dialog = openWindow();
        QVERIFY(dialog);
        QTreeWidget &tree = *dialog->tree();
        QTreeWidgetItem *point = topItem(tree, kPoint);
        QVERIFY(point);
        point->setExpanded(true);

        doubleClick(tree, point->child(0));
        CDorvaneView *view = frame().activeView();
        QVERIFY(view);
        QCOMPARE(view->screenNumber(), std::uint16_t(3));
        const core::CScreenData *screen = frame().document()->FindScreen(3);
        QCOMPARE(view->canvas()->selection(), std::vector<core::CTag *>{screen->Tags()[0].get()});

        uitest::ModalScript script({{QStringLiteral("ui::CRecordListDialog"), [](QWidget *w) {
                                         uitest::clickButton(w, QDialogButtonBox::Cancel);
                                     }}});
        doubleClick(tree, point->child(1));
        QCOMPARE(script.count[QStringLiteral("ui::CRecordListDialog")], 1);
    }
};

QTEST_MAIN(TestXrefDialog)
#include "test_xref_dialog.moc"
