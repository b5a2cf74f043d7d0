#include "core/tags/tag_points.h"

#include "core/tags/button_tag.h"
#include "core/tags/digit_tag.h"
#include "core/tags/graph_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"
#include "core/tags/motor_tag.h"
#include "core/tags/pie_tag.h"

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

} // namespace core
