#pragma once

// The project: its screens (ascending by number), the four common-function lists as fixed-size
// records, the 314-byte parameter block, the shared screen-area counter and the function-key
// sharing flags. The document owns everything else the project is: its messages, its images, the
// driver slots its channels are bound to, its memory totals and the resources its tags read (the
// panel language among them), so that any number of projects can live side by side. From the
// application it takes configuration only. Operations never show anything: they return codes
// and message numbers for the caller to show.

#include "core/model/area_codec.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/project_file.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_info.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag_resources.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace core {

using AlarmRecord = std::array<std::uint8_t, 104>;
using CalcRecord = std::array<std::uint8_t, 252>;
using TransferRecord = std::array<std::uint8_t, 192>;
using ReservationRecord = std::array<std::uint8_t, 142>;

inline constexpr std::size_t kParamBlockSize = 314;
inline constexpr std::size_t kChannelParamSize = 52;
using ParamBlock = std::array<std::uint8_t, kParamBlockSize>;
using ChannelParams = std::array<std::uint8_t, kChannelParamSize>;

// Parameter block offsets the model uses.
inline constexpr std::size_t kParamSignature = 0;
inline constexpr std::size_t kParamInitialScreen = 10;
inline constexpr std::size_t kParamBacklight = 16;
inline constexpr std::size_t kParamLanguage = 18;
inline constexpr std::size_t kParamScreenChangeAddr = 28;
inline constexpr std::size_t kParamScreenTransferAddr = 74;
inline constexpr std::size_t kParamChannel1 = 210;
inline constexpr std::size_t kParamChannel2 = 262;
inline constexpr std::uint16_t kParamSignatureValue = 0xF5FA;

// Screen-area bytes a screen takes (its 696-byte header and 8-byte index entry).
inline constexpr std::uint32_t kScreenCost = 704;
inline constexpr std::uint16_t kFirstTextImageId = 5000;

// Results of AddScreen.
enum ScreenResult : int { kScreenOk = 0, kScreenNoRoom = 1, kScreenExists = 2 };

// What a project takes from the application: configuration, never state.
struct DocConfig
{
    // PLC catalogues of the two channels and the Protocols folder, for binding the driver slots
    // after New and Open. Without catalogues the slots are left as they are.
    const PlcCatalogue *ch1Plcs = nullptr;
    const PlcCatalogue *ch2Plcs = nullptr;
    std::string protocolsDir;
    // The image library the kinds' default images and the image dialogs load from.
    std::string imagesDir;
    // The LANGID (code page of the texts) of a panel language index; Korean without it.
    std::function<std::uint16_t(std::uint16_t language)> panelLangIdOf;
    // The program's language: weekday names of clock tags.
    std::uint16_t resourceLangId = util::kLangKorean;
};

// What the new-project dialog hands back on OK.
struct NewProjectSettings
{
    std::string path; // file name as entered (trimmed here)
    ChannelParams channel1{};
    ChannelParams channel2{};
    std::uint16_t panelLanguage = 0;
    std::string executableDir; // for the alarm database path
};

struct OpenResult
{
    bool ok = false;
    ProjectFileCheck check; // why the file was refused
};

class CDorvaneDoc
{
public:
    explicit CDorvaneDoc(DocConfig config = {}, std::uint16_t panelLanguage = 0);
    ~CDorvaneDoc();
    CDorvaneDoc(const CDorvaneDoc &) = delete;
    CDorvaneDoc &operator=(const CDorvaneDoc &) = delete;

    // --- new, open, save, close -------------------------------------------------------------
    // A new project with one screen (0); the caller has asked for the settings already.
    bool NewProject(const NewProjectSettings &settings);
    // Checks the file, then rebuilds the whole model from it. A file refused by the check, or
    // whose areas do not parse, leaves the project unchanged.
    OpenResult OpenDocument(const std::string &path, CAreaCodec &codec);
    // Whether the file would open, parsed to the end into a scratch project: this project, its
    // managers and the tags' bindings stay as they are.
    ProjectFileCheck CheckDocument(const std::string &path, CAreaCodec &codec) const;
    // Numbers the image-text tags, builds G, S, R, C and writes header and areas. The old file is
    // replaced only once the new one is complete. `error` says why a save failed.
    bool SaveDocument(const std::string &path, CAreaCodec &codec, std::string *error = nullptr);
    // Empties the lists, screens, messages and images and forgets the path.
    void CloseDocument();
    // Rebuilds the whole project from the four area images (G, S, R, C) in the order a file is
    // read; false at the first area that does not parse.
    bool ParseAreas(const std::array<util::Bytes, 4> &areas, CAreaCodec &codec);

    // --- parameters -------------------------------------------------------------------------
    // The block of a new project with the given panel language index.
    static ParamBlock NewProjectParameters(std::uint16_t panelLanguage);
    // Index of the first language whose LANGID equals the system's, else 0.
    static std::uint16_t PanelLanguageIndex(const std::vector<std::uint16_t> &langIds,
                                            std::uint16_t systemLangId);
    // The same with the running system's default LANGID.
    static std::uint16_t DefaultPanelLanguage(const std::vector<std::uint16_t> &langIds);
    ParamBlock &Parameters() { return m_params; }
    const ParamBlock &Parameters() const { return m_params; }
    std::uint16_t Param16(std::size_t offset) const;
    void SetParam16(std::size_t offset, std::uint16_t value);
    ChannelParams Channel(int channel) const;
    void SetChannel(int channel, const ChannelParams &params);
    // Binds the driver slots of channels 1 and 2 to the PLC types of the channel parameters.
    void RebindDrivers();
    // The parameters (and so the panel language) are in place: the tags measure their texts in
    // the panel language from now on. Call after a change of the panel language.
    void ParametersLoaded();
    // The LANGID of the panel language: the code page of the project's texts.
    std::uint16_t PanelLangId() const { return m_resources.panelLangId; }
    const DocConfig &Config() const { return m_config; }

