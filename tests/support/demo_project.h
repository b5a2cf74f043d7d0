#pragma once

// The demo project (demo/demo_project.json) imported into a new document made with a services
// object's configuration: a realistic project for the suites of every module. The including target
// defines DORVANE_SOURCE_DIR.

#include "core/app/app_services.h"
#include "core/project_json/project_json.h"

#include "util/file_io.h"

#include <memory>
#include <string>

namespace support {

// Null, with `error` saying why, when the file cannot be read or imported.
inline std::unique_ptr<core::CDorvaneDoc> importDemoProject(const core::CAppServices &app,
                                                            std::string &error)
{
    auto doc = app.NewDocument();
    const auto json = util::readFile(std::string(DORVANE_SOURCE_DIR) + "/demo/demo_project.json");
    if (!json) {
        error = "demo/demo_project.json cannot be read";
        return nullptr;
    }
    const auto result = core::importProjectJson(std::string(json->begin(), json->end()), *doc);
    if (!result.ok) {
        error = result.error;
        return nullptr;
    }
    return doc;
}

} // namespace support
