// Reading a project from JSON: the whole document is checked and turned into bytes first
// (parameters, records, messages, images, and per screen the clipboard form the screen loads
// itself from); only then is the project rebuilt, through the same guarded operations the editor
// uses, so every limit of the model still holds. Device addresses are checked once the channels
// are bound to their drivers, since only the driver knows which addresses it can build.

#include "core/project_json/project_json.h"

#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/str_res_mgr.h"
#include "core/project_json/address_check.h"
#include "core/project_json/json_reader.h"
#include "core/project_json/record_layout.h"
#include "core/project_json/tag_schema.h"
#include "core/tags/button_tag.h"
#include "core/tags/lamp_tag.h"

#include <algorithm>
#include <new>
#include <set>

namespace core {

using pjson::element;
using pjson::Json;
using pjson::member;
using pjson::refuse;
using pjson::required;

namespace {

struct ScreenPlan
{
    std::string path;
    std::uint16_t number = 0;
    std::uint16_t background = kNoImage;
    bool backgroundOn = false;
    bool password = false;
    util::Bytes archive; // the screen's clipboard form
    std::vector<std::pair<std::size_t, std::uint32_t>> displayStates; // tag index, state
};

struct Plan
{
    std::uint16_t langId = 0;
    ParamBlock params{};
    std::vector<AlarmRecord> alarms;
    std::vector<CalcRecord> calculations;
    std::vector<TransferRecord> transfers;
    std::vector<ReservationRecord> reservations;
    std::vector<std::pair<std::uint16_t, std::string>> messages;
    std::vector<std::pair<std::uint16_t, util::CMonoBitmap>> images;
    std::vector<ScreenPlan> screens;
};

std::uint16_t u16(const Json &obj, const std::string &path, const char *key, std::int64_t min = 0,
                  std::int64_t max = 0xFFFF)
{
    return std::uint16_t(pjson::intFromJson(required(obj, path, key), member(path, key), min, max));
}

template<typename Record>
std::vector<Record> readRecords(const Json &root, const char *key,
                                const pjson::RecordLayout &layout, std::uint16_t langId)
{
    const Json &list = required(root, "", key);
    pjson::requireArray(list, key);
    std::vector<Record> records(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        pjson::recordFromJson(layout, list[i], element(key, i), langId, records[i]);
    return records;
}

void readMessages(const Json &root, Plan &plan)
{
    const Json &list = required(root, "", "messages");
    pjson::requireArray(list, "messages");
    std::set<std::uint16_t> ids;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string path = element("messages", i);
        pjson::onlyKeys(list[i], path, {"id", "text"});
        const std::uint16_t id = u16(list[i], path, "id");
        if (!ids.insert(id).second)
            refuse(member(path, "id"), "the message " + std::to_string(id) + " exists already");
        plan.messages.emplace_back(id,
                                   pjson::textFromJson(required(list[i], path, "text"),
                                                       member(path, "text"), plan.langId,
                                                       CStrResMgr::kAreaSize));
    }
}

util::CMonoBitmap readImage(const Json &img, const std::string &path)
{
    pjson::onlyKeys(img, path, {"id", "width", "height", "rows"});
    const int width = u16(img, path, "width", 1, kMaxImageWidth);
    const int height = u16(img, path, "height", 1, kMaxImageHeight);
    const Json &rows = required(img, path, "rows");
    pjson::requireArray(rows, member(path, "rows"));
    if (rows.size() != std::size_t(height))
        refuse(member(path, "rows"), "expected " + std::to_string(height) + " rows");
    util::CMonoBitmap bm(width, height, true);
    for (int y = 0; y < height; ++y) {
        const Json &row = rows[std::size_t(y)];
        const std::string rowPath = element(member(path, "rows"), std::size_t(y));
        if (!row.is_string() || row.get<std::string>().size() != std::size_t(width)
            || row.get<std::string>().find_first_not_of("01") != std::string::npos)
            refuse(rowPath, "expected " + std::to_string(width) + " characters '0' or '1'");
        const std::string &text = row.get_ref<const std::string &>();
        for (int x = 0; x < width; ++x)
            bm.setPixel(x, y, text[std::size_t(x)] == '0');
    }
    return bm;
}

void readImages(const Json &root, Plan &plan)
{
    const Json &list = required(root, "", "images");
    pjson::requireArray(list, "images");
    std::set<std::uint16_t> ids;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::string path = element("images", i);
        pjson::requireObject(list[i], path);
        const std::uint16_t id = u16(list[i], path, "id", 0, kNoImage - 1);
        if (!ids.insert(id).second)
            refuse(member(path, "id"), "the image " + std::to_string(id) + " exists already");
        plan.images.emplace_back(id, readImage(list[i], path));
    }
}

void readTag(const Json &tag, const std::string &path, std::size_t index, std::uint16_t langId,
             util::CArchive &ar, ScreenPlan &screen)
{
    pjson::onlyKeys(tag, path, {"kind", "x", "y", "displayState", "fields"});
    const Json &kindJson = required(tag, path, "kind");
    const auto kind = kindJson.is_string() ? pjson::tagKindFromName(kindJson.get<std::string>())
                                           : std::nullopt;
    if (!kind)
        refuse(member(path, "kind"),
               "expected a tag kind name (numeric, message, text, lamp, "
               "button, pie, image, barGraph, trendGraph, rotation, "
               "moving, rectangle, line, circle, clock, imageText)");
    // The screen area keeps anchors as 16-bit words: a wider value would come back moved.
    constexpr std::int64_t kMin = INT16_MIN, kMax = INT16_MAX;
    const auto x = std::int32_t(
            pjson::intFromJson(required(tag, path, "x"), member(path, "x"), kMin, kMax));
    const auto y = std::int32_t(
            pjson::intFromJson(required(tag, path, "y"), member(path, "y"), kMin, kMax));
    if (const auto state = tag.find("displayState"); state != tag.end()) {
        if (*kind != kTagLamp && *kind != kTagButton)
            refuse(member(path, "displayState"), "only lamps and buttons have a display state");
        screen.displayStates.emplace_back(
                index,
                std::uint32_t(
                        pjson::intFromJson(*state, member(path, "displayState"), 0, 0xFFFFFFFF)));
    }
    ar.writeU16(std::uint16_t(*kind));
    pjson::bodyFromJson(*kind, required(tag, path, "fields"), member(path, "fields"), x, y, langId,
                        ar);
}

ScreenPlan readScreen(const Json &s, const std::string &path, std::uint16_t langId)
{
    pjson::onlyKeys(s, path,
                    {"number", "name", "next", "prev", "background", "backgroundOn", "password",
                     "functionKeys", "tags"});
    ScreenPlan plan;
    plan.path = path;
    plan.number = u16(s, path, "number", 0, kMaxScreenNumber);
    const std::string name
            = pjson::textFromJson(required(s, path, "name"), member(path, "name"), langId, 23);
    if (CDorvaneDoc::CheckScreenName(name) != 0)
        refuse(member(path, "name"), "a screen name has 1 to 23 bytes");
    // The screen keeps its name up to the first zero byte.
    if (name.find('\0') != std::string::npos)
        refuse(member(path, "name"), "a screen name cannot hold a zero byte");
    plan.background = u16(s, path, "background");
    plan.backgroundOn
            = pjson::boolFromJson(required(s, path, "backgroundOn"), member(path, "backgroundOn"));
    plan.password = pjson::boolFromJson(required(s, path, "password"), member(path, "password"));

    util::CArchive ar;
    ar.writeU16(u16(s, path, "next", 0, kMaxScreenNumber));
    ar.writeU16(u16(s, path, "prev", 0, kMaxScreenNumber));
    ar.writeString(name);
    const Json &keys = required(s, path, "functionKeys");
    const std::string keysPath = member(path, "functionKeys");
    pjson::requireArray(keys, keysPath);
    if (keys.size() != kFunctionKeyCount)
        refuse(keysPath, "expected " + std::to_string(kFunctionKeyCount) + " function keys");
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
        FunctionKeyRecord key{};
        pjson::recordFromJson(pjson::functionKeyLayout(), keys[k], element(keysPath, k), langId,
                              key);
        ar.writeBytes(key);
    }
    const Json &tags = required(s, path, "tags");
    const std::string tagsPath = member(path, "tags");
    pjson::requireArray(tags, tagsPath);
    ar.writeU32(std::uint32_t(tags.size()));
    for (std::size_t i = 0; i < tags.size(); ++i)
        readTag(tags[i], element(tagsPath, i), i, langId, ar, plan);
    plan.archive = ar.buffer();
    return plan;
}

