#include "core/online/link_settings.h"

#include "core/model/dorvane_doc.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace core::online {

namespace {

constexpr std::array<std::uint32_t, 8> kBauds{1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};

std::size_t channelRecord(int channel)
{
    return channel == 2 ? 262 : 210;
}

template<typename T>
std::optional<T> number(std::string_view text)
{
    T value{};
    if (text.empty())
        return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool knownBaud(std::uint32_t baud)
{
    for (const std::uint32_t b : kBauds) {
        if (b == baud)
            return true;
    }
    return false;
}

} // namespace

std::string LinkEndpoint::Describe() const
{
    if (kind == Kind::Tcp)
        return "tcp " + host + ':' + std::to_string(port);
    return path + ' ' + std::to_string(baud) + ' ' + std::to_string(dataBits) + parity
            + std::to_string(stopBits);
}

std::chrono::microseconds LinkOptions::DelayFor(const LinkEndpoint &endpoint) const
{
    if (interRequestDelay)
        return *interRequestDelay;
    if (endpoint.kind == LinkEndpoint::Kind::Tcp)
        return std::chrono::microseconds(0);
    if (endpoint.baud > 19200)
        return std::chrono::microseconds(1750);
    const int bits = 1 + endpoint.dataBits + (endpoint.parity == 'N' ? 0 : 1) + endpoint.stopBits;
    // 3.5 characters of `bits` bits: 3.5e6 * bits / baud microseconds.
    return std::chrono::microseconds(3'500'000LL * bits
                                     / std::max<std::uint32_t>(endpoint.baud, 1));
}

LinkEndpoint channelSerialSettings(const CDorvaneDoc &doc, int channel)
{
    const std::size_t rec = channelRecord(channel);
    LinkEndpoint e;
    const std::uint16_t baud = doc.Param16(rec + 12);
    e.baud = baud < kBauds.size() ? kBauds[baud] : 19200;
    e.dataBits = doc.Param16(rec + 4) == 1 ? 7 : 8;
    const std::uint16_t parity = doc.Param16(rec + 6);
    e.parity = parity == 1 ? 'E' : parity == 2 ? 'O' : 'N';
    e.stopBits = doc.Param16(rec + 8) == 1 ? 2 : 1;
    return e;
}

std::chrono::milliseconds channelTimeout(const CDorvaneDoc &doc, int channel)
{
    const std::uint16_t ms = doc.Param16(channelRecord(channel) + 10);
    return std::chrono::milliseconds(ms == 0 ? 500 : ms);
}

std::optional<LinkEndpoint> parseEndpoint(std::string_view text, const LinkEndpoint &serial,
                                          std::string &error)
{
    if (text.substr(0, 4) == "tcp:") {
        const std::string_view rest = text.substr(4);
        const std::size_t colon = rest.rfind(':');
        const auto port = colon == std::string_view::npos
                ? std::nullopt
                : number<std::uint16_t>(rest.substr(colon + 1));
        if (!port || *port == 0 || colon == 0) {
            error = "expected tcp:HOST:PORT, got \"" + std::string(text) + "\"";
            return std::nullopt;
        }
        LinkEndpoint e;
        e.kind = LinkEndpoint::Kind::Tcp;
        e.host = std::string(rest.substr(0, colon));
        e.port = *port;
        return e;
    }
    LinkEndpoint e = serial;
    e.kind = LinkEndpoint::Kind::Serial;
    const std::size_t colon = text.find(':');
    e.path = std::string(text.substr(0, colon));
    if (e.path.empty()) {
        error = "no serial device given";
        return std::nullopt;
    }
    if (colon == std::string_view::npos)
        return e;
    std::string_view rest = text.substr(colon + 1);
    const std::size_t colon2 = rest.find(':');
    const auto baud = number<std::uint32_t>(rest.substr(0, colon2));
    if (!baud || !knownBaud(*baud)) {
        error = "unknown baud rate \"" + std::string(rest.substr(0, colon2))
                + "\" (1200 to 115200)";
        return std::nullopt;
    }
    e.baud = *baud;
    if (colon2 == std::string_view::npos)
        return e;
    rest = rest.substr(colon2 + 1);
    if (rest.size() != 1 || std::string_view("NEOneo").find(rest[0]) == std::string_view::npos) {
        error = "unknown parity \"" + std::string(rest) + "\" (N, E or O)";
        return std::nullopt;
    }
    e.parity = char(std::toupper(static_cast<unsigned char>(rest[0])));
    return e;
}

std::optional<PlcChoice> parsePlcChoice(std::string_view text, const CDorvaneDoc &doc,
                                        std::string &error)
{
    const std::size_t eq = text.find('=');
    const auto channel
            = eq == std::string_view::npos ? std::nullopt : number<int>(text.substr(0, eq));
    if (!channel) {
        error = "expected CH=SERIAL_PATH[:BAUD[:PARITY]] or CH=tcp:HOST:PORT, got \""
                + std::string(text) + "\"";
        return std::nullopt;
    }
    if (*channel != 1 && *channel != 2) {
        error = "channel " + std::to_string(*channel) + " does not exist (1 or 2)";
        return std::nullopt;
    }
    const auto endpoint
            = parseEndpoint(text.substr(eq + 1), channelSerialSettings(doc, *channel), error);
    if (!endpoint)
        return std::nullopt;
    return PlcChoice{*channel, *endpoint};
}

} // namespace core::online
