#include "core/report/project_report.h"

#include "core/app/app_config.h"
#include "core/functions/function_text.h"
#include "core/functions/record_text.h"
#include "core/functions/user_text.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/memory_monitor.h"
#include "core/model/str_res_mgr.h"
#include "core/plc/channel_params.h"
#include "core/presenters/used_sys_mem_dlg.h"
#include "core/xref/cross_reference.h"
#include "core/xref/xref_text.h"

#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>
#include <charconv>

namespace core {

namespace {

using L = ReportLabel;

// The PLC type a channel record holds while the channel is unused.
constexpr std::uint16_t kPlcUnused = 0;

ReportText label(L l)
{
    return ReportText::of(l);
}

ReportTable makeTable(ReportText title, std::vector<ReportText> header = {},
                      std::vector<int> weights = {})
{
    ReportTable t;
    t.title = std::move(title);
    t.header = std::move(header);
    t.weights = std::move(weights);
    return t;
}

std::string number(long long n)
{
    return std::to_string(n);
}

// The texts of the communication window's choices, indexed as the channel record stores them.
std::string choice(std::initializer_list<const char *> texts, std::uint16_t index)
{
    return index < texts.size() ? std::string(*(texts.begin() + index)) : number(index);
}

// The screen's tag table after its first column, the kind (a row label the interface names):
// the label, the field and the relative width of each column.
struct TagColumn
{
    L label;
    TagField field;
    int weight;
};
constexpr int kKindColumnWeight = 3;
constexpr TagColumn kTagColumns[]
        = {{L::Position, TagField::Position, 2},  {L::Size, TagField::Size, 2},
           {L::Channel, TagField::Channel, 1},    {L::Station, TagField::Station, 1},
           {L::Address, TagField::Address, 3},    {L::DataSize, TagField::DataSize, 2},
           {L::Base, TagField::Base, 1},          {L::Limits, TagField::Limits, 3},
           {L::Resources, TagField::Resources, 2}};

std::vector<std::string> tagRow(const CTag &tag)
{
    std::vector<std::string> row{std::string()};
    for (const TagColumn &column : kTagColumns)
        row.push_back(tagText(tag, column.field));
    return row;
}

// A common function's list as its dialog shows it; `cell` gives the text of one column.
template<typename Record, typename Raw, typename Cell>
ReportTable listTable(L title, const std::vector<ListColumn> &columns,
                      const std::vector<Raw> &records, Cell cell)
{
    ReportTable table = makeTable(label(title));
    for (const ListColumn &c : columns) {
        table.header.push_back(ReportText::of(c.title));
        table.weights.push_back(std::max(c.width, 1));
    }
    for (const Raw &raw : records) {
        const Record record(raw);
        std::vector<std::string> row;
        for (int col = 0; col < int(table.header.size()); ++col)
            row.push_back(cell(record, col));
        table.rows.push_back(std::move(row));
    }
    return table;
}

} // namespace

CProjectReport::CProjectReport(const CDorvaneDoc &doc, const FunctionEnv &env,
                               ReportOptions options)
    : m_doc(doc)
    , m_env(env)
    , m_options(std::move(options))
{
    const auto &chosen = m_options.screens;
    for (const auto &screen : doc.Screens())
        if (chosen.empty()
            || std::find(chosen.begin(), chosen.end(), screen->Number()) != chosen.end())
            m_screens.push_back(screen->Number());
    m_order.push_back(ReportSection::Kind::Cover);
    m_order.insert(m_order.end(), m_screens.size(), ReportSection::Kind::Screen);
    for (auto kind : {ReportSection::Kind::Functions, ReportSection::Kind::Messages,
                      ReportSection::Kind::Images, ReportSection::Kind::SystemMemory})
        m_order.push_back(kind);
    if (m_options.crossReference)
        m_order.push_back(ReportSection::Kind::CrossReference);
}

std::vector<ReportText> CProjectReport::TagColumns()
{
    std::vector<ReportText> header{label(L::Kind)};
    for (const TagColumn &column : kTagColumns)
        header.push_back(label(column.label));
    return header;
}

ReportSection CProjectReport::Section(std::size_t index) const
{
    switch (m_order.at(index)) {
    case ReportSection::Kind::Cover:
        return Cover();
    case ReportSection::Kind::Screen:
        return ScreenSection(m_screens.at(index - 1));
    case ReportSection::Kind::Functions:
        return Functions();
    case ReportSection::Kind::Messages:
        return Messages();
    case ReportSection::Kind::Images:
        return Images();
    case ReportSection::Kind::SystemMemory:
        return SystemMemory();
    case ReportSection::Kind::CrossReference:
        return CrossReference();
    }
    return {};
}

ReportSection CProjectReport::Cover() const
{
    ReportSection s;
    s.kind = ReportSection::Kind::Cover;
    s.title = label(L::Cover);
    const std::uint16_t lang = m_doc.Param16(kParamLanguage);
    s.fields = {{label(L::ProjectFile), m_doc.Path()},
                {label(L::Date), m_options.date},
                {label(L::PanelLanguage),
                 m_options.languageName ? m_options.languageName(lang) : number(lang)}};
    for (int ch = 1; ch <= 2; ++ch)
        s.tables.push_back(ChannelTable(ch));
    const CMemoryMonitor &m = m_doc.Monitor();
    const std::pair<L, MemoryGauge> areas[] = {{L::ScreenArea, MemoryGauge::Screen},
                                               {L::StringArea, MemoryGauge::String},
                                               {L::ImageArea, MemoryGauge::Image}};
    const std::uint32_t caps[] = {kScreenAreaSize, kStringAreaSize, kImageAreaSize};
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t used = m.Total(areas[i].second);
        s.gauges.emplace_back(used, caps[i]);
        s.fields.push_back({label(areas[i].first),
                            number(used) + " / " + number(caps[i]) + " bytes ("
                                    + number(CMemoryMonitor::Percent(areas[i].second, used))
                                    + "%)"});
    }
    return s;
}

