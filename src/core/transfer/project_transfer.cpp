#include "core/transfer/project_transfer.h"

#include "core/app/app_services.h"
#include "core/comm/panel_commands.h"
#include "core/download/area_image.h"
#include "core/model/dorvane_doc.h"

#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::size_t kDriverIdentity = 30;
// What each channel's part of the panel's driver area holds: no driver file can be larger.
constexpr std::size_t kDriverFileLimit[2] = {kDriver2Offset, kDriverImageLength - kDriver2Offset};

comm::COMM_CMD areaCommand(std::uint8_t main, std::uint8_t sub, util::ByteSpan buffer,
                           std::uint32_t size, std::uint32_t start = 0)
{
    comm::COMM_CMD c;
    c.main = main;
    c.sub = sub;
    c.buffer = buffer;
    c.size = size;
    c.start = start;
    // The first request addresses the start: a read at 0x3000 must not begin at 0.
    c.current = start;
    return c;
}

// Bytes 6-29 of a driver image identify it (version and name).
bool sameIdentity(util::ConstByteSpan panel, util::ConstByteSpan file)
{
    return panel.size() >= kDriverIdentity && file.size() >= kDriverIdentity
            && std::equal(panel.begin() + 6, panel.begin() + kDriverIdentity, file.begin() + 6);
}

} // namespace

CProjectTransfer::CProjectTransfer(CAppServices &app, comm::CCommThread &link, comm::IPanelUi &ui)
    : m_app(app)
    , m_link(link)
    , m_ui(ui)
{ }

std::string CProjectTransfer::DriverFile(const CDorvaneDoc &doc, int channel) const
{
    const auto &config = m_app.Config();
    const auto type = util::le16(doc.Channel(channel), 0);
    const auto *plc = type ? config.findPlc(channel, type) : nullptr;
    const std::string name = plc && !plc->panelDriver.empty()
            ? plc->panelDriver
            : "ch" + std::to_string(channel) + "_nouse.drv";
    return config.protocolsDir() + "/" + name;
}

TransferOutcome CProjectTransfer::connectAndVerify()
{
    std::uint8_t status = 0;
    m_link.Connect(status);
    // The chosen port is kept once it opened, whether or not a panel answered on it.
    if (m_link.GetLastError() >> 16 != comm::ErrPortOpen)
        m_app.Config().commPortOpened(int(m_link.GetPortSetting().port));
    if (m_link.GetLastError() != 0) {
        comm::showLinkError(m_link, m_ui);
        m_link.Disconnect();
        return TransferOutcome::Stay;
    }
    if (comm::VerifyPanelPassword(m_link, m_ui, status) != comm::PasswordCheck::GoOn) {
        m_link.Disconnect();
        comm::showLinkError(m_link, m_ui);
        return TransferOutcome::Stay;
    }
    return TransferOutcome::Done;
}

TransferOutcome CProjectTransfer::checkDrivers(const CDorvaneDoc &doc, TransferGroups &groups)
{
    std::array<util::Bytes, 2> files;
    for (int ch = 1; ch <= 2; ++ch) {
        const std::string path = DriverFile(doc, ch);
        bool tooLarge = false;
        auto data = util::readFileCapped(path, kDriverFileLimit[ch - 1], &tooLarge);
        if (tooLarge) {
            m_ui.message({comm::CommTextId::DriverTooLarge,
                          {comm::CommText::of(path), comm::CommText::of(std::to_string(ch)),
                           comm::CommText::of(std::to_string(kDriverFileLimit[ch - 1]))}},
                         comm::IPanelUi::Icon::Warning);
            return TransferOutcome::Cancelled;
        }
        if (!data) {
            const std::string name = path.substr(path.find_last_of('/') + 1);
            const comm::CommText line(
                    comm::CommTextId::MissingDriverLine,
                    {comm::CommText::of(std::to_string(ch)), comm::CommText::of(name)});
            m_ui.message({comm::CommTextId::MissingDriver, {line}}, comm::IPanelUi::Icon::Warning);
            return TransferOutcome::Cancelled;
        }
        data->resize(std::max(data->size(), kDriverIdentity), 0);
        files[std::size_t(ch - 1)] = std::move(*data);
    }
    m_link.SetDriverNames(DriverFile(doc, 1).substr(DriverFile(doc, 1).find_last_of('/') + 1),
                          DriverFile(doc, 2).substr(DriverFile(doc, 2).find_last_of('/') + 1));
    if (auto r = connectAndVerify(); r != TransferOutcome::Done)
        return r;

    // Channel 1's identity at 0; when that read fails or matches, channel 2's at 0x3000.
    util::Bytes panel(kDriverIdentity, 0);
    auto read1 = areaCommand('r', 'Z', panel, kDriverIdentity, 0);
    const bool ok1 = m_link.Run(read1);
    bool differ = ok1 && !sameIdentity(panel, files[0]);
    if (!differ) {
        std::fill(panel.begin(), panel.end(), 0);
        auto read2 = areaCommand('r', 'Z', panel, kDriverIdentity, 0x3000);
        differ = m_link.Run(read2) && !sameIdentity(panel, files[1]);
    }
    m_link.ClearError();
    m_sendDrivers = differ;
    if (differ && !groups.parameters && m_ui.ask(comm::CommTextId::AskDrivers))
        groups.parameters = true;
    return TransferOutcome::Done;
}

