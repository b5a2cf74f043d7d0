#pragma once

// The logic of the grid dialog ("눈금 및 맞추기"): snap, grid shown, the pitch chosen from a fixed
// list of "XxY" entries and the grid style; a button puts back the defaults.

#include "core/app/app_config.h"

#include <string>
#include <vector>

namespace core {

class CGridSnapDlg
{
public:
    explicit CGridSnapDlg(const GridSettings &grid);

    // "4x4", "6x8", "8x8", "12x16", "16x16", "24x16", "32x16".
    static const std::vector<std::string> &Pitches();
    // The entry that reads "%dx%d" of the pitch, or -1 when the pair is not in the list.
    static int PitchIndex(int xDot, int yDot);

    bool Snap() const { return m_grid.snap; }
    bool ShowGrid() const { return m_grid.showGrid; }
    int Pitch() const { return m_pitch; }
    int Style() const { return m_grid.style; }
    void SetSnap(bool on) { m_grid.snap = on; }
    void SetShowGrid(bool on) { m_grid.showGrid = on; }
    // Takes the entry's pitch; an index outside the list keeps the pitch as it is.
    void SetPitch(int index);
    void SetStyle(int style);
    // Grid shown, no snap, 8x8 dots.
    void Defaults();

    // What OK stores. A pitch not in the list (none chosen) stays as it was, so a hand-written
    // [GridSnap] pitch is never turned into 0 (the snap rule divides by it).
    const GridSettings &Result() const { return m_grid; }

private:
    GridSettings m_grid;
    int m_pitch = -1;
};

} // namespace core
