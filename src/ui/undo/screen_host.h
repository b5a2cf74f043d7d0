#pragma once

// What the screen commands need of the open project: its document (none once it is closed) and a
// word to the windows when a screen goes, comes or changes. The project controller is the host.

#include <cstdint>

namespace core {
class CDorvaneDoc;
} // namespace core

namespace ui {

class IScreenHost
{
public:
    virtual core::CDorvaneDoc *document() const = 0;
    // The screen's windows must go before it leaves the project.
    virtual void notifyScreenRemoving(std::uint16_t number) = 0;
    // Screens were added, removed, renumbered or renamed.
    virtual void notifyScreensChanged() = 0;

protected:
    ~IScreenHost() = default;
};

} // namespace ui
