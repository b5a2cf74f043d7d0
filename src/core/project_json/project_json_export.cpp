// Writing a project as JSON. Tags are read from the body each tag serialises for the clipboard,
// so the tag classes decide what a tag is; a body that does not match its kind's layout stops
// the export instead of writing a document that would not read back.

#include "core/project_json/project_json.h"

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/project_json/record_layout.h"
#include "core/project_json/tag_schema.h"
#include "core/tags/button_tag.h"
#include "core/tags/lamp_tag.h"

namespace core {

using pjson::Json;

namespace {

struct ExportError
{
    std::string what;
};

template<typename Record>
Json recordsToJson(const std::vector<Record> &records, const pjson::RecordLayout &layout,
                   std::uint16_t langId)
{
    Json list = Json::array();
    for (const Record &r : records)
        list.push_back(pjson::recordToJson(layout, r, langId));
    return list;
}

Json messagesToJson(const CStrResMgr &strings, std::uint16_t langId)
{
    Json list = Json::array();
    for (const auto &s : strings.Strings())
        list.push_back(Json{{"id", s->Key()}, {"text", pjson::textToJson(s->m_text, langId)}});
    return list;
}

// One string per row, '1' for a black pixel and '0' for a white one.
Json imagesToJson(const CImgResMgr &images)
{
    Json list = Json::array();
    for (const auto &img : images.Images()) {
        const util::CMonoBitmap &bm = img->m_bitmap;
        Json rows = Json::array();
        for (int y = 0; y < bm.height(); ++y) {
            std::string row(std::size_t(bm.width()), '0');
            for (int x = 0; x < bm.width(); ++x)
                if (!bm.pixel(x, y))
                    row[std::size_t(x)] = '1';
            rows.push_back(row);
        }
        list.push_back(Json{{"id", img->Key()},
                            {"width", bm.width()},
                            {"height", bm.height()},
                            {"rows", rows}});
    }
    return list;
}

// Storing leaves the tag unchanged; Serialize serves both directions, hence not const.
Json tagToJson(CTag &tag, const std::string &where, std::uint16_t langId)
{
    util::CArchive out;
    tag.Serialize(out);
    util::CArchive in(out.buffer());
    const std::int32_t x = in.readI32();
    const std::int32_t y = in.readI32();
    Json fields;
    std::string why;
    if (!pjson::bodyToJson(tag.Kind(), in, x, y, langId, fields, why))
        throw ExportError{where + " (" + pjson::tagKindName(tag.Kind()) + "): " + why};
    Json j = Json::object();
    j["kind"] = pjson::tagKindName(tag.Kind());
    j["x"] = x;
    j["y"] = y;
    // Carried by the project file but not by the clipboard body.
    if (const auto *lamp = dynamic_cast<const CLampTag *>(&tag))
        j["displayState"] = lamp->DisplayState();
    if (const auto *button = dynamic_cast<const CButtonTag *>(&tag))
        j["displayState"] = button->DisplayState();
    j["fields"] = std::move(fields);
    return j;
}

Json screenToJson(const CScreenData &screen, std::uint16_t langId)
{
    const std::string where = "screen " + std::to_string(screen.Number());
    Json j = Json::object();
    j["number"] = screen.Number();
    j["name"] = pjson::textToJson(screen.Name(), langId);
    j["next"] = screen.NextScreen();
    j["prev"] = screen.PrevScreen();
    j["background"] = screen.BackgroundImage();
    j["backgroundOn"] = screen.IsBackgroundOn();
    j["password"] = screen.IsPasswordOn();
    Json keys = Json::array();
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k)
        keys.push_back(
                pjson::recordToJson(pjson::functionKeyLayout(), screen.FunctionKey(k), langId));
    j["functionKeys"] = keys;
    Json tags = Json::array();
    for (std::size_t i = 0; i < screen.Tags().size(); ++i)
        tags.push_back(tagToJson(*screen.Tags()[i], where + " tag " + std::to_string(i), langId));
    j["tags"] = tags;
    return j;
}

} // namespace

ProjectJsonResult exportProjectJson(const CDorvaneDoc &doc, std::uint16_t textLangId)
{
    ProjectJsonResult result;
    try {
        Json j = Json::object();
        j["format"] = kProjectJsonFormat;
        j["version"] = kProjectJsonVersion;
        j["textLanguage"] = textLangId;
        j["parameters"]
                = pjson::recordToJson(pjson::parameterLayout(), doc.Parameters(), textLangId);
        j["messages"] = messagesToJson(doc.Strings(), textLangId);
        j["images"] = imagesToJson(doc.Images());
        j["alarms"] = recordsToJson(doc.Alarms(), pjson::alarmLayout(), textLangId);
        j["calculations"]
                = recordsToJson(doc.Calculations(), pjson::calculationLayout(), textLangId);
        j["transfers"] = recordsToJson(doc.Transfers(), pjson::transferLayout(), textLangId);
        j["reservations"]
                = recordsToJson(doc.Reservations(), pjson::reservationLayout(), textLangId);
        Json screens = Json::array();
        for (const auto &screen : doc.Screens())
            screens.push_back(screenToJson(*screen, textLangId));
        j["screens"] = screens;
        result.text = j.dump(2) + "\n";
        result.ok = true;
    } catch (const ExportError &e) {
        result.error = e.what;
    }
    return result;
}

} // namespace core
