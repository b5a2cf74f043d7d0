// The dialog gallery over the demo project: every window opens filled, draws, names each input
// for screen readers, and leaves the project as it was; the command line draws one or all.

#include "helpers/ui_fixture.h"

#include "core/model/dorvane_doc.h"
#include "core/tags/tag.h"
#include "ui/app/dialog_gallery.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/tags/tag_prop_dialog.h"

#include "util/archive.h"

#include <QDialog>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace ui;

namespace {

const QString kDemo = QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr");

// Every tag's clipboard body, screen by screen.
std::vector<util::Bytes> projectBodies(const core::CDorvaneDoc &doc)
{
    std::vector<util::Bytes> out;
    for (const auto &screen : doc.Screens())
        for (const auto &tag : screen->Tags())
            out.push_back(core::CTagPropDlg::Body(*tag));
    return out;
}

} // namespace

class TestDialogGallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void everyDialogOpensDrawsAndIsLabelled()
    {
        uitest::ProgramFolder folder;
        uitest::MessageRecorder messages; // no message box may wait for a click here
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        QVERIFY(frame.openFile(kDemo));
        const auto before = projectBodies(*frame.document());
        const int steps = frame.undoStack()->count();
        QVERIFY(dialogGallery().size() >= 31);
        QStringList unlabelled;
        for (const GalleryEntry &entry : dialogGallery()) {
            GalleryDialog opened = entry.open(frame);
            QVERIFY2(opened.dialog, qPrintable(entry.name));
            opened.dialog->show();
            QVERIFY2(!opened.dialog->windowTitle().isEmpty(), qPrintable(entry.name));
            if (!uitest::everyInputLabelled(*opened.dialog))
                unlabelled << entry.name;
            const QImage picture = opened.dialog->grab().toImage();
            QVERIFY(picture.width() > 100 && picture.height() > 50);
            opened.dialog->reject();
        }
        QVERIFY2(unlabelled.isEmpty(), qPrintable(unlabelled.join(QStringLiteral(", "))));
        QVERIFY(projectBodies(*frame.document()) == before);
        QCOMPARE(frame.undoStack()->count(), steps);
    }

    void commandLineDrawsOneOrAllAndRefusesAnUnknownName()
    {
        const QString program = QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane");
        QTemporaryDir dir;
        QProcess one;
        one.start(program,
                  {QStringLiteral("--grab-dialog"), QStringLiteral("CDigitTagDialog"),
                   dir.filePath(QStringLiteral("n.png")), kDemo});
        QVERIFY(one.waitForFinished(60000));
        QCOMPARE(one.exitCode(), 0);
        QVERIFY(!QImage(dir.filePath(QStringLiteral("n.png"))).isNull());

        QProcess unknown;
        unknown.start(program,
                      {QStringLiteral("--grab-dialog"), QStringLiteral("CNoSuchDialog"),
                       dir.filePath(QStringLiteral("x.png")), kDemo});
        QVERIFY(unknown.waitForFinished(60000));
        QVERIFY(unknown.exitCode() != 0);
        QVERIFY(unknown.readAllStandardError().contains("CDigitTagDialog"));

        QProcess all;
        all.start(program,
                  {QStringLiteral("--grab-dialogs"), dir.filePath(QStringLiteral("all")), kDemo});
        QVERIFY(all.waitForFinished(120000));
        QCOMPARE(all.exitCode(), 0);
        for (const QString &name : dialogGalleryNames())
            QVERIFY2(!QImage(dir.filePath(QStringLiteral("all/") + name + ".png")).isNull(),
                     qPrintable(name));
    }
};

QTEST_MAIN(TestDialogGallery)
#include "test_dialog_gallery.moc"
