#include "ui/tags/tag_prop_dialogs.h"

#include "ui/tags/digit_tag_dialog.h"

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
    default:
        return nullptr;
    }
}

} // namespace ui
