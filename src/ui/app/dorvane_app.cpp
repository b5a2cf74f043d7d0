#include "ui/app/dorvane_app.h"

#include "ui/app/main_frame.h"

#include "util/code_page.h"
#include "util/messages.h"

#include <QApplication>
#include <QFileInfo>

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

    m_frame = std::make_unique<CMainFrame>(m_services, m_picture);
    return true;
}

int CDorvaneApp::run(const QStringList &args)
{
    QString grabOut, project;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--grab") && i + 1 < args.size())
            grabOut = args[++i];
        else if (!args[i].startsWith(QLatin1String("--")))
            project = args[i];
    }
    if (!start())
        return 1;
    if (!grabOut.isEmpty())
        return grab(grabOut, project) ? 0 : 1;
    m_frame->show();
    if (!project.isEmpty())
        m_frame->openFile(project);
    return QApplication::exec();
}

bool CDorvaneApp::grab(const QString &out, const QString &project)
{
    if (!project.isEmpty()) {
        if (!m_frame->openFile(project))
            return false;
    } else {
        const std::string path
                = core::CDorvaneDoc::ProposeNewProjectPath(m_services.Config().projectDir());
        m_frame->newProject(m_services.NewProjectDefaults(path));
    }
    m_frame->show();
    QApplication::processEvents();
    QApplication::processEvents();
    return m_frame->grab().save(out, "PNG");
}

} // namespace ui
