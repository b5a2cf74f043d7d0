#pragma once

// A project with the application's services, for compiling and parsing area images.

#include "core/download/download_images.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"

#include <gtest/gtest.h>

namespace testing_support {

struct ProjectServices
{
    core::CMemoryMonitor monitor;
    core::CStrResMgr strings{&monitor};
    core::CImgResMgr images{&monitor};
    core::CPlcSlots plcSlots;
    core::CDownloadImages areas;
    core::DocServices services() { return core::DocServices{strings, images, plcSlots, monitor}; }
    core::CDownloadImages &Areas() { return areas; }
};

inline util::Bytes bytesOf(util::ConstByteSpan s)
{
    return util::Bytes(s.begin(), s.end());
}

} // namespace testing_support
