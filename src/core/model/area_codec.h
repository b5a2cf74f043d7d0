#pragma once

// What the document needs from the download-image code to save and open a project file: build
// one area image from the project, and rebuild the project's part from one area image. The
// application hands the real builders and parsers to the document's Save and Open.

#include "core/model/project_file.h"

#include "util/byte_order.h"

#include <string>

namespace core {

class CDorvaneDoc;

class CAreaCodec
{
public:
    virtual ~CAreaCodec() = default;
    // The area's complete image (its first four bytes hold its length, big-endian).
    virtual util::Bytes BuildArea(ProjectArea area, const CDorvaneDoc &doc) = 0;
    // Rebuilds the project's part from the image: G the parameter block and the four lists,
    // S the messages, R the images, C the screens. False when the image is malformed.
    virtual bool ParseArea(ProjectArea area, CDorvaneDoc &doc, util::ConstByteSpan image) = 0;
    // Why the last BuildArea gave nothing ("" when it did not fail).
    virtual std::string LastBuildError() const { return {}; }
};

} // namespace core
