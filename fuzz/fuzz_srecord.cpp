// Quillet's S-record reader on arbitrary text.

#include "srecord_file.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto records = quillet::CSRecordFile::parse(text);
    quillet::CSRecordFile::concatenate(records);
    return 0;
}