// An unused channel shows only that: the serial settings its record still holds mean nothing.
ReportTable CProjectReport::ChannelTable(int channel) const
{
    const CChannelParams p(m_doc.Channel(channel));
    ReportTable t = makeTable(label(channel == 1 ? L::Channel1 : L::Channel2));
    const std::uint16_t type = p.PlcType();
    if (type == kPlcUnused) {
        t.header = {label(L::PlcType)};
        t.weights = {1};
        t.rows.push_back({std::string()});
        t.rowLabels.push_back(L::ChannelUnused);
        return t;
    }
    t.header = {label(L::PlcType),  label(L::OwnStation),    label(L::Baud),
                label(L::DataBits), label(L::Parity),        label(L::StopBits),
                label(L::Timeout),  label(L::Configuration), label(L::SlaveStation)};
    t.weights = {4, 2, 2, 2, 2, 2, 2, 3, 2}; // room for "Configuration" in one line
    // The slave station counts only where the channel window offers it.
    const bool slave = !p.FixedLink() && CChannelParams::UsesRemoteStation(p.Configuration());
    t.rows.push_back({m_options.plcName ? m_options.plcName(channel, type) : number(type),
                      number(p.OwnStation()),
                      choice({"1200", "2400", "4800", "9600", "19200", "38400", "57600", "115200"},
                             p.Baud()),
                      choice({"8", "7"}, p.DataBits()), choice({"None", "Even", "Odd"}, p.Parity()),
                      choice({"1", "2"}, p.StopBits()),
                      p.FixedLink() ? std::string() : number(p.Timeout()) + " ms",
                      choice({"1:1", "1:N", "N:1", "N:M"}, p.Configuration()),
                      slave ? number(p.RemoteStation()) : std::string()});
    return t;
}

