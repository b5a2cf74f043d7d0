#pragma once

// The logic of the bar graph's ("막대 그래프 속성") and the trend graph's ("트렌드 그래프 속성")
// property dialog: size, the bar's direction, the trend's sampling and border, the position and
// the device point with Word / Long, signed and the graph's range.

#include "core/presenters/entry_range.h"
#include "core/presenters/point_group.h"
#include "core/presenters/tag_prop_dlg.h"
#include "core/tags/graph_tag.h"

namespace core {

class CGraphTagDlg : public CTagPropDlg
{
public:
    static constexpr EntryRange kWidthRange{8, kPanelWidth};
    static constexpr EntryRange kHeightRange{8, kPanelHeight};
    // The panel takes the count in one byte, and a curve needs two samples.
    static constexpr EntryRange kSamplingCountRange{2, 255};
    // A 16-bit word of the record; no interval is no sampling.
    static constexpr EntryRange kSamplingTimeRange{1, 0xFFFF};

    CGraphTagDlg(const FunctionEnv &env, CGraphTag &tag);

    CGraphTag &Graph() { return m_graph; }
    const CGraphTag &Graph() const { return m_graph; }
    CPointGroup &Point() { return m_point; }
    const CPointGroup &Point() const { return m_point; }
    bool IsTrend() const { return m_graph.IsTrend(); }

    // Outside the range: its message and no change (the view shows the tag's value again).
    bool SetWidth(std::int64_t width);
    bool SetHeight(std::int64_t height);
    bool SetSamplingCount(std::int64_t count);
    bool SetSamplingTime(std::int64_t seconds);

    // Bar only; turning between vertical and horizontal exchanges width and height.
    bool DirectionEnabled() const { return !IsTrend(); }
    void SetDirection(std::uint16_t direction);
    // Trend only.
    void SetBorder(bool on);

    bool Ok() override { return m_point.Ok(); }

private:
    CGraphTag &m_graph;
    CPointGroup m_point;
};

} // namespace core
