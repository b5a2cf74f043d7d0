#include "core/presenters/bmp_text_tag_dlg.h"

#include "core/model/img_res_mgr.h"
#include "core/tags/text_render.h"

#include "util/code_page.h"
#include "util/message_ids.h"

#include <algorithm>

namespace core {

template<typename Change>
bool CBmpTextTagDlg::WithinImageArea(Change &&change)
{
    CImgResMgr *images = m_bmpText.Resources().images;
    const std::uint32_t usedBefore = images ? images->UsedBytes() : 0;
    const std::string text = m_bmpText.Text();
    const util::CLogFont font = m_bmpText.WindowsFont();
    const bool border = m_bmpText.HasBorder();
    change();
    if (!images || images->UsedBytes() <= usedBefore
        || images->UsedBytes() <= CImgResMgr::kAreaSize)
        return true;
    m_bmpText.SetWindowsFont(font);
    m_bmpText.SetText(text);
    m_bmpText.SetBorder(border);
    Env().Show(util::msg::kMemoryFull);
    return false;
}

bool CBmpTextTagDlg::SetBorder(bool on)
{
    return on == HasBorder() || WithinImageArea([&] { m_bmpText.SetBorder(on); });
}

bool CBmpTextTagDlg::StoreText(std::string_view bytes)
{
    return WithinImageArea([&] { m_bmpText.SetText(bytes); });
}

FontChoice CBmpTextTagDlg::CurrentFont() const
{
    const util::CLogFont &font = m_bmpText.WindowsFont();
    const std::uint16_t lang = Env().panelLang;
    FontChoice choice;
    choice.family = renderedFamily(font, lang);
    if (choice.family.empty())
        choice.family = util::toUtf8Lossy(font.faceName(), lang);
    // A negative height is the character height itself; a positive one the cell height.
    std::int64_t em = font.height() < 0 ? -std::int64_t(font.height()) : 0;
    if (em == 0)
        em = characterHeight(font, lang);
    if (em == 0)
        em = font.height() != 0 ? font.height() : 16;
    choice.pixelHeight = std::int32_t(std::clamp<std::int64_t>(em, 1, kMaxPixelHeight));
    choice.weight = font.weight() == 0 ? 400 : std::clamp(font.weight(), 1, 1000);
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    return choice;
}

FontResult CBmpTextTagDlg::ChooseFont(const FontChoice &choice)
{
    if (choice == CurrentFont())
        return FontResult::Unchanged;
    if (choice.family.empty() || choice.pixelHeight < 1 || choice.pixelHeight > kMaxPixelHeight)
        return FontResult::FaceUnusable;
    const std::uint16_t lang = Env().panelLang;
    util::CLogFont font = m_bmpText.WindowsFont();
    font.setWeight(std::clamp(choice.weight, 1, 1000));
    font.setItalic(choice.italic);
    if (renderedFamily(font, lang) != choice.family) {
        // The renderer reads face names in the panel's code page and in CP949.
        auto face = util::fromUtf8(choice.family, lang);
        if (!face)
            face = util::fromUtf8(choice.family, util::kLangKorean);
        if (!face || face->size() >= util::CLogFont::kFaceSize)
            return FontResult::FaceUnusable;
        font.setFaceName(*face);
        if (renderedFamily(font, lang).empty())
            return FontResult::FaceUnusable;
    }
    // As the Windows font dialog hands it over: the character height, the face's own width.
    font.setHeight(-choice.pixelHeight);
    font.setWidth(0);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return WithinImageArea([&] { m_bmpText.SetWindowsFont(font); }) ? FontResult::Taken
                                                                    : FontResult::NoRoom;
}

bool CBmpTextTagDlg::SetDirection(std::int32_t escapement)
{
    if (std::find(kDirections.begin(), kDirections.end(), escapement) == kDirections.end())
        return false;
    if (escapement == Direction())
        return true;
    util::CLogFont font = m_bmpText.WindowsFont();
    font.setEscapement(escapement);
    font.setOrientation(escapement);
    return WithinImageArea([&] { m_bmpText.SetWindowsFont(font); });
}

} // namespace core
