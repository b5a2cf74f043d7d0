#pragma once

// The edit and arrange commands of one screen canvas: select all, delete, the clipboard, z-order,
// locking and the twelve alignments. Each command has one enabling rule (how many tags must be
// selected, or whether the screen holds any) in one table, and each change is one undo step.

#include "core/editor/arrange_rules.h"
#include "core/tags/geometry.h"

#include <QCoreApplication>

#include <optional>
#include <vector>

namespace ui {

class CScreenCanvas;

enum class CanvasCommand {
    SelectAll,
    Delete,
    Cut,
    Copy,
    Paste,
    BringToFront,
    SendToBack,
    LockSelection,
    UnlockAll,
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    AlignScreenLeft,
    AlignScreenRight,
    AlignScreenTop,
    AlignScreenBottom,
    CentreHorizontally,
    CentreVertically,
    DistributeHorizontally,
    DistributeVertically,
};

// Where `align()` puts the selection: against each other, against the screen's edges, centred
// on the screen, or spread evenly.
enum class AlignEdge {
    Left,
    Right,
    Top,
    Bottom,
    ScreenLeft,
    ScreenRight,
    ScreenTop,
    ScreenBottom,
    ScreenCentreH,
    ScreenCentreV,
    SpreadH,
    SpreadV,
};

// The alignment a command stands for, if it is one.
std::optional<AlignEdge> alignEdgeOf(CanvasCommand command);

class CCanvasActions
{
    Q_DECLARE_TR_FUNCTIONS(ui::CScreenCanvas)
public:
    explicit CCanvasActions(CScreenCanvas &canvas);

    // The command's enabling rule for the canvas's selection and screen (and the clipboard).
    bool canRun(CanvasCommand command) const;
    void run(CanvasCommand command);

    void selectAll();
    void deleteSelection();
    void cut();
    void copy();
    void paste();
    void bringToFront();
    void sendToBack();
    void lockSelection();
    void unlockAll();
    void align(AlignEdge edge);

    static QString mimeType();
    // The command's menu text, the same in the edit menu, the canvas's menu and the tool bar.
    static QString menuText(CanvasCommand command);
    // The menu text without its mnemonic and ellipsis: the undo step's name.
    static QString undoText(CanvasCommand command);

private:
    void reorder(bool front);
    // Applies a rectangle per selected tag; one undo step when any moved.
    void applyRects(const std::vector<core::CRect> &rects, const QString &text);
    std::vector<core::CRect> selectedRects() const;

    CScreenCanvas &m_canvas;
};

} // namespace ui
