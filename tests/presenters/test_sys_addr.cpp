// The address entry dialog's logic: areas from the driver, the panel's named system addresses
// and the checks of OK.

#include "params_test_support.h"

#include "core/functions/device_addr.h"
#include "core/presenters/sys_addr_dlg.h"
#include "util/messages.h"

#include <gtest/gtest.h>

using namespace core;
using plctest::RecordingPrompt;

namespace {

class AddressEntry : public ::testing::Test
{
protected:
    AddressEntry()
    {
        m_slots.BindChannel(1, m_folder.config.plcList(1), plctest::kModbusType, 0,
                            m_folder.config.protocolsDir());
    }
    CSysAddrDlg panel(std::int32_t kind, bool mustWrite, const std::string &number)
    {
        return CSysAddrDlg(m_slots, m_prompt, 0, kind, mustWrite, "", number);
    }

    plctest::ProgramFolder m_folder{"sysaddr"};
    CPlcSlots m_slots;
    RecordingPrompt m_prompt;
};

TEST_F(AddressEntry, SystemWordIsRefusedForWritablePointAndNamedForReadOnly)
{
    CSysAddrDlg writable = panel(kAddrWord, true, "0");
    EXPECT_FALSE(writable.SystemEnabled());
    EXPECT_FALSE(writable.AreaEnabled());
    writable.SetNumberText("950");
    EXPECT_FALSE(writable.Ok());
    EXPECT_EQ(m_prompt.shown, std::vector<int>{52350});
    writable.SetNumberText("899");
    EXPECT_TRUE(writable.Ok());

    CSysAddrDlg readOnly = panel(kAddrWord, false, "0");
    ASSERT_EQ(readOnly.SystemNames().size(), 52u);
    readOnly.SetNumberText("950");
    EXPECT_EQ(readOnly.SystemNames()[std::size_t(readOnly.SystemIndex())], "CALC_L_ERR");
    ASSERT_TRUE(readOnly.Ok());
    EXPECT_EQ(readOnly.Number(), "950");
    EXPECT_EQ(readOnly.DisplayText(), "CALC_L_ERR");
    EXPECT_EQ(m_prompt.shown.size(), 1u);
}

TEST_F(AddressEntry, BitAddressSelectsTheSystemWordOfItsWordPart)
{
    CSysAddrDlg dlg = panel(kAddrBit, false, "900A");
    ASSERT_EQ(dlg.SystemIndex(), 0);
    EXPECT_EQ(dlg.SystemNames()[0], "RTC_C_Y");
    EXPECT_EQ(panel(kAddrBit, false, "9000").SystemIndex(), 0);
    EXPECT_EQ(panel(kAddrBit, false, "90").SystemIndex(), -1); // word 9

    // A typed bit of a system word keeps its bit digit on OK.
    dlg.SetNumberText("9003");
    EXPECT_EQ(dlg.SystemIndex(), 0);
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Number(), "9003");
    EXPECT_EQ(dlg.DisplayText(), "RTC_C_Y");

    // Choosing a name gives its word with bit 0.
    dlg.SelectSystem(28); // KEY_F1, 928
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Number(), "9280");
    EXPECT_EQ(dlg.DisplayText(), "KEY_F1");
}

TEST_F(AddressEntry, PanelNumbersAreCheckedAndNormalised)
{
    CSysAddrDlg bit = panel(kAddrBit, true, "0");
    bit.SetNumberText("12a");
    ASSERT_TRUE(bit.Ok());
    EXPECT_EQ(bit.Number(), "12A");
    bit.SetNumberText("9001"); // bit 1 of RTC_C_Y: the panel's own word
    EXPECT_FALSE(bit.Ok());

    // Double words have no system names; 1000 is past the panel memory.
    CSysAddrDlg dword = panel(kAddrDWord, false, "0");
    EXPECT_FALSE(dword.SystemEnabled());
    CSysAddrDlg word = panel(kAddrWord, false, "0");
    word.SetNumberText("1000");
    EXPECT_FALSE(word.Ok());
    EXPECT_EQ(m_prompt.shown, (std::vector<int>{52350, 52350}));
}

