#pragma once

// The clipboard body of each tag kind, field by field in the order the tag writes it, so a tag
// can travel through the project JSON by name while the tag classes stay the only code that
// knows their own state: export reads the body a tag serialised, import writes a body for the
// tag to load.

#include "core/project_json/json_values.h"

#include "util/archive.h"

#include <optional>
#include <vector>

namespace core::pjson {

enum class BodyType {
    I32,
    U16,
    U32,
    Text, // counted string in the panel code page
    Fixed, // fixed bytes holding a text padded with zeros (else hex)
    Hex, // fixed bytes, always hex
    Point, // device point descriptor
    Entries, // message table: count, then message number and value per entry
    Images8, // eight image numbers
    Anchor, // x and y again (shapes repeat their anchor); taken from the tag's x and y
};

struct BodyField
{
    const char *name;
    BodyType type;
    std::size_t size = 0; // Fixed
    bool terminated = false; // Fixed: the tag clears the last byte when it loads
    std::int64_t min = 0; // integer range; min == max == 0 means the whole width
    std::int64_t max = 0;
};

const std::vector<BodyField> &tagSchema(int kind);
// "numeric", "message", ... ; nothing for a kind outside 0 to 15.
const char *tagKindName(int kind);
std::optional<int> tagKindFromName(std::string_view name);

// Reads the body that follows the anchor; false (with the reason) when the archive does not
// hold exactly one such body.
bool bodyToJson(int kind, util::CArchive &ar, std::int32_t x, std::int32_t y, std::uint16_t langId,
                Json &fields, std::string &why);
// Writes the anchor and the body of `fields` (all fields required) into a storing archive.
void bodyFromJson(int kind, const Json &fields, const std::string &path, std::int32_t x,
                  std::int32_t y, std::uint16_t langId, util::CArchive &ar);

} // namespace core::pjson
