#include "ui/app/project_controller.h"

#include "ui/undo/screen_presence_command.h"

#include "core/app/app_services.h"
#include "core/editor/screen_rules.h"
#include "core/editor/screen_snapshot.h"
#include "core/model/dorvane_doc.h"
#include "core/presenters/dlg_new_screen.h"

#include "util/code_page.h"
#include "util/message_ids.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace ui {

CProjectController::CProjectController(core::CAppServices &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_undo(std::make_unique<QUndoStack>())
{
    connect(m_undo.get(), &QUndoStack::cleanChanged, this, &CProjectController::publishModified);
    connect(m_undo.get(), &QUndoStack::indexChanged, this, [this] {
        // An edit that set the document's own flag on the way is brought back to the stack's.
        if (m_doc)
            m_doc->SetModified(isModified());
        emit changed();
    });
}

CProjectController::~CProjectController()
{
    // Commands refer to the document: they go first.
    m_undo->clear();
}

const char *CProjectController::screenMimeType()
{
    return "application/x-dorvane-KOHMI_SCR";
}

std::uint16_t CProjectController::panelLangId() const
{
    return m_doc ? m_doc->PanelLangId() : m_services.PanelLangIdOf(0);
}

bool CProjectController::isModified() const
{
    return m_doc && !m_undo->isClean();
}

void CProjectController::publishModified()
{
    if (m_doc)
        m_doc->SetModified(isModified());
    emit modifiedChanged(isModified());
}

// --- project -------------------------------------------------------------------------------------

void CProjectController::start(std::unique_ptr<core::CDorvaneDoc> doc, bool modified)
{
    m_doc = std::move(doc);
    if (modified)
        m_undo->resetClean(); // unsaved until written once
    else
        m_undo->setClean();
    m_doc->SetModified(modified);
    emit documentChanged();
    publishModified();
}

bool CProjectController::newProject(const core::NewProjectSettings &settings)
{
    // The message and image managers are the application's: the old project leaves first.
    closeProject();
    auto doc = m_services.NewDocument();
    if (!doc->NewProject(settings))
        return false;
    m_services.Config().setAlarmDbPath(doc->AlarmDatabasePath());
    start(std::move(doc), true);
    return true;
}

bool CProjectController::openProject(const std::string &path)
{
    // The open project goes first (it shares the message and image managers with the next),
    // so a file that will not open is found out before anything of it is touched.
    if (m_doc && !m_doc->CheckDocument(path, m_services.Areas()).ok)
        return false;
    closeProject();
    auto doc = m_services.NewDocument();
    if (!doc->OpenDocument(path, m_services.Areas()).ok)
        return false;
    start(std::move(doc), false);
    return true;
}

bool CProjectController::saveProject(const std::string &path, std::string *error)
{
    if (!m_doc || !m_doc->SaveDocument(path, m_services.Areas(), error))
        return false;
    m_undo->setClean();
    publishModified();
    return true;
}

void CProjectController::closeProject()
{
    if (!m_doc)
        return;
    m_undo->clear();
    std::unique_ptr<core::CDorvaneDoc> doc = std::move(m_doc);
    // Views go while the document they show still exists.
    emit documentChanged();
    doc->CloseDocument();
    emit modifiedChanged(false);
}

void CProjectController::adoptUploaded(std::unique_ptr<core::CDorvaneDoc> created)
{
    if (created) {
        closeProject();
        m_services.Config().setAlarmDbPath(created->AlarmDatabasePath());
        start(std::move(created), true);
        return;
    }
    if (!m_doc)
        return;
    m_undo->clear();
    start(std::move(m_doc), true);
}

// --- screens -------------------------------------------------------------------------------------

void CProjectController::push(QUndoCommand *command)
{
    m_undo->push(command);
}

void CProjectController::beginMacro(const QString &text)
{
    m_undo->beginMacro(text);
}

void CProjectController::endMacro()
{
    m_undo->endMacro();
}

void CProjectController::notifyScreenRemoving(std::uint16_t number)
{
    emit screenRemoving(number);
}

void CProjectController::notifyScreensChanged()
{
    emit screensChanged();
}

void CProjectController::screenAdded(const core::CScreenData &screen)
{
    push(new CScreenPresenceCommand(*this, CScreenPresenceCommand::Kind::Added,
                                    core::captureScreen(screen)));
    emit screensChanged();
}

int CProjectController::addScreen(int number, const std::string &name, std::uint16_t *added)
{
    if (!m_doc)
        return -1;
    core::CDlgNewScreen presenter(*m_doc, panelLangId());
    presenter.SetName(name);
    presenter.SetNumber(number);
    core::CScreenData *created = nullptr;
    const int result = presenter.Ok(&created);
    if (result != 0)
        return result;
    if (added)
        *added = created->Number();
    screenAdded(*created);
    return 0;
}

bool CProjectController::deleteScreens(const std::vector<std::uint16_t> &numbers)
{
    if (!m_doc || m_doc->Screens().size() < 2 || numbers.empty())
        return false;
    const auto order = core::screensToDelete(numbers, m_doc->Screens().size());
    if (order.empty())
        return false;
    m_undo->beginMacro(QCoreApplication::translate("ui::CMainFrame", "화면 삭제"));
    for (std::uint16_t n : order) {
        const core::CScreenData *screen = m_doc->FindScreen(n);
        if (!screen)
            continue;
        auto snapshot = core::captureScreen(*screen);
        emit screenRemoving(n);
        m_doc->RemoveScreen(n);
        push(new CScreenPresenceCommand(*this, CScreenPresenceCommand::Kind::Removed,
                                        std::move(snapshot)));
    }
    m_undo->endMacro();
    emit screensChanged();
    return true;
}

util::Bytes CProjectController::encodeScreens(const std::vector<std::uint16_t> &numbers) const
{
    std::vector<const core::CScreenData *> screens;
    if (m_doc)
        for (std::uint16_t n : numbers)
            if (const auto *s = m_doc->FindScreen(n))
                screens.push_back(s);
    return core::encodeScreens(screens);
}

void CProjectController::copyScreens(const std::vector<std::uint16_t> &numbers) const
{
    if (!m_doc || numbers.empty())
        return;
    const util::Bytes bytes = encodeScreens(numbers);
    auto *data = new QMimeData;
    data->setData(
            QLatin1String(screenMimeType()),
            QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    QApplication::clipboard()->setMimeData(data);
}

int CProjectController::pasteScreens()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(QLatin1String(screenMimeType())))
        return 0;
    const QByteArray raw = data->data(QLatin1String(screenMimeType()));
    return pasteScreens(util::ConstByteSpan(reinterpret_cast<const std::uint8_t *>(raw.data()),
                                            std::size_t(raw.size())));
}

int CProjectController::pasteScreens(util::ConstByteSpan data)
{
    if (!m_doc)
        return 0;
    const auto screens = core::decodeScreens(data);
    if (!screens)
        return 0;
    int result = 0;
    m_undo->beginMacro(QCoreApplication::translate("ui::CMainFrame", "붙여넣기"));
    for (const core::ScreenSnapshot &snap : *screens) {
        const auto number = core::pasteScreenNumber(*m_doc, snap.number);
        core::CScreenData *added = nullptr;
        result = number ? core::restoreScreen(*m_doc, snap, *number, &added)
                        : util::msg::kMemoryFull;
        if (result != 0)
            break;
        push(new CScreenPresenceCommand(*this, CScreenPresenceCommand::Kind::Added,
                                        core::captureScreen(*added)));
    }
    m_undo->endMacro();
    emit screensChanged();
    return result;
}

} // namespace ui
