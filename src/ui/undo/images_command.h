#pragma once

// One undo step for a change of the project's image table as a whole (removing the images no
// screen uses): the table before and after, each image with its bitmap, in the table's order.

#include "util/mono_bitmap.h"

#include <QUndoCommand>

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace core {
class CImgResMgr;
} // namespace core

namespace ui {

class CImagesCommand : public QUndoCommand
{
public:
    using Images = std::vector<std::pair<std::uint32_t, util::CMonoBitmap>>;
    static Images Capture(const core::CImgResMgr &images);

    // The table may show `after` already; redo puts it there again. `changed` runs after each
    // swap.
    CImagesCommand(core::CImgResMgr &images, Images before, Images after, const QString &text,
                   std::function<void()> changed = {});

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const Images &images);

    core::CImgResMgr &m_images;
    Images m_before, m_after;
    std::function<void()> m_changed;
};

} // namespace ui
