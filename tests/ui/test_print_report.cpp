// The project report and the screen pictures: the headless commands on the demo project (the
// PDF's text layer and page count through poppler's pdftotext and pdfinfo, the bare pictures
// pixel by pixel), the print preview from the File menu, and the picture export window.

#include "helpers/ui_fixture.h"

#include "ui/app/dorvane_app.h"
#include "ui/app/main_frame.h"
#include "ui/print/picture_export_dialog.h"
#include "ui/print/report_renderer.h"
#include "ui/print/report_setup_dialog.h"
#include "ui/print/screen_scope_box.h"
#include "ui/project/tag_list_dialog.h"

#include "core/functions/alarm_record.h"
#include "core/functions/user_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/plc/channel_params.h"
#include "core/presenters/alarm_dlg.h"
#include "core/report/project_report.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"
#include "core/tags/text_tag.h"

#include "support/recording_prompt.h"
#include "util/messages.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

using namespace ui;

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

Run dorvane(const QStringList &args)
{
    return run(QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane"), args);
}

// Line breaks of wrapped table cells and the layout's spacing aside.
QString squeezed(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s+")));
}

int pdfPages(const QString &pdf)
{
    const Run info = run(QStringLiteral("pdfinfo"), {pdf});
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// One entry of pdfinfo's document information ("Title", "Subject", ...), empty when missing.
QString pdfInfoEntry(const Run &info, const QString &key)
{
    const auto m = QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                      QRegularExpression::MultilineOption)
                           .match(info.out);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

} // namespace

class TestPrintReport : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<uitest::ProgramFolder> m_folder;
    std::unique_ptr<CDorvaneApp> m_app;
    QString m_demo;

    CMainFrame &frame() { return *m_app->mainFrame(); }

    static void chooseScreens(CReportSetupDialog &setup, const QString &list)
    {
        setup.findChildren<QRadioButton *>().at(2)->click(); // screen numbers
        setup.scopeBox()->listEdit()->clear();
        QTest::keyClicks(setup.scopeBox()->listEdit(), list);
    }

    static void clickOk(QDialog &dialog)
    {
        QTest::mouseClick(dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
    }
    const core::CDorvaneDoc &doc() { return *frame().document(); }

private slots:
    void initTestCase()
    {
        uitest::isolateSettings();
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils (pdftotext, pdfinfo) are not installed");
    }

    void init()
    {
        m_folder = std::make_unique<uitest::ProgramFolder>();
        m_app = std::make_unique<CDorvaneApp>(m_folder->path());
        QVERIFY(m_app->start());
        m_demo = m_folder->file(QStringLiteral("Project/Demo.kvr"));
        QVERIFY(QFile::copy(QStringLiteral(DORVANE_RUNTIME_DIR "/Project/Demo.kvr"), m_demo));
        QVERIFY(frame().openFile(m_demo));
    }

    void cleanup()
    {
        m_app.reset();
        m_folder.reset();
    }

    void headlessReportHoldsEveryScreenAddressAndAlarm()
    {
        const QString pdf = m_folder->file(QStringLiteral("demo.pdf"));
        const Run r = dorvane({QStringLiteral("--export-pdf"), m_demo, pdf});
        QCOMPARE(r.status, 0);
        const int pages = pdfPages(pdf);
        QVERIFY(r.out.contains(QStringLiteral("%1 pages").arg(pages)));
        // A cover, a page or more per screen, then the lists, messages, images and memory map.
        QVERIFY(pages >= 1 + int(doc().Screens().size()) + 4);

        const Run text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QCOMPARE(text.status, 0);
        const QString all = squeezed(text.out);
        const std::uint16_t lang = frame().panelLangId();
        for (const auto &screen : doc().Screens()) {
            const QString name
                    = QString::fromStdString(core::usertext::ToUser(screen->Name(), lang));
            QVERIFY2(all.contains(squeezed(name)), qPrintable(name));
            for (const auto &tag : screen->Tags())
                for (const core::CPointInfo *p : core::devicePoints(*tag)) {
                    const QString address = QString::fromStdString(p->m_address + p->m_second);
                    QVERIFY2(all.contains(address), qPrintable(address));
                }
        }
        support::RecordingPrompt prompt;
        const core::FunctionEnv env{doc().Slots(), prompt, lang};
        QVERIFY(!doc().Alarms().empty());
        for (const auto &raw : doc().Alarms()) {
            const QString message = QString::fromStdString(
                    core::AlarmText::Cell(env.plcSlots, env.panelLang, core::CAlarmRecord(raw),
                                          core::CAlarmDlg::kColMessage));
            QVERIFY2(all.contains(squeezed(message)), qPrintable(message));
        }

        // The same report of one screen is shorter and names only it.
        const Run one = dorvane({QStringLiteral("--export-pdf"), m_demo, pdf,
                                 QStringLiteral("--screens"), QStringLiteral("0")});
        QCOMPARE(one.status, 0);
        QVERIFY(pdfPages(pdf) < pages);
    }

    void pdfCarriesTheProjectAsTitleAndAnUnusedChannelAsSuch()
    {
        QCOMPARE(core::CChannelParams(doc().Channel(2)).PlcType(), 0); // the demo leaves it unused
        const QString pdf = m_folder->file(QStringLiteral("cover.pdf"));
        const int pages = frame().exportReportPdf(pdf, {0});
        QVERIFY(pages > 0);

        const Run info = run(QStringLiteral("pdfinfo"), {pdf});
        QCOMPARE(info.status, 0);
        QVERIFY2(info.err.isEmpty(), qPrintable(info.err)); // the amended information reads cleanly
        QCOMPARE(pdfInfoEntry(info, QStringLiteral("Title")), QFileInfo(m_demo).fileName());
        QVERIFY(!pdfInfoEntry(info, QStringLiteral("Subject")).isEmpty());
        QCOMPARE(pdfInfoEntry(info, QStringLiteral("Creator")), QStringLiteral("Dorvane"));
        QCOMPARE(pdfPages(pdf), pages);

        // The cover names channel 2 unused and prints none of the settings its record keeps
        // (38400 baud); channel 1 shows its slave station.
        const QString cover
                = squeezed(run(QStringLiteral("pdftotext"),
                               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                QStringLiteral("1"), pdf, QStringLiteral("-")})
                                   .out);
        for (core::ReportLabel l : {core::ReportLabel::Channel2, core::ReportLabel::ChannelUnused,
                                    core::ReportLabel::SlaveStation})
            QVERIFY2(cover.contains(squeezed(CReportRenderer::labelText(l))),
                     qPrintable(CReportRenderer::labelText(l)));
        QVERIFY(!cover.contains(QStringLiteral("38400")));
    }

    void barePictureIsTheDisplayInBlackAndWhite()
    {
        const QString dir = m_folder->file(QStringLiteral("pictures"));
        const Run r
                = dorvane({QStringLiteral("--export-png"), m_demo, dir, QStringLiteral("--screens"),
                           QStringLiteral("0"), QStringLiteral("--bare")});
        QCOMPARE(r.status, 0);
        const QImage image(QDir(dir).filePath(QStringLiteral("screen_000.png")));
        QCOMPARE(image.size(), QSize(192, 64));
        const core::CScreenData *screen = doc().FindScreen(0);
        QVERIFY(screen && screen->TagCount() > 0);
        QImage lit(image.size(), QImage::Format_Mono);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 192; ++x) {
                const QRgb px = image.pixel(x, y) & 0xFFFFFF;
                QVERIFY2(px == 0 || px == 0xFFFFFF, "only black and white");
            }
        // Every tag lights pixels inside its rectangle, and nothing outside all tags is lit.
        QVERIFY(!screen->IsBackgroundOn());
        std::vector<QRect> rects;
        for (const auto &tag : screen->Tags()) {
            const core::CRect &c = tag->Rect();
            const QRect rect(QPoint(c.left, c.top), QPoint(c.right - 1, c.bottom - 1));
            rects.push_back(rect);
            bool any = false;
            for (int y = std::max(0, rect.top()); y <= std::min(63, rect.bottom()) && !any; ++y)
                for (int x = std::max(0, rect.left()); x <= std::min(191, rect.right()); ++x)
                    any = any || (image.pixel(x, y) & 0xFFFFFF) == 0;
            QVERIFY2(any, qPrintable(QStringLiteral("tag at %1,%2").arg(c.left).arg(c.top)));
        }
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 192; ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == 0)
                    QVERIFY(std::any_of(rects.begin(), rects.end(),
                                        [&](const QRect &rc) { return rc.contains(x, y); }));

        const Run scaled = dorvane({QStringLiteral("--export-png"), m_demo, dir,
                                    QStringLiteral("--scale"), QStringLiteral("3")});
        QCOMPARE(scaled.status, 0);
        QCOMPARE(QDir(dir).entryList({QStringLiteral("*.png")}).size(),
                 int(doc().Screens().size()));
    }

    void badCommandLinesFailClearly()
    {
        const QString out = m_folder->file(QStringLiteral("x.pdf"));
        QCOMPARE(dorvane({QStringLiteral("--export-pdf"), m_demo}).status, 2);
        QCOMPARE(dorvane({QStringLiteral("--export-pdf"), m_demo, out, QStringLiteral("--screens"),
                          QStringLiteral("3-1")})
                         .status,
                 2);
        QCOMPARE(dorvane({QStringLiteral("--export-png"), m_demo, out, QStringLiteral("--scale"),
                          QStringLiteral("0")})
                         .status,
                 2);
        QCOMPARE(dorvane({QStringLiteral("--export-pdf"), m_folder->file("none.kvr"), out}).status,
                 1);
        QCOMPARE(dorvane({QStringLiteral("--export-pdf"), m_demo, out, QStringLiteral("--screens"),
                          QStringLiteral("998")})
                         .status,
                 1);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(dorvane({QStringLiteral("--export-pdf"), m_demo,
                          m_folder->file(QStringLiteral("no/such/dir/x.pdf"))})
                         .status,
                 1);
    }

    // Past a file-size limit (a full disk) the export fails and what was there stays; a named
    // pipe gets the report as a redirection would, a folder is refused.
    void failedExportLeavesTheOldFilesAsTheyWere()
    {
        const auto limited = [&](int blocks, const QString &mode, const QString &out) {
            return run(
                    QStringLiteral("sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\"").arg(blocks),
                     QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane"), mode, m_demo, out});
        };
        const auto writeOld = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("old") == 3;
        };
        const auto isOld = [](const QString &path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) && file.readAll() == "old";
        };

        const QString pdf = m_folder->file(QStringLiteral("old.pdf"));
        QVERIFY(writeOld(pdf));
        const Run report = limited(40, QStringLiteral("--export-pdf"), pdf);
        QCOMPARE(report.status, 1);
        QVERIFY2(!report.out.contains(QStringLiteral("pages")), qPrintable(report.out));
        QVERIFY(isOld(pdf));

        const QString dir = m_folder->file(QStringLiteral("old pictures"));
        QVERIFY(QDir().mkpath(dir));
        QStringList names;
        for (const auto &screen : doc().Screens())
            names << QString::asprintf("screen_%03u.png", unsigned(screen->Number()));
        for (const QString &name : names)
            QVERIFY(writeOld(QDir(dir).filePath(name)));
        QCOMPARE(limited(1, QStringLiteral("--export-png"), dir).status, 1);
        for (const QString &name : names)
            QVERIFY2(isOld(QDir(dir).filePath(name)), qPrintable(name));
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), names.size());

        const QString fifo = m_folder->file(QStringLiteral("report.fifo"));
        const QString got = m_folder->file(QStringLiteral("got.pdf"));
        QCOMPARE(run(QStringLiteral("mkfifo"), {fifo}).status, 0);
        const Run piped = run(QStringLiteral("sh"),
                              {QStringLiteral("-c"),
                               QStringLiteral("timeout 60 cat \"$2\" > \"$3\" & \"$0\" "
                                              "--export-pdf \"$1\" \"$2\"; s=$?; wait; exit $s"),
                               QStringLiteral(DORVANE_RUNTIME_DIR "/dorvane"), m_demo, fifo, got});
        QCOMPARE(piped.status, 0);
        struct stat st
        { };
        QVERIFY(::stat(QFile::encodeName(fifo).constData(), &st) == 0 && S_ISFIFO(st.st_mode));
        QFile received(got);
        QVERIFY(received.open(QIODevice::ReadOnly));
        const QByteArray bytes = received.readAll();
        QVERIFY(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF"));

        const QString folder = m_folder->file(QStringLiteral("a folder.pdf"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(dorvane({QStringLiteral("--export-pdf"), m_demo, folder}).status, 1);
        QVERIFY(QFileInfo(folder).isDir());
    }

    void tableRunningOverAPageRepeatsItsHeaderRow()
    {
        core::CScreenData *screen = doc().FindScreen(0);
        for (int i = 0; i < 80; ++i) {
            auto text = std::make_unique<core::CTextTag>();
            text->SetText("T" + std::to_string(i));
            text->MoveTo(i % 180, i % 50);
            QCOMPARE(screen->AddTag(std::move(text), false), core::kTagOk);
        }
        const QString pdf = m_folder->file(QStringLiteral("long.pdf"));
        const int pages = frame().exportReportPdf(pdf, {0});
        QCOMPARE(pages, pdfPages(pdf));
        QVERIFY(pages > 1 + 1 + 4);
        // The screen's tag table starts on page 2 and runs on to the pages before the lists
        // (the last four sections): each of them starts with the table's header row again.
        QString table;
        for (int page = 3; page <= pages - 4; ++page) {
            const QString number = QString::number(page);
            const Run r = run(QStringLiteral("pdftotext"),
                              {QStringLiteral("-f"), number, QStringLiteral("-l"), number, pdf,
                               QStringLiteral("-")});
            const QString text = squeezed(r.out);
            for (core::ReportLabel l : {core::ReportLabel::Kind, core::ReportLabel::Address,
                                        core::ReportLabel::Resources})
                QVERIFY2(text.contains(squeezed(CReportRenderer::labelText(l))),
                         qPrintable(number));
            table += text;
        }
        QVERIFY(table.contains(QStringLiteral("79,29"))); // the last tag's position
    }

    void kindNamesAreTheTagListsTabsInTheResourceLanguage()
    {
        const auto restore = qScopeGuard(
                [saved = util::messageLanguage()] { util::setMessageLanguage(saved); });
        const auto kindLabel = [](int kind) {
            return core::ReportLabel(int(core::ReportLabel::kKindFirst) + kind);
        };
        for (const std::uint16_t language : {std::uint16_t(0x412), util::kResEnglish}) {
            util::setMessageLanguage(language);
            const CTagListDialog list(*doc().FindScreen(0));
            for (int kind = 0; kind < core::kTagKindCount; ++kind)
                QCOMPARE(CReportRenderer::labelText(kindLabel(kind)), list.tabs()->tabText(kind));
        }
        QCOMPARE(CReportRenderer::labelText(kindLabel(core::kTagGraph2)),
                 QStringLiteral("Trend graph"));
    }

    void previewFromTheMenuShowsTheReportPages()
    {
        const int pages = frame().exportReportPdf(m_folder->file(QStringLiteral("r.pdf")), {0, 1});
        QVERIFY(pages > 0);
        QAction *preview = frame().action(ui::MainAction::FilePrintPreview);
        QVERIFY(preview && preview->isEnabled());
        QCOMPARE(frame().action(ui::MainAction::FilePrint)->shortcut(),
                 QKeySequence(QKeySequence::Print));
        int shown = -1;
        QTimer::singleShot(0, this, [&] {
            auto *setup = qobject_cast<CReportSetupDialog *>(QApplication::activeModalWidget());
            if (!setup)
                return;
            QVERIFY(uitest::everyInputLabelled(*setup));
            chooseScreens(*setup, QStringLiteral("0-1"));
            QTimer::singleShot(0, this, [&] {
                auto *dialog
                        = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
                if (!dialog)
                    return;
                auto *view = dialog->findChild<QPrintPreviewWidget *>();
                QTRY_VERIFY_WITH_TIMEOUT(view && view->pageCount() > 0, 10000);
                shown = view->pageCount();
                dialog->reject();
            });
            clickOk(*setup);
        });
        preview->trigger();
        QCOMPARE(shown, pages);
    }

    void pdfFromTheMenuCoversTheChosenScreensWithNumberedPages()
    {
        const QString pdf = m_folder->file(QStringLiteral("menu.pdf"));
        bool asked = false;
        QTimer::singleShot(0, this, [&] {
            auto *setup = qobject_cast<CReportSetupDialog *>(QApplication::activeModalWidget());
            if (!setup)
                return;
            // A list naming no screen of the project is refused and keeps the window open.
            uitest::MessageRecorder messages;
            chooseScreens(*setup, QStringLiteral("1,998"));
            clickOk(*setup);
            QCOMPARE(messages.ids, std::vector<int>{util::msg::kBadValue});
            QVERIFY(setup->isVisible());
            setup->widthBox()->setValue(40);
            QVERIFY(!setup->crossReferenceCheck()->isChecked());
            // On its box: a check box spanning the row takes clicks on its box and text only.
            QCheckBox *xref = setup->crossReferenceCheck();
            QTest::mouseClick(xref, Qt::LeftButton, {}, QPoint(8, xref->height() / 2));
            QVERIFY(xref->isChecked());
            chooseScreens(*setup, QStringLiteral("1"));
            asked = true;
            QTimer::singleShot(0, this, [&] {
                auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
                QVERIFY(files);
                files->selectFile(pdf);
                static_cast<QDialog *>(files)->accept();
            });
            clickOk(*setup);
        });
        frame().action(ui::MainAction::FileExportPdf)->trigger();
        QVERIFY(asked);
        const int pages = pdfPages(pdf);
        QCOMPARE(pages,
                 frame().exportReportPdf(m_folder->file(QStringLiteral("one.pdf")), {1}, 40, true));
        // The cross-reference was asked for: it closes the report, after the memory map.
        QVERIFY(pages
                > frame().exportReportPdf(m_folder->file(QStringLiteral("plain.pdf")), {1}, 40));

        // Screen 1's section and no other screen's; every footer counts the whole report.
        const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).out;
        const std::uint16_t lang = frame().panelLangId();
        for (const auto &screen : doc().Screens()) {
            const QString name
                    = QString::fromStdString(core::usertext::ToUser(screen->Name(), lang));
            QCOMPARE(squeezed(text).contains(squeezed(name)), screen->Number() == 1);
        }
        QVERIFY(text.contains(QStringLiteral("1-1-1x2")));
        for (int page = 1; page <= pages; ++page)
            QVERIFY2(squeezed(text).contains(QStringLiteral("%1/%2").arg(page).arg(pages)),
                     qPrintable(QString::number(page)));
    }

    void pictureWindowWritesTheChosenScreens()
    {
        const QString dir = m_folder->file(QStringLiteral("out"));
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<CPictureExportDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen = true;
            QVERIFY(uitest::everyInputLabelled(*dialog));
            dialog->findChildren<QRadioButton *>().at(2)->click(); // screen numbers
            dialog->listEdit()->clear();
            QTest::keyClicks(dialog->listEdit(), QStringLiteral("0-1"));
            dialog->findChild<QCheckBox *>()->setChecked(true);
            dialog->folderEdit()->clear();
            QTest::keyClicks(dialog->folderEdit(), dir);
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok),
                              Qt::LeftButton);
        });
        frame().action(ui::MainAction::FileExportPictures)->trigger();
        QVERIFY(seen);
        QCOMPARE(QDir(dir).entryList({QStringLiteral("*.png")}),
                 QStringList({QStringLiteral("screen_000.png"), QStringLiteral("screen_001.png")}));
        QCOMPARE(QImage(QDir(dir).filePath(QStringLiteral("screen_000.png"))).size(),
                 QSize(192, 64));
    }
};

QTEST_MAIN(TestPrintReport)
#include "test_print_report.moc"
