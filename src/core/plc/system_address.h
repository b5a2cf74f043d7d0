#pragma once

// The panel's named system addresses: 52 words of the panel's own memory, 900 to 951, that the
// panel firmware fills (clock, scan times, keys, status flags). The address entry offers them by
// name, and wherever a panel word number is shown, one of these numbers is shown by its name.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace core {

struct SystemAddress
{
    std::string_view name;
    std::uint16_t address;
    // The panel writes these words itself; a point that must be writable may not use any of them.
    bool readOnly;
};

inline constexpr std::uint16_t kFirstSystemAddress = 900;
inline constexpr std::uint16_t kLastSystemAddress = 951;
inline constexpr std::size_t kSystemAddressCount = 52;

// All 52, in address order.
std::span<const SystemAddress> systemAddresses();
const SystemAddress *findSystemAddress(std::uint16_t address);
const SystemAddress *findSystemAddressByName(std::string_view name);

// The system address a panel number text names: the text must be decimal digits (for a bit
// address, once its bit digit is dropped) with the value of one of the 52 addresses.
const SystemAddress *systemAddressOf(std::string_view number, bool bitAddress);

// How a panel address is shown: the system address's name when it names one, else the text.
std::string panelAddressText(std::string_view number, bool bitAddress);

// The number text a chosen system address gives: "%d" of its address, for a bit address
// followed by bit 0.
std::string systemAddressNumber(const SystemAddress &entry, bool bitAddress);

// A panel address a point that must be writable may take: its word number is below 900. Only
// the limit is checked here; the number's syntax is the driver slot's ValidCheck.
bool panelAddressWritable(std::string_view number, bool bitAddress);

} // namespace core
