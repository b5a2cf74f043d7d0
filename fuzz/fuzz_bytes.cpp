// The other parsers of outside bytes, chosen by the first byte: BMP files, INI files, pasted
// screens and tags (the clipboard forms), panel response frames and the panel's alarm history.

#include "core/comm/alarm_history.h"
#include "core/comm/comm_thread.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/tags/tag_factory.h"
#include "util/archive.h"
#include "util/bmp_file.h"
#include "util/ini_file.h"

#include <cstdio>
#include <unistd.h>

namespace {

void fuzzIni(util::ConstByteSpan data)
{
    char path[] = "/tmp/dorvane-fuzz-ini-XXXXXX";
    const int fd = ::mkstemp(path);
    if (fd < 0)
        return;
    if (::write(fd, data.data(), data.size()) == ssize_t(data.size())) {
        util::CIniFile ini(path);
        ini.getString("RESOURCE", "RES0");
        ini.getInt("comm_setup", "Port", 1);
        util::splitFields(ini.getString("CH1_PLC_LIST", "PLC0"), 3);
        ini.writeString("Color", "Back", "1");
    }
    ::close(fd);
    std::remove(path);
}

void fuzzClipboard(util::ConstByteSpan data)
{
    core::CDorvaneDoc doc;
    core::CScreenData *screen = nullptr;
    doc.AddScreen(0, &screen);
    util::CArchive ar(data);
    screen->Serialize(ar);
    // One tag body of the kind the first two bytes name.
    if (data.size() > 2) {
        if (auto tag = core::createTag(data[0] % 16, &doc.Resources())) {
            util::CArchive body(data.subspan(1));
            tag->Serialize(body);
            if (body.ok())
                tag->AfterLoad();
        }
    }
}

void fuzzFrame(util::ConstByteSpan data)
{
    comm::CCommThread link;
    std::uint8_t buffer[2048] = {};
    comm::COMM_CMD command;
    // A read of the area the frame answers (its letters follow the start byte), so that the
    // answer's handling is reached; other letters are refused by the check itself.
    command.main = 'r';
    command.sub = data.size() > 2 ? data[2] : 'G';
    command.buffer = buffer;
    if (link.CheckFrame(data, command.main, command.sub))
        link.ProcessResponse(command, data);
}

void fuzzHistory(util::ConstByteSpan data)
{
    const std::size_t split = data.size() / 2;
    comm::decodeAlarmHistory(data.first(split), data.subspan(split));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const util::ConstByteSpan rest(data + 1, size - 1);
    switch (data[0] % 5) {
    case 0:
        util::readBmp(rest);
        break;
    case 1:
        fuzzIni(rest);
        break;
    case 2:
        fuzzClipboard(rest);
        break;
    case 3:
        fuzzFrame(rest);
        break;
    default:
        fuzzHistory(rest);
        break;
    }
    return 0;
}
