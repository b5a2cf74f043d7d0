// The link's texts travel as codes and are finished once, in the language of whoever shows them:
// every code has its Korean and English text, English texts hold no Hangul, values are put in
// once (a value that holds a marker stays as it is), and composed texts (an area's failure, a
// NAK's reason, the panel clock) come out whole in either language.

#include "core/comm/comm_text.h"
#include "core/comm/comm_thread.h"
#include "core/comm/progress_model.h"
#include "fake_ui.h"

#include <gtest/gtest.h>

#include <string>

using namespace comm;
using testsupport::english;
using testsupport::korean;

namespace {

// UTF-8 Hangul syllables and jamo (U+1100-U+11FF, U+3130-U+318F, U+AC00-U+D7AF).
bool hasHangul(const std::string &text)
{
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        if ((b0 >= 0xEA && b0 <= 0xED) || (b0 == 0xE1 && b1 >= 0x84 && b1 <= 0x87)
            || (b0 == 0xE3 && b1 >= 0x84 && b1 <= 0x86))
            return true;
    }
    return false;
}

// The Latin words of a text, as they stand.
std::vector<std::string> latinWords(const std::string &text)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + " ") {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

CommTextId idAt(std::size_t i)
{
    return static_cast<CommTextId>(i);
}

// What the progress window and the command line show when the worker reports that the block of
// area `sub` failed with the link error `error` (class << 16 | detail).
CommText blockFailure(char sub, std::uint32_t error, bool download)
{
    const CCommThread link;
    CProgressModel model;
    model.setDownload(download);
    COMM_CMD command;
    command.main = download ? 'w' : 'r';
    command.sub = std::uint8_t(sub);
    CommMessage failed;
    failed.message = WM_COMM_SENDFAIL;
    failed.command = &command;
    failed.error = error;
    const std::optional<CommText> shown = model.onMessage(link, failed);
    EXPECT_EQ(model.result(), ProgressResult::Failed);
    return shown.value_or(CommText());
}

std::uint32_t nak(std::uint16_t code)
{
    return (std::uint32_t(ErrNak) << 16) | code;
}

} // namespace

TEST(CommText, EveryCodeHasAKoreanTextAndAnEnglishOneWithoutHangul)
{
    for (std::size_t i = 0; i < kCommTextCount; ++i) {
        const std::string_view ko = commFormat(idAt(i), CommLanguage::Korean);
        const std::string en(commFormat(idAt(i), CommLanguage::English));
        EXPECT_FALSE(ko.empty()) << i;
        EXPECT_FALSE(hasHangul(en)) << i << ": " << en;
        if (!isLanguageNeutral(idAt(i))) {
            EXPECT_NE(ko, en) << i;
        }
    }
    // The neutral ones are compositions and names, with nothing to translate.
    for (const CommTextId neutral :
         {CommTextId::Plain, CommTextId::FontFile, CommTextId::ClockReading})
        EXPECT_TRUE(isLanguageNeutral(neutral));
}

TEST(CommText, AreaNamesAreKoreanInKoreanAndEnglishInEnglish)
{
    const CCommThread link;
    for (const char sub : {'A', 'C', 'F', 'G', 'P', 'R', 'S', 'T'}) {
        const CommText name = link.GetAreaName(std::uint8_t(sub));
        EXPECT_TRUE(latinWords(korean(name)).empty()) << sub << ": " << korean(name);
        EXPECT_FALSE(hasHangul(english(name))) << sub;
    }
    // The constant area is named like the others.
    EXPECT_EQ(korean(link.GetAreaName('P')), "상수");
    EXPECT_EQ(english(link.GetAreaName('P')), "constant");
    EXPECT_EQ(english(link.GetAreaName('Z')), "drivers: ch1_nouse.drv, ch2_nouse.drv");
}

TEST(CommText, ValuesArePutInOnceAndInTheSameLanguage)
{
    const CommText nak = CCommThread::ErrorText((std::uint32_t(ErrNak) << 16) | 2);
    EXPECT_EQ(korean(nak), "NAK 수신 : Command 에러");
    EXPECT_EQ(english(nak), "NAK received: Command error");
    const CommText failed(CommTextId::CommFailed, {CommTextId::AreaGlobal});
    EXPECT_EQ(korean(failed), "통신실패\r\n\r\n글로벌 송수신에 실패했습니다.");
    EXPECT_EQ(english(failed),
              "Communication failed\r\n\r\nSending/receiving the global area failed.");
    // A file name with a marker of its own is shown as it is.
    const CommText file(CommTextId::CannotOpenFile,
                        {{CommTextId::FontFile, {CommText::of("/tmp/%s%d.BMA")}}});
    EXPECT_EQ(korean(file), "파일을 열 수 없습니다.[Font File: /tmp/%s%d.BMA]");
    EXPECT_EQ(english(file), "Cannot open the file. [Font File: /tmp/%s%d.BMA]");
    const CommText line(CommTextId::MissingDriverLine,
                        {CommText::of("2"), CommText::of("MODBUS.drv")});
    EXPECT_EQ(korean(line), "채널2: 파일명[MODBUS.drv]");
    EXPECT_EQ(english(line), "Channel 2: file name [MODBUS.drv]");
    // A missing value leaves its marker empty rather than reading past the values.
    EXPECT_EQ(korean(CommText(CommTextId::ErrNak)), "NAK 수신 : ");
}

