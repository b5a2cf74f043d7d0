// "OS 다운로드": the downloader is started from the program folder without waiting for it, and a
// missing one is named in the message.

#include "core/comm/panel_ui.h"
#include "core/transfer/os_downloader.h"
#include "util/file_io.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

class RecordingUi : public comm::IPanelUi
{
public:
    bool ask(const comm::CommText &) override { return true; }
    void message(const comm::CommText &text, Icon, const comm::CommText &) override
    {
        messages.push_back(comm::commTextIn(text, comm::CommLanguage::Korean));
    }
    std::optional<std::string> askPanelPassword() override { return std::nullopt; }
    std::vector<std::string> messages;
};

} // namespace

TEST(OsDownloader, MissingProgramIsNamed)
{
    RecordingUi ui;
    EXPECT_FALSE(core::StartOsDownloader("/nonexistent/folder", ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0],
              "실행파일이 존재하지 않습니다.\n[/nonexistent/folder/Quillet/quillet]가 "
              "존재하는지 확인하십시오.");
}

TEST(OsDownloader, StartsWithoutWaiting)
{
    char tmpl[] = "/tmp/dorvane-os-XXXXXX";
    const std::string dir = ::mkdtemp(tmpl);
    std::filesystem::create_directories(dir + "/Quillet");
    const std::string program = core::osDownloaderPath(dir);
    // A stand-in that records its arguments and stays a while, longer than the call may take.
    std::ofstream(program)
            << "#!/bin/sh\necho \"args:$#\" > \"$(dirname \"$0\")/started\"\nsleep 3\n";
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    RecordingUi ui;
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(core::StartOsDownloader(dir, ui));
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2)) << "it must not wait";
    EXPECT_TRUE(ui.messages.empty());
    const std::string marker = dir + "/Quillet/started";
    for (int i = 0; i < 100 && !util::fileExists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::ifstream in(marker);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "args:0"); // an empty command line
    std::filesystem::remove_all(dir);
}