ReportSection CProjectReport::ScreenSection(std::uint16_t screenNumber) const
{
    ReportSection s;
    s.kind = ReportSection::Kind::Screen;
    const CScreenData *screen = m_doc.FindScreen(screenNumber);
    if (!screen)
        return s;
    s.screenNumber = screenNumber;
    const std::string name = usertext::ToUser(screen->Name(), m_env.panelLang);
    s.title = ReportText::of(number(screenNumber) + "  " + name);
    const auto onOff = [](bool on) {
        return std::string(util::messageText(on ? util::msg::kOn : util::msg::kOff));
    };
    s.fields = {{label(L::Number), number(screenNumber)},
                {label(L::Name), name},
                {label(L::Previous), number(screen->PrevScreen())},
                {label(L::Next), number(screen->NextScreen())},
                {label(L::Background),
                 screen->IsBackgroundOn() ? "I" + number(screen->BackgroundImage()) : onOff(false)},
                {label(L::Password), onOff(screen->IsPasswordOn())}};

    ReportTable keys
            = makeTable(label(L::FunctionKeys), {label(L::FunctionKeys), label(L::Text)}, {2, 5});
    FuncKeyText::Keys raw{};
    for (std::size_t k = 0; k < raw.size(); ++k)
        raw[k] = screen->FunctionKey(k);
    for (const FuncKeyText::Row &row : FuncKeyText::Rows(m_env.plcSlots, raw))
        keys.rows.push_back({row.title ? row.label : "    " + row.label, row.value});
    s.tables.push_back(std::move(keys));

    std::vector<int> weights{kKindColumnWeight};
    for (const TagColumn &column : kTagColumns)
        weights.push_back(column.weight);
    ReportTable tags = makeTable(label(L::Tags), TagColumns(), std::move(weights));
    for (const auto &tag : screen->Tags()) {
        tags.rows.push_back(tagRow(*tag));
        tags.rowLabels.push_back(ReportLabel(int(L::kKindFirst) + tag->Kind()));
    }
    s.tables.push_back(std::move(tags));
    return s;
}

ReportSection CProjectReport::Functions() const
{
    ReportSection s;
    s.kind = ReportSection::Kind::Functions;
    s.title = label(L::Functions);
    const CPlcSlots &slots = m_env.plcSlots;
    const std::uint16_t panelLang = m_env.panelLang;
    s.tables.push_back(listTable<CAlarmRecord>(
            L::Alarms, AlarmText::Columns(), m_doc.Alarms(),
            [&](const auto &r, int c) { return AlarmText::Cell(slots, panelLang, r, c); }));
    s.tables.push_back(listTable<CCalcRecord>(
            L::Calculations, CalcText::Columns(), m_doc.Calculations(),
            [&](const auto &r, int c) { return CalcText::Cell(slots, r, c); }));
    s.tables.push_back(listTable<CTransRecord>(
            L::Transfers, TransText::Columns(), m_doc.Transfers(),
            [&](const auto &r, int c) { return TransText::Cell(slots, r, c); }));
    s.tables.push_back(listTable<CReserveRecord>(
            L::Reservations, ReserveText::Columns(), m_doc.Reservations(),
            [&](const auto &r, int c) { return ReserveText::Cell(slots, r, c); }));
    return s;
}

ReportSection CProjectReport::Messages() const
{
    ReportSection s;
    s.kind = ReportSection::Kind::Messages;
    s.title = label(L::Messages);
    ReportTable t = makeTable(label(L::Messages), {label(L::Id), label(L::Text)}, {1, 8});
    for (const auto &str : m_doc.Strings().Strings())
        t.rows.push_back({number(str->Key()), usertext::ToUser(str->m_text, m_env.panelLang)});
    s.tables.push_back(std::move(t));
    return s;
}

ReportSection CProjectReport::Images() const
{
    ReportSection s;
    s.kind = ReportSection::Kind::Images;
    s.title = label(L::Images);
    ReportTable t = makeTable(
            label(L::Images),
            {label(L::Picture), label(L::Id), label(L::Size), label(L::References)}, {3, 1, 2, 2});
    for (const auto &image : m_doc.Images().Images()) {
        const std::uint16_t id = image->Key();
        int refs = 0;
        for (const auto &screen : m_doc.Screens())
            refs += screen->ImageReferenceCount(id);
        t.rows.push_back(
                {number(id), number(id),
                 number(image->m_bitmap.width()) + " x " + number(image->m_bitmap.height()),
                 number(refs)});
    }
    s.tables.push_back(std::move(t));
    return s;
}