    // --- screens ----------------------------------------------------------------------------
    // 0 created (kept in ascending order); 1 no room for another screen; 2 the number exists
    // (that screen is returned).
    int AddScreen(std::uint16_t number, CScreenData **out = nullptr);
    // Deletes a screen, its tags and its background image unless another screen or a tag still
    // shows it.
    bool RemoveScreen(std::uint16_t number);
    CScreenData *FindScreen(std::uint16_t number) const;
    // Drops every screen and its tags, leaving images and messages alone (an upload's screens
    // replace them).
    void ClearScreens();
    const std::vector<std::unique_ptr<CScreenData>> &Screens() const { return m_screens; }
    // One more than the highest number in use (at most 999); 0 without screens.
    std::uint16_t NextFreeScreenNumber() const;
    // 0, or the message that refuses the number: 52300 out of range, 52603 already used.
    int RenumberScreen(CScreenData &screen, std::uint16_t number);
    // 0, or 52200 when the name is not 1 to 23 characters.
    static int CheckScreenName(const std::string &name);

    // --- function keys ----------------------------------------------------------------------
    // Copies a key definition into key slot `key` (0 to 7) of every screen.
    void ShareFunctionKey(std::size_t key, const FunctionKeyRecord &record);
    bool IsCommonKey(std::size_t key) const { return m_commonKeys.at(key) != 0; }
    void SetCommonKey(std::size_t key, bool on) { m_commonKeys.at(key) = on ? 1 : 0; }
    void ClearCommonKeys() { m_commonKeys.fill(0); }

    // --- project-wide tag operations ----------------------------------------------------------
    // Image-text tags of all screens take 5000, 5001, ... in screen and tag order.
    void NumberBmpTextTags();
    void PlcTypeChanged(bool ch1Changed, bool ch2Changed);
    void StationChanged(std::uint16_t channel, std::uint16_t station);
    // Removes every image that is neither a background nor shown by a tag.
    void RemoveUnreferencedImages();

    // --- the common-function lists ------------------------------------------------------------
    std::vector<AlarmRecord> &Alarms() { return m_alarms; }
    const std::vector<AlarmRecord> &Alarms() const { return m_alarms; }
    std::vector<CalcRecord> &Calculations() { return m_calculations; }
    const std::vector<CalcRecord> &Calculations() const { return m_calculations; }
    std::vector<TransferRecord> &Transfers() { return m_transfers; }
    const std::vector<TransferRecord> &Transfers() const { return m_transfers; }
    std::vector<ReservationRecord> &Reservations() { return m_reservations; }
    const std::vector<ReservationRecord> &Reservations() const { return m_reservations; }

    // --- state --------------------------------------------------------------------------------
    std::uint32_t ScreenMemoryUsed() const { return m_screenMemory; }
    const std::string &Path() const { return m_path; }
    const std::string &AlarmDatabasePath() const { return m_alarmDbPath; }
    bool IsModified() const { return m_modified; }
    void SetModified(bool modified = true) { m_modified = modified; }
    CStrResMgr &Strings() const { return m_strings; }
    CImgResMgr &Images() const { return m_images; }
    CPlcSlots &Slots() const { return m_slots; }
    CMemoryMonitor &Monitor() const { return m_monitor; }
    // What the project's tags read: its images, messages and languages.
    const TagResources &Resources() const { return m_resources; }

    // --- helpers for the new-project dialog ---------------------------------------------------
    // "<dir>/제목없음<n>.kvr" with the first n from 1 up for which no such file exists.
    static std::string ProposeNewProjectPath(const std::string &projectDir);
    // 0, or 52000 when the project name is empty.
    static int CheckProjectName(const std::string &name);
    // "<exeDir>/Alarm/<project file name without folder and extension>.mdb".
    static std::string AlarmDatabasePathFor(const std::string &executableDir,
                                            const std::string &projectPath);

private:
    // The file's checked areas, parsed once into a scratch project.
    ProjectFileCheck ReadAreas(const std::string &path, CAreaCodec &codec,
                               std::array<util::Bytes, 4> &areas) const;
    // The areas parse to the end into a scratch project, as opening the file would.
    bool ParsesAsProject(const std::array<util::Bytes, 4> &areas, CAreaCodec &codec) const;
    void ClearProject();
    void ChargeScreen(std::int64_t bytes);
    void InsertScreen(std::unique_ptr<CScreenData> screen);

    DocConfig m_config;
    // The project's own state, declared before the screens so that their tags go first. The
    // managers load and count on behalf of readers that hold the project const (renderers,
    // reports), hence mutable.
    mutable CMemoryMonitor m_monitor;
    mutable CStrResMgr m_strings{&m_monitor};
    mutable CImgResMgr m_images{&m_monitor};
    mutable CPlcSlots m_slots;
    TagResources m_resources;
    std::vector<AlarmRecord> m_alarms;
    std::vector<CalcRecord> m_calculations;
    std::vector<TransferRecord> m_transfers;
    std::vector<ReservationRecord> m_reservations;
    ParamBlock m_params{};
    std::uint32_t m_screenMemory = kScreenMemoryEmpty;
    std::array<std::uint32_t, kFunctionKeyCount> m_commonKeys{};
    std::string m_path;
    std::string m_alarmDbPath;
    std::vector<std::unique_ptr<CScreenData>> m_screens;
    std::unordered_map<std::uint16_t, CScreenData *> m_screenMap;
    bool m_modified = false;
};

} // namespace core
