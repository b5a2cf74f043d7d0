#include "core/presenters/img_viewer_dlg.h"

#include "core/functions/image_category.h"
#include "core/functions/user_text.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"
#include "core/tags/tag_kinds.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

CImgViewerDlg::CImgViewerDlg(const FunctionEnv &env, const CImgResMgr &images,
                             const std::vector<std::unique_ptr<CScreenData>> &screens)
    : m_env(env)
    , m_images(images)
    , m_screens(screens)
{ }

std::vector<std::string> CImgViewerDlg::ReferenceColumns()
{
    return {std::string(util::messageText(util::msg::kNumberCaption)),
            std::string(util::messageText(util::msg::kScreenNameCaption)),
            std::string(util::messageText(util::msg::kReferenceCountCaption))};
}

std::uint32_t CImgViewerDlg::ScrollRangeMax() const
{
    const std::uint32_t rows = std::uint32_t(m_images.Count()) / kColumns;
    return rows > 0 ? rows - 1 : 0;
}

std::uint32_t CImgViewerDlg::ScrollMax() const
{
    const std::uint32_t rows = std::uint32_t((m_images.Count() + kColumns - 1) / kColumns);
    return rows > kPage ? rows - kPage : 0;
}

void CImgViewerDlg::SetPosition(std::int64_t position)
{
    m_position = std::uint32_t(std::clamp<std::int64_t>(position, 0, ScrollMax()));
}

std::array<CImgViewerDlg::Cell, CImgViewerDlg::kCells> CImgViewerDlg::Cells() const
{
    std::array<Cell, kCells> cells;
    const auto &list = m_images.Images();
    for (int i = 0; i < kCells; ++i) {
        const std::size_t at = std::size_t(m_position) * kColumns + std::size_t(i);
        if (at >= list.size())
            continue;
        Cell &c = cells[std::size_t(i)];
        c.shown = true;
        c.id = list[at]->Key();
        c.selected = m_selected == int(c.id);
    }
    return cells;
}

bool CImgViewerDlg::Click(int cell)
{
    if (cell < 0 || cell >= kCells)
        return false;
    const Cell c = Cells()[std::size_t(cell)];
    if (!c.shown)
        return false;
    m_selected = c.id;
    BuildInfo(c.id);
    return true;
}

int CImgViewerDlg::ReferenceCount(const CScreenData &screen, std::uint16_t id)
{
    int count = screen.BackgroundImage() == id ? 1 : 0;
    for (const auto &tag : screen.Tags()) {
        switch (tag->Kind()) {
        case kTagLamp:
        case kTagButton:
        case kTagBitmap:
        case kTagMotor:
        case kTagMobile: {
            const auto ids = tag->ImageIds();
            if (std::find(ids.begin(), ids.end(), id) != ids.end())
                ++count;
            break;
        }
        default:
            break;
        }
    }
    return count;
}

void CImgViewerDlg::BuildInfo(std::uint16_t id)
{
    m_info = Info{};
    if (const util::CMonoBitmap *bitmap = m_images.Bitmap(id); bitmap && !bitmap->isNull()) {
        m_info.width = std::to_string(bitmap->width());
        m_info.height = std::to_string(bitmap->height());
    }
    if (const int category = ImageCategory::IndexOf(id); category >= 0) {
        const ImageCategory &c = ImageCategory::At(category);
        m_info.library = c.Name();
        m_info.libraryId = std::to_string(id - c.base);
    }
    for (const auto &screen : m_screens) {
        const int count = ReferenceCount(*screen, id);
        if (count > 0)
            m_info.references.push_back({std::to_string(screen->Number()),
                                         usertext::ToUser(screen->Name(), m_env.panelLang),
                                         std::to_string(count)});
    }
}

} // namespace core
