#pragma once

// The lamp (kind 3): shows its off or on image by the state of one device bit, at normal or
// double size. No resize handles: the size follows from the off image.

#include "core/tags/two_image_tag.h"

#include <cstdint>

namespace core {

class CLampTag : public CTwoImageTag
{
public:
    static constexpr std::size_t kRecordSize = 76;
    static constexpr std::uint16_t kDefaultOffImage = 1000;
    static constexpr std::uint16_t kDefaultOnImage = 1001;

    // Loads the default images into the project's images when they are not there yet.
    CLampTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void Serialize(util::CArchive &ar) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    void CopyFieldsFrom(const CLampTag &other);
};

} // namespace core
