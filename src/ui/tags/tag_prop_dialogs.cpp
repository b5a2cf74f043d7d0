#include "ui/tags/tag_prop_dialogs.h"

#include "ui/tags/circle_tag_dialog.h"
#include "ui/tags/clock_tag_dialog.h"
#include "ui/tags/digit_tag_dialog.h"
#include "ui/tags/graph_tag_dialog.h"
#include "ui/tags/line_tag_dialog.h"
#include "ui/tags/pie_tag_dialog.h"
#include "ui/tags/rect_tag_dialog.h"

#include "core/tags/digit_tag.h"
#include "core/tags/tag_kinds.h"

namespace ui {

std::unique_ptr<CTagPropDialog> makeTagPropDialog(const TagDialogContext &context, core::CTag &tag,
                                                  QWidget *parent)
{
    switch (tag.Kind()) {
    case core::kTagDigit:
        return std::make_unique<CDigitTagDialog>(context, static_cast<core::CDigitTag &>(tag),
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
