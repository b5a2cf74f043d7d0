#include "ui/help/help_window.h"

#include <QHBoxLayout>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {

namespace {

QToolButton *navigationButton(QWidget *parent, const QString &text, QKeySequence key)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    button->setShortcut(key);
    button->setAutoRaise(true);
    return button;
}

} // namespace

CHelpWindow::CHelpWindow(const QString &manualFile, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_file(manualFile)
{
    setWindowTitle(tr("Dorvane 사용 설명서"));
    setObjectName(QStringLiteral("helpWindow"));
    m_back = navigationButton(this, tr("뒤로"), QKeySequence::Back);
    m_forward = navigationButton(this, tr("앞으로"), QKeySequence::Forward);
    m_home = navigationButton(this, tr("처음"), QKeySequence(Qt::ALT | Qt::Key_Home));
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(QUrl::fromLocalFile(manualFile), QTextDocument::HtmlResource);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_home);
    bar->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QToolButton::clicked, m_browser, &QTextBrowser::home);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    resize(820, 640);
}

} // namespace ui
