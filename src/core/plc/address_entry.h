#pragma once

// What a typed PLC address stands for. Besides a number in the chosen area, users type the forms
// they know from their PLC: an area written in front of the number, as the editor shows addresses
// ("4x1"), and, where the driver takes an address without area, its own area-less form (the
// Modbus reference numbers 40001 and 400001). When one text can mean two addresses the entry is
// ambiguous and is refused, rather than silently taken as one of them. The driver stays the judge
// of every reading; nothing here knows a PLC's ranges.

#include "core/plc/plc_drv.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct PlcAddress
{
    std::string area;
    std::string number; // as the driver normalises it

    bool operator==(const PlcAddress &) const = default;
};

struct TypedAddress
{
    // Every address the text may mean, distinct: none when the driver refuses all of them.
    std::vector<PlcAddress> readings;

    bool Accepted() const { return readings.size() == 1; }
    bool Ambiguous() const { return readings.size() > 1; }
};

// Reads `typed` for the PLC behind `drv`, with `area` the area chosen (empty: none). Readings: the
// number in that area; the area named in front of the number (any area of the kind, matched
// without regard to case); the driver's area-less form, placed in its area. Read-only areas are
// read too: whether the point may use one is the caller's rule.
TypedAddress readTypedAddress(const CPlcDrv &drv, std::int32_t kind, const std::string &area,
                              const std::string &typed);

// The Modbus reference number of an address in an area named "<digit>x" ("4x" 1 is "40001"),
// when the driver takes it back as the same address; empty otherwise.
std::string referenceNumber(const CPlcDrv &drv, std::int32_t kind, const PlcAddress &address);

// How an address is echoed to the user: area and number, followed by " = " and its reference
// number where it has one ("4x1 = 40001").
std::string addressEcho(const CPlcDrv &drv, std::int32_t kind, const PlcAddress &address);

// Message 52351 for an ambiguous entry, naming its first two readings and how to type each.
std::string ambiguousAddressMessage(const CPlcDrv &drv, std::int32_t kind, const std::string &typed,
                                    const TypedAddress &read);

} // namespace core
