// The project controller without a main window: screen operations as undo steps, the signals the
// windows follow, and the modified flag.

#include "helpers/ui_fixture.h"

#include "ui/app/project_controller.h"

#include "core/app/app_services.h"
#include "core/editor/screen_snapshot.h"
#include "core/model/dorvane_doc.h"

#include "util/code_page.h"

#include <QDir>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <memory>

using ui::CProjectController;

class TestProjectController : public QObject
{
    Q_OBJECT

    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<core::CAppServices> m_services;
    std::unique_ptr<CProjectController> m_project;

    core::CDorvaneDoc &doc() { return *m_project->document(); }
    QUndoStack &undo() { return *m_project->undoStack(); }
    std::vector<std::uint16_t> numbers()
    {
        std::vector<std::uint16_t> out;
        for (const auto &s : doc().Screens())
            out.push_back(s->Number());
        return out;
    }
    util::Bytes record(std::uint16_t n) { return core::captureScreen(*doc().FindScreen(n)).record; }

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void init()
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_services = std::make_unique<core::CAppServices>();
        m_services->Load(m_folder->path().toStdString(), util::kLangKorean);
        m_project = std::make_unique<CProjectController>(*m_services);
        const QString path = QDir(m_folder->file("Project")).filePath("c.kvr");
        QSignalSpy opened(m_project.get(), &CProjectController::documentChanged);
        QVERIFY(m_project->newProject(m_services->NewProjectDefaults(path.toStdString())));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(numbers(), std::vector<std::uint16_t>{0});
    }

    void cleanup()
    {
        m_project.reset();
        m_services.reset();
        m_folder.reset();
    }

    void addedScreenIsOneUndoStepAndTellsTheWindows()
    {
        QSignalSpy changed(m_project.get(), &CProjectController::screensChanged);
        QSignalSpy removing(m_project.get(), &CProjectController::screenRemoving);
        std::uint16_t added = 0;
        QCOMPARE(m_project->addScreen(7, "seven", &added), 0);
        QCOMPARE(added, std::uint16_t(7));
        QCOMPARE(undo().count(), 1);
        QVERIFY(changed.count() >= 1);
        const util::Bytes bytes = record(7);

        // Refusals push nothing.
        QCOMPARE(m_project->addScreen(7, "again"), 52201);
        QCOMPARE(m_project->addScreen(1000, "far"), 52300);
        QCOMPARE(undo().count(), 1);

        undo().undo();
        QCOMPARE(numbers(), std::vector<std::uint16_t>{0});
        QCOMPARE(removing.count(), 1);
        QCOMPARE(removing.front().front().value<std::uint16_t>(), std::uint16_t(7));
        undo().redo();
        QCOMPARE(numbers(), (std::vector<std::uint16_t>{0, 7}));
        QCOMPARE(record(7), bytes);
    }

    void deletingScreensIsOneStepThatRestoresTheSameBytes()
    {
        for (int n : {1, 2, 3})
            QCOMPARE(m_project->addScreen(n, "s" + std::to_string(n)), 0);
        const util::Bytes one = record(1), three = record(3);
        const int steps = undo().count();

        QVERIFY(m_project->deleteScreens({1, 3}));
        QCOMPARE(numbers(), (std::vector<std::uint16_t>{0, 2}));
        QCOMPARE(undo().count(), steps + 1);

        undo().undo();
        QCOMPARE(numbers(), (std::vector<std::uint16_t>{0, 1, 2, 3}));
        QCOMPARE(record(1), one);
        QCOMPARE(record(3), three);
        undo().redo();
        QCOMPARE(numbers(), (std::vector<std::uint16_t>{0, 2}));
    }

    void theLastScreenIsNeverDeleted()
    {
        QVERIFY(!m_project->deleteScreens({0}));
        QCOMPARE(undo().count(), 0);
        QCOMPARE(numbers(), std::vector<std::uint16_t>{0});
    }

    void pastedScreensTakeFreeNumbersInOneStep()
    {
        QCOMPARE(m_project->addScreen(4, "four"), 0);
        const util::Bytes clip = m_project->encodeScreens({0, 4});
        const int steps = undo().count();
        QCOMPARE(m_project->pasteScreens(util::ConstByteSpan(clip.data(), clip.size())), 0);
        QCOMPARE(doc().Screens().size(), std::size_t(4));
        QCOMPARE(undo().count(), steps + 1);
        undo().undo();
        QCOMPARE(numbers(), (std::vector<std::uint16_t>{0, 4}));

        // Data that is no screen clipboard adds nothing and pushes nothing.
        const std::uint8_t junk[] = {9, 9, 9};
        QCOMPARE(m_project->pasteScreens(util::ConstByteSpan(junk, sizeof junk)), 0);
        QCOMPARE(undo().count(), steps + 1);
    }

    void modifiedFlagFollowsSaveUndoAndRedo()
    {
        QSignalSpy modified(m_project.get(), &CProjectController::modifiedChanged);
        // A new project is modified until its first save.
        QVERIFY(m_project->isModified());
        QCOMPARE(m_project->addScreen(2, "two"), 0);
        std::string error;
        QVERIFY(m_project->saveProject(doc().Path(), &error));
        QVERIFY(!m_project->isModified());
        QVERIFY(!doc().IsModified());
        QCOMPARE(modified.last().front().toBool(), false);

        undo().undo();
        QVERIFY(m_project->isModified());
        QVERIFY(doc().IsModified());
        QCOMPARE(modified.last().front().toBool(), true);
        undo().redo();
        QVERIFY(!m_project->isModified());

        // Reopened, the project is clean and its undo history empty.
        const std::string path = doc().Path();
        QVERIFY(m_project->openProject(path));
        QVERIFY(!m_project->isModified());
        QCOMPARE(undo().count(), 0);
        QCOMPARE(numbers(), (std::vector<std::uint16_t>{0, 2}));

        QSignalSpy closed(m_project.get(), &CProjectController::documentChanged);
        m_project->closeProject();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!m_project->document());
        QVERIFY(!m_project->isModified());
    }
};

QTEST_MAIN(TestProjectController)
#include "test_project_controller.moc"
