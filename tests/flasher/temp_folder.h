#pragma once

// A fresh empty folder under the system's temporary folder, removed with everything in it when
// the object goes.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

class CTempFolder
{
public:
    explicit CTempFolder(const std::string &prefix)
    {
        const char *base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + prefix + "XXXXXX";
        if (::mkdtemp(pattern.data()))
            m_path = pattern;
    }
    ~CTempFolder()
    {
        std::error_code error;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, error);
    }
    CTempFolder(const CTempFolder &) = delete;
    CTempFolder &operator=(const CTempFolder &) = delete;

    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};
