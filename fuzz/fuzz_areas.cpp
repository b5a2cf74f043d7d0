// One area image as an upload delivers it: the first byte picks the parser (G, S, R or C), the
// rest is the image.

#include "core/download/global_area.h"
#include "core/download/image_area.h"
#include "core/download/screen_area.h"
#include "core/download/string_area.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const util::ConstByteSpan image(data + 1, size - 1);
    core::CDorvaneDoc doc;
    std::map<std::uint16_t, core::TextBlock> texts;
    switch (data[0] & 3) {
    case 0:
        core::parseGlobalArea(image, doc);
        break;
    case 1:
        core::parseStringArea(image, doc.Strings());
        break;
    case 2:
        core::parseImageArea(image, doc.Images(), texts);
        break;
    default:
        core::parseScreenArea(image, doc);
        break;
    }
    return 0;
}
