#include "core/model/dorvane_doc.h"

#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/project_file.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag_resources.h"

#include "util/code_page.h"
#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

// "제목없음" (untitled): the base of proposed project file names, in the interface's language.
const char *untitledBase()
{
    return util::messageLanguage() == util::kResEnglish ? "Untitled" : "제목없음";
}

constexpr std::size_t kChannelTimeout = 10;
constexpr std::size_t kChannelBaud = 12;

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

CDorvaneDoc::CDorvaneDoc(DocConfig config, std::uint16_t panelLanguage)
    : m_config(std::move(config))
    , m_params(NewProjectParameters(panelLanguage))
{
    m_images.SetImagesDir(m_config.imagesDir);
    m_resources.images = &m_images;
    m_resources.strings = &m_strings;
    m_resources.resourceLangId = m_config.resourceLangId;
    // Until a project is loaded, tags read texts in the language a new project gets.
    ParametersLoaded();
}

CDorvaneDoc::~CDorvaneDoc() = default;

// --- parameters ---------------------------------------------------------------------------------

ParamBlock CDorvaneDoc::NewProjectParameters(std::uint16_t panelLanguage)
{
    ParamBlock p{};
    util::setLe16(p, kParamSignature, kParamSignatureValue);
    util::setLe16(p, kParamBacklight, 20);
    util::setLe16(p, kParamLanguage, panelLanguage);
    util::setFixedText(p, kParamScreenChangeAddr, PLC_DOWN_ADDR_SIZE, "0");
    util::setFixedText(p, kParamScreenTransferAddr, PLC_DOWN_ADDR_SIZE, "0");
    util::setLe16(p, kParamChannel1, 1);
    util::setLe16(p, kParamChannel1 + kChannelTimeout, 500);
    util::setLe16(p, kParamChannel1 + kChannelBaud, 5);
    util::setLe16(p, kParamChannel2, 0);
    util::setLe16(p, kParamChannel2 + kChannelTimeout, 500);
    util::setLe16(p, kParamChannel2 + kChannelBaud, 5);
    return p;
}

std::uint16_t CDorvaneDoc::PanelLanguageIndex(const std::vector<std::uint16_t> &langIds,
                                              std::uint16_t systemLangId)
{
    const auto it = std::find(langIds.begin(), langIds.end(), systemLangId);
    return it == langIds.end() ? 0 : std::uint16_t(it - langIds.begin());
}

std::uint16_t CDorvaneDoc::DefaultPanelLanguage(const std::vector<std::uint16_t> &langIds)
{
    return PanelLanguageIndex(langIds, util::systemDefaultLangId());
}

std::uint16_t CDorvaneDoc::Param16(std::size_t offset) const
{
    return util::le16(m_params, offset);
}

void CDorvaneDoc::SetParam16(std::size_t offset, std::uint16_t value)
{
    util::setLe16(m_params, offset, value);
}

ChannelParams CDorvaneDoc::Channel(int channel) const
{
    ChannelParams out{};
    const std::size_t at = channel == 2 ? kParamChannel2 : kParamChannel1;
    std::copy_n(m_params.begin() + std::ptrdiff_t(at), out.size(), out.begin());
    return out;
}

void CDorvaneDoc::SetChannel(int channel, const ChannelParams &params)
{
    const std::size_t at = channel == 2 ? kParamChannel2 : kParamChannel1;
    std::copy(params.begin(), params.end(), m_params.begin() + std::ptrdiff_t(at));
}

void CDorvaneDoc::RebindDrivers()
{
    const PlcCatalogue *catalogues[2] = {m_config.ch1Plcs, m_config.ch2Plcs};
    for (int ch = 1; ch <= 2; ++ch) {
        const PlcCatalogue *list = catalogues[ch - 1];
        if (!list)
            continue;
        const ChannelParams params = Channel(ch);
        const std::uint16_t type = util::le16(params, 0);
        const std::uint16_t station = util::le16(params, 50);
        m_slots.slot(ch).Bind(findPlcByType(*list, type), station, m_config.protocolsDir);
    }
}

// --- new, open, save, close -------------------------------------------------------------------

void CDorvaneDoc::ClearProject()
{
    m_alarms.clear();
    m_calculations.clear();
    m_transfers.clear();
    m_reservations.clear();
    m_images.Clear();
    m_images.ClearBmpTexts();
    m_strings.Clear();
    m_screenMap.clear();
    m_screens.clear();
    m_screenMemory = kScreenMemoryEmpty;
    m_monitor.Publish(MemoryGauge::Screen, m_screenMemory);
}

bool CDorvaneDoc::NewProject(const NewProjectSettings &settings)
{
    const std::string path = trimmed(settings.path);
    if (path.empty())
        return false;
    m_params = NewProjectParameters(settings.panelLanguage);
    SetChannel(1, settings.channel1);
    SetChannel(2, settings.channel2);
    m_path = path;
    m_alarmDbPath = AlarmDatabasePathFor(settings.executableDir, path);
    ClearProject();
    ParametersLoaded();
    AddScreen(0);
    ClearCommonKeys();
    RebindDrivers();
    m_modified = true;
    return true;
}

