#include "cli/cli_context.h"

#include "core/model/project_file.h"
#include "util/code_page.h"
#include "util/file_io.h"
#include "util/message_ids.h"
#include "util/messages.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace cli {

void CliContext::loadConfig()
{
    app.Load(programDir.empty() ? util::executableDir() : programDir, util::systemDefaultLangId());
    util::setMessageLanguage(app.Config().resourceLang());
    // A damaged program folder is named before anything that fails because of it.
    for (const core::ConfigProblem &problem : app.Config().problems())
        std::cerr << problem.text() << "\n";
}

std::unique_ptr<core::CDorvaneDoc> CliContext::openProject(const std::string &path)
{
    // The check reads at most a project's largest size; a huge file is refused unread.
    if (const auto check = core::checkProjectFile(path); !check.ok) {
        std::cerr << core::projectCheckMessage(check) << "\n";
        return nullptr;
    }
    auto doc = app.NewDocument();
    const auto result = doc->OpenDocument(path, app.Areas());
    if (result.ok)
        return doc;
    std::string why = core::projectCheckMessage(result.check);
    if (!app.Areas().LastError().empty())
        why += (why.empty() ? "" : "\n") + app.Areas().LastError();
    std::cerr << (why.empty() ? std::string(util::messageText(util::msg::kFileNotReadable)) : why)
              << "\n";
    return nullptr;
}

std::string shownText(const comm::CommText &text)
{
    return comm::commTextIn(text, util::messageLanguage());
}

std::optional<std::uint32_t> comPortNumber(const std::string &text)
{
    if (text.size() < 4 || text.size() > 6 || text.compare(0, 3, "COM") != 0)
        return std::nullopt;
    std::uint32_t number = 0;
    for (std::size_t i = 3; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
        number = number * 10 + std::uint32_t(text[i] - '0');
    }
    if (number < 1 || number > 256)
        return std::nullopt;
    return number;
}

CLI::Validator portValidator()
{
    return CLI::Validator(
            [](std::string &text) -> std::string {
                const bool comDigits = text.size() > 3 && text.compare(0, 3, "COM") == 0
                        && std::all_of(text.begin() + 3, text.end(), [](char c) {
                                           return std::isdigit(static_cast<unsigned char>(c)) != 0;
                                       });
                if (text.empty())
                    return "a device path or COMn is needed";
                if (comDigits && !comPortNumber(text))
                    return "COMn takes a port number from 1 to 256";
                return {};
            },
            "PORT");
}

std::optional<std::uint16_t> parseHexWord(const std::string &text)
{
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    std::uint16_t value = 0;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                ? c - '0'
                : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        value = std::uint16_t(value * 16 + digit);
    }
    return value;
}

CLI::Validator hexWordValidator()
{
    return CLI::Validator(
            [](std::string &text) -> std::string {
                return parseHexWord(text)
                        ? std::string()
                        : "expected 1 to 4 hexadecimal digits, not \"" + text + "\"";
            },
            "HEX");
}

} // namespace cli
