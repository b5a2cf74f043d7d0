#include "core/download/download_images.h"

#include "core/download/bmp_text_images.h"
#include "core/download/global_area.h"
#include "core/download/screen_area.h"
#include "core/download/string_area.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/tag_kinds.h"

#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::uint32_t kMaxDriver1 = kDriver2Offset;
constexpr std::uint32_t kMaxDriver2 = kDriverImageLength - kDriver2Offset;
constexpr std::uint32_t kMaxFontFile = kFontCapacity - kAreaHeaderSize;

} // namespace

char areaLetter(AreaId area)
{
    static constexpr char letters[] = {'G', 'S', 'C', 'R', 'P', 'Z', 'F', 'A'};
    return letters[std::size_t(area)];
}

std::uint32_t areaCapacity(AreaId area)
{
    static constexpr std::uint32_t caps[]
            = {kGlobalCapacity,   kStringCapacity, kScreenCapacity, kImageCapacity,
               kConstantCapacity, kDriverCapacity, kFontCapacity,   kPasswordBlockSize};
    return caps[std::size_t(area)];
}

CDownloadImages::CDownloadImages()
    : m_renderer(renderBmpTextTag)
{
    for (int i = 0; i < kAreaIdCount; ++i)
        m_buffers[std::size_t(i)].assign(areaCapacity(AreaId(i)), 0);
}

util::ByteSpan CDownloadImages::Buffer(AreaId area)
{
    return m_buffers[std::size_t(area)];
}

util::ConstByteSpan CDownloadImages::Buffer(AreaId area) const
{
    return m_buffers[std::size_t(area)];
}

void CDownloadImages::SetLength(AreaId area, std::uint32_t length)
{
    m_lengths[std::size_t(area)] = std::min(length, areaCapacity(area));
}

AreaResult CDownloadImages::restoreImageTexts(CDorvaneDoc &doc)
{
    // An image text's text and font travel in the image area behind its rendered image.
    for (const auto &screen : doc.Screens())
        for (const auto &tag : screen->Tags()) {
            if (tag->Kind() != kTagBmpText)
                continue;
            const auto id = static_cast<const CBmpTextTag &>(*tag).ImageId();
            const auto it = id >= 0 ? m_textBlocks.find(std::uint16_t(id)) : m_textBlocks.end();
            if (it == m_textBlocks.end())
                continue;
            applyTextBlock(*tag, it->second);
            // The tag's size follows from the font: a damaged font gives a rectangle whose
            // image would be sized from it.
            if (!isPlausibleTagRect(tag->Rect()))
                return AreaResult::fail("The screen area is damaged (the font of an image text on "
                                        "screen "
                                        + std::to_string(screen->Number())
                                        + " puts it outside the panel).");
            auto text = std::make_unique<CBmpText>();
            text->m_id = it->first;
            text->m_bitmap = it->second.bitmap;
            doc.Images().SetBmpText(std::move(text));
        }
    return {};
}

AreaResult CDownloadImages::remember(AreaResult result)
{
    m_lastError = result.ok ? std::string() : result.error;
    return result;
}

AreaResult CDownloadImages::BuildGlobalArea(const CDorvaneDoc &doc)
{
    auto &len = m_lengths[std::size_t(AreaId::Global)];
    return remember(buildGlobalArea(doc, Buffer(AreaId::Global), len));
}

AreaResult CDownloadImages::BuildStringArea(const CStrResMgr &strings)
{
    auto &len = m_lengths[std::size_t(AreaId::String)];
    return remember(buildStringArea(strings, Buffer(AreaId::String), len));
}

AreaResult CDownloadImages::BuildImageArea(const CDorvaneDoc &doc)
{
    auto &len = m_lengths[std::size_t(AreaId::Image)];
    return remember(buildImageArea(doc, m_renderer, Buffer(AreaId::Image), len));
}

AreaResult CDownloadImages::BuildScreenArea(const CDorvaneDoc &doc)
{
    auto &len = m_lengths[std::size_t(AreaId::Screen)];
    return remember(buildScreenArea(doc, Buffer(AreaId::Screen), len));
}

void CDownloadImages::AssignTextImageIds(CDorvaneDoc &doc)
{
    doc.NumberBmpTextTags();
}

