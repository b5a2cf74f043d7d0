#include "core/presenters/recent_files.h"

#include <algorithm>

namespace core {

CRecentFiles::CRecentFiles(std::vector<std::string> files)
{
    // Stored lists may hold duplicates or empty entries; keep them as Add would have.
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        if (!it->empty())
            Add(*it);
}

void CRecentFiles::Add(const std::string &path)
{
    if (path.empty())
        return;
    Remove(path);
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kMaxFiles)
        m_files.resize(kMaxFiles);
}

void CRecentFiles::Remove(const std::string &path)
{
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
}

} // namespace core
