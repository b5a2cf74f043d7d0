// The function-key dialog: function changes, the value rule, the record OK builds, sharing a key
// across screens, the tool tip and the overview.

#include "functions_test_support.h"

#include "core/functions/device_block.h"
#include "core/presenters/dlg_func_key.h"
#include "core/presenters/func_key_list_dlg.h"

#include "util/messages.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

class FuncKeys : public ::testing::Test
{
protected:
    fntest::Env t;
    CDlgFuncKey d{t.env};
};

} // namespace

TEST_F(FuncKeys, TitleAndControlsPerFunction)
{
    d.Load(2, CFuncKeyRecord::Default(), false);
    EXPECT_EQ(d.Title(), "[ 기능키 F3 ]");
    d.Load(4, CFuncKeyRecord::Default(), false);
    EXPECT_EQ(d.Title(), "[ 기능키 상(▲) ]");
    EXPECT_FALSE(d.Visible().address);
    EXPECT_FALSE(d.Visible().password);
    d.SetFunction(CFuncKeyRecord::kBitControl);
    EXPECT_TRUE(d.Visible().bitActions);
    EXPECT_TRUE(d.Visible().address);
    EXPECT_FALSE(d.Visible().value);
    EXPECT_EQ(d.BitAction(), CFuncKeyRecord::kBitMomentary);
    d.SetFunction(CFuncKeyRecord::kValueIncrease);
    EXPECT_TRUE(d.Visible().value && d.Visible().format && d.Visible().dataType
                && d.Visible().sign);
    EXPECT_EQ(d.ValueLabel(), "값 입력");
    d.SetFunction(CFuncKeyRecord::kScreenChange);
    EXPECT_TRUE(d.Visible().value && d.Visible().password);
    EXPECT_FALSE(d.Visible().address);
    EXPECT_EQ(d.ValueLabel(), "화면번호");
    EXPECT_EQ(CDlgFuncKey::FunctionNames().at(5), "화면전환");
}

TEST_F(FuncKeys, ChangingTheFunctionClearsAddressAndValue)
{
    d.SetFunction(CFuncKeyRecord::kValueSet);
    d.Address().ChooseChannel(1);
    d.Address().SetAddress("", "77");
    d.SetDataKind(kDataLong);
    d.SetSigned(true);
    d.ValueFocusLost("-40");
    d.SetFunction(CFuncKeyRecord::kValueSet); // the same function changes nothing
    EXPECT_EQ(d.ValueText(), "-40");
    d.SetFunction(CFuncKeyRecord::kValueDecrease);
    EXPECT_EQ(d.ValueText(), "0");
    EXPECT_EQ(d.Address().Addr().channel, 0);
    EXPECT_EQ(d.Address().Text(), "0");
    EXPECT_EQ(d.Type().kind, kDataWord);
    EXPECT_EQ(d.Type().format, kFormatDec);
    EXPECT_FALSE(d.Type().isSigned);
}

TEST_F(FuncKeys, ValueRule)
{
    d.SetFunction(CFuncKeyRecord::kScreenChange);
    EXPECT_TRUE(d.ValueFocusLost("999"));
    EXPECT_FALSE(d.ValueFocusLost("1000"));
    EXPECT_EQ(t.prompt.last(), 52601);
    EXPECT_FALSE(d.ValueFocusLost("-1"));
    EXPECT_FALSE(d.Ok());
    d.SetFunction(CFuncKeyRecord::kValueSet);
    EXPECT_TRUE(d.ValueFocusLost("65535"));
    EXPECT_FALSE(d.ValueFocusLost("65536"));
    d.SetFormat(kFormatHex);
    EXPECT_FALSE(d.SignedEnabled());
    EXPECT_TRUE(d.ValueFocusLost("FFFF"));
    d.SetFunction(CFuncKeyRecord::kBitControl);
    EXPECT_TRUE(d.Ok()); // bit control takes no value
}

