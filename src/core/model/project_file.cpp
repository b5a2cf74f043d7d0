#include "core/model/project_file.h"

#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace core {

namespace {

constexpr std::size_t kMagicOffset = 0;
constexpr std::size_t kVersionOffset = 4;
constexpr std::size_t kLengthOffset = 6;
constexpr std::size_t kMakerOffset = 10;
constexpr std::size_t kMakerSize = 60;
constexpr std::size_t kTableOffset = 74;

ProjectFileCheck reject(int messageId, int reasonId = 0, std::uint64_t at = 0)
{
    ProjectFileCheck check;
    check.messageId = messageId;
    check.reasonId = reasonId;
    check.at = at;
    return check;
}

bool isProjectHeader(util::ConstByteSpan file)
{
    if (std::memcmp(file.data() + kMagicOffset, kProjectMagic, 4) != 0)
        return false;
    std::array<std::uint8_t, kMakerSize> maker{};
    std::memcpy(maker.data(), kProjectMaker, std::strlen(kProjectMaker));
    return std::equal(maker.begin(), maker.end(), file.begin() + kMakerOffset);
}

// The byte of the area table where the areas stop adding up to the file; nothing when they do.
std::optional<std::uint64_t> areaTableFault(util::ConstByteSpan file)
{
    const std::uint64_t length = file.size();
    const std::uint64_t body = length - kProjectHeaderSize;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t entry = kTableOffset + 8 * i;
        if (util::le32(file, entry) >= length)
            return entry;
        sum += util::le32(file, entry + 4);
        if (sum > body)
            return entry + 4;
    }
    if (sum != body)
        return kTableOffset + 8 * 3 + 4;
    return std::nullopt;
}

// Why a file could not be read at all, as the system tells it.
int unreadableReason(const std::string &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return util::msg::kFileMissing;
    if (std::filesystem::is_directory(status))
        return util::msg::kFileIsFolder;
    if (::access(path.c_str(), R_OK) != 0)
        return util::msg::kFileNoPermission;
    return util::msg::kNotProjectFile; // a device or a pipe: nothing a project can be read from
}

} // namespace

ProjectFileCheck checkProjectBytes(util::ConstByteSpan file, bool readable)
{
    if (!readable)
        return reject(util::msg::kFileNotReadable);
    if (file.size() > kMaxProjectFileSize)
        return reject(util::msg::kFileNotReadable, util::msg::kFileTooLarge);
    if (file.size() < kProjectHeaderSize || !isProjectHeader(file))
        return reject(util::msg::kFileNotReadable, util::msg::kNotProjectFile);
    if (const std::uint32_t stated = util::le32(file, kLengthOffset); stated != file.size()) {
        ProjectFileCheck check = reject(util::msg::kFileNotReadable, util::msg::kFileCutShort);
        check.size = file.size();
        check.expected = stated;
        return check;
    }
    const std::uint16_t version = util::le16(file, kVersionOffset);
    if (version >= kProjectVersionTooNew) {
        ProjectFileCheck check = reject(util::msg::kFileTooNew);
        check.needMajor = version >> 8;
        check.needMinor = version & 0xFF;
        return check;
    }
    if (const auto at = areaTableFault(file))
        return reject(util::msg::kFileNotReadable, util::msg::kFileDamagedAt, *at);
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
    bool tooLarge = false;
    const std::optional<util::Bytes> data
            = util::readFileCapped(path, kMaxProjectFileSize, &tooLarge);
    ProjectFileCheck check = data ? checkProjectBytes(*data) : checkProjectBytes({}, false);
    if (!data)
        check.reasonId = tooLarge ? util::msg::kFileTooLarge : unreadableReason(path);
    check.path = path;
    return check;
}

std::string projectCheckMessage(const ProjectFileCheck &check)
{
    if (check.ok || check.messageId == 0)
        return {};
    std::string text = check.messageId == util::msg::kFileTooNew
            ? util::formatMessage(util::msg::kFileTooNew, check.needMajor, check.needMinor)
            : std::string(util::messageText(check.messageId));
    if (!check.path.empty())
        text += "\n\n" + util::formatMessage(util::msg::kFileNamed, check.path.c_str());
    switch (check.reasonId) {
    case 0:
        break;
    case util::msg::kFileTooLarge:
        text += "\n"
                + util::formatMessage(check.reasonId, std::to_string(kMaxProjectFileSize).c_str());
        break;
    case util::msg::kFileCutShort:
        text += "\n"
                + util::formatMessage(check.reasonId, std::to_string(check.size).c_str(),
                                      std::to_string(check.expected).c_str());
        break;
    case util::msg::kFileDamagedAt:
        text += "\n" + util::formatMessage(check.reasonId, std::to_string(check.at).c_str());
        break;
    default:
        text += "\n" + std::string(util::messageText(check.reasonId));
    }
    return text;
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
