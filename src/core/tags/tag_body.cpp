#include "core/tags/tag_body.h"

#include "core/model/img_res_mgr.h"
#include "core/tags/bmp_text_tag.h"

#include "util/archive.h"

namespace core {

util::Bytes tagBody(CTag &tag)
{
    util::CArchive ar;
    tag.Serialize(ar);
    return ar.buffer();
}

void loadTagBody(CTag &tag, const util::Bytes &body)
{
    auto *bmpText = dynamic_cast<CBmpTextTag *>(&tag);
    const std::uint32_t before = bmpText ? bmpText->ImageBytes() : 0;
    util::CArchive ar(body);
    tag.Serialize(ar);
    tag.AfterLoad();
    if (CImgResMgr *images = tag.Resources().images; bmpText && images)
        images->AdjustUsed(std::int64_t(bmpText->ImageBytes()) - std::int64_t(before));
}

} // namespace core
