#pragma once

// The area images a project compiles into and parses from.

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
    core::CDownloadImages areas;
    core::CDownloadImages &Areas() { return areas; }
};

inline util::Bytes bytesOf(util::ConstByteSpan s)
{
    return util::Bytes(s.begin(), s.end());
}

} // namespace testing_support
