#pragma once

// The canvas of one screen: draws the 192 x 64 display (background, grid, tags back to front,
// selection marks), holds the selection and routes the mouse and keys to the current drawing
// tool. Its edit and arrange commands are carried out by its CCanvasActions. Every change is
// handed to the project's undo sink as one command.

#include "ui/canvas/canvas_actions.h"
#include "ui/canvas/canvas_overlay.h"
#include "ui/canvas/key_placement.h"

#include "core/editor/canvas_mapping.h"
#include "core/tags/tag.h"

#include <QWidget>

#include <map>
#include <memory>
#include <vector>

class QMenu;
class QUndoCommand;

namespace core {
class CAppConfig;
class CDorvaneDoc;
class CScreenData;
struct GridSettings;
} // namespace core

namespace ui {

class CAbstractTool;
class CCanvasPictureCache;
class CTagPainter;
class IUndoSink;

class CScreenCanvas : public QWidget
{
    Q_OBJECT
public:
    CScreenCanvas(core::CDorvaneDoc &doc, core::CScreenData &screen, const core::CAppConfig &config,
                  IUndoSink *undo, QWidget *parent = nullptr);
    ~CScreenCanvas() override;

    core::CScreenData &screen() const { return m_screen; }
    core::CDorvaneDoc &document() const { return m_doc; }
    const core::CAppConfig &config() const { return m_config; }
    // Where the changes go; null in a canvas that applies them without history.
    IUndoSink *undoSink() const { return m_undo; }

    // Device pixels per panel pixel in x and y (2.0 at 100 %).
    void setZoomFactor(double sx, double sy);
    const core::editor::CCanvasMapping &mapping() const { return m_mapping; }
    void setTool(int toolId);
    int tool() const { return m_toolId; }
    // The model changed: repaint (and forget selected tags that left the screen).
    void refresh();
    // The configuration's colours or panel fonts changed.
    void configChanged();
    // Whether selection marks are drawn (the owning view is the active one).
    void setActive(bool active);
    bool isActive() const { return m_active; }
    // Grid settings other than the configuration's, e.g. fresh from the grid dialog.
    void setGridSettings(const core::GridSettings &grid);
    const core::GridSettings &gridSettings() const;

    // The edit and arrange commands on this canvas.
    CCanvasActions &actions() { return m_actions; }

    // --- selection ----------------------------------------------------------------------
    const std::vector<core::CTag *> &selection() const { return m_selection; }
    bool isSelected(const core::CTag *tag) const;
    void select(core::CTag *tag, bool add);
    void deselect(core::CTag *tag);
    void clearSelection();
    // Replaces the selection (locked tags are left out).
    void setSelection(std::vector<core::CTag *> tags);
    // Device rectangle (a click when empty): adds every tag the band takes.
    void selectInRect(const QRect &deviceRect, bool add);
    core::CRect selectionBounds() const;
    // The tags in the order they are drawn and kept in the file (back to front).
    std::vector<core::CTag *> drawingOrder() const;
    // Front-most tag at a logical point, or null.
    core::CTag *hitTest(core::CPoint logical) const;
    // All or none; one undo step. Returns whether anything moved.
    bool moveSelection(std::int32_t dx, std::int32_t dy);
    // Clones the selection into the screen; the clones become the selection. False (with the
    // message shown) when the screen refuses one; then nothing remains of it.
    bool duplicateSelection();

    // --- for the tools ------------------------------------------------------------------
    core::CPoint toLogical(const QPoint &device) const;
    QRect toDevice(const core::CRect &logical) const;
    // The transient figures the tools drag out (device coordinates), painted over the canvas.
    using Band = BandFigure::Kind;
    void setBand(Band band, const QRect &rect = {}, QPoint offset = {});
    Band band() const { return m_band; }
    // Hands a command to the undo sink (or applies it when there is none).
    void pushCommand(QUndoCommand *command);
    // The tool table; the canvas owns one tool per id.
    CAbstractTool *toolFor(int toolId) const;
    // A context menu of the canvas's commands (also used by the right-click handler).
    std::unique_ptr<QMenu> buildContextMenu();

    QSize sizeHint() const override;

    // Paints the panel at the canvas's zoom: for printing without grid, outlines and selection.
    void renderPanel(QPainter &p, bool printing) const;

signals:
    void selectionChanged();
    void toolFinished();
    void editScreenProperties();
    void editTagProperties(core::CTag *tag);
    void gridDialogRequested();
    // A short notice for the status bar (a request that could only partly be kept).
    void statusMessage(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void paintScreen(QPainter &p, const QRect &clip, bool printing) const;
    // The panel with the selection marks: what the picture cache keeps.
    void paintPicture(QPainter &p, const QRect &clip) const;
    // Sums up everything paintPicture draws from.
    std::uint64_t pictureKey() const;
    void invalidateTag(const core::CTag *tag);
    void pruneSelection();
    // Moves the selection as one undo step; commands of the same `mergeId` merge.
    void shiftSelection(std::int32_t dx, std::int32_t dy, int mergeId);
    bool arrowKey(int key);
    void updateCursor(core::CPoint logical);

    core::CDorvaneDoc &m_doc;
    core::CScreenData &m_screen;
    const core::CAppConfig &m_config;
    IUndoSink *m_undo = nullptr;
    std::unique_ptr<core::GridSettings> m_grid;
    core::editor::CCanvasMapping m_mapping;
    std::vector<core::CTag *> m_selection;
    std::map<int, std::unique_ptr<CAbstractTool>> m_tools;
    std::unique_ptr<CTagPainter> m_painter;
    std::unique_ptr<CCanvasPictureCache> m_picture;
    CCanvasActions m_actions{*this};
    CKeyPlacement m_keyPlacement{*this};
    int m_toolId = 100;
    bool m_active = true;
    Band m_band = Band::None;
    QRect m_bandRect;
    QPoint m_bandOffset;
    QRect m_bandExtent; // where the band was last drawn, repainted when it moves
};

} // namespace ui
