#include "core/presenters/grid_snap_dlg.h"

#include "util/messages.h"

namespace core {

CGridSnapDlg::CGridSnapDlg(const GridSettings &grid)
    : m_grid(grid)
    , m_pitch(PitchIndex(grid.xDot, grid.yDot))
{
    if (m_grid.style < 0 || m_grid.style > 2)
        m_grid.style = 0;
}

const std::vector<std::string> &CGridSnapDlg::Pitches()
{
    static const std::vector<std::string> pitches{"4x4",   "6x8",   "8x8",  "12x16",
                                                  "16x16", "24x16", "32x16"};
    return pitches;
}

int CGridSnapDlg::PitchIndex(int xDot, int yDot)
{
    const std::string text = util::formatText("%dx%d", xDot, yDot);
    const auto &list = Pitches();
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == text)
            return int(i);
    return -1;
}

void CGridSnapDlg::SetPitch(int index)
{
    if (index < 0 || index >= int(Pitches().size()))
        return;
    const std::string &text = Pitches()[std::size_t(index)];
    const auto x = text.find('x');
    m_grid.xDot = std::stoi(text.substr(0, x));
    m_grid.yDot = std::stoi(text.substr(x + 1));
    m_pitch = index;
}

void CGridSnapDlg::SetStyle(int style)
{
    if (style >= 0 && style <= 2)
        m_grid.style = style;
}

void CGridSnapDlg::Defaults()
{
    m_grid.showGrid = true;
    m_grid.snap = false;
    SetPitch(2);
    m_grid.style = 0;
}

} // namespace core
