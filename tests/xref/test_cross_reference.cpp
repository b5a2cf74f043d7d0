// The cross-reference of the demo project against what its screens and lists hold, written out
// by hand from demo/demo_project.json; and points that share memory naming each other.

#include "test_demo_fixture.h"

#include "core/functions/calc_record.h"
#include "core/functions/device_addr.h"
#include "core/xref/address_span.h"
#include "core/xref/cross_reference.h"
#include "core/xref/xref_text.h"

#include <algorithm>

using namespace core;
using namespace core::xref;

namespace {

struct Expected
{
    UserKind kind;
    UserRole role;
    std::uint16_t screen;
    std::size_t index;
    Access access;
};

void expectUsers(const PointEntry &point, const std::vector<Expected> &expected)
{
    ASSERT_EQ(point.users.size(), expected.size()) << point.text;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const User &u = point.users[i];
        const Expected &e = expected[i];
        EXPECT_EQ(u.kind, e.kind) << point.text << " user " << i;
        EXPECT_EQ(u.role, e.role) << point.text << " user " << i;
        EXPECT_EQ(u.screen, e.screen) << point.text << " user " << i;
        EXPECT_EQ(u.index, e.index) << point.text << " user " << i;
        EXPECT_EQ(u.access, e.access) << point.text << " user " << i;
    }
}

class CrossReferenceDemo : public xreftest::DemoTest
{
protected:
    const PointEntry &Point(const CCrossReference &x, const char *text)
    {
        const auto found = x.Find(text);
        EXPECT_TRUE(found) << text;
        static const PointEntry none;
        return found ? x.Points()[*found] : none;
    }
};

TEST_F(CrossReferenceDemo, ListsEveryUserOfAPointWithItsAccess)
{
    const auto x = CCrossReference::Build(*m_doc);
    // Keys Up and Down of screen 1 step the set point that its second numeric tag enters and the
    // first calculation reads.
    const PointEntry &setPoint = Point(x, "1-1-4x6");
    expectUsers(setPoint,
                {{UserKind::FunctionKey, UserRole::Target, 1, 4, kWrite},
                 {UserKind::FunctionKey, UserRole::Target, 1, 5, kWrite},
                 {UserKind::Tag, UserRole::Point, 1, 1, kWrite},
                 {UserKind::Calculation, UserRole::Operand1, 0, 0, kRead}});
    EXPECT_EQ(setPoint.access, kReadWrite);
    EXPECT_EQ(setPoint.addrKind, kAddrWord);

    // The calculation's result lands in panel word 105, which screen 4 shows.
    expectUsers(Point(x, "0-0-105"),
                {{UserKind::Tag, UserRole::Point, 4, 2, kRead},
                 {UserKind::Calculation, UserRole::Result, 0, 0, kWrite}});
    // A lamp and the first alarm watch the same input.
    expectUsers(Point(x, "1-1-1x2"),
                {{UserKind::Tag, UserRole::Point, 3, 0, kRead},
                 {UserKind::Alarm, UserRole::Target, 0, 0, kRead}});
    // The block transfer reads four PLC words into panel word 100 on.
    expectUsers(Point(x, "0-0-100"), {{UserKind::Transfer, UserRole::PanelBlock, 0, 0, kWrite}});
    expectUsers(Point(x, "1-1-0x3"),
                {{UserKind::Tag, UserRole::Point, 4, 3, kWrite},
                 {UserKind::Reservation, UserRole::Target, 0, 0, kWrite}});
    // The moving tag's two points are two users of two points.
    expectUsers(Point(x, "1-1-4x8"), {{UserKind::Tag, UserRole::XPoint, 2, 13, kRead}});
    expectUsers(Point(x, "1-1-4x9"), {{UserKind::Tag, UserRole::YPoint, 2, 13, kRead}});
}

TEST_F(CrossReferenceDemo, NamesPanelWordsAndListsMessagesAndImages)
{
    const auto x = CCrossReference::Build(*m_doc);
    EXPECT_EQ(Point(x, "0-0-900").systemName, "RTC_C_Y");
    EXPECT_EQ(Point(x, "rtc_c_y").text, "0-0-900");
    EXPECT_EQ(Point(x, "0-0-120").addrKind, kAddrDWord);

    ASSERT_EQ(x.Messages().size(), 4u);
    for (const ResourceEntry &m : x.Messages()) {
        ASSERT_EQ(m.users.size(), 2u) << m.id;
        EXPECT_EQ(m.users[0].screen, 0);
        EXPECT_EQ(m.users[0].index, 4u);
        EXPECT_EQ(m.users[1].screen, 2);
        EXPECT_EQ(m.users[0].role, UserRole::Shows);
    }
    ASSERT_FALSE(x.Images().empty());
    EXPECT_EQ(x.Images().front().id, 1000u);
    EXPECT_EQ(x.Images().front().users.size(), 6u);
}