TEST_F(AddressEntry, PlcAreasComeFromTheDriverWithoutReadOnlyOnesForWrites)
{
    const CSysAddrDlg write(m_slots, m_prompt, 1, kAddrBit, true, "0x", "1");
    EXPECT_TRUE(write.AreaEnabled());
    EXPECT_FALSE(write.SystemEnabled());
    EXPECT_EQ(write.Areas(), std::vector<std::string>{"0x"});

    CSysAddrDlg read(m_slots, m_prompt, 1, kAddrBit, false, "1X", "7");
    EXPECT_EQ(read.Areas(), (std::vector<std::string>{"0x", "1x"}));
    EXPECT_EQ(read.AreaIndex(), 1); // the current area, whatever its case

    read.SetNumberText("70000");
    EXPECT_FALSE(read.Ok());
    EXPECT_EQ(m_prompt.shown, std::vector<int>{52350});
    read.SetNumberText("950"); // a PLC number has no panel limit
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.Area(), "1x");
    EXPECT_EQ(read.DisplayText(), "1x" + read.Number());
}

TEST_F(AddressEntry, ModbusReferenceIsEchoedAndTakenInItsArea)
{
    using R = CSysAddrDlg::Reading;
    CSysAddrDlg dlg(m_slots, m_prompt, 1, kAddrWord, false, "3x", "1");
    EXPECT_EQ(dlg.TypedReading(), R::Address);
    EXPECT_EQ(dlg.ReadingTexts(), std::vector<std::string>{"3x1 = 30001"});

    dlg.SetNumberText("400001");
    EXPECT_EQ(dlg.ReadingTexts(), std::vector<std::string>{"4x1 = 40001"});
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Area(), "4x");
    EXPECT_EQ(dlg.Number(), "1");
    EXPECT_EQ(dlg.Areas()[std::size_t(dlg.AreaIndex())], "4x");
    EXPECT_EQ(dlg.DisplayText(), "4x1");

    dlg.SetNumberText("4x17"); // the form the editor shows
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Number(), "17");
    dlg.SetNumberText("");
    EXPECT_EQ(dlg.TypedReading(), R::None);
    EXPECT_TRUE(dlg.ReadingTexts().empty());
    EXPECT_TRUE(m_prompt.shown.empty());
}

TEST_F(AddressEntry, NumberThatIsAlsoAReferenceIsRefusedWithBothReadings)
{
    util::setMessageLanguage(util::kResEnglish);
    CSysAddrDlg dlg(m_slots, m_prompt, 1, kAddrWord, true, "4x", "1");
    dlg.SetNumberText("40001");
    EXPECT_EQ(dlg.TypedReading(), CSysAddrDlg::Reading::Ambiguous);
    EXPECT_EQ(dlg.ReadingTexts(), (std::vector<std::string>{"4x40001 = 440001", "4x1 = 40001"}));
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(m_prompt.shown, std::vector<int>{52351});
    EXPECT_NE(m_prompt.texts.back().find("4x40001 or 4x1"), std::string::npos);
    util::setMessageLanguage(0x412);

    // Either reading can be typed unambiguously.
    dlg.SetNumberText("4x40001");
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Number(), "40001");
    dlg.SetNumberText("4x1");
    ASSERT_TRUE(dlg.Ok());
    EXPECT_EQ(dlg.Number(), "1");
}

TEST_F(AddressEntry, WrittenPointRefusesAReferenceToAReadOnlyArea)
{
    CSysAddrDlg dlg(m_slots, m_prompt, 1, kAddrWord, true, "4x", "1");
    dlg.SetNumberText("300001");
    EXPECT_EQ(dlg.TypedReading(), CSysAddrDlg::Reading::ReadOnly);
    EXPECT_EQ(dlg.ReadingTexts(), std::vector<std::string>{"3x1 = 30001"});
    EXPECT_FALSE(dlg.Ok());
    // 30001 might still mean holding register 30001: both readings are named.
    dlg.SetNumberText("30001");
    EXPECT_FALSE(dlg.Ok());
    EXPECT_EQ(m_prompt.shown, (std::vector<int>{52350, 52351}));
}

