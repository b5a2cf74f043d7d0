#include "ui/app/main_frame.h"

#include "ui/app/dialog_factory.h"
#include "ui/app/project_controller.h"
#include "ui/app/recent_files_menu.h"
#include "ui/common/message_box.h"
#include "ui/dialogs/prj_mgn_dialog.h"

#include "core/app/app_services.h"
#include "core/model/project_file.h"

#include "util/message_ids.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>

// The main frame's project-file commands: new, open, save, close, auto-save and dropped files.

namespace ui {

// --- project -------------------------------------------------------------------------------------

bool CMainFrame::newProject(const core::NewProjectSettings &settings)
{
    if (!maybeSave())
        return false;
    return m_controller->newProject(settings);
}

void CMainFrame::keepRecentFiles()
{
    m_recent->setFrozen(true);
}

bool CMainFrame::openFile(const QString &path)
{
    const std::string file = QDir::cleanPath(QFileInfo(path).absoluteFilePath()).toStdString();
    const core::ProjectFileCheck check = core::checkProjectFile(file);
    if (!check.ok) {
        const std::string text = core::projectCheckMessage(check);
        if (!text.empty())
            showMessage(this, check.messageId, QString::fromStdString(text));
        if (check.messageId == util::msg::kFileNotReadable)
            m_recent->remove(path);
        return false;
    }
    if (!maybeSave())
        return false;
    if (!m_controller->openProject(file)) {
        // The command-line tool names the damaged area and record; so does the window.
        QString text = messageString(util::msg::kFileNotReadable);
        if (const std::string &detail = m_services.Areas().LastError(); !detail.empty())
            text += QStringLiteral("\n\n") + QString::fromStdString(detail);
        showMessage(this, util::msg::kFileNotReadable, text);
        return false;
    }
    m_services.Config().setCurrentProjectDir(QFileInfo(path).absolutePath().toStdString());
    m_recent->add(QString::fromStdString(file));
    updateTitle();
    return true;
}

bool CMainFrame::saveAs(const QString &path)
{
    if (!document() || path.isEmpty())
        return false;
    std::string error;
    const std::string file = QDir::cleanPath(path).toStdString();
    if (!m_controller->saveProject(file, &error)) {
        showMessage(
                this, 0,
                tr("%1 파일을 저장할 수 없습니다.\n%2").arg(path, QString::fromStdString(error)));
        return false;
    }
    m_recent->add(QString::fromStdString(file));
    updateTitle();
    return true;
}

bool CMainFrame::save()
{
    if (!document())
        return false;
    if (document()->Path().empty()) {
        onSaveAs();
        return document() && !m_controller->isModified();
    }
    return saveAs(QString::fromStdString(document()->Path()));
}

bool CMainFrame::maybeSave()
{
    if (!m_controller->isModified())
        return true;
    const QString name = QFileInfo(QString::fromStdString(document()->Path())).fileName();
    const auto answer = askYesNoCancel(this, 0, tr("%1의 변경 내용을 저장하시겠습니까?").arg(name));
    if (answer == Answer::Cancel)
        return false;
    return answer == Answer::No || save();
}

void CMainFrame::closeProject()
{
    m_controller->closeProject();
}

QStringList CMainFrame::recentFiles() const
{
    return m_recent->files();
}

void CMainFrame::setAutoSaveInterval(int minutes)
{
    m_services.Config().setAutoSaveInterval(minutes);
    m_autoSave.stop();
    const int interval = m_services.Config().autoSaveInterval();
    if (interval > 0)
        m_autoSave.start(interval * 60000);
}

void CMainFrame::onAutoSave()
{
    // A project that was never saved has no path and is left alone.
    if (document() && !document()->Path().empty())
        saveAs(QString::fromStdString(document()->Path()));
}

void CMainFrame::onNew()
{
    const auto dlg
            = makeNewProjectDialog(m_services.Config(), m_services.DefaultPanelLanguage(), this);
    if (dlg->exec() != QDialog::Accepted)
        return;
    core::CPrjMgnDlg &p = dlg->presenter();
    m_services.Config().setCommSetup(p.PortSetup());
    newProject(p.Settings());
}

void CMainFrame::onOpen()
{
    const QString dir = QString::fromStdString(m_services.Config().currentProjectDir());
    const QString path
            = QFileDialog::getOpenFileName(this, tr("열기"), dir, tr("Dorvane 파일 (*.kvr)"));
    if (!path.isEmpty())
        openFile(path);
}

void CMainFrame::onSave()
{
    save();
}

void CMainFrame::onSaveAs()
{
    if (!document())
        return;
    QString start = QString::fromStdString(document()->Path());
    if (start.isEmpty())
        start = QString::fromStdString(m_services.Config().projectDir());
    const QString path = QFileDialog::getSaveFileName(this, tr("다른 이름으로 저장"), start,
                                                      tr("Dorvane 파일 (*.kvr)"));
    if (!path.isEmpty())
        saveAs(path.endsWith(QLatin1String(".kvr"), Qt::CaseInsensitive) ? path : path + ".kvr");
}

void CMainFrame::onClose()
{
    if (maybeSave())
        closeProject();
}

QString CMainFrame::droppedProject(const QMimeData *mime)
{
    for (const QUrl &url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(".kvr", Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedProject(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    if (openDropped(event->mimeData()))
        event->acceptProposedAction();
}

bool CMainFrame::openDropped(const QMimeData *mime)
{
    // One project at a time: the first project file dropped is opened.
    const QString path = droppedProject(mime);
    return !path.isEmpty() && openFile(path);
}

} // namespace ui
