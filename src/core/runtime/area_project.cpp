#include "core/runtime/area_project.h"

#include "core/app/app_services.h"
#include "core/editor/screen_rules.h"
#include "core/model/screen_data.h"

#include "util/code_page.h"

#include "util/file_io.h"

namespace core {

namespace {

constexpr char kLetters[] = {'G', 'S', 'R', 'C'};

} // namespace

bool trimAreaImage(ProjectArea area, util::Bytes &buffer)
{
    if (buffer.size() < 4)
        return false;
    const std::uint32_t length = util::be32(buffer, 0);
    if (length < 4 || length > buffer.size() || length > kProjectAreaCapacity[std::size_t(area)])
        return false;
    buffer.resize(length);
    return true;
}

bool readAreaFiles(const std::string &dir, AreaImages &out, std::string &error)
{
    AreaImages areas;
    for (int i = kAreaGlobal; i <= kAreaScreen; ++i) {
        const std::string path = dir + "/" + kLetters[i] + ".bin";
        auto bytes = util::readFileCapped(path, kProjectAreaCapacity[std::size_t(i)]);
        if (!bytes) {
            error = "Cannot read " + path;
            return false;
        }
        if (!trimAreaImage(ProjectArea(i), *bytes)) {
            error = path + " holds no area image";
            return false;
        }
        areas[std::size_t(i)] = std::move(*bytes);
    }
    out = std::move(areas);
    return true;
}

std::unique_ptr<CDorvaneDoc> projectFromAreas(CAppServices &app, const AreaImages &areas,
                                              std::string &error)
{
    auto doc = app.NewDocument();
    if (!doc->ParseAreas(areas, app.Areas())) {
        error = app.Areas().LastError().empty() ? std::string("The areas do not parse")
                                                : app.Areas().LastError();
        return nullptr;
    }
    return doc;
}

std::string projectNameFromScreens(const CDorvaneDoc &doc, std::uint16_t panelLangId)
{
    const CScreenData *screen = doc.FindScreen(doc.Param16(kParamInitialScreen));
    if (!screen && !doc.Screens().empty())
        screen = doc.Screens().front().get();
    if (!screen)
        return {};
    const std::string name = util::toUtf8Lossy(screen->Name(), panelLangId);
    return name.empty() ? screenCaption(*screen, panelLangId) : name;
}

} // namespace core