TEST_F(AddressEntry, StoredModbusAddressOpensSoThatOkKeepsIt)
{
    // Holding register 40001 opens with its area in front, which reads one way only.
    CSysAddrDlg high(m_slots, m_prompt, 1, kAddrWord, true, "4x", "40001");
    EXPECT_EQ(high.NumberText(), "4x40001");
    ASSERT_TRUE(high.Ok());
    EXPECT_EQ(high.Number(), "40001");
    // An area-less reference opens in its area.
    CSysAddrDlg reference(m_slots, m_prompt, 1, kAddrWord, false, "", "30005");
    EXPECT_EQ(reference.Areas()[std::size_t(reference.AreaIndex())], "3x");
    EXPECT_EQ(reference.NumberText(), "5");
    // Plain numbers stay as stored.
    EXPECT_EQ(CSysAddrDlg(m_slots, m_prompt, 1, kAddrWord, true, "4x", "123").NumberText(), "123");
    EXPECT_TRUE(m_prompt.shown.empty());
}

TEST_F(AddressEntry, LetterPlcLeavesOutReadOnlyAreasPerKind)
{
    m_slots.BindChannel(2, m_folder.config.plcList(2), plctest::kLetterType, 0,
                        m_folder.config.protocolsDir());
    const CSysAddrDlg word(m_slots, m_prompt, 2, kAddrWord, true, "D", "0");
    EXPECT_EQ(word.Areas(), (std::vector<std::string>{"D", "W", "Y", "M", "L"}));
    const CSysAddrDlg bit(m_slots, m_prompt, 2, kAddrBit, true, "M", "0");
    EXPECT_EQ(bit.Areas(), (std::vector<std::string>{"Y", "M", "L"}));
    // The current area may be one a written point cannot use: the first area is offered.
    const CSysAddrDlg fromReadOnly(m_slots, m_prompt, 2, kAddrBit, true, "SM", "0");
    EXPECT_EQ(fromReadOnly.AreaIndex(), 0);
    const CSysAddrDlg read(m_slots, m_prompt, 2, kAddrBit, false, "SM", "0");
    EXPECT_EQ(read.Areas().size(), 5u);
    EXPECT_EQ(read.Areas()[std::size_t(read.AreaIndex())], "SM");
}

TEST_F(AddressEntry, DisplayTextNamesPanelWordsOnly)
{
    EXPECT_EQ(deviceAddressText(m_slots, 0, kAddrWord, "", "950"), "CALC_L_ERR");
    EXPECT_EQ(deviceAddressText(m_slots, 0, kAddrBit, "", "951F"), "CALC_H_ERR");
    EXPECT_EQ(deviceAddressText(m_slots, 0, kAddrWord, "", "9510"), "9510");
    EXPECT_EQ(deviceAddressText(m_slots, 0, kAddrWord, "", "95x"), "95x");
    // On a PLC the same number is the PLC's.
    EXPECT_EQ(deviceAddressText(m_slots, 1, kAddrWord, "4x", "950"), "4x950");
}

TEST_F(AddressEntry, ChannelWithoutPlcUsesPanelRules)
{
    // Channel 2 holds no PLC: no areas, and the built-in number rules apply.
    CSysAddrDlg dlg(m_slots, m_prompt, 2, kAddrWord, true, "", "5");
    EXPECT_FALSE(dlg.AreaEnabled());
    dlg.SetNumberText("999");
    EXPECT_TRUE(dlg.Ok());
    dlg.SetNumberText("1000");
    EXPECT_FALSE(dlg.Ok());
}

} // namespace
