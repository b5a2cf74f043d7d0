#include "core/csv/csv_tables.h"

#include "core/csv/csv_columns.h"
#include "core/csv/csv_tags.h"
#include "core/functions/function_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/screen_data.h"
#include "core/model/str_res_mgr.h"

#include "util/code_page.h"
#include "util/message_ids.h"

#include <map>
#include <set>

namespace core::csv {

namespace {

const std::string kNumber = "number";
const std::string kScreen = "screen";
const std::string kText = "text";
const std::string kDevice = "device";
const std::string kMessage = "message";

std::string shown(const std::string &bytes, std::uint16_t langId)
{
    return util::toUtf8Lossy(bytes, langId);
}

std::vector<Row> exportMessages(const CDorvaneDoc &doc)
{
    std::vector<Row> rows{{kNumber, kText}};
    for (const auto &s : doc.Strings().Strings())
        rows.push_back({std::to_string(s->Key()), shown(s->m_text, doc.PanelLangId())});
    return rows;
}

std::vector<Row> exportAlarms(const CDorvaneDoc &doc)
{
    std::vector<Row> rows{{kNumber, kDevice, kMessage}};
    for (std::size_t i = 0; i < doc.Alarms().size(); ++i) {
        const CAlarmRecord alarm(doc.Alarms()[i]);
        rows.push_back(
                {std::to_string(i + 1),
                 AlarmText::Cell(doc.Slots(), doc.PanelLangId(), alarm, AlarmText::kColAddress),
                 shown(alarm.Message(), doc.PanelLangId())});
    }
    return rows;
}

// Texts by key read from the rows: each number once, each naming an existing entry.
template<typename Exists>
std::map<std::uint32_t, std::string>
readTexts(const std::vector<Row> &rows, const std::string &textColumn, std::size_t maxBytes,
          std::uint16_t langId, Exists exists, std::vector<Notice> &refusals)
{
    std::map<std::uint32_t, std::string> texts;
    const CColumns columns(rows.front(), {kNumber, textColumn}, refusals);
    if (!refusals.empty())
        return texts;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (isBlank(rows[r]))
            continue;
        const std::size_t rowNo = r + 1;
        const std::string &numberText = columns.Field(rows[r], kNumber);
        const auto number = numberField(numberText, 0xFFFF, rowNo, kNumber, refusals);
        auto text = panelText(columns.Field(rows[r], textColumn), langId, maxBytes, rowNo,
                              textColumn, refusals);
        if (!number)
            continue;
        if (!exists(*number))
            refusals.push_back(rowNotice(util::msg::kCsvNoEntry, rowNo, kNumber, {numberText}));
        else if (texts.count(*number))
            refusals.push_back(rowNotice(util::msg::kCsvTwice, rowNo, kNumber, {numberText}));
        else if (text)
            texts.emplace(*number, std::move(*text));
    }
    return texts;
}

// Refills the table in its own order with the new texts; false when it would overflow.
bool replaceMessages(CDorvaneDoc &doc, const std::map<std::uint32_t, std::string> &texts,
                     ImportResult &result)
{
    std::vector<std::pair<std::uint32_t, std::string>> all;
    std::uint64_t used = CStrResMgr::kEmptyBytes;
    for (const auto &s : doc.Strings().Strings()) {
        const auto it = texts.find(s->Key());
        const bool change = it != texts.end() && it->second != s->m_text;
        result.changed += change ? 1 : 0;
        all.emplace_back(s->m_id, change ? it->second : s->m_text);
        used += all.back().second.size() + 8;
    }
    if (used > CStrResMgr::kAreaSize) {
        result.refusals.push_back({util::msg::kCsvAreaFull,
                                   {std::to_string(used), std::to_string(CStrResMgr::kAreaSize)}});
        result.changed = 0;
        return false;
    }
    if (result.changed == 0)
        return true;
    doc.Strings().Clear();
    for (const auto &[id, text] : all)
        doc.Strings().Add(id, text);
    for (const auto &screen : doc.Screens())
        screen->RefreshMessageTags(doc.Strings());
    doc.SetModified();
    return true;
}

ImportResult importMessages(CDorvaneDoc &doc, const std::vector<Row> &rows)
{
    ImportResult result;
    const auto texts = readTexts(
            rows, kText, CStrResMgr::kAreaSize, doc.PanelLangId(),
            [&](std::uint32_t key) { return doc.Strings().Exists(key); }, result.refusals);
    if (result.Ok())
        replaceMessages(doc, texts, result);
    return result;
}

ImportResult importAlarms(CDorvaneDoc &doc, const std::vector<Row> &rows)
{
    ImportResult result;
    const std::size_t count = doc.Alarms().size();
    const auto texts = readTexts(
            rows, kMessage, CAlarmRecord::kMaxMessage, doc.PanelLangId(),
            [count](std::uint32_t n) { return n >= 1 && n <= count; }, result.refusals);
    if (!result.Ok())
        return result;
    for (const auto &[number, text] : texts) {
        CAlarmRecord alarm(doc.Alarms()[number - 1]);
        if (alarm.Message() == text)
            continue;
        alarm.SetMessage(text);
        doc.Alarms()[number - 1] = alarm.Bytes();
        ++result.changed;
    }
    if (result.changed)
        doc.SetModified();
    return result;
}

} // namespace

std::optional<Table> tableFromWord(std::string_view word)
{
    for (const Table t : {Table::Tags, Table::Alarms, Table::Messages})
        if (tableWord(t) == word)
            return t;
    return std::nullopt;
}

std::string_view tableWord(Table table)
{
    switch (table) {
    case Table::Tags:
        return "tags";
    case Table::Alarms:
        return "alarms";
    default:
        return "messages";
    }
}

std::vector<Row> exportRows(const CDorvaneDoc &doc, Table table)
{
    switch (table) {
    case Table::Tags:
        return exportTagRows(doc);
    case Table::Alarms:
        return exportAlarms(doc);
    default:
        return exportMessages(doc);
    }
}

std::string exportTable(const CDorvaneDoc &doc, Table table)
{
    return write(exportRows(doc, table));
}

ImportResult importTable(CDorvaneDoc &doc, Table table, std::string_view text)
{
    const ReadResult csv = read(text);
    if (!csv.Ok())
        return {{{util::msg::kCsvUnclosedQuote, {std::to_string(*csv.unclosedRow)}}}};
    if (csv.rows.empty())
        return {{{util::msg::kCsvMissingColumn, {table == Table::Tags ? kScreen : kNumber}}}};
    switch (table) {
    case Table::Tags:
        return importTagRows(doc, csv.rows);
    case Table::Alarms:
        return importAlarms(doc, csv.rows);
    default:
        return importMessages(doc, csv.rows);
    }
}

} // namespace core::csv
