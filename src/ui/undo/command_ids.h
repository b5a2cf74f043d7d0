#pragma once

// Ids of the canvas's undo commands that merge with their successor.

namespace ui {

enum CommandId : int {
    CmdArrowMove = 1, // consecutive arrow-key moves of the same tags are one step
};

} // namespace ui
