// The screen's operations reach the new kinds through their overrides: image changes, PLC type
// and station changes, input order, image-text numbering and message refresh.

#include "core/model/screen_data.h"
#include "core/tags/bmp_text_tag.h"
#include "core/tags/button_tag.h"
#include "core/tags/lamp_tag.h"
#include "core/tags/message_tag.h"
#include "core/tags/mobile_tag.h"

#include "tag_test_support.h"

using namespace core;
using namespace testing_tags;

using ScreenHookTest = TagTest;

TEST_F(ScreenHookTest, ScreenOperationsReachTheTags)
{
    CScreenData screen(1, nullptr, nullptr, &m_resources);
    auto lamp = std::make_unique<CLampTag>();
    lamp->Point().m_channel = 1;
    lamp->Point().m_second = "bad";
    CLampTag *lampPtr = lamp.get();
    ASSERT_EQ(screen.AddTag(std::move(lamp), false), kTagOk);

    auto mobile = std::make_unique<CMobileTag>();
    mobile->YPoint().m_channel = 1;
    CMobileTag *mobilePtr = mobile.get();
    ASSERT_EQ(screen.AddTag(std::move(mobile), false), kTagOk);

    screen.StationChanged(1, 5);
    EXPECT_EQ(lampPtr->Point().m_station, 5);
    EXPECT_EQ(mobilePtr->YPoint().m_station, 5);
    EXPECT_EQ(mobilePtr->XPoint().m_station, 0);
    screen.PlcTypeChanged(m_slots, true, false);
    EXPECT_EQ(lampPtr->Point().m_second, "0");

    AddImage(1000, 10, 10);
    EXPECT_TRUE(screen.ImageChanged(1000));
    EXPECT_EQ(lampPtr->Rect(), (CRect{0, 0, 10, 10}));
}

TEST_F(ScreenHookTest, ButtonsTakeInputNumbersAndImageTextsTheirIdentifiers)
{
    CScreenData screen(2);
    auto low = std::make_unique<CButtonTag>();
    low->MoveTo(0, 40);
    auto high = std::make_unique<CButtonTag>();
    high->MoveTo(100, 0);
    CButtonTag *lowPtr = low.get();
    CButtonTag *highPtr = high.get();
    ASSERT_EQ(screen.AddTag(std::move(low), false), kTagOk);
    ASSERT_EQ(screen.AddTag(std::move(high), false), kTagOk);
    screen.AssignInputOrder();
    EXPECT_EQ(highPtr->InputNumber(), 0);
    EXPECT_EQ(lowPtr->InputNumber(), 1);

    auto text = std::make_unique<CBmpTextTag>();
    CBmpTextTag *textPtr = text.get();
    ASSERT_EQ(screen.AddTag(std::move(text), false), kTagOk);
    std::uint32_t counter = 5000;
    screen.NumberBmpTextTags(counter);
    EXPECT_EQ(textPtr->ImageId(), 5000);
    EXPECT_EQ(counter, 5001u);
}

TEST_F(ScreenHookTest, MessageRefreshUsesTheGivenMessages)
{
    CScreenData screen(3);
    auto tag = std::make_unique<CMessageTag>();
    tag->AddEntry(0, 4);
    CMessageTag *ptr = tag.get();
    ASSERT_EQ(screen.AddTag(std::move(tag), false), kTagOk);
    CStrResMgr strings;
    ASSERT_EQ(strings.Add(4, "Pump"), 0);
    screen.RefreshMessageTags(strings);
    EXPECT_EQ(ptr->ShownText(), "Pump");
    EXPECT_EQ(ptr->Rect().Width(), 32);
}
