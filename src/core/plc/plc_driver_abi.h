/* The contract between the editor and a PLC protocol driver plugin. Plugins are shared objects
 * in the program folder's Protocols/ with these exports in C linkage; the editor looks each one
 * up by name at every call and copes with any of them missing. Address kinds: 1 bit, 2 word,
 * 4 double word. Texts are zero-terminated byte strings. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    PLC_AREA_TEXT_SIZE = 20,    /* one area name, zero padded */
    PLC_NUMBER_TEXT_SIZE = 40,  /* number text buffer */
    PLC_DOWN_ADDR_SIZE = 40,    /* download address field of a record */
    PLC_MAX_AREAS = 64,         /* area list buffer holds this many names */
    PLC_COMM_SETTING_SIZE = 16  /* settings record of GetCommSetting */
};

/* Low 16 bits of the result: number of areas written to out (PLC_AREA_TEXT_SIZE bytes each). */
typedef int32_t (*PlcGetTypeAreaList)(int32_t kind, char *out);
/* Non-zero when answered; *readOnly non-zero when the area cannot be written. */
typedef int32_t (*PlcGetAreaReadOnly)(int32_t kind, const char *area, uint32_t *readOnly);
/* 0 when valid; number (PLC_NUMBER_TEXT_SIZE bytes) may be rewritten in normalised form. */
typedef int32_t (*PlcValidCheck)(int32_t kind, const char *area, char *number);
typedef int32_t (*PlcGetDefaultAddr)(int32_t kind, uint32_t selector, char *area, char *number);
typedef int32_t (*PlcBuildDownAddr)(int32_t kind, const char *area, const char *number,
                                    uint16_t *bit, uint8_t *downAddr);
typedef int32_t (*PlcBuildDownAddr1)(int32_t kind, const char *area, const char *number,
                                     uint16_t *bit, uint8_t *downAddr, uint32_t extra);
typedef int32_t (*PlcBuildUpAddr)(int32_t kind, const uint8_t *downAddr, char *area, char *number,
                                  uint16_t *bit);
typedef int32_t (*PlcGetTransSize)(void);
/* *editable non-zero: the user may edit the settings; otherwise record[4..7] (little-endian
 * int32) is the baud rate index, record[8] data bits, record[9] stop bits, record[10] parity. */
typedef int32_t (*PlcGetCommSetting)(uint32_t *editable, uint8_t *record);

#ifdef __cplusplus
}
#endif
