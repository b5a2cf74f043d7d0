#pragma once

// A PLC driver slot: device 0 is the panel's own memory (no plugin, built-in address rules),
// devices 1 and 2 are the PLCs on channels 1 and 2, each served by the protocol driver plugin of
// its PLC type. Every caller asks a slot, never a plugin directly; a slot without a plugin or a
// plugin without some export answers with the documented substitutes.

#include "core/plc/plc_driver_abi.h"
#include "core/plc/plc_info.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace core {

enum AddrKind : std::int32_t { kAddrBit = 1, kAddrWord = 2, kAddrDWord = 4 };

using DownAddr = std::array<std::uint8_t, PLC_DOWN_ADDR_SIZE>;

// Device kinds of a slot.
inline constexpr std::int32_t kDeviceNone = 0;  // no PLC on the channel
inline constexpr std::int32_t kDevicePanel = 1; // the panel's own memory
inline constexpr std::int32_t kDeviceKind2 = 2; // PLC type with bit 15 set
inline constexpr std::int32_t kDevicePlc = 3;

class CPlcDrv
{
public:
    explicit CPlcDrv(std::uint16_t slotIndex = 0);
    ~CPlcDrv();
    CPlcDrv(const CPlcDrv &) = delete;
    CPlcDrv &operator=(const CPlcDrv &) = delete;

    // Loads `fileName` from `protocolsDir`. Only a plain file name is accepted, so a catalogue
    // entry can never load a library from elsewhere. A slot that holds a module frees it first.
    // The file is checked before it is mapped (see DriverFileProblem); LoadError() says why a
    // load failed.
    bool LoadDriver(const std::string &protocolsDir, const std::string &fileName);
    const std::string &LoadError() const { return m_loadError; }
    // Frees the plugin and clears type, device kind and panel driver.
    void Unload();
    // Unloads, then binds to the catalogue entry (none: the slot stays unloaded).
    void Bind(const CPlcInfo *entry, std::uint16_t station, const std::string &protocolsDir);

    bool HasModule() const { return m_module != nullptr; }
    std::uint16_t SlotIndex() const { return m_slot; }
    std::uint16_t Type() const { return m_type; }
    // Sets the type and derives the device kind from it (0 none, 2 bit 15 set, 3 otherwise).
    void SetType(std::uint16_t type);
    std::int32_t DeviceKind() const { return m_deviceKind; }
    void SetDeviceKind(std::int32_t kind) { m_deviceKind = kind; }
    std::uint16_t Station() const { return m_station; }
    void SetStation(std::uint16_t station) { m_station = station; }
    const std::string &PanelDriver() const { return m_panelDriver; }

    std::int32_t GetTypeAreaList(std::int32_t kind, std::vector<std::string> &areas) const;
    std::int32_t GetAreaReadOnly(std::int32_t kind, const std::string &area,
                                 std::uint32_t &readOnly) const;
    std::int32_t ValidCheck(std::int32_t kind, const std::string &area, std::string &number) const;
    std::int32_t GetDefaultAddr(std::int32_t kind, std::uint32_t selector, std::string &area,
                                std::string &number) const;
    std::int32_t BuildDownAddr(std::int32_t kind, const std::string &area,
                               const std::string &number, std::uint16_t &bit, DownAddr &out) const;
    std::int32_t BuildDownAddr1(std::int32_t kind, const std::string &area,
                                const std::string &number, std::uint16_t &bit, DownAddr &out,
                                std::uint32_t extra) const;
    std::int32_t BuildUpAddr(std::int32_t kind, const DownAddr &in, std::string &area,
                             std::string &number, std::uint16_t &bit) const;
    std::int32_t GetTransSize() const;

    // The plugin's export of that name, or null (no plugin, or no such export).
    void *Export(const char *name) const;

private:
    void *m_module = nullptr;
    std::uint16_t m_type = 0;
    std::int32_t m_deviceKind = kDeviceNone;
    std::uint16_t m_station = 0;
    std::string m_panelDriver;
    std::string m_loadError;
    std::uint16_t m_slot = 0;
};

// The largest driver file that is loaded; the drivers are a few hundred kilobytes.
inline constexpr std::uintmax_t kMaxDriverFile = 64u << 20;

// Message `id` in the user's language with each "%s" replaced by the next of `args`.
std::string messageWithTexts(int id, const std::vector<std::string> &args);

// Why a driver file must not be handed to the system loader: a message number (0 when it may)
// and the texts of the message's "%s".
struct DriverFileFault
{
    int message = 0;
    std::vector<std::string> args;
    explicit operator bool() const { return message != 0; }
    // The message in the user's language.
    std::string text() const;
};

// Checks the driver file at `path`. The loader maps the file: one cut short would fault the
// whole program when a missing page is touched, so the headers and every loaded segment must lie
// inside the file.
DriverFileFault CheckDriverFile(const std::string &path);

// The communication settings a PLC type prescribes.
struct PlcCommSetting
{
    bool editable = true;
    std::int32_t baudIndex = 5;
    std::uint8_t dataBits = 0;
    std::uint8_t stopBits = 0;
    std::uint8_t parity = 0;
};

// Loads the driver just for this question and frees it again. A driver that cannot be loaded or
// has no such export answers "editable" with baud index 5.
PlcCommSetting GetCommSetting(const std::string &protocolsDir, const std::string &driverFile);

// The built-in rules for the panel's own memory (a slot without plugin).
namespace builtin {
std::int32_t ValidCheck(std::int32_t kind, std::string &number);
std::int32_t BuildDownAddr(std::int32_t kind, const std::string &number, std::uint16_t &bit,
                           DownAddr &out);
std::int32_t BuildUpAddr(std::int32_t kind, const DownAddr &in, std::string &number,
                         std::uint16_t &bit);
} // namespace builtin

} // namespace core
