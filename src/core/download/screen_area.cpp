#include "core/download/screen_area.h"

#include "core/download/record_checks.h"
#include "core/model/dorvane_doc.h"
#include "core/tags/tag_kinds.h"

#include <algorithm>

namespace core {

namespace {

constexpr std::size_t kNameSize = 24;
constexpr std::size_t kPasswordSetting = 34; // the "second" screen setting
constexpr std::size_t kBackgroundSetting = 36; // the "first" screen setting
constexpr std::size_t kBackgroundImage = 38;
constexpr std::size_t kNextScreen = 40;
constexpr std::size_t kPrevScreen = 42;
constexpr std::size_t kTagCount = 44;
constexpr std::size_t kGroupPointers = 46;
constexpr std::size_t kGroupCounts = 106;
constexpr std::size_t kFunctionKeys = 136;
// Byte of a record in the shared image group that tells an image text (1) from an image (0).
constexpr std::size_t kImageTextMarker = 6;

// F1 to F4, then the four arrow keys.
std::string keyName(std::size_t key)
{
    static constexpr const char *kArrows[] = {"up", "down", "left", "right"};
    return key < 4 ? "F" + std::to_string(key + 1) : kArrows[(key - 4) % 4];
}

std::uint16_t groupRecordSize(std::size_t group)
{
    return tagKindInfo(tagGroupKinds()[group]).recordSize;
}

} // namespace

void convertFunctionKey(util::ByteSpan key)
{
    convertRecord(key, {0}, {62, 64}, {66});
}

std::size_t screenRecordSize(const CScreenData &screen)
{
    std::size_t size = kScreenHeaderSize;
    for (const auto &tag : screen.Tags())
        size += tagKindInfo(tag->Kind()).recordSize;
    return size;
}

AreaResult buildScreenRecord(const CScreenData &screen, const CPlcSlots &slots,
                             std::uint32_t recordOffset, util::ByteSpan out)
{
    const auto counts = screen.CountTagsPerGroup();
    std::array<std::size_t, kTagGroupCount> next{};
    std::size_t at = kScreenHeaderSize;
    for (std::size_t g = 0; g < kTagGroupCount; ++g) {
        next[g] = at;
        at += std::size_t(counts[g]) * groupRecordSize(g);
        util::setBe32(out, kGroupPointers + 4 * g,
                      counts[g] ? kScreenBase + recordOffset + std::uint32_t(next[g]) : 0);
        util::setBe16(out, kGroupCounts + 2 * g, counts[g]);
    }
    for (const auto &tag : screen.Tags()) {
        const auto &info = tagKindInfo(tag->Kind());
        auto slot = out.subspan(next[info.group], info.recordSize);
        if (!tag->BuildDownloadRecord(slots, slot))
            return AreaResult::fail("A tag of kind " + std::to_string(tag->Kind()) + " on screen "
                                    + std::to_string(screen.Number()) + " cannot be compiled.");
        next[info.group] += info.recordSize;
    }
    util::setFixedText(out, 0, kNameSize, screen.Name());
    util::setBe16(out, kPasswordSetting, screen.IsPasswordOn() ? 1 : 0);
    util::setBe16(out, kBackgroundSetting, screen.IsBackgroundOn() ? 1 : 0);
    util::setBe16(out, kBackgroundImage, screen.BackgroundImage());
    util::setBe16(out, kNextScreen, screen.NextScreen());
    util::setBe16(out, kPrevScreen, screen.PrevScreen());
    util::setBe16(out, kTagCount, std::uint16_t(screen.TagCount()));
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
        auto key = out.subspan(kFunctionKeys + k * kFunctionKeySize, kFunctionKeySize);
        const auto &record = screen.FunctionKey(k);
        std::copy(record.begin(), record.end(), key.begin());
        convertFunctionKey(key);
    }
    return {};
}

AreaResult buildScreenArea(const CDorvaneDoc &doc, util::ByteSpan buffer, std::uint32_t &length)
{
    length = 0;
    const auto &screens = doc.Screens();
    std::size_t total = 10 + 8 * screens.size();
    for (const auto &s : screens) {
        const std::size_t size = screenRecordSize(*s);
        if (size > 0xFFFF)
            return AreaResult::fail("Screen " + std::to_string(s->Number())
                                    + " needs more than 65535 bytes.");
        total += size;
    }
    if (total > kScreenCapacity || total > buffer.size())
        return AreaResult::fail("The screens need " + std::to_string(total)
                                + " bytes; the panel's screen area holds 65536.");
    std::fill(buffer.begin(), buffer.end(), std::uint8_t(0));
    std::size_t index = 10;
    std::size_t offset = 10 + 8 * screens.size();
    for (const auto &s : screens) {
        const std::size_t size = screenRecordSize(*s);
        if (auto r = buildScreenRecord(*s, doc.Slots(), std::uint32_t(offset),
                                       buffer.subspan(offset, size));
            !r.ok)
            return r;
        util::setBe32(buffer, index, kScreenBase + std::uint32_t(offset));
        util::setBe16(buffer, index + 4, s->Number());
        util::setBe16(buffer, index + 6, std::uint16_t(size));
        index += 8;
        offset += size;
    }
    length = std::uint32_t(offset);
    util::setBe16(buffer, 6, kAreaVersion);
    util::setBe16(buffer, 8, std::uint16_t(screens.size()));
    finishArea(buffer, length);
    return {};
}

