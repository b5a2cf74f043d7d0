#include "core/download/global_area.h"

#include "core/download/record_checks.h"
#include "core/model/dorvane_doc.h"

#include <algorithm>
#include <array>

namespace core {

namespace {

// 16-bit fields of the parameter block that the area holds big-endian.
constexpr std::array<std::size_t, 21> kParamWords{0,  10, 12,  14,  16,  18,  20,  22,  24,  26, 68,
                                                  70, 72, 114, 116, 118, 160, 162, 164, 206, 208};
constexpr std::array<std::size_t, 10> kChannelWords{0, 2, 4, 6, 8, 10, 12, 14, 16, 50};

// Where the parameter block's pieces lie in the area: {block offset, area offset, size}.
struct Piece
{
    std::size_t block, area, size;
};
constexpr std::array<Piece, 4> kPieces{
        {{0, 6, 210}, {210, 232, 14}, {260, 246, 2}, {262, 264, 52}}};

constexpr std::size_t kTableOffset = 328;

// Converts the parameter part of the area between the block's and the panel's byte order.
void convertParameters(util::ByteSpan area)
{
    for (const auto w : kParamWords)
        swap16(area, 6 + w);
    // Channel 1 keeps only its first 14 bytes and its last word in the area.
    for (const auto w : kChannelWords) {
        if (w < 14)
            swap16(area, 232 + w);
        else if (w == 50)
            swap16(area, 246);
    }
    for (const auto w : kChannelWords)
        swap16(area, 264 + w);
}

// One common-function list: its records, their size, their conversion and their range check.
struct ListLayout
{
    const char *name;
    std::size_t size;
    void (*convert)(util::ByteSpan);
    std::string (*check)(util::ConstByteSpan);
};

void convertAlarm(util::ByteSpan r)
{
    convertRecord(r, {0}, {62, 64});
}
void convertCalc(util::ByteSpan r)
{
    convertRecord(r, {0, 62, 124, 190}, {186, 188});
}
void convertTransfer(util::ByteSpan r)
{
    convertRecord(r, {0, 62, 130}, {124, 126, 128});
}
void convertReservation(util::ByteSpan r)
{
    convertRecord(r, {0, 80}, {62, 64, 66, 68, 70, 72, 74, 76, 78});
}

constexpr std::array<ListLayout, 4> kLists{
        {{"alarm", 104, convertAlarm, checkAlarmRecord},
         {"calculation", 252, convertCalc, checkCalcRecord},
         {"block transfer", 192, convertTransfer, checkTransferRecord},
         {"reservation", 142, convertReservation, checkReservationRecord}}};

AreaResult damaged(const std::string &what)
{
    return AreaResult::fail("The global area is damaged (" + what + ").");
}

template<typename Record>
void appendRecords(const std::vector<Record> &list, const ListLayout &layout, util::ByteSpan buffer,
                   std::size_t &offset, std::size_t index)
{
    if (!list.empty())
        util::setBe32(buffer, kTableOffset + 8 + 4 * index, kGlobalBase + std::uint32_t(offset));
    util::setBe16(buffer, kTableOffset + 2 * index, std::uint16_t(list.size()));
    for (const auto &record : list) {
        auto slot = buffer.subspan(offset, layout.size);
        std::copy(record.begin(), record.end(), slot.begin());
        layout.convert(slot);
        offset += layout.size;
    }
}

template<typename Record>
AreaResult readRecords(util::ConstByteSpan image, std::size_t index, const ListLayout &layout,
                       std::vector<Record> &out)
{
    const std::uint16_t count = util::be16(image, kTableOffset + 2 * index);
    if (count == 0)
        return {};
    if (count > kMaxCommonRecords)
        return damaged(std::string(layout.name) + " count " + std::to_string(count) + " is above "
                       + std::to_string(kMaxCommonRecords));
    const std::uint32_t pointer = util::be32(image, kTableOffset + 8 + 4 * index);
    if (pointer < kGlobalBase + kGlobalRecordsStart)
        return damaged("a record list lies outside it");
    const std::size_t start = pointer - kGlobalBase;
    if (start > image.size() || std::size_t(count) * layout.size > image.size() - start)
        return damaged("a record list lies outside it");
    for (std::size_t i = 0; i < count; ++i) {
        Record record{};
        std::copy_n(image.begin() + std::ptrdiff_t(start + i * layout.size), layout.size,
                    record.begin());
        layout.convert(record);
        if (const std::string why = layout.check(record); !why.empty())
            return damaged(std::string(layout.name) + " " + std::to_string(i + 1) + ": " + why);
        out.push_back(record);
    }
    return {};
}

} // namespace

AreaResult buildGlobalArea(const CDorvaneDoc &doc, util::ByteSpan buffer, std::uint32_t &length)
{
    length = 0;
    const std::size_t total = kGlobalRecordsStart + doc.Alarms().size() * kLists[0].size
            + doc.Calculations().size() * kLists[1].size + doc.Transfers().size() * kLists[2].size
            + doc.Reservations().size() * kLists[3].size;
    if (total > kGlobalCapacity || total > buffer.size())
        return AreaResult::fail("The parameters and common functions need " + std::to_string(total)
                                + " bytes; the panel's global area holds 16384.");
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    const auto &params = doc.Parameters();
    for (const auto &p : kPieces)
        std::copy_n(params.begin() + std::ptrdiff_t(p.block), p.size,
                    buffer.begin() + std::ptrdiff_t(p.area));
    convertParameters(buffer);

    std::size_t offset = kGlobalRecordsStart;
    appendRecords(doc.Alarms(), kLists[0], buffer, offset, 0);
    appendRecords(doc.Calculations(), kLists[1], buffer, offset, 1);
    appendRecords(doc.Transfers(), kLists[2], buffer, offset, 2);
    appendRecords(doc.Reservations(), kLists[3], buffer, offset, 3);
    length = std::uint32_t(offset);
    finishArea(buffer, length);
    return {};
}

AreaResult parseGlobalArea(util::ConstByteSpan image, CDorvaneDoc &doc)
{
    if (image.size() < kGlobalRecordsStart || image.size() > kGlobalCapacity
        || util::be32(image, 0) != image.size())
        return damaged("its length does not match");

    util::Bytes area(image.begin(), image.begin() + kGlobalRecordsStart);
    convertParameters(area);
    ParamBlock params{};
    for (const auto &p : kPieces)
        std::copy_n(area.begin() + std::ptrdiff_t(p.area), p.size,
                    params.begin() + std::ptrdiff_t(p.block));
    if (const std::string why = checkParameterBlock(params); !why.empty())
        return damaged("parameters: " + why);

    std::vector<AlarmRecord> alarms;
    std::vector<CalcRecord> calcs;
    std::vector<TransferRecord> transfers;
    std::vector<ReservationRecord> reservations;
    for (const AreaResult &r :
         {readRecords(image, 0, kLists[0], alarms), readRecords(image, 1, kLists[1], calcs),
          readRecords(image, 2, kLists[2], transfers),
          readRecords(image, 3, kLists[3], reservations)})
        if (!r.ok)
            return r;

    doc.Parameters() = params;
    doc.Alarms() = std::move(alarms);
    doc.Calculations() = std::move(calcs);
    doc.Transfers() = std::move(transfers);
    doc.Reservations() = std::move(reservations);
    return {};
}

} // namespace core
