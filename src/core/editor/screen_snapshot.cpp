#include "core/editor/screen_snapshot.h"

#include "util/archive.h"
#include "util/message_ids.h"

namespace core {

namespace { } // namespace

ScreenSnapshot captureScreen(const CScreenData &screen)
{
    ScreenSnapshot s;
    s.number = screen.Number();
    util::CArchive ar;
    // Serialize is symmetric and does not change a storing screen.
    const_cast<CScreenData &>(screen).Serialize(ar);
    s.record = ar.buffer();
    s.background = screen.BackgroundImage();
    s.backgroundOn = screen.IsBackgroundOn();
    s.passwordOn = screen.IsPasswordOn();
    return s;
}

int restoreScreen(CDorvaneDoc &doc, const ScreenSnapshot &snapshot, std::uint16_t number,
                  CScreenData **out)
{
    CScreenData *screen = nullptr;
    const int added = doc.AddScreen(number, &screen);
    if (added == kScreenNoRoom)
        return util::msg::kMemoryFull;
    if (added == kScreenExists)
        return util::msg::kScreenIdTaken;
    util::CArchive ar(snapshot.record);
    const TagResult loaded = screen->Serialize(ar);
    if (loaded != kTagOk) {
        doc.RemoveScreen(number);
        return loaded == kTagNoRoom   ? util::msg::kMemoryFull
                : loaded == kTagLimit ? util::msg::kTagLimit
                                      : util::msg::kFileNotReadable;
    }
    screen->SetBackgroundImage(snapshot.background);
    screen->SetBackgroundOn(snapshot.backgroundOn);
    screen->SetPasswordOn(snapshot.passwordOn);
    if (out)
        *out = screen;
    return 0;
}

util::Bytes encodeScreens(const std::vector<const CScreenData *> &screens)
{
    util::CArchive ar;
    ar.writeU32(std::uint32_t(screens.size()));
    for (const CScreenData *screen : screens) {
        ar.writeU16(screen->Number());
        const_cast<CScreenData *>(screen)->Serialize(ar);
    }
    return ar.buffer();
}

std::optional<std::vector<ScreenSnapshot>> decodeScreens(util::ConstByteSpan data)
{
    util::CArchive ar(data);
    const std::uint32_t count = ar.readU32();
    if (!ar.ok() || count > kMaxScreenNumber + 1)
        return std::nullopt;
    std::vector<ScreenSnapshot> out;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint16_t number = ar.readU16();
        // A loose screen with its own counter reads the record; its tags pass the same limits.
        CScreenData screen(number);
        if (!ar.ok() || screen.Serialize(ar) != kTagOk)
            return std::nullopt;
        out.push_back(captureScreen(screen));
    }
    return out;
}

} // namespace core
