#pragma once

// What a tag consults of the project it belongs to while it computes its rectangle and builds
// its record: the image manager (image sizes, default images, rendered texts), the messages
// (shown text of message tags) and the two languages (panel texts, weekday names). The project
// document owns one set and binds its tags to it; a tag made outside any project reads the empty
// set (no images, no messages, Korean texts).

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

// The set of a tag that belongs to no project.
const TagResources &noTagResources();

} // namespace core
