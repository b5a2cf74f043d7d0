#pragma once

// What a download reports while it runs: phase and speed texts, progress and the messages the
// user must see. The worker calls it from its own thread; a window forwards the calls to its
// own thread, a console program prints them.

#include <cstdint>
#include <optional>
#include <string_view>

namespace quillet {

class IFlashObserver
{
public:
    virtual ~IFlashObserver() = default;
    virtual void phase(std::string_view text) = 0;
    virtual void speed(std::string_view text) = 0;
    virtual void progress(std::uint32_t total, std::uint32_t done) = 0;
    virtual void message(std::string_view text) = 0;
};

// The bar position 0..100 for a progress report, or nothing when the report is out of range.
inline std::optional<int> progressPercent(std::uint32_t total, std::uint32_t done)
{
    if (total == 0 || done > total)
        return std::nullopt;
    return static_cast<int>(static_cast<std::uint64_t>(done) * 100 / total);
}

} // namespace quillet
