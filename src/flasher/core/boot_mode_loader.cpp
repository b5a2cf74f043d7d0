#include "boot_mode_loader.h"

#include "flash_texts.h"

#include <vector>

namespace quillet {

namespace {
constexpr std::uint8_t ACK = 0x06;
}

CBootModeLoader::CBootModeLoader(CFlashPort &port, IFlashObserver &observer)
    : m_port(port)
    , m_observer(observer)
{ }

std::array<std::uint8_t, 12> CBootModeLoader::speedMessage(SpeedSetting setting)
{
    std::array<std::uint8_t, 12> msg{};
    msg[0] = 'S';
    for (int i = 0; i < 4; ++i) {
        msg[1 + i] = static_cast<std::uint8_t>(setting.speed >> (24 - 8 * i));
        msg[5 + i] = static_cast<std::uint8_t>(setting.clock >> (24 - 8 * i));
    }
    msg[9] = 0x01;
    msg[10] = 0x00;
    msg[11] = 0x01;
    return msg;
}

bool CBootModeLoader::portFailure()
{
    m_observer.message(m_port.failureText());
    return false;
}

bool CBootModeLoader::sync(bool withSpeed)
{
    const std::vector<std::uint8_t> zeros(kSyncBytes, 0x00);
    std::vector<std::uint8_t> answer;
    for (int attempt = 0; attempt < kSyncTries; ++attempt) {
        if (!m_port.send(zeros))
            return portFailure();
        if (m_port.receive(answer, 1))
            return true; // any byte: the target has measured the bit rate
        if (m_port.lastError() != PortError::Receive)
            return portFailure();
    }
    m_observer.message(withSpeed ? text::Timeout : text::TimeoutDot);
    return false;
}

bool CBootModeLoader::expect(std::uint8_t expected)
{
    std::vector<std::uint8_t> answer;
    if (!m_port.receive(answer, 1))
        return portFailure();
    if (answer[0] != expected) {
        m_observer.message(text::ReceiveDataError);
        return false;
    }
    return true;
}

bool CBootModeLoader::exchange(std::uint8_t byte, std::uint8_t expected)
{
    if (!m_port.send({byte}))
        return portFailure();
    return expect(expected);
}

bool CBootModeLoader::run(std::span<const std::uint8_t> image, std::optional<SpeedSetting> setting)
{
    if (!m_port.open()) {
        m_observer.message(text::OpenFailed);
        return false;
    }
    if (!sync(setting.has_value()) || !exchange(0x55, 0xAA))
        return false;
    const auto length = static_cast<std::uint16_t>(image.size());
    const auto high = static_cast<std::uint8_t>(length >> 8);
    const auto low = static_cast<std::uint8_t>(length & 0xFF);
    if (!exchange(high, high) || !exchange(low, low))
        return false;
    const auto total = static_cast<std::uint32_t>(image.size());
    for (std::uint32_t i = 0; i < total; ++i) {
        if (!exchange(image[i], image[i]))
            return false;
        m_observer.progress(total, i + 1);
    }
    if (!expect(0xAA))
        return false;
    if (!setting)
        return true;

    const auto msg = speedMessage(*setting);
    if (!m_port.send(msg))
        return portFailure();
    std::vector<std::uint8_t> answer;
    if (!m_port.receive(answer, 1))
        return portFailure();
    if (answer[0] != ACK) {
        m_observer.message(text::SpeedSetupError);
        return false;
    }
    return true;
}

} // namespace quillet
