#include "core/tags/tag_points.h"

#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/pie_tag.h"
#include "core/tags/point_record.h"

namespace core {

std::vector<const CPointInfo *> devicePoints(const CTag &tag)
{
    if (const auto *t = dynamic_cast<const CDigitTag *>(&tag))
        return {&t->Point()};
    if (const auto *t = dynamic_cast<const CMessageTag *>(&tag))
        return {&t->Point()};
    if (const auto *t = dynamic_cast<const CLampTag *>(&tag))
        return {&t->Point()};
    if (const auto *t = dynamic_cast<const CButtonTag *>(&tag))
        return {&t->Point()};
    if (const auto *t = dynamic_cast<const CPieTag *>(&tag))
        return {&t->Point()};
    if (const auto *t = dynamic_cast<const CGraphTag *>(&tag))
        return {&t->Point()};
    if (const auto *t = dynamic_cast<const CMotorTag *>(&tag))
        return {&t->Point()};
    if (const auto *t = dynamic_cast<const CMobileTag *>(&tag))
        return {&t->XPoint(), &t->YPoint()};
    return {};
}

std::int32_t devicePointKind(const CTag &tag, const CPointInfo &point)
{
    // A message tag always addresses words, the numeric tag its byte width, the others the
    // point's own kind.
    if (dynamic_cast<const CDigitTag *>(&tag))
        return point.ByteWidth();
    if (dynamic_cast<const CMessageTag *>(&tag))
        return kAddrWord;
    return pointAddrKind(point);
}

std::vector<std::int32_t> buildDevicePoints(const CPlcSlots &slots, const CTag &tag)
{
    // The numeric tag passes its decimals to the driver as the extra value.
    const auto *digit = dynamic_cast<const CDigitTag *>(&tag);
    const std::uint32_t extra = digit ? digit->Decimals() : 0;
    std::vector<std::int32_t> results;
    for (const CPointInfo *point : devicePoints(tag)) {
        DownAddr field{};
        std::uint16_t bit = 0;
        results.push_back(
                buildPointAddress(slots, *point, devicePointKind(tag, *point), extra, field, bit));
    }
    return results;
}

} // namespace core
