#pragma once

// The logic of the function-key dialog: one key of the current screen, its function, the target
// address, the value and the password flag, and whether the key is shared by all screens. OK
// checks the value (52601), builds the address through the channel's driver and, for a shared
// key, asks 51915 first; Store() then writes the record where the sharing flag says.

#include "core/functions/func_key_record.h"
#include "core/presenters/addr_group.h"
#include "core/presenters/function_env.h"

#include <string>

namespace core {

class CDorvaneDoc;
class CScreenData;

class CDlgFuncKey
{
public:
    // Which controls the chosen function uses.
    struct Controls
    {
        bool bitActions = false;
        bool value = false;
        bool format = false;
        bool dataType = false;
        bool sign = false;
        bool address = false;
        bool password = false;
    };

    explicit CDlgFuncKey(const FunctionEnv &env);

    // Opens the dialog for key `key` (0 to 7) with a copy of its record and the key's sharing
    // flag; a shared key starts with the settings disabled.
    void Load(int key, const CFuncKeyRecord &record, bool shared);
    const CFuncKeyRecord &Held() const { return m_record; }
    std::string Title() const { return CFuncKeyRecord::KeyTitle(m_key); }

    std::uint16_t Function() const { return m_function; }
    // A different function clears address and value and sets the type back to Word, DEC;
    // bit control starts with "On while pressed".
    void SetFunction(std::uint16_t function);
    static std::vector<std::string> FunctionNames();
    Controls Visible() const;
    // 51916 "값 입력", or 52202 "화면번호" for a screen change.
    std::string ValueLabel() const;

    std::uint32_t BitAction() const { return m_action; }
    void SetBitAction(std::uint32_t action);

    const std::string &ValueText() const { return m_valueText; }
    // The value edit lost the focus: 52601 when the text breaks the value rule (the text stays).
    bool ValueFocusLost(const std::string &text);

    const ValueType &Type() const { return m_type; }
    void SetDataKind(std::uint16_t kind);
    // HEX clears and disables the signed box.
    void SetFormat(std::uint16_t format);
    bool SignedEnabled() const { return m_type.format == kFormatDec; }
    void SetSigned(bool isSigned);

    bool Password() const { return m_password; }
    void SetPassword(bool on) { m_password = on; }

    CAddrGroup &Address() { return m_address; }

    bool ApplyAll() const { return m_applyAll; }
    // Ticking or clearing the box enables the settings again.
    void SetApplyAll(bool on);
    bool SettingsEnabled() const { return m_settingsEnabled; }

    // False when the value is refused (52601) or the user declines 51915; otherwise the held
    // record is built.
    bool Ok();
    // After OK: the key's sharing flag, and the record on every screen (shared) or on `current`.
    void Store(CDorvaneDoc &doc, CScreenData &current) const;

    // The view's tool tip of a key: "function: address = value", or the function name alone for
    // a key without function.
    static std::string Describe(const FunctionEnv &env, const CFuncKeyRecord &record);

private:
    bool ValueValid() const;
    std::string ValueTextOf(const CFuncKeyRecord &record) const;

    FunctionEnv m_env;
    int m_key = 0;
    CFuncKeyRecord m_record;
    std::uint16_t m_function = CFuncKeyRecord::kNotUsed;
    std::uint32_t m_action = CFuncKeyRecord::kBitMomentary;
    std::string m_valueText = "0";
    ValueType m_type;
    bool m_password = false;
    CAddrGroup m_address;
    bool m_applyAll = false;
    bool m_settingsEnabled = true;
};

} // namespace core