ReportSection CProjectReport::SystemMemory() const
{
    ReportSection s;
    s.kind = ReportSection::Kind::SystemMemory;
    s.title = label(L::SystemMemory);
    const CUsedSysMemDlg map(m_doc);
    ReportTable t = makeTable(label(L::SystemMemory), {ReportText::of("")}, {3});
    for (int c = 0; c < CUsedSysMemDlg::kColumns; ++c) {
        t.header.push_back(ReportText::of(CUsedSysMemDlg::ColumnHeader(c)));
        t.weights.push_back(2);
    }
    for (int r = 0; r < CUsedSysMemDlg::kRows; ++r) {
        std::vector<std::string> row{CUsedSysMemDlg::RowHeader(r)};
        for (int c = 0; c < CUsedSysMemDlg::kColumns; ++c)
            row.push_back(map.CellText(r, c));
        t.rows.push_back(std::move(row));
    }
    s.tables.push_back(std::move(t));
    return s;
}

// One row per user; the point and its access only on its first row, so the table reads as a
// list of points with their users under each.
ReportSection CProjectReport::CrossReference() const
{
    ReportSection s;
    s.kind = ReportSection::Kind::CrossReference;
    s.title = label(L::CrossReference);
    ReportTable t = makeTable(label(L::CrossReference),
                              {label(L::Point), label(L::Access), label(L::Users)}, {3, 1, 6});
    const auto addUsers
            = [&t](std::string first, std::string access, const std::vector<xref::User> &users) {
                  for (const xref::User &user : users) {
                      t.rows.push_back({std::move(first), std::move(access), xref::userText(user)});
                      first.clear();
                      access.clear();
                  }
              };
    const auto x = xref::CCrossReference::Build(m_doc);
    for (const xref::PointEntry &point : x.Points()) {
        std::string name = point.text;
        if (!point.systemName.empty())
            name += " (" + point.systemName + ")";
        addUsers(std::move(name), std::string(xref::accessText(point.access)), point.users);
    }
    for (const xref::ResourceEntry &m : x.Messages())
        addUsers("M" + number(m.id), {}, m.users);
    for (const xref::ResourceEntry &i : x.Images())
        addUsers("I" + number(i.id), {}, i.users);
    s.tables.push_back(std::move(t));
    return s;
}

ReportOptions reportOptionsFor(const CAppConfig &config)
{
    ReportOptions options;
    options.plcName = [&config](int channel, std::uint16_t type) {
        const CPlcInfo *plc = config.findPlc(channel, type);
        return plc ? plc->name : number(type);
    };
    options.languageName = [&config](std::uint16_t language) {
        const std::string name = config.languages().nameOf(language);
        return name.empty() ? number(language) : name;
    };
    return options;
}

bool parseScreenList(std::string_view text, std::vector<std::uint16_t> &out)
{
    std::vector<std::uint16_t> result;
    const auto readNumber = [&](std::size_t &pos, int &value) {
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        const char *begin = text.data() + pos;
        const auto [end, ec] = std::from_chars(begin, text.data() + text.size(), value);
        if (ec != std::errc() || value < 0 || value > 999)
            return false;
        pos += std::size_t(end - begin);
        while (pos < text.size() && text[pos] == ' ')
            ++pos;
        return true;
    };
    std::size_t pos = 0;
    while (true) {
        int first = 0, last = 0;
        if (!readNumber(pos, first))
            return false;
        last = first;
        if (pos < text.size() && text[pos] == '-') {
            ++pos;
            if (!readNumber(pos, last) || last < first)
                return false;
        }
        for (int n = first; n <= last; ++n)
            result.push_back(std::uint16_t(n));
        if (pos == text.size())
            break;
        if (text[pos] != ',')
            return false;
        ++pos;
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    out = std::move(result);
    return true;
}

} // namespace core