namespace {

AreaResult damaged(const std::string &what)
{
    return AreaResult::fail("The screen area is damaged (" + what + ").");
}

// Reads one screen record into a new screen of `doc`.
AreaResult parseScreenRecord(util::ConstByteSpan image, std::size_t at, std::size_t size,
                             std::uint16_t number, CDorvaneDoc &doc)
{
    if (size < kScreenHeaderSize)
        return damaged("a screen record is shorter than its header");
    const auto record = image.subspan(at, size);
    CScreenData *screen = nullptr;
    const int added = doc.AddScreen(number, &screen);
    if (added != kScreenOk)
        return damaged(added == kScreenExists ? "a screen number repeats"
                                              : "the screens exceed the screen memory");
    screen->SetName(util::fixedText(record, 0, kNameSize));
    screen->SetPasswordOn(util::be16(record, kPasswordSetting) != 0);
    screen->SetBackgroundOn(util::be16(record, kBackgroundSetting) != 0);
    screen->SetBackgroundImage(util::be16(record, kBackgroundImage));
    const std::string where = "screen " + std::to_string(number);
    for (const auto &[name, offset] :
         {std::pair{"next", kNextScreen}, std::pair{"previous", kPrevScreen}})
        if (const auto linked = util::be16(record, offset); linked > kMaxScreenNumber)
            return damaged(where + ": " + name + " screen " + std::to_string(linked)
                           + " is above 999");
    screen->SetNextScreen(util::be16(record, kNextScreen));
    screen->SetPrevScreen(util::be16(record, kPrevScreen));
    for (std::size_t k = 0; k < kFunctionKeyCount; ++k) {
        auto &key = screen->FunctionKey(k);
        std::copy_n(record.begin() + std::ptrdiff_t(kFunctionKeys + k * kFunctionKeySize),
                    kFunctionKeySize, key.begin());
        convertFunctionKey(key);
        if (const std::string why = checkFunctionKeyRecord(key); !why.empty())
            return damaged(where + ", key " + keyName(k) + ": " + why);
    }
    std::size_t tags = 0;
    for (std::size_t g = 0; g < kTagGroupCount; ++g) {
        const std::size_t count = util::be16(record, kGroupCounts + 2 * g);
        if (count == 0)
            continue;
        const std::uint32_t pointer = util::be32(record, kGroupPointers + 4 * g);
        const std::size_t recSize = groupRecordSize(g);
        const std::size_t first = kScreenBase + at + kScreenHeaderSize;
        if (pointer < first || pointer - (kScreenBase + at) + count * recSize > size)
            return damaged("a tag group lies outside its screen");
        const std::size_t start = pointer - kScreenBase - at;
        for (std::size_t i = 0; i < count; ++i) {
            const auto rec = record.subspan(start + i * recSize, recSize);
            int kind = tagGroupKinds()[g];
            std::string why = kind == kTagBitmap ? checkImageMarker(rec[kImageTextMarker]) : "";
            if (kind == kTagBitmap && rec[kImageTextMarker] == 1)
                kind = kTagBmpText;
            if (why.empty())
                why = checkTagRecord(kind, rec);
            if (!why.empty())
                return damaged(where + ", tag " + std::to_string(i + 1) + " of group "
                               + std::to_string(g + 1) + " (kind " + std::to_string(kind)
                               + "): " + why);
            CTag *tag = nullptr;
            if (screen->CreateTag(kind, false, &tag) != kTagOk || !tag)
                return damaged("screen " + std::to_string(number)
                               + " holds more tags than allowed");
            if (!tag->LoadRecord(doc.Slots(), rec))
                return damaged("a tag record of kind " + std::to_string(kind) + " is not valid");
            // Tags may hang off the display; a rectangle no tag can have is damage.
            if (!isPlausibleTagRect(tag->Rect()))
                return damaged("a tag of kind " + std::to_string(kind) + " on screen "
                               + std::to_string(number) + " lies outside the panel");
        }
        tags += count;
    }
    if (tags != util::be16(record, kTagCount))
        return damaged("a screen's tag count does not match its groups");
    return {};
}

} // namespace

AreaResult parseScreenArea(util::ConstByteSpan image, CDorvaneDoc &doc)
{
    if (image.size() < 10 || image.size() > kScreenCapacity || util::be32(image, 0) != image.size())
        return damaged("its length does not match");
    const std::size_t count = util::be16(image, 8);
    const std::size_t recordsStart = 10 + 8 * count;
    if (recordsStart > image.size())
        return damaged("the index runs past its end");
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pointer = util::be32(image, 10 + 8 * i);
        const std::uint16_t number = util::be16(image, 14 + 8 * i);
        const std::size_t size = util::be16(image, 16 + 8 * i);
        if (pointer < kScreenBase + recordsStart || pointer - kScreenBase > image.size()
            || size > image.size() - (pointer - kScreenBase))
            return damaged("a screen record lies outside it");
        if (number > kMaxScreenNumber)
            return damaged("a screen number is above 999");
        if (auto r = parseScreenRecord(image, pointer - kScreenBase, size, number, doc); !r.ok)
            return r;
    }
    return {};
}

} // namespace core
