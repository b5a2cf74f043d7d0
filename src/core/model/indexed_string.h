#pragma once

// One message of the project: its identifier (the low 16 bits are the key) and its text, bytes in
// the panel language's code page.

#include <cstdint>
#include <string>

namespace core {

struct CIndexedString
{
    std::uint32_t m_id = 0;
    std::string m_text;

    std::uint16_t Key() const { return std::uint16_t(m_id & 0xFFFF); }
    // Bytes the entry takes in the string area.
    std::uint32_t Cost() const { return std::uint32_t(m_text.size()) + 8; }
};

} // namespace core
