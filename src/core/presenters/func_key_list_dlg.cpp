#include "core/presenters/func_key_list_dlg.h"

#include "core/presenters/dlg_func_key.h"

#include "core/functions/device_addr.h"

#include "util/message_ids.h"
#include "util/messages.h"

namespace core {

namespace {

std::string label(int id)
{
    return std::string(util::messageText(id));
}

void addressRows(const FunctionEnv &env, const CFuncKeyRecord &r,
                 std::vector<CFuncKeyListDlg::Row> &rows)
{
    const CDeviceAddr addr
            = CDeviceAddr::FromBlock(env.plcSlots, r.Bytes(), CFuncKeyRecord::kBlock, r.AddrKind());
    rows.push_back({label(util::msg::kChannelCaption), std::to_string(addr.channel)});
    rows.push_back({label(util::msg::kStationCaption), std::to_string(addr.station)});
    rows.push_back({label(util::msg::kAddressValueCaption), addr.Text(env.plcSlots)});
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
            rows.push_back(
                    {label(util::msg::kValueCaption), CDlgFuncKey::BitActionText(r.Value())});
            addressRows(env, r, rows);
            rows.push_back({label(util::msg::kPasswordCaption), password});
            break;
        case CFuncKeyRecord::kValueSet:
        case CFuncKeyRecord::kValueIncrease:
        case CFuncKeyRecord::kValueDecrease: {
            const ValueType type = r.Type();
            const std::string value = type.format == kFormatHex ? util::formatText("%X", r.Value())
                    : type.isSigned ? std::to_string(std::int32_t(r.Value()))
                                    : std::to_string(r.Value());
            rows.push_back({label(util::msg::kValueCaption), value});
            addressRows(env, r, rows);
            rows.push_back({label(util::msg::kPasswordCaption), password});
            rows.push_back(
                    {label(util::msg::kSizeCaption), type.kind == kDataWord ? "Word" : "Long"});
            rows.push_back(
                    {label(util::msg::kRadixCaption), type.format == kFormatHex ? "HEX" : "DEC"});
            rows.push_back({label(util::msg::kSignedCaption), type.isSigned ? "O" : "X"});
            break;
        }
        case CFuncKeyRecord::kScreenChange:
            rows.push_back({label(util::msg::kScreenNumberCaption), std::to_string(r.Value())});
            rows.push_back({label(util::msg::kPasswordCaption), password});
            break;
        default:
            break;
        }
    }
    return rows;
}

} // namespace core
