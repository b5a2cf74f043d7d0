#include "core/app/lang_info.h"

#include <algorithm>

namespace core {

void CLangInfo::add(CIndexedLang entry)
{
    m_list.push_back(std::move(entry));
}

const CIndexedLang *CLangInfo::find(std::uint32_t index) const
{
    const auto it = std::find_if(m_list.begin(), m_list.end(),
                                 [&](const CIndexedLang &l) { return l.index == index; });
    return it == m_list.end() ? nullptr : &*it;
}

std::string CLangInfo::nameOf(std::uint32_t index) const
{
    const auto *e = find(index);
    return e ? e->name : std::string();
}

std::string CLangInfo::constFileOf(std::uint32_t index) const
{
    const auto *e = find(index);
    return e ? e->constFile : std::string();
}

std::uint32_t CLangInfo::indexOfLangId(std::uint32_t langId) const
{
    const auto it = std::find_if(m_list.begin(), m_list.end(),
                                 [&](const CIndexedLang &l) { return l.langId == langId; });
    return it == m_list.end() ? 0 : it->index;
}

} // namespace core
