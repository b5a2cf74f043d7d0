#pragma once

// The base of the tags bound to one device point that keep it in the common record block (lamp,
// button, rotation and pie): the point itself, the driver-related operations on it, its clipboard
// form after the anchor, and the head of the panel record (address block, then the anchor).

#include "core/tags/point_info.h"
#include "core/tags/tag.h"

#include <cstdint>

namespace core {

class CPointTag : public CTag
{
public:
    void Serialize(util::CArchive &ar) override;
    void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed) override;
    void ChangeStation(std::uint16_t channel, std::uint16_t station) override;
    void SwapChannels(bool oneToTwo, bool twoToOne) override;

    CPointInfo &Point() { return m_point; }
    const CPointInfo &Point() const { return m_point; }

protected:
    // With `writable` (the bit tags), a PLC change also replaces an address in an area the
    // driver reports read-only.
    explicit CPointTag(bool writable);

    // Anchor, rectangle and point; the lock stays the target's own.
    void CopyFieldsFrom(const CPointTag &other);

    // The anchor follows the address block; the kind's own fields start at 66.
    static constexpr std::size_t kRecordX = 62;
    static constexpr std::size_t kRecordY = 64;

    // Clears the first `size` bytes of `out` and writes the address block of `point` (the
    // record's own form of the point, which may differ from m_point) and the anchor. False when
    // `out` is shorter than `size`.
    bool WriteRecordHead(const CPlcSlots &slots, util::ByteSpan out, std::size_t size,
                         const CPointInfo &point) const;
    // Reads the point and the anchor back; false (nothing changes) on a short record.
    bool ReadRecordHead(const CPlcSlots &slots, util::ConstByteSpan record, std::size_t size);

    CPointInfo m_point;

private:
    bool m_writable = false;
};

} // namespace core
