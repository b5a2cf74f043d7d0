#include "flash_texts.h"

#include <cstdio>

namespace quillet {

namespace {

std::string replaceFirst(std::string_view format, std::string_view marker, std::string_view value)
{
    std::string out(format);
    if (const auto pos = out.find(marker); pos != std::string::npos)
        out.replace(pos, marker.size(), value);
    return out;
}

} // namespace

std::string speedText(unsigned speed)
{
    return std::to_string(speed) + " bit/s";
}

std::string withPath(std::string_view format, std::string_view path)
{
    return replaceFirst(format, "%s", path);
}

std::string withCode(std::string_view format, unsigned code)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "%02X", code & 0xFFu);
    return replaceFirst(format, "%02X", hex);
}

} // namespace quillet