AreaResult CDownloadImages::LoadConstantArea(const std::string &menuFile)
{
    // Files are read only up to what the area holds: a huge file is refused unread.
    bool tooLarge = false;
    const auto data = util::readFileCapped(menuFile, kConstantCapacity, &tooLarge);
    if (!data && !tooLarge)
        return remember(AreaResult::fail(util::formatMessage(util::msg::kCannotOpenFile,
                                                             ("Const File: " + menuFile).c_str())));
    if (tooLarge || data->size() < kAreaHeaderSize)
        return remember(AreaResult::fail(
                "The menu file " + menuFile + " has "
                + (tooLarge ? std::string("more than 8192") : std::to_string(data->size()))
                + " bytes; it must hold 6 to 8192."));
    auto buffer = Buffer(AreaId::Constant);
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    std::copy(data->begin(), data->end(), buffer.begin());
    SetLength(AreaId::Constant, std::uint32_t(data->size()));
    finishArea(buffer, std::uint32_t(data->size()));
    return remember({});
}

AreaResult CDownloadImages::LoadDriverArea(const std::string &ch1File, const std::string &ch2File)
{
    bool tooLarge1 = false, tooLarge2 = false;
    const auto d1 = util::readFileCapped(ch1File, kMaxDriver1, &tooLarge1);
    const auto d2 = util::readFileCapped(ch2File, kMaxDriver2, &tooLarge2);
    if ((!d1 && !tooLarge1) || (!d2 && !tooLarge2))
        return remember(AreaResult::fail(util::formatMessage(util::msg::kCannotOpenFile,
                                                             (!d1 ? ch1File : ch2File).c_str())));
    if (tooLarge1 || tooLarge2)
        return remember(AreaResult::fail(
                "A driver file is too large for the panel's driver area (channel 1 holds 12288 "
                "bytes, channel 2 holds 28672)."));
    auto buffer = Buffer(AreaId::Driver);
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    std::copy(d1->begin(), d1->end(), buffer.begin());
    std::copy(d2->begin(), d2->end(), buffer.begin() + kDriver2Offset);
    SetLength(AreaId::Driver, kDriverImageLength);
    finishArea(buffer, kDriverImageLength);
    return remember({});
}

AreaResult CDownloadImages::LoadFontArea(const std::string &fontFile)
{
    bool tooLarge = false;
    const auto data = util::readFileCapped(fontFile, kMaxFontFile, &tooLarge);
    if (!data && !tooLarge)
        return remember(AreaResult::fail(util::formatMessage(util::msg::kCannotOpenFile,
                                                             ("Font File: " + fontFile).c_str())));
    if (tooLarge)
        return remember(AreaResult::fail("파일이 너무 커서 다운로드 할 수 없습니다."));
    auto buffer = Buffer(AreaId::Font);
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    std::copy(data->begin(), data->end(), buffer.begin() + kAreaHeaderSize);
    const auto length = std::uint32_t(data->size() + kAreaHeaderSize);
    SetLength(AreaId::Font, length);
    finishArea(buffer, length);
    return remember({});
}

void CDownloadImages::BuildPasswordBlock(const std::string &password)
{
    auto buffer = Buffer(AreaId::Password);
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    if (!password.empty()) {
        buffer[6] = 0xF5;
        buffer[7] = 0xFA;
        std::copy_n(password.begin(), std::min<std::size_t>(password.size(), 10),
                    buffer.begin() + 8);
    }
    SetLength(AreaId::Password, kPasswordBlockSize);
    finishArea(buffer, kPasswordBlockSize);
}

util::Bytes CDownloadImages::BuildArea(ProjectArea area, const CDorvaneDoc &doc)
{
    AreaResult r;
    AreaId id = AreaId::Global;
    switch (area) {
    case kAreaGlobal:
        r = BuildGlobalArea(doc);
        break;
    case kAreaString:
        id = AreaId::String;
        r = BuildStringArea(doc.Strings());
        break;
    case kAreaImage:
        id = AreaId::Image;
        r = BuildImageArea(doc);
        break;
    case kAreaScreen:
        id = AreaId::Screen;
        r = BuildScreenArea(doc);
        break;
    }
    if (!r.ok)
        return {};
    const auto image = Image(id);
    return util::Bytes(image.begin(), image.end());
}

bool CDownloadImages::ParseArea(ProjectArea area, CDorvaneDoc &doc, util::ConstByteSpan image)
{
    AreaResult r;
    switch (area) {
    case kAreaGlobal:
        r = parseGlobalArea(image, doc);
        break;
    case kAreaString:
        r = parseStringArea(image, doc.Strings());
        break;
    case kAreaImage:
        r = parseImageArea(image, doc.Images(), m_textBlocks);
        break;
    case kAreaScreen:
        r = parseScreenArea(image, doc);
        if (r.ok)
            r = restoreImageTexts(doc);
        break;
    }
    return remember(r).ok;
}

} // namespace core
