#include "sim/panel/panel_view.h"

#include "ui/preview/panel_preview_window.h"
#include "ui/print/screen_picture.h"

#include "core/app/app_services.h"
#include "core/online/online_channels.h"
#include "core/runtime/area_project.h"
#include "core/runtime/panel_glyphs.h"
#include "core/runtime/panel_runtime.h"
#include "core/runtime/screen_renderer.h"

#include "util/code_page.h"
#include "util/file_io.h"
#include "util/messages.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <thread>

namespace sim {

namespace {

void loadServices(core::CAppServices &app, const std::string &programDir)
{
    app.Load(programDir.empty() ? util::executableDir() : programDir, util::systemDefaultLangId());
    util::setMessageLanguage(app.Config().resourceLang());
}

// The display in black and white, as the editor's bare pictures are.
QImage toImage(const util::CMonoBitmap &bitmap, int scale)
{
    const QImage image = ui::monoImage(bitmap);
    return scale == 1
            ? image
            : image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The project areas of the panel's memory; false while no complete project is there.
bool memoryAreas(const CPanelMemory &memory, core::AreaImages &areas)
{
    const char letters[] = {'G', 'S', 'R', 'C'};
    for (int i = 0; i < 4; ++i) {
        util::Bytes bytes = memory.areaBytes(std::uint8_t(letters[i]));
        if (!core::trimAreaImage(core::ProjectArea(i), bytes))
            return false;
        areas[std::size_t(i)] = std::move(bytes);
    }
    return true;
}

// The password the link set (empty without one).
std::string panelPassword(const CPanelMemory &memory)
{
    if (!memory.hasPassword())
        return {};
    const util::Bytes a = memory.areaBytes('A');
    std::string pw(a.begin() + 8, a.begin() + 18);
    pw.erase(std::find(pw.begin(), pw.end(), '\0'), pw.end());
    return pw;
}

} // namespace

bool connectPlcs(core::online::COnlineChannels &online, const core::CDorvaneDoc &doc,
                 const std::vector<std::string> &choices, std::string &error)
{
    for (const std::string &text : choices) {
        const auto choice = core::online::parsePlcChoice(text, doc, error);
        if (!choice
            || !online.Connect(choice->channel, choice->endpoint,
                               core::online::channelOptions(doc, choice->channel), error)) {
            error = "--plc " + text + ": " + error;
            return false;
        }
    }
    return true;
}

namespace {

// The first scan of every online channel, so that the picture shows the PLC's values.
bool waitForFirstScan(const core::online::COnlineChannels &online)
{
    for (int channel = 1; channel <= 2; ++channel) {
        const auto *plc = online.Plc(channel);
        if (plc && !plc->WaitForScan(std::chrono::seconds(10)))
            return false;
    }
    return true;
}

// Names every failed point of the screen on standard error; true when there was one.
bool reportFailures(const core::online::COnlineChannels &online, const core::CDorvaneDoc &doc,
                    const core::CDeviceMemory &memory, std::uint16_t screen)
{
    bool failed = false;
    for (const core::MemoryPoint &p : memory.PointsWhileShowing(doc, screen)) {
        const auto *plc = online.Plc(p.key.channel);
        if (plc && plc->Failed(p.key)) {
            std::fprintf(stderr, "velmar-panel-sim: %s: %s\n", p.text.c_str(),
                         plc->FailureOf(p.key).c_str());
            failed = true;
        }
    }
    return failed;
}

} // namespace

int renderScreen(const RenderRequest &request)
{
    core::CAppServices app;
    loadServices(app, request.programDir);
    core::AreaImages areas;
    std::string error;
    if (!core::readAreaFiles(request.areasDir, areas, error)) {
        std::fprintf(stderr, "velmar-panel-sim: %s\n", error.c_str());
        return 1;
    }
    const auto doc = core::projectFromAreas(app, areas, error);
    if (!doc) {
        std::fprintf(stderr, "velmar-panel-sim: %s\n", error.c_str());
        return 1;
    }
    if (!doc->FindScreen(std::uint16_t(request.screen))) {
        std::fprintf(stderr, "velmar-panel-sim: the project has no screen %d\n", request.screen);
        return 1;
    }
    core::CPanelRuntime runtime(*doc, doc->PanelLangId());
    for (const std::string &set : request.sets) {
        const core::MemoryOutcome outcome = runtime.Memory().ApplySet(set);
        if (!outcome.ok()) {
            std::fprintf(stderr, "velmar-panel-sim: --set %s: %s\n", set.c_str(),
                         outcome.message.c_str());
            return 1;
        }
    }
    // Declared after the runtime: it lets go of the runtime's memory before that goes.
    core::online::COnlineChannels online(runtime.Memory(), *doc);
    if (!request.plc.empty()) {
        std::string why;
        if (!connectPlcs(online, *doc, request.plc, why)) {
            std::fprintf(stderr, "velmar-panel-sim: %s\n", why.c_str());
            return 1;
        }
        online.Follow(std::uint16_t(request.screen));
        if (!waitForFirstScan(online)) {
            std::fprintf(stderr, "velmar-panel-sim: no scan of the PLC completed\n");
            return 1;
        }
    }
    // One scan brings calculations and links in line with the values set; the screen asked
    // for is shown whatever the links say.
    runtime.Scan(std::chrono::system_clock::now());
    runtime.ShowScreen(std::uint16_t(request.screen));
    const core::CScreenRenderer renderer(
            *doc, core::PanelFonts::fromConfig(app.Config(), doc->PanelLangId()));
    const util::CMonoBitmap display = renderer.Render(std::uint16_t(request.screen), runtime);
    // Encoded whole first, then put in place: a file already there is replaced only by a
    // complete picture.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    std::string why;
    if (!toImage(display, request.scale).save(&buffer, "PNG")
        || !util::writeFileAtomic(
                request.out,
                util::ConstByteSpan(reinterpret_cast<const std::uint8_t *>(png.constData()),
                                    std::size_t(png.size())),
                &why)) {
        std::fprintf(stderr, "velmar-panel-sim: cannot write %s: %s\n", request.out.c_str(),
                     why.c_str());
        return 1;
    }
    return reportFailures(online, *doc, runtime.Memory(), std::uint16_t(request.screen)) ? 1 : 0;
}

CPanelShow::CPanelShow(CPanelMemory &memory, const ShowOptions &options)
    : m_memory(memory)
    , m_plc(options.plc)
{
    loadServices(m_app, options.programDir);
    // The window speaks the resource language, as the editor does.
    const std::string qm = m_app.Config().resources().dllOf(m_app.Config().resourceLang());
    const std::string dir = options.programDir.empty() ? util::executableDir() : options.programDir;
    if (!qm.empty() && m_translator.load(QString::fromStdString(dir + '/' + qm)))
        QCoreApplication::installTranslator(&m_translator);
    // Qt's standard buttons (OK, Cancel) too, as in the editor; English is Qt's own.
    if (m_app.Config().resourceLang() != util::kResEnglish
        && m_qtTranslator.load(QLocale(QLocale::Korean), QStringLiteral("qtbase"),
                               QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTranslator);
    m_panel = QStringLiteral("velmar-panel-sim %1")
                      .arg(QString::fromStdString(options.port))
                      .trimmed();
    // The fonts and the texts' code page come with each project (its panel language).
    ui::CPanelPreviewWindow::Options view;
    view.zoom = options.zoom;
    view.password = panelPassword(memory);
    view.clock = [&memory] { return memory.panelTime(); };
    m_window = std::make_unique<ui::CPanelPreviewWindow>(view);
    m_window->historyChanged = [&memory](const util::Bytes &areaW) { memory.storeHistory(areaW); };
    m_seen = memory.projectGeneration();
    m_history = memory.historyGeneration();
    // Quiet for two long frames' time at the link's pace (300 ms unpaced): the download is over.
    const unsigned pauseMs = 300 + (options.baud ? 2 * 300 * 10 * 1000 / options.baud : 0);
    m_quietNeeded = int((pauseMs + 99) / 100);
    reload();
    connect(&m_poll, &QTimer::timeout, this, &CPanelShow::poll);
    m_poll.start(100);
}

CPanelShow::~CPanelShow()
{
    // The window's runtime reads the document: it goes first.
    m_window.reset();
}

void CPanelShow::reload()
{
    m_shown = m_memory.projectGeneration();
    m_window->setDocument(nullptr);
    m_doc.reset();
    m_window->setPanelTitle(m_panel, nullptr);
    core::AreaImages areas;
    if (!memoryAreas(m_memory, areas)) {
        m_window->setDocument(nullptr);
        return;
    }
    std::string error;
    m_doc = core::projectFromAreas(m_app, areas, error);
    m_history = m_memory.historyGeneration();
    m_window->setAlarmHistory(m_memory.areaBytes('W'));
    if (!m_doc) {
        m_window->setDocument(nullptr, QString::fromStdString(error));
        return;
    }
    // The project's own panel language, never this computer's locale.
    m_window->setPanelLanguage(core::PanelFonts::fromConfig(m_app.Config(), m_doc->PanelLangId()));
    m_window->setPanelTitle(m_panel, m_doc.get());
    m_window->setDocument(m_doc.get());
    connectChoices();
}

void CPanelShow::connectChoices()
{
    // The channel's serial settings come from the project, so the choices are read with it.
    for (const std::string &text : m_plc) {
        std::string error;
        const auto choice = core::online::parsePlcChoice(text, *m_doc, error);
        if (!choice
            || !m_window->connectPlc(choice->channel, choice->endpoint,
                                     core::online::channelOptions(*m_doc, choice->channel), error))
            std::fprintf(stderr, "velmar-panel-sim: --plc %s: %s\n", text.c_str(), error.c_str());
    }
}

void CPanelShow::poll()
{
    // A password prompt or a value entry holds on to the running project: it stays until they
    // are answered.
    if (QApplication::activeModalWidget())
        return;
    const std::uint64_t now = m_memory.projectGeneration();
    m_quiet = now == m_seen ? m_quiet + 1 : 0;
    m_seen = now;
    if (now != m_shown && m_quiet >= m_quietNeeded) {
        reload();
        return;
    }
    m_window->setPanelPassword(panelPassword(m_memory));
    // The link deleted (or rewrote) the history: the window takes it as the panel has it now.
    if (const std::uint64_t h = m_memory.historyGeneration(); h != m_history) {
        m_history = h;
        m_window->setAlarmHistory(m_memory.areaBytes('W'));
    }
}

int showPanel(int argc, char **argv, CPanelMemory &memory, CPanelServer &server,
              const ShowOptions &options)
{
    QApplication qapp(argc, argv);
    std::thread link([&server] { server.serve(); });
    int status = 0;
    {
        CPanelShow show(memory, options);
        show.window().show();
        status = qapp.exec();
    }
    // The link may be answering a request: it ends before the memory and the server go.
    server.stop();
    link.join();
    return status;
}

} // namespace sim
