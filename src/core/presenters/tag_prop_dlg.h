#pragma once

// What every tag property dialog shares. The dialog works on the tag itself, so that the screen
// shows each change at once; the clipboard body taken when it opens is put back by Cancel (any
// end but OK). Position edits accept the panel's pixels only. The concrete dialogs add their
// kind's fields and rules.

#include "core/presenters/function_env.h"
#include "core/tags/geometry.h"

#include "util/byte_order.h"

#include <cstdint>
#include <string>
#include <vector>

namespace core {

class CTag;

class CTagPropDlg
{
public:
    CTagPropDlg(const FunctionEnv &env, CTag &tag);
    virtual ~CTagPropDlg() = default;
    CTagPropDlg(const CTagPropDlg &) = delete;
    CTagPropDlg &operator=(const CTagPropDlg &) = delete;

    CTag &Tag() { return m_tag; }
    const CTag &Tag() const { return m_tag; }

    std::int32_t X() const;
    std::int32_t Y() const;
    // 0 to 191 and 0 to 63; outside, the range message and no change.
    bool SetX(std::int64_t x);
    bool SetY(std::int64_t y);

    // OK's checks; false keeps the dialog open with the tag as it is now.
    virtual bool Ok() { return true; }
    // What OK runs: the kind's checks, then the display's. A tag the dialog moved or resized
    // must stay on the 192 x 64 display (or come no further off it than a file brought it in);
    // otherwise the message says the display's and the tag's size and OK is refused.
    bool Accept() { return Ok() && FitsDisplay(); }
    bool FitsDisplay() const;
    // Every field back as the dialog found it; images the dialog loaded leave the project again.
    virtual void Cancel();
    // After OK: images the dialog loaded that the tag no longer shows leave the project again
    // (picked, then replaced by another pick).
    void Accepted();
    // Whether the tag differs from what the dialog found (OK with no change pushes nothing).
    bool Changed() const;
    const util::Bytes &Before() const { return m_before; }

    // The tag's clipboard body, the form the dialog restores and the undo step keeps. Loading
    // an image text's body charges the image area with the change of its image's size.
    static util::Bytes Body(CTag &tag);
    static void LoadBody(CTag &tag, const util::Bytes &body);

protected:
    const FunctionEnv &Env() const { return m_env; }
    // The dialog framework's range check of a number edit: outside, its message and false.
    bool InRange(std::int64_t value, std::int64_t min, std::int64_t max) const;
    // An image chosen for one of the tag's image slots: numbers from 5000 up (image texts) and
    // 65535 are no image and give false without a message. A library image the project does
    // not hold yet is loaded into it; when the image area has no room for it, 52302 and false.
    bool TakeImage(std::uint32_t number) const;

private:
    void DropLoadedImages(const std::vector<std::uint16_t> &keep);

    FunctionEnv m_env;
    CTag &m_tag;
    util::Bytes m_before;
    CRect m_rectBefore;
    // Library images this dialog brought into the project; mutable because taking an image is
    // a query of the dialog's state that may load one.
    mutable std::vector<std::uint16_t> m_loaded;
};

} // namespace core
