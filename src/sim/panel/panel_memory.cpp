#include "sim/panel/panel_memory.h"

#include "core/comm/frame_codec.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sim {

namespace {

constexpr std::uint32_t kSystemRecord = 1800;
constexpr std::uint32_t kHistoryStart = 440;
constexpr std::size_t kHistoryLength = 13600;

std::uint8_t toBcd(int value)
{
    return static_cast<std::uint8_t>(((value / 10) % 10) << 4 | (value % 10));
}

int fromBcd(std::uint8_t value, bool &ok)
{
    if ((value >> 4) > 9 || (value & 0x0F) > 9)
        ok = false;
    return (value >> 4) * 10 + (value & 0x0F);
}

std::uint16_t bcdWord(int value)
{
    return static_cast<std::uint16_t>(toBcd(value / 100) << 8 | toBcd(value % 100));
}

std::string areaFile(const std::string &dir, std::uint8_t letter)
{
    return dir + "/" + static_cast<char>(letter) + ".bin";
}

} // namespace

CPanelMemory::CPanelMemory(Options options)
    : m_options(std::move(options))
{
    for (const std::uint8_t letter : {'G', 'S', 'C', 'R', 'P', 'Z', 'F'}) {
        const std::size_t capacity = letter == 'G' ? 0x4000
                : letter == 'S'                    ? 0x8000
                : letter == 'P'                    ? 0x2000
                : letter == 'F'                    ? 0x40000
                                                   : 0x10000;
        initArea(letter, capacity, 0xFF);
    }
    initArea('A', 18, 0x00);
    initArea('M', kSystemRecord + 28, 0x00);
    initArea('W', kHistoryStart + kHistoryLength, 0xFF);
    if (m_options.password) {
        util::Bytes block(18, 0);
        util::setBe32(block, 0, 18);
        block[6] = 0xF5;
        block[7] = 0xFA;
        std::copy_n(m_options.password->begin(),
                    std::min<std::size_t>(10, m_options.password->size()), block.begin() + 8);
        std::uint16_t sum = 0;
        for (std::size_t i = 6; i < 18; ++i)
            sum = static_cast<std::uint16_t>(sum + block[i]);
        util::setBe16(block, 4, sum);
        m_areas['A'].bytes = block;
        store('A', 0, 18);
    }
}

void CPanelMemory::initArea(std::uint8_t letter, std::size_t capacity, std::uint8_t fill)
{
    Area &area = m_areas[letter];
    area.bytes.assign(capacity, fill);
    if (m_options.stateDir.empty())
        return;
    const std::string path = areaFile(m_options.stateDir, letter);
    if (std::FILE *f = std::fopen(path.c_str(), "rb")) {
        const std::size_t n = std::fread(area.bytes.data(), 1, capacity, f);
        std::fclose(f);
        if (n == capacity)
            return;
        area.bytes.assign(capacity, fill);
    }
    store(letter, 0, capacity);
}

void CPanelMemory::store(std::uint8_t letter, std::size_t offset, std::size_t length)
{
    if (m_options.stateDir.empty())
        return;
    const Area &area = m_areas[letter];
    const std::string path = areaFile(m_options.stateDir, letter);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    // Only the block that changed goes to the file.
    const ssize_t n = ::pwrite(fd, area.bytes.data() + offset, length, static_cast<off_t>(offset));
    (void)n;
    ::close(fd);
}

bool CPanelMemory::hasArea(std::uint8_t letter) const
{
    const std::lock_guard lock(m_mutex);
    return m_areas.count(letter) != 0;
}

std::optional<std::uint8_t> CPanelMemory::read(std::uint8_t letter, std::uint32_t address,
                                               std::uint32_t length, util::Bytes &out)
{
    const std::lock_guard lock(m_mutex);
    const auto it = m_areas.find(letter);
    if (it == m_areas.end())
        return comm::NakSubCommand;
    if (length > comm::kMaxBlock)
        return comm::NakFrame;
    if (std::size_t{address} + length > it->second.bytes.size())
        return comm::NakAddress;
    if (letter == 'M')
        refreshSystemRecord();
    const auto first = it->second.bytes.begin() + address;
    out.assign(first, first + length);
    return std::nullopt;
}

std::optional<std::uint8_t> CPanelMemory::write(std::uint8_t letter, std::uint32_t address,
                                                util::ConstByteSpan data)
{
    const std::lock_guard lock(m_mutex);
    const auto it = m_areas.find(letter);
    if (it == m_areas.end() || letter == 'M')
        return comm::NakSubCommand;
    util::Bytes &bytes = it->second.bytes;
    if (std::size_t{address} + data.size() > bytes.size())
        return comm::NakAddress;
    if (letter == 'W')
        ++m_historyGeneration;
    if (letter == 'W' && address == 0 && data.size() == 2) {
        // The delete command: the history starts over empty.
        std::fill(bytes.begin() + kHistoryStart, bytes.end(), std::uint8_t{0xFF});
        store('W', kHistoryStart, kHistoryLength);
        return std::nullopt;
    }
    std::copy(data.begin(), data.end(), bytes.begin() + address);
    store(letter, address, data.size());
    if (letter == 'G' || letter == 'S' || letter == 'R' || letter == 'C')
        ++m_projectGeneration;
    return std::nullopt;
}

