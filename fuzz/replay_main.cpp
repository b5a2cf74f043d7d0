// Runs every file of the given folders (or the given files) through the fuzz entry point.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

int runFile(const std::string &path)
{
    FILE *f = std::fopen(path.c_str(), "rb");
    if (!f) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return 1;
    }
    std::vector<std::uint8_t> data;
    std::uint8_t buf[65536];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        data.insert(data.end(), buf, buf + n);
    std::fclose(f);
    LLVMFuzzerTestOneInput(data.data(), data.size());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    int files = 0, failures = 0;
    for (int i = 1; i < argc; ++i) {
        struct stat st {};
        if (::stat(argv[i], &st) != 0) {
            std::fprintf(stderr, "no such corpus: %s\n", argv[i]);
            return 1;
        }
        if (!S_ISDIR(st.st_mode)) {
            failures += runFile(argv[i]);
            ++files;
            continue;
        }
        DIR *dir = ::opendir(argv[i]);
        while (dirent *e = dir ? ::readdir(dir) : nullptr) {
            if (e->d_name[0] == '.')
                continue;
            failures += runFile(std::string(argv[i]) + "/" + e->d_name);
            ++files;
        }
        if (dir)
            ::closedir(dir);
    }
    std::printf("%d passed, %d failed\n", files - failures, failures);
    return failures ? 1 : 0;
}
