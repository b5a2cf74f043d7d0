#pragma once

// The process-wide managers the tags consult while they compute their rectangles and build their
// records: the image manager (image sizes, default images, rendered texts), the messages (shown
// text of message tags) and the two languages (panel texts, weekday names). The application sets
// them once at start-up; the tag factory keeps its one-argument form this way.

#include "util/code_page.h"

#include <cstdint>

namespace core {

class CImgResMgr;
class CStrResMgr;

struct TagResources
{
    CImgResMgr *images = nullptr;
    const CStrResMgr *strings = nullptr;
    std::uint16_t panelLangId = util::kLangKorean; // code page of tag texts
    std::uint16_t resourceLangId = util::kLangKorean; // program language (weekday names)
};

const TagResources &tagResources();
// Returns the previous set, so a caller (or a test) can put it back.
TagResources setTagResources(const TagResources &resources);

} // namespace core
