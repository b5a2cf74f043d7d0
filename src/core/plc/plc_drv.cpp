#include "core/plc/plc_drv.h"

#include "util/byte_order.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <filesystem>
#include <fstream>
#include <link.h>

namespace core {

namespace {

bool allDecimal(const std::string &s)
{
    return !s.empty()
            && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Decimal digits with a value up to `max`; long texts of leading zeros are fine.
bool decimalUpTo(const std::string &s, unsigned long max, unsigned long &value)
{
    if (!allDecimal(s))
        return false;
    value = 0;
    for (char c : s) {
        value = value * 10 + unsigned(c - '0');
        if (value > max)
            return false;
    }
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = char(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string fieldText(const std::uint8_t *data, std::size_t size)
{
    const auto *end = std::find(data, data + size, std::uint8_t(0));
    return std::string(data, end);
}

std::string bufferText(const char *data, std::size_t size)
{
    return std::string(data, strnlen(data, size));
}

void copyText(char *dst, std::size_t size, const std::string &text)
{
    std::memset(dst, 0, size);
    std::memcpy(dst, text.data(), std::min(text.size(), size - 1));
}

// Texts a plugin's fixed buffers cannot hold whole. Passing them cut would make the plugin judge
// or encode a different address than the one typed.
bool fitsPlugin(const std::string &area, const std::string &number)
{
    return area.size() < PLC_AREA_TEXT_SIZE && number.size() < PLC_NUMBER_TEXT_SIZE;
}

bool isLibraryHeader(const ElfW(Ehdr) & h)
{
    const bool native = std::memcmp(h.e_ident, ELFMAG, SELFMAG) == 0
            && h.e_ident[EI_CLASS] == (sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32)
            && h.e_ident[EI_DATA]
                    == (std::endian::native == std::endian::little ? ELFDATA2LSB : ELFDATA2MSB);
    return native && h.e_type == ET_DYN && h.e_phentsize == sizeof(ElfW(Phdr)) && h.e_phnum > 0;
}

// End of the headers and of every segment the loader maps; 0 when a program header cannot be
// read (the file ends inside the table).
std::uintmax_t bytesNeeded(std::ifstream &in, const ElfW(Ehdr) & h, std::uintmax_t size)
{
    const std::uintmax_t phEnd
            = std::uintmax_t(h.e_phoff) + std::uintmax_t(h.e_phnum) * h.e_phentsize;
    std::uintmax_t needed = std::max<std::uintmax_t>(
            phEnd, std::uintmax_t(h.e_shoff) + std::uintmax_t(h.e_shnum) * h.e_shentsize);
    if (phEnd > size)
        return needed;
    in.seekg(std::streamoff(h.e_phoff));
    for (unsigned i = 0; i < h.e_phnum; ++i) {
        ElfW(Phdr) ph{};
        if (!in.read(reinterpret_cast<char *>(&ph), sizeof ph))
            return 0;
        if (ph.p_type == PT_LOAD || ph.p_type == PT_DYNAMIC)
            needed = std::max<std::uintmax_t>(needed, std::uintmax_t(ph.p_offset) + ph.p_filesz);
    }
    return needed;
}

} // namespace

std::string messageWithTexts(int id, const std::vector<std::string> &args)
{
    const std::string_view format = util::messageText(id);
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.compare(i, 2, "%s") == 0) {
            out += next < args.size() ? args[next++] : std::string();
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string DriverFileFault::text() const
{
    return messageWithTexts(message, args);
}

DriverFileFault CheckDriverFile(const std::string &path)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool regular = fs::is_regular_file(path, ec);
    const std::uintmax_t size = regular ? fs::file_size(path, ec) : 0;
    std::ifstream in(path, std::ios::binary);
    if (!regular || ec || !in)
        return {util::msg::kDriverUnreadable, {}};
    if (size > kMaxDriverFile)
        return {util::msg::kDriverTooLarge, {std::to_string(kMaxDriverFile)}};
    ElfW(Ehdr) header{};
    if (!in.read(reinterpret_cast<char *>(&header), sizeof header) || !isLibraryHeader(header))
        return {util::msg::kDriverNotLibrary, {}};
    const std::uintmax_t needed = bytesNeeded(in, header, size);
    if (needed == 0 || needed > size)
        return {util::msg::kDriverTruncated,
                {std::to_string(size), std::to_string(std::max(needed, size + 1))}};
    return {};
}

namespace builtin {

std::int32_t ValidCheck(std::int32_t kind, std::string &number)
{
    unsigned long value = 0;
    switch (kind) {
    case kAddrWord:
        return decimalUpTo(number, 999, value) ? 0 : -1;
    case kAddrDWord:
        return decimalUpTo(number, 898, value) ? 0 : -1;
    case kAddrBit: {
        if (number.empty() || number.size() > 19)
            return -1;
        const int bit = hexValue(number.back());
        std::string word = number.substr(0, number.size() - 1);
        if (word.empty())
            word = "0";
        if (bit < 0 || !decimalUpTo(word, 999, value))
            return -1;
        char digit[4];
        std::snprintf(digit, sizeof digit, "%X", unsigned(bit));
        number = word + digit;
        return 0;
    }
    default:
        return -1;
    }
}

std::int32_t BuildDownAddr(std::int32_t kind, const std::string &number, std::uint16_t &bit,
                           DownAddr &out)
{
    std::string text = number;
    if (ValidCheck(kind, text) != 0)
        return -1;
    const std::string word = kind == kAddrBit ? text.substr(0, text.size() - 1) : text;
    unsigned long value = 0;
    decimalUpTo(word, 999, value);
    out.fill(0);
    const std::string field = std::to_string(value & 0xFFFF);
    std::copy(field.begin(), field.end(), out.begin());
    bit = kind == kAddrBit ? std::uint16_t(hexValue(text.back())) : 0;
    return 2;
}

std::int32_t BuildUpAddr(std::int32_t kind, const DownAddr &in, std::string &number,
                         std::uint16_t &bit)
{
    const std::string field = fieldText(in.data(), in.size());
    if (!std::all_of(field.begin(), field.end(), [](char c) { return hexValue(c) >= 0; }))
        return 3;
    // Read as a decimal number, as strtol would: up to the first non-decimal character.
    long value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            break;
        value = std::min(value * 10 + (c - '0'), 0x7FFFFFFFL);
    }
    char text[48];
    if (kind == kAddrBit)
        std::snprintf(text, sizeof text, "%ld%X", value, unsigned(bit));
    else
        std::snprintf(text, sizeof text, "%ld", value);
    number = text;
    return 2;
}

} // namespace builtin

CPlcDrv::CPlcDrv(std::uint16_t slotIndex)
    : m_slot(slotIndex)
{ }

CPlcDrv::~CPlcDrv()
{
    if (m_module)
        dlclose(m_module);
}

bool CPlcDrv::LoadDriver(const std::string &protocolsDir, const std::string &fileName)
{
    if (m_module) {
        dlclose(m_module);
        m_module = nullptr;
    }
    m_loadError.clear();
    if (fileName.empty() || fileName.find('/') != std::string::npos
        || fileName.find('\\') != std::string::npos || fileName == "." || fileName == "..") {
        m_loadError = util::messageText(util::msg::kDriverUnreadable);
        return false;
    }
    const std::string path = protocolsDir + "/" + fileName;
    if (const DriverFileFault fault = CheckDriverFile(path)) {
        m_loadError = fault.text();
        return false;
    }
    m_module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_module) {
        const char *why = dlerror();
        m_loadError = why ? why : util::messageText(util::msg::kDriverNotLibrary);
    }
    return m_module != nullptr;
}

void CPlcDrv::Unload()
{
    if (m_module)
        dlclose(m_module);
    m_module = nullptr;
    m_type = 0;
    m_deviceKind = m_slot == 0 ? m_deviceKind : kDeviceNone;
    m_panelDriver.clear();
}

void CPlcDrv::Bind(const CPlcInfo *entry, std::uint16_t station, const std::string &protocolsDir)
{
    Unload();
    if (!entry)
        return;
    LoadDriver(protocolsDir, entry->driverDll);
    SetType(entry->type);
    m_station = station;
    m_panelDriver = entry->panelDriver;
}

void CPlcDrv::SetType(std::uint16_t type)
{
    m_type = type;
    m_deviceKind = type == 0 ? kDeviceNone : (type & 0x8000) ? kDeviceKind2 : kDevicePlc;
}

void *CPlcDrv::Export(const char *name) const
{
    return m_module ? dlsym(m_module, name) : nullptr;
}

std::int32_t CPlcDrv::GetTypeAreaList(std::int32_t kind, std::vector<std::string> &areas) const
{
    areas.clear();
    const auto fn = reinterpret_cast<PlcGetTypeAreaList>(Export("GetTypeAreaList"));
    if (!fn)
        return 0;
    std::vector<char> buffer(PLC_AREA_TEXT_SIZE * PLC_MAX_AREAS, 0);
    const std::int32_t result = fn(kind, buffer.data());
    const int count = std::min<int>(result & 0xFFFF, PLC_MAX_AREAS);
    for (int i = 0; i < count; ++i)
        areas.push_back(bufferText(buffer.data() + i * PLC_AREA_TEXT_SIZE, PLC_AREA_TEXT_SIZE));
    return count;
}

std::int32_t CPlcDrv::GetAreaReadOnly(std::int32_t kind, const std::string &area,
                                      std::uint32_t &readOnly) const
{
    if (!m_module) {
        readOnly = 0;
        return 1;
    }
    const auto fn = reinterpret_cast<PlcGetAreaReadOnly>(Export("GetAreaReadOnly"));
    if (!fn)
        return 0;
    return fn(kind, area.c_str(), &readOnly);
}

std::int32_t CPlcDrv::ValidCheck(std::int32_t kind, const std::string &area,
                                 std::string &number) const
{
    if (!m_module)
        return builtin::ValidCheck(kind, number);
    const auto fn = reinterpret_cast<PlcValidCheck>(Export("ValidCheck"));
    if (!fn)
        return 0;
    if (!fitsPlugin(area, number))
        return -1;
    char buffer[PLC_NUMBER_TEXT_SIZE];
    copyText(buffer, sizeof buffer, number);
    const std::int32_t result = fn(kind, area.c_str(), buffer);
    number = bufferText(buffer, sizeof buffer);
    return result;
}

std::int32_t CPlcDrv::GetDefaultAddr(std::int32_t kind, std::uint32_t selector, std::string &area,
                                     std::string &number) const
{
    if (!m_module) {
        area.clear();
        number = "0";
        return 0;
    }
    char areaBuf[PLC_AREA_TEXT_SIZE] = {};
    char numberBuf[PLC_NUMBER_TEXT_SIZE] = {};
    std::int32_t result = 0;
    if (const auto fn = reinterpret_cast<PlcGetDefaultAddr>(Export("GetDefaultAddr")))
        result = fn(kind, selector, areaBuf, numberBuf);
    area = bufferText(areaBuf, sizeof areaBuf);
    number = bufferText(numberBuf, sizeof numberBuf);
    return result;
}

std::int32_t CPlcDrv::BuildDownAddr(std::int32_t kind, const std::string &area,
                                    const std::string &number, std::uint16_t &bit,
                                    DownAddr &out) const
{
    if (!m_module)
        return builtin::BuildDownAddr(kind, number, bit, out);
    if (const auto fn = reinterpret_cast<PlcBuildDownAddr>(Export("BuildDownAddr"))) {
        out.fill(0);
        if (!fitsPlugin(area, number))
            return -1;
        return fn(kind, area.c_str(), number.c_str(), &bit, out.data());
    }
    return BuildDownAddr1(kind, area, number, bit, out, 0);
}

std::int32_t CPlcDrv::BuildDownAddr1(std::int32_t kind, const std::string &area,
                                     const std::string &number, std::uint16_t &bit, DownAddr &out,
                                     std::uint32_t extra) const
{
    if (!m_module)
        return builtin::BuildDownAddr(kind, number, bit, out);
    out.fill(0);
    const auto fn = reinterpret_cast<PlcBuildDownAddr1>(Export("BuildDownAddr1"));
    if (!fn)
        return 0;
    if (!fitsPlugin(area, number))
        return -1;
    return fn(kind, area.c_str(), number.c_str(), &bit, out.data(), extra);
}

std::int32_t CPlcDrv::BuildUpAddr(std::int32_t kind, const DownAddr &in, std::string &area,
                                  std::string &number, std::uint16_t &bit) const
{
    if (!m_module) {
        area.clear();
        return builtin::BuildUpAddr(kind, in, number, bit);
    }
    const auto fn = reinterpret_cast<PlcBuildUpAddr>(Export("BuildUpAddr"));
    if (!fn)
        return 0;
    char areaBuf[PLC_AREA_TEXT_SIZE] = {};
    char numberBuf[PLC_NUMBER_TEXT_SIZE] = {};
    const std::int32_t result = fn(kind, in.data(), areaBuf, numberBuf, &bit);
    area = bufferText(areaBuf, sizeof areaBuf);
    number = bufferText(numberBuf, sizeof numberBuf);
    return result;
}

std::int32_t CPlcDrv::GetTransSize() const
{
    const auto fn = reinterpret_cast<PlcGetTransSize>(Export("GetTransSize"));
    return fn ? fn() : 1;
}

PlcCommSetting GetCommSetting(const std::string &protocolsDir, const std::string &driverFile)
{
    PlcCommSetting setting;
    CPlcDrv probe;
    if (!probe.LoadDriver(protocolsDir, driverFile))
        return setting;
    const auto fn = reinterpret_cast<PlcGetCommSetting>(probe.Export("GetCommSetting"));
    if (!fn)
        return setting;
    std::uint32_t editable = 1;
    std::uint8_t record[PLC_COMM_SETTING_SIZE] = {};
    fn(&editable, record);
    setting.editable = editable != 0;
    if (!setting.editable) {
        setting.baudIndex = std::int32_t(util::le32(record, 4));
        setting.dataBits = record[8];
        setting.stopBits = record[9];
        setting.parity = record[10];
    }
    return setting;
}

} // namespace core
