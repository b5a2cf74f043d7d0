#include "core/presenters/func_key_list_dlg.h"

#include "core/presenters/dlg_func_key.h"

#include "core/functions/device_addr.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

namespace {

// Labels without an entry of their own in the string table fall back to the dialog's texts, in
// the interface's language.
std::string label(int id, const char *korean, const char *english = nullptr)
{
    const std::string_view text = util::messageText(id);
    if (!text.empty())
        return std::string(text);
    return english && util::messageLanguage() == util::kResEnglish ? english : korean;
}

void addressRows(const FunctionEnv &env, const CFuncKeyRecord &r,
                 std::vector<CFuncKeyListDlg::Row> &rows)
{
    const CDeviceAddr addr
            = CDeviceAddr::FromBlock(env.plcSlots, r.Bytes(), CFuncKeyRecord::kBlock, r.AddrKind());
    rows.push_back({label(53022, "채널"), std::to_string(addr.channel)});
    rows.push_back({label(53023, "국번"), std::to_string(addr.station)});
    rows.push_back({label(53024, "주소값"), addr.Text(env.plcSlots)});
}

} // namespace

std::string CFuncKeyListDlg::Caption(const std::string &dialogTitle, const std::string &screenName,
                                     int screenNumber)
{
    return util::formatText("%s : %s ( ID = %d )", dialogTitle.c_str(), screenName.c_str(),
                            screenNumber);
}

std::vector<CFuncKeyListDlg::Row> CFuncKeyListDlg::Rows(const FunctionEnv &env, const Keys &keys)
{
    std::vector<Row> rows;
    for (int k = 0; k < CFuncKeyRecord::kKeyCount; ++k) {
        const CFuncKeyRecord r(keys[std::size_t(k)]);
        const std::uint16_t f = r.Function();
        rows.push_back({CFuncKeyRecord::KeyTitle(k),
                        std::string(util::messageText(CFuncKeyRecord::FunctionNameId(f))), true});
        const std::string password = r.Password() ? "O" : "X";
        switch (f) {
        case CFuncKeyRecord::kBitControl:
            rows.push_back({label(51916, "값 입력"), CDlgFuncKey::BitActionText(r.Value())});
            addressRows(env, r, rows);
            rows.push_back({label(53029, "암호 사용", "Password"), password});
            break;
        case CFuncKeyRecord::kValueSet:
        case CFuncKeyRecord::kValueIncrease:
        case CFuncKeyRecord::kValueDecrease: {
            const ValueType type = r.Type();
            const std::string value = type.format == kFormatHex ? util::formatText("%X", r.Value())
                    : type.isSigned ? std::to_string(std::int32_t(r.Value()))
                                    : std::to_string(r.Value());
            rows.push_back({label(51916, "값 입력"), value});
            addressRows(env, r, rows);
            rows.push_back({label(53029, "암호 사용", "Password"), password});
            rows.push_back({label(53032, "크기"), type.kind == kDataWord ? "Word" : "Long"});
            rows.push_back({label(53033, "진법"), type.format == kFormatHex ? "HEX" : "DEC"});
            rows.push_back({label(53038, "부호", "Signed"), type.isSigned ? "O" : "X"});
            break;
        }
        case CFuncKeyRecord::kScreenChange:
            rows.push_back({label(52202, "화면번호"), std::to_string(r.Value())});
            rows.push_back({label(53029, "암호 사용", "Password"), password});
            break;
        default:
            break;
        }
    }
    return rows;
}

} // namespace core