Plan readPlan(const Json &root)
{
    pjson::onlyKeys(root, "",
                    {"format", "version", "textLanguage", "parameters", "messages", "images",
                     "alarms", "calculations", "transfers", "reservations", "screens"});
    const Json &format = required(root, "", "format");
    if (!format.is_string() || format.get<std::string>() != kProjectJsonFormat)
        refuse("format", std::string("expected \"") + kProjectJsonFormat + "\"");
    pjson::intFromJson(required(root, "", "version"), "version", kProjectJsonVersion,
                       kProjectJsonVersion);
    Plan plan;
    plan.langId = u16(root, "", "textLanguage");
    pjson::recordFromJson(pjson::parameterLayout(), required(root, "", "parameters"), "parameters",
                          plan.langId, plan.params);
    readMessages(root, plan);
    readImages(root, plan);
    plan.alarms = readRecords<AlarmRecord>(root, "alarms", pjson::alarmLayout(), plan.langId);
    plan.calculations = readRecords<CalcRecord>(root, "calculations", pjson::calculationLayout(),
                                                plan.langId);
    plan.transfers
            = readRecords<TransferRecord>(root, "transfers", pjson::transferLayout(), plan.langId);
    plan.reservations = readRecords<ReservationRecord>(root, "reservations",
                                                       pjson::reservationLayout(), plan.langId);
    const Json &screens = required(root, "", "screens");
    pjson::requireArray(screens, "screens");
    std::set<std::uint16_t> numbers;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        plan.screens.push_back(readScreen(screens[i], element("screens", i), plan.langId));
        if (!numbers.insert(plan.screens.back().number).second)
            refuse(member(element("screens", i), "number"), "the screen number is used twice");
    }
    return plan;
}

