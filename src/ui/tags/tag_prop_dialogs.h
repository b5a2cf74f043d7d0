#pragma once

// The property dialog of a tag, by its kind.

#include "ui/tags/tag_prop_dialog.h"

#include <memory>

namespace ui {

// Null for a kind without a dialog.
std::unique_ptr<CTagPropDialog> makeTagPropDialog(const TagDialogContext &context, core::CTag &tag,
                                                  QWidget *parent);

} // namespace ui
