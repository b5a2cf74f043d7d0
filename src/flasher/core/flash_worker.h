#pragma once

// The download worker: runs the flow of one device type (boot program, then operating system)
// over a CFlashPort and reports through an IFlashObserver. run() blocks; a window runs it on a
// thread of its own and stops it with requestStop() from its own thread.

#include "flash_observer.h"
#include "flash_port.h"
#include "flash_segment_table.h"
#include "srecord_file.h"

#include <atomic>
#include <cstdint>
#include <optional>
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

    // The whole flow; true when it ended with its success message. A flow that fails always
    // reports a message saying why. The port is closed after.
    bool run();
    void requestStop() { m_stop.store(true); }
    bool finished() const { return m_finished.load(); }
    bool portOpen() const { return m_port.isOpen(); }

private:
    // Passes every report on and counts the messages.
    class CountingObserver : public IFlashObserver
    {
    public:
        explicit CountingObserver(IFlashObserver &target)
            : m_target(target)
        { }
        void phase(std::string_view text) override { m_target.phase(text); }
        void speed(std::string_view text) override { m_target.speed(text); }
        void progress(std::uint32_t total, std::uint32_t done) override
        {
            m_target.progress(total, done);
        }
        void message(std::string_view text) override
        {
            ++messages;
            m_target.message(text);
        }
        std::size_t messages = 0;

    private:
        IFlashObserver &m_target;
    };

    bool runFlow();
    bool flowBootMode(bool withSpeed);
    bool flowPlc();
    std::optional<std::vector<SRecord>> readSRecords(const std::string &path);
    bool readBootSRecords(std::vector<std::uint8_t> &image);
    bool readOsSRecords(CFlashSegmentTable &table);

    FlashRequest m_request;
    CountingObserver m_observer;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    CFlashPort m_port;
};

} // namespace quillet
