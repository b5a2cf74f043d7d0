#pragma once

// The project's images, in area order, with the bytes they will take in the panel's image area.
// Images come from the image library folder ("<folder>/<n>.bmp") or from a project's image area.
// The application owns one manager for the process and hands it to the document. Every change is
// published to the memory monitor (image gauge).

#include "core/model/bmp_text.h"
#include "core/model/indexed_image.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace core {

class CMemoryMonitor;
class CScreenData;
class CTag;

inline constexpr std::uint16_t kNoImage = 65535;
// Largest image: the panel's display.
inline constexpr int kMaxImageWidth = 192;
inline constexpr int kMaxImageHeight = 64;

enum class ImageReload { Replaced, Added, Removed, Unchanged, NoRoom };

class CImgResMgr
{
public:
    static constexpr std::uint32_t kEmptyBytes = 10;
    static constexpr std::uint32_t kAreaSize = 65536;

    explicit CImgResMgr(CMemoryMonitor *monitor = nullptr);
    virtual ~CImgResMgr() = default;
    CImgResMgr(const CImgResMgr &) = delete;
    CImgResMgr &operator=(const CImgResMgr &) = delete;

    virtual const CIndexedImage *Find(std::uint32_t id) const;
    virtual const util::CMonoBitmap *Bitmap(std::uint32_t id) const;
    // 0 added at the end; 1 the image area would overflow; 2 the identifier exists. The capacity
    // is checked first.
    virtual int Add(std::unique_ptr<CIndexedImage> image);

    // The library folder images are loaded from.
    void SetImagesDir(const std::string &dir) { m_imagesDir = dir; }
    const std::string &ImagesDir() const { return m_imagesDir; }
    std::string LibraryPath(int id) const;
    // Loads "<folder>/<id>.bmp": 1 for a negative id or 65535, or a file that is not a readable
    // bitmap or exceeds 192 x 64; 2 when the id exists; otherwise the result of Add.
    int AddFromLibrary(int id);
    // Reloads the library file in place (the image keeps its place in the area order), adds it
    // when absent, and removes the image when the file no longer loads. A replacement that would
    // overflow the area keeps the old bitmap.
    ImageReload ReloadFromLibrary(int id);
    void Remove(std::uint32_t id);
    void Clear();

    // True when a screen other than `exceptScreen` has the image as background, or a tag refers
    // to it. Within `exceptTag` only a tag of several image slots counts, and only a match in a
    // slot other than `exceptSlot` (which must be given, >= 0).
    bool IsImageReferenced(std::uint16_t id,
                           const std::vector<std::unique_ptr<CScreenData>> &screens,
                           const CScreenData *exceptScreen = nullptr,
                           const CTag *exceptTag = nullptr, int exceptSlot = -1) const;

    std::uint32_t UsedBytes() const { return m_used; }
    // Corrects the total by the change of an image text's size (never below the empty area).
    void AdjustUsed(std::int64_t delta);
    std::size_t Count() const { return m_list.size(); }
    const std::vector<std::unique_ptr<CIndexedImage>> &Images() const { return m_list; }

    // Rendered texts of image-text tags.
    void SetBmpText(std::unique_ptr<CBmpText> text);
    const CBmpText *FindBmpText(std::uint16_t id) const;
    void ClearBmpTexts();

    void SetMonitor(CMemoryMonitor *monitor) { m_monitor = monitor; }

private:
    static bool LoadLibraryBitmap(const std::string &path, util::CMonoBitmap &out);
    void Notify() const;

    std::vector<std::unique_ptr<CIndexedImage>> m_list;
    std::unordered_map<std::uint16_t, CIndexedImage *> m_map;
    std::vector<std::unique_ptr<CBmpText>> m_bmpTexts;
    std::unordered_map<std::uint16_t, CBmpText *> m_bmpTextMap;
    std::uint32_t m_used = kEmptyBytes;
    std::string m_imagesDir;
    CMemoryMonitor *m_monitor = nullptr;
};

} // namespace core
