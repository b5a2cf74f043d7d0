#include "core/app/res_info.h"

#include <algorithm>

namespace core {

const CIndexedRes &CResInfo::add(CIndexedRes entry)
{
    if (const auto *existing = find(entry.langId))
        return *existing;
    m_list.push_back(std::move(entry));
    return m_list.back();
}

const CIndexedRes *CResInfo::find(std::uint32_t langId) const
{
    // Keyed by the 16-bit LANGID.
    const auto it = std::find_if(m_list.begin(), m_list.end(), [&](const CIndexedRes &r) {
        return (r.langId & 0xFFFF) == (langId & 0xFFFF);
    });
    return it == m_list.end() ? nullptr : &*it;
}

std::string CResInfo::nameOf(std::uint32_t langId) const
{
    const auto *e = find(langId);
    return e ? e->name : std::string();
}

std::string CResInfo::dllOf(std::uint32_t langId) const
{
    const auto *e = find(langId);
    return e ? e->dllFile : std::string();
}

std::string CResInfo::helpOf(std::uint32_t langId) const
{
    const auto *e = find(langId);
    return e ? e->helpFile : std::string();
}

std::uint32_t CResInfo::langIdOf(const std::string &name) const
{
    const auto it = std::find_if(m_list.begin(), m_list.end(),
                                 [&](const CIndexedRes &r) { return r.name == name; });
    return it == m_list.end() ? 0 : it->langId;
}

util::CLogFont CResInfo::panelFont(std::uint32_t langId, PanelFontSize size) const
{
    const auto *e = find(langId);
    const bool small = size == PanelFontSize::Font6x8;
    const std::string *face = nullptr;
    if (e) {
        face = size == PanelFontSize::Font16x16 ? &e->face16x16
                : small                         ? &e->face6x8
                                                : &e->face8x16;
    }
    if (!face || face->empty())
        return util::CLogFont::make(small ? 8 : 16, 0, 1, "Arial");
    switch (size) {
    case PanelFontSize::Font16x16:
        return util::CLogFont::make(e->height16x16, e->width16x16, e->charSet16x16, *face);
    case PanelFontSize::Font8x16:
        return util::CLogFont::make(e->height8x16, e->width8x16, e->charSet8x16, *face);
    case PanelFontSize::Font6x8:
        break;
    }
    return util::CLogFont::make(e->height6x8, e->width6x8, e->charSet6x8, *face);
}

} // namespace core
