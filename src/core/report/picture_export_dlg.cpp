#include "core/report/picture_export_dlg.h"

#include "core/report/project_report.h"

#include "util/message_ids.h"

#include <algorithm>
#include <cstdio>

namespace core {

CPictureExportDlg::CPictureExportDlg(const FunctionEnv &env, std::vector<std::uint16_t> screens,
                                     int current)
    : m_env(env)
    , m_screens(std::move(screens))
    , m_current(current)
    , m_scope(current >= 0 ? kCurrent : kAll)
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
    if (m_scope == kCurrent && HasCurrent()) {
        chosen.push_back(std::uint16_t(m_current));
    } else if (m_scope == kList) {
        // Every listed number must be a screen of the project.
        const bool read = parseScreenList(m_list, chosen);
        const bool known = std::all_of(chosen.begin(), chosen.end(), [this](std::uint16_t n) {
            return std::find(m_screens.begin(), m_screens.end(), n) != m_screens.end();
        });
        if (!read || !known || chosen.empty()) {
            m_env.Show(util::msg::kBadValue);
            return false;
        }
    } else {
        chosen = m_screens;
    }
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
