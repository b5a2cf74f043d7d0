#include "core/model/img_res_mgr.h"

#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/tags/tag_kinds.h"

#include "util/bmp_file.h"
#include "util/messages.h"

#include <algorithm>

namespace core {

CImgResMgr::CImgResMgr(CMemoryMonitor *monitor)
    : m_monitor(monitor)
{ }

const CIndexedImage *CImgResMgr::Find(std::uint32_t id) const
{
    const auto it = m_map.find(std::uint16_t(id & 0xFFFF));
    return it == m_map.end() ? nullptr : it->second;
}

const util::CMonoBitmap *CImgResMgr::Bitmap(std::uint32_t id) const
{
    const CIndexedImage *image = Find(id);
    return image ? &image->m_bitmap : nullptr;
}

int CImgResMgr::Add(std::unique_ptr<CIndexedImage> image)
{
    if (!image)
        return 1;
    if (std::uint64_t(m_used) + image->Cost() > kAreaSize)
        return 1;
    if (m_map.count(image->Key()))
        return 2;
    m_used += image->Cost();
    m_map[image->Key()] = image.get();
    m_list.push_back(std::move(image));
    Notify();
    return 0;
}

std::string CImgResMgr::LibraryPath(int id) const
{
    return util::formatText("%s/%d.bmp", m_imagesDir.c_str(), id);
}

bool CImgResMgr::LoadLibraryBitmap(const std::string &path, util::CMonoBitmap &out)
{
    util::BmpReadResult read = util::readBmpFile(path);
    if (!read.ok || read.bitmap.isNull() || read.bitmap.width() > kMaxImageWidth
        || read.bitmap.height() > kMaxImageHeight)
        return false;
    out = std::move(read.bitmap);
    return true;
}

int CImgResMgr::AddFromLibrary(int id)
{
    if (id < 0 || id >= kNoImage)
        return 1;
    auto image = std::make_unique<CIndexedImage>();
    image->m_id = std::uint32_t(id);
    if (!LoadLibraryBitmap(LibraryPath(id), image->m_bitmap))
        return 1;
    if (Find(std::uint32_t(id)))
        return 2;
    return Add(std::move(image));
}

ImageReload CImgResMgr::ReloadFromLibrary(int id)
{
    if (id < 0 || id >= kNoImage)
        return ImageReload::Unchanged;
    util::CMonoBitmap bitmap;
    const bool loaded = LoadLibraryBitmap(LibraryPath(id), bitmap);
    const auto it = m_map.find(std::uint16_t(id));
    if (it == m_map.end()) {
        if (!loaded)
            return ImageReload::Unchanged;
        auto image = std::make_unique<CIndexedImage>();
        image->m_id = std::uint32_t(id);
        image->m_bitmap = std::move(bitmap);
        return Add(std::move(image)) == 0 ? ImageReload::Added : ImageReload::NoRoom;
    }
    if (!loaded) {
        Remove(std::uint32_t(id));
        return ImageReload::Removed;
    }
    CIndexedImage &image = *it->second;
    const std::uint32_t oldCost = image.Cost();
    const std::uint32_t newCost = imageCost(bitmap.width(), bitmap.height());
    if (std::uint64_t(m_used) - oldCost + newCost > kAreaSize)
        return ImageReload::NoRoom;
    image.m_bitmap = std::move(bitmap);
    m_used = m_used - oldCost + newCost;
    Notify();
    return ImageReload::Replaced;
}

void CImgResMgr::Remove(std::uint32_t id)
{
    const auto it = m_map.find(std::uint16_t(id & 0xFFFF));
    if (it == m_map.end())
        return;
    const CIndexedImage *image = it->second;
    m_used -= image->Cost();
    m_map.erase(it);
    std::erase_if(m_list, [image](const auto &p) { return p.get() == image; });
    Notify();
}

void CImgResMgr::AdjustUsed(std::int64_t delta)
{
    if (delta == 0)
        return;
    m_used = std::uint32_t(std::max<std::int64_t>(kEmptyBytes, std::int64_t(m_used) + delta));
    Notify();
}

void CImgResMgr::Clear()
{
    m_list.clear();
    m_map.clear();
    m_used = kEmptyBytes;
    Notify();
}

bool CImgResMgr::IsImageReferenced(std::uint16_t id,
                                   const std::vector<std::unique_ptr<CScreenData>> &screens,
                                   const CScreenData *exceptScreen, const CTag *exceptTag,
                                   int exceptSlot) const
{
    for (const auto &screen : screens) {
        if (screen.get() != exceptScreen && screen->BackgroundImage() == id)
            return true;
        for (const auto &tag : screen->Tags()) {
            const std::vector<std::uint16_t> ids = tag->ImageIds();
            for (std::size_t slot = 0; slot < ids.size(); ++slot) {
                if (ids[slot] != id)
                    continue;
                if (tag.get() != exceptTag)
                    return true;
                if (tagKindInfo(tag->Kind()).multiImage && exceptSlot >= 0
                    && int(slot) != exceptSlot)
                    return true;
            }
        }
    }
    return false;
}

void CImgResMgr::SetBmpText(std::unique_ptr<CBmpText> text)
{
    if (!text)
        return;
    const std::uint16_t id = text->m_id;
    const auto it = m_bmpTextMap.find(id);
    if (it != m_bmpTextMap.end()) {
        const CBmpText *old = it->second;
        std::erase_if(m_bmpTexts, [old](const auto &p) { return p.get() == old; });
    }
    m_bmpTextMap[id] = text.get();
    m_bmpTexts.push_back(std::move(text));
}

const CBmpText *CImgResMgr::FindBmpText(std::uint16_t id) const
{
    const auto it = m_bmpTextMap.find(id);
    return it == m_bmpTextMap.end() ? nullptr : it->second;
}

void CImgResMgr::ClearBmpTexts()
{
    m_bmpTexts.clear();
    m_bmpTextMap.clear();
}

void CImgResMgr::Notify() const
{
    if (m_monitor)
        m_monitor->Publish(MemoryGauge::Image, m_used);
}

} // namespace core
