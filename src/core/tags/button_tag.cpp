#include "core/tags/button_tag.h"

#include "core/tags/tag_kinds.h"

namespace core {

namespace {

// The password flag sits between the display state and the images.
constexpr std::size_t kImagesAt = 72;

} // namespace

CButtonTag::CButtonTag()
    : CTwoImageTag(kDefaultOffImage, kDefaultOnImage)
{
    m_kind = kTagButton;
}

void CButtonTag::CopyFieldsFrom(const CButtonTag &o)
{
    CTwoImageTag::CopyFieldsFrom(o);
    m_reserved = o.m_reserved;
    m_action = o.m_action;
    m_password = o.m_password;
}

std::unique_ptr<CTag> CButtonTag::CloneFields() const
{
    auto copy = std::make_unique<CButtonTag>();
    copy->CopyFieldsFrom(*this);
    copy->m_inputNumber = m_inputNumber;
    return copy;
}

void CButtonTag::Serialize(util::CArchive &ar)
{
    CPointTag::Serialize(ar);
    ar.io(m_password);
    ar.io(m_action);
    ar.io(m_reserved);
    SerializeFace(ar);
}

bool CButtonTag::BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const
{
    if (!WriteFaceRecord(slots, out, kRecordSize, kImagesAt))
        return false;
    util::setBe16(out, 70, std::uint16_t(m_password));
    util::setBe16(out, 78, m_action);
    util::setBe16(out, 80, m_reserved);
    return true;
}

bool CButtonTag::LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record)
{
    if (!ReadFaceRecord(slots, record, kRecordSize, kImagesAt))
        return false;
    m_password = util::be16(record, 70);
    m_action = util::be16(record, 78);
    m_reserved = util::be16(record, 80);
    return true;
}

} // namespace core
