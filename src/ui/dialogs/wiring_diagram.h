#pragma once

// The wiring diagram window of "결선도" and "결선도 보기...": the picture file in a window of its
// own beside the dialog that opened it.

#include <string>

class QDialog;
class QWidget;

namespace ui {

// Shows the picture at `path` (a window that deletes itself when closed) and returns it. An empty
// path means the caller's presenter has reported already; a file that does not load shows
// message 51810. Both return null.
QDialog *showWiringDiagram(QWidget *parent, const std::string &path);

} // namespace ui
