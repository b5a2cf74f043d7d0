#pragma once

// Menu texts and labels carry their mnemonic: "(&X)" after the Korean words, a bare '&' in
// English ones. Where the same words are shown without one (tool tips, undo steps, a second
// copy of a group in one dialog) the mnemonic goes.

#include <QString>

namespace ui {

// The text without its mnemonic; "&&" stays one '&'.
QString dropMnemonic(const QString &text);
// The same without a trailing ellipsis: the command's plain name.
QString withoutMnemonic(const QString &menuText);

} // namespace ui
