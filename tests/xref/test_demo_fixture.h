#pragma once

// The demo project as the build writes it (Project/Demo.kvr of the program folder), opened with
// the program folder's configuration and drivers, with the messages in English.

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"

#include "util/file_io.h"
#include "util/messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace xreftest {

class DemoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        util::setMessageLanguage(util::kResEnglish);
        m_app.Load(DORVANE_RUNTIME_DIR, 0x409);
        m_doc = m_app.NewDocument();
        ASSERT_TRUE(m_doc->OpenDocument(kDemo, m_app.Areas()).ok);
    }
    void TearDown() override { std::filesystem::remove(Scratch()); }

    // The project file the document saves to now.
    util::Bytes Saved()
    {
        std::string error;
        EXPECT_TRUE(m_doc->SaveDocument(Scratch(), m_app.Areas(), &error)) << error;
        return util::readFile(Scratch()).value_or(util::Bytes{});
    }
    static util::Bytes DemoBytes() { return util::readFile(kDemo).value_or(util::Bytes{}); }

    static inline const std::string kDemo = std::string(DORVANE_RUNTIME_DIR) + "/Project/Demo.kvr";

    core::CAppServices m_app;
    std::unique_ptr<core::CDorvaneDoc> m_doc;

private:
    static std::string Scratch()
    {
        return (std::filesystem::temp_directory_path()
                / ("dorvane_xref_" + std::to_string(::getpid()) + ".kvr"))
                .string();
    }
};

} // namespace xreftest
