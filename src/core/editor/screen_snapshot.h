#pragma once

// A screen kept as bytes: its clipboard record ("KOHMI_SCR" body) plus the fields that record
// does not carry (background image and password flag). Undo of a screen deletion and the screen
// clipboard both rebuild screens from it.

#include "core/model/dorvane_doc.h"

#include "util/byte_order.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace core {

struct ScreenSnapshot
{
    std::uint16_t number = 0;
    util::Bytes record; // CScreenData::Serialize form
    std::uint16_t background = 65535;
    bool backgroundOn = false;
    bool passwordOn = false;
};

ScreenSnapshot captureScreen(const CScreenData &screen);

// Adds the snapshot's screen to the document as `number`. Returns 0, or the message to show:
// 52302 (screen area full), 52201 (number taken), 52301 (a tag was refused), 52001 (bad record).
// On failure nothing is added.
int restoreScreen(CDorvaneDoc &doc, const ScreenSnapshot &snapshot, std::uint16_t number,
                  CScreenData **out = nullptr);

// The screen clipboard: a 32-bit count, then per screen its 16-bit number and its record.
util::Bytes encodeScreens(const std::vector<const CScreenData *> &screens);
// Nothing when the data is cut short or names an unknown tag kind.
std::optional<std::vector<ScreenSnapshot>> decodeScreens(util::ConstByteSpan data);

} // namespace core
