#pragma once

// Export marker of the plugin entry points: C linkage, visible from the shared object. The
// plugins are compiled with hidden visibility, so only what carries this marker can be found by
// name, and a plugin that leaves an entry point out really lacks it.

#include "core/plc/plc_driver_abi.h"

#include <cstdint>
#include <type_traits>

#define DRV_EXPORT extern "C" __attribute__((visibility("default")))

// The entry points, declared with the contract's own types: a plugin that defines one with
// another signature does not compile. Declaring one does not make a plugin export it.
DRV_EXPORT std::remove_pointer_t<PlcGetTypeAreaList> GetTypeAreaList;
DRV_EXPORT std::remove_pointer_t<PlcGetAreaReadOnly> GetAreaReadOnly;
DRV_EXPORT std::remove_pointer_t<PlcValidCheck> ValidCheck;
DRV_EXPORT std::remove_pointer_t<PlcGetDefaultAddr> GetDefaultAddr;
DRV_EXPORT std::remove_pointer_t<PlcBuildDownAddr> BuildDownAddr;
DRV_EXPORT std::remove_pointer_t<PlcBuildDownAddr1> BuildDownAddr1;
DRV_EXPORT std::remove_pointer_t<PlcBuildUpAddr> BuildUpAddr;
DRV_EXPORT std::remove_pointer_t<PlcGetTransSize> GetTransSize;
DRV_EXPORT std::remove_pointer_t<PlcGetCommSetting> GetCommSetting;