TEST_F(FuncKeys, OkBuildsTheRecord)
{
    d.SetFunction(CFuncKeyRecord::kValueSet);
    d.SetDataKind(kDataWord);
    d.SetSigned(true);
    d.ValueFocusLost("-1");
    d.SetPassword(true);
    d.Address().ChooseChannel(1);
    d.Address().SetAddress("", "300");
    ASSERT_TRUE(d.Ok());
    const CFuncKeyRecord &r = d.Held();
    const auto &raw = r.Bytes();
    EXPECT_EQ(r.Function(), CFuncKeyRecord::kValueSet);
    EXPECT_EQ(r.Value(), 0xFFFFFFFFu);
    EXPECT_TRUE(r.Password());
    EXPECT_EQ(devblock::fieldText(raw, 0), "300");
    EXPECT_EQ(util::le16(raw, 40), 2);
    EXPECT_EQ(util::le16(raw, 44), 1);
    EXPECT_EQ(util::le16(raw, 46), 1);
    EXPECT_EQ(util::le32(raw, 50), 0xFFFF8000u);
    EXPECT_EQ(util::le32(raw, 54), 32767u);
    EXPECT_EQ(util::le16(raw, 58), 1);
    EXPECT_EQ(util::le16(raw, 60), 5);
    EXPECT_EQ(CDlgFuncKey::Describe(t.env, r), "값 설정: 1-5-300 = -1");

    d.SetFunction(CFuncKeyRecord::kBitControl);
    d.Address().SetAddress("", "3C");
    d.SetBitAction(CFuncKeyRecord::kBitToggle);
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Held().Value(), 2u);
    EXPECT_EQ(util::le16(d.Held().Bytes(), 40), 1);
    EXPECT_EQ(util::le16(d.Held().Bytes(), 42), 12);
    EXPECT_EQ(CDlgFuncKey::Describe(t.env, d.Held()), "비트제어: 0-0-3C = 반전");

    // Opening the dialog on the built record shows it again.
    CDlgFuncKey again(t.env);
    again.Load(1, d.Held(), false);
    EXPECT_EQ(again.Function(), CFuncKeyRecord::kBitControl);
    EXPECT_EQ(again.BitAction(), CFuncKeyRecord::kBitToggle);
    EXPECT_EQ(again.Address().Text(), "3C");
}

TEST_F(FuncKeys, AnAddressTheDriverRefusesKeepsTheDialogOpen)
{
    d.Load(0, CFuncKeyRecord::Default(), false);
    d.SetFunction(CFuncKeyRecord::kValueSet);
    ASSERT_TRUE(d.ValueFocusLost("100"));
    d.Address().ChooseChannel(1);
    d.Address().SetAddress("", "XYZ");
    EXPECT_FALSE(d.Ok());
    EXPECT_EQ(t.prompt.shown, std::vector<int>{52350});
    // Mended, the same key is accepted.
    d.Address().SetAddress("", "40");
    EXPECT_TRUE(d.Ok());
}

TEST_F(FuncKeys, DescriptionOfScreenChangeAndUnusedKeys)
{
    EXPECT_EQ(CDlgFuncKey::Describe(t.env, CFuncKeyRecord::Default()), "사용안함");
    d.SetFunction(CFuncKeyRecord::kScreenChange);
    d.ValueFocusLost("12");
    ASSERT_TRUE(d.Ok());
    EXPECT_EQ(d.Held().Value(), 12u);
    EXPECT_EQ(CDlgFuncKey::Describe(t.env, d.Held()), "화면전환: 화면번호 = 12");
}

