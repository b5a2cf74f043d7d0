#include "ui/common/message_box.h"

#include "util/messages.h"

#include <QMessageBox>

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

Answer answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Escape or the window's close button.
        return Answer::Cancel;
    }
}

Answer ask(QWidget *parent, int id, const QString &text, AskKind kind, const QString &caption = {})
{
    const QString shown = textOf(id, text);
    if (handler())
        return handler()(id, shown, kind);
    const QString title = caption.isEmpty() ? QStringLiteral("Dorvane") : caption;
    switch (kind) {
    case AskKind::Info:
        return answerOf(QMessageBox::warning(parent, title, shown));
    case AskKind::Done:
        return answerOf(QMessageBox::information(parent, title, shown));
    case AskKind::YesNo:
        return answerOf(
                QMessageBox::question(parent, title, shown, QMessageBox::Yes | QMessageBox::No));
    case AskKind::YesNoCancel:
        return answerOf(QMessageBox::question(
                parent, title, shown, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
    }
    return Answer::Cancel;
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

void showMessage(QWidget *parent, int id, const QString &text, const QString &caption)
{
    ask(parent, id, text, AskKind::Info, caption);
}

void showDone(QWidget *parent, const QString &text, const QString &caption)
{
    ask(parent, 0, text, AskKind::Done, caption);
}

bool askYesNo(QWidget *parent, int id, const QString &text)
{
    return ask(parent, id, text, AskKind::YesNo) == Answer::Yes;
}

Answer askYesNoCancel(QWidget *parent, int id, const QString &text)
{
    return ask(parent, id, text, AskKind::YesNoCancel);
}

} // namespace ui
