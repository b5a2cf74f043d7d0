#pragma once

// The program's resource languages (APP.INI [RESOURCE]), each with its translation file, help
// file and the three panel text fonts the editor draws panel text with.

#include "util/log_font.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

enum class PanelFontSize { Font16x16, Font8x16, Font6x8 };

struct CIndexedRes
{
    std::string name;
    std::string dllFile; // here: the translation file
    std::uint32_t langId = 0;
    std::string helpFile;
    std::string face16x16, face8x16, face6x8;
    std::uint32_t dbcs = 0;
    std::uint8_t charSet16x16 = 0, charSet8x16 = 0, charSet6x8 = 0;
    std::int32_t height16x16 = 16, width16x16 = 0;
    std::int32_t height8x16 = 16, width8x16 = 0;
    std::int32_t height6x8 = 8, width6x8 = 0;
};

class CResInfo
{
public:
    // Adding a LANGID that is already present keeps the existing entry and returns it.
    const CIndexedRes &add(CIndexedRes entry);

    const std::vector<CIndexedRes> &entries() const { return m_list; }
    const CIndexedRes *find(std::uint32_t langId) const;
    std::string nameOf(std::uint32_t langId) const;
    std::string dllOf(std::uint32_t langId) const;
    std::string helpOf(std::uint32_t langId) const;
    std::uint32_t langIdOf(const std::string &name) const; // 0 when absent

    // The panel text font of that size from the entry of `langId`; height 16 (8 for 6x8),
    // width 0, character set 1, "Arial" when there is no entry or its face is empty.
    util::CLogFont panelFont(std::uint32_t langId, PanelFontSize size) const;

private:
    std::vector<CIndexedRes> m_list;
};

} // namespace core