void applyDisplayStates(const CScreenData &screen, const ScreenPlan &plan)
{
    for (const auto &[index, state] : plan.displayStates) {
        CTag *tag = screen.Tags().at(index).get();
        if (auto *lamp = dynamic_cast<CLampTag *>(tag))
            lamp->SetDisplayState(state);
        else if (auto *button = dynamic_cast<CButtonTag *>(tag))
            button->SetDisplayState(state);
    }
}

void buildScreen(CDorvaneDoc &doc, const ScreenPlan &plan)
{
    CScreenData *screen = nullptr;
    if (doc.AddScreen(plan.number, &screen) != kScreenOk)
        refuse(plan.path, "the screen area has no room for another screen");
    util::CArchive ar(plan.archive);
    switch (screen->Serialize(ar)) {
    case kTagOk:
        break;
    case kTagNoRoom:
        refuse(member(plan.path, "tags"), "the screen area has no room for these tags");
    case kTagLimit:
        refuse(member(plan.path, "tags"), "too many tags of one kind or too many device tags");
    default:
        refuse(member(plan.path, "tags"), "the tags cannot be read back");
    }
    pjson::checkScreenAddresses(doc.Slots(), *screen, plan.path);
    screen->SetBackgroundImage(plan.background);
    screen->SetBackgroundOn(plan.backgroundOn);
    screen->SetPasswordOn(plan.password);
    applyDisplayStates(*screen, plan);
}

void build(const Plan &plan, CDorvaneDoc &doc)
{
    doc.Parameters() = plan.params;
    doc.Alarms() = plan.alarms;
    doc.Calculations() = plan.calculations;
    doc.Transfers() = plan.transfers;
    doc.Reservations() = plan.reservations;
    for (std::size_t i = 0; i < plan.messages.size(); ++i)
        if (doc.Strings().Add(plan.messages[i].first, plan.messages[i].second) != 0)
            refuse(element("messages", i), "the message area is full");
    for (std::size_t i = 0; i < plan.images.size(); ++i) {
        auto image = std::make_unique<CIndexedImage>();
        image->m_id = plan.images[i].first;
        image->m_bitmap = plan.images[i].second;
        if (doc.Images().Add(std::move(image)) != 0)
            refuse(element("images", i), "the image area is full");
    }
    doc.RebindDrivers();
    doc.ParametersLoaded();
    // Addresses are judged by the drivers the channels are now bound to.
    pjson::checkProjectAddresses(doc);
    for (const ScreenPlan &screen : plan.screens)
        buildScreen(doc, screen);
    // New tags bring their default images along; the project keeps exactly the listed ones.
    std::vector<std::uint32_t> extra;
    for (const auto &image : doc.Images().Images())
        if (std::none_of(plan.images.begin(), plan.images.end(),
                         [&](const auto &listed) { return listed.first == image->Key(); }))
            extra.push_back(image->m_id);
    for (std::uint32_t id : extra)
        doc.Images().Remove(id);
    doc.SetModified();
}

void emptyProject(CDorvaneDoc &doc)
{
    doc.CloseDocument();
}

} // namespace

ProjectJsonResult importProjectJson(std::string_view json, CDorvaneDoc &doc)
{
    ProjectJsonResult result;
    try {
        Json root;
        if (!pjson::parseBounded(json, root, result.error))
            return result;
        const Plan plan = readPlan(root);
        emptyProject(doc);
        build(plan, doc);
        result.ok = true;
    } catch (const pjson::JsonError &e) {
        emptyProject(doc);
        result.error = pjson::printable(e.message());
    } catch (const std::bad_alloc &) {
        emptyProject(doc);
        result.error = "not enough memory to read the document";
    } catch (const std::exception &e) {
        emptyProject(doc);
        result.error = pjson::printable(std::string("cannot read the document: ") + e.what());
    }
    return result;
}

ProjectJsonResult importProjectJsonToFile(std::string_view json, CDorvaneDoc &doc,
                                          CAreaCodec &codec, const std::string &path)
{
    ProjectJsonResult result = importProjectJson(json, doc);
    if (!result.ok)
        return result;
    std::string error;
    if (!doc.SaveDocument(path, codec, &error)) {
        result.ok = false;
        result.error = "cannot save " + path + (error.empty() ? "" : ": " + error);
    }
    return result;
}

} // namespace core
