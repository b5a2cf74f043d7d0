#pragma once

// The manual's window: the HTML file the build rendered from the manual pages, with back,
// forward and the start page. Links to the web open in the desktop's browser. It stays open
// beside the editor; the Help command brings it back to the front.

#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace ui {

class CHelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CHelpWindow(const QString &manualFile, QWidget *parent = nullptr);

    QTextBrowser *browser() const { return m_browser; }
    QString manualFile() const { return m_file; }
    QToolButton *backButton() const { return m_back; }
    QToolButton *homeButton() const { return m_home; }

private:
    QString m_file;
    QTextBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
    QToolButton *m_home = nullptr;
};

} // namespace ui