bool CProjectTransfer::buildCommands(CDorvaneDoc &doc, const TransferGroups &groups,
                                     std::vector<comm::COMM_CMD> &commands)
{
    auto &areas = m_app.Areas();
    const auto &config = m_app.Config();
    const auto command = [&](char letter, AreaId id) {
        commands.push_back(
                areaCommand('w', std::uint8_t(letter), areas.Buffer(id), areas.Length(id)));
    };
    if (groups.menu) {
        const auto lang = doc.Param16(kParamLanguage);
        const std::string menu = config.protocolsDir() + "/" + config.languages().constFileOf(lang);
        if (const auto r = areas.LoadConstantArea(menu); r.ok)
            command('P', AreaId::Constant);
        else
            m_ui.message(comm::CommText::of(r.error), comm::IPanelUi::Icon::Warning);
    }
    if (groups.parameters) {
        if (const auto r = areas.BuildGlobalArea(doc); !r.ok) {
            m_ui.message(comm::CommText::of(r.error), comm::IPanelUi::Icon::Warning);
            return false;
        }
        command('G', AreaId::Global);
    }
    if (groups.screens) {
        areas.AssignTextImageIds(doc);
        for (const auto &r : {areas.BuildImageArea(doc), areas.BuildStringArea(doc.Strings()),
                              areas.BuildScreenArea(doc)})
            if (!r.ok) {
                m_ui.message(comm::CommText::of(r.error), comm::IPanelUi::Icon::Warning);
                return false;
            }
        command('R', AreaId::Image);
        command('S', AreaId::String);
        command('C', AreaId::Screen);
    }
    if (m_sendDrivers) {
        // The panel's drivers differ from the project's: leaving them out must not pass unseen.
        if (const auto r = areas.LoadDriverArea(DriverFile(doc, 1), DriverFile(doc, 2)); r.ok)
            command('Z', AreaId::Driver);
        else
            m_ui.message(comm::CommText::of(r.error), comm::IPanelUi::Icon::Warning);
    }
    return true;
}

TransferOutcome CProjectTransfer::runProgress(std::vector<comm::COMM_CMD> commands, bool download)
{
    m_progress = comm::CProgressModel();
    m_progress.setCommands(std::move(commands));
    m_progress.setDownload(download);
    const auto result = m_ui.runProgress(m_link, m_progress);
    switch (result) {
    case comm::ProgressResult::Succeeded:
        return TransferOutcome::Done;
    case comm::ProgressResult::Failed:
        return TransferOutcome::Failed;
    default:
        return TransferOutcome::Cancelled;
    }
}

TransferOutcome CProjectTransfer::Download(CDorvaneDoc &doc, TransferGroups groups)
{
    m_link.ClearError();
    if (!groups.screens && !groups.parameters && !groups.menu) {
        m_ui.message(comm::CommTextId::NoGroup, comm::IPanelUi::Icon::Warning);
        return TransferOutcome::Stay;
    }
    if (groups.parameters && !m_ui.ask(comm::CommTextId::AskParameters))
        return TransferOutcome::Stay;
    if (auto r = checkDrivers(doc, groups); r != TransferOutcome::Done)
        return r;
    std::vector<comm::COMM_CMD> commands;
    if (!buildCommands(doc, groups, commands)) {
        m_link.Disconnect();
        return TransferOutcome::Cancelled;
    }
    if (commands.empty()) {
        m_link.Disconnect();
        return TransferOutcome::Nothing;
    }
    return runProgress(std::move(commands), true);
}

TransferOutcome CProjectTransfer::Upload(std::unique_ptr<CDorvaneDoc> &doc, TransferGroups groups)
{
    if (!doc)
        return Upload(nullptr, groups, doc);
    std::unique_ptr<CDorvaneDoc> none;
    return Upload(doc.get(), groups, none);
}

