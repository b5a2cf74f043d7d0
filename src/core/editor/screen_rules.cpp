#include "core/editor/screen_rules.h"

#include "core/editor/selection_rules.h"
#include "core/model/screen_data.h"

#include "util/code_page.h"
#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

std::string screenCaption(const CScreenData &screen, std::uint16_t panelLangId)
{
    const std::string name = util::toUtf8Lossy(screen.Name(), panelLangId);
    return util::formatText("%s%d:%s",
                            std::string(util::messageText(util::msg::kScreenCaption)).c_str(),
                            int(screen.Number()), name.c_str());
}

std::vector<std::uint16_t> screensToDelete(const std::vector<std::uint16_t> &selected,
                                           std::size_t screenCount)
{
    std::vector<std::uint16_t> out;
    for (auto it = selected.rbegin(); it != selected.rend() && screenCount > 1; ++it) {
        out.push_back(*it);
        --screenCount;
    }
    return out;
}

std::optional<std::uint16_t> pasteScreenNumber(const CDorvaneDoc &doc, std::uint16_t wanted)
{
    if (wanted > kMaxScreenNumber)
        wanted = kMaxScreenNumber;
    for (int n = wanted; n <= kMaxScreenNumber; ++n)
        if (!doc.FindScreen(std::uint16_t(n)))
            return std::uint16_t(n);
    for (int n = 0; n < wanted; ++n)
        if (!doc.FindScreen(std::uint16_t(n)))
            return std::uint16_t(n);
    return std::nullopt;
}

std::vector<OffDisplayTag> offDisplayTags(const CDorvaneDoc &doc)
{
    std::vector<OffDisplayTag> found;
    for (const auto &screen : doc.Screens()) {
        const auto &tags = screen->Tags();
        for (std::size_t i = 0; i < tags.size(); ++i)
            if (const CRect r = tags[i]->Rect().Normalized(); editor::overhang(r) > 0)
                found.push_back({screen->Number(), i, tags[i]->Kind(), r});
    }
    return found;
}

} // namespace core