TEST(CommText, WeekdaysComeFromOneTableInTheShowingLanguage)
{
    const char *const ko[] = {"일", "월", "화", "수", "목", "금", "토"};
    const char *const en[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    for (unsigned d = 0; d < 7; ++d) {
        EXPECT_EQ(korean(weekdayText(d)), ko[d]);
        EXPECT_EQ(english(weekdayText(d)), en[d]);
    }
    EXPECT_TRUE(weekdayText(7).empty());
}

TEST(CommText, ResourceLanguage1033IsEnglishEveryOtherKorean)
{
    EXPECT_EQ(commLanguageOf(1033), CommLanguage::English);
    EXPECT_EQ(commLanguageOf(0x412), CommLanguage::Korean);
    EXPECT_EQ(commLanguageOf(0x411), CommLanguage::Korean);
    EXPECT_EQ(commTextIn(CommTextId::ErrTimeout, std::uint16_t(1033)), "Time-out error.");
    EXPECT_EQ(commTextIn(CommTextId::ErrTimeout, std::uint16_t(0x412)), "타임아웃 에러입니다.");
}

// What the progress window shows when the panel answers a download's block with a NAK: which
// area was being sent and the reason, wholly in one language. Korean keeps only the panel's
// protocol names in Latin letters.
TEST(CommText, NakDuringADownloadReadsInOneLanguage)
{
    for (const char sub : {'P', 'G', 'R', 'S', 'C'})
        for (std::uint16_t code = 0; code < 8; ++code) {
            const CommText shown = blockFailure(sub, nak(code), true);
            EXPECT_FALSE(hasHangul(english(shown))) << english(shown);
            for (const std::string &word : latinWords(korean(shown)))
                EXPECT_TRUE(word == "NAK" || word == "BCC" || word == "Frame" || word == "Command"
                            || word == "Sub" || word == "Address" || word == "RTC" || word == "Read"
                            || word == "Write" || word == "HMI")
                        << word << " in " << korean(shown);
        }
    const CommText constantNak = blockFailure('P', nak(2), true);
    EXPECT_EQ(korean(constantNak),
              "상수 영역을 패널로 보내는 중에 통신이 실패했습니다.\r\nNAK 수신 : Command 에러");
    EXPECT_EQ(english(constantNak),
              "Sending the constant area to the panel failed.\r\nNAK received: Command error");
}

// A failed block reads as a sentence that says which way the area went and what the panel did;
// the link's own error text stays word for word on the line under it.
TEST(CommText, AFailedBlockIsASentenceAroundTheLinksErrorText)
{
    const std::uint32_t timeout = std::uint32_t(ErrTimeout) << 16;
    EXPECT_EQ(english(blockFailure('R', timeout, true)),
              "The panel did not answer while the image area was being sent.\r\nTime-out error.");
    EXPECT_EQ(korean(blockFailure('R', timeout, true)),
              "이미지 영역을 보내는 중에 패널이 응답하지 않았습니다.\r\n타임아웃 에러입니다.");
    EXPECT_EQ(english(blockFailure('G', timeout, false)),
              "The panel did not answer while the global area was being received.\r\nTime-out "
              "error.");
    EXPECT_EQ(english(blockFailure('S', std::uint32_t(ErrFrame) << 16, false)),
              "Receiving the string area from the panel failed.\r\nFrame error");

    // An erased panel has no project to upload, whichever area was asked for first.
    const std::uint32_t erased = std::uint32_t(ErrErased) << 16;
    for (const char sub : {'G', 'C', 'R', 'S'}) {
        EXPECT_EQ(english(blockFailure(sub, erased, false)),
                  "The panel holds no project.\r\nThe memory is erased.");
        EXPECT_EQ(korean(blockFailure(sub, erased, false)),
                  "패널에 프로젝트가 없습니다.\r\n메모리가 지워져 있습니다.");
    }

    // Without an error code the link's own failure text names the area.
    EXPECT_EQ(korean(blockFailure('G', 0, false)), "통신실패\r\n\r\n글로벌 송수신에 실패했습니다.");
}