void CPanelMemory::erase()
{
    const std::lock_guard lock(m_mutex);
    ++m_projectGeneration;
    for (auto &[letter, area] : m_areas) {
        if (letter == 'M')
            continue;
        std::fill(area.bytes.begin(), area.bytes.end(),
                  std::uint8_t{letter == 'A' ? std::uint8_t{0} : std::uint8_t{0xFF}});
        store(letter, 0, area.bytes.size());
    }
}

bool CPanelMemory::hasPassword() const
{
    const std::lock_guard lock(m_mutex);
    const util::Bytes &a = m_areas.at('A').bytes;
    return a[6] == 0xF5 && a[7] == 0xFA;
}

bool CPanelMemory::checkPassword(util::ConstByteSpan tenBytes) const
{
    const std::lock_guard lock(m_mutex);
    const util::Bytes &a = m_areas.at('A').bytes;
    return tenBytes.size() == 10 && std::equal(tenBytes.begin(), tenBytes.end(), a.begin() + 8);
}

std::uint64_t CPanelMemory::projectGeneration() const
{
    const std::lock_guard lock(m_mutex);
    return m_projectGeneration;
}

std::uint64_t CPanelMemory::historyGeneration() const
{
    const std::lock_guard lock(m_mutex);
    return m_historyGeneration;
}

void CPanelMemory::storeHistory(util::ConstByteSpan areaW)
{
    const std::lock_guard lock(m_mutex);
    util::Bytes &bytes = m_areas.at('W').bytes;
    if (areaW.size() != bytes.size())
        return;
    std::copy(areaW.begin() + kHistoryStart, areaW.end(), bytes.begin() + kHistoryStart);
    store('W', kHistoryStart, kHistoryLength);
}

util::Bytes CPanelMemory::areaBytes(std::uint8_t letter) const
{
    const std::lock_guard lock(m_mutex);
    const auto it = m_areas.find(letter);
    return it == m_areas.end() ? util::Bytes() : it->second.bytes;
}

std::tm CPanelMemory::panelTime() const
{
    const std::lock_guard lock(m_mutex);
    return clockNow();
}

std::tm CPanelMemory::clockNow() const
{
    const std::time_t local = std::time(nullptr);
    std::tm t{};
    ::localtime_r(&local, &t);
    // Panel time = local wall time + offset, computed on a UTC scale to avoid DST shifts.
    const std::time_t shifted = ::timegm(&t) + m_clockOffset;
    std::tm out{};
    ::gmtime_r(&shifted, &out);
    return out;
}

util::Bytes CPanelMemory::clockRecord() const
{
    const std::lock_guard lock(m_mutex);
    const std::tm t = clockNow();
    const int year = t.tm_year + 1900;
    return {toBcd(year % 100), toBcd(t.tm_mon + 1), toBcd(t.tm_mday),  toBcd(t.tm_hour),
            toBcd(t.tm_min),   toBcd(t.tm_sec),     toBcd(year / 100), toBcd(t.tm_wday)};
}

bool CPanelMemory::setClock(util::ConstByteSpan r)
{
    const std::lock_guard lock(m_mutex);
    if (r.size() < 8)
        return false;
    bool ok = true;
    std::tm t{};
    t.tm_year = fromBcd(r[6], ok) * 100 + fromBcd(r[0], ok) - 1900;
    t.tm_mon = fromBcd(r[1], ok) - 1;
    t.tm_mday = fromBcd(r[2], ok);
    t.tm_hour = fromBcd(r[3], ok);
    t.tm_min = fromBcd(r[4], ok);
    t.tm_sec = fromBcd(r[5], ok);
    if (!ok || t.tm_mon < 0 || t.tm_mon > 11 || t.tm_mday < 1 || t.tm_mday > 31 || t.tm_hour > 23
        || t.tm_min > 59 || t.tm_sec > 59)
        return false;
    const std::time_t wanted = ::timegm(&t);
    const std::time_t local = std::time(nullptr);
    std::tm now{};
    ::localtime_r(&local, &now);
    m_clockOffset = static_cast<long long>(wanted) - static_cast<long long>(::timegm(&now));
    return true;
}

void CPanelMemory::refreshSystemRecord()
{
    util::Bytes &m = m_areas['M'].bytes;
    const util::ByteSpan rec(m.data() + kSystemRecord, 28);
    const std::tm t = clockNow();
    util::setBe16(rec, 0, bcdWord(t.tm_year + 1900));
    util::setBe16(rec, 2, bcdWord(t.tm_mon + 1));
    util::setBe16(rec, 4, bcdWord(t.tm_mday));
    util::setBe16(rec, 6, bcdWord(t.tm_hour));
    util::setBe16(rec, 8, bcdWord(t.tm_min));
    util::setBe16(rec, 10, bcdWord(t.tm_sec));
    util::setBe16(rec, 12, static_cast<std::uint16_t>(t.tm_wday));
    util::setBe16(rec, 14, 12); // scan time maximum
    util::setBe16(rec, 16, 0);
    util::setBe16(rec, 18, 7); // scan time current
    util::setBe16(rec, 20, m_options.rtc ? 1 : 0);
    util::setBe16(rec, 22, m_options.osVersion);
    util::setBe16(rec, 24, 0x2026);
    util::setBe16(rec, 26, 0x1208);
}

} // namespace sim
