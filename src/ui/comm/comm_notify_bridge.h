#pragma once

// Carries the link worker's messages into the UI thread: post() runs on the worker and only
// queues a call; the handler runs later in this object's thread. Calls still queued when the
// bridge is destroyed are dropped, so a window may go away once it has stopped the worker.

#include "core/comm/comm_cmd.h"

#include <QObject>

#include <functional>

namespace ui {

class CCommNotifyBridge : public QObject, public comm::ICommNotify
{
    Q_OBJECT
public:
    using Handler = std::function<void(const comm::CommMessage &)>;
    CCommNotifyBridge(Handler handler, QObject *parent);

    void post(const comm::CommMessage &message) override;

private:
    Handler m_handler;
};

} // namespace ui
