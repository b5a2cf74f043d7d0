#include "cli/cli_context.h"

#include "core/model/project_file.h"
#include "util/code_page.h"
#include "util/file_io.h"
#include "util/messages.h"

#include <iostream>

namespace cli {

void CliContext::loadConfig()
{
    app.Load(programDir.empty() ? util::executableDir() : programDir, util::systemDefaultLangId());
    util::setMessageLanguage(app.Config().resourceLang());
}

std::unique_ptr<core::CDorvaneDoc> CliContext::openProject(const std::string &path)
{
    auto doc = app.NewDocument();
    const auto result = doc->OpenDocument(path, app.Areas());
    if (result.ok) {
        app.BindProject(*doc);
        return doc;
    }
    std::string why = core::projectCheckMessage(result.check);
    if (!app.Areas().LastError().empty())
        why += (why.empty() ? "" : "\n") + app.Areas().LastError();
    std::cerr << (why.empty() ? "The file is not a project file." : why) << "\n";
    return nullptr;
}

} // namespace cli
