#include "util/messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

using namespace util;

TEST(Messages, KoreanTextsAndEnglishTranslation)
{
    EXPECT_EQ(messageText(52000, 0x412), "프로젝트명이 입력되지 않았습니다. 확인하시기 바랍니다.");
    EXPECT_EQ(messageText(52001, 0x412),
              "이 파일을 읽을 수 없습니다.\n이 프로그램과 호환되는 파일인지 확인하시기 바랍니다.");
    EXPECT_FALSE(messageText(52001, 1033).empty());
    EXPECT_NE(messageText(52001, 1033), messageText(52001, 0x412));
    EXPECT_TRUE(messageText(99999, 0x412).empty());
    EXPECT_FALSE(hasMessage(99999));
}

TEST(Messages, EveryMessageHasBothTexts)
{
    for (int id = 100; id < 54000; ++id) {
        if (!hasMessage(id))
            continue;
        EXPECT_FALSE(messageText(id, 0x412).empty()) << id;
        EXPECT_FALSE(messageText(id, 1033).empty()) << id;
    }
}

TEST(Messages, FormatsArguments)
{
    setMessageLanguage(0x412);
    EXPECT_EQ(formatMessage(50202, 0, 999),
              "입력가능한 주소범위는 0 ~ 999까지입니다. 확인하시기 바랍니다.");
    EXPECT_EQ(formatMessage(50401, "Const File: /x/menu.mnu"),
              "파일을 열 수 없습니다.[Const File: /x/menu.mnu]");
    setMessageLanguage(1033);
    EXPECT_EQ(formatMessage(51814, 192, 64),
              "The image is too large to preview. The largest possible image size is "
              "192(w) x 64(h).");
    setMessageLanguage(0x412);
}

// Code names messages through util/message_ids.h; a name whose number the table lacks would show
// an empty box.
TEST(Messages, EveryNamedNumberHasItsText)
{
    std::ifstream in(std::string(DORVANE_SOURCE_DIR) + "/src/util/message_ids.h");
    ASSERT_TRUE(in);
    std::stringstream text;
    text << in.rdbuf();
    const std::string header = text.str();
    const std::regex named(R"(constexpr int (k\w+) = (\d+);)");
    int count = 0;
    for (auto it = std::sregex_iterator(header.begin(), header.end(), named);
         it != std::sregex_iterator(); ++it, ++count)
        EXPECT_TRUE(hasMessage(std::stoi((*it)[2]))) << (*it)[1] << " = " << (*it)[2];
    EXPECT_GT(count, 80);
}
