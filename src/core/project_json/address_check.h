#pragma once

// Device addresses of an imported project, checked with the drivers its channels are bound to.
// Tags carry their addresses as texts that the drivers build into the panel's form only when the
// project is saved; a text the driver refuses would be saved as an empty field. The records carry
// the built form, which the driver must read back and build again to the same bytes. Each check
// refuses (see refuse()) with the JSON path of the address and what the driver expects.

#include "core/model/dorvane_doc.h"
#include "core/project_json/json_values.h"

namespace core::pjson {

// The two screen links of the parameters (when switched on) and every address block of the four
// common-function lists that the record uses.
void checkProjectAddresses(const CDorvaneDoc &doc);
// The function keys and the device points of the tags of one built screen; `path` is the
// screen's JSON path.
void checkScreenAddresses(const CPlcSlots &slots, const CScreenData &screen,
                          const std::string &path);

} // namespace core::pjson
