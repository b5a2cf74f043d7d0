#pragma once

// The logic of a channel's communication settings dialog ("통신 설정"): serial settings, own and
// remote station, the configuration (1:1, 1:N, N:1, N:M) and, for several masters, the 32
// station boxes of the master list. It works on a copy of the channel record; Result() is the
// record OK rebuilt. The station list can be saved to and loaded from a small INI file.

#include "core/model/dorvane_doc.h"
#include "core/plc/channel_params.h"
#include "core/presenters/function_prompt.h"

#include "util/message_ids.h"

#include <array>
#include <cstdint>
#include <string>

namespace core {

class CCommParaDlg
{
public:
    static constexpr int kMsgSlaveLabel = util::msg::kSlaveNumberCaption;
    static constexpr int kMsgOwnStationKept = util::msg::kOwnStationKept;
    static constexpr std::size_t kStations = CChannelParams::kStationCount;

    // `configControls` shows the configuration combo and the master list (the panel settings
    // path); the PLC type and new-project dialogs open it without them.
    CCommParaDlg(CFunctionPrompt &prompt, const CChannelParams &record, bool configControls);

    // --- what is shown ----------------------------------------------------------------------
    bool ConfigVisible() const { return m_configControls && !m_record.FixedLink(); }
    bool TimeoutVisible() const { return !m_record.FixedLink(); }
    bool RemoteVisible() const;
    // "슬레이브 번호:" with the configuration controls, else "상대국 번호:".
    std::string RemoteLabel() const;
    bool StationBoxesEnabled() const;
    // "등록된 마스터 갯수:" counter: two digits as opened, plain after a change.
    std::string CounterText() const;

    // --- fields -----------------------------------------------------------------------------
    std::uint16_t OwnStation() const { return m_own; }
    std::uint16_t RemoteStation() const { return m_remote; }
    std::uint16_t Configuration() const { return m_config; }
    std::uint16_t Baud() const { return m_baud; }
    std::uint16_t DataBits() const { return m_dataBits; }
    std::uint16_t Parity() const { return m_parity; }
    std::uint16_t StopBits() const { return m_stopBits; }
    std::uint16_t Timeout() const { return m_timeout; }
    bool StationChecked(std::size_t station) const { return m_checked.at(station); }
    bool SelectAll() const { return m_selectAll; }
    int CheckedCount() const;

    void SetBaud(std::uint16_t index) { m_baud = index; }
    void SetDataBits(std::uint16_t index) { m_dataBits = index; }
    void SetParity(std::uint16_t index) { m_parity = index; }
    void SetStopBits(std::uint16_t index) { m_stopBits = index; }
    void SetTimeout(std::uint16_t ms) { m_timeout = ms; }
    void SetRemoteStation(std::uint16_t station);

    // --- user actions -----------------------------------------------------------------------
    void SetConfiguration(std::uint16_t config);
    void SetOwnStation(std::uint16_t station);
    // A station box clicked. Unchecking the own station is refused (message 52102) and the box
    // stays checked; returns false then.
    bool SetStationChecked(std::size_t station, bool checked);
    void SetSelectAll(bool on);

    // "선택된 국번호 저장": writes the checked numbers as "1,5,7" to [MasterStation] StationList.
    bool SaveStations(const std::string &path) const;
    // "저장된 국번호 가져오기": checks the listed numbers below 32 (others are ignored), then the
    // own station. False, with the message said, when the file could not be read or holds no
    // [MasterStation] StationList (the boxes are left alone then).
    bool LoadStations(const std::string &path);
    static constexpr const char *kStationFileFilter
            = "Master Station Files(*.ini)|*.ini|All Files (*.*)|*.*|";
    static constexpr const char *kStationFileExt = "ini";

    // --- OK ---------------------------------------------------------------------------------
    CChannelParams Result() const;
    // OK from the project's own channel settings: stores the rebuilt record as channel
    // `channel` of the document, gives the driver slot the remote station and applies it to
    // the channel's addresses by the rule of the PLC type dialog (channel 1 always, channel 2
    // in 1:1 and N:1).
    void ApplyTo(CDorvaneDoc &doc, int channel) const;

private:
    void Changed() { m_counterChanged = true; }

    CFunctionPrompt &m_prompt;
    CChannelParams m_record;
    bool m_configControls;
    std::uint16_t m_own = 0;
    std::uint16_t m_remote = 0;
    std::uint16_t m_config = 0;
    std::uint16_t m_baud = 0;
    std::uint16_t m_dataBits = 0;
    std::uint16_t m_parity = 0;
    std::uint16_t m_stopBits = 0;
    std::uint16_t m_timeout = 0;
    std::array<bool, kStations> m_checked{};
    bool m_selectAll = false;
    bool m_counterChanged = false;
};

} // namespace core
