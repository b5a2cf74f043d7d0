#pragma once

// Motorola S-record files as the boot and OS images come: only "S1" and "S2" lines carry data,
// every line ends with CR LF or LF alone (as srec_cat writes them) and is at most 254 characters
// long counted with CR LF, its length must match the byte count, and everything else (header,
// end records, malformed lines) is passed over silently. The record checksum is not examined:
// the images are checked by the target's block sums.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

struct SRecord
{
    std::uint32_t address = 0;
    std::vector<std::uint8_t> data;
};

class CSRecordFile
{
public:
    static constexpr std::size_t kMaxLine = 254; // characters, CR LF included
    // The largest flash map is 256 KiB; written as records of one byte each it needs under
    // 4 MiB. A larger file is refused before it is read.
    static constexpr std::size_t kMaxFile = 16 * 1024 * 1024;

    // The data records of the file in file order; nothing when the file cannot be opened or is
    // larger than kMaxFile (then `tooLarge`, when given, is set).
    static std::optional<std::vector<SRecord>> read(const std::string &path,
                                                    bool *tooLarge = nullptr);
    // The records of text already in memory.
    static std::vector<SRecord> parse(std::string_view text);
    // One line including its CR LF or LF; nothing when it is not a data record.
    static std::optional<SRecord> parseLine(std::string_view line);
    // A boot image: the data of every record appended in file order, addresses ignored.
    static std::vector<std::uint8_t> concatenate(const std::vector<SRecord> &records);
};

} // namespace quillet
