#include "core/comm/comm_log.h"

#include "util/messages.h"

#include <cstdarg>
#include <cstdio>

namespace comm {

std::tm CCommLog::now() const
{
    if (m_time)
        return m_time();
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&t, &local);
    return local;
}

std::string CCommLog::currentFile() const
{
    const std::tm t = now();
    return util::formatText("%s_%04d-%02d-%02d.txt", m_basePath.c_str(), t.tm_year + 1900,
                            t.tm_mon + 1, t.tm_mday);
}

void CCommLog::append(const std::string &text) const
{
    std::FILE *file = std::fopen(currentFile().c_str(), "a+");
    if (!file)
        return;
    std::fwrite(text.data(), 1, text.size(), file);
    std::fflush(file);
    std::fclose(file);
}

void CCommLog::write(bool stamp, const std::string &text) const
{
    if (!m_enabled)
        return;
    std::string line;
    if (stamp) {
        const std::tm t = now();
        line = util::formatText("[%04d-%02d-%02d %02d:%02d:%02d] ", t.tm_year + 1900, t.tm_mon + 1,
                                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    }
    line += text.substr(0, 1024);
    append(line);
}

void CCommLog::writeF(bool stamp, const char *format, ...) const
{
    if (!m_enabled)
        return;
    std::va_list args;
    va_start(args, format);
    const std::string text = util::vformatText(format, args);
    va_end(args);
    write(stamp, text);
}

std::string CCommLog::dumpText(bool send, util::ConstByteSpan bytes)
{
    std::string text = send ? "\n\n=======================<< Send Data "
                              ">>======================================="
                            : "\n=====================<< Receive Data "
                              ">>=========================================";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 20 == 0)
            text += util::formatText("\nOFFSET %04d: ", static_cast<int>(i));
        text += util::formatText("%02X ", bytes[i]);
    }
    text += "\n\n";
    return text;
}

void CCommLog::dump(bool send, util::ConstByteSpan bytes) const
{
    if (m_enabled)
        append(dumpText(send, bytes));
}

} // namespace comm
