// A whole project file: the header check, the split into areas and every area's parser, as
// opening a file runs them.

#include "core/download/download_images.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/project_file.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const util::ConstByteSpan file(data, size);
    if (!core::checkProjectBytes(file).ok)
        return 0;
    std::array<util::Bytes, 4> areas;
    if (!core::splitProjectFile(file, areas))
        return 0;
    core::CMemoryMonitor monitor;
    core::CStrResMgr strings(&monitor);
    core::CImgResMgr images(&monitor);
    core::CPlcSlots slots;
    core::CDorvaneDoc doc(core::DocServices{strings, images, slots, monitor});
    core::CDownloadImages codec;
    for (int a = core::kAreaGlobal; a <= core::kAreaScreen; ++a)
        if (!codec.ParseArea(core::ProjectArea(a), doc, areas[std::size_t(a)]))
            return 0;
    // What parsed must compile again.
    for (int a = core::kAreaGlobal; a <= core::kAreaScreen; ++a)
        codec.BuildArea(core::ProjectArea(a), doc);
    return 0;
}
