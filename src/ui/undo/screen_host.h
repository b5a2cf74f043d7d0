#pragma once

// What the screen commands need from the window that shows the project: the document, and the
// notices that keep the project tree and the editor views in step with it.

#include <cstdint>

namespace core {
class CDorvaneDoc;
class CScreenData;
} // namespace core

namespace ui {

class CScreenHost
{
public:
    virtual ~CScreenHost() = default;
    virtual core::CDorvaneDoc *document() const = 0;
    // A screen is about to leave the project: close its view.
    virtual void screenRemoving(std::uint16_t number) = 0;
    // The screen list changed (added, removed, renumbered, renamed).
    virtual void screensChanged() = 0;
};

} // namespace ui
