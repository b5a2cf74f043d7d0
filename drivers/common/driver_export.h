#pragma once

// Export marker of the plugin entry points: C linkage, visible from the shared object. The
// plugins are compiled with hidden visibility, so only what carries this marker can be found by
// name, and a plugin that leaves an entry point out really lacks it.

#include "core/plc/plc_driver_abi.h"

#include <cstdint>

#define DRV_EXPORT extern "C" __attribute__((visibility("default")))
