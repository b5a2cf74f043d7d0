#pragma once

// The demo project (demo/demo_project.json) imported into a document of a throw-away program
// folder with the real drivers, with the messages in English.

#include "presenters/params_test_support.h"

#include "core/app/app_services.h"
#include "core/model/dorvane_doc.h"

#include "support/demo_project.h"
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
        m_app.Load(m_folder.path(""), 0x409);
        std::string error;
        m_doc = support::importDemoProject(m_app, error);
        ASSERT_TRUE(m_doc) << error;
        // A document fresh from JSON counts as changed; the tests start from a saved one.
        m_doc->SetModified(false);
    }
    void TearDown() override { std::filesystem::remove(Scratch()); }

    // The project file the document saves to now.
    util::Bytes Saved()
    {
        std::string error;
        EXPECT_TRUE(m_doc->SaveDocument(Scratch(), m_app.Areas(), &error)) << error;
        return util::readFile(Scratch()).value_or(util::Bytes{});
    }
    plctest::ProgramFolder m_folder{"xref"};
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
