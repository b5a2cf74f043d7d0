#pragma once

// The 60-byte LOGFONTA layout, kept byte for byte as stored: height, width, escapement,
// orientation and weight as little-endian int32, then italic, underline, strike-out, character
// set, output precision, clip precision, quality, pitch-and-family (one byte each) and a
// 32-byte zero-terminated face name.

#include "util/byte_order.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace util {

class CLogFont
{
public:
    static constexpr std::size_t kSize = 60;
    static constexpr std::size_t kFaceSize = 32;

    CLogFont() = default;
    // A font as the configuration builds it: pitch-and-family 17, everything else 0.
    static CLogFont make(std::int32_t height, std::int32_t width, std::uint8_t charSet,
                         std::string_view face);
    static CLogFont fromBytes(util::ConstByteSpan bytes); // fewer than 60 bytes: zero padded

    const std::array<std::uint8_t, kSize> &bytes() const { return m_bytes; }

    std::int32_t height() const { return std::int32_t(util::le32(m_bytes, 0)); }
    std::int32_t width() const { return std::int32_t(util::le32(m_bytes, 4)); }
    std::int32_t escapement() const { return std::int32_t(util::le32(m_bytes, 8)); }
    std::int32_t orientation() const { return std::int32_t(util::le32(m_bytes, 12)); }
    std::int32_t weight() const { return std::int32_t(util::le32(m_bytes, 16)); }
    bool italic() const { return m_bytes[20] != 0; }
    bool underline() const { return m_bytes[21] != 0; }
    bool strikeOut() const { return m_bytes[22] != 0; }
    std::uint8_t charSet() const { return m_bytes[23]; }
    std::uint8_t pitchAndFamily() const { return m_bytes[27]; }
    std::string faceName() const { return util::fixedText(m_bytes, 28, kFaceSize); }

    void setHeight(std::int32_t v) { util::setLe32(m_bytes, 0, std::uint32_t(v)); }
    void setWidth(std::int32_t v) { util::setLe32(m_bytes, 4, std::uint32_t(v)); }
    void setEscapement(std::int32_t v) { util::setLe32(m_bytes, 8, std::uint32_t(v)); }
    void setOrientation(std::int32_t v) { util::setLe32(m_bytes, 12, std::uint32_t(v)); }
    void setWeight(std::int32_t v) { util::setLe32(m_bytes, 16, std::uint32_t(v)); }
    void setItalic(bool v) { m_bytes[20] = v; }
    void setUnderline(bool v) { m_bytes[21] = v; }
    void setStrikeOut(bool v) { m_bytes[22] = v; }
    void setCharSet(std::uint8_t v) { m_bytes[23] = v; }
    void setPitchAndFamily(std::uint8_t v) { m_bytes[27] = v; }
    void setFaceName(std::string_view face) { util::setFixedText(m_bytes, 28, kFaceSize, face); }

    bool operator==(const CLogFont &) const = default;

private:
    std::array<std::uint8_t, kSize> m_bytes{};
};

} // namespace util
