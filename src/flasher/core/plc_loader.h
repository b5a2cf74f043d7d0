#pragma once

// The PLC family's loader (device 1): the enter-loader frame, image writes in ASCII or binary
// frames with each piece answered before the next, the command that switches to binary frames,
// and the erase frames. Each operation opens the port itself; frames without an answer are only
// sent.

#include "flash_observer.h"
#include "flash_port.h"

#include <cstdint>
#include <span>

namespace quillet {

class CPlcLoader
{
public:
    CPlcLoader(CFlashPort &port, IFlashObserver &observer);

    bool enterLoader();
    bool writeAscii(std::span<const std::uint8_t> image, std::uint32_t address);
    bool eraseAscii(std::uint32_t address);
    bool binaryCommand();
    // Reports "Complete!!" after the last piece.
    bool writeBinary(std::span<const std::uint8_t> image, std::uint32_t address);
    bool eraseBinary(std::uint32_t address);

private:
    bool sendOnly(std::span<const std::uint8_t> frame);
    bool request(std::span<const std::uint8_t> frame, std::uint8_t letter, bool ascii);
    bool writeImage(std::span<const std::uint8_t> image, std::uint32_t address, bool ascii);
    bool openPort();

    CFlashPort &m_port;
    IFlashObserver &m_observer;
};

} // namespace quillet
