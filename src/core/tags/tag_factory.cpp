#include "core/tags/tag_factory.h"

#include "core/tags/bitmap_tag.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/button_tag.h"
#include "core/tags/circle_tag.h"
#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/pie_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/text_tag.h"

namespace core {

namespace {

std::unique_ptr<CTag> makeTag(int kind)
{
    switch (kind) {
    case kTagDigit:
        return std::make_unique<CDigitTag>();
    case kTagMessage:
        return std::make_unique<CMessageTag>();
    case kTagText:
        return std::make_unique<CTextTag>();
    case kTagLamp:
        return std::make_unique<CLampTag>();
    case kTagButton:
        return std::make_unique<CButtonTag>();
    case kTagPie:
        return std::make_unique<CPieTag>();
    case kTagBitmap:
        return std::make_unique<CBitmapTag>();
    case kTagGraph1:
    case kTagGraph2:
        return std::make_unique<CGraphTag>(std::uint16_t(kind));
    case kTagMotor:
        return std::make_unique<CMotorTag>();
    case kTagMobile:
        return std::make_unique<CMobileTag>();
    case kTagRect:
        return std::make_unique<CRectTag>();
    case kTagLine:
        return std::make_unique<CLineTag>();
    case kTagCircle:
        return std::make_unique<CCircleTag>();
    case kTagClock:
        return std::make_unique<CClockTag>();
    case kTagBmpText:
        return std::make_unique<CBmpTextTag>();
    default:
        return nullptr;
    }
}

} // namespace

std::unique_ptr<CTag> createTag(int kind, const TagResources *resources)
{
    std::unique_ptr<CTag> tag = makeTag(kind);
    if (tag && resources)
        tag->BindResources(*resources);
    return tag;
}

} // namespace core
