// Test-only plugin with one entry point only: every other call must take the editor's
// substitute. Not part of the program folder.

#include "common/driver_export.h"

DRV_EXPORT std::int32_t GetTransSize()
{
    return 33;
}
