// Reading files with a size bound, and the atomic write: links, read-only files, temporaries
// of killed writes and a file-size limit. Large files are sparse: they cost no disk and, when
// refused unread, no memory.

#include "util/bmp_file.h"
#include "util/file_io.h"
#include "util/ini_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace util;
namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char tmpl[] = "/tmp/dorvane-fileio-XXXXXX";
        m_dir = ::mkdtemp(tmpl);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string path(const std::string &name) const { return m_dir + "/" + name; }
    static void writeText(const std::string &file, const std::string &text)
    {
        std::ofstream(file, std::ios::binary) << text;
    }
    static std::string readText(const std::string &file)
    {
        const auto data = readFile(file);
        return data ? std::string(data->begin(), data->end()) : std::string("<unreadable>");
    }
    static void setAgeSeconds(const std::string &file, int seconds)
    {
        const timeval when[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
        ASSERT_EQ(::utimes(file.c_str(), when), 0);
    }

    std::string m_dir;
};

Bytes bytesOf(const std::string &text)
{
    return Bytes(text.begin(), text.end());
}

} // namespace

TEST_F(FileIoTest, CappedReadRefusesLargerFilesUnread)
{
    const std::string file = path("data.bin");
    writeText(file, "0123456789");
    bool tooLarge = true;
    EXPECT_EQ(readFileCapped(file, 10, &tooLarge), bytesOf("0123456789"));
    EXPECT_FALSE(tooLarge);
    EXPECT_FALSE(readFileCapped(file, 9, &tooLarge));
    EXPECT_TRUE(tooLarge);

    EXPECT_FALSE(readFileCapped(path("missing.bin"), 100, &tooLarge));
    EXPECT_FALSE(tooLarge) << "a missing file is not a large one";
    EXPECT_FALSE(readFileCapped(m_dir, 100, &tooLarge));
    EXPECT_FALSE(tooLarge);

    // 4 GiB, sparse: refused from its size at once.
    fs::resize_file(file, 4ull << 30);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(readFileCapped(file, 1 << 20, &tooLarge));
    EXPECT_TRUE(tooLarge);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(FileIoTest, OversizedIniAndBmpFilesAreNotRead)
{
    // Valid beginnings followed by sparse zeros: the whole would be read and accepted unbounded.
    const std::string ini = path("APP.INI");
    writeText(ini, "[Sec]\r\nKey=7\r\n");
    fs::resize_file(ini, CIniFile::kMaxIniFile + 1);
    CIniFile large(ini);
    EXPECT_TRUE(large.exists());
    EXPECT_EQ(large.getInt("Sec", "Key", -1), -1);
    EXPECT_FALSE(large.writeInt("Sec", "Key", 8)) << "never written over";
    EXPECT_EQ(fs::file_size(ini), CIniFile::kMaxIniFile + 1);

    const std::string bmp = path("pic.bmp");
    CMonoBitmap bitmap(8, 8, true);
    ASSERT_TRUE(writeBmpFile(bmp, bitmap));
    ASSERT_TRUE(readBmpFile(bmp).ok);
    fs::resize_file(bmp, 128ull << 20);
    const BmpReadResult result = readBmpFile(bmp);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "BMP is too large");
}

TEST_F(FileIoTest, WritingThroughALinkUpdatesTheLinkedFile)
{
    fs::create_directory(path("real"));
    const std::string target = path("real/project.kvr");
    writeText(target, "old");
    fs::create_symlink("real/project.kvr", path("link.kvr")); // relative to the link's folder
    fs::create_symlink(path("link.kvr"), path("chain.kvr"));

    std::string error;
    ASSERT_TRUE(writeFileAtomic(path("chain.kvr"), bytesOf("new"), &error)) << error;
    EXPECT_TRUE(fs::is_symlink(path("chain.kvr")));
    EXPECT_TRUE(fs::is_symlink(path("link.kvr")));
    EXPECT_EQ(readText(target), "new");

    // A dangling link gets its file created.
    fs::create_symlink("real/fresh.kvr", path("dangling.kvr"));
    ASSERT_TRUE(writeFileAtomic(path("dangling.kvr"), bytesOf("made"), &error)) << error;
    EXPECT_TRUE(fs::is_symlink(path("dangling.kvr")));
    EXPECT_EQ(readText(path("real/fresh.kvr")), "made");
}

