#include "core/plc/system_address.h"

#include <algorithm>
#include <array>

namespace core {

namespace {

constexpr std::array<std::string_view, kSystemAddressCount> kNames{
        "RTC_C_Y",     "RTC_MON",     "RTC_DAY",      "RTC_HOUR",       "RTC_MIN",
        "RTC_SEC",     "RTC_WEEK",    "SCAN_MAX",     "SCAN_MIN",       "SCAN_CUR",
        "HMI_TYPE",    "HMI_VER",     "VER_C_Y",      "VER_M_D",        "CUR_SCR",
        "RESERVED",    "COM1_COUNT",  "COM1_ERROR",   "COM2_COUNT",     "COM2_ERROR",
        "KEY_ESC",     "KEY_ALM",     "KEY_UP",       "KEY_DOWN",       "KEY_LEFT",
        "KEY_RIGHT",   "KEY_SET",     "KEY_ENT",      "KEY_F1",         "KEY_F2",
        "KEY_F3",      "KEY_F4",      "W_ALWAYS_ON",  "W_ALWAYS_OFF",   "W_SCAN_TOGGLE",
        "W_FATAL_ERR", "W_LIGHT_ERR", "W_ERROR_KIND", "W_RTC_DATA_ERR", "W_WDT_COUNT",
        "W_20MS",      "W_100MS",     "W_200MS",      "W_1S",           "W_2S",
        "W_10S",       "W_20S",       "W_60S",        "BACKUP_OK",      "CONST_ERROR",
        "CALC_L_ERR",  "CALC_H_ERR"};

constexpr std::array<SystemAddress, kSystemAddressCount> makeTable()
{
    std::array<SystemAddress, kSystemAddressCount> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = {kNames[i], std::uint16_t(kFirstSystemAddress + i), true};
    return table;
}

constexpr auto kTable = makeTable();
static_assert(kTable.back().address == kLastSystemAddress);

// The word part of a panel number text as a value, when it is all decimal digits.
bool wordValue(std::string_view number, bool bitAddress, unsigned long &value)
{
    if (bitAddress) {
        if (number.empty())
            return false;
        number.remove_suffix(1);
    }
    if (number.empty())
        return false;
    value = 0;
    for (const char c : number) {
        if (c < '0' || c > '9')
            return false;
        value = std::min(value * 10 + unsigned(c - '0'), 100000ul); // anything past is just big
    }
    return true;
}

} // namespace

std::span<const SystemAddress> systemAddresses()
{
    return kTable;
}

const SystemAddress *findSystemAddress(std::uint16_t address)
{
    if (address < kFirstSystemAddress || address > kLastSystemAddress)
        return nullptr;
    return &kTable[address - kFirstSystemAddress];
}

const SystemAddress *findSystemAddressByName(std::string_view name)
{
    const auto it = std::find_if(kTable.begin(), kTable.end(),
                                 [&](const SystemAddress &e) { return e.name == name; });
    return it == kTable.end() ? nullptr : &*it;
}

const SystemAddress *systemAddressOf(std::string_view number, bool bitAddress)
{
    unsigned long value = 0;
    if (!wordValue(number, bitAddress, value) || value > kLastSystemAddress)
        return nullptr;
    return findSystemAddress(std::uint16_t(value));
}

std::string panelAddressText(std::string_view number, bool bitAddress)
{
    if (const SystemAddress *entry = systemAddressOf(number, bitAddress))
        return std::string(entry->name);
    return std::string(number);
}

std::string systemAddressNumber(const SystemAddress &entry, bool bitAddress)
{
    return std::to_string(entry.address) + (bitAddress ? "0" : "");
}

bool panelAddressWritable(std::string_view number, bool bitAddress)
{
    unsigned long value = 0;
    if (bitAddress && number.size() == 1)
        return true; // a lone bit digit lies in word 0
    return !wordValue(number, bitAddress, value) || value < kFirstSystemAddress;
}

} // namespace core
