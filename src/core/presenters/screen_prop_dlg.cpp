#include "core/presenters/screen_prop_dlg.h"

#include "core/functions/image_category.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/screen_data.h"

#include "util/bmp_file.h"
#include "util/code_page.h"
#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

ScreenProps ScreenProps::Of(const CScreenData &screen)
{
    ScreenProps p;
    p.number = screen.Number();
    p.name = screen.Name();
    p.prev = screen.PrevScreen();
    p.next = screen.NextScreen();
    p.background = screen.BackgroundImage();
    p.backgroundOn = screen.IsBackgroundOn();
    p.passwordOn = screen.IsPasswordOn();
    return p;
}

bool ApplyScreenProps(CDorvaneDoc &doc, const ScreenProps &from, const ScreenProps &to)
{
    CScreenData *screen = doc.FindScreen(from.number);
    if (!screen || doc.RenumberScreen(*screen, to.number) != 0)
        return false;
    screen->SetName(to.name);
    screen->SetPrevScreen(to.prev);
    screen->SetNextScreen(to.next);
    screen->SetBackgroundImage(to.background);
    screen->SetBackgroundOn(to.backgroundOn);
    screen->SetPasswordOn(to.passwordOn);
    return true;
}

CScreenPropDlg::CScreenPropDlg(CDorvaneDoc &doc, CScreenData &screen, std::uint16_t panelLangId,
                               CFunctionPrompt &prompt)
    : m_doc(doc)
    , m_screen(screen)
    , m_langId(panelLangId)
    , m_prompt(prompt)
    , m_before(ScreenProps::Of(screen))
{ }

std::string CScreenPropDlg::Name() const
{
    return util::toUtf8Lossy(m_screen.Name(), m_langId);
}

int CScreenPropDlg::Number() const
{
    return m_screen.Number();
}

int CScreenPropDlg::Prev() const
{
    return m_screen.PrevScreen();
}

int CScreenPropDlg::Next() const
{
    return m_screen.NextScreen();
}

bool CScreenPropDlg::BackgroundOn() const
{
    return m_screen.IsBackgroundOn();
}

bool CScreenPropDlg::PasswordOn() const
{
    return m_screen.IsPasswordOn();
}

int CScreenPropDlg::BackgroundWidth() const
{
    const auto *image = m_doc.Images().Find(m_screen.BackgroundImage());
    return image ? image->m_bitmap.width() : 0;
}

int CScreenPropDlg::BackgroundHeight() const
{
    const auto *image = m_doc.Images().Find(m_screen.BackgroundImage());
    return image ? image->m_bitmap.height() : 0;
}

bool CScreenPropDlg::SetName(const std::string &utf8)
{
    const std::string bytes = util::fromUtf8Lossy(utf8, m_langId);
    if (CDorvaneDoc::CheckScreenName(bytes) != 0 || bytes == m_screen.Name())
        return false;
    m_screen.SetName(bytes);
    return true;
}

bool CScreenPropDlg::SetNumber(int number)
{
    if (number == m_screen.Number())
        return false;
    if (number < 0 || number > kMaxScreenNumber)
        return false;
    const int result = m_doc.RenumberScreen(m_screen, std::uint16_t(number));
    if (result == util::msg::kScreenNumberTaken)
        m_prompt.ShowMessage(result, std::string(util::messageText(result)));
    return result == 0;
}

bool CScreenPropDlg::SetPrev(int number)
{
    if (number < 0 || number > kMaxScreenNumber || number == m_screen.PrevScreen())
        return false;
    m_screen.SetPrevScreen(std::uint16_t(number));
    return true;
}

bool CScreenPropDlg::SetNext(int number)
{
    if (number < 0 || number > kMaxScreenNumber || number == m_screen.NextScreen())
        return false;
    m_screen.SetNextScreen(std::uint16_t(number));
    return true;
}

bool CScreenPropDlg::SetBackgroundOn(bool on)
{
    if (on == m_screen.IsBackgroundOn())
        return false;
    m_screen.SetBackgroundOn(on);
    return true;
}

bool CScreenPropDlg::SetPasswordOn(bool on)
{
    if (on == m_screen.IsPasswordOn())
        return false;
    m_screen.SetPasswordOn(on);
    return true;
}

bool CScreenPropDlg::SetBackgroundImage(std::uint16_t number)
{
    CImgResMgr &images = m_doc.Images();
    if (number >= ImageCategory::kFirstUncategorised) {
        const bool changed = m_screen.BackgroundImage() != kNoImage || m_screen.IsBackgroundOn();
        m_screen.SetBackgroundImage(kNoImage);
        m_screen.SetBackgroundOn(false);
        return changed;
    }
    if (!images.Find(number)) {
        // Tell why the library file cannot serve before trying to add it.
        const util::BmpReadResult bmp = util::readBmpFile(images.LibraryPath(number));
        if (!bmp.ok) {
            m_prompt.ShowMessage(util::msg::kNotBitmapFile,
                                 util::formatMessage(util::msg::kNotBitmapFile));
            return false;
        }
        if (bmp.bitmap.width() > kMaxImageWidth || bmp.bitmap.height() > kMaxImageHeight) {
            m_prompt.ShowMessage(util::msg::kImageTooLarge,
                                 util::formatMessage(util::msg::kImageTooLarge, kMaxImageWidth,
                                                     kMaxImageHeight));
            return false;
        }
        if (images.AddFromLibrary(number) != 0) {
            m_prompt.ShowMessage(util::msg::kMemoryFull,
                                 util::formatMessage(util::msg::kMemoryFull));
            return false;
        }
        m_loaded.push_back(number);
    }
    if (number == m_screen.BackgroundImage() && m_screen.IsBackgroundOn())
        return false;
    m_screen.SetBackgroundImage(number);
    m_screen.SetBackgroundOn(true);
    return true;
}

ScreenProps CScreenPropDlg::Now() const
{
    return ScreenProps::Of(m_screen);
}

void CScreenPropDlg::Ok()
{
    DropLoadedImages();
}

void CScreenPropDlg::Cancel()
{
    ApplyScreenProps(m_doc, Now(), m_before);
    DropLoadedImages();
}

void CScreenPropDlg::DropLoadedImages()
{
    for (const std::uint16_t id : m_loaded)
        if (id != m_before.background && !m_doc.Images().IsImageReferenced(id, m_doc.Screens()))
            m_doc.Images().Remove(id);
    m_loaded.clear();
}

} // namespace core
