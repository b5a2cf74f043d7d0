#pragma once

// The communication menu's panel windows, each opened by one call over the main frame's link
// and the editor's panel UI (questions, messages, password prompt, wait cursor).

class QWidget;

namespace comm {
class CCommThread;
class IPanelUi;
} // namespace comm

namespace core {
class CAppServices;
class CDorvaneDoc;
} // namespace core

namespace ui {

// "Date/time": the panel's clock, read while the window is open, and setting it.
void showPanelClock(QWidget *parent, comm::CCommThread &link, comm::IPanelUi &ui);
// "Set password": set or change the panel's password.
void setPanelPassword(QWidget *parent, comm::CCommThread &link, comm::IPanelUi &ui);
// "Remove password": no window of its own, only the panel's password prompt and the outcome.
bool removePanelPassword(comm::CCommThread &link, comm::IPanelUi &ui);
// "Read alarm history": the alarm-history window over the application's alarm database. The
// panel's texts are decoded in the open project's panel language (`doc`), or without a project
// in the language the panel's menu names. A file chosen in the window becomes the application's
// alarm database.
void showAlarmHistory(QWidget *parent, comm::CCommThread &link, comm::IPanelUi &ui,
                      core::CAppServices &services, const core::CDorvaneDoc *doc);
// "Delete alarm history": asks, then deletes the panel's whole and per-alarm history.
bool deleteAlarmHistory(comm::CCommThread &link, comm::IPanelUi &ui);

} // namespace ui
