// The dialog gallery over the demo project: every window opens filled, draws, names each input
// for screen readers, opens with the focus on its first input and OK as the default button, uses
// no mnemonic twice, and leaves the project as it was; the command line draws one or all.

#include "helpers/ui_fixture.h"

#include "core/model/dorvane_doc.h"
#include "core/tags/tag.h"
#include "ui/app/dialog_gallery.h"
#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/tags/tag_prop_dialog.h"

#include "util/archive.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <algorithm>
#include <map>

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

// The mnemonics shown in the dialog (labels, buttons, group boxes) used twice: Alt and the
// letter then cycles between them instead of reaching one.
QStringList repeatedMnemonics(const QDialog &dialog)
{
    std::map<QChar, QString> seen;
    QStringList repeated;
    const auto note = [&](const QWidget *w, const QString &text) {
        if (!w->isVisibleTo(&dialog))
            return;
        const QChar m = uitest::mnemonicOf(text);
        if (m.isNull())
            return;
        const auto [it, fresh] = seen.emplace(m, text);
        if (!fresh)
            repeated << QStringLiteral("%1 (%2, %3)").arg(m, it->second, text);
    };
    for (const QLabel *w : dialog.findChildren<QLabel *>())
        if (w->buddy())
            note(w, w->text());
    for (const QAbstractButton *w : dialog.findChildren<QAbstractButton *>())
        note(w, w->text());
    for (const QGroupBox *w : dialog.findChildren<QGroupBox *>())
        if (w->isCheckable())
            note(w, w->title());
    return repeated;
}

// Opening: the focus on an input when the dialog has one, and OK the default button.
QString openingFault(const QDialog &dialog)
{
    const auto inputs = dialog.findChildren<QWidget *>();
    const bool hasInput = std::any_of(inputs.begin(), inputs.end(), [&](const QWidget *w) {
        const auto *edit = qobject_cast<const QLineEdit *>(w);
        const auto *spin = qobject_cast<const QAbstractSpinBox *>(w);
        const bool typed = (edit && !edit->isReadOnly()) || (spin && !spin->isReadOnly())
                || qobject_cast<const QComboBox *>(w);
        return typed && w->isVisibleTo(&dialog) && w->isEnabled();
    });
    // On the first field: an entry, or a dialog's own first control (a colour button), never
    // a button of the OK/Cancel row.
    const QWidget *focus = dialog.focusWidget();
    const auto *box = dialog.findChild<QDialogButtonBox *>();
    if (hasInput && (!focus || (box && box->isAncestorOf(focus))))
        return QStringLiteral("focus on %1")
                .arg(focus ? focus->metaObject()->className() : "nothing");
    if (box) {
        if (const QPushButton *ok = box->button(QDialogButtonBox::Ok); ok && !ok->isDefault())
            return QStringLiteral("OK is not the default button");
    }
    return {};
}

} // namespace

class TestDialogGallery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { uitest::isolateSettings(); }

    void everyDialogOpensDrawsAndIsLabelled_data()
    {
        QTest::addColumn<QByteArray>("lang");
        QTest::newRow("Korean") << QByteArray("0x412");
        QTest::newRow("English") << QByteArray("0x409");
    }

    void everyDialogOpensDrawsAndIsLabelled()
    {
        QFETCH(QByteArray, lang);
        uitest::ProgramFolder folder;
        folder.setLanguage(lang);
        uitest::MessageRecorder messages; // no message box may wait for a click here
        CDorvaneApp app(folder.path());
        QVERIFY(app.start());
        CMainFrame &frame = *app.mainFrame();
        QVERIFY(frame.openFile(kDemo));
        const auto before = projectBodies(*frame.document());
        const int steps = frame.undoStack()->count();
        QVERIFY(dialogGallery().size() >= 31);
        QStringList unlabelled;
        QStringList faults;
        for (const GalleryEntry &entry : dialogGallery()) {
            GalleryDialog opened = entry.open(frame);
            QVERIFY2(opened.dialog, qPrintable(entry.name));
            opened.dialog->show();
            QVERIFY2(!opened.dialog->windowTitle().isEmpty(), qPrintable(entry.name));
            if (!uitest::everyInputLabelled(*opened.dialog))
                unlabelled << entry.name;
            for (const QString &repeated : repeatedMnemonics(*opened.dialog))
                faults << entry.name + QStringLiteral(": mnemonic ") + repeated;
            if (const QString fault = openingFault(*opened.dialog); !fault.isEmpty())
                faults << entry.name + QStringLiteral(": ") + fault;
            const QImage picture = opened.dialog->grab().toImage();
            QVERIFY(picture.width() > 100 && picture.height() > 50);
            opened.dialog->reject();
        }
        QVERIFY2(unlabelled.isEmpty(), qPrintable(unlabelled.join(QStringLiteral(", "))));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
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
