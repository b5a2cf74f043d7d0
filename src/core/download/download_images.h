#pragma once

// The panel's memory-area images, one fixed buffer per area allocated once at its capacity and
// reused for every build, upload and file save, each with the length of the image last built or
// read into it. It is also the codec the document saves and opens project files with.

#include "core/download/area_image.h"
#include "core/download/image_area.h"

#include "core/model/area_codec.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace core {

class CDorvaneDoc;
class CStrResMgr;

enum class AreaId { Global, String, Screen, Image, Constant, Driver, Font, Password };
inline constexpr int kAreaIdCount = 8;

char areaLetter(AreaId area);
std::uint32_t areaCapacity(AreaId area);

class CDownloadImages : public CAreaCodec
{
public:
    CDownloadImages();

    // Renders image-text tags for the image area (the tag kind provides it).
    void SetTextImageRenderer(TextImageRenderer renderer) { m_renderer = std::move(renderer); }

    AreaResult BuildGlobalArea(const CDorvaneDoc &doc);
    AreaResult BuildStringArea(const CStrResMgr &strings);
    AreaResult BuildImageArea(const CDorvaneDoc &doc);
    AreaResult BuildScreenArea(const CDorvaneDoc &doc);
    // Image-text tags of all screens take 5000, 5001, ... in screen and tag order.
    void AssignTextImageIds(CDorvaneDoc &doc);
    // The menu file, its first six bytes overwritten by the area header; at most 8192 bytes.
    AreaResult LoadConstantArea(const std::string &menuFile);
    // Channel 1's driver from byte 0, channel 2's from 0x3000, image length always 0xA000.
    AreaResult LoadDriverArea(const std::string &ch1File, const std::string &ch2File);
    // The font file from byte 6 behind its header; at most 262138 bytes.
    AreaResult LoadFontArea(const std::string &fontFile);
    // The 18-byte password block: the marker and up to ten characters, or all zero to remove.
    void BuildPasswordBlock(const std::string &password);

    util::ByteSpan Buffer(AreaId area);
    util::ConstByteSpan Buffer(AreaId area) const;
    std::uint32_t Length(AreaId area) const { return m_lengths[std::size_t(area)]; }
    void SetLength(AreaId area, std::uint32_t length);
    // The image last built or read: the buffer's first Length() bytes.
    util::ConstByteSpan Image(AreaId area) const { return Buffer(area).first(Length(area)); }

    // The text blocks of the image texts of the last parsed image area, by identifier.
    const std::map<std::uint16_t, TextBlock> &TextBlocks() const { return m_textBlocks; }
    const std::string &LastError() const { return m_lastError; }

    // CAreaCodec: the project file's four areas.
    util::Bytes BuildArea(ProjectArea area, const CDorvaneDoc &doc) override;
    bool ParseArea(ProjectArea area, CDorvaneDoc &doc, util::ConstByteSpan image) override;
    std::string LastBuildError() const override { return m_lastError; }

private:
    AreaResult remember(AreaResult result);
    // Gives the image-text tags their text and font back; fails when a font makes a tag's
    // rectangle one no tag can have.
    AreaResult restoreImageTexts(CDorvaneDoc &doc);

    std::array<std::vector<std::uint8_t>, kAreaIdCount> m_buffers;
    std::array<std::uint32_t, kAreaIdCount> m_lengths{};
    TextImageRenderer m_renderer;
    std::map<std::uint16_t, TextBlock> m_textBlocks;
    std::string m_lastError;
};

} // namespace core