TEST_F(FuncKeys, SharedKeyAsksFirstAndReachesEveryScreen)
{
    fntest::Project p;
    for (std::uint16_t n : {0, 3, 7})
        ASSERT_EQ(p.doc.AddScreen(n), kScreenOk);
    CScreenData &current = *p.doc.FindScreen(3);

    d.Load(5, CFuncKeyRecord(current.FunctionKey(5)), p.doc.IsCommonKey(5));
    EXPECT_TRUE(d.SettingsEnabled());
    d.SetFunction(CFuncKeyRecord::kScreenChange);
    d.ValueFocusLost("7");
    d.SetApplyAll(true);
    t.prompt.answers = {false};
    EXPECT_FALSE(d.Ok()); // declined: the dialog stays, nothing is stored
    EXPECT_EQ(t.prompt.asked.back(), 51915);
    t.prompt.answers = {true};
    ASSERT_TRUE(d.Ok());
    d.Store(p.doc, current);
    EXPECT_TRUE(p.doc.IsCommonKey(5));
    for (const auto &screen : p.doc.Screens())
        EXPECT_EQ(CFuncKeyRecord(screen->FunctionKey(5)).Value(), 7u) << screen->Number();

    // Opening a shared key disables the settings until the box is touched.
    d.Load(5, CFuncKeyRecord(current.FunctionKey(5)), p.doc.IsCommonKey(5));
    EXPECT_TRUE(d.ApplyAll());
    EXPECT_FALSE(d.SettingsEnabled());
    d.SetApplyAll(false);
    EXPECT_TRUE(d.SettingsEnabled());
    d.ValueFocusLost("9");
    ASSERT_TRUE(d.Ok());
    d.Store(p.doc, current);
    EXPECT_FALSE(p.doc.IsCommonKey(5));
    EXPECT_EQ(CFuncKeyRecord(current.FunctionKey(5)).Value(), 9u);
    EXPECT_EQ(CFuncKeyRecord(p.doc.FindScreen(0)->FunctionKey(5)).Value(), 7u);
}

TEST_F(FuncKeys, OverviewRows)
{
    CFuncKeyListDlg::Keys keys;
    keys.fill(CFuncKeyRecord::Default().Bytes());
    d.SetFunction(CFuncKeyRecord::kScreenChange);
    d.ValueFocusLost("42");
    ASSERT_TRUE(d.Ok());
    keys[1] = d.Held().Bytes();
    const auto rows = CFuncKeyListDlg::Rows(t.env, keys);
    ASSERT_EQ(rows.size(), 8u + 2u);
    EXPECT_EQ(rows[0].label, "[ 기능키 F1 ]");
    EXPECT_EQ(rows[0].value, "사용안함");
    EXPECT_TRUE(rows[1].title);
    EXPECT_EQ(rows[2].label, "화면번호");
    EXPECT_EQ(rows[2].value, "42");
    EXPECT_EQ(CFuncKeyListDlg::Caption("기능키 리스트", "화면0", 0),
              "기능키 리스트 : 화면0 ( ID = 0 )");
}

// Every label of a value key comes from the message table, in the resource language.
TEST_F(FuncKeys, OverviewLabelsFollowTheResourceLanguage)
{
    CFuncKeyListDlg::Keys keys;
    keys.fill(CFuncKeyRecord::Default().Bytes());
    d.SetFunction(CFuncKeyRecord::kValueSet);
    d.Address().ChooseChannel(1);
    d.Address().SetAddress("", "77");
    d.ValueFocusLost("5");
    ASSERT_TRUE(d.Ok());
    keys[0] = d.Held().Bytes();
    const auto labels = [&] {
        std::vector<std::string> out;
        for (const auto &row : CFuncKeyListDlg::Rows(t.env, keys))
            if (!row.title && out.size() < 8)
                out.push_back(row.label);
        return out;
    };
    EXPECT_EQ(labels(),
              (std::vector<std::string>{"값 입력", "채널", "국번", "주소값", "암호 사용", "크기",
                                        "진법", "부호"}));
    util::setMessageLanguage(util::kResEnglish);
    const auto english = labels();
    util::setMessageLanguage(0x412);
    EXPECT_EQ(english,
              (std::vector<std::string>{"Value", "Channel", "Station", "Address", "Password",
                                        "Size", "Radix", "Signed"}));
}
