#pragma once

// The texts of the serial link, the panel commands and the alarm history leave the core as a code
// with its values, never as a finished sentence: whoever shows one picks the language once (the
// editor through its translations, the command line through commTextIn()). Values may be texts
// of their own (the area of a failed transfer, the panel's NAK reason) or plain values (file and
// device names, numbers, texts that are already in the user's language).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace comm {

enum class CommTextId : std::uint8_t {
    Plain, // the value itself, shown as it is
    // Area names.
    AreaPassword,
    AreaScreen,
    AreaFont,
    AreaGlobal,
    AreaConstant,
    AreaImage,
    AreaString,
    AreaClock,
    AreaDrivers, // channel 1's and channel 2's driver file
    // Link error classes 1-7; the panel's NAK codes 0 and 1 are ErrBcc and ErrFrame.
    ErrPortOpen,
    ErrTimeout,
    ErrNak, // the NAK code's text
    ErrFrame,
    ErrBcc,
    ErrPortWrite,
    ErrErased,
    NakCommand,
    NakSubCommand,
    NakAddress,
    NakRtcRead,
    NakRtcWrite,
    NakNoClock,
    // Progress.
    TitleDownloading,
    TitleUploading,
    CommFailed, // area
    // A block that failed, said as a sentence with the link's error text under it.
    SendFailed, // area, error
    ReceiveFailed, // area, error
    SendTimedOut, // area, error
    ReceiveTimedOut, // area, error
    PanelErased, // error
    CommStopped,
    TransferDone,
    // Passwords.
    PwdCaption,
    PwdEmpty,
    PwdChars,
    PwdTooLong,
    PwdMismatch,
    PwdChanged,
    PwdChangeFailed,
    PwdRemoved,
    PwdRemoveFailed,
    // Download and upload of a project.
    NoGroup,
    AskParameters,
    MissingDriver, // the MissingDriverLine
    MissingDriverLine, // channel, file name
    DriverTooLarge, // file, channel, bytes the channel holds
    AskDrivers,
    AskReplace,
    OsDownloaderMissing, // program path
    // The other panel commands.
    AskDeleteHistory,
    HistoryDeleted,
    HistoryDeleteFailed,
    AskErase,
    EraseDone,
    EraseFailed,
    AskFontDownload,
    CannotOpenFile, // what could not be opened
    FontFile, // path
    FileTooLarge,
    SysInfoFailed,
    DriverUnused,
    NothingLoaded, // an erased field where the panel keeps a name
    ClockReading, // date, weekday, time of day
    // Alarm history.
    HistOldVersion,
    HistReadFailed,
    SearchEndBeforeStart,
    NoLineSelected,
    AskDeleteRows,
    // The command line's side of a panel command.
    AnsweredYes, // after a question --yes answered
    AnsweredNo,
    PasswordOption, // the panel asked for a password the command line was not given
    ClockInvalid,
    // Days of the week, Sunday first.
    Sunday,
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
    Count
};

inline constexpr std::size_t kCommTextCount = static_cast<std::size_t>(CommTextId::Count);

struct CommText
{
    CommTextId id = CommTextId::Plain;
    std::string plain; // the value of a Plain text
    std::vector<CommText> args; // the values of the text's %s / %d markers, in order

    CommText() = default;
    // A text without values converts from its code.
    CommText(CommTextId textId)
        : id(textId)
    { }
    CommText(CommTextId textId, std::vector<CommText> values)
        : id(textId)
        , args(std::move(values))
    { }
    static CommText of(std::string value)
    {
        CommText t;
        t.plain = std::move(value);
        return t;
    }
    bool empty() const { return id == CommTextId::Plain && plain.empty(); }
    bool operator==(const CommText &) const = default;
};

enum class CommLanguage { Korean, English };

// English for the resource language 1033, Korean otherwise (as the numbered messages choose).
CommLanguage commLanguageOf(std::uint16_t resourceLangId);

// The text of `id` in `language`, with its printf-style markers (%s, %d) still in it. Plain and
// the compositions that read alike in every language have the same text in both.
std::string_view commFormat(CommTextId id, CommLanguage language);
// Whether the text reads the same in every language (nothing to translate).
bool isLanguageNeutral(CommTextId id);

// The finished text: the format of `text.id` with each marker replaced by the next value, values
// finished the same way. A marker without a value stays empty.
std::string commTextIn(const CommText &text, CommLanguage language);
std::string commTextIn(const CommText &text, std::uint16_t resourceLangId);

// The day 0 (Sunday) to 6 (Saturday); another number gives an empty text.
CommText weekdayText(unsigned dayOfWeek);

} // namespace comm
