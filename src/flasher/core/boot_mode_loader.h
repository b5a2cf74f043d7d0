#pragma once

// Loads the boot program into the target's RAM through the microcontroller's on-chip boot mode
// at 19200 bit/s: bit-rate sync with bursts of 0x00, 0x55/0xAA, the 16-bit length and every
// image byte echoed, a final 0xAA, and optionally the message that sets the speed the loaded
// program continues at.

#include "flash_observer.h"
#include "flash_port.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace quillet {

struct SpeedSetting
{
    std::uint32_t speed = 0; // bit/s
    std::uint32_t clock = 0; // target clock value, sent as given
};

class CBootModeLoader
{
public:
    static constexpr int kSyncTries = 3;
    static constexpr std::size_t kSyncBytes = 10;
    static constexpr std::size_t kMaxImage = 0xFFFF; // the length goes out in 16 bits

    CBootModeLoader(CFlashPort &port, IFlashObserver &observer);

    // Opens the port and runs the boot mode; reports its own failure message.
    bool run(std::span<const std::uint8_t> image, std::optional<SpeedSetting> setting);

    // "S", speed and clock big-endian, then 0x01 0x00 0x01.
    static std::array<std::uint8_t, 12> speedMessage(SpeedSetting setting);

private:
    bool sync(bool withSpeed);
    bool exchange(std::uint8_t byte, std::uint8_t expected);
    bool expect(std::uint8_t expected);
    bool portFailure();

    CFlashPort &m_port;
    IFlashObserver &m_observer;
};

} // namespace quillet
