#include "core/report/picture_export_dlg.h"

#include "util/message_ids.h"

#include <algorithm>
#include <cstdio>

namespace core {

CPictureExportDlg::CPictureExportDlg(const FunctionEnv &env, std::vector<std::uint16_t> screens,
                                     int current)
    : m_env(env)
    , m_scope(std::move(screens), current)
{ }

void CPictureExportDlg::SetScale(int scale)
{
    m_scale = std::clamp(scale, kMinScale, kMaxScale);
}

bool CPictureExportDlg::Ok()
{
    m_chosen.clear();
    if (m_folder.find_first_not_of(' ') == std::string::npos) {
        m_env.Show(util::msg::kNoFileName);
        return false;
    }
    std::vector<std::uint16_t> chosen;
    if (!m_scope.Choose(m_env, chosen))
        return false;
    m_chosen = std::move(chosen);
    return true;
}

std::string CPictureExportDlg::FileName(std::uint16_t screen, Format format)
{
    char name[32];
    std::snprintf(name, sizeof name, "screen_%03u.%s", unsigned(screen),
                  format == kSvg ? "svg" : "png");
    return name;
}

} // namespace core
