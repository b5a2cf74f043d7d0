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
    // How the tag looks; "" for a kind that has no such setting.
    Inverse, // "On" or "Off": light text on dark, or the other way round
    Border, // "On" or "Off": the one-pixel frame
    Font, // the panel font ("보통 글꼴", ...), or an image text's face and pixel height
};
inline constexpr std::string_view kPointSeparator = "/";

// Whether tags of `kind` have the look setting `field` (Inverse, Border or Font) in their
// property dialog; false for the other fields.
bool tagKindHasLook(int kind, TagField field);
// The column caption of a look field in the resource language ("색 반전", "Inverse"); "" for the
// other fields, whose captions are the messages the windows already show.
std::string tagFieldCaption(TagField field, std::uint16_t resourceLangId);
std::string tagFieldCaption(TagField field);

// The panel language (`panelLangId`) decodes an image text's face name, which is stored in the
// panel's code page; without it (the two-argument form) the face is read as CP1252.
std::string tagText(const CTag &tag, TagField field, std::uint16_t panelLangId);
std::string tagText(const CTag &tag, TagField field);

} // namespace core
