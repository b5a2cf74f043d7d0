#include "download_dialog.h"

#include "flash_texts.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <system_error>

namespace quillet {

namespace {
QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

// Runs on the worker thread: every report becomes a queued call on the dialog's thread, which is
// dropped by Qt if the dialog is already gone.
class CDownloadDialog::Bridge : public IFlashObserver
{
public:
    explicit Bridge(CDownloadDialog *dialog)
        : m_dialog(dialog)
    { }
    void phase(std::string_view text) override
    {
        post([d = m_dialog, t = qs(text)] { d->m_phase->setText(t); });
    }
    void speed(std::string_view text) override
    {
        post([d = m_dialog, t = qs(text)] { d->m_speed->setText(t); });
    }
    void progress(std::uint32_t total, std::uint32_t done) override
    {
        if (const auto percent = progressPercent(total, done))
            post([d = m_dialog, p = *percent] { d->m_bar->setValue(p); });
    }
    void message(std::string_view text) override
    {
        post([d = m_dialog, t = qs(text)] { d->onMessage(t); });
    }
    void finished(bool ok)
    {
        post([d = m_dialog, ok] { d->onFinished(ok); });
    }

private:
    template<typename F>
    void post(F &&call)
    {
        QMetaObject::invokeMethod(m_dialog, std::forward<F>(call), Qt::QueuedConnection);
    }
    CDownloadDialog *m_dialog;
};

CDownloadDialog::CDownloadDialog(FlashRequest request, QWidget *parent)
    : QDialog(parent)
    , m_request(std::move(request))
    , m_bridge(std::make_unique<Bridge>(this))
{
    setWindowTitle(QStringLiteral("Downloading..."));
    m_phase = new QLabel(qs(text::PhaseStart), this);
    m_speed = new QLabel(this);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setFormat(QStringLiteral("%p%"));
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->setTextVisible(true);
    m_stop = new QPushButton(tr("&Stop"), this);
    connect(m_stop, &QPushButton::clicked, this, &CDownloadDialog::stop);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_phase);
    layout->addWidget(m_speed);
    layout->addWidget(m_bar);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_stop);
    buttons->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(360);

    m_sink = [this](const QString &text) {
        QMessageBox::information(this, qs(kProgramName), text);
    };
}

CDownloadDialog::~CDownloadDialog()
{
    if (m_worker)
        m_worker->requestStop();
    if (m_thread.joinable())
        m_thread.join();
}

QString CDownloadDialog::phaseText() const
{
    return m_phase->text();
}

QString CDownloadDialog::speedText() const
{
    return m_speed->text();
}

int CDownloadDialog::progressValue() const
{
    return m_bar->value();
}

void CDownloadDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_started) {
        m_started = true;
        startWorker();
    }
}

void CDownloadDialog::startWorker()
{
    m_worker = std::make_unique<CFlashWorker>(m_request, *m_bridge);
    try {
        m_thread = std::thread([w = m_worker.get(), b = m_bridge.get()] { b->finished(w->run()); });
    } catch (const std::system_error &) {
        m_worker.reset();
        onMessage(qs(text::CannotCreateThread));
        QMetaObject::invokeMethod(
                this, [this] { onFinished(false); }, Qt::QueuedConnection);
    }
}

void CDownloadDialog::stop()
{
    if (!m_thread.joinable())
        return;
    m_worker->requestStop();
    // The worker's next send or receive fails at once; its last reports are queued calls that
    // arrive after this returns and close the dialog.
    m_thread.join();
}

void CDownloadDialog::reject()
{
    if (m_thread.joinable()) {
        stop(); // closing while the worker runs acts as Stop; onFinished closes the dialog
        return;
    }
    QDialog::reject();
}

void CDownloadDialog::closeEvent(QCloseEvent *event)
{
    if (m_thread.joinable()) {
        stop();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CDownloadDialog::onMessage(const QString &text)
{
    m_showingMessage = true;
    if (m_sink)
        m_sink(text);
    m_showingMessage = false;
    if (m_closePending)
        finish();
}

void CDownloadDialog::onFinished(bool ok)
{
    m_succeeded = ok;
    if (m_thread.joinable())
        m_thread.join();
    m_closePending = true;
    if (!m_showingMessage)
        finish();
}

void CDownloadDialog::finish()
{
    if (m_done)
        return;
    m_done = true;
    m_worker.reset();
    if (m_succeeded)
        accept();
    else
        QDialog::reject();
}

} // namespace quillet
