#pragma once

// A project for the running-panel tests: Modbus RTU on channel 1 (from a throw-away program
// folder with the real driver plugins), screens 0 and 1, and helpers that fill address blocks.

#include "presenters/params_test_support.h"

#include "core/functions/device_addr.h"
#include "core/functions/device_block.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/plc_slots.h"
#include "core/runtime/device_memory.h"
#include "core/tags/point_info.h"

#include <gtest/gtest.h>

#include <string>

namespace runtimetest {

struct Project
{
    explicit Project(const std::string &tag)
        : folder("runtime_" + tag)
    {
        slots.BindChannel(1, folder.config.plcList(1), plctest::kModbusType, 0,
                          folder.config.protocolsDir());
        doc.AddScreen(0);
        doc.AddScreen(1);
    }

    core::CScreenData &screen(std::uint16_t n) { return *doc.FindScreen(n); }

    // Writes channel, station and the download address of `kind` into the block.
    template<std::size_t N>
    void address(std::array<std::uint8_t, N> &record, std::size_t block, std::int32_t kind,
                 std::uint16_t channel, const std::string &area, const std::string &number,
                 std::uint16_t station = 0)
    {
        const core::CDeviceAddr addr{channel, station, area, number};
        ASSERT_GE(addr.BuildInto(slots, record, block, kind), 0) << area << number;
        util::setLe16(record, block + core::devblock::kDataKind,
                      kind == core::kAddrBit            ? 1
                              : kind == core::kAddrWord ? 2
                                                        : 3);
    }

    plctest::ProgramFolder folder;
    core::CDorvaneDoc doc;
    core::CPlcSlots &slots = doc.Slots();
    core::CStrResMgr &strings = doc.Strings();
    core::CImgResMgr &images = doc.Images();
};

inline core::CPointInfo point(std::uint16_t channel, const std::string &area,
                              const std::string &number, std::uint16_t dataSize = core::kSizeWord,
                              std::uint16_t station = 0)
{
    core::CPointInfo p;
    p.m_channel = channel;
    p.m_station = station;
    p.m_address = area;
    p.m_second = number;
    p.m_dataSize = dataSize;
    return p;
}

} // namespace runtimetest
