#pragma once

// The logic of the image tag's property dialog ("이미지 속성"): the image's number and size, the
// image library's choice, the enlarge and invert boxes. Every change lands on the tag at once.

#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/bitmap_tag.h"

#include <cstdint>
#include <string>

namespace core {

class CBitmapTagDlg : public CTagPropDlg
{
public:
    CBitmapTagDlg(const FunctionEnv &env, CBitmapTag &tag);

    std::uint16_t Image() const { return m_bitmap.Image(); }
    // The number, empty for no image.
    std::string IdText() const;
    // "( width x height )" of the image the project holds, empty when it holds none.
    std::string SizeText() const;
    // The image library's choice. No image (5000 and up) keeps the current one; an image the
    // image area has no room for is refused with its message.
    bool SetImage(std::uint32_t number);

    bool IsEnlarged() const { return m_bitmap.Magnification() == 2; }
    void SetEnlarged(bool on) { m_bitmap.SetMagnification(on ? 2 : 1); }
    bool IsInverse() const { return m_bitmap.IsInverse(); }
    void SetInverse(bool on) { m_bitmap.SetInverse(on); }

private:
    CBitmapTag &m_bitmap;
};

} // namespace core
