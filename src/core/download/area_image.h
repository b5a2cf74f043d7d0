#pragma once

// What every panel memory area image shares: the 6-byte header (image length, then the 16-bit
// sum of every byte from offset 6 to the end), the panel base addresses its pointers are built
// on, the buffer capacities, and the byte-order conversion of records between the editor's
// little-endian form and the panel's big-endian download form.

#include "util/byte_order.h"

#include <cstdint>
#include <initializer_list>
#include <string>

namespace core {

inline constexpr std::uint32_t kGlobalCapacity = 0x4000;
inline constexpr std::uint32_t kStringCapacity = 0x8000;
inline constexpr std::uint32_t kScreenCapacity = 0x10000;
inline constexpr std::uint32_t kImageCapacity = 0x10000;
inline constexpr std::uint32_t kConstantCapacity = 0x2000;
inline constexpr std::uint32_t kDriverCapacity = 0x10000;
inline constexpr std::uint32_t kDriverImageLength = 0xA000;
inline constexpr std::uint32_t kDriver2Offset = 0x3000;
inline constexpr std::uint32_t kFontCapacity = 0x40000;
inline constexpr std::uint32_t kPasswordBlockSize = 18;

inline constexpr std::uint32_t kGlobalBase = 0x400000;
inline constexpr std::uint32_t kStringBase = 0x408000;
inline constexpr std::uint32_t kScreenBase = 0x410000;
inline constexpr std::uint32_t kImageBase = 0x420000;

inline constexpr std::uint16_t kAreaVersion = 0x0100;
inline constexpr std::size_t kAreaHeaderSize = 6;

// The 16-bit sum of the bytes from offset 6 to the end of the image.
std::uint16_t areaChecksum(util::ConstByteSpan image);
// Writes length (big-endian) at 0 and, over the first `length` bytes, the checksum at 4.
void finishArea(util::ByteSpan buffer, std::uint32_t length);

// Swaps the byte order of the 62-byte address blocks, 16-bit and 32-bit fields at the given
// offsets of a record. The conversion is its own inverse, so building and parsing share it.
void convertRecord(util::ByteSpan record, std::initializer_list<std::size_t> blocks,
                   std::initializer_list<std::size_t> words,
                   std::initializer_list<std::size_t> dwords = {});
void swap16(util::ByteSpan data, std::size_t offset);
void swap32(util::ByteSpan data, std::size_t offset);

// The outcome of building or parsing one area; `error` says why it failed.
struct AreaResult
{
    bool ok = true;
    std::string error;
    static AreaResult fail(std::string why) { return {false, std::move(why)}; }
};

} // namespace core
