#pragma once

// The one place where the three memory totals (screen area, string area, image area) are
// published. The document, the screens and the two resource managers report every change here;
// the status-bar gauges, the command-line tool and the tests subscribe and all see the same
// numbers.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace core {

enum class MemoryGauge : int { Screen = 0, String = 1, Image = 2 };

// Capacities of the three areas the gauges follow.
inline constexpr std::uint32_t kScreenAreaSize = 65536;
inline constexpr std::uint32_t kStringAreaSize = 32768;
inline constexpr std::uint32_t kImageAreaSize = 65536;

class CMemoryMonitor
{
public:
    using Listener = std::function<void(MemoryGauge gauge, std::uint32_t bytes)>;

    // Returns an id for Unsubscribe.
    int Subscribe(Listener listener);
    void Unsubscribe(int id);

    // Stores the total and tells every subscriber, in subscription order.
    void Publish(MemoryGauge gauge, std::uint32_t bytes);
    // The last published total (0 before the first).
    std::uint32_t Total(MemoryGauge gauge) const { return m_totals[std::size_t(gauge)]; }

    // Whole percent of the gauge's capacity, clamped to 0..100.
    static int Percent(MemoryGauge gauge, std::uint32_t bytes);
    static std::uint32_t Capacity(MemoryGauge gauge);
    // Expires with the monitor: a subscriber that may outlive its project checks it before it
    // unsubscribes.
    std::weak_ptr<const void> Lifetime() const { return m_lifetime; }

private:
    std::array<std::uint32_t, 3> m_totals{};
    std::vector<std::pair<int, Listener>> m_listeners;
    int m_nextId = 1;
    std::shared_ptr<const void> m_lifetime = std::make_shared<int>(0);
};

} // namespace core
