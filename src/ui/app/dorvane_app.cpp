#include "ui/app/dorvane_app.h"

#include "ui/app/dialog_gallery.h"
#include "ui/app/main_frame.h"
#include "ui/app/message_box.h"

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

QString CDorvaneApp::usage()
{
    return QStringLiteral("Usage: dorvane [FILE.kvr]\n"
                          "       dorvane --grab OUT.png [FILE.kvr]\n"
                          "       dorvane --grab-dialog NAME OUT.png [FILE.kvr]\n"
                          "       dorvane --grab-dialogs DIR [FILE.kvr]\n"
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
                          "  -h, --help        show this text and exit\n"
                          "  --version         show the version and exit\n");
}

int CDorvaneApp::run(const QStringList &args)
{
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
            return QMessageBox::No;
        });
    }
    if (!start()) {
        if (headless)
            std::fprintf(stderr, "dorvane: the program folder %s is incomplete\n",
                         m_dir.toLocal8Bit().constData());
        return 1;
    }
    if (headless) {
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
