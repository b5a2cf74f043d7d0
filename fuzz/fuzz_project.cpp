// A whole project file: the header check, the split into areas and every area's parser, as
// opening a file runs them. The libFuzzer program mutates inside the areas and writes the header
// around them again: its total length and area table must match the file to the byte, so plain
// byte mutations stop most inputs at the header check.

#include "core/download/download_images.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/project_file.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const util::ConstByteSpan file(data, size);
    if (!core::checkProjectBytes(file).ok)
        return 0;
    std::array<util::Bytes, 4> areas;
    if (!core::splitProjectFile(file, areas))
        return 0;
    core::CDorvaneDoc doc;
    core::CDownloadImages codec;
    for (int a = core::kAreaGlobal; a <= core::kAreaScreen; ++a)
        if (!codec.ParseArea(core::ProjectArea(a), doc, areas[std::size_t(a)]))
            return 0;
    // What parsed must compile again.
    for (int a = core::kAreaGlobal; a <= core::kAreaScreen; ++a)
        codec.BuildArea(core::ProjectArea(a), doc);
    return 0;
}

#ifdef DORVANE_LIBFUZZER

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t *data, std::size_t size, std::size_t maxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t *data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed)
{
    const util::ConstByteSpan file(data, size);
    std::array<util::Bytes, 4> areas;
    std::minstd_rand random(seed);
    // One input in sixteen, and anything that is no project yet, is mutated as plain bytes so
    // the header check itself stays covered.
    if (random() % 16 == 0 || !core::checkProjectBytes(file).ok
        || !core::splitProjectFile(file, areas))
        return LLVMFuzzerMutate(data, size, maxSize);

    // One area's bytes after its length field; the length then follows the area's new size.
    const std::size_t a = random() % areas.size();
    util::Bytes &area = areas[a];
    const std::size_t others = size - area.size();
    if (others + 4 >= maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    // Half the time the area keeps its size, so that its own pointers and counts still meet.
    const std::size_t used = area.size();
    const std::size_t most = std::max(
            used, std::min<std::size_t>(maxSize - others, core::kProjectAreaCapacity[a]));
    const std::size_t room = random() % 2 == 0 && used > 4 ? used : most;
    if (room <= 4)
        return LLVMFuzzerMutate(data, size, maxSize);
    area.resize(room);
    const std::size_t mutated = LLVMFuzzerMutate(area.data() + 4, used - 4, room - 4);
    area.resize(mutated + 4);
    util::setBe32(area, 0, std::uint32_t(area.size()));

    const util::Bytes rebuilt = core::buildProjectFile(areas);
    if (rebuilt.size() > maxSize)
        return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, rebuilt.data(), rebuilt.size());
    return rebuilt.size();
}

#endif
