#pragma once

// BMP files: uncompressed 1, 4, 8, 24 and 32-bit images, bottom-up or top-down, read and reduced
// to one bit (colours nearer to white than to black become white); 1-bit files written.

#include "util/byte_order.h"
#include "util/mono_bitmap.h"

#include <string>

namespace util {

struct BmpReadResult
{
    bool ok = false;
    CMonoBitmap bitmap;
    std::string error; // why the file was refused, in English, for logs and messages
};

BmpReadResult readBmp(ConstByteSpan data);
BmpReadResult readBmpFile(const std::string &path);

// A 1-bit bottom-up BMP with the black/white palette.
Bytes writeBmp(const CMonoBitmap &bitmap);
bool writeBmpFile(const std::string &path, const CMonoBitmap &bitmap);

// True when an RGB colour is nearer to white than to black.
inline bool isNearerWhite(int r, int g, int b) { return r + g + b > 382; }

} // namespace util
