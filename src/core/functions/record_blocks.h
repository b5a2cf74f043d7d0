#pragma once

// The device address blocks of the four common-function lists (alarms, calculations, block
// transfers, reservations) and the walk over them. Everything that visits every address a
// project keeps outside its screens (revalidation after a PLC change, the cross-reference, the
// address replace) goes through this one table, so a new block is added in one place.

#include "core/functions/alarm_record.h"
#include "core/functions/calc_record.h"
#include "core/functions/device_block.h"
#include "core/functions/reserve_record.h"
#include "core/functions/trans_record.h"

#include "util/byte_order.h"

#include <cstddef>
#include <cstdint>

namespace core {

enum class RecordList { Alarm, Calc, Transfer, Reservation };

struct RecordBlock
{
    std::size_t offset;
    std::int32_t kind; // 0: the block's own data kind (word or double word)
};

inline constexpr RecordBlock kAlarmBlocks[] = {{CAlarmRecord::kBlock, kAddrBit}};
inline constexpr RecordBlock kCalcBlocks[] = {{CCalcRecord::kOperand1, 0},
                                              {CCalcRecord::kOperand2, 0},
                                              {CCalcRecord::kResult, 0},
                                              {CCalcRecord::kStart, kAddrBit}};
inline constexpr RecordBlock kTransferBlocks[] = {{CTransRecord::kPlcBlock, kAddrWord},
                                                  {CTransRecord::kPanelBlock, kAddrWord},
                                                  {CTransRecord::kStart, kAddrBit}};
inline constexpr RecordBlock kReservationBlocks[]
        = {{CReserveRecord::kExecBlock, kAddrBit}, {CReserveRecord::kStart, kAddrBit}};

// The driver's address kind the block holds.
inline std::int32_t recordBlockKind(util::ConstByteSpan record, const RecordBlock &ref)
{
    if (ref.kind != 0)
        return ref.kind;
    return util::le16(record, ref.offset + devblock::kDataKind) == 3 ? kAddrDWord : kAddrWord;
}

// Calls fn(list, index, record, block) for every address block of the four lists; the record
// is const when the document is.
template<typename Doc, typename Fn>
void forEachRecordBlock(Doc &doc, Fn fn)
{
    auto walk = [&](auto &records, RecordList list, const auto &blocks) {
        for (std::size_t i = 0; i < records.size(); ++i)
            for (const RecordBlock &ref : blocks)
                fn(list, i, records[i], ref);
    };
    walk(doc.Alarms(), RecordList::Alarm, kAlarmBlocks);
    walk(doc.Calculations(), RecordList::Calc, kCalcBlocks);
    walk(doc.Transfers(), RecordList::Transfer, kTransferBlocks);
    walk(doc.Reservations(), RecordList::Reservation, kReservationBlocks);
}

} // namespace core
