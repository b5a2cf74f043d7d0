#include "core/tags/lamp_tag.h"

#include "core/tags/tag_kinds.h"

namespace core {

namespace {

// Off image, on image and on value follow the display state.
constexpr std::size_t kImagesAt = 70;

} // namespace

CLampTag::CLampTag()
    : CTwoImageTag(kDefaultOffImage, kDefaultOnImage)
{
    m_kind = kTagLamp;
}

void CLampTag::CopyFieldsFrom(const CLampTag &o)
{
    CTwoImageTag::CopyFieldsFrom(o);
}

std::unique_ptr<CTag> CLampTag::CloneFields() const
{
    auto copy = std::make_unique<CLampTag>();
    copy->CopyFieldsFrom(*this);
    return copy;
}

void CLampTag::Serialize(util::CArchive &ar)
{
    CPointTag::Serialize(ar);
    SerializeFace(ar);
}

bool CLampTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    return WriteFaceRecord(slots, out, kRecordSize, kImagesAt);
}

bool CLampTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    return ReadFaceRecord(slots, record, kRecordSize, kImagesAt);
}

} // namespace core
