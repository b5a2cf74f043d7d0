#pragma once

// The drawing tools of the screen canvas: one per creatable tag kind (the id is the kind code)
// and the select tool.

namespace ui {

enum ToolId : int {
    ToolDigit = 0,
    ToolMessage = 1,
    ToolText = 2,
    ToolLamp = 3,
    ToolButton = 4,
    ToolPie = 5,
    ToolBitmap = 6,
    ToolBarGraph = 7,
    ToolTrendGraph = 8,
    ToolMotor = 9,
    ToolMobile = 10,
    ToolRect = 11,
    ToolLine = 12,
    ToolCircle = 13,
    ToolClock = 14,
    ToolBmpText = 15,
    ToolSelect = 100,
};

inline bool isTagTool(int id)
{
    return id >= ToolDigit && id <= ToolBmpText;
}

// The name of the tool's picture in the icon resource (":/icons/<name>.svg"): the tool bar's
// button and the canvas's cursor while the tool is chosen.
inline const char *toolIconName(int id)
{
    static constexpr const char *kNames[] = {
            "digit",       "message", "text",   "lamp", "button", "pie",    "bitmap", "bar_graph",
            "trend_graph", "motor",   "mobile", "rect", "line",   "circle", "clock",  "bmp_text"};
    return isTagTool(id) ? kNames[id] : "select";
}

} // namespace ui
