#include "core/csv/csv_tags.h"

#include "core/csv/csv_columns.h"
#include "core/functions/record_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/tags/digit_tag.h"
#include "core/tags/tag.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"
#include "core/xref/address_span.h"
#include "core/xref/address_users.h"

#include "util/message_ids.h"

#include <array>
#include <set>

namespace core::csv {

namespace {

const std::string kScreen = "screen";
const std::string kTag = "tag";
const std::string kChannel = "channel";
const std::string kStation = "station";
const std::string kAddress = "address";

struct Column
{
    const char *name;
    TagField field;
};
constexpr Column kTagColumns[] = {
        {"x", TagField::X},
        {"y", TagField::Y},
        {"width", TagField::Width},
        {"height", TagField::Height},
        {"channel", TagField::Channel},
        {"station", TagField::Station},
        {"address", TagField::Address},
        {"data size", TagField::DataSize},
        {"base", TagField::Base},
        {"limits", TagField::Limits},
};

std::vector<std::string> splitPoints(const std::string &text)
{
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(kPointSeparator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos)
            return parts;
        start = at + kPointSeparator.size();
    }
}

std::optional<std::uint16_t> parseChannel(const std::string &text)
{
    for (std::uint16_t ch = 0; ch <= 2; ++ch)
        if (text == channelText(ch) || text == std::to_string(ch))
            return ch;
    return std::nullopt;
}

struct PointChange
{
    xref::AddressUse use;
    CDeviceAddr to;
};

// One row's tag, or a refusal naming the row.
const CTag *findTag(const CDorvaneDoc &doc, const CColumns &columns, const Row &row,
                    std::size_t rowNo, std::vector<Notice> &refusals, std::uint16_t &screenNo,
                    std::size_t &index)
{
    const auto screen = numberField(columns.Field(row, kScreen), 0xFFFF, rowNo, kScreen, refusals);
    const auto tag = numberField(columns.Field(row, kTag), 0xFFFF, rowNo, kTag, refusals);
    if (!screen || !tag)
        return nullptr;
    const CScreenData *data = doc.FindScreen(std::uint16_t(*screen));
    if (!data || *tag == 0 || *tag > data->Tags().size()) {
        refusals.push_back(
                {util::msg::kCsvNoTag,
                 {std::to_string(rowNo), std::to_string(*screen), std::to_string(*tag)}});
        return nullptr;
    }
    screenNo = std::uint16_t(*screen);
    index = *tag - 1;
    return data->Tags()[index].get();
}

// The device columns of one point: nothing when unchanged or refused.
void readPoint(const CPlcSlots &slots, const xref::AddressUse &now, const CPointInfo &point,
               const std::array<std::string, 3> &fields, std::size_t rowNo,
               std::vector<PointChange> &changes, std::vector<Notice> &refusals)
{
    if (fields[0] == pointText(point, PointField::Channel)
        && fields[1] == pointText(point, PointField::Station)
        && fields[2] == pointText(point, PointField::Address))
        return;
    const auto channel = parseChannel(fields[0]);
    if (!channel)
        refusals.push_back(rowNotice(util::msg::kCsvBadValue, rowNo, kChannel, {fields[0]}));
    const auto station = numberField(fields[1], 0xFFFF, rowNo, kStation, refusals);
    if (!channel || !station)
        return;
    CDeviceAddr to{*channel, std::uint16_t(*station), {}, {}};
    if (!xref::splitAddressText(slots.slot(*channel), fields[2], to.area, to.number)
        || xref::checkAddress(slots, now, to) < 0) {
        refusals.push_back(rowNotice(util::msg::kCsvDriverRefuses, rowNo, kAddress, {fields[2]}));
        return;
    }
    changes.push_back({now, to});
}

using TagKey = std::pair<std::uint16_t, std::size_t>;

void readRow(const CDorvaneDoc &doc, const CColumns &columns, const Row &row, std::size_t rowNo,
             std::set<TagKey> &seen, std::vector<PointChange> &changes,
             std::vector<Notice> &refusals)
{
    std::uint16_t screen = 0;
    std::size_t index = 0;
    const CTag *tag = findTag(doc, columns, row, rowNo, refusals, screen, index);
    if (!tag)
        return;
    if (!seen.insert({screen, index}).second) {
        refusals.push_back(
                rowNotice(util::msg::kCsvTwice, rowNo, kTag, {columns.Field(row, kTag)}));
        return;
    }
    const auto points = devicePoints(*tag);
    std::array<std::vector<std::string>, 3> parts;
    const std::string *names[] = {&kChannel, &kStation, &kAddress};
    for (std::size_t c = 0; c < 3; ++c) {
        parts[c] = splitPoints(columns.Field(row, *names[c]));
        if (parts[c].size() != points.size()) {
            refusals.push_back(rowNotice(util::msg::kCsvBadValue, rowNo, *names[c],
                                         {columns.Field(row, *names[c])}));
            return;
        }
    }
    const auto *digit = dynamic_cast<const CDigitTag *>(tag);
    for (std::size_t p = 0; p < points.size(); ++p) {
        const CPointInfo &point = *points[p];
        xref::AddressUse now;
        now.user.kind = xref::UserKind::Tag;
        now.user.role = points.size() == 2
                ? (p == 0 ? xref::UserRole::XPoint : xref::UserRole::YPoint)
                : xref::UserRole::Point;
        now.user.screen = screen;
        now.user.index = index;
        now.addr = {point.m_channel, point.m_station, point.m_address, point.m_second};
        now.addrKind = devicePointKind(*tag, point);
        now.extra = digit ? digit->Decimals() : 0;
        readPoint(doc.Slots(), now, point, {parts[0][p], parts[1][p], parts[2][p]}, rowNo, changes,
                  refusals);
    }
}

} // namespace

std::vector<Row> exportTagRows(const CDorvaneDoc &doc)
{
    Row header{kScreen, kTag, "kind"};
    for (const Column &c : kTagColumns)
        header.push_back(c.name);
    std::vector<Row> rows{header};
    for (const auto &screen : doc.Screens()) {
        const auto &tags = screen->Tags();
        for (std::size_t i = 0; i < tags.size(); ++i) {
            const TagKindNames *names = tagKindNames(tags[i]->Kind());
            Row row{std::to_string(screen->Number()), std::to_string(i + 1),
                    names ? names->word : std::to_string(tags[i]->Kind())};
            for (const Column &c : kTagColumns)
                row.push_back(tagText(*tags[i], c.field));
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

ImportResult importTagRows(CDorvaneDoc &doc, const std::vector<Row> &rows)
{
    ImportResult result;
    const CColumns columns(rows.front(), {kScreen, kTag, kChannel, kStation, kAddress},
                           result.refusals);
    if (!result.Ok())
        return result;
    std::vector<PointChange> changes;
    std::set<TagKey> seen;
    for (std::size_t r = 1; r < rows.size(); ++r)
        if (!isBlank(rows[r]))
            readRow(doc, columns, rows[r], r + 1, seen, changes, result.refusals);
    if (!result.Ok())
        return result;
    for (const PointChange &change : changes)
        xref::writeAddress(doc, change.use, change.to);
    result.changed = changes.size();
    if (result.changed)
        doc.SetModified();
    return result;
}

} // namespace core::csv
