#include "core/presenters/dlg_new_screen.h"

#include "util/code_page.h"
#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

CDlgNewScreen::CDlgNewScreen(CDorvaneDoc &doc, std::uint16_t panelLangId)
    : m_doc(doc)
    , m_langId(panelLangId)
    , m_number(doc.NextFreeScreenNumber())
    , m_name(DefaultName(m_number))
{ }

std::string CDlgNewScreen::DefaultName(int number) const
{
    // The name a new screen would get, shown in UTF-8.
    return util::toUtf8Lossy(defaultScreenName(std::uint16_t(number), m_langId), m_langId);
}

void CDlgNewScreen::SpinTo(int number)
{
    if (number < 0 || number > kMaxScreenNumber)
        return;
    m_number = number;
    m_name = DefaultName(number);
}

int CDlgNewScreen::Ok(CScreenData **created)
{
    const std::string bytes = util::fromUtf8Lossy(m_name, m_langId);
    if (CDorvaneDoc::CheckScreenName(bytes) != 0)
        return kMsgNameLength;
    if (m_number < 0 || m_number > kMaxScreenNumber)
        return kMsgNumberRange;
    CScreenData *screen = nullptr;
    const int result = m_doc.AddScreen(std::uint16_t(m_number), &screen);
    if (result == kScreenNoRoom)
        return kMsgScreenFull;
    if (result == kScreenExists)
        return kMsgScreenExists;
    screen->SetName(bytes);
    m_doc.SetModified();
    if (created)
        *created = screen;
    return 0;
}

} // namespace core
