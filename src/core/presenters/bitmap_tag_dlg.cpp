#include "core/presenters/bitmap_tag_dlg.h"

#include "core/model/img_res_mgr.h"

#include "util/messages.h"

namespace core {

CBitmapTagDlg::CBitmapTagDlg(const FunctionEnv &env, CBitmapTag &tag)
    : CTagPropDlg(env, tag)
    , m_bitmap(tag)
{ }

std::string CBitmapTagDlg::IdText() const
{
    return Image() == kNoImage ? std::string() : std::to_string(Image());
}

std::string CBitmapTagDlg::SizeText() const
{
    const CImgResMgr *images = m_bitmap.Resources().images;
    const util::CMonoBitmap *bitmap = images ? images->Bitmap(Image()) : nullptr;
    if (!bitmap || bitmap->isNull())
        return {};
    return util::formatText("( %d x %d )", bitmap->width(), bitmap->height());
}

bool CBitmapTagDlg::SetImage(std::uint32_t number)
{
    if (!TakeImage(number))
        return false;
    m_bitmap.SetImage(std::uint16_t(number));
    return true;
}

} // namespace core
