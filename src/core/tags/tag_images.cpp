#include "core/tags/tag_images.h"

#include "core/model/img_res_mgr.h"

namespace core {

ImageSize tagImageSize(const TagResources &resources, std::uint16_t imageId)
{
    const CImgResMgr *images = resources.images;
    const util::CMonoBitmap *bitmap = images ? images->Bitmap(imageId) : nullptr;
    if (!bitmap || bitmap->isNull())
        return {};
    return {bitmap->width(), bitmap->height()};
}

void ensureDefaultImages(const TagResources &resources,
                         std::initializer_list<std::uint16_t> imageIds)
{
    CImgResMgr *images = resources.images;
    if (!images)
        return;
    for (const std::uint16_t id : imageIds)
        if (id != kNoImage && !images->Find(id))
            images->AddFromLibrary(id);
}

} // namespace core
