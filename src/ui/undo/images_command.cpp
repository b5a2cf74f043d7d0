#include "ui/undo/images_command.h"

#include "core/model/img_res_mgr.h"
#include "core/model/indexed_image.h"

namespace ui {

CImagesCommand::Images CImagesCommand::Capture(const core::CImgResMgr &images)
{
    Images out;
    for (const auto &image : images.Images())
        out.emplace_back(image->m_id, image->m_bitmap);
    return out;
}

CImagesCommand::CImagesCommand(core::CImgResMgr &images, Images before, Images after,
                               const QString &text, std::function<void()> changed)
    : QUndoCommand(text)
    , m_images(images)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_changed(std::move(changed))
{ }

void CImagesCommand::apply(const Images &images)
{
    if (Capture(m_images) != images) {
        // Image by image, so the total keeps what the image texts add to it; the order of the
        // table comes back as it was.
        std::vector<std::uint32_t> ids;
        for (const auto &image : m_images.Images())
            ids.push_back(image->m_id);
        for (std::uint32_t id : ids)
            m_images.Remove(id);
        for (const auto &[id, bitmap] : images) {
            auto image = std::make_unique<core::CIndexedImage>();
            image->m_id = id;
            image->m_bitmap = bitmap;
            m_images.Add(std::move(image));
        }
    }
    if (m_changed)
        m_changed();
}

} // namespace ui
