#pragma once

// The content of the printed project document, independent of how it is drawn: a cover, one
// section per chosen screen, the four common-function lists with the same cell texts as their
// list windows, the messages, the registered images, the map of used panel memory and, when
// asked for, the cross-reference (every point, message and image with its users). Sections
// are built one at a time on request, so a renderer holds only the one it is drawing.

#include "core/presenters/function_env.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class CAppConfig;
class CDorvaneDoc;

// Fixed texts of the report; the interface translates them. Tag kinds follow kKindFirst.
enum class ReportLabel : int {
    None = 0,
    Cover,
    ProjectFile,
    Date,
    PanelLanguage,
    Channel1,
    Channel2,
    PlcType,
    OwnStation,
    Baud,
    DataBits,
    Parity,
    StopBits,
    Timeout,
    Configuration,
    SlaveStation,
    ChannelUnused,
    Memory,
    ScreenArea,
    StringArea,
    ImageArea,
    Screen,
    Number,
    Name,
    Previous,
    Next,
    Background,
    Password,
    FunctionKeys,
    Tags,
    Kind,
    Position,
    Size,
    Channel,
    Station,
    Address,
    DataSize,
    Base,
    Limits,
    Resources,
    Alarms,
    Calculations,
    Transfers,
    Reservations,
    Messages,
    Images,
    SystemMemory,
    Id,
    Text,
    References,
    Picture,
    Used,
    Unused,
    Functions,
    CrossReference,
    Point,
    Access,
    Users,
    kKindFirst = 100,
};

// A text of the report: a fixed label, or a text taken from the project as it is.
struct ReportText
{
    ReportLabel label = ReportLabel::None;
    std::string text;

    static ReportText of(ReportLabel l) { return {l, {}}; }
    static ReportText of(std::string t) { return {ReportLabel::None, std::move(t)}; }
    bool operator==(const ReportText &) const = default;
};

struct ReportField
{
    ReportText name;
    std::string value;
};

struct ReportTable
{
    ReportText title;
    std::vector<ReportText> header;
    std::vector<int> weights; // relative column widths
    std::vector<std::vector<std::string>> rows;
    // When set, the first column of row i shows the fixed text rowLabels[i] instead.
    std::vector<ReportLabel> rowLabels;
};

struct ReportSection
{
    enum class Kind { Cover, Screen, Functions, Messages, Images, SystemMemory, CrossReference };
    Kind kind = Kind::Cover;
    ReportText title;
    std::vector<ReportField> fields;
    std::vector<ReportTable> tables;
    int screenNumber = -1; // the screen whose picture the section shows
    // Memory gauges of the cover: used bytes and capacity of the screen, string and image areas.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> gauges;
};

struct ReportOptions
{
    std::vector<std::uint16_t> screens; // empty: every screen
    bool crossReference = false; // the cross-reference closes the report
    std::string date; // as the cover shows it
    // Name of a channel's PLC type (channel 1 or 2) and of the panel language; numbers otherwise.
    std::function<std::string(int channel, std::uint16_t type)> plcName;
    std::function<std::string(std::uint16_t language)> languageName;
};

// Options naming the PLC types and the panel language from the program folder's catalogues.
ReportOptions reportOptionsFor(const CAppConfig &config);

class CProjectReport
{
public:
    CProjectReport(const CDorvaneDoc &doc, const FunctionEnv &env, ReportOptions options);

    std::size_t SectionCount() const { return m_order.size(); }
    ReportSection Section(std::size_t index) const;
    // The screens the report shows, in project order (chosen numbers that exist).
    const std::vector<std::uint16_t> &Screens() const { return m_screens; }
    const CDorvaneDoc &Document() const { return m_doc; }

    // The texts the screen's tag table shows for one tag (see TagColumns()).
    static std::vector<ReportText> TagColumns();

private:
    ReportSection Cover() const;
    ReportTable ChannelTable(int channel) const;
    ReportSection ScreenSection(std::uint16_t number) const;
    ReportSection Functions() const;
    ReportSection Messages() const;
    ReportSection Images() const;
    ReportSection SystemMemory() const;
    ReportSection CrossReference() const;

    const CDorvaneDoc &m_doc;
    FunctionEnv m_env;
    ReportOptions m_options;
    std::vector<std::uint16_t> m_screens;
    // Section kinds in order; screen sections take the screen at the same position of m_screens.
    std::vector<ReportSection::Kind> m_order;
};

// Reads a screen list such as "0,2-5,9" (blanks allowed). False on anything else, on a number
// beyond 999 and on a range that runs backwards. The result is ascending without repeats.
bool parseScreenList(std::string_view text, std::vector<std::uint16_t> &out);

} // namespace core