TransferOutcome CProjectTransfer::Upload(CDorvaneDoc *open, TransferGroups groups,
                                         std::unique_ptr<CDorvaneDoc> &created)
{
    m_link.ClearError();
    if (!groups.screens && !groups.parameters) {
        m_ui.message(comm::CommTextId::NoGroup, comm::IPanelUi::Icon::Warning);
        return TransferOutcome::Stay;
    }
    if (open && !m_ui.ask(comm::CommTextId::AskReplace))
        return TransferOutcome::Stay;
    if (auto r = connectAndVerify(); r != TransferOutcome::Done)
        return r;
    auto &areas = m_app.Areas();
    std::vector<comm::COMM_CMD> commands;
    if (groups.parameters)
        commands.push_back(areaCommand('r', 'G', areas.Buffer(AreaId::Global), 0));
    if (groups.screens) {
        commands.push_back(areaCommand('r', 'R', areas.Buffer(AreaId::Image), 0));
        commands.push_back(areaCommand('r', 'S', areas.Buffer(AreaId::String), 0));
        commands.push_back(areaCommand('r', 'C', areas.Buffer(AreaId::Screen), 0));
    }
    const TransferOutcome outcome = runProgress(std::move(commands), false);
    // Only a finished list brings areas in; a stopped one leaves the project as it was (and
    // makes no empty new one).
    if (outcome != TransferOutcome::Done)
        return outcome;

    // Everything that arrived must parse before any project is made or changed.
    const ArrivedAreas arrived = arrivedAreas();
    if (!parsesAsProject(arrived)) {
        refuseUpload();
        return TransferOutcome::Failed;
    }
    if (!open) {
        created = m_app.NewDocument();
        const std::string path = CDorvaneDoc::ProposeNewProjectPath(m_app.Config().projectDir());
        if (!created->NewProject(m_app.NewProjectDefaults(path))) {
            created.reset();
            return TransferOutcome::Cancelled;
        }
        open = created.get();
    }
    if (m_beforeRebuild)
        m_beforeRebuild();
    CDorvaneDoc *doc = open;
    if (!rebuildFromUpload(*doc, arrived)) {
        refuseUpload();
        return TransferOutcome::Failed;
    }
    doc->SetModified();
    m_ui.message(comm::CommTextId::TransferDone, comm::IPanelUi::Icon::Information);
    return outcome;
}

void CProjectTransfer::refuseUpload()
{
    m_ui.message(comm::CommText::of(std::string(util::messageText(util::msg::kFileNotReadable))),
                 comm::IPanelUi::Icon::Warning);
    if (const auto &error = m_app.Areas().LastError(); !error.empty())
        m_ui.message(comm::CommText::of(error), comm::IPanelUi::Icon::Warning);
}

CProjectTransfer::ArrivedAreas CProjectTransfer::arrivedAreas()
{
    using Area = comm::CProgressModel;
    auto &areas = m_app.Areas();
    struct Arrived
    {
        ProjectArea area;
        AreaId id;
        Area::Area progress;
    };
    const Arrived order[] = {{kAreaGlobal, AreaId::Global, Area::GlobalArea},
                             {kAreaString, AreaId::String, Area::StringArea},
                             {kAreaImage, AreaId::Image, Area::ImageArea},
                             {kAreaScreen, AreaId::Screen, Area::ScreenArea}};
    ArrivedAreas images;
    for (const auto &a : order)
        if (m_progress.uploaded(a.progress)) {
            const auto length = std::min<std::size_t>(m_progress.uploadedLength(a.progress),
                                                      areas.Buffer(a.id).size());
            const auto data = areas.Buffer(a.id).first(length);
            images.emplace_back(a.area, util::Bytes(data.begin(), data.end()));
        }
    return images;
}

// Parsed into a project of its own, so that a refusal leaves every open one as it was.
bool CProjectTransfer::parsesAsProject(const ArrivedAreas &arrived)
{
    CDorvaneDoc dry(m_app.DocumentConfig());
    for (const auto &[area, bytes] : arrived)
        if (!m_app.Areas().ParseArea(area, dry, bytes))
            return false;
    return true;
}

bool CProjectTransfer::rebuildFromUpload(CDorvaneDoc &doc, const ArrivedAreas &images)
{
    auto &areas = m_app.Areas();
    for (const auto &[area, bytes] : images) {
        if (area == kAreaScreen)
            doc.ClearScreens();
        if (area == kAreaImage) {
            doc.Images().Clear();
            doc.Images().ClearBmpTexts();
        }
        if (area == kAreaString)
            doc.Strings().Clear();
    }
    for (const auto &[area, bytes] : images) {
        if (area == kAreaScreen)
            doc.ClearCommonKeys();
        if (!areas.ParseArea(area, doc, bytes))
            return false;
        if (area == kAreaGlobal) {
            doc.RebindDrivers();
            doc.ParametersLoaded();
        }
    }
    doc.RemoveUnreferencedImages();
    return true;
}

} // namespace core
