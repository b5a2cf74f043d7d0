// Frame bytes and BCC of the panel protocol, checked against hand-made frames.

#include "core/comm/frame_codec.h"

#include <gtest/gtest.h>

using namespace comm;

TEST(FrameCodec, EndRequestHasTheDocumentedBytes)
{
    EXPECT_EQ(buildRequest('y', 'B', {}), (util::Bytes{0x02, 0x79, 0x42, 0x00, 0xBB, 0x03}));
}

TEST(FrameCodec, BccIsTheSumFromMainToLastPayloadByteModulo65536)
{
    // 'r' 'S' address 0x0103FF length 0x0400: 72+53+01+03+FF+04+00 = 0x01CC.
    const util::Bytes frame = buildRequest('r', 'S', util::Bytes{0x01, 0x03, 0xFF, 0x04, 0x00});
    EXPECT_EQ(frame,
              (util::Bytes{0x02, 0x72, 0x53, 0x01, 0x03, 0xFF, 0x04, 0x00, 0x01, 0xCC, 0x03}));
    // A payload of 300 bytes of 0xFF wraps around 16 bits: 0x77 + 0x41 + 300 * 0xFF = 0x12B8C.
    const util::Bytes big = buildRequest('w', 'A', util::Bytes(300, 0xFF));
    EXPECT_EQ(frameBcc(big), 0x2B8C);
    EXPECT_EQ(big[big.size() - 3], 0x2B);
    EXPECT_EQ(big[big.size() - 2], 0x8C);
}

TEST(FrameCodec, ResponsesAndNaksEndWithEot)
{
    const std::uint8_t data[1] = {1};
    EXPECT_EQ(buildResponse('y', 'C', data),
              (util::Bytes{0x06, 0x79, 0x43, 0x01, 0x00, 0xBD, 0x04}));
    EXPECT_EQ(buildNak('w', 'S', NakAddress),
              (util::Bytes{0x15, 0x77, 0x53, 0x04, 0x00, 0xCE, 0x04}));
}

TEST(FrameCodec, ResponseCheckTellsFormatBccAndNakApart)
{
    util::Bytes ok{0x06, 0x79, 0x42, 0x00, 0xBB, 0x04};
    EXPECT_EQ(checkResponse(ok).result, FrameCheck::Ok);

    util::Bytes badLead = ok;
    badLead[0] = 0x02;
    EXPECT_EQ(checkResponse(badLead).result, FrameCheck::Format);
    util::Bytes badTrailer = ok;
    badTrailer.back() = 0x03;
    EXPECT_EQ(checkResponse(badTrailer).result, FrameCheck::Format);
    EXPECT_EQ(checkResponse(util::Bytes{0x06, 0x04}).result, FrameCheck::Format);

    util::Bytes badSum = ok;
    badSum[4] = 0xBC;
    const FrameCheckResult bcc = checkResponse(badSum);
    EXPECT_EQ(bcc.result, FrameCheck::Bcc);
    EXPECT_EQ(bcc.computed, 0x00BB);
    EXPECT_EQ(bcc.received, 0x00BC);

    EXPECT_EQ(checkResponse(buildNak('r', 'T', NakRtcRead)).result, FrameCheck::Nak);
    EXPECT_EQ(checkRequest(buildRequest('y', 'Z', util::Bytes{0xAA, 0x55})).result, FrameCheck::Ok);
    EXPECT_EQ(checkRequest(ok).result, FrameCheck::Format);
}

// A sound frame answering another request must not pass for this request's answer.
TEST(FrameCodec, AnswerCarriesTheLettersOfItsRequest)
{
    const util::Bytes data{0, 0, 0, 10, 0, 0};
    const util::Bytes screenArea = buildResponse('r', 'C', data);
    EXPECT_EQ(checkResponse(screenArea, 'r', 'C').result, FrameCheck::Ok);
    EXPECT_EQ(checkResponse(screenArea, 'r', 'G').result, FrameCheck::Letters);
    EXPECT_EQ(checkResponse(screenArea, 'w', 'C').result, FrameCheck::Letters);

    EXPECT_EQ(checkResponse(buildNak('w', 'S', NakAddress), 'w', 'S').result, FrameCheck::Nak);
    EXPECT_EQ(checkResponse(buildNak('w', 'S', NakAddress), 'w', 'G').result, FrameCheck::Letters);

    // Letters of a damaged frame mean nothing: the sum or the layout is reported first.
    util::Bytes badSum = screenArea;
    badSum[3] ^= 1;
    EXPECT_EQ(checkResponse(badSum, 'r', 'G').result, FrameCheck::Bcc);
    EXPECT_EQ(checkResponse(util::Bytes{0x06, 0x72}, 'r', 'G').result, FrameCheck::Format);
}

TEST(FrameCodec, AddressesAre24BitBigEndian)
{
    util::Bytes b(4, 0);
    setBe24(b, 1, 0x0708);
    EXPECT_EQ(b, (util::Bytes{0, 0x00, 0x07, 0x08}));
    EXPECT_EQ(be24(b, 1), 0x0708u);
    EXPECT_EQ(be24(b, 2), 0u); // runs past the end
}
