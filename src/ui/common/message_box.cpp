#include "ui/common/message_box.h"

#include "util/messages.h"

namespace ui {

namespace {

MessageHandler &handler()
{
    static MessageHandler h;
    return h;
}

QString textOf(int id, const QString &text)
{
    return text.isEmpty() ? messageString(id) : text;
}

QMessageBox::StandardButton ask(QWidget *parent, int id, const QString &text, AskKind kind)
{
    const QString shown = textOf(id, text);
    if (handler())
        return handler()(id, shown, kind);
    const QString title = QStringLiteral("Dorvane");
    switch (kind) {
    case AskKind::Info:
        // The program's messages report refusals and failures: the warning icon.
        return QMessageBox::warning(parent, title, shown);
    case AskKind::YesNo:
        return QMessageBox::question(parent, title, shown, QMessageBox::Yes | QMessageBox::No);
    case AskKind::YesNoCancel:
        return QMessageBox::question(parent, title, shown,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    }
    return QMessageBox::NoButton;
}

} // namespace

QString messageString(int id)
{
    const std::string_view text = util::messageText(id);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void setMessageHandler(MessageHandler h)
{
    handler() = std::move(h);
}

void showMessage(QWidget *parent, int id, const QString &text)
{
    ask(parent, id, text, AskKind::Info);
}

bool askYesNo(QWidget *parent, int id, const QString &text)
{
    return ask(parent, id, text, AskKind::YesNo) == QMessageBox::Yes;
}

QMessageBox::StandardButton askYesNoCancel(QWidget *parent, int id, const QString &text)
{
    return ask(parent, id, text, AskKind::YesNoCancel);
}

} // namespace ui
