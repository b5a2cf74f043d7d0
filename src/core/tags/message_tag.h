#pragma once

// The message tag (kind 1): the panel shows one of the project's messages, chosen by the value of
// a device word through a value-to-message table of at most 50 entries kept in ascending order of
// value. In the editor it shows the message of the first entry. No resize handles.

#include "core/tags/point_info.h"
#include "core/tags/tag.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

struct MessageEntry
{
    std::uint16_t value = 0;
    std::uint16_t message = 0;

    bool operator==(const MessageEntry &) const = default;
};

// Results of AddEntry.
enum MessageEntryResult : int { kEntryAdded = 0, kEntryExists = 2, kEntryTableFull = 3 };

class CMessageTag : public CTag
{
public:
    static constexpr std::size_t kRecordSize = 272;
    static constexpr std::size_t kMaxEntries = 50;

    CMessageTag();

    std::unique_ptr<CTag> CloneFields() const override;
    void RecalcRect(int flag) override;
    void Serialize(util::CArchive &ar) override;
    void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed) override;
    void ChangeStation(std::uint16_t channel, std::uint16_t station) override;
    void SwapChannels(bool oneToTwo, bool twoToOne) override;
    void RefreshMessages(const CStrResMgr &strings) override;
    bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const override;
    bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record) override;

    // kEntryTableFull with 50 entries; kEntryExists (and the entry in `existing`) when the value
    // is present; otherwise the entry goes before the first one with a larger value.
    int AddEntry(std::uint16_t value, std::uint16_t message,
                 const MessageEntry **existing = nullptr);
    const MessageEntry *FindEntry(std::uint16_t value) const;
    bool RemoveEntry(std::uint16_t value);
    void ClearEntries();
    const std::vector<MessageEntry> &Entries() const { return m_entries; }

    void SetFont(std::uint16_t font);
    void SetBorder(bool on);
    void SetInverse(bool on) { m_inverse = on ? 1 : 0; }
    void CopyFieldsFrom(const CMessageTag &other);

    // The message of the first entry, cut to 24 bytes; "Message" when there is none.
    std::string ShownText(const CStrResMgr *strings) const;
    const std::string &ShownText() const { return m_shown; }
    CRect TextRect() const;

    CPointInfo &Point() { return m_point; }
    const CPointInfo &Point() const { return m_point; }
    std::uint16_t Font() const { return m_font; }
    bool IsInverse() const { return m_inverse != 0; }
    bool HasBorder() const { return m_border != 0; }

private:
    void Recalc(const CStrResMgr *strings);

    std::uint16_t m_font = 0;
    std::uint32_t m_inverse = 0;
    CPointInfo m_point;
    std::vector<MessageEntry> m_entries; // ascending by value
    std::uint32_t m_border = 0;
    std::string m_shown = "Message";
};

} // namespace core
