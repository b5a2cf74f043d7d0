#include "core/report/report_setup_dlg.h"

#include <algorithm>

namespace core {

CReportSetupDlg::CReportSetupDlg(const FunctionEnv &env, std::vector<std::uint16_t> screens,
                                 int current)
    : m_env(env)
    , m_scope(std::move(screens), current)
{
    m_scope.SetScope(CScreenScope::kAll);
}

void CReportSetupDlg::SetPictureWidth(int percent)
{
    m_pictureWidth = std::clamp(percent, kMinPictureWidth, kMaxPictureWidth);
}

bool CReportSetupDlg::Ok()
{
    std::vector<std::uint16_t> chosen;
    if (!m_scope.Choose(m_env, chosen))
        return false;
    m_chosen = std::move(chosen);
    return true;
}

} // namespace core
