#include "ui/comm/comm_notify_bridge.h"

namespace ui {

CCommNotifyBridge::CCommNotifyBridge(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{ }

void CCommNotifyBridge::post(const comm::CommMessage &message)
{
    QMetaObject::invokeMethod(
            this, [this, message] { m_handler(message); }, Qt::QueuedConnection);
}

} // namespace ui
