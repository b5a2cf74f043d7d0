#pragma once

// Every message box of the editor goes through here, so the QtTest suites can answer them
// without a modal loop: a test installs a handler that records the message and gives the answer.
// Messages are numbered texts of the message table (util/message_ids.h names the numbers).

#include <QString>

#include <functional>

class QWidget;

namespace ui {

// Info reports a refusal or a failure (the warning icon), Done a success (the information icon).
enum class AskKind { Info, Done, YesNo, YesNoCancel };
// What the user answered; a message that only informs is answered Ok.
enum class Answer { Ok, Yes, No, Cancel };
using MessageHandler = std::function<Answer(int id, const QString &text, AskKind kind)>;

// The text of string-table message `id` in the resource language: the one way the windows read
// the table, for captions and labels as well as for messages.
QString messageString(int id);

// Replaces the message boxes (an empty handler puts them back).
void setMessageHandler(MessageHandler handler);

// Shows string-table message `id` (its text in the resource language) or `text` when given;
// `caption` replaces the program's name in the title.
void showMessage(QWidget *parent, int id, const QString &text = {}, const QString &caption = {});
// A success, with the information icon.
void showDone(QWidget *parent, const QString &text, const QString &caption = {});
bool askYesNo(QWidget *parent, int id, const QString &text = {});
Answer askYesNoCancel(QWidget *parent, int id, const QString &text);

} // namespace ui
