#pragma once

// The download worker: runs the flow of one device type (boot program, then operating system)
// over a CFlashPort and reports through an IFlashObserver. run() blocks; a window runs it on a
// thread of its own and stops it with requestStop() from its own thread.

#include "flash_observer.h"
#include "flash_port.h"

#include <atomic>
#include <cstdint>
#include <string>

namespace quillet {

struct FlashRequest
{
    int deviceIndex = 0;
    std::string portDevice; // device file of the serial port
    std::string bootPath;
    std::string osPath;
    std::uint32_t timeoutMs = 0; // receive time-out; 0: 3000 ms, 5000 ms for device 1
};

class CFlashWorker
{
public:
    // Device 1's fixed transfer: boot program and OS image lengths and addresses.
    static constexpr std::uint32_t kPlcBootLength = 0x50C;
    static constexpr std::uint32_t kPlcBootAddress = 0x1F0200;
    static constexpr std::uint32_t kPlcOsLength = 0x1F800;
    static constexpr std::uint32_t kPlcOsAddress = 0x800;
    static constexpr std::uint32_t kPlcOsEraseAddress = 0x820;

    CFlashWorker(FlashRequest request, IFlashObserver &observer);

    // The whole flow; true when it ended with its success message. The port is closed after.
    bool run();
    void requestStop() { m_stop.store(true); }
    bool finished() const { return m_finished.load(); }
    bool portOpen() const { return m_port.isOpen(); }

private:
    bool runFlow();
    bool flowBootMode(bool withSpeed);
    bool flowPlc();
    bool readBootSRecords(std::vector<std::uint8_t> &image);

    FlashRequest m_request;
    IFlashObserver &m_observer;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    CFlashPort m_port;
};

} // namespace quillet
