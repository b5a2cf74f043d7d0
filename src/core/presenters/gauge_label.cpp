#include "core/presenters/gauge_label.h"

#include "util/messages.h"

#include <array>

namespace core {

namespace {

// Cuts `count` UTF-8 characters from the end of `text`.
std::string cutCharacters(std::string text, std::size_t count)
{
    while (count > 0 && !text.empty()) {
        std::size_t start = text.size() - 1;
        while (start > 0 && (std::uint8_t(text[start]) & 0xC0) == 0x80)
            --start;
        text.erase(start);
        --count;
    }
    return text;
}

} // namespace

const std::string &gaugeBaseLabel(MemoryGauge gauge)
{
    // In the resource language, like every other text of the windows.
    static const std::array<std::string, 3> korean{"화면   0%", "메시지   0%", "이미지   0%"};
    static const std::array<std::string, 3> english{"Screen   0%", "Message   0%", "Image   0%"};
    const auto &labels = util::messageLanguage() == util::kResEnglish ? english : korean;
    return labels.at(std::size_t(gauge));
}

std::string gaugeLabel(MemoryGauge gauge, int percent)
{
    const std::string formatted = util::formatText("%2d%%", percent);
    return cutCharacters(gaugeBaseLabel(gauge), formatted.size()) + formatted;
}

} // namespace core