TEST_F(CrossReferenceDemo, FiltersByTextChannelAndKind)
{
    const auto x = CCrossReference::Build(*m_doc);
    const auto texts = [&](const XrefFilter &f) {
        std::vector<std::string> out;
        for (std::size_t i : x.Filtered(f))
            out.push_back(x.Points()[i].text);
        return out;
    };
    EXPECT_EQ(texts({"", std::nullopt, UserKind::Alarm}),
              (std::vector<std::string>{"1-1-1x2", "1-1-1x3", "1-1-1x4", "1-1-1x5"}));
    EXPECT_EQ(texts({"rtc_s", 0, std::nullopt}), (std::vector<std::string>{"0-0-905"}));
    EXPECT_TRUE(texts({"4x", 0, std::nullopt}).empty());
    EXPECT_EQ(texts({"", 1, UserKind::Transfer}), (std::vector<std::string>{"1-1-4x1"}));
}

TEST_F(CrossReferenceDemo, PointsSharingMemoryNameEachOther)
{
    // Panel word 121 and bit A of word 120 both lie inside the double word at 120.
    const auto uses = addressUses(*m_doc);
    const auto result = std::find_if(uses.begin(), uses.end(), [](const AddressUse &u) {
        return u.user.kind == UserKind::Calculation && u.user.role == UserRole::Result;
    });
    const auto alarm = std::find_if(uses.begin(), uses.end(), [](const AddressUse &u) {
        return u.user.kind == UserKind::Alarm;
    });
    ASSERT_NE(result, uses.end());
    ASSERT_NE(alarm, uses.end());
    ASSERT_TRUE(writeAddress(*m_doc, *result, {0, 0, "", "121"}));
    ASSERT_TRUE(writeAddress(*m_doc, *alarm, {0, 0, "", "120A"}));

    const auto x = CCrossReference::Build(*m_doc);
    const auto textsOf = [&](const PointEntry &p) {
        std::vector<std::string> out;
        for (std::size_t i : p.overlaps)
            out.push_back(x.Points()[i].text + (x.Points()[i].addrKind == kAddrDWord ? " dw" : ""));
        return out;
    };
    EXPECT_EQ(textsOf(Point(x, "0-0-120")), (std::vector<std::string>{"0-0-120A", "0-0-121"}));
    EXPECT_EQ(textsOf(Point(x, "0-0-121")), (std::vector<std::string>{"0-0-120 dw"}));
    EXPECT_EQ(textsOf(Point(x, "0-0-120A")), (std::vector<std::string>{"0-0-120 dw"}));
    EXPECT_TRUE(Point(x, "0-0-105").overlaps.empty());
    // The transfer fills four panel words from 100 on: the trend graph reads the second.
    EXPECT_EQ(Point(x, "0-0-100").words, 4);
    EXPECT_EQ(textsOf(Point(x, "0-0-100")), (std::vector<std::string>{"0-0-101"}));
}

TEST(AddressSpan, PlacesBitsByTheDriversNumbering)
{
    const CPlcSlots slots; // the panel's own rules only
    const auto span = [&](const char *number, std::int32_t kind) {
        return addressSpan(slots, {0, 0, "", number}, kind);
    };
    ASSERT_TRUE(span("12A", kAddrBit));
    EXPECT_EQ(span("12A", kAddrBit)->first, 12u * 16 + 10);
    EXPECT_EQ(span("F", kAddrBit)->first, 15u);
    EXPECT_TRUE(span("99", kAddrDWord)->Overlaps(*span("1005", kAddrBit)));
    EXPECT_FALSE(span("99", kAddrDWord)->Overlaps(*span("101", kAddrWord)));
    EXPECT_FALSE(span("100", kAddrWord)->Overlaps(*span("1015", kAddrBit)));
    EXPECT_FALSE(span("x1", kAddrWord));
    // Another station is other memory.
    EXPECT_FALSE(
            addressSpan(slots, {0, 1, "", "100"}, kAddrWord)->Overlaps(*span("100", kAddrWord)));
}

TEST_F(CrossReferenceDemo, ModbusCoilsAreCountedBitByBit)
{
    const CPlcDrv &modbus = m_doc->Slots().slot(1);
    EXPECT_FALSE(bitDigitNumbering(modbus, "0x"));
    const auto coil = addressSpan(m_doc->Slots(), {1, 1, "0x", "17"}, kAddrBit);
    ASSERT_TRUE(coil);
    EXPECT_TRUE(coil->plainBits);
    EXPECT_EQ(coil->word, 17u);

    std::string area, number;
    EXPECT_TRUE(splitAddressText(modbus, "4X100", area, number));
    EXPECT_EQ(area, "4x");
    EXPECT_EQ(number, "100");
    EXPECT_FALSE(splitAddressText(modbus, "D100", area, number));
}

TEST_F(CrossReferenceDemo, UsersReadInTheMessageLanguage)
{
    User tag{UserKind::Tag, UserRole::Point, 3, 0, 3, {0, 16, 24, 40}, kRead};
    EXPECT_EQ(userText(tag), "screen 3, tag 1 (Lamp at 0, 16)");
    EXPECT_EQ(userText({UserKind::Calculation, UserRole::Operand2, 0, 1}),
              "calculation 2, operand 2");
    tag.role = UserRole::YPoint;
    EXPECT_EQ(userText(tag), "screen 3, tag 1 (Lamp at 0, 16), y address");
    EXPECT_EQ(kindFromWord("transfer"), UserKind::Transfer);
    EXPECT_FALSE(kindFromWord("Transfer"));
    EXPECT_EQ(accessText(kReadWrite), "R/W");
}

} // namespace
