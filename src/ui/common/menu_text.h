#pragma once

// Menu texts carry their mnemonic: "(&X)" after the Korean words, a bare '&' in English ones.
// Where the same words are shown outside a menu (tool tips, undo steps) the mnemonic goes.

#include <QString>

namespace ui {

QString withoutMnemonic(const QString &menuText);

} // namespace ui
