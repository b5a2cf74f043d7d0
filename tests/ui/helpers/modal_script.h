#pragma once

// Answers windows as they are shown, by class name, and counts each. The answer runs once the
// window's own event loop does, so a modal dialog opened deep inside a command can be driven.

#include <QApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <map>

namespace uitest {

class ModalScript : public QObject
{
public:
    using Handler = std::function<void(QWidget *)>;
    explicit ModalScript(std::map<QString, Handler> handlers)
        : m_handlers(std::move(handlers))
    {
        qApp->installEventFilter(this);
    }
    ~ModalScript() override { qApp->removeEventFilter(this); }
    std::map<QString, int> count;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto *w = static_cast<QWidget *>(watched);
        const auto it = m_handlers.find(QString::fromLatin1(w->metaObject()->className()));
        if (it == m_handlers.end() || !w->isWindow())
            return false;
        ++count[it->first];
        QPointer<QWidget> guard(w);
        Handler handler = it->second;
        QTimer::singleShot(0, this, [guard, handler] {
            if (guard)
                handler(guard);
        });
        return false;
    }

private:
    std::map<QString, Handler> m_handlers;
};

inline void clickButton(QWidget *w, QDialogButtonBox::StandardButton which)
{
    auto *box = w->findChild<QDialogButtonBox *>();
    QTest::mouseClick(box->button(which), Qt::LeftButton);
}

} // namespace uitest
