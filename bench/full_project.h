#pragma once

// A project whose screen area is full, as an engineer's finished project is: screens of about 20
// tags of mixed kinds (numbers, texts, messages, clocks, rectangles, lines, circles) until no
// further screen fits. Shared by the benchmarks that measure the editor on a full project.

#include "core/model/dorvane_doc.h" // before Qt: the document has a member named "slots"

#include "core/app/app_config.h"
#include "core/model/memory_monitor.h"
#include "core/model/screen_data.h"
#include "core/tags/circle_tag.h"
#include "core/tags/clock_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/line_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/rect_tag.h"
#include "core/tags/text_tag.h"

#include <cstdint>
#include <memory>
#include <string>

namespace bench {

inline constexpr int kTagsPerScreen = 20;

// Tag `i` of a screen: a kind of seven in turn, laid out in rows over the 192 x 64 display.
inline std::unique_ptr<core::CTag> mixedTag(int i, std::uint16_t screen)
{
    const int x = (i % 5) * 38, y = (i / 5) % 4 * 16;
    std::unique_ptr<core::CTag> tag;
    switch (i % 7) {
    case 0: {
        auto digit = std::make_unique<core::CDigitTag>();
        digit->Point().m_second = std::to_string(screen * kTagsPerScreen + i);
        tag = std::move(digit);
        break;
    }
    case 1: {
        auto text = std::make_unique<core::CTextTag>();
        text->SetText(i % 2 ? "TEMP 12" : "\xC8\xAD\xB8\xE9 A"); // CP949 "화면 A"
        tag = std::move(text);
        break;
    }
    case 2:
        // A message tag's record is large: one on every eighth screen, numbers elsewhere.
        if (screen % 8 == 0)
            tag = std::make_unique<core::CMessageTag>();
        else
            tag = std::make_unique<core::CDigitTag>();
        break;
    case 3: {
        auto rect = std::make_unique<core::CRectTag>();
        rect->SetWidth(12);
        rect->SetHeight(8);
        rect->SetFill(i % 3 == 0);
        tag = std::move(rect);
        break;
    }
    case 4: {
        auto line = std::make_unique<core::CLineTag>();
        line->SetEnd(x + 10, y + 6);
        tag = std::move(line);
        break;
    }
    case 5:
        tag = std::make_unique<core::CCircleTag>();
        break;
    default:
        // As is a clock's: on every eighth screen, texts elsewhere.
        if (screen % 8 == 4) {
            tag = std::make_unique<core::CClockTag>();
        } else {
            auto text = std::make_unique<core::CTextTag>();
            text->SetText("RUN");
            tag = std::move(text);
        }
        break;
    }
    tag->MoveTo(x, y);
    return tag;
}

// Leaves `spareBytes` of the screen area free (room for a paste).
struct FullProject
{
    core::CAppConfig config;
    core::CDorvaneDoc doc;
    std::size_t tags = 0;

    explicit FullProject(std::uint32_t spareBytes = 0)
    {
        bool full = false;
        for (std::uint16_t n = 0; n <= core::kMaxScreenNumber && !full; ++n) {
            core::CScreenData *screen = nullptr;
            if (doc.ScreenMemoryUsed() + spareBytes >= core::kScreenAreaSize
                || doc.AddScreen(n, &screen) != core::kScreenOk)
                break;
            for (int i = 0; i < kTagsPerScreen && !full; ++i) {
                full = doc.ScreenMemoryUsed() + spareBytes >= core::kScreenAreaSize
                        || screen->AddTag(mixedTag(i, n), false) != core::kTagOk;
                tags += full ? 0 : 1;
            }
        }
    }

    // The screen with the most tags (the first of them).
    core::CScreenData &busiest() const
    {
        core::CScreenData *best = doc.Screens().front().get();
        for (const auto &screen : doc.Screens())
            if (screen->TagCount() > best->TagCount())
                best = screen.get();
        return *best;
    }
};

} // namespace bench
