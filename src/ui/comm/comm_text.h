#pragma once

// The panel link's and the panel commands' texts come from the core as codes with their values;
// the windows show them in the resource language through the translations (context
// "ui::CommText"), each value finished the same way.

#include "core/comm/comm_text.h"

#include <QString>

namespace ui {

QString commText(const comm::CommText &text);

// The untranslated (Korean) source text of a code as the translations know it, with its printf
// markers; the texts that read alike in every language have none.
const char *commTextSource(comm::CommTextId id);

} // namespace ui
