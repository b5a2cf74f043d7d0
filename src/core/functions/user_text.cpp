#include "core/functions/user_text.h"

#include "util/code_page.h"

namespace core::usertext {

std::string FromUser(const std::string &utf8, std::uint16_t lang, std::size_t maxBytes)
{
    const std::string bytes = util::fromUtf8Lossy(utf8, lang);
    std::size_t end = 0;
    while (end < bytes.size()) {
        const std::size_t next = end + util::charLengthAt(bytes, end);
        if (next > maxBytes)
            break;
        end = next;
    }
    return bytes.substr(0, end);
}

std::string ToUser(const std::string &bytes, std::uint16_t lang)
{
    return util::toUtf8Lossy(bytes, lang);
}

} // namespace core::usertext
