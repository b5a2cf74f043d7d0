#pragma once

// The logic of the panel connection port dialog ("Velmar Panel 연결 포트 변경"): COM1 to COM8
// and one of three speeds. OK writes [comm_setup] of APP.INI; the caller then hands the result
// to the serial worker.

#include "core/app/app_config.h"
#include "core/presenters/function_prompt.h"

#include "util/message_ids.h"

#include <array>
#include <string>

namespace core {

class CComPortDlg
{
public:
    static constexpr int kPortCount = 8;
    static constexpr std::array<int, 3> kSpeeds{9600, 38400, 115200};
    static constexpr int kDefaultSpeed = 115200;
    static constexpr int kMsgNoFileName = util::msg::kNoFileName;

    explicit CComPortDlg(const CommSetup &current);

    // "COM1" ... "COM8"; the port is the list index + 1.
    static std::string PortName(int index);
    int PortIndex() const { return m_portIndex; }
    void SelectPort(int index);
    // -1 when the stored speed is none of the three.
    int SpeedIndex() const { return m_speedIndex; }
    void SelectSpeed(int index);

    // The settings OK gives (115200 when no speed is chosen).
    CommSetup Result() const;
    // Stores the result in the configuration, which writes [comm_setup].
    bool Ok(CAppConfig &config);

    // "결선도 보기...": the connect file, or message 51810 and an empty path when none is set.
    static std::string WiringDiagram(const CAppConfig &config, CFunctionPrompt &prompt);

private:
    CommSetup m_current;
    int m_portIndex = 0;
    int m_speedIndex = -1;
};

} // namespace core
