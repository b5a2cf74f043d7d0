#pragma once

// The core headers the windows use. The model names its driver slots `slots`, which Qt defines
// as a keyword macro; it is lifted while the core headers are read, so include order does not
// matter.

#pragma push_macro("slots")
#undef slots
#include "core/app/app_services.h"
#include "core/functions/dlg_func_key.h"
#include "core/functions/func_key_list_dlg.h"
#include "core/functions/function_env.h"
#include "core/model/dorvane_doc.h"
#include "core/model/img_res_mgr.h"
#include "core/model/project_file.h"
#include "core/tags/tag_kinds.h"
#include "core/tags/tag_points.h"
#include "core/plc/prj_mgn_presenter.h"
#include "core/ui_logic/gauge_label.h"
#include "core/ui_logic/new_screen_presenter.h"
#include "core/ui_logic/recent_files.h"
#include "core/ui_logic/screen_rules.h"
#include "core/ui_logic/screen_snapshot.h"
#pragma pop_macro("slots")
