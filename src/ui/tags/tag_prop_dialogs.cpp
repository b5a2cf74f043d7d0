#include "ui/tags/tag_prop_dialogs.h"

#include "ui/tags/bitmap_tag_dialog.h"
#include "ui/tags/bmp_text_tag_dialog.h"
#include "ui/tags/button_tag_dialog.h"
#include "ui/tags/circle_tag_dialog.h"
#include "ui/tags/clock_tag_dialog.h"
#include "ui/tags/digit_tag_dialog.h"
#include "ui/tags/graph_tag_dialog.h"
#include "ui/tags/lamp_tag_dialog.h"
#include "ui/tags/line_tag_dialog.h"
#include "ui/tags/message_tag_dialog.h"
#include "ui/tags/mobile_tag_dialog.h"
#include "ui/tags/motor_tag_dialog.h"
#include "ui/tags/pie_tag_dialog.h"
#include "ui/tags/rect_tag_dialog.h"
#include "ui/tags/text_tag_dialog.h"

#include "core/tags/bmp_text_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/text_tag.h"

namespace ui {

std::unique_ptr<CTagPropDialog> makeTagPropDialog(const TagDialogContext &context, core::CTag &tag,
                                                  QWidget *parent)
{
    switch (tag.Kind()) {
    case core::kTagDigit:
        return std::make_unique<CDigitTagDialog>(context, static_cast<core::CDigitTag &>(tag),
                                                 parent);
    case core::kTagLamp:
        return std::make_unique<CLampTagDialog>(context, static_cast<core::CLampTag &>(tag),
                                                parent);
    case core::kTagButton:
        return std::make_unique<CButtonTagDialog>(context, static_cast<core::CButtonTag &>(tag),
                                                  parent);
    case core::kTagBitmap:
        return std::make_unique<CBitmapTagDialog>(context, static_cast<core::CBitmapTag &>(tag),
                                                  parent);
    case core::kTagMotor:
        return std::make_unique<CMotorTagDialog>(context, static_cast<core::CMotorTag &>(tag),
                                                 parent);
    case core::kTagMobile:
        return std::make_unique<CMobileTagDialog>(context, static_cast<core::CMobileTag &>(tag),
                                                  parent);
    case core::kTagText:
        return std::make_unique<CTextTagDialog>(context, static_cast<core::CTextTag &>(tag),
                                                parent);
    case core::kTagMessage:
        return std::make_unique<CMessageTagDialog>(context, static_cast<core::CMessageTag &>(tag),
                                                   parent);
    case core::kTagBmpText:
        return std::make_unique<CBmpTextTagDialog>(context, static_cast<core::CBmpTextTag &>(tag),
                                                   parent);
    case core::kTagGraph1:
    case core::kTagGraph2:
        return std::make_unique<CGraphTagDialog>(context, static_cast<core::CGraphTag &>(tag),
                                                 parent);
    case core::kTagPie:
        return std::make_unique<CPieTagDialog>(context, static_cast<core::CPieTag &>(tag), parent);
    case core::kTagClock:
        return std::make_unique<CClockTagDialog>(context, static_cast<core::CClockTag &>(tag),
                                                 parent);
    case core::kTagLine:
        return std::make_unique<CLineTagDialog>(context, static_cast<core::CLineTag &>(tag),
                                                parent);
    case core::kTagRect:
        return std::make_unique<CRectTagDialog>(context, static_cast<core::CRectTag &>(tag),
                                                parent);
    case core::kTagCircle:
        return std::make_unique<CCircleTagDialog>(context, static_cast<core::CCircleTag &>(tag),
                                                  parent);
    default:
        return nullptr;
    }
}

} // namespace ui
