#pragma once

// The base of every object placed on a screen: bounding rectangle and anchor in panel pixels,
// the kind code, and the editing behaviour of a selected object (eight resize handles, cursor
// kinds, hit tests). The concrete kinds override the virtual operations below; drawing lives in
// the editor, which asks the tag for everything it needs.
//
// A new tag kind: derive from CTag, set m_kind (and m_handleCount when it has no handles) in the
// constructor, override what the kind does, and register the class in tag_factory.cpp. Screen and
// document code never name a concrete kind except through the kind table (tag_kinds.h).

#include "core/tags/geometry.h"
#include "core/tags/tag_resources.h"

#include "util/archive.h"
#include "util/byte_order.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace core {

class CPlcSlots;
class CStrResMgr;

// The panel display.
inline constexpr std::int32_t kPanelWidth = 192;
inline constexpr std::int32_t kPanelHeight = 64;

// Cursor shapes over a selected tag; the editor maps them to its own cursors.
enum class TagCursor { SizeNWSE, SizeNS, SizeNESW, SizeWE, SizeAll };

// Radii of the handle circles: drawn with 5, hit with 3.
inline constexpr std::int32_t kHandleDrawRadius = 5;
inline constexpr std::int32_t kHandleHitRadius = 3;

class CTag
{
public:
    CTag() = default;
    virtual ~CTag() = default;
    CTag(const CTag &) = delete;
    CTag &operator=(const CTag &) = delete;

    // A copy of the tag with its own fields, bound to the same project; null for the abstract
    // kinds.
    std::unique_ptr<CTag> Clone() const;

    // Joins the tag to a project's images, messages and languages: kinds that show library
    // images make sure the project holds their defaults, and the rectangle follows from the
    // project's images and texts.
    void BindResources(const TagResources &resources);
    const TagResources &Resources() const { return *m_resources; }

    virtual bool IsPointOnPanel(std::int32_t x, std::int32_t y) const;
    // Stores the anchor and recomputes the rectangle. The editor repaints the old and the new
    // rectangle around the call.
    virtual void MoveTo(std::int32_t x, std::int32_t y);
    virtual void UpdateRect() { RecalcRect(0); }

    // Handles 1 to 8 run clockwise from the top-left corner; any other number is the top-left.
    virtual CPoint GetHandlePoint(int handle) const;
    virtual int GetHandleCount() const { return m_handleCount; }
    virtual TagCursor GetHandleCursor(int handle) const;
    // Moves the edge(s) of `handle` to (x, y), normalises and applies the result through
    // SetBounds. Returns whether the rectangle was taken.
    virtual bool MoveHandleTo(int handle, std::int32_t x, std::int32_t y);
    // The rectangle MoveHandleTo would try; the editor draws it as the rubber band.
    CRect TrackerRect(int handle, std::int32_t x, std::int32_t y) const;
    // Takes `rect` as the new rectangle (and its top-left as the anchor) when IsRectOnPanel
    // accepts it; otherwise nothing changes.
    virtual bool SetBounds(const CRect &rect);

    virtual void RecalcRect(int flag) { (void)flag; }

    // Clipboard form: the anchor as two 32-bit integers; subclasses call the base first.
    virtual void Serialize(util::CArchive &ar);
    // Runs once a pasted tag has read its body; the rectangle follows from the loaded fields.
    virtual void AfterLoad() { UpdateRect(); }

    // Device addresses: see the driver slots. The base has none.
    virtual void RevalidateAddress(const CPlcSlots &slots, bool ch1Changed, bool ch2Changed);
    virtual void ChangeStation(std::uint16_t channel, std::uint16_t station);
    virtual void SwapChannels(bool oneToTwo, bool twoToOne);

    // Selected and with handles: the first handle (1-8) whose hit circle holds the point.
    // Otherwise 0 inside the normalised rectangle, -1 outside.
    virtual int HitTestHandle(CPoint p, bool selected) const;
    virtual bool HitTest(CPoint p) const;
    virtual bool IntersectsRect(const CRect &rect) const;
    // The tag's own rectangle is always accepted; any other needs its top-left on the panel and
    // a size of at least 2 x 2.
    virtual bool IsRectOnPanel(const CRect &rect) const;

    // An image of the project changed; returns true when the tag shows it (its rectangle was
    // recomputed and the editor should repaint it).
    virtual bool ImageChanged(std::uint16_t imageId);
    // The image identifiers the tag refers to, one per image slot in slot order.
    virtual std::vector<std::uint16_t> ImageIds() const { return {}; }

    // Message tags reload their texts from the project's messages.
    virtual void RefreshMessages(const CStrResMgr &strings) { (void)strings; }

    // Image-text tags take their bitmap-text identifier (5000, 5001, ...) before compiling.
    virtual void SetTextImageId(std::uint16_t id) { (void)id; }

    // Input order: tags that take operator input get consecutive numbers (top to bottom, then
    // left to right) before the screen is compiled.
    virtual bool AcceptsInput() const { return false; }
    virtual void SetInputNumber(std::uint16_t number) { (void)number; }
    virtual std::uint16_t InputNumber() const { return 0; }

    // The panel record of the kind (tagKindInfo(kind).recordSize bytes): multi-byte fields after
    // the address area big-endian. The base has no record and returns false.
    virtual bool BuildDownloadRecord(const CPlcSlots &slots, util::ByteSpan out) const;
    virtual bool LoadRecord(const CPlcSlots &slots, util::ConstByteSpan record);

    std::uint16_t Kind() const { return m_kind; }
    const CRect &Rect() const { return m_rect; }
    std::int32_t X() const { return m_x; }
    std::int32_t Y() const { return m_y; }

    // Locked tags are not moved or resized by the editor.
    bool IsLocked() const { return m_locked != 0; }
    void SetLocked(bool locked) { m_locked = locked ? 1 : 0; }

protected:
    // The kind's copy of its own fields; the base gives none (abstract kinds cannot be copied).
    virtual std::unique_ptr<CTag> CloneFields() const { return nullptr; }
    // Called once bound; kinds with default images add them before the rectangle is computed.
    virtual void ResourcesBound() { UpdateRect(); }
    // Copies rectangle and anchor into a clone (a copy starts unlocked).
    void CopyBaseTo(CTag &other) const;

    CRect m_rect{0, 0, 10, 10};
    std::uint32_t m_locked = 0;
    std::int32_t m_handleCount = 8;
    std::uint16_t m_kind = 0;
    std::int32_t m_x = 0;
    std::int32_t m_y = 0;

private:
    const TagResources *m_resources = &noTagResources();
};

} // namespace core
