#include "ui/app/dorvane_app.h"

#include "ui/app/dialog_gallery.h"
#include "ui/app/main_frame.h"
#include "ui/common/message_box.h"

#include "core/model/dorvane_doc.h"
#include "core/report/project_report.h"

#include "util/code_page.h"
#include "util/messages.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

#include <cstdio>

namespace ui {

CDorvaneApp::CDorvaneApp(QString programDir)
    : m_dir(std::move(programDir))
{ }

CDorvaneApp::~CDorvaneApp()
{
    // The window refers to the services; it goes first.
    m_frame.reset();
    if (m_translated)
        QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
}

bool CDorvaneApp::start()
{
    // Configuration, catalogues, managers and driver slots.
    m_services.Load(m_dir.toStdString(), util::systemDefaultLangId());
    const core::CAppConfig &config = m_services.Config();
    util::setMessageLanguage(config.resourceLang());

    m_picture = QImage(QString::fromStdString(config.panelPictureFile()));
    if (m_picture.isNull())
        return false;

    // The resource language's translation; without one the built-in Korean texts stay.
    const std::string qm = config.resources().dllOf(config.resourceLang());
    if (!qm.empty() && m_translator.load(m_dir + '/' + QString::fromStdString(qm)))
        m_translated = QCoreApplication::installTranslator(&m_translator);
    // Qt's own buttons and dialogs follow the same language (English is Qt's own).
    if (config.resourceLang() != util::kResEnglish
        && m_qtTranslator.load(QLocale(QLocale::Korean), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);

    // Every window, the screen windows inside the frame too, shows the program's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/dorvane.svg")));
    m_frame = std::make_unique<CMainFrame>(m_services, m_picture);
    return true;
}

void CDorvaneApp::reportConfigProblems() const
{
    // A damaged program folder is named (file and key) before anything fails because of it;
    // headless runs print it, as their messages go to standard error.
    for (const core::ConfigProblem &problem : m_services.Config().problems())
        showMessage(m_frame.get(), problem.id, QString::fromStdString(problem.text()));
}

QString CDorvaneApp::usage()
{
    return QStringLiteral("Usage: dorvane [FILE.kvr]\n"
                          "       dorvane --grab OUT.png [FILE.kvr]\n"
                          "       dorvane --grab-dialog NAME OUT.png [FILE.kvr]\n"
                          "       dorvane --grab-dialogs DIR [FILE.kvr]\n"
                          "       dorvane --export-pdf FILE.kvr OUT.pdf [--screens LIST]"
                          " [--cross-reference]\n"
                          "       dorvane --export-png FILE.kvr DIR [--screens LIST] [--scale N]"
                          " [--bare]\n"
                          "\n"
                          "The engineering editor of the Velmar panels.\n"
                          "\n"
                          "  FILE.kvr          open this project\n"
                          "  --grab OUT.png    draw the main window with the project (or a new\n"
                          "                    one) into a PNG file and exit, without a display;\n"
                          "                    messages go to standard error\n"
                          "  --grab-dialog NAME OUT.png\n"
                          "                    draw one dialog, named by its class (for example\n"
                          "                    CDigitTagDialog), filled from the project\n"
                          "  --grab-dialogs DIR draw every dialog into DIR/NAME.png\n"
                          "  --export-pdf FILE.kvr OUT.pdf\n"
                          "                    write the project report as a PDF file\n"
                          "  --export-png FILE.kvr DIR\n"
                          "                    write each screen as DIR/screen_NNN.png\n"
                          "  --screens LIST    only these screens (for example 0,2-5)\n"
                          "  --scale N         image pixels per panel pixel (1 to 16, default 1)\n"
                          "  --bare            the display alone, black and white\n"
                          "  Exit status: 0 done, 1 the project or output failed, 2 bad options\n"
                          "  -h, --help        show this text and exit\n"
                          "  --version         show the version and exit\n");
}

int CDorvaneApp::run(const QStringList &args)
{
    if (args.contains(QLatin1String("--export-pdf"))
        || args.contains(QLatin1String("--export-png")))
        return runExport(args);
    QString grabOut, dialogName, dialogOut, dialogDir, project;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--grab") && i + 1 < args.size())
            grabOut = args[++i];
        else if (args[i] == QLatin1String("--grab-dialog") && i + 2 < args.size()) {
            dialogName = args[++i];
            dialogOut = args[++i];
        } else if (args[i] == QLatin1String("--grab-dialogs") && i + 1 < args.size())
            dialogDir = args[++i];
        else if (!args[i].startsWith(QLatin1String("--")))
            project = args[i];
    }
    const bool headless = !grabOut.isEmpty() || !dialogOut.isEmpty() || !dialogDir.isEmpty();
    if (headless) {
        // Nobody is there to click a message box: messages go to standard error, questions
        // are answered No.
        setMessageHandler([](int, const QString &text, AskKind) {
            std::fprintf(stderr, "dorvane: %s\n", text.toLocal8Bit().constData());
            return Answer::No;
        });
    }
    if (!start()) {
        if (headless)
            std::fprintf(stderr, "dorvane: the program folder %s is incomplete\n",
                         m_dir.toLocal8Bit().constData());
        return 1;
    }
    if (headless) {
        reportConfigProblems();
        m_frame->keepRecentFiles();
        bool ok = openForGrab(project);
        if (ok && !grabOut.isEmpty())
            ok = grab(grabOut);
        if (ok && !dialogOut.isEmpty())
            ok = grabDialog(*m_frame, dialogName, dialogOut);
        if (ok && !dialogDir.isEmpty())
            ok = grabDialogs(*m_frame, dialogDir);
        setMessageHandler({});
        return ok ? 0 : 1;
    }
    m_frame->show();
    reportConfigProblems();
    if (!project.isEmpty())
        m_frame->openFile(project);
    return QApplication::exec();
}

bool CDorvaneApp::openForGrab(const QString &project)
{
    if (!project.isEmpty())
        return m_frame->openFile(project);
    const std::string path
            = core::CDorvaneDoc::ProposeNewProjectPath(m_services.Config().projectDir());
    return m_frame->newProject(m_services.NewProjectDefaults(path));
}

int CDorvaneApp::runExport(const QStringList &args)
{
    const auto fail = [](int status, const QString &text) {
        std::fprintf(stderr, "dorvane: %s\n", text.toLocal8Bit().constData());
        return status;
    };
    QString mode, project, out, screenList;
    ExportChoice choice;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if ((a == QLatin1String("--export-pdf") || a == QLatin1String("--export-png"))
            && i + 2 < args.size() && mode.isEmpty()) {
            mode = a;
            project = args[++i];
            out = args[++i];
        } else if (a == QLatin1String("--screens") && i + 1 < args.size()) {
            screenList = args[++i];
        } else if (a == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            choice.scale = args[++i].toInt(&ok);
            if (!ok || choice.scale < 1 || choice.scale > 16)
                return fail(2, QStringLiteral("--scale takes 1 to 16"));
        } else if (a == QLatin1String("--bare")) {
            choice.bare = true;
        } else if (a == QLatin1String("--cross-reference")) {
            choice.crossReference = true;
        } else {
            return fail(2, QStringLiteral("unknown or incomplete option %1\n%2").arg(a, usage()));
        }
    }
    if (!screenList.isNull() && !core::parseScreenList(screenList.toStdString(), choice.screens))
        return fail(2, QStringLiteral("--screens: %1 is not a screen list").arg(screenList));
    // Nobody is there to click a message box: messages go to standard error, questions are
    // answered No.
    setMessageHandler([](int, const QString &text, AskKind) {
        std::fprintf(stderr, "dorvane: %s\n", text.toLocal8Bit().constData());
        return Answer::No;
    });
    const int status
            = exportProject(mode == QLatin1String("--export-pdf"), project, out, std::move(choice));
    setMessageHandler({});
    return status;
}

