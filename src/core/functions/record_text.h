#pragma once

// The texts that name and show a project's records, the same wherever they are listed: the tag
// list window, the printed report, the command line and listings that cross-reference records.
// A record goes in, plain strings come out; the windows add no formatting of their own. The
// common functions' records are shown by function_text.h.

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

class CPointInfo;
class CTag;

// The names of one tag kind: the Korean text the editor shows, the English text it shows when
// the resource language is English, and the lower-case word the command line prints.
struct TagKindNames
{
    const char *korean;
    const char *english;
    const char *word;
};

// The names of `kind` (a TagKind); null outside the sixteen kinds.
const TagKindNames *tagKindNames(int kind);
// The kind's name in the resource language (English for util::kResEnglish, Korean otherwise),
// as util::messageText() picks its texts; a kind outside the table is shown as its number.
std::string tagKindText(int kind, std::uint16_t resourceLangId);
// The same in the language the messages are shown in (util::messageLanguage()).
std::string tagKindText(int kind);

// "S" for the panel's own memory, "Ch1" and "Ch2" for the PLC channels.
std::string channelText(std::uint16_t channel);
// "Bit", "Word" or "Double Word"; a size that is none of them reads as a word, as drivers take it.
std::string_view dataSizeName(std::uint16_t dataSize);
// "DEC", "HEX" or "BCD"; an unknown base reads as decimal.
std::string_view baseName(std::uint16_t base);

// The fields of one device point as the lists show them.
enum class PointField {
    Channel, // channelText()
    Station, // the station number
    Address, // area and number as typed ("D100"; the panel's memory has no area)
    DataSize, // dataSizeName()
    Base, // baseName(); empty for a bit point, which has no base
    Limits, // "min ~ max" as the point dialog writes them; empty for a bit point
};
std::string pointText(const CPointInfo &point, PointField field);

// The fields of one tag. The point fields give one text per device point of the tag, joined by
// kPointSeparator (the moving tag's x point, then its y point); a tag without points gives "".
enum class TagField {
    X,
    Y,
    Width,
    Height,
    Position, // "x, y"
    Size, // "width x height"
    Channel,
    Station,
    Address,
    DataSize,
    Base,
    Limits,
    Resources, // the messages ("M" and number) and images ("I" and id) it shows, ", " between
};
inline constexpr std::string_view kPointSeparator = "/";

std::string tagText(const CTag &tag, TagField field);

} // namespace core
