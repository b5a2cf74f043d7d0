#pragma once

// The rules of the address replace window ("주소 바꾸기"): the channel and station, the address or
// range to move, its new start or an offset, and the kinds of users to change. Every change of
// an entry plans the replace again, so the window always previews exactly what OK would do.
// Refused addresses are listed beside the accepted ones; OK asks before leaving them as they are.

#include "core/presenters/function_prompt.h"
#include "core/xref/address_replace.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace core {

class CAddressReplaceDlg
{
public:
    explicit CAddressReplaceDlg(const CDorvaneDoc &doc);

    // 0 the panel's own memory, 1 and 2 the PLC channels.
    std::uint16_t Channel() const { return m_request.channel; }
    void SetChannel(std::uint16_t channel);
    // The stations the project uses on the channel, in order.
    const std::vector<std::uint16_t> &Stations() const { return m_stations; }
    // Nothing: every station.
    std::optional<std::uint16_t> Station() const { return m_request.station; }
    void SetStation(std::optional<std::uint16_t> station);

    const std::string &From() const { return m_request.from; }
    void SetFrom(std::string from);
    // The new start, or the offset when `ByOffset()`.
    bool ByOffset() const { return m_byOffset; }
    void SetByOffset(bool on);
    const std::string &To() const { return m_request.to; }
    void SetTo(std::string to);
    std::int64_t Offset() const { return m_offset; }
    void SetOffset(std::int64_t offset);

    bool KindChosen(xref::UserKind kind) const { return m_kinds[std::size_t(kind)]; }
    void SetKindChosen(xref::UserKind kind, bool on);

    // The plan for the entries as they are; empty while the address is not entered yet.
    const xref::ReplacePlan &Plan() const { return m_plan; }
    // The address and the new start (or the offset) are both entered.
    bool Entered() const;
    // Why nothing can be replaced: the entries cannot be read or nothing matches. Nothing while
    // they are not all entered.
    std::optional<Notice> Problem() const;
    // There is at least one change the driver takes.
    bool CanAccept() const { return !Problem() && !m_plan.changes.empty(); }

    // OK's checks: a problem is shown, refused addresses are asked about (Yes leaves them as they
    // are).
    bool Ok(CFunctionPrompt &prompt) const;
    // Makes the accepted changes, all or none; the reason when none was made.
    std::optional<Notice> ApplyTo(CDorvaneDoc &doc) const;

private:
    void Replan();

    const CDorvaneDoc &m_doc;
    xref::ReplaceRequest m_request;
    bool m_byOffset = false;
    std::int64_t m_offset = 0;
    std::array<bool, xref::kUserKindCount> m_kinds{};
    std::vector<std::uint16_t> m_stations;
    xref::ReplacePlan m_plan;
};

} // namespace core
