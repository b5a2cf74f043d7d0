// The project JSON import as `dorvane-cli import` runs it: the bounded parser, the checks of
// every field and the rebuild of the project through the editor's operations. A refusal is the
// expected outcome for almost every input; what must never happen is a crash, a hang or memory
// beyond the parser's bounds.

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/project_json/project_json.h"
#include "core/tags/tag_resources.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    core::CDorvaneDoc doc;
    const auto result = core::importProjectJson(
            std::string_view(reinterpret_cast<const char *>(data), size), doc);
    // What was imported must export again.
    if (result.ok)
        core::exportProjectJson(doc, util::kLangKorean);
    return 0;
}
