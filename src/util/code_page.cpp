#include "util/code_page.h"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <vector>

namespace util {

const char *codePageName(std::uint16_t langId)
{
    switch (langId) {
    case kLangKorean:
        return "CP949";
    case kLangJapanese:
        return "CP932";
    case kLangChinese:
        return "CP936";
    default:
        return "CP1252";
    }
}

namespace {

// One iconv conversion; with `lossy`, unconvertible input is replaced by '?'.
std::optional<std::string> convert(const char *to, const char *from, std::string_view in,
                                   bool lossy)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out;
    std::vector<char> buffer(in.size() * 4 + 16);
    char *src = const_cast<char *>(in.data());
    std::size_t srcLeft = in.size();
    bool failed = false;
    while (srcLeft > 0) {
        char *dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer.data(), std::size_t(dst - buffer.data()));
        if (r != std::size_t(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (!lossy) {
            failed = true;
            break;
        }
        // Skip one offending input byte (or the truncated tail) and mark it.
        out.push_back('?');
        ++src;
        --srcLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    if (failed)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<std::string> toUtf8(std::string_view bytes, std::uint16_t langId)
{
    return convert("UTF-8", codePageName(langId), bytes, false);
}

std::optional<std::string> fromUtf8(std::string_view utf8, std::uint16_t langId)
{
    return convert(codePageName(langId), "UTF-8", utf8, false);
}

std::string toUtf8Lossy(std::string_view bytes, std::uint16_t langId)
{
    return convert("UTF-8", codePageName(langId), bytes, true).value_or(std::string());
}

std::string fromUtf8Lossy(std::string_view utf8, std::uint16_t langId)
{
    return convert(codePageName(langId), "UTF-8", utf8, true).value_or(std::string());
}

std::size_t charLengthAt(std::string_view bytes, std::size_t pos)
{
    if (pos >= bytes.size())
        return 0;
    if (isLeadByte(static_cast<std::uint8_t>(bytes[pos])) && pos + 1 < bytes.size())
        return 2;
    return 1;
}

std::size_t panelCharCount(std::string_view bytes)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < bytes.size(); pos += charLengthAt(bytes, pos))
        ++count;
    return count;
}

std::uint16_t langIdFromLocale(std::string_view locale)
{
    if (locale.starts_with("ko"))
        return kLangKorean;
    if (locale.starts_with("ja"))
        return kLangJapanese;
    if (locale.starts_with("zh"))
        return kLangChinese;
    return kLangEnglish;
}

std::uint16_t systemDefaultLangId()
{
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char *value = std::getenv(name);
        if (value && *value)
            return langIdFromLocale(value);
    }
    return kLangEnglish;
}

} // namespace util
