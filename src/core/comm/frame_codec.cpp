#include "core/comm/frame_codec.h"

namespace comm {

namespace {

util::Bytes buildFrame(std::uint8_t lead, std::uint8_t main, std::uint8_t sub,
                       util::ConstByteSpan body, std::uint8_t trailer)
{
    util::Bytes frame;
    frame.reserve(body.size() + kFrameOverhead);
    frame.push_back(lead);
    frame.push_back(main);
    frame.push_back(sub);
    frame.insert(frame.end(), body.begin(), body.end());
    frame.push_back(0);
    frame.push_back(0);
    frame.push_back(trailer);
    util::setBe16(frame, frame.size() - 3, frameBcc(frame));
    return frame;
}

FrameCheckResult check(util::ConstByteSpan frame, bool request)
{
    FrameCheckResult out;
    if (frame.size() < kFrameOverhead)
        return out;
    const std::uint8_t first = frame.front();
    const bool leadOk = request ? first == kStx : (first == kAck || first == kNak);
    if (!leadOk || frame.back() != (request ? kEtx : kEot))
        return out;
    out.computed = frameBcc(frame);
    out.received = util::be16(frame, frame.size() - 3);
    if (out.computed != out.received)
        out.result = FrameCheck::Bcc;
    else
        out.result = first == kNak ? FrameCheck::Nak : FrameCheck::Ok;
    return out;
}

} // namespace

std::uint16_t frameBcc(util::ConstByteSpan frame)
{
    if (frame.size() < kFrameOverhead)
        return 0;
    std::uint16_t sum = 0;
    for (std::size_t i = 1; i + 3 < frame.size(); ++i)
        sum = static_cast<std::uint16_t>(sum + frame[i]);
    return sum;
}

util::Bytes buildRequest(std::uint8_t main, std::uint8_t sub, util::ConstByteSpan payload)
{
    return buildFrame(kStx, main, sub, payload, kEtx);
}

util::Bytes buildResponse(std::uint8_t main, std::uint8_t sub, util::ConstByteSpan data)
{
    return buildFrame(kAck, main, sub, data, kEot);
}

util::Bytes buildNak(std::uint8_t main, std::uint8_t sub, std::uint8_t code)
{
    const std::uint8_t body[1] = {code};
    return buildFrame(kNak, main, sub, body, kEot);
}

FrameCheckResult checkResponse(util::ConstByteSpan frame)
{
    return check(frame, false);
}

FrameCheckResult checkResponse(util::ConstByteSpan frame, std::uint8_t main, std::uint8_t sub)
{
    FrameCheckResult out = check(frame, false);
    // Letters are trusted only once the sum says the frame arrived as sent.
    const bool sound = out.result == FrameCheck::Ok || out.result == FrameCheck::Nak;
    if (sound && (frame[1] != main || frame[2] != sub))
        out.result = FrameCheck::Letters;
    return out;
}

FrameCheckResult checkRequest(util::ConstByteSpan frame)
{
    return check(frame, true);
}

std::uint32_t be24(util::ConstByteSpan data, std::size_t offset)
{
    if (offset + 3 > data.size())
        return 0;
    return (std::uint32_t{data[offset]} << 16) | (std::uint32_t{data[offset + 1]} << 8)
            | data[offset + 2];
}

void setBe24(util::ByteSpan data, std::size_t offset, std::uint32_t value)
{
    if (offset + 3 > data.size())
        return;
    data[offset] = static_cast<std::uint8_t>(value >> 16);
    data[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    data[offset + 2] = static_cast<std::uint8_t>(value);
}

} // namespace comm
