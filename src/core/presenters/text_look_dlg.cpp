#include "core/presenters/text_look_dlg.h"

#include "core/tags/panel_text.h"

#include "util/code_page.h"
#include "util/message_ids.h"

namespace core {

std::string CTextLookDlg::Text() const
{
    return util::toUtf8Lossy(StoredText(), Env().panelLang);
}

bool CTextLookDlg::TextFits(std::string_view utf8) const
{
    const auto bytes = util::fromUtf8(utf8, Env().panelLang);
    return bytes && bytes->size() <= kMaxTextBytes;
}

int CTextLookDlg::TextRefusal(std::string_view utf8) const
{
    const auto bytes = util::fromUtf8(utf8, Env().panelLang);
    if (!bytes)
        return util::msg::kTextNotInCodePage;
    return bytes->size() <= kMaxTextBytes ? 0 : util::msg::kTextTooLong;
}

std::size_t CTextLookDlg::TextBytes(std::string_view utf8) const
{
    const auto bytes = util::fromUtf8(utf8, Env().panelLang);
    return bytes ? bytes->size() : 0;
}

void CTextLookDlg::ExplainRefusal(std::string_view utf8) const
{
    switch (TextRefusal(utf8)) {
    case util::msg::kTextNotInCodePage:
        Env().Show(util::msg::kTextNotInCodePage);
        break;
    case util::msg::kTextTooLong:
        Env().Show(util::msg::kTextTooLong, int(kMaxTextBytes), int(TextBytes(utf8)));
        break;
    default:
        break;
    }
}

bool CTextLookDlg::SetText(std::string_view utf8)
{
    if (!TextEditable() || !TextFits(utf8))
        return false;
    const std::string bytes = *util::fromUtf8(utf8, Env().panelLang);
    return bytes == StoredText() || StoreText(bytes);
}

bool CTextLookDlg::SetPanelFont(std::uint16_t font)
{
    if (!HasPanelFont() || (font != kFontNormal && font != kFontLarge && font != kFontSmall))
        return false;
    StorePanelFont(font);
    return true;
}

} // namespace core