bool CDorvaneDoc::ParseAreas(const std::array<util::Bytes, 4> &areas, CAreaCodec &codec)
{
    ClearProject();
    for (int area = kAreaGlobal; area <= kAreaScreen; ++area) {
        if (area == kAreaScreen)
            ClearCommonKeys();
        if (!codec.ParseArea(ProjectArea(area), *this, areas[std::size_t(area)]))
            return false;
        if (area == kAreaGlobal) {
            RebindDrivers();
            ParametersLoaded();
        }
    }
    RemoveUnreferencedImages();
    return true;
}

void CDorvaneDoc::ParametersLoaded()
{
    // The texts were written for the panel: the computer's locale says nothing about them.
    const std::uint16_t language = Param16(kParamLanguage);
    m_resources.panelLangId
            = m_config.panelLangIdOf ? m_config.panelLangIdOf(language) : util::kLangKorean;
}

ProjectFileCheck CDorvaneDoc::ReadAreas(const std::string &path, CAreaCodec &codec,
                                        std::array<util::Bytes, 4> &areas) const
{
    // Nothing larger than a project can be is read: a huge file is refused unread.
    const std::optional<util::Bytes> data = readProjectBytes(path);
    ProjectFileCheck check = data ? checkProjectBytes(*data) : checkProjectBytes({}, false);
    if (!check.ok)
        return check;
    // Parsed into a scratch project first: a file that does not parse to the end leaves the
    // open project exactly as it was.
    if (!splitProjectFile(*data, areas) || !ParsesAsProject(areas, codec)) {
        check.ok = false;
        check.messageId = util::msg::kFileNotReadable;
    }
    return check;
}

ProjectFileCheck CDorvaneDoc::CheckDocument(const std::string &path, CAreaCodec &codec) const
{
    std::array<util::Bytes, 4> areas;
    return ReadAreas(path, codec, areas);
}

OpenResult CDorvaneDoc::OpenDocument(const std::string &path, CAreaCodec &codec)
{
    OpenResult result;
    std::array<util::Bytes, 4> areas;
    result.check = ReadAreas(path, codec, areas);
    if (!result.check.ok)
        return result;

    if (!ParseAreas(areas, codec)) {
        // The same bytes parsed once already; should this still fail, nothing half-built stays.
        CloseDocument();
        result.check.ok = false;
        result.check.messageId = util::msg::kFileNotReadable;
        return result;
    }
    m_path = path;
    m_modified = false;
    result.ok = true;
    return result;
}

bool CDorvaneDoc::ParsesAsProject(const std::array<util::Bytes, 4> &areas, CAreaCodec &codec) const
{
    // Managers and driver slots of its own: nothing reaches this project.
    CDorvaneDoc scratch(m_config);
    const bool ok = scratch.ParseAreas(areas, codec);
    return ok;
}

bool CDorvaneDoc::SaveDocument(const std::string &path, CAreaCodec &codec, std::string *error)
{
    NumberBmpTextTags();
    std::array<util::Bytes, 4> areas;
    for (int area = kAreaGlobal; area <= kAreaScreen; ++area) {
        areas[std::size_t(area)] = codec.BuildArea(ProjectArea(area), *this);
        // An area that cannot be built is never saved as an empty one.
        if (areas[std::size_t(area)].empty()) {
            if (error)
                *error = codec.LastBuildError().empty() ? "The project cannot be compiled."
                                                        : codec.LastBuildError();
            return false;
        }
    }
    // A file that would not open again is never written: a value no reader takes (one a
    // hand-made JSON brought in, say) is refused here, and the old file stays.
    if (!ParsesAsProject(areas, codec)) {
        if (error)
            *error = "The project holds a value its file cannot keep: "
                    + (codec.LastBuildError().empty() ? std::string("it would not open again.")
                                                      : codec.LastBuildError());
        return false;
    }
    const util::Bytes file = buildProjectFile(areas);
    if (!util::writeFileAtomic(path, file, error))
        return false;
    m_path = path;
    m_modified = false;
    return true;
}

void CDorvaneDoc::ClearScreens()
{
    m_screenMap.clear();
    m_screens.clear();
    m_screenMemory = kScreenMemoryEmpty;
    m_monitor.Publish(MemoryGauge::Screen, m_screenMemory);
}

void CDorvaneDoc::CloseDocument()
{
    // The messages and images go with the project: the gauges then show an empty panel rather
    // than the figures of a project that is no longer open.
    ClearProject();
    m_path.clear();
    m_modified = false;
}

// --- screens ------------------------------------------------------------------------------------

void CDorvaneDoc::ChargeScreen(std::int64_t bytes)
{
    m_screenMemory = std::uint32_t(std::int64_t(m_screenMemory) + bytes);
    m_monitor.Publish(MemoryGauge::Screen, m_screenMemory);
}

void CDorvaneDoc::InsertScreen(std::unique_ptr<CScreenData> screen)
{
    const std::uint16_t number = screen->Number();
    const auto at = std::find_if(m_screens.begin(), m_screens.end(),
                                 [number](const auto &s) { return s->Number() > number; });
    m_screenMap[number] = screen.get();
    m_screens.insert(at, std::move(screen));
}

