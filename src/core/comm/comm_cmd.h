#pragma once

// The unit of work of the panel link: one read, write or connection-control request, moved in
// blocks of at most 1024 bytes.

#include <cstdint>
#include <span>

namespace comm {

struct COMM_CMD
{
    std::uint8_t main = 0; // 'r' read, 'w' write, 'y' connection control
    std::uint8_t sub = 0; // area letter or function
    // Host buffer: source of a write, destination of a read, parameter block of a 'y' command.
    // Its size is the most a read may fill.
    std::span<std::uint8_t> buffer;
    std::uint32_t size = 0; // total bytes; 0 for an area read until the panel reports the length
    std::uint32_t current = 0;
    std::uint32_t start = 0;
};

// Messages the link sends to its notify target.
inline constexpr std::uint32_t WM_COMM_STATUS = 1027;
inline constexpr std::uint32_t WM_COMM_SENDFAIL = 1028;

enum CommStatus : std::uint32_t {
    StatusBlockDone = 1,
    StatusCommandStart = 2,
    StatusCommandDone = 3,
    StatusAllDone = 4,
    StatusFailed = 5,
};

struct CommMessage
{
    std::uint32_t message = WM_COMM_STATUS;
    std::uint32_t status = 0;
    // The record concerned (the first of the list for status 4); it lives in the link.
    const COMM_CMD *command = nullptr;
    // The link's error code when the message was posted (the worker goes on and may clear it).
    std::uint32_t error = 0;
    // The record's size, current and start when the message was posted: the worker goes on
    // moving the record while the owner reads the message.
    std::uint32_t size = 0;
    std::uint32_t current = 0;
    std::uint32_t start = 0;
};

// Receiver of the worker's progress. post() is called on the worker thread and must only hand
// the message over to the owner's thread (queue it); the owner acts on it there.
class ICommNotify
{
public:
    virtual ~ICommNotify() = default;
    virtual void post(const CommMessage &message) = 0;
};

} // namespace comm
