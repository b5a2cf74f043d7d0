#pragma once

// The link's notify target in the editor: the worker's post() queues the message into the
// thread of this object, where `arrived` is emitted. The worker never touches a widget.

#include "core/comm/comm_cmd.h"

#include <QObject>

namespace ui {

class CQueuedNotify : public QObject, public comm::ICommNotify
{
    Q_OBJECT
public:
    using QObject::QObject;
    void post(const comm::CommMessage &message) override
    {
        QMetaObject::invokeMethod(
                this, [this, message] { emit arrived(message); }, Qt::QueuedConnection);
    }

signals:
    void arrived(const comm::CommMessage &message);
};

} // namespace ui
