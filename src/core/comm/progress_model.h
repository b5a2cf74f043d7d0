#pragma once

// What the progress dialog does, without the dialog: it runs a list of block transfers on the
// link's worker, turns the worker's messages into the area text, the bar and the result, and
// remembers which areas an upload brought in and their lengths.

#include "core/comm/comm_cmd.h"
#include "core/comm/comm_text.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace comm {

class CCommThread;

enum class ProgressResult { None = 0, Failed = 1, Stopped = 2, Succeeded = 3, Running = 4 };

class CProgressModel
{
public:
    enum Area { StringArea = 0, GlobalArea = 1, ScreenArea = 2, ImageArea = 3 };

    void setCommands(std::vector<COMM_CMD> commands) { m_commands = std::move(commands); }
    void setDownload(bool download) { m_download = download; }
    bool isDownload() const { return m_download; }
    const std::vector<COMM_CMD> &commands() const { return m_commands; }
    CommText title() const;

    // Dialog start: clears the uploaded flags, makes `notify` the link's target and starts the
    // list on the worker. A message to show comes back when the worker could not start.
    std::optional<CommText> start(CCommThread &link, ICommNotify *notify);
    // One message from the worker; returns a text to show, if any.
    std::optional<CommText> onMessage(const CCommThread &link, const CommMessage &message);
    // The Stop button: stops the link and returns the text to show.
    CommText stop(CCommThread &link);
    // The same without waiting for the worker: the owner waits for the link to be idle before
    // its next command.
    CommText requestStop(CCommThread &link);

    ProgressResult result() const { return m_result; }
    bool done() const { return m_done; }
    const CommText &areaText() const { return m_areaText; }
    std::uint32_t rangeMax() const { return m_rangeMax; }
    std::uint32_t position() const { return m_position; }
    bool uploaded(Area area) const { return m_uploaded[area]; }
    std::uint32_t uploadedLength(Area area) const { return m_lengths[area]; }

private:
    void showCommand(const CCommThread &link, const CommMessage &message, bool atStart);

    std::vector<COMM_CMD> m_commands;
    bool m_download = true;
    ProgressResult m_result = ProgressResult::None;
    bool m_done = false;
    CommText m_areaText;
    std::uint32_t m_rangeMax = 100;
    std::uint32_t m_position = 0;
    std::array<bool, 4> m_uploaded{};
    std::array<std::uint32_t, 4> m_lengths{};
};

} // namespace comm
