#pragma once

// The panel link's and the panel commands' texts come from the core in Korean; the windows show
// them in the resource language. Composed texts ("<area>:<error>", "NAK 수신 : <code text>",
// formats with their values) are translated piece by piece.

#include <QString>

#include <string_view>

namespace ui {

QString commText(std::string_view text);

} // namespace ui
