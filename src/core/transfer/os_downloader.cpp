#include "core/transfer/os_downloader.h"

#include "core/comm/panel_ui.h"

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace core {

std::string osDownloaderPath(const std::string &programDir)
{
    return programDir + "/Quillet/quillet";
}

bool StartOsDownloader(const std::string &programDir, comm::IPanelUi &ui)
{
    const std::string path = osDownloaderPath(programDir);
    if (::access(path.c_str(), X_OK) != 0) {
        ui.message({comm::CommTextId::OsDownloaderMissing, {comm::CommText::of(path)}},
                   comm::IPanelUi::Icon::Warning);
        return false;
    }
    // A shell starts it in the background and ends at once, so the downloader belongs to no
    // one here: nobody waits for it and it outlives the editor.
    const char *script = "\"$0\" </dev/null >/dev/null 2>&1 &";
    char *argv[] = {const_cast<char *>("/bin/sh"), const_cast<char *>("-c"),
                    const_cast<char *>(script), const_cast<char *>(path.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv, environ) != 0) {
        ui.message({comm::CommTextId::OsDownloaderMissing, {comm::CommText::of(path)}},
                   comm::IPanelUi::Icon::Warning);
        return false;
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) { }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace core
