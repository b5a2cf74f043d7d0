#pragma once

// A program folder of its own for each test (copied from the built one, so option write-backs
// never touch it), a private settings folder, and the message boxes answered by the test.

#include "ui/common/message_box.h"

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <vector>

namespace uitest {

class ProgramFolder
{
public:
    ProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    // The interface language the editor starts in ("0x409", "0x412").
    void setLanguage(const QByteArray &lang) const;
    // A fresh copy of the demo project in the folder's project directory; its path.
    QString demoCopy() const;

private:
    QTemporaryDir m_dir;
};

// The letter after a single '&' of a menu text or label, upper case; none without one.
QChar mnemonicOf(const QString &text);

// Records every message and answers questions with `answer`.
class MessageRecorder
{
public:
    explicit MessageRecorder(ui::Answer answer = ui::Answer::Yes);
    ~MessageRecorder();
    std::vector<int> ids;
    std::vector<QString> texts;
    std::vector<ui::AskKind> kinds;
    ui::Answer answer;
};

// Call once from initTestCase: settings go to a private folder.
void isolateSettings();

// Every edit, spin box and combo box of `dialog` is named for screen readers: a label has it as
// its buddy, or it carries an accessible name. Prints the ones that are not.
bool everyInputLabelled(const QWidget &dialog);

} // namespace uitest