int CDorvaneDoc::AddScreen(std::uint16_t number, CScreenData **out)
{
    if (CScreenData *existing = FindScreen(number)) {
        if (out)
            *out = existing;
        return kScreenExists;
    }
    if (std::uint64_t(m_screenMemory) + kScreenCost > kScreenAreaSize)
        return kScreenNoRoom;
    auto screen = std::make_unique<CScreenData>(number, &m_screenMemory, &m_monitor, &m_resources);
    // Shared keys come from the first other screen.
    if (!m_screens.empty())
        for (std::size_t k = 0; k < kFunctionKeyCount; ++k)
            if (m_commonKeys[k])
                screen->FunctionKey(k) = m_screens.front()->FunctionKey(k);
    if (out)
        *out = screen.get();
    InsertScreen(std::move(screen));
    ChargeScreen(kScreenCost);
    m_modified = true;
    return kScreenOk;
}

bool CDorvaneDoc::RemoveScreen(std::uint16_t number)
{
    const auto it = std::find_if(m_screens.begin(), m_screens.end(),
                                 [number](const auto &s) { return s->Number() == number; });
    if (it == m_screens.end())
        return false;
    CScreenData &screen = **it;
    const std::uint16_t background = screen.BackgroundImage();
    screen.RemoveAllTags();
    if (background != kNoImage && !m_images.IsImageReferenced(background, m_screens, &screen))
        m_images.Remove(background);
    m_screenMap.erase(number);
    m_screens.erase(it);
    ChargeScreen(-std::int64_t(kScreenCost));
    m_modified = true;
    return true;
}

CScreenData *CDorvaneDoc::FindScreen(std::uint16_t number) const
{
    const auto it = m_screenMap.find(number);
    return it == m_screenMap.end() ? nullptr : it->second;
}

std::uint16_t CDorvaneDoc::NextFreeScreenNumber() const
{
    if (m_screens.empty())
        return 0;
    return std::min<std::uint16_t>(m_screens.back()->Number() + 1, kMaxScreenNumber);
}

int CDorvaneDoc::RenumberScreen(CScreenData &screen, std::uint16_t number)
{
    if (number > kMaxScreenNumber)
        return util::msg::kIdOutOfRange;
    if (number == screen.Number())
        return 0;
    if (FindScreen(number))
        return util::msg::kScreenNumberTaken;
    const auto it = std::find_if(m_screens.begin(), m_screens.end(),
                                 [&screen](const auto &s) { return s.get() == &screen; });
    if (it == m_screens.end())
        return util::msg::kIdOutOfRange;
    std::unique_ptr<CScreenData> owned = std::move(*it);
    m_screens.erase(it);
    m_screenMap.erase(owned->Number());
    owned->SetNumber(number);
    InsertScreen(std::move(owned));
    m_modified = true;
    return 0;
}

int CDorvaneDoc::CheckScreenName(const std::string &name)
{
    return name.empty() || name.size() > 23 ? util::msg::kScreenNameLength : 0;
}

// --- function keys and project-wide tag operations
// ------------------------------------------------

void CDorvaneDoc::ShareFunctionKey(std::size_t key, const FunctionKeyRecord &record)
{
    if (key >= kFunctionKeyCount)
        return;
    for (const auto &screen : m_screens)
        screen->FunctionKey(key) = record;
    m_modified = true;
}

void CDorvaneDoc::NumberBmpTextTags()
{
    std::uint32_t counter = kFirstTextImageId;
    for (const auto &screen : m_screens)
        screen->NumberBmpTextTags(counter);
}

void CDorvaneDoc::PlcTypeChanged(bool ch1Changed, bool ch2Changed)
{
    for (const auto &screen : m_screens)
        screen->PlcTypeChanged(m_slots, ch1Changed, ch2Changed);
}

void CDorvaneDoc::StationChanged(std::uint16_t channel, std::uint16_t station)
{
    for (const auto &screen : m_screens)
        screen->StationChanged(channel, station);
}

void CDorvaneDoc::RemoveUnreferencedImages()
{
    std::vector<std::uint16_t> unused;
    for (const auto &image : m_images.Images())
        if (!m_images.IsImageReferenced(image->Key(), m_screens))
            unused.push_back(image->Key());
    for (std::uint16_t id : unused)
        m_images.Remove(id);
}

// --- new-project helpers ------------------------------------------------------------------------

std::string CDorvaneDoc::ProposeNewProjectPath(const std::string &projectDir)
{
    for (int n = 1;; ++n) {
        std::string path = util::formatText("%s/%s%d.kvr", projectDir.c_str(), untitledBase(), n);
        if (!util::fileExists(path))
            return path;
    }
}

int CDorvaneDoc::CheckProjectName(const std::string &name)
{
    return trimmed(name).empty() ? util::msg::kNoProjectName : 0;
}

std::string CDorvaneDoc::AlarmDatabasePathFor(const std::string &executableDir,
                                              const std::string &projectPath)
{
    return executableDir + "/Alarm/" + util::baseNameNoExt(projectPath) + ".mdb";
}

} // namespace core
