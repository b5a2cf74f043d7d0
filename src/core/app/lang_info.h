#pragma once

// The panel languages a project may choose from (PLC.INI [LANGUAGE]), each with the panel-side
// constant file (menu file) that is downloaded with the project.

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct CIndexedLang
{
    std::uint32_t index = 0; // position in the INI list
    std::string name;
    std::string constFile;
    std::uint32_t langId = 0;
};

class CLangInfo
{
public:
    void add(CIndexedLang entry);
    void clear() { m_list.clear(); }

    const std::vector<CIndexedLang> &entries() const { return m_list; }
    // Empty text when no entry has that index.
    std::string nameOf(std::uint32_t index) const;
    std::string constFileOf(std::uint32_t index) const;
    // The first entry whose LANGID matches; 0 when none.
    std::uint32_t indexOfLangId(std::uint32_t langId) const;
    const CIndexedLang *find(std::uint32_t index) const;

private:
    std::vector<CIndexedLang> m_list;
};

} // namespace core
