#include "core/model/project_file.h"

#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>
#include <cstring>

namespace core {

namespace {

constexpr std::size_t kMagicOffset = 0;
constexpr std::size_t kVersionOffset = 4;
constexpr std::size_t kLengthOffset = 6;
constexpr std::size_t kMakerOffset = 10;
constexpr std::size_t kMakerSize = 60;
constexpr std::size_t kTableOffset = 74;

ProjectFileCheck reject(int messageId)
{
    ProjectFileCheck check;
    check.messageId = messageId;
    return check;
}

bool headerMatches(util::ConstByteSpan file)
{
    if (util::le32(file, kLengthOffset) != file.size())
        return false;
    if (std::memcmp(file.data() + kMagicOffset, kProjectMagic, 4) != 0)
        return false;
    std::array<std::uint8_t, kMakerSize> maker{};
    std::memcpy(maker.data(), kProjectMaker, std::strlen(kProjectMaker));
    return std::equal(maker.begin(), maker.end(), file.begin() + kMakerOffset);
}

bool areaTableConsistent(util::ConstByteSpan file)
{
    const std::uint64_t length = file.size();
    const std::uint64_t body = length - kProjectHeaderSize;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::uint32_t offset = util::le32(file, kTableOffset + 8 * i);
        const std::uint32_t size = util::le32(file, kTableOffset + 8 * i + 4);
        if (offset >= length)
            return false;
        sum += size;
        if (sum > body)
            return false;
    }
    return sum == body;
}

} // namespace

ProjectFileCheck checkProjectBytes(util::ConstByteSpan file, bool readable)
{
    if (!readable || file.size() > kMaxProjectFileSize)
        return reject(util::msg::kFileNotReadable);
    if (file.size() < kProjectHeaderSize)
        return reject(util::msg::kFileNotReadable);
    if (!headerMatches(file))
        return reject(util::msg::kFileNotReadable);
    const std::uint16_t version = util::le16(file, kVersionOffset);
    if (version >= kProjectVersionTooNew) {
        ProjectFileCheck check = reject(util::msg::kFileTooNew);
        check.needMajor = version >> 8;
        check.needMinor = version & 0xFF;
        return check;
    }
    if (!areaTableConsistent(file))
        return reject(util::msg::kFileNotReadable);
    ProjectFileCheck check;
    check.ok = true;
    return check;
}

std::optional<util::Bytes> readProjectBytes(const std::string &path)
{
    return util::readFileCapped(path, kMaxProjectFileSize);
}

ProjectFileCheck checkProjectFile(const std::string &path)
{
    const std::optional<util::Bytes> data = readProjectBytes(path);
    if (!data)
        return checkProjectBytes({}, false);
    return checkProjectBytes(*data);
}

std::string projectCheckMessage(const ProjectFileCheck &check)
{
    if (check.ok || check.messageId == 0)
        return {};
    if (check.messageId == util::msg::kFileTooNew)
        return util::formatMessage(util::msg::kFileTooNew, check.needMajor, check.needMinor);
    return std::string(util::messageText(check.messageId));
}

util::Bytes buildProjectFile(const std::array<util::Bytes, 4> &areas)
{
    std::size_t total = kProjectHeaderSize;
    for (const auto &area : areas)
        total += area.size();
    util::Bytes file(kProjectHeaderSize, 0);
    std::memcpy(file.data() + kMagicOffset, kProjectMagic, 4);
    util::setLe16(file, kVersionOffset, kProjectVersion);
    util::setLe32(file, kLengthOffset, std::uint32_t(total));
    std::memcpy(file.data() + kMakerOffset, kProjectMaker, std::strlen(kProjectMaker));
    std::uint32_t offset = kProjectHeaderSize;
    for (std::size_t i = 0; i < 4; ++i) {
        util::setLe32(file, kTableOffset + 8 * i, offset);
        util::setLe32(file, kTableOffset + 8 * i + 4, std::uint32_t(areas[i].size()));
        offset += std::uint32_t(areas[i].size());
    }
    file.reserve(total);
    for (const auto &area : areas)
        file.insert(file.end(), area.begin(), area.end());
    return file;
}

bool splitProjectFile(util::ConstByteSpan file, std::array<util::Bytes, 4> &areas)
{
    std::size_t pos = kProjectHeaderSize;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<std::uint32_t> length = util::readU32(file, pos, util::Endian::Big);
        if (!length || *length < 4 || *length > kProjectAreaCapacity[i]
            || *length > file.size() - pos)
            return false;
        areas[i].assign(file.begin() + std::ptrdiff_t(pos),
                        file.begin() + std::ptrdiff_t(pos + *length));
        pos += *length;
    }
    return true;
}

} // namespace core
