#pragma once

// The "KOHMI_TAG" clipboard record: the source screen's number, the count of tags, each tag's
// kind and its serialised body, and an end mark. Pasting into the screen the tags came from
// offsets each tag so that it does not cover its original.

#include "core/tags/tag.h"

#include "util/byte_order.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace core::editor {

inline constexpr const char *kTagClipboardFormat = "KOHMI_TAG";
inline constexpr std::uint32_t kTagRecordEnd = 0xFFFFFFFF;

struct TagRecord
{
    std::uint16_t sourceScreen = 0;
    std::vector<std::unique_ptr<CTag>> tags; // bodies read, rectangles recomputed
};

util::Bytes writeTagRecord(std::uint16_t sourceScreen, const std::vector<const CTag *> &tags);
// Nothing for a record that is cut short, names a kind without a class, or lacks the end mark:
// a damaged record pastes nothing rather than half of itself. The tags are read as tags of the
// project whose `resources` are given.
std::optional<TagRecord> readTagRecord(util::ConstByteSpan bytes,
                                       const TagResources *resources = nullptr);

// The offset of a tag pasted into its own screen: +4 on each axis, or -4 from x 187 and y 59 on.
CPoint pasteOffset(CPoint anchor);
// Moves the anchor (a line also its end point) by pasteOffset.
void applyPasteOffset(CTag &tag);

} // namespace core::editor
