#include "core/comm/panel_commands.h"

#include "core/comm/comm_text.h"
#include "core/comm/comm_thread.h"
#include "core/comm/panel_ui.h"
#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>
#include <cctype>

namespace comm {

namespace {

using Icon = IPanelUi::Icon;

void warnPassword(IPanelUi &ui, CommTextId text)
{
    ui.message(text, Icon::Warning, CommTextId::PwdCaption);
}

std::uint16_t sum16(util::ConstByteSpan bytes)
{
    std::uint16_t sum = 0;
    for (const std::uint8_t b : bytes)
        sum = static_cast<std::uint16_t>(sum + b);
    return sum;
}

bool writeBlock(CCommThread &link, std::uint8_t sub, util::Bytes &data, std::uint32_t address)
{
    COMM_CMD c{'w', sub, data, static_cast<std::uint32_t>(data.size()), address, address};
    return link.Run(c);
}

} // namespace

util::Bytes passwordField(std::string_view password)
{
    util::Bytes field(10, 0);
    std::copy_n(password.begin(), std::min<std::size_t>(password.size(), 10), field.begin());
    return field;
}

util::Bytes passwordBlock(std::string_view password)
{
    util::Bytes block(18, 0);
    util::setBe32(block, 0, 18);
    if (!password.empty()) {
        block[6] = 0xF5;
        block[7] = 0xFA;
        const util::Bytes field = passwordField(password);
        std::copy(field.begin(), field.end(), block.begin() + 8);
    }
    util::setBe16(block, 4, sum16(util::ConstByteSpan(block).subspan(6)));
    return block;
}

std::optional<bool> SendPanelPassword(CCommThread &link, std::string_view password)
{
    util::Bytes field = passwordField(password);
    COMM_CMD c{'y', 'A', field, 10, 0, 0};
    if (!link.Run(c))
        return std::nullopt;
    return field[0] == 1;
}

void showLinkError(const CCommThread &link, IPanelUi &ui)
{
    if (link.GetLastError() != 0)
        link.ShowError(ui);
}

PasswordCheck VerifyPanelPassword(CCommThread &link, IPanelUi &ui, std::uint8_t status)
{
    if (status != 1)
        return PasswordCheck::GoOn;
    const std::optional<std::string> entry = ui.askPanelPassword();
    if (!entry)
        return PasswordCheck::Cancelled;
    if (const auto error = passwordEntryError(*entry)) {
        warnPassword(ui, *error);
        return PasswordCheck::Cancelled;
    }
    const std::optional<bool> accepted = SendPanelPassword(link, *entry);
    if (!accepted)
        return PasswordCheck::Failed;
    if (!*accepted) {
        warnPassword(ui, CommTextId::PwdMismatch);
        return PasswordCheck::Rejected;
    }
    return PasswordCheck::GoOn;
}

bool SetPanelPassword(CCommThread &link, IPanelUi &ui, const PasswordChange &e)
{
    if (e.newPassword.empty() || e.confirmation.empty()) {
        warnPassword(ui, CommTextId::PwdEmpty);
        return false;
    }
    if (const auto error = passwordEntryError(e.newPassword)) {
        warnPassword(ui, *error);
        return false;
    }
    if (e.newPassword != e.confirmation) {
        warnPassword(ui, CommTextId::PwdMismatch);
        return false;
    }
    bool checked = false;
    bool connected = false;
    {
        CBusyScope busy(ui);
        std::uint8_t status = 0;
        connected = link.Connect(status);
        if (connected && status == 1) {
            if (const auto error = passwordEntryError(e.oldPassword)) {
                warnPassword(ui, *error);
            } else if (const auto accepted = SendPanelPassword(link, e.oldPassword)) {
                checked = *accepted;
                if (!checked)
                    warnPassword(ui, CommTextId::PwdMismatch);
            }
        } else {
            checked = connected;
        }
        if (checked && link.GetLastError() == 0) {
            util::Bytes block = passwordBlock(e.newPassword);
            if (writeBlock(link, 'A', block, 0))
                ui.message(CommTextId::PwdChanged, Icon::Information, CommTextId::PwdCaption);
            else
                ui.message(CommTextId::PwdChangeFailed, Icon::Warning, CommTextId::PwdCaption);
        }
    }
    // The end request must not hide an error of the exchange before it.
    const std::uint32_t error = link.GetLastError();
    if (connected)
        link.Disconnect();
    if (error != 0)
        ui.message(link.DescribeError(error), Icon::None);
    return checked;
}

bool RemovePanelPassword(CCommThread &link, IPanelUi &ui)
{
    bool removed = false;
    {
        CBusyScope busy(ui);
        std::uint8_t status = 0;
        if (!link.Connect(status)) {
            showLinkError(link, ui);
            return false;
        }
        if (status != 1) {
            ui.message(CommTextId::PwdRemoved, Icon::Information);
            removed = true;
        } else if (VerifyPanelPassword(link, ui, status) == PasswordCheck::GoOn) {
            util::Bytes block = passwordBlock({});
            removed = writeBlock(link, 'A', block, 0);
            if (removed)
                ui.message(CommTextId::PwdRemoved, Icon::Information);
            else
                ui.message(CommTextId::PwdRemoveFailed, Icon::Warning);
        }
    }
    if (link.GetLastError() != 0) {
        showLinkError(link, ui); // the connection is left open
        return false;
    }
    link.Disconnect();
    return removed;
}

bool DeletePanelAlarmHistory(CCommThread &link, IPanelUi &ui)
{
    if (!ui.ask(CommTextId::AskDeleteHistory))
        return false;
    bool deleted = false;
    {
        CBusyScope busy(ui);
        std::uint8_t status = 0;
        if (link.Connect(status) && VerifyPanelPassword(link, ui, status) == PasswordCheck::GoOn) {
            util::Bytes data{static_cast<std::uint8_t>(status == 1 ? 1 : 0), 0};
            deleted = writeBlock(link, 'W', data, 0);
            if (deleted)
                ui.message(CommTextId::HistoryDeleted, Icon::Information);
            else
                ui.message(CommTextId::HistoryDeleteFailed, Icon::Warning);
        }
    }
    const std::uint32_t error = link.GetLastError();
    if (error != 0)
        ui.message(link.DescribeError(error), Icon::None);
    link.Disconnect();
    return deleted && error == 0;
}

bool ErasePanelMemory(CCommThread &link, IPanelUi &ui)
{
    if (!ui.ask(CommTextId::AskErase))
        return false;
    bool erased = false;
    {
        CBusyScope busy(ui);
        std::uint8_t status = 0;
        if (!link.Connect(status)) {
            showLinkError(link, ui);
            return false;
        }
        COMM_CMD erase{'y', 'Z', {}, 0, 0, 0};
        erased = link.Run(erase);
        if (erased)
            ui.message(CommTextId::EraseDone, Icon::Information);
        else
            ui.message(CommTextId::EraseFailed, Icon::Warning);
    }
    const bool linkError = link.GetLastError() != 0;
    showLinkError(link, ui);
    return erased && !linkError;
}

std::size_t buildFontArea(util::ConstByteSpan file, util::ByteSpan area)
{
    const std::size_t length = file.size() + 6;
    if (file.size() > kMaxFontFile || area.size() < length)
        return 0;
    std::fill(area.begin(), area.end(), std::uint8_t{0});
    std::copy(file.begin(), file.end(), area.begin() + 6);
    util::setBe32(area, 0, static_cast<std::uint32_t>(length));
    util::setBe16(area, 4, sum16(area.subspan(6, file.size())));
    return length;
}

bool isFontFile(std::string_view path, util::ConstByteSpan bytes)
{
    constexpr std::string_view kExtension = ".bma";
    if (path.size() < kExtension.size())
        return false;
    const std::string_view extension = path.substr(path.size() - kExtension.size());
    const bool named = std::equal(
            extension.begin(), extension.end(), kExtension.begin(),
            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    // Text holds printable characters, tabs and line ends; glyph rows hold zero bytes.
    const bool bitmap = std::any_of(bytes.begin(), bytes.end(), [](std::uint8_t b) {
        return b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1B;
    });
    return named && bitmap;
}

std::optional<util::Bytes> ReadFontFile(IPanelUi &ui, const std::string &path)
{
    bool tooLarge = false;
    std::optional<util::Bytes> file = util::readFileCapped(path, kMaxFontFile, &tooLarge);
    if (tooLarge) {
        ui.message(CommTextId::FileTooLarge, Icon::Warning);
        return std::nullopt;
    }
    if (!file) {
        ui.message({CommTextId::CannotOpenFile, {{CommTextId::FontFile, {CommText::of(path)}}}},
                   Icon::Warning);
        return std::nullopt;
    }
    if (!isFontFile(path, *file)) {
        ui.message(CommText::of(util::formatMessage(util::msg::kNotFontFile, path.c_str())),
                   Icon::Warning);
        return std::nullopt;
    }
    return file;
}

bool DownloadFont(CCommThread &link, IPanelUi &ui, const std::string &path, util::ByteSpan area)
{
    // Refused files are named before the question, and nothing reaches the panel.
    const std::optional<util::Bytes> file = ReadFontFile(ui, path);
    if (!file || !ui.ask(CommTextId::AskFontDownload))
        return false;
    const std::size_t length = buildFontArea(*file, area);
    if (length == 0)
        return false;
    std::uint8_t status = 0;
    bool connected = false;
    PasswordCheck check = PasswordCheck::Failed;
    {
        CBusyScope busy(ui);
        connected = link.Connect(status);
        if (connected)
            check = VerifyPanelPassword(link, ui, status);
    }
    if (!connected || check != PasswordCheck::GoOn) {
        showLinkError(link, ui);
        return false;
    }
    CProgressModel progress;
    progress.setDownload(true);
    progress.setCommands(
            {COMM_CMD{'w', 'F', area.first(length), static_cast<std::uint32_t>(length), 0, 0}});
    if (ui.runProgress(link, progress) != ProgressResult::Succeeded)
        return false;
    ui.message(CommText::of(util::formatMessage(util::msg::kFontDownloaded, path.c_str())),
               Icon::Information);
    return true;
}

} // namespace comm