TEST_F(FileIoTest, ReadOnlyFileIsRefusedNotReplaced)
{
    const std::string file = path("locked.kvr");
    writeText(file, "keep");
    ::chmod(file.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(writeFileAtomic(file, bytesOf("lost"), &error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(readText(file), "keep");
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Nothing left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, StaleTemporariesOfTheSameFileAreRemoved)
{
    const std::string file = path("plant.kvr");
    writeText(file, "v1");
    // Left by a killed save an hour ago: removed. Others stay: a write that may be running now,
    // names that only look alike, another project's temporary, a folder.
    for (const char *name : {"plant.kvr.aB3xY9", "plant.kvr.000000", "plant.kvr.fresh1",
                             "plant.kvr.bak", "plant.kvr.aB3xY9z", "other.kvr.aB3xY9"})
        writeText(path(name), "x");
    fs::create_directory(path("plant.kvr.dir999"));
    for (const char *name : {"plant.kvr.aB3xY9", "plant.kvr.000000", "plant.kvr.bak",
                             "plant.kvr.aB3xY9z", "other.kvr.aB3xY9", "plant.kvr.dir999"})
        setAgeSeconds(path(name), 3600);

    std::string error;
    ASSERT_TRUE(writeFileAtomic(file, bytesOf("v2"), &error)) << error;
    EXPECT_EQ(readText(file), "v2");
    EXPECT_FALSE(fs::exists(path("plant.kvr.aB3xY9")));
    EXPECT_FALSE(fs::exists(path("plant.kvr.000000")));
    for (const char *name : {"plant.kvr.fresh1", "plant.kvr.bak", "plant.kvr.aB3xY9z",
                             "other.kvr.aB3xY9", "plant.kvr.dir999"})
        EXPECT_TRUE(fs::exists(path(name))) << name;
}

TEST_F(FileIoTest, FileSizeLimitFailsTheWriteWithAReason)
{
    const std::string file = path("big.kvr");
    writeText(file, "old");
    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(pipeFds[0]);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool ok = writeFileAtomic(file, Bytes(64 * 1024, 0x5A), &error);
        (void)!::write(pipeFds[1], error.data(), error.size());
        ::_exit(ok ? 0 : 3);
    }
    ::close(pipeFds[1]);
    std::string error;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        error.append(buffer, std::size_t(n));
    ::close(pipeFds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_FALSE(WIFSIGNALED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_NE(error.find(std::strerror(EFBIG)), std::string::npos) << error;
    EXPECT_EQ(readText(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1)
            << "the temporary is removed";
}

namespace {

// Runs `write` in a child limited to 4 KiB per file, as on a full disk. Gives the child's
// exit status (3: the write failed) and its error text.
std::pair<int, std::string> writeUnderSizeLimit(const std::function<bool(std::string &)> &write)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return {-1, "no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool ok = write(error);
        (void)!::write(pipeFds[1], error.data(), error.size());
        ::_exit(ok ? 0 : 3);
    }
    ::close(pipeFds[1]);
    std::string error;
    char buffer[256];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        error.append(buffer, std::size_t(n));
    ::close(pipeFds[0]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return {-1, "the child did not exit"};
    return {WEXITSTATUS(status), error};
}

} // namespace

TEST_F(FileIoTest, PipesAreWrittenInPlaceAndFoldersRefused)
{
    // A reader is already there, so the write neither blocks nor loses anything.
    const std::string fifo = path("out.fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    std::string error;
    EXPECT_TRUE(writeFileAtomic(fifo, bytesOf("picture"), &error)) << error;
    char buffer[16] = {};
    const ssize_t n = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    EXPECT_EQ(std::string(buffer, std::size_t(std::max<ssize_t>(n, 0))), "picture");
    EXPECT_TRUE(fs::is_fifo(fifo)) << "the pipe was replaced";

    // Through a link too: the link and the pipe stay.
    const std::string link = path("out.link");
    fs::create_symlink(fifo, link);
    const int linkReader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(linkReader, 0);
    EXPECT_TRUE(writeFileAtomic(link, bytesOf("again"), &error)) << error;
    ::close(linkReader);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_fifo(fifo));

    const std::string folder = path("shots");
    fs::create_directory(folder);
    error.clear();
    EXPECT_FALSE(writeFileAtomic(folder, bytesOf("picture"), &error));
    EXPECT_NE(error.find(std::strerror(EISDIR)), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 3)
            << "no temporary is left";
}

TEST_F(FileIoTest, FullCharacterDeviceFailsAndStaysADevice)
{
    // A node of our own with the numbers of /dev/full, so a faulty write can only replace the
    // copy. Without the right to make one, /dev/full itself is safe to try only for a user who
    // cannot create files in /dev.
    std::string device = path("full");
    if (::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 7)) != 0) {
        struct stat st
        { };
        if (::geteuid() == 0 || ::stat("/dev/full", &st) != 0 || !S_ISCHR(st.st_mode)
            || ::access("/dev", W_OK) == 0)
            GTEST_SKIP() << "no character device that is safe to write";
        device = "/dev/full";
    }
    std::string error;
    EXPECT_FALSE(writeFileAtomic(device, bytesOf("picture"), &error));
    EXPECT_FALSE(error.empty());
    struct stat st
    { };
    ASSERT_EQ(::lstat(device.c_str(), &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode)) << "the device was replaced";
}

TEST_F(FileIoTest, NameOfTheLongestLengthCanBeSavedAgain)
{
    const std::string name = std::string(NAME_MAX - 4, 'p') + ".kvr";
    const std::string file = path(name);
    std::string error;
    ASSERT_TRUE(writeFileAtomic(file, bytesOf("v1"), &error)) << error;
    ASSERT_TRUE(writeFileAtomic(file, bytesOf("v2"), &error)) << error;
    EXPECT_EQ(readText(file), "v2");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, SetOfFilesIsReplacedWholeOrNotAtAll)
{
    const std::string small = path("G.bin"), large = path("C.bin");
    writeText(small, "old G");
    writeText(large, "old C");
    const Bytes newSmall = bytesOf("new G"), newLarge(64 * 1024, 0x5A);
    const auto [status, error] = writeUnderSizeLimit([&](std::string &why) {
        return writeFilesAtomic({{small, newSmall}, {large, newLarge}}, &why);
    });
    EXPECT_EQ(status, 3);
    EXPECT_NE(error.find(std::strerror(EFBIG)), std::string::npos) << error;
    EXPECT_EQ(readText(small), "old G") << "a set must not be left mixed";
    EXPECT_EQ(readText(large), "old C");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);

    std::string why;
    ASSERT_TRUE(writeFilesAtomic({{small, newSmall}, {large, newLarge}}, &why)) << why;
    EXPECT_EQ(readText(small), "new G");
    EXPECT_EQ(readFile(large), newLarge);
}
