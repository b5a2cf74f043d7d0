#pragma once

// "OS 다운로드": starts the flash downloader from the program folder as a process of its own,
// with an empty command line and without waiting for it.

#include <string>

namespace comm {
class IPanelUi;
}

namespace core {

// The downloader's path in a program folder.
std::string osDownloaderPath(const std::string &programDir);
// Starts it detached; when it cannot be started shows the message naming the path and returns
// false.
bool StartOsDownloader(const std::string &programDir, comm::IPanelUi &ui);

} // namespace core
