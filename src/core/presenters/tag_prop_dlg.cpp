#include "core/presenters/tag_prop_dlg.h"

#include "core/editor/selection_rules.h"
#include "core/functions/image_category.h"
#include "core/model/img_res_mgr.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/tag.h"
#include "core/tags/tag_body.h"

#include "util/archive.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

CTagPropDlg::CTagPropDlg(const FunctionEnv &env, CTag &tag)
    : m_env(env)
    , m_tag(tag)
    , m_before(Body(tag))
    , m_rectBefore(tag.Rect())
{ }

util::Bytes CTagPropDlg::Body(CTag &tag)
{
    return tagBody(tag);
}

void CTagPropDlg::LoadBody(CTag &tag, const util::Bytes &body)
{
    loadTagBody(tag, body);
}

std::int32_t CTagPropDlg::X() const
{
    return m_tag.X();
}

std::int32_t CTagPropDlg::Y() const
{
    return m_tag.Y();
}

bool CTagPropDlg::SetX(std::int64_t x)
{
    if (!InRange(x, 0, kPanelWidth - 1))
        return false;
    m_tag.MoveTo(std::int32_t(x), m_tag.Y());
    return true;
}

bool CTagPropDlg::SetY(std::int64_t y)
{
    if (!InRange(y, 0, kPanelHeight - 1))
        return false;
    m_tag.MoveTo(m_tag.X(), std::int32_t(y));
    return true;
}

bool CTagPropDlg::FitsDisplay() const
{
    const CRect r = m_tag.Rect().Normalized();
    if (editor::keepsOnDisplay(m_rectBefore, r))
        return true;
    m_env.prompt.ShowMessage(util::msg::kTagOffDisplay,
                             util::formatMessage(util::msg::kTagOffDisplay, kPanelWidth,
                                                 kPanelHeight, r.Width(), r.Height(), r.left,
                                                 r.top));
    return false;
}

void CTagPropDlg::Cancel()
{
    if (Changed())
        LoadBody(m_tag, m_before);
    DropLoadedImages({});
}

void CTagPropDlg::Accepted()
{
    DropLoadedImages(m_tag.ImageIds());
}

void CTagPropDlg::DropLoadedImages(const std::vector<std::uint16_t> &keep)
{
    // Nothing else can show them: they were not in the project when the dialog opened.
    CImgResMgr *images = m_tag.Resources().images;
    for (const std::uint16_t id : m_loaded)
        if (images && std::find(keep.begin(), keep.end(), id) == keep.end())
            images->Remove(id);
    m_loaded.clear();
}

bool CTagPropDlg::Changed() const
{
    return Body(m_tag) != m_before;
}

bool CTagPropDlg::InRange(std::int64_t value, std::int64_t min, std::int64_t max) const
{
    if (value >= min && value <= max)
        return true;
    m_env.Show(util::msg::kIntegerRange, std::to_string(min).c_str(), std::to_string(max).c_str());
    return false;
}

bool CTagPropDlg::TakeImage(std::uint32_t number) const
{
    if (number >= ImageCategory::kFirstUncategorised)
        return false;
    CImgResMgr *images = m_tag.Resources().images;
    if (!images || images->Find(number))
        return true;
    // A number without a loadable library file is kept: the tag shows its placeholder. A file
    // that loads but does not fit into the image area is refused.
    switch (images->ReloadFromLibrary(int(number))) {
    case ImageReload::NoRoom:
        break;
    case ImageReload::Added:
        m_loaded.push_back(std::uint16_t(number));
        return true;
    default:
        return true;
    }
    m_env.Show(util::msg::kMemoryFull);
    return false;
}

} // namespace core
