#pragma once

// The device addresses a project keeps outside its screens: the blocks of alarms, calculations,
// block transfers and reservations, and the two address groups of the panel settings. When a
// channel's PLC type changes, their texts are read with the old driver before the slot is
// rebound, then checked with the new one: an address the new driver rejects becomes its default
// address. (Screens, their tags and function keys revalidate themselves through the document.)

#include "core/model/dorvane_doc.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CProjectAddresses
{
public:
    // Reads the texts of every address on a changed channel through the slots as they are now.
    static CProjectAddresses Capture(const CDorvaneDoc &doc, bool ch1Changed, bool ch2Changed);
    // After the slots were rebound: checks each captured address with its channel's new driver
    // and builds it back (the driver's default when rejected). Returns how many were rejected.
    std::size_t Revalidate(CDorvaneDoc &doc) const;

    // Gives every address on `channel` the station number.
    static void ApplyStation(CDorvaneDoc &doc, std::uint16_t channel, std::uint16_t station);

    std::size_t Size() const { return m_entries.size(); }

    enum class List { Alarm, Calc, Transfer, Reservation, Parameters };

private:
    struct Entry
    {
        List list;
        std::size_t record; // index in its list; the group number for Parameters
        std::size_t block;
        std::int32_t kind;
        std::uint16_t channel;
        std::string area;
        std::string number;
    };

    std::vector<Entry> m_entries;
};

} // namespace core
