#pragma once

// Named fields of the fixed-size byte records of a project (parameter block, channel records,
// alarms, calculations, block transfers, reservations, function keys), so that the project JSON
// shows them by name. A record travels as {"fields": {...}, "raw": "<hex>"}: the raw bytes keep
// whatever no field names, and on reading the named fields are written over them, so an edited
// field takes effect.

#include "core/project_json/json_values.h"

#include <vector>

namespace core::pjson {

enum class FieldType {
    U16, // little-endian word
    U32, // little-endian double word
    Bcd16, // little-endian word of BCD digits, shown as its hexadecimal digits ("2026")
    Text, // fixed bytes holding a text padded with zeros (else hex)
    Bytes, // fixed bytes, always hex
    Nested, // a sub-record with its own fields
};

struct RecordLayout;

struct FieldDef
{
    const char *name;
    std::size_t offset;
    FieldType type;
    std::size_t size = 0; // Text, Bytes
    const RecordLayout *nested = nullptr;
};

struct RecordLayout
{
    std::size_t size;
    std::vector<FieldDef> fields;
};

const RecordLayout &deviceBlockLayout();
const RecordLayout &channelLayout();
const RecordLayout &parameterLayout();
const RecordLayout &alarmLayout();
const RecordLayout &calculationLayout();
const RecordLayout &transferLayout();
const RecordLayout &reservationLayout();
const RecordLayout &functionKeyLayout();

// The named fields of `bytes` (layout.size bytes).
Json fieldsToJson(const RecordLayout &layout, util::ConstByteSpan bytes, std::uint16_t langId);
// Writes the named fields present in `fields` over `bytes`; refuses unknown names.
void fieldsFromJson(const RecordLayout &layout, const Json &fields, const std::string &path,
                    std::uint16_t langId, util::ByteSpan bytes);

// {"fields": ..., "raw": ...}
Json recordToJson(const RecordLayout &layout, util::ConstByteSpan bytes, std::uint16_t langId);
// Starts from "raw" (zeros when absent), then applies "fields".
void recordFromJson(const RecordLayout &layout, const Json &record, const std::string &path,
                    std::uint16_t langId, util::ByteSpan bytes);

} // namespace core::pjson
