#include "core/presenters/func_key_list_dlg.h"

#include "util/messages.h"

namespace core {

std::string CFuncKeyListDlg::Caption(const std::string &dialogTitle, const std::string &screenName,
                                     int screenNumber)
{
    return util::formatText("%s : %s ( ID = %d )", dialogTitle.c_str(), screenName.c_str(),
                            screenNumber);
}

} // namespace core
