#include "core/online/plc_connect_form.h"

#include "core/model/dorvane_doc.h"
#include "core/online/modbus_point.h"
#include "core/online/online_channels.h"

namespace core::online {

const std::vector<std::uint32_t> &channelBauds()
{
    static const std::vector<std::uint32_t> bauds{1200,  2400,  4800,  9600,
                                                  19200, 38400, 57600, 115200};
    return bauds;
}

std::vector<int> PlcConnectForm::OnlineChannels(const CDorvaneDoc &doc)
{
    std::vector<int> channels;
    for (int channel = 1; channel <= 2; ++channel) {
        if (!channelRefusal(doc, channel))
            channels.push_back(channel);
    }
    return channels;
}

std::vector<int> PlcConnectForm::SimulatedChannels(const CDorvaneDoc &doc)
{
    std::vector<int> channels;
    for (int channel = 1; channel <= 2; ++channel) {
        const std::uint16_t type = doc.Slots().slot(channel).Type();
        if (type != 0 && type != kModbusPlcType)
            channels.push_back(channel);
    }
    return channels;
}

PlcConnectForm PlcConnectForm::ForChannel(const CDorvaneDoc &doc, int channel)
{
    PlcConnectForm form;
    form.SelectChannel(doc, channel);
    return form;
}

void PlcConnectForm::SelectChannel(const CDorvaneDoc &doc, int newChannel)
{
    channel = newChannel;
    const LinkEndpoint serial = channelSerialSettings(doc, newChannel);
    baud = serial.baud;
    parity = serial.parity;
    dataBits = serial.dataBits;
    stopBits = serial.stopBits;
    timeoutMs = int(channelTimeout(doc, newChannel).count());
}

bool PlcConnectForm::Ok() const
{
    const bool where = tcp ? !host.empty() && port != 0 : !device.empty();
    return where && timeoutMs >= 1 && timeoutMs <= 65535 && (channel == 1 || channel == 2);
}

LinkEndpoint PlcConnectForm::Endpoint() const
{
    LinkEndpoint e;
    e.kind = tcp ? LinkEndpoint::Kind::Tcp : LinkEndpoint::Kind::Serial;
    e.path = device;
    e.baud = baud;
    e.parity = parity;
    e.dataBits = dataBits;
    e.stopBits = stopBits;
    e.host = host;
    e.port = port;
    return e;
}

LinkOptions PlcConnectForm::Options() const
{
    LinkOptions o;
    o.timeout = std::chrono::milliseconds(timeoutMs);
    o.wordOrder = lowWordFirst ? WordOrder::LowFirst : WordOrder::HighFirst;
    return o;
}

} // namespace core::online
