#include "core/editor/tag_clipboard.h"

#include "core/tags/geometry.h"

#include "core/tags/tag_factory.h"

#include "util/archive.h"

namespace core::editor {

util::Bytes writeTagRecord(std::uint16_t sourceScreen, const std::vector<const CTag *> &tags)
{
    util::CArchive ar;
    ar.writeU16(sourceScreen);
    ar.writeU32(std::uint32_t(tags.size()));
    for (const CTag *tag : tags) {
        ar.writeU16(tag->Kind());
        // Serialize is symmetric and not const; storing leaves the tag untouched.
        const_cast<CTag *>(tag)->Serialize(ar);
    }
    ar.writeU32(kTagRecordEnd);
    return ar.buffer();
}

std::optional<TagRecord> readTagRecord(util::ConstByteSpan bytes, const TagResources *resources)
{
    util::CArchive ar(bytes);
    TagRecord record;
    record.sourceScreen = ar.readU16();
    const std::uint32_t count = ar.readU32();
    if (!ar.ok())
        return std::nullopt;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t kind = ar.readU16();
        std::unique_ptr<CTag> tag = ar.ok() ? createTag(kind, resources) : nullptr;
        if (!tag)
            return std::nullopt;
        tag->Serialize(ar);
        if (!ar.ok())
            return std::nullopt;
        tag->AfterLoad();
        // The body's anchor and sizes are untrusted: a rectangle no tag can have is damage.
        if (!isPlausibleTagRect(tag->Rect()))
            return std::nullopt;
        record.tags.push_back(std::move(tag));
    }
    if (ar.readU32() != kTagRecordEnd || !ar.ok())
        return std::nullopt;
    return record;
}

CPoint pasteOffset(CPoint anchor)
{
    return {anchor.x < 187 ? 4 : -4, anchor.y < 59 ? 4 : -4};
}

void applyPasteOffset(CTag &tag)
{
    const CPoint d = pasteOffset({tag.X(), tag.Y()});
    tag.MoveTo(tag.X() + d.x, tag.Y() + d.y);
}

} // namespace core::editor
