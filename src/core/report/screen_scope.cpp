#include "core/report/screen_scope.h"

#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/report/project_report.h"

#include "util/message_ids.h"

#include <algorithm>

namespace core {

std::vector<std::uint16_t> screenNumbers(const CDorvaneDoc &doc)
{
    std::vector<std::uint16_t> numbers;
    for (const auto &screen : doc.Screens())
        numbers.push_back(screen->Number());
    return numbers;
}

CScreenScope::CScreenScope(std::vector<std::uint16_t> screens, int current)
    : m_screens(std::move(screens))
    , m_current(current)
    , m_scope(current >= 0 ? kCurrent : kAll)
{ }

bool CScreenScope::Choose(const FunctionEnv &env, std::vector<std::uint16_t> &out) const
{
    out.clear();
    if (m_scope == kCurrent && HasCurrent()) {
        out.push_back(std::uint16_t(m_current));
        return true;
    }
    if (m_scope != kList) {
        out = m_screens;
        return true;
    }
    std::vector<std::uint16_t> chosen;
    const bool read = parseScreenList(m_list, chosen);
    const bool known = std::all_of(chosen.begin(), chosen.end(), [this](std::uint16_t n) {
        return std::find(m_screens.begin(), m_screens.end(), n) != m_screens.end();
    });
    if (!read || !known || chosen.empty()) {
        env.Show(util::msg::kBadValue);
        return false;
    }
    out = std::move(chosen);
    return true;
}

} // namespace core
