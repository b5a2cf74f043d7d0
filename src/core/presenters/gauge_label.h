#pragma once

// The status-bar gauge labels: the label word keeps its width while the percentage grows, so the
// three panes never jump ("화면   0%", "화면  45%", "화면 100%").

#include "core/model/memory_monitor.h"

#include <string>

namespace core {

// The label of a gauge before any total was reported, in the resource language of the messages.
const std::string &gaugeBaseLabel(MemoryGauge gauge);
// The base label with as many characters cut from its end as "%2d%%" of `percent` has, followed
// by that formatted percentage. Characters, not bytes: the labels are UTF-8.
std::string gaugeLabel(MemoryGauge gauge, int percent);

} // namespace core