int CDorvaneApp::exportProject(bool pdf, const QString &project, const QString &out,
                               ExportChoice choice)
{
    std::vector<std::uint16_t> &screens = choice.screens;
    if (!start()) {
        std::fprintf(stderr, "dorvane: the program folder %s is incomplete\n",
                     m_dir.toLocal8Bit().constData());
        return 1;
    }
    reportConfigProblems();
    m_frame->keepRecentFiles();
    if (!QFileInfo::exists(project) || !m_frame->openFile(project)) {
        std::fprintf(stderr, "dorvane: %s cannot be opened\n", project.toLocal8Bit().constData());
        return 1;
    }
    const core::CDorvaneDoc &doc = *m_frame->document();
    for (std::uint16_t n : screens)
        if (!doc.FindScreen(n)) {
            std::fprintf(stderr, "dorvane: the project has no screen %u\n", unsigned(n));
            return 1;
        }
    if (pdf) {
        const int pages = m_frame->exportReportPdf(
                out, screens, core::CReportSetupDlg::kDefaultPictureWidth, choice.crossReference);
        if (pages == 0) {
            std::fprintf(stderr, "dorvane: %s cannot be written\n", out.toLocal8Bit().constData());
            return 1;
        }
        std::printf("%s: %d pages\n", out.toLocal8Bit().constData(), pages);
        return 0;
    }
    if (screens.empty())
        for (const auto &s : doc.Screens())
            screens.push_back(s->Number());
    if (!m_frame->exportScreenPictures(out, screens, choice.scale, choice.bare, false)) {
        std::fprintf(stderr, "dorvane: pictures cannot be written to %s\n",
                     out.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s: %zu pictures\n", out.toLocal8Bit().constData(), screens.size());
    return 0;
}

bool CDorvaneApp::grab(const QString &out)
{
    m_frame->show();
    QApplication::processEvents();
    QApplication::processEvents();
    if (!m_frame->grab().save(out, "PNG")) {
        std::fprintf(stderr, "dorvane: %s cannot be written\n", out.toLocal8Bit().constData());
        return false;
    }
    return true;
}

} // namespace ui
