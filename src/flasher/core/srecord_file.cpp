#include "srecord_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quillet {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Two hex digits at `pos`, or -1.
int hexByte(std::string_view text, std::size_t pos)
{
    const int high = hexDigit(text[pos]);
    const int low = hexDigit(text[pos + 1]);
    return (high < 0 || low < 0) ? -1 : high * 16 + low;
}

} // namespace

std::optional<SRecord> CSRecordFile::parseLine(std::string_view line)
{
    // The record without its line end; the length limit counts a CR LF end either way.
    if (line.empty() || line.back() != '\n')
        return std::nullopt;
    line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    if (line.size() < 4 || line.size() + 2 > kMaxLine || line[0] != 'S'
        || (line[1] != '1' && line[1] != '2'))
        return std::nullopt;
    const int count = hexByte(line, 2);
    if (count < 0 || line.size() != static_cast<std::size_t>(2 * count + 4))
        return std::nullopt;
    const std::size_t addressBytes = line[1] == '1' ? 2 : 3;
    // The count covers address, data and checksum; fewer bytes than that is no record.
    if (static_cast<std::size_t>(count) < addressBytes + 1)
        return std::nullopt;

    SRecord record;
    std::size_t pos = 4;
    for (std::size_t i = 0; i < addressBytes; ++i, pos += 2) {
        const int b = hexByte(line, pos);
        if (b < 0)
            return std::nullopt;
        record.address = (record.address << 8) | static_cast<std::uint32_t>(b);
    }
    const std::size_t dataBytes = static_cast<std::size_t>(count) - addressBytes - 1;
    record.data.reserve(dataBytes);
    for (std::size_t i = 0; i < dataBytes; ++i, pos += 2) {
        const int b = hexByte(line, pos);
        if (b < 0)
            return std::nullopt;
        record.data.push_back(static_cast<std::uint8_t>(b));
    }
    return record;
}

std::vector<SRecord> CSRecordFile::parse(std::string_view text)
{
    std::vector<SRecord> records;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        // An over-long line is skipped as a whole: its tail is no line of its own.
        if (auto record = parseLine(text.substr(start, end - start)))
            records.push_back(std::move(*record));
        start = end;
    }
    return records;
}

std::optional<std::vector<SRecord>> CSRecordFile::read(const std::string &path, bool *tooLarge)
{
    if (tooLarge)
        *tooLarge = false;
    // A folder opens like a file here but reads nothing; it is no image.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    if (size > kMaxFile) {
        if (tooLarge)
            *tooLarge = true;
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // One byte more than the size: a file that grew meanwhile is no image to trust.
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(size));
    return parse(text);
}

std::vector<std::uint8_t> CSRecordFile::concatenate(const std::vector<SRecord> &records)
{
    std::vector<std::uint8_t> image;
    for (const auto &record : records)
        image.insert(image.end(), record.data.begin(), record.data.end());
    return image;
}

} // namespace quillet
