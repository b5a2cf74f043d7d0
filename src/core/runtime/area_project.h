#pragma once

// A project as a panel holds it: rebuilt from the area images G, S, R and C, the way the panel
// simulator and the preview get the project a download sent. Area files are read from a folder as
// G.bin, S.bin, R.bin and C.bin: the images `dorvane-cli areas` writes, or the simulator's state
// files, which hold the whole area and the image at their start.

#include "core/model/dorvane_doc.h"

#include "util/byte_order.h"

#include <array>
#include <memory>
#include <string>

namespace core {

class CAppServices;

using AreaImages = std::array<util::Bytes, 4>; // G, S, R, C

// Cuts an area buffer down to the image its first four bytes announce (big-endian, the length
// counting those four bytes). False for an erased area (0xFFFFFFFF), a length below four and a
// length beyond the buffer or the area's capacity; the buffer is then left alone.
bool trimAreaImage(ProjectArea area, util::Bytes &buffer);

// Reads and trims the four area files of `dir`; false with `error` naming the file otherwise.
bool readAreaFiles(const std::string &dir, AreaImages &out, std::string &error);

// The project the areas hold, with its own messages, images and driver slots, configured as
// `app`'s documents are. Null with `error` when an area does not parse.
std::unique_ptr<CDorvaneDoc> projectFromAreas(CAppServices &app, const AreaImages &areas,
                                              std::string &error);

// Such a project has no file name: it goes by the name of its initial screen (as UTF-8, read in
// the panel language `panelLangId`), or of its first screen when that one is missing; the
// screen's caption when the name is empty; empty without screens.
std::string projectNameFromScreens(const CDorvaneDoc &doc, std::uint16_t panelLangId);

} // namespace core
