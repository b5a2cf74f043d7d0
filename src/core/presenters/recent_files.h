#pragma once

// The recent-file list of the File menu: at most four paths, the latest first, each once.

#include <string>
#include <vector>

namespace core {

class CRecentFiles
{
public:
    static constexpr std::size_t kMaxFiles = 4;

    explicit CRecentFiles(std::vector<std::string> files = {});

    // Puts the path at the top, dropping an older entry of it and the oldest beyond four.
    void Add(const std::string &path);
    // A file that can no longer be opened leaves the list.
    void Remove(const std::string &path);
    const std::vector<std::string> &Files() const { return m_files; }

private:
    std::vector<std::string> m_files;
};

} // namespace core
