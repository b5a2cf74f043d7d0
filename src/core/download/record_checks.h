#pragma once

// Range checks of the records read back from area images (project files and uploads). A damaged
// file may still have consistent lengths and pointers; these checks refuse the values no editor
// writes: channels, stations, data sizes, bases, function and mode numbers, fonts, counts and
// positions that no tag can have. Each check returns an empty text for a record that passes,
// else the first field outside its range with its value ("channel 65281 is outside 0 to 2").
//
// Common-function and function-key records are checked in their in-memory (little-endian)
// form, tag records in their download (big-endian) form.

#include "util/byte_order.h"

#include <cstddef>
#include <string>

namespace core {

// Lists of alarms, calculations, block transfers and reservations hold at most this many.
inline constexpr std::size_t kMaxCommonRecords = 20;

std::string checkParameterBlock(util::ConstByteSpan params);
std::string checkAlarmRecord(util::ConstByteSpan record);
std::string checkCalcRecord(util::ConstByteSpan record);
std::string checkTransferRecord(util::ConstByteSpan record);
std::string checkReservationRecord(util::ConstByteSpan record);
std::string checkFunctionKeyRecord(util::ConstByteSpan record);
// `kind` is the tag kind the record's group (and, for images, its marker byte) gives.
std::string checkTagRecord(int kind, util::ConstByteSpan record);
// The marker byte of a record in the shared image group: 0 image, 1 image text.
std::string checkImageMarker(std::uint8_t marker);

} // namespace core
